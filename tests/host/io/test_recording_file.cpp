// The demo recording converted to a continuous recording in SI units (what the reader
// round trips and the epoching tests start from), and the choice of reader by extension.
#include <gtest/gtest.h>

#include <string>

#include "host/io/RecordingFile.h"
#include "tests/support/BrainVisionTestWriter.h"
#include "tests/support/DemoAsRecording.h"
#include "tests/support/EdfTestWriter.h"
#include "tests/support/FileTesting.h"

namespace {

TEST(DemoAsRecording, JoinsEpochsInSiUnitsWithOneTriggerPerEpoch) {
  const DemoRecording demo = generateDemoRecording({.seed = 7, .epochs = 3});
  const Recording rec = demoAsRecording(demo);
  ASSERT_EQ(rec.channels.size(), demo.channels.size() + 1);
  EXPECT_EQ(rec.sampleCount, 3 * demo.samplesPerEpoch);
  EXPECT_DOUBLE_EQ(rec.samplingRateHz, 1000.0);
  ASSERT_EQ(rec.samples.size(), rec.channels.size() * static_cast<std::size_t>(rec.sampleCount));

  const std::int64_t meg = demo.channelIndex("MZO01"), eeg = demo.channelIndex("Oz");
  ASSERT_GE(meg, 0);
  ASSERT_GE(eeg, 0);
  const auto m = static_cast<std::size_t>(meg), e = static_cast<std::size_t>(eeg);
  EXPECT_EQ(rec.channels[m].type, ChannelType::MegMag);
  EXPECT_EQ(rec.channels[m].unit, "T");
  EXPECT_EQ(rec.channels[e].type, ChannelType::Eeg);
  EXPECT_EQ(rec.channels[e].unit, "V");
  EXPECT_TRUE(rec.channels[e].hasPosition);
  EXPECT_DOUBLE_EQ(rec.channels[e].position.z, demo.channels[e].position.z);
  // Epoch 2's sample 17 is continuous sample 2 * 2000 + 17, scaled from fT and µV.
  EXPECT_FLOAT_EQ(rec.channel(m)[4017], static_cast<float>(demo.wave(2, meg)[17] * 1e-15));
  EXPECT_FLOAT_EQ(rec.channel(e)[4017], static_cast<float>(demo.wave(2, eeg)[17] * 1e-6));
  EXPECT_TRUE(rec.channels[static_cast<std::size_t>(demo.channelIndex("MRT21"))].bad);

  ASSERT_EQ(rec.events.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(rec.events[i].sample, static_cast<std::int64_t>(i) * 2000 + 600);
    EXPECT_EQ(rec.events[i].code, 1);
  }
  const RecordingChannel& stim = rec.channels.back();
  EXPECT_EQ(stim.name, kDemoStimulusChannel);
  EXPECT_EQ(stim.type, ChannelType::Stim);
  const auto trig = rec.channel(rec.channels.size() - 1);
  EXPECT_EQ(trig[599], 0.0f);
  EXPECT_EQ(trig[600], 1.0f);
  EXPECT_EQ(trig[604], 1.0f);
  EXPECT_EQ(trig[605], 0.0f);
  EXPECT_EQ(trig[4600], 1.0f);
}

std::string errorOf(const std::string& path) {
  try {
    readRecording(path);
  } catch (const RecordingError& e) {
    return e.what();
  }
  return "no error";
}

TEST(RecordingFile, RefusesUnknownExtensionsNamingTheKnownOnes) {
  const std::string text = errorOf("/tmp/run1.csv");
  EXPECT_EQ(text.rfind("/tmp/run1.csv: ", 0), 0u) << text;
  EXPECT_NE(text.find(".csv"), std::string::npos) << text;
  EXPECT_NE(text.find(".fif, .edf, .bdf, .vhdr"), std::string::npos) << text;
  EXPECT_NE(errorOf("/tmp/noextension").find("no extension"), std::string::npos);
}

TEST(RecordingFile, ChoosesTheEdfAndBrainVisionReadersWhateverTheCase) {
  filetesting::ScratchFolder dir;
  EdfTestFile edf;
  edf.records = 1;
  edf.signals = {{"EEG Cz", "", "uV", -32768.0, 32767.0, -32768, 32767, 10, std::vector<int>(10, 5)}};
  writeEdfTestFile(dir / "a.EDF", edf);
  EXPECT_EQ(readRecording(dir / "a.EDF").format, "EDF+");
  edf.bdf = true;
  writeEdfTestFile(dir / "b.bdf", edf);
  EXPECT_EQ(readRecording(dir / "b.bdf").format, "BDF+");
  BrainVisionTestFile bv;
  bv.channels = {{"Cz", 1.0, "uV", {1.0, 2.0}, {}}};
  EXPECT_EQ(readRecording(writeBrainVisionTestFiles(dir / "", "c", bv)).format, "BrainVision");
}

}  // namespace
