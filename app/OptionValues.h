// The values of command-line options, checked the same way by every command of
// spctm-view: whole numbers in a range, one word of a list, four numbers joined by commas,
// and the split of "--name=value". Each mistake is a UsageError whose text names the
// option and what it accepts.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/DatasetSource.h"

namespace spctmview {

// An integer in [lo, hi] from the whole of `text`.
long long integerIn(const std::string& option, const std::string& text, long long lo, long long hi);

// The position of `text` among `words`.
int oneOf(const std::string& option, const std::string& text, std::initializer_list<const char*> words);

// A spectral class by its word: act 0, ctl 1, rst 2.
int spctmClassOf(const std::string& option, const std::string& text);
// A data kind by its word: real 0, imag 1, power 2.
int dataKindOf(const std::string& option, const std::string& text);

// A single view's zoom: "fit" (0) or a whole number of pixels per bin from 1 to 64.
int zoomOf(const std::string& option, const std::string& text);
// A channel's name as the dataset spells it (not empty).
std::wstring channelOf(const std::string& option, const std::string& text);

// Takes --class, --kind, --source 0..6 and --channel NAME into the fields given; false
// for any other option.
bool parseSpectraOption(const std::string& option, const std::string& value, int& spctmClass, int& dataKind,
                        int& dataSource, std::wstring& channel);

// "A,B,C,D": four integers in [lo, hi].
std::array<long long, 4> fourIn(const std::string& option, const std::string& text, long long lo, long long hi);

// One argument of a command line: "--name=value" gives both; any other argument is a
// name alone, whose value (if it takes one) is the next argument.
struct OptionArg {
  std::string name;
  std::string value;
  bool hasValue = false;
};
OptionArg splitOption(const std::string& arg);
// The value of an option that takes one: its "=value", else the next argument (moving
// `next` past it). Throws UsageError when there is none.
std::string takeValue(OptionArg& arg, const std::vector<std::string>& args, std::size_t& next);

}  // namespace spctmview
