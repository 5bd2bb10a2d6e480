// Epoching: epochs found again where the demo's triggers are, windows in samples, events
// by code and by text, epochs leaving the recording skipped and counted, rejection by
// peak-to-peak per channel type on good channels only; and the sensors' placement.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "host/io/Epoching.h"
#include "host/io/RecordingDataset.h"
#include "host/io/SensorPlacement.h"
#include "tests/support/DemoAsRecording.h"

namespace {

RecordingChannel channel(const std::string& name, ChannelType type, const std::string& unit) {
  RecordingChannel ch;
  ch.name = name;
  ch.type = type;
  ch.unit = unit;
  return ch;
}

// Two channels, 1 kHz, 10 s of zeros, events every second from 1 s to 9 s.
Recording smallRecording() {
  Recording rec;
  rec.samplingRateHz = 1000.0;
  rec.sampleCount = 10000;
  rec.channels = {channel("MAG1", ChannelType::MegMag, "T"), channel("EEG1", ChannelType::Eeg, "V")};
  rec.samples.assign(2 * 10000, 0.0f);
  for (std::int64_t s = 1; s <= 9; ++s) rec.events.push_back({s * 1000, 1, {}});
  return rec;
}

std::string failure(const Recording& rec, const EpochingOptions& options) {
  try {
    cutEpochs(rec, options);
  } catch (const std::invalid_argument& e) {
    return e.what();
  }
  return "no failure";
}

TEST(Epoching, FindsTheDemoEpochsAndSkipsThoseLeavingTheRecording) {
  const Recording rec = demoAsRecording({.demo = {.seed = 3, .epochs = 3}});
  EpochingOptions options;  // Active 0..800 ms, Control -500..0 ms
  options.marginSamples = 240;
  const Epochs epochs = cutEpochs(rec, options);
  // Epoch span -740 .. +1040 ms: the first trigger (600 ms into the file) is too early.
  EXPECT_EQ(epochs.matched, 3);
  EXPECT_EQ(epochs.outside, 1);
  EXPECT_EQ(epochs.samplesPerEpoch, 1780);
  EXPECT_EQ(epochs.firstSamples, (std::vector<std::int64_t>{2600 - 740, 4600 - 740}));
  EXPECT_EQ(epochs.timing.stimulusSample, 740);
  EXPECT_EQ(epochs.timing.active.begin, 740);
  EXPECT_EQ(epochs.timing.active.end, 1540);
  EXPECT_EQ(epochs.timing.control.begin, 240);
  EXPECT_EQ(epochs.timing.control.end, 740);
  ASSERT_EQ(epochs.messages.size(), 2u);
  EXPECT_NE(epochs.messages[1].find("1 skipped"), std::string::npos) << epochs.messages[1];
}

TEST(Epoching, WindowsFollowTheSamplingRate) {
  Recording rec = smallRecording();
  rec.samplingRateHz = 250.0;
  EpochingOptions options;
  options.windows = {100.0, 300.0, -200.0, -100.0};  // Active 25..75, Control -50..-25 samples
  const Epochs epochs = cutEpochs(rec, options);
  EXPECT_EQ(epochs.samplesPerEpoch, 125);
  EXPECT_EQ(epochs.timing.stimulusSample, 50);
  EXPECT_EQ(epochs.timing.active.begin, 75);
  EXPECT_EQ(epochs.timing.control.end, 25);
  EXPECT_EQ(epochs.firstSamples.front(), 1000 - 50);
  EXPECT_DOUBLE_EQ(epochs.timing.latencyMs(75), 100.0);

  // The event's sample in the epoch rounded up to a multiple of 20: 60, one sample earlier.
  options.alignStimulusTo = 20;
  options.marginSamples = 3;
  const Epochs aligned = cutEpochs(rec, options);
  EXPECT_EQ(aligned.timing.stimulusSample, 60);
  EXPECT_EQ(aligned.samplesPerEpoch, 60 + 75 + 3);
  EXPECT_EQ(aligned.firstSamples.front(), 1000 - 60);

  options.windows.activeEndMs = options.windows.activeBeginMs;
  EXPECT_NE(failure(rec, options).find("Active window"), std::string::npos);
}

TEST(Epoching, EventsByCodeOrByTextIgnoringCaseAndBlanks) {
  Recording rec = smallRecording();
  rec.events[2] = {3000, 0, "Stimulus/S  2"};
  rec.events[5] = {6000, 2, {}};
  rec.events[7] = {8000, 2, "S  2"};  // a marker with a code and a text
  EpochingOptions options;
  options.event = parseEventChoice(" stimulus/s  2 ");
  EXPECT_EQ(cutEpochs(rec, options).firstSamples, (std::vector<std::int64_t>{3000 - 500}));
  options.event = parseEventChoice("2");
  EXPECT_EQ(options.event.code, 2);
  EXPECT_EQ(cutEpochs(rec, options).firstSamples, (std::vector<std::int64_t>{6000 - 500, 8000 - 500}));
  options.event = parseEventChoice("s  2");
  EXPECT_EQ(cutEpochs(rec, options).firstSamples, (std::vector<std::int64_t>{8000 - 500}));
  options.event = parseEventChoice("1");
  EXPECT_EQ(cutEpochs(rec, options).matched, 6);

  options.event = parseEventChoice("17");
  const std::string why = failure(rec, options);
  EXPECT_NE(why.find("0 epochs of 0 events of code 17"), std::string::npos) << why;
  EXPECT_NE(why.find("code 1: 6, \"Stimulus/S  2\": 1, code 2: 1, code 2 \"S  2\": 1"), std::string::npos) << why;
}

TEST(Epoching, RejectsByPeakToPeakPerTypeOnGoodChannelsOnly) {
  Recording rec = smallRecording();
  float* mag = rec.samples.data();
  float* eeg = rec.samples.data() + 10000;
  mag[2100] = 3e-12f;   // epoch 2 (event at 2 s): 3 pT on the magnetometer
  eeg[4100] = 2e-4f;    // epoch 4: 200 µV on the EEG channel
  eeg[6100] = -2e-4f;
  eeg[6200] = 2e-4f;    // epoch 6: 400 µV peak to peak
  EpochingOptions options;
  options.reject.megMag = 4e-12;
  options.reject.eeg = 3e-4;
  Epochs epochs = cutEpochs(rec, options);
  EXPECT_EQ(epochs.rejected, 1);
  ASSERT_EQ(epochs.rejections.size(), 1u);
  EXPECT_NE(epochs.rejections[0].find("event 6 at 6.000 s: EEG1 (EEG) 0.0004 V peak to peak"), std::string::npos)
      << epochs.rejections[0];

  options.reject.megMag = 2e-12;
  EXPECT_EQ(cutEpochs(rec, options).rejected, 2);
  // A bad channel rejects nothing: the EEG limit no longer applies.
  rec.channels[1].bad = true;
  options.reject.eeg = 1e-5;
  epochs = cutEpochs(rec, options);
  EXPECT_EQ(epochs.rejected, 1);
  EXPECT_EQ(epochs.firstSamples.size(), 8u);
}

TEST(Epoching, MarginIsTheLowestFrequencysReach) {
  MorletSettings settings;  // 4 Hz with f/2 = 2 cycles: sigma 79.6 ms, reach 3 sigmas
  EXPECT_EQ(transformMarginSamples(settings), 239);
  settings.cyclesRule = CyclesRule::Fixed;
  settings.cycles = 7.0;
  settings.samplingRateHz = 500.0;
  EXPECT_EQ(transformMarginSamples(settings), static_cast<std::int64_t>(std::ceil(3 * 7 / (2 * std::numbers::pi * 4) * 500)));
}

TEST(SensorPlacement, FileThenMontageByNameThenRing) {
  std::vector<RecordingChannel> channels = {
      channel("MEG 0111", ChannelType::MegMag, "T"),
      channel("t3", ChannelType::Eeg, "V"),  // old name of T7, any case
      channel("EXG7", ChannelType::Eeg, "V"),
      channel("MEG 0999", ChannelType::MegMag, "T")};
  channels[0].hasPosition = true;
  channels[0].position = {0.01, 0.02, 0.09};
  const SensorPlacement p = placeSensors(channels);
  EXPECT_DOUBLE_EQ(p.positions[0].z, 0.09);
  const std::optional<Point3> t7 = montagePosition("T7");
  ASSERT_TRUE(t7.has_value());
  EXPECT_LT(t7->x, -0.09);  // the left ear
  EXPECT_DOUBLE_EQ(p.positions[1].x, t7->x);
  EXPECT_EQ(p.fromMontage, (std::vector<std::string>{"t3"}));
  EXPECT_EQ(p.onRing, (std::vector<std::string>{"EXG7", "MEG 0999"}));
  // Two ring places, opposite each other, outside and below the head.
  EXPECT_NEAR(std::hypot(p.positions[2].x, p.positions[2].y), 0.11, 1e-12);
  EXPECT_NEAR(p.positions[2].y, -p.positions[3].y, 1e-12);
  EXPECT_LT(p.positions[3].z, 0.0);
  EXPECT_FALSE(montagePosition("Cz9").has_value());
}

}  // namespace
