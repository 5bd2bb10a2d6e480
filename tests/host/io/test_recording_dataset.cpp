// A recording turned into the host dataset: the demo recording, written out as a file
// reader delivers it, gives back its own epochs, waveforms, flags and effects; the
// same bursts appear where the demo dataset shows them.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "host/io/DemoDataset.h"
#include "host/io/RecordingDataset.h"
#include "tests/support/DemoAsRecording.h"

namespace {

constexpr std::int64_t kEpochs = 4;

// 10, 20, ..., 60 Hz, cycles f/2, the demo's windows.
SpctmComputationSettings spectra() {
  SpctmComputationSettings s;
  s.morlet.lowHz = 10.0;
  s.morlet.highHz = 60.0;
  s.morlet.frequencyCount = 6;
  return s;
}

RecordingDatasetOptions demoWindows(std::vector<std::string>* notes = nullptr) {
  RecordingDatasetOptions o;
  o.epoching.windows = {0.0, 1000.0, -350.0, -50.0};
  o.spectra = spectra();
  if (notes) o.note = [notes](const std::string& m) { notes->push_back(m); };
  return o;
}

std::int64_t indexOf(const CMDTrialqv* trial, const std::wstring& name) {
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    if (trial->getChannelName(i) == name) return i;
  }
  return -1;
}

// Results power of a channel of a dataset's average at `hz`, mean over [fromMs, toMs].
double resultsPower(const CArrayMEDataSetqv& ds, const std::wstring& channel, double hz, double fromMs, double toMs) {
  CMDTrialqv* trial = ds.getSessionData(-1)->getTrialqv(0);
  const CSpctmTrialqv* st = trial->getSpctmTrial(false, 2);
  std::int64_t f = 0, tb = 0;
  while (f + 1 < st->getTrialSpctmFreqPt() && st->getSpctmFreq4FreqIndex(f) < hz - 1e-9) ++f;
  while (tb + 1 < st->getTrialSpctmTimePt() && st->getSpctmLatencyMs4TimeIndex(tb) < fromMs) ++tb;
  std::int64_t te = tb;
  while (te + 1 < st->getTrialSpctmTimePt() && st->getSpctmLatencyMs4TimeIndex(te + 1) <= toMs) ++te;
  return trial->getChannel(indexOf(trial, channel))->getSpctmChnl(false, 2)->getSelectSpctmValue(tb, te, f, f, 2);
}

TEST(RecordingDataset, TheDemoRecordingGivesBackItsEpochsWaveformsAndFlags) {
  const DemoRecording demo = generateDemoRecording({.seed = 11, .epochs = kEpochs});
  const Recording rec = demoAsRecording(demo);
  std::vector<std::string> notes;
  const auto ds = buildRecordingDataset(rec, demoWindows(&notes));
  CMEGDataqv* session = ds->getSessionData(-1);
  ASSERT_EQ(session->getTotalTrial(), 1 + kEpochs);
  CMDTrialqv* average = session->getTrialqv(0);
  EXPECT_EQ(average->m_strName, L"Average");
  EXPECT_EQ(session->getTrialqv(2)->m_strName, L"Epoch 2");
  // Every sensor but not the stimulus channel; positions from the recording.
  EXPECT_EQ(average->getTotalChannel(), static_cast<std::int64_t>(demo.channels.size()));
  EXPECT_EQ(indexOf(average, L"STI 014"), -1);
  EXPECT_EQ(average->getMeasureEegElctDimension(), 75);
  const std::int64_t bad = indexOf(average, L"MRT21");
  EXPECT_EQ(session->isGoodChnl4Alltrials(bad), 0);
  EXPECT_EQ(session->isGoodChnl4Alltrials(indexOf(average, L"Oz")), 1);

  // Epoch 2 starts 590 samples (350 ms Control + 239 margin, to a multiple of the 10-sample
  // step) before its trigger, in fT / µV.
  const megdata::EpochTiming& timing = session->getTrialqv(2)->getEpochTiming();
  EXPECT_EQ(timing.stimulusSample, 590);
  const std::int64_t oz = indexOf(average, L"Oz"), meg = indexOf(average, L"MZO01");
  const double* wave = session->getTrialqv(2)->getChannel(oz)->getDataWave();
  const std::span<const double> source = demo.wave(1, demo.channelIndex("Oz"));
  for (std::int64_t k : {0, 500, 1500}) EXPECT_NEAR(wave[k], source[static_cast<std::size_t>(600 - 590 + k)], 1e-4);
  const double* megWave = session->getTrialqv(3)->getChannel(meg)->getDataWave();
  EXPECT_NEAR(megWave[700], demo.wave(2, demo.channelIndex("MZO01"))[710], 1e-3);
  EXPECT_FALSE(notes.empty());
  EXPECT_NE(notes.front().find("4 epochs of 4 events of code 1"), std::string::npos) << notes.front();
}

TEST(RecordingDataset, SameBurstsInTheSamePlacesAsTheDemoDataset) {
  const auto fromFile = buildRecordingDataset(demoAsRecording({.demo = {.seed = 5, .epochs = kEpochs}}), demoWindows());
  DemoDatasetOptions demoOptions;
  demoOptions.recording = {.seed = 5, .epochs = kEpochs};
  demoOptions.spectra = spectra();
  demoOptions.segmentsTrial = false;
  const auto demo = buildDemoDataset(demoOptions);
  // The alpha decrease, the beta rebound and the gamma burst at their sensors and times.
  struct Place { const wchar_t* channel; double hz, fromMs, toMs; };
  for (const Place& p : {Place{L"MZO01", 10, 250, 550}, Place{L"Oz", 10, 250, 550}, Place{L"MLC32", 20, 550, 750},
                         Place{L"MZO02", 60, 150, 250}}) {
    const double a = resultsPower(*fromFile, p.channel, p.hz, p.fromMs, p.toMs);
    const double b = resultsPower(*demo, p.channel, p.hz, p.fromMs, p.toMs);
    EXPECT_NEAR(a, b, 0.02 * (1 + std::abs(b))) << "at " << std::string(p.channel, p.channel + 5) << " " << p.hz << " Hz";
  }
  EXPECT_LT(resultsPower(*fromFile, L"MZO01", 10, 250, 550), -0.5);
  EXPECT_GT(resultsPower(*fromFile, L"MZO02", 60, 150, 250), 1.0);
}

TEST(RecordingDataset, RefusesWhatCannotBeShown) {
  Recording rec = demoAsRecording({.demo = {.seed = 5, .epochs = 1}});
  RecordingDatasetOptions options = demoWindows();
  options.meg = MegChoice::Grad;  // no gradiometers: the EEG alone
  for (RecordingChannel& ch : rec.channels) {
    if (ch.type == ChannelType::Eeg) ch.type = ChannelType::Other;
  }
  EXPECT_THROW(buildRecordingDataset(rec, options), std::invalid_argument);
  options.meg = MegChoice::Auto;
  options.epoching.event = parseEventChoice("Stimulus");
  EXPECT_THROW(buildRecordingDataset(rec, options), std::invalid_argument);
}

}  // namespace

namespace {

TEST(RecordingDataset, ALayoutFileReplacesTheLayoutOfTheChannelsItNames) {
  const std::string path = std::string(SPCTM_TEST_OUTPUT_DIR) + "/three-electrodes.lay";
  std::ofstream(path) << "1 0 5 1 1 Fz\n2 0 0 1 1 cz\n3 0 -5 1 1 Oz\n";
  std::vector<std::string> notes;
  RecordingDatasetOptions options = demoWindows(&notes);
  options.layoutPath = path;
  const auto ds = buildRecordingDataset(demoAsRecording({.demo = {.seed = 5, .epochs = 1}}), options);
  CMDTrialqv* epoch = ds->getSessionData(-1)->getTrialqv(1);
  const CMDChannelqv* fz = epoch->getChannel(indexOf(epoch, L"Fz"));
  const CMDChannelqv* cz = epoch->getChannel(indexOf(epoch, L"Cz"));
  const CMDChannelqv* oz = epoch->getChannel(indexOf(epoch, L"Oz"));
  // The file's y grows toward the nose, the layout's toward the back: Fz, Cz, Oz in a line.
  EXPECT_DOUBLE_EQ(fz->m_dEeg2DX, cz->m_dEeg2DX);
  EXPECT_DOUBLE_EQ(cz->m_dEeg2DX, oz->m_dEeg2DX);
  EXPECT_LT(fz->m_dEeg2DY, cz->m_dEeg2DY);
  EXPECT_NEAR(oz->m_dEeg2DY - cz->m_dEeg2DY, cz->m_dEeg2DY - fz->m_dEeg2DY, 1e-9);
  // The 72 other electrodes around them, every layout within the scan's 100 units; the
  // MEG keeps its projection (sensors spread over the whole helmet).
  const CMDChannelqv* t7 = epoch->getChannel(indexOf(epoch, L"T7"));
  EXPECT_GT(std::hypot(t7->m_dEeg2DX - cz->m_dEeg2DX, t7->m_dEeg2DY - cz->m_dEeg2DY), 30.0);
  EXPECT_LE(epoch->m_dEeg2DXMax, 100.0 + 1e-9);
  EXPECT_GT(epoch->m_dMeg2DXMax - epoch->m_dMeg2DXMin, 50.0);
  bool placed = false, ring = false;
  for (const std::string& n : notes) {
    placed = placed || n.find("3 channels placed") != std::string::npos;
    ring = ring || n.find("no place for 72 channels") != std::string::npos;
  }
  EXPECT_TRUE(placed && ring);

  options.layoutPath = path + ".missing";
  EXPECT_THROW(buildRecordingDataset(demoAsRecording({.demo = {.seed = 5, .epochs = 1}}), options), RecordingError);
}

}  // namespace
