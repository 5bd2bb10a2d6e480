// Where a command's dataset comes from, shared by every command of spctm-view: the options
// that choose it (the demo, or a recording FILE with its epoching and spectra options),
// their parsing and help text, loading it with a progress bar on the terminal, and
// choosing a channel by name.
#pragma once

#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/data/CArrayMEDataSetqv.h"
#include "host/io/RecordingDataset.h"

namespace spctmview {

// A command line the program cannot run; what() is the message for the user.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DatasetOptions {
  bool demo = false;           // the demo dataset (the default while no file is named)
  bool segmentsTrial = false;  // also build the demo's accumulated "Segments" trial
  std::string file;            // a recording to read (FIF, EDF/BDF, BrainVision)
  // Epoching, channel and spectra choices for FILE; the spectra settings (--freqs,
  // --cycles, --step, --baseline) apply to the demo as well.
  RecordingDatasetOptions recording;
  std::vector<std::string> fileOnly;  // options given that only a FILE takes
};

// Takes args[next] (and its value, moving `next` past it) if it chooses the dataset: a
// dataset option, or the first argument that is not an option (FILE); false otherwise.
// Throws UsageError for a bad value.
bool parseDatasetOption(DatasetOptions& options, const std::vector<std::string>& args, std::size_t& next);
// Checks the dataset options together once all are parsed (--demo with a FILE, file-only
// options without one). Throws UsageError.
void checkDatasetOptions(const DatasetOptions& options);

// The help lines of the dataset options, for the commands' --help texts.
const char* datasetOptionsHelp();

// The dataset the options ask for, with its load progress drawn as a bar rewritten in
// place on one line of `err` when `showProgress` (a terminal), and the recording's notes
// and warnings on `err`; null, with the reason on `err` after "spctm-view COMMAND: ",
// when it cannot be built.
std::unique_ptr<CArrayMEDataSetqv> loadDataset(const DatasetOptions& options, const std::string& command,
                                               std::ostream& err, bool showProgress);

// Makes the named channel the trial's current one. Throws UsageError listing the
// dataset's names when there is none of that name.
void selectChannel(CMDTrialqv& trial, const std::wstring& name);

}  // namespace spctmview
