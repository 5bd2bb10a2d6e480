// The demo recording saved as EDF+, BDF+ and BrainVision by the test support and read
// back: the same channels in the same order, every EEG sample within the format's
// quantisation step, MEG types and units, and the triggers at the demo's epochs.
#include <gtest/gtest.h>

#include <cmath>

#include "host/io/RecordingFile.h"
#include "tests/support/DemoAsRecording.h"
#include "tests/support/FileTesting.h"
#include "tests/support/RecordingTestWriters.h"

namespace {

const Recording& demo() {
  static const Recording rec = [] {
    DemoAsRecordingOptions options;
    options.demo.epochs = 2;
    return demoAsRecording(options);
  }();
  return rec;
}

// Channel c of `read` against the demo's channel `d`, within `step` (SI units).
void expectClose(const Recording& read, std::size_t c, std::size_t d, double step) {
  ASSERT_EQ(read.sampleCount, demo().sampleCount);
  const auto a = read.channel(c), b = demo().channel(d);
  for (std::size_t i = 0; i < a.size(); ++i)
    ASSERT_NEAR(a[i], b[i], step) << read.channels[c].name << " sample " << i;
}

void expectDemoEvents(const Recording& read) {
  ASSERT_EQ(read.events.size(), demo().events.size());
  for (std::size_t i = 0; i < read.events.size(); ++i) {
    EXPECT_EQ(read.events[i].sample, demo().events[i].sample);
    EXPECT_EQ(read.events[i].code, demo().events[i].code);
  }
}

class DemoAsEdf : public ::testing::TestWithParam<bool> {};

TEST_P(DemoAsEdf, ReadsBackWithinOneQuantisationStep) {
  const bool bdf = GetParam();
  filetesting::ScratchFolder dir;
  const std::string path = dir / (bdf ? "demo.bdf" : "demo.edf");
  writeRecordingAsEdf(demo(), path, bdf);
  const Recording read = readRecording(path);
  EXPECT_EQ(read.format, bdf ? "BDF+" : "EDF+");
  ASSERT_EQ(read.channels.size(), demo().channels.size());
  const double levels = bdf ? 8388607.0 : 32767.0;
  for (std::size_t c = 0; c < read.channels.size(); ++c) {
    const RecordingChannel& want = demo().channels[c];
    EXPECT_EQ(read.channels[c].type, want.type) << want.name;
    EXPECT_EQ(read.channels[c].unit, want.unit) << want.name;
    if (want.type != ChannelType::Eeg) continue;
    EXPECT_EQ(read.channels[c].name, want.name);
    const auto v = demo().channel(c);
    double peak = 0.0;
    for (float x : v) peak = std::max(peak, std::fabs(static_cast<double>(x)));
    // One step of the written range (whole microvolts around the peak), plus float rounding.
    expectClose(read, c, c, std::ceil(peak * 1e6) * 1e-6 / levels + peak * 1e-6);
  }
  expectDemoEvents(read);
}

INSTANTIATE_TEST_SUITE_P(EdfAndBdf, DemoAsEdf, ::testing::Values(false, true));

TEST(DemoAsBrainVision, ReadsBackToFloatPrecisionWithTheTriggersAsMarkers) {
  filetesting::ScratchFolder dir;
  const Recording read = readRecording(writeRecordingAsBrainVision(demo(), dir / "", "demo"));
  ASSERT_EQ(read.channels.size(), demo().channels.size() - 1);  // the trigger channel became markers
  for (std::size_t c = 0; c < read.channels.size(); ++c) {
    EXPECT_EQ(read.channels[c].name, demo().channels[c].name);
    EXPECT_EQ(read.channels[c].type, demo().channels[c].type) << demo().channels[c].name;
    EXPECT_EQ(read.channels[c].unit, demo().channels[c].unit);
  }
  for (std::size_t c = 0; c < read.channels.size(); c += 37) {
    const auto v = demo().channel(c);
    double peak = 0.0;
    for (float x : v) peak = std::max(peak, std::fabs(static_cast<double>(x)));
    expectClose(read, c, c, peak * 1e-6);
  }
  expectDemoEvents(read);
}

}  // namespace
