// Options of `spctm-view measure`: which spectra (class, kind, data source, channel or
// every channel), over which window (the selection, set or the dataset's), which
// measurement (a mode of the measurement dialog, or the whole spectrum's table), in which
// format (the dialog's text, its export file, or CSV), and where to write it. The parser
// checks every value and reports the first mistake as a UsageError.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/DatasetSource.h"

namespace spctmview {

enum class MeasureFormat { Text, Export, Csv };

struct MeasureOptions {
  bool help = false;
  int spctmClass = 0;        // 0 Active, 1 Control, 2 Results
  int dataKind = 2;          // 0 real, 1 imaginary, 2 power
  int dataSource = 0;        // 0 the channel, 1..6 a group statistic
  std::wstring channel;      // empty: the dataset's current channel
  bool allChannels = false;  // every channel: minimum, mean, maximum and RMS each ("All Sensors")
  bool listMissing = false;  // with allChannels: channels without spectra listed, not left out
  int mode = 0;              // the measurement dialog's mode, 0–6
  bool table = false;        // the whole spectrum's values as a table ("All Spctm")
  bool selectGiven = false;  // the class's selection is set to select first
  std::array<long long, 4> select{};  // first and last time point, first and last frequency point
  MeasureFormat format = MeasureFormat::Text;
  std::string out;           // empty: standard output (not for the export format)
  DatasetOptions dataset;
};

// The options after the word "measure". Throws UsageError for an unknown option, a bad
// value or a combination that measures nothing sensible (--all-channels or --table with
// a per-frequency mode, --table with --all-channels or CSV, the export without --out).
MeasureOptions parseMeasureOptions(const std::vector<std::string>& args);

// The text of `spctm-view measure --help`.
std::string measureHelp();

}  // namespace spctmview
