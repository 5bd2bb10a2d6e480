// Where a command's dataset comes from, shared by every command of spctm-view: the options
// that choose it, their parsing and help text, loading it with progress on the terminal,
// and choosing a channel by name. Today the source is the generated demo dataset;
// recordings read from files join here.
#pragma once

#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>

#include "host/data/CArrayMEDataSetqv.h"

namespace spctmview {

// A command line the program cannot run; what() is the message for the user.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DatasetOptions {
  bool demo = false;           // the demo dataset (the default while no file is named)
  bool segmentsTrial = false;  // also build the demo's accumulated "Segments" trial
};

// Takes `option` (and its `value`, when it has one) if it chooses the dataset; false when
// it is not a dataset option. Throws UsageError for a bad value.
bool parseDatasetOption(DatasetOptions& options, const std::string& option, const std::string& value);

// The help lines of the dataset options, for the commands' --help texts.
const char* datasetOptionsHelp();

// The dataset the options ask for, with its load progress rewritten in place on one line
// of `err` when `showProgress` (a terminal); null, with the reason on `err` after
// "spctm-view COMMAND: ", when it cannot be built.
std::unique_ptr<CArrayMEDataSetqv> loadDataset(const DatasetOptions& options, const std::string& command,
                                               std::ostream& err, bool showProgress);

// Makes the named channel the trial's current one. Throws UsageError listing the
// dataset's names when there is none of that name.
void selectChannel(CMDTrialqv& trial, const std::wstring& name);

}  // namespace spctmview
