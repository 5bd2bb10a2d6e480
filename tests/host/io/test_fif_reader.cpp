// The FIF reader on files the test-support writer makes: every sample type round-trips
// names, types, units, bad flags, scaling and samples exactly; positions land in the head
// frame through the device-to-head transform; directory or none gives the same; skips
// become zeros; events come from the trigger channel's rising edges.
#include <gtest/gtest.h>

#include "host/io/FifReader.h"
#include "host/io/RecordingFile.h"
#include "host/io/StimEvents.h"
#include "tests/host/io/FifTestRecording.h"
#include "tests/support/DemoAsRecording.h"
#include "tests/support/FileTesting.h"

namespace {

Recording read(const fifwriter::Image& image) { return readFifBytes(image.bytes, "test.fif"); }

bool hasWarning(const Recording& r, const std::string& part) {
  for (const std::string& w : r.warnings)
    if (w.find(part) != std::string::npos) return true;
  return false;
}

void expectSameSamples(const Recording& expected, const Recording& actual) {
  ASSERT_EQ(actual.sampleCount, expected.sampleCount);
  ASSERT_EQ(actual.samples.size(), expected.samples.size());
  for (std::size_t c = 0; c < expected.channels.size(); ++c) {
    const auto e = expected.channel(c), a = actual.channel(c);
    std::size_t differ = 0;
    for (std::size_t s = 0; s < e.size(); ++s) differ += e[s] != a[s];
    EXPECT_EQ(differ, 0u) << expected.channels[c].name << " first value " << e[0] << " read as " << a[0];
  }
}

void expectNear(const Point3& a, const Point3& b, const std::string& what) {
  EXPECT_NEAR(a.x, b.x, 1e-6) << what;
  EXPECT_NEAR(a.y, b.y, 1e-6) << what;
  EXPECT_NEAR(a.z, b.z, 1e-6) << what;
}

class FifSampleTypes : public testing::TestWithParam<std::int32_t> {};

TEST_P(FifSampleTypes, RoundTripsChannelsScalingSamplesAndEvents) {
  const Recording original = fiftest::recording();
  const Recording r = read(fifwriter::fifImage(original, fiftest::options(GetParam())));
  EXPECT_EQ(r.format, "FIF");
  EXPECT_EQ(r.path, "test.fif");
  EXPECT_EQ(r.samplingRateHz, 1000.0);
  EXPECT_FALSE(r.truncated);
  EXPECT_TRUE(r.warnings.empty()) << r.warnings.front();
  ASSERT_EQ(r.channels.size(), original.channels.size());
  for (std::size_t c = 0; c < r.channels.size(); ++c) {
    EXPECT_EQ(r.channels[c].name, original.channels[c].name);
    EXPECT_EQ(r.channels[c].type, original.channels[c].type) << r.channels[c].name;
    EXPECT_EQ(r.channels[c].unit, original.channels[c].unit) << r.channels[c].name;
    EXPECT_EQ(r.channels[c].bad, original.channels[c].bad) << r.channels[c].name;
    EXPECT_EQ(r.channels[c].hasPosition, original.channels[c].hasPosition) << r.channels[c].name;
  }
  expectSameSamples(original, r);
  ASSERT_EQ(r.events.size(), original.events.size());
  for (std::size_t e = 0; e < r.events.size(); ++e) {
    EXPECT_EQ(r.events[e].sample, original.events[e].sample);
    EXPECT_EQ(r.events[e].code, original.events[e].code);
  }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, FifSampleTypes,
                         testing::Values(fif::type::Short, fif::type::DauPack16, fif::type::Int, fif::type::Float, fif::type::Double,
                                         fif::type::ComplexFloat, fif::type::ComplexDouble));

TEST(FifReader, PositionsLandInTheHeadFrameThroughTheDeviceTransform) {
  const Recording original = fiftest::recording(100);
  const Recording r = read(fifwriter::fifImage(original, fiftest::options()));
  for (std::size_t c = 0; c < 3; ++c) {
    ASSERT_TRUE(r.channels[c].hasPosition);
    expectNear(r.channels[c].position, original.channels[c].position, r.channels[c].name + " position");
    expectNear(r.channels[c].orientation, original.channels[c].orientation, r.channels[c].name + " orientation");
  }
  // The file itself holds MEG positions in the device frame: rotated back by 90 degrees.
  fifwriter::Options noTransform = fiftest::options();
  noTransform.hasDeviceToHead = false;
  const Recording device = read(fifwriter::fifImage(original, noTransform));
  EXPECT_TRUE(hasWarning(device, "no device-to-head transform"));
  expectNear(device.channels[1].position, original.channels[1].position, "untransformed");
  const fifwriter::Image image = fifwriter::fifImage(original, fiftest::options());
  const FifBytes bytes(image.bytes, "x");
  const std::uint64_t r0 = image.layout.firstChInfoTag + 16 + 24;  // first channel's r0
  EXPECT_NEAR(bytes.f32(r0), original.channels[0].position.y + 0.011, 1e-6);
  EXPECT_NEAR(bytes.f32(r0 + 4), -(original.channels[0].position.x - 0.002), 1e-6);
}

TEST(FifReader, TheTransformMayBeStoredHeadToDeviceAndUnitMultipliersScale) {
  const Recording original = fiftest::recording(100);
  fifwriter::Options o = fiftest::options();
  o.directory = false;
  fifwriter::Image image = fifwriter::fifImage(original, o);
  // The same transform stored the other way round: frames swapped, and with them the
  // forward and inverse halves.
  const auto data = static_cast<std::ptrdiff_t>(image.layout.sfreqTag + 20 + 16);
  fifwriter::putInt(image.bytes, static_cast<std::uint64_t>(data), fif::frame::Head);
  fifwriter::putInt(image.bytes, static_cast<std::uint64_t>(data) + 4, fif::frame::Device);
  std::swap_ranges(image.bytes.begin() + data + 8, image.bytes.begin() + data + 56, image.bytes.begin() + data + 56);
  // The first channel's values in thousandths of its unit.
  fifwriter::putInt(image.bytes, image.layout.firstChInfoTag + 16 + 76, -3);
  const Recording r = read(image);
  for (std::size_t c = 0; c < 2; ++c) expectNear(r.channels[c].position, original.channels[c].position, r.channels[c].name);
  for (std::size_t s = 0; s < 100; s += 7) EXPECT_FLOAT_EQ(r.channel(0)[s], original.channel(0)[s] * 1e-3f) << s;
  EXPECT_EQ(r.channel(1)[5], original.channel(1)[5]);
}

TEST(FifReader, DirectoryOrTagOrderReadTheSameAndADamagedDirectoryIsPassedBy) {
  const Recording original = fiftest::recording();
  fifwriter::Options plain = fiftest::options();
  plain.directory = false;
  const Recording scanned = read(fifwriter::fifImage(original, plain));
  expectSameSamples(original, scanned);

  fifwriter::Image image = fifwriter::fifImage(original, fiftest::options());
  ASSERT_GT(image.layout.directoryTag, 0u);
  expectSameSamples(original, read(image));
  fifwriter::putInt(image.bytes, image.layout.directoryTag + 16 + 5 * 16 + 12, 3);  // sixth entry points elsewhere
  const Recording passed = read(image);
  EXPECT_TRUE(hasWarning(passed, "directory is not usable"));
  expectSameSamples(original, passed);

  // An entry repeating the first data buffer: used, it would count those samples twice.
  fifwriter::Image repeated = fifwriter::fifImage(original, fiftest::options());
  const FifBytes bytes(repeated.bytes, "x");
  std::uint64_t entry = repeated.layout.directoryTag + 16;
  while (bytes.i32(entry + 12) != static_cast<std::int32_t>(repeated.layout.firstBufferTag)) entry += 16;
  std::copy_n(repeated.bytes.begin() + static_cast<std::ptrdiff_t>(entry), 16, repeated.bytes.begin() + static_cast<std::ptrdiff_t>(entry + 16));
  const Recording once = read(repeated);
  EXPECT_TRUE(hasWarning(once, "does not follow the one before it"));
  expectSameSamples(original, once);
}

TEST(FifReader, SkipsInSamplesAndInBuffersBecomeZerosWithAWarning) {
  Recording original = fiftest::recording(5000);
  fifwriter::Options o = fiftest::options(fif::type::Short);
  o.skips = {{1000, 1000, false}, {3000, 1000, true}};
  for (std::size_t c = 0; c < original.channels.size(); ++c)
    for (const fifwriter::Skip& k : o.skips)
      for (std::int64_t s = k.first; s < k.first + k.count; ++s) original.samples[c * 5000 + static_cast<std::size_t>(s)] = 0;
  const Recording r = read(fifwriter::fifImage(original, o));
  expectSameSamples(original, r);
  EXPECT_TRUE(hasWarning(r, "skips 2 stretches of data, 2.000 s in all"));

  o.skips = {{0, 2000, true}};  // a leading skip in buffers takes the next buffer's length
  for (std::size_t c = 0; c < original.channels.size(); ++c)
    std::fill_n(original.samples.begin() + static_cast<std::ptrdiff_t>(c * 5000), 2000, 0.0f);
  expectSameSamples(original, read(fifwriter::fifImage(original, o)));
}

TEST(FifReader, ReadsFromDiskAndNamesAFileItCannotOpen) {
  filetesting::ScratchFolder dir;
  const Recording original = fiftest::recording(300);
  fifwriter::writeFif(dir / "rec.fif", original, fiftest::options(fif::type::Int));
  const Recording r = readFif(dir / "rec.fif");
  EXPECT_EQ(r.path, dir / "rec.fif");
  expectSameSamples(original, r);
  try {
    readFif(dir / "missing.fif");
    ADD_FAILURE() << "no error";
  } catch (const RecordingError& e) {
    EXPECT_EQ(std::string(e.what()), dir / "missing.fif" + ": No such file or directory");
  }
  filetesting::writeAll(dir / "empty.fif", "");
  EXPECT_THROW(readFif(dir / "empty.fif"), RecordingError);
}

TEST(FifReader, TheDemoRecordingComesBackThroughAFifFileChosenByItsExtension) {
  filetesting::ScratchFolder dir;
  DemoAsRecordingOptions demo;
  demo.demo.epochs = 2;
  const Recording original = demoAsRecording(demo);
  fifwriter::writeFif(dir / "demo.FIF", original);
  const Recording r = readRecording(dir / "demo.FIF");
  ASSERT_EQ(r.channels.size(), original.channels.size());
  for (std::size_t c = 0; c < r.channels.size(); ++c) {
    EXPECT_EQ(r.channels[c].name, original.channels[c].name);
    EXPECT_EQ(r.channels[c].type, original.channels[c].type) << r.channels[c].name;
    EXPECT_EQ(r.channels[c].bad, original.channels[c].bad) << r.channels[c].name;
    if (original.channels[c].hasPosition) expectNear(r.channels[c].position, original.channels[c].position, r.channels[c].name);
  }
  expectSameSamples(original, r);
  ASSERT_EQ(r.events.size(), original.events.size());
  for (std::size_t e = 0; e < r.events.size(); ++e) EXPECT_EQ(r.events[e].sample, original.events[e].sample);
}

Recording triggers(std::vector<std::pair<std::string, std::vector<float>>> channels) {
  Recording r;
  r.sampleCount = static_cast<std::int64_t>(channels.front().second.size());
  for (auto& [name, values] : channels) {
    RecordingChannel ch;
    ch.name = name;
    ch.type = ChannelType::Stim;
    r.channels.push_back(ch);
    r.samples.insert(r.samples.end(), values.begin(), values.end());
  }
  return r;
}

std::vector<std::pair<std::int64_t, std::int64_t>> eventsOf(const Recording& r) {
  std::vector<std::pair<std::int64_t, std::int64_t>> out;
  for (const RecordingEvent& e : eventsFromStimChannels(r)) out.emplace_back(e.sample, e.code);
  return out;
}

TEST(StimEvents, RisingEdgesGiveTheNewValueAndTheSummingChannelWins) {
  using Events = std::vector<std::pair<std::int64_t, std::int64_t>>;
  // Up from zero, a step up, a step down (no event), back to zero, a start above zero.
  EXPECT_EQ(eventsOf(triggers({{"STI 001", {2, 2, 0, 4, 4, 6, 1, 0, 0, 3.0f}}})), (Events{{0, 2}, {3, 4}, {5, 6}, {9, 3}}));
  // Two plain trigger channels: merged in sample order, the same event once.
  EXPECT_EQ(eventsOf(triggers({{"STI 002", {0, 0, 2, 0, 0}}, {"STI 001", {0, 1, 0, 0, 2}}})), (Events{{1, 1}, {2, 2}, {4, 2}}));
  // The summing channel alone when there is one.
  EXPECT_EQ(eventsOf(triggers({{"STI 001", {0, 1, 0, 0}}, {"STI101", {0, 0, 0, 9}}})), (Events{{3, 9}}));
  // Other channel types are not triggers.
  Recording notStim = triggers({{"MISC", {0, 5, 0}}});
  notStim.channels[0].type = ChannelType::Other;
  EXPECT_TRUE(eventsOf(notStim).empty());
}

}  // namespace
