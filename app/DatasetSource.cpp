#include "app/DatasetSource.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <ostream>

#include "app/DatasetOptionValues.h"
#include "app/OptionValues.h"
#include "host/io/DemoDataset.h"
#include "host/io/RecordingFile.h"

namespace spctmview {
namespace {

constexpr int kBarWidth = 30;

std::string narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

// Options that take a value and apply to a recording FILE only, or to the spectra of any dataset.
bool isFileOption(const std::string& o) {
  return o == "--event" || o == "--active" || o == "--control" || o == "--reject" || o == "--meg" || o == "--layout";
}
bool isSpectraOption(const std::string& o) {
  return o == "--freqs" || o == "--cycles" || o == "--step" || o == "--baseline";
}

void applyValue(DatasetOptions& options, const std::string& option, const std::string& value) {
  RecordingDatasetOptions& r = options.recording;
  EpochWindowsMs& w = r.epoching.windows;
  MorletSettings& morlet = r.spectra.morlet;
  if (option == "--event") {
    if (value.empty()) throw UsageError("--event needs a trigger code or an annotation's text");
    r.epoching.event = parseEventChoice(value);
  } else if (option == "--active") {
    msWindowOf(option, value, w.activeBeginMs, w.activeEndMs);
  } else if (option == "--control") {
    msWindowOf(option, value, w.controlBeginMs, w.controlEndMs);
  } else if (option == "--reject") {
    r.epoching.reject = rejectionOf(option, value);
  } else if (option == "--layout") {
    if (value.empty()) throw UsageError("--layout needs a layout file");
    r.layoutPath = value;
  } else if (option == "--meg") {
    r.meg = megChoiceOf(option, value);
  } else if (option == "--freqs") {
    frequenciesOf(option, value, morlet);
  } else if (option == "--cycles") {
    cyclesOf(option, value, morlet);
  } else if (option == "--step") {
    morlet.timeStep = integerIn(option, value, 1, 100000);
  } else {
    const std::optional<Baseline> b = baselineByName(value);
    if (!b) oneOf(option, value, {"relative", "ratio", "logratio", "db", "zscore"});
    r.spectra.baseline = *b;
  }
}

// "spctm-view: Computing spectra [########--------] 40%", rewritten in place.
void drawBar(std::ostream& err, std::string_view stage, int percent) {
  const int filled = std::clamp(percent, 0, 100) * kBarWidth / 100;
  err << "\rspctm-view: " << stage << " [" << std::string(static_cast<std::size_t>(filled), '#')
      << std::string(static_cast<std::size_t>(kBarWidth - filled), '-') << "] " << percent << "%\x1b[K" << std::flush;
}

std::unique_ptr<CArrayMEDataSetqv> loadDemo(const DatasetOptions& options, const std::string& command,
                                            std::ostream& err, bool showProgress) {
  DemoDatasetOptions demo;
  demo.segmentsTrial = options.segmentsTrial;
  demo.spectra = options.recording.spectra;
  if (showProgress) demo.progress = [&err](std::string_view stage, int percent) { drawBar(err, stage, percent); };
  try {
    auto dataset = buildDemoDataset(demo);
    if (showProgress) err << "\r\x1b[K" << std::flush;
    return dataset;
  } catch (const std::exception& e) {
    if (showProgress) err << "\n";
    err << "spctm-view " << command << ": cannot build the demo dataset: " << e.what() << "\n";
    return nullptr;
  }
}

std::unique_ptr<CArrayMEDataSetqv> loadFile(const DatasetOptions& options, const std::string& command,
                                            std::ostream& err, bool showProgress) {
  bool barShown = false;
  const auto endBar = [&] {
    if (barShown) err << "\r\x1b[K" << std::flush;
    barShown = false;
  };
  RecordingDatasetOptions build = options.recording;
  if (showProgress) {
    build.progress = [&](std::string_view stage, int percent) {
      drawBar(err, stage, percent);
      barShown = true;
    };
  }
  build.note = [&](const std::string& message) {
    endBar();
    err << "spctm-view " << command << ": " << message << "\n";
  };
  try {
    Recording recording = readRecording(options.file);
    for (const std::string& w : recording.warnings) build.note("warning: " + w);
    auto dataset = buildRecordingDataset(std::move(recording), build);
    endBar();
    return dataset;
  } catch (const RecordingError& e) {
    endBar();
    err << "spctm-view " << command << ": cannot read " << e.what() << "\n";
  } catch (const std::exception& e) {
    endBar();
    err << "spctm-view " << command << ": " << options.file << ": " << e.what() << "\n";
  }
  return nullptr;
}

}  // namespace

bool parseDatasetOption(DatasetOptions& options, const std::vector<std::string>& args, std::size_t& next) {
  OptionArg arg = splitOption(args[next]);
  if (arg.name == "--demo") {
    options.demo = true;
    return true;
  }
  if (!arg.name.starts_with("-") && options.file.empty()) {
    if (arg.name.empty()) throw UsageError("FILE cannot be empty");
    options.file = arg.name;
    return true;
  }
  if (!isFileOption(arg.name) && !isSpectraOption(arg.name)) return false;
  const std::string value = takeValue(arg, args, next);
  applyValue(options, arg.name, value);
  if (isFileOption(arg.name)) options.fileOnly.push_back(arg.name);
  return true;
}

void checkDatasetOptions(const DatasetOptions& options) {
  if (options.demo && !options.file.empty()) {
    throw UsageError("--demo and FILE '" + options.file + "' both choose the dataset; give one");
  }
  if (options.file.empty() && !options.fileOnly.empty()) {
    throw UsageError(options.fileOnly.front() + " applies to a recording FILE; the demo has its own epochs");
  }
}

const char* datasetOptionsHelp() {
  return R"(Dataset (a recording FILE, else the demo):
  FILE                    a recording: .fif (FIF), .edf or .bdf (EDF/BDF, EDF+/BDF+),
                          .vhdr (BrainVision); `spctm-view info FILE` lists what it holds
  --demo                  the demo dataset: a generated MEG and EEG recording with an
                          alpha decrease, a beta rebound and a gamma burst (the default)
  --event CODE|TEXT       FILE: the events the epochs start from, a trigger code or an
                          annotation's text (default: code 1)
  --active B,E            FILE: the Active window in ms from the event (default 0,800)
  --control B,E           FILE: the Control window in ms from the event (default -500,0)
  --reject TYPE=P2P,...   FILE: drop epochs whose peak-to-peak amplitude on a good channel
                          of TYPE exceeds P2P: mag (T), grad (T/m), eeg, eog (V), as
                          grad=4e-10,mag=4e-12,eeg=1e-4,eog=2.5e-4 (default: none)
  --meg mag|grad          FILE: the MEG type shown (default: mag when the file has any)
  --layout LAYOUT         FILE: a 2-D layout file ("index x y width height name" lines,
                          optionally after a "xmin xmax ymin ymax" line) whose centres
                          replace the topographic layout of the channels it names
  --freqs LO,HI,N[,log]   frequency points in Hz (default 4,80,39)
  --cycles N|f/N          cycles per wavelet: N at every frequency, or f/N (default f/2)
  --step N                raw samples per time point (default 10)
  --baseline MODE         Results power against Control: relative (A-m)/m (default),
                          ratio A/m, logratio log10(A/m), db 10 log10(A/m), zscore (A-m)/s,
                          m and s the Control window's mean and spread per frequency
)";
}

std::unique_ptr<CArrayMEDataSetqv> loadDataset(const DatasetOptions& options, const std::string& command,
                                               std::ostream& err, bool showProgress) {
  return options.file.empty() ? loadDemo(options, command, err, showProgress)
                              : loadFile(options, command, err, showProgress);
}

void selectChannel(CMDTrialqv& trial, const std::wstring& name) {
  std::string names;
  for (std::int64_t i = 0; i < trial.getTotalChannel(); ++i) {
    const CMDChannelqv* ch = trial.getChannel(i);
    if (!ch) continue;
    if (ch->m_strName == name) {
      trial.setCurrentChannel(i);
      return;
    }
    if (!names.empty()) names += ' ';
    names += narrow(ch->m_strName);
  }
  throw UsageError("no channel named '" + narrow(name) + "'; the dataset has: " + names);
}

}  // namespace spctmview
