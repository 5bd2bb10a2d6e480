// BrainVision recordings written by the tests in every sample type and both orientations
// read back exactly (resolution and unit applied), markers as events with codes, positions
// from the header's coordinates or by standard name; data cut short, broken headers and
// marker files with the file and line or byte named.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "host/io/BrainVisionHeader.h"
#include "host/io/BrainVisionReader.h"
#include "tests/support/BrainVisionTestWriter.h"
#include "tests/support/FileTesting.h"

namespace {

using filetesting::ScratchFolder;

BrainVisionTestFile threeChannels(const std::string& format, bool vectorized) {
  BrainVisionTestFile f;
  f.binaryFormat = format;
  f.vectorized = vectorized;
  f.samplingIntervalUs = 2000.0;  // 500 Hz
  f.channels = {{"Fp1", 0.1, "\xC2\xB5V", {}, {}}, {"HEOG", 0.5, "mV", {}, {}}, {"Resp, belt", 1.0, "V", {}, {}}};
  const bool floats = format == "IEEE_FLOAT_32";
  for (int i = 0; i < 300; ++i) {
    f.channels[0].stored.push_back(format == "INT_32" ? 100000.0 * i - 15000000.0 : (i * 97) % 20000 - 10000);
    f.channels[1].stored.push_back(floats ? 0.25 * i - 7.125 : 3 * i - 400);
    f.channels[2].stored.push_back(-i);
  }
  f.markers = {{"Stimulus", "S  1", 11}, {"Response", "R 12", 101}, {"Comment", "eyes closed", 201}, {"Stimulus", "S  1", 251}};
  return f;
}

class BrainVisionRoundTrip : public ::testing::TestWithParam<std::tuple<std::string, bool>> {};

TEST_P(BrainVisionRoundTrip, SamplesScaledByResolutionAndUnit) {
  const auto& [format, vectorized] = GetParam();
  ScratchFolder dir;
  const BrainVisionTestFile f = threeChannels(format, vectorized);
  const std::string vhdr = writeBrainVisionTestFiles(dir / "", "rec", f);
  const Recording rec = readBrainVision(vhdr);
  EXPECT_EQ(rec.format, "BrainVision");
  EXPECT_DOUBLE_EQ(rec.samplingRateHz, 500.0);
  EXPECT_FALSE(rec.truncated);
  ASSERT_EQ(rec.sampleCount, 300);
  ASSERT_EQ(rec.channels.size(), 3u);
  EXPECT_EQ(rec.channels[0].name, "Fp1");
  EXPECT_EQ(rec.channels[0].type, ChannelType::Eeg);
  EXPECT_EQ(rec.channels[1].type, ChannelType::Eog);
  EXPECT_EQ(rec.channels[2].name, "Resp, belt");
  const double unitFactor[] = {1e-6, 1e-3, 1.0};
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_EQ(rec.channels[c].unit, "V");
    const double factor = f.channels[c].resolution * unitFactor[c];
    for (std::size_t i = 0; i < 300; ++i)
      ASSERT_EQ(rec.channel(c)[i], static_cast<float>(static_cast<float>(f.channels[c].stored[i]) * factor))
          << "channel " << c << " sample " << i;
  }
  ASSERT_EQ(rec.events.size(), 4u);
  EXPECT_EQ(rec.events[0].sample, 10);  // markers count samples from 1
  EXPECT_EQ(rec.events[0].code, 1);
  EXPECT_EQ(rec.events[0].text, "");  // a trigger, as from a trigger channel
  EXPECT_EQ(rec.events[1].code, 12);
  EXPECT_EQ(rec.events[1].text, "R 12");
  EXPECT_EQ(rec.events[2].code, 0);
  EXPECT_EQ(rec.events[2].text, "eyes closed");
  EXPECT_EQ(rec.events[3].sample, 250);
}

INSTANTIATE_TEST_SUITE_P(FormatsAndOrientations, BrainVisionRoundTrip,
                         ::testing::Combine(::testing::Values("INT_16", "INT_32", "IEEE_FLOAT_32"), ::testing::Bool()));

TEST(BrainVisionReader, PositionsFromTheCoordinatesSection) {
  ScratchFolder dir;
  BrainVisionTestFile f;
  f.channels = {{"E1", 1.0, "\xC2\xB5V", {1, 2}, std::array<double, 3>{1.0, 90.0, 72.0}},
                {"c4", 1.0, "\xC2\xB5V", {1, 2}, std::array<double, 3>{0.0, 0.0, 0.0}},
                {"E99", 1.0, "\xC2\xB5V", {1, 2}, {}}};
  const Recording rec = readBrainVision(writeBrainVisionTestFiles(dir / "", "pos", f));
  ASSERT_TRUE(rec.channels[0].hasPosition);  // theta 90, phi 72: in front, on the right
  EXPECT_NEAR(rec.channels[0].orientation.x, std::cos(72.0 * M_PI / 180.0), 1e-12);
  EXPECT_NEAR(rec.channels[0].orientation.y, std::sin(72.0 * M_PI / 180.0), 1e-12);
  EXPECT_NEAR(rec.channels[0].position.z, 0.0, 1e-12);
  EXPECT_FALSE(rec.channels[1].hasPosition);  // radius 0 means none
  EXPECT_FALSE(rec.channels[2].hasPosition);
}

TEST(BrainVisionReader, DataCutShortGivesWhatWasRead) {
  ScratchFolder dir;
  BrainVisionTestFile f = threeChannels("INT_16", false);
  const std::string vhdr = writeBrainVisionTestFiles(dir / "", "cut", f);
  const std::string data = filetesting::readAll(dir / "cut.eeg");
  filetesting::writeAll(dir / "cut.eeg", data.substr(0, 6 * 200 + 4));
  const Recording rec = readBrainVision(vhdr);
  EXPECT_TRUE(rec.truncated);
  EXPECT_EQ(rec.sampleCount, 200);
  EXPECT_EQ(rec.channel(0)[199], static_cast<float>(static_cast<float>(f.channels[0].stored[199]) * (0.1 * 1e-6)));
  EXPECT_EQ(rec.events.size(), 2u);  // the markers at 201 and 251 lie beyond what was read
  ASSERT_EQ(rec.warnings.size(), 2u);  // cut short, markers left out
  EXPECT_NE(rec.warnings[0].find("200 complete samples"), std::string::npos) << rec.warnings[0];

  // Vectorised with the count stated: the channels whose data is missing are marked bad.
  f.vectorized = true;
  f.statesDataPoints = true;
  writeBrainVisionTestFiles(dir / "", "vec", f);
  filetesting::writeAll(dir / "vec.eeg", filetesting::readAll(dir / "vec.eeg").substr(0, 2 * 450));
  const Recording vec = readBrainVision(dir / "vec.vhdr");
  EXPECT_TRUE(vec.truncated);
  EXPECT_EQ(vec.sampleCount, 300);
  EXPECT_FALSE(vec.channels[0].bad);
  EXPECT_TRUE(vec.channels[1].bad);
  EXPECT_TRUE(vec.channels[2].bad);
  EXPECT_EQ(vec.channel(1)[149], static_cast<float>(static_cast<float>(f.channels[1].stored[149]) * (0.5 * 1e-3)));
  EXPECT_EQ(vec.channel(1)[150], 0.0f);

  // Less than half of the announced data: refused rather than mostly zeros.
  filetesting::writeAll(dir / "vec.eeg", filetesting::readAll(dir / "vec.eeg").substr(0, 2 * 400));
  EXPECT_THROW(readBrainVision(dir / "vec.vhdr"), RecordingError);

  // Vectorised without a count: the channels cannot be told apart.
  f.statesDataPoints = false;
  writeBrainVisionTestFiles(dir / "", "vec", f);
  filetesting::writeAll(dir / "vec.eeg", filetesting::readAll(dir / "vec.eeg").substr(0, 1001));
  EXPECT_THROW(readBrainVision(dir / "vec.vhdr"), RecordingError);
}

// The error's text after "PATH: ", or "" when the header was accepted.
std::string headerError(const std::string& text) {
  try {
    parseBrainVisionHeader("h.vhdr", text);
  } catch (const RecordingError& e) {
    return std::string(e.what()).substr(8);
  }
  return "";
}

TEST(BrainVisionHeader, BrokenHeadersNameTheLine) {
  const std::string good = brainVisionHeaderText(threeChannels("INT_16", false), "x");
  ASSERT_EQ(headerError(good), "");
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    t.replace(t.find(from), from.size(), to);
    return t;
  };
  EXPECT_EQ(headerError("Some other file\n"), "line 1: not a BrainVision header (the first line is \"Some other file\")");
  EXPECT_EQ(headerError(replaced("BinaryFormat=INT_16", "BinaryFormat=INT_8")), "line 14: BinaryFormat INT_8 (INT_16, INT_32 or IEEE_FLOAT_32)");
  EXPECT_EQ(headerError(replaced("SamplingInterval=2000", "SamplingInterval=-1")),
            "line 11: SamplingInterval -1 is not a positive number of microseconds");
  EXPECT_EQ(headerError(replaced("NumberOfChannels=3", "NumberOfChannels=4")), "no Ch4 in the [Channel Infos] section");
  EXPECT_EQ(headerError(replaced("Ch2=HEOG,,0.5", "Ch2=HEOG,,zero")), "line 18: Ch2: resolution \"zero\" is not a non-zero number");
  EXPECT_EQ(headerError(replaced("[Binary Infos]", "[Binary Infos")), "line 13: a section name without its closing ']'");
  EXPECT_EQ(headerError(replaced("DataFormat=BINARY", "DataFormat=ASCII")), "line 8: DataFormat ASCII: only BINARY data can be read");
  EXPECT_EQ(headerError(replaced("DataOrientation=MULTIPLEXED", "Orientation")), "line 9: expected key=value, found \"Orientation\"");
}

TEST(BrainVisionHeader, MarkersAndTheirErrors) {
  const auto markers = parseBrainVisionMarkers(
      "m.vmrk", "Brain Vision Data Exchange Marker File, Version 1.0\n[Marker Infos]\nMk10=Stimulus,S 10,5,1,0\n"
                "Mk2=Comment,a\\1b,5\nMk3=Response,R  7,2,1,3\n");
  ASSERT_EQ(markers.size(), 3u);
  EXPECT_EQ(markers[0].description, "R  7");
  EXPECT_EQ(markers[0].position, 1);
  EXPECT_EQ(markers[0].channel, 3);
  EXPECT_EQ(markers[1].description, "a,b");  // Mk2 before Mk10 at the same position
  EXPECT_EQ(markers[2].type, "Stimulus");
  EXPECT_EQ(brainVisionMarkerCode("S 10"), 10);
  EXPECT_EQ(brainVisionMarkerCode("eyes"), 0);
  try {
    parseBrainVisionMarkers("m.vmrk", "Brain Vision Data Exchange Marker File, Version 1.0\n[Marker Infos]\nMk1=Stimulus,S 1,0,1,0\n");
    ADD_FAILURE();
  } catch (const RecordingError& e) {
    EXPECT_STREQ(e.what(), "m.vmrk: line 3: Mk1: position \"0\" is not a sample number from 1");
  }
}

TEST(BrainVisionReader, MissingOrBrokenMarkerFileLeavesAWarningMissingDataAnError) {
  ScratchFolder dir;
  const std::string vhdr = writeBrainVisionTestFiles(dir / "", "m", threeChannels("INT_16", false));
  filetesting::writeAll(dir / "m.vmrk", "not markers\n");
  const Recording rec = readBrainVision(vhdr);
  EXPECT_TRUE(rec.events.empty());
  ASSERT_EQ(rec.warnings.size(), 1u);
  EXPECT_EQ(rec.warnings[0].rfind("No events: " + dir / "m.vmrk" + ": line 1: not a BrainVision marker file", 0), 0u) << rec.warnings[0];
  std::filesystem::remove(dir / "m.eeg");
  try {
    readBrainVision(vhdr);
    ADD_FAILURE();
  } catch (const RecordingError& e) {
    EXPECT_EQ(std::string(e.what()).rfind(dir / "m.eeg: ", 0), 0u) << e.what();
  }
}

}  // namespace
