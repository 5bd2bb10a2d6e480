// The dataset options every command takes (FILE and the epoching and spectra options,
// each mistake a message naming the option), `spctm-view info` on a recording, and a
// FILE that cannot be read failing with its path and reason.
#include <gtest/gtest.h>

#include <sstream>

#include "app/DatasetSource.h"
#include "app/InfoCommand.h"
#include "app/RenderOptions.h"
#include "tests/support/DemoAsRecording.h"

using namespace spctmview;

namespace {

DatasetOptions parsed(const std::vector<std::string>& args) {
  return parseRenderOptions([&] {
    std::vector<std::string> all = {"--out", "x.png"};
    all.insert(all.end(), args.begin(), args.end());
    return all;
  }()).dataset;
}

std::string mistake(const std::vector<std::string>& args) {
  try {
    parsed(args);
  } catch (const UsageError& e) {
    return e.what();
  }
  return "accepted";
}

TEST(DatasetOptions, FileWithEpochingAndSpectraOptions) {
  const DatasetOptions o = parsed({"run1.fif", "--event", "Stimulus/S  1", "--active=100,900", "--control", "-400,-100",
                                   "--reject", "grad=4e-10,eog=2.5e-4", "--meg", "grad", "--freqs", "2,40,20,log",
                                   "--cycles", "7", "--step", "5", "--baseline", "zscore"});
  EXPECT_EQ(o.file, "run1.fif");
  const RecordingDatasetOptions& r = o.recording;
  EXPECT_EQ(r.epoching.event.text, "Stimulus/S  1");
  EXPECT_EQ(r.epoching.windows.activeBeginMs, 100.0);
  EXPECT_EQ(r.epoching.windows.activeEndMs, 900.0);
  EXPECT_EQ(r.epoching.windows.controlBeginMs, -400.0);
  EXPECT_EQ(r.epoching.reject.megGrad, 4e-10);
  EXPECT_EQ(r.epoching.reject.eog, 2.5e-4);
  EXPECT_FALSE(r.epoching.reject.megMag.has_value());
  EXPECT_EQ(r.meg, MegChoice::Grad);
  EXPECT_EQ(r.spectra.morlet.lowHz, 2.0);
  EXPECT_EQ(r.spectra.morlet.frequencyCount, 20);
  EXPECT_EQ(r.spectra.morlet.spacing, FrequencySpacing::Logarithmic);
  EXPECT_EQ(r.spectra.morlet.cyclesRule, CyclesRule::Fixed);
  EXPECT_EQ(r.spectra.morlet.cycles, 7.0);
  EXPECT_EQ(r.spectra.morlet.timeStep, 5);
  EXPECT_EQ(r.spectra.baseline, Baseline::ZScore);

  const DatasetOptions d = parsed({"--cycles", "f/4", "--event", "3", "x.vhdr"});
  EXPECT_EQ(d.recording.spectra.morlet.cyclesRule, CyclesRule::ProportionalToFrequency);
  EXPECT_EQ(d.recording.spectra.morlet.cycles, 0.25);
  EXPECT_EQ(d.recording.epoching.event.code, 3);
}

TEST(DatasetOptions, EachMistakeNamesTheOption) {
  EXPECT_NE(mistake({"--active", "800,0"}).find("--active needs BEGIN,END"), std::string::npos);
  EXPECT_NE(mistake({"f.edf", "--control", "-500"}).find("--control needs"), std::string::npos);
  EXPECT_NE(mistake({"f.edf", "--freqs", "40,4,10"}).find("--freqs needs LO,HI,COUNT"), std::string::npos);
  EXPECT_NE(mistake({"f.edf", "--cycles", "f/0"}).find("--cycles needs"), std::string::npos);
  EXPECT_NE(mistake({"f.edf", "--reject", "meg=1e-12"}).find("--reject type needs one of mag|grad|eeg|eog"),
            std::string::npos);
  EXPECT_NE(mistake({"f.edf", "--reject", "eeg=-1"}).find("--reject needs TYPE=LIMIT"), std::string::npos);
  EXPECT_NE(mistake({"f.edf", "--meg", "axial"}).find("--meg needs one of mag|grad"), std::string::npos);
  EXPECT_NE(mistake({"f.edf", "--baseline", "percent"}).find("relative|ratio|logratio|db|zscore"), std::string::npos);
  EXPECT_NE(mistake({"f.edf", "--step", "0"}).find("--step needs a whole number"), std::string::npos);
  EXPECT_NE(mistake({"f.edf", "--event"}).find("--event needs a value"), std::string::npos);
  EXPECT_NE(mistake({"--event", "1"}).find("--event applies to a recording FILE"), std::string::npos);
  EXPECT_NE(mistake({"--demo", "f.edf"}).find("--demo and FILE 'f.edf'"), std::string::npos);
  EXPECT_NE(mistake({"a.edf", "b.edf"}).find("unexpected argument 'b.edf'"), std::string::npos);
}

TEST(DatasetOptions, AFileThatCannotBeReadSaysWhichAndWhy) {
  DatasetOptions o;
  o.file = "/nonexistent/run.txt";
  std::ostringstream err;
  EXPECT_EQ(loadDataset(o, "render", err, false), nullptr);
  EXPECT_NE(err.str().find("spctm-view render: cannot read /nonexistent/run.txt: "), std::string::npos) << err.str();
  EXPECT_NE(err.str().find(".fif, .edf, .bdf, .vhdr"), std::string::npos) << err.str();
}

TEST(InfoCommand, ChannelsByTypeRateDurationEventsAndWarnings) {
  Recording rec = demoAsRecording({.demo = {.seed = 2, .epochs = 2}});
  rec.path = "demo.fif";
  rec.format = "FIF";
  rec.events.push_back({1900, 0, "Comment/pause"});
  rec.warnings.push_back("the file ends inside a data buffer; 3.9 of 4.0 s were read");
  std::ostringstream out;
  printRecordingInfo(rec, out);
  const std::string text = out.str();
  for (const char* expected :
       {"demo.fif\n  format: FIF\n  sampling rate: 1000 Hz\n  duration: 4.000 s (4000 samples per channel)\n",
        "  MEG mag (229): MZC02, MLC11,", "  EEG (75): Nz, Fp1,", "  stimulus (1): STI 014\n", "  bad (1): MRT21\n",
        "events: 3\n  code 1: 2\n  \"Comment/pause\": 1\n", "warnings:\n  the file ends inside"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n--- in ---\n" << text;
  }
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
}

}  // namespace
