#include "app/InfoCommand.h"

#include <cstdio>
#include <iostream>

#include "host/io/Epoching.h"
#include "host/io/RecordingFile.h"

namespace spctmview {
namespace {

constexpr std::size_t kLineWidth = 80;
constexpr ChannelType kTypes[] = {ChannelType::MegMag, ChannelType::MegGrad, ChannelType::Eeg,
                                  ChannelType::Eog,    ChannelType::Stim,    ChannelType::Other};

// Names after a heading, joined by ", " (names may hold spaces), wrapped to kLineWidth
// with an indent of four.
void printNames(std::ostream& out, const std::string& heading, const std::vector<std::string>& names) {
  std::string line = "  " + heading + ":";
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string item = names[i] + (i + 1 < names.size() ? "," : "");
    if (line.size() + 1 + item.size() > kLineWidth) {
      out << line << "\n";
      line = "   ";
    }
    line += " " + item;
  }
  out << line << "\n";
}

const char* kHelp = R"(usage: spctm-view info FILE

Prints what a recording holds: its format, sampling rate and duration, its channels by
type (MEG mag, MEG grad, EEG, EOG, stimulus, other) with the bad ones named, its events
(trigger codes and annotation texts) with their counts, and the reader's warnings. The
events are what --event chooses for render, snapshot, measure and show.

  FILE     a recording: .fif, .edf, .bdf or .vhdr
  --help   this text

Exit status: 0 printed, 1 the file cannot be read, 2 bad arguments.
)";

}  // namespace

void printRecordingInfo(const Recording& rec, std::ostream& out) {
  char buf[160];
  out << rec.path << "\n  format: " << rec.format << "\n";
  std::snprintf(buf, sizeof buf, "  sampling rate: %g Hz\n  duration: %.3f s (%lld samples per channel)\n",
                rec.samplingRateHz, rec.durationSeconds(), static_cast<long long>(rec.sampleCount));
  out << buf;
  if (rec.truncated) out << "  truncated: only the samples above could be read\n";

  out << "channels: " << rec.channels.size() << "\n";
  std::vector<std::string> bad;
  for (ChannelType type : kTypes) {
    std::vector<std::string> names;
    for (const RecordingChannel& ch : rec.channels) {
      if (ch.type == type) names.push_back(ch.name);
    }
    if (!names.empty()) printNames(out, std::string(channelTypeName(type)) + " (" + std::to_string(names.size()) + ")", names);
  }
  std::size_t positioned = 0;
  for (const RecordingChannel& ch : rec.channels) {
    if (ch.bad) bad.push_back(ch.name);
    positioned += ch.hasPosition;
  }
  out << "  with a position in the file: " << positioned << "\n";
  if (!bad.empty()) printNames(out, "bad (" + std::to_string(bad.size()) + ")", bad);

  out << "events: " << rec.events.size() << "\n";
  for (const std::string& kind : eventSummary(rec)) out << "  " << kind << "\n";
  if (!rec.warnings.empty()) {
    out << "warnings:\n";
    for (const std::string& w : rec.warnings) out << "  " << w << "\n";
  }
}

int infoMain(const std::vector<std::string>& args) {
  std::string file;
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kHelp;
      return 0;
    }
    if (a.starts_with("-") || !file.empty()) {
      std::cerr << "spctm-view info: unexpected argument '" << a << "'\n(spctm-view info --help lists the options)\n";
      return 2;
    }
    file = a;
  }
  if (file.empty()) {
    std::cerr << "spctm-view info: FILE is required\n(spctm-view info --help lists the options)\n";
    return 2;
  }
  try {
    printRecordingInfo(readRecording(file), std::cout);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "spctm-view info: cannot read " << e.what() << "\n";
    return 1;
  }
}

}  // namespace spctmview
