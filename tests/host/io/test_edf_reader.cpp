// EDF, EDF+, BDF and BDF+ files written by the tests (EDF+/BDF+ through EDFlib's writer,
// plain EDF/BDF byte by byte) read back: names, types, SI units, samples exact after the
// scaling, annotations and Status triggers as events, positions by standard name; files cut
// short, trailing bytes, mixed rates and broken headers.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/io/EdfReader.h"
#include "tests/support/EdfTestWriter.h"
#include "tests/support/FileTesting.h"

namespace {

using filetesting::ScratchFolder;

EdfTestSignal signal(const std::string& label, const std::string& dimension, int perRecord, int records, int seed,
                     double physMin = -32768.0, double physMax = 32767.0) {
  EdfTestSignal s{label, "AgAgCl electrode", dimension, physMin, physMax, -32768, 32767, perRecord, {}};
  for (int i = 0; i < perRecord * records; ++i) s.digital.push_back(((i * 37 + seed * 1001) % 60001) - 30000);
  return s;
}

// Every sample of channel c against the digital values scaled by the file's rule and `si`.
void expectSamples(const Recording& rec, std::size_t c, const EdfTestSignal& s, double si, std::int64_t count) {
  ASSERT_EQ(rec.sampleCount, count);
  const auto values = rec.channel(c);
  for (std::int64_t i = 0; i < count; ++i)
    ASSERT_EQ(values[static_cast<std::size_t>(i)], static_cast<float>(edfPhysical(s, s.digital[static_cast<std::size_t>(i)]) * si))
        << s.label << " sample " << i;
}

class EdfPlusRoundTrip : public ::testing::TestWithParam<bool> {};

TEST_P(EdfPlusRoundTrip, ChannelsSamplesAndAnnotations) {
  const bool bdf = GetParam();
  ScratchFolder dir;
  EdfTestFile f;
  f.bdf = bdf;
  f.records = 3;
  f.signals = {signal("EEG Fp1", "uV", 250, 3, 1), signal("EEG Cz", "uV", 250, 3, 2, -16384.0, 16383.5),
               signal("EOG left", "mV", 250, 3, 3), signal("ECG", "uV", 250, 3, 4)};
  if (bdf) {
    for (auto& s : f.signals) s.digMin = -8388608, s.digMax = 8388607, s.physMin *= 256, s.physMax *= 256;
  }
  f.annotations = {{2.5, "Response"}, {1.25, "Stimulus A"}};
  const std::string path = dir / (bdf ? "r.bdf" : "r.edf");
  writeEdfTestFile(path, f);

  const Recording rec = readEdf(path);
  EXPECT_EQ(rec.format, bdf ? "BDF+" : "EDF+");
  EXPECT_DOUBLE_EQ(rec.samplingRateHz, 250.0);
  EXPECT_FALSE(rec.truncated);
  EXPECT_TRUE(rec.warnings.empty());
  ASSERT_EQ(rec.channels.size(), 4u);
  const char* names[] = {"Fp1", "Cz", "EOG left", "ECG"};
  const ChannelType types[] = {ChannelType::Eeg, ChannelType::Eeg, ChannelType::Eog, ChannelType::Other};
  const double si[] = {1e-6, 1e-6, 1e-3, 1e-6};
  for (std::size_t c = 0; c < 4; ++c) {
    EXPECT_EQ(rec.channels[c].name, names[c]);
    EXPECT_EQ(rec.channels[c].type, types[c]) << names[c];
    EXPECT_EQ(rec.channels[c].unit, "V");
    expectSamples(rec, c, f.signals[c], si[c], 750);
  }
  EXPECT_FALSE(rec.channels[0].hasPosition);  // EDF keeps none; names place them later

  ASSERT_EQ(rec.events.size(), 2u);
  EXPECT_EQ(rec.events[0].sample, 313);  // 1.25 s at 250 Hz: 312.5, rounded half away from 0
  EXPECT_EQ(rec.events[0].text, "Stimulus A");
  EXPECT_EQ(rec.events[1].sample, 625);
  EXPECT_EQ(rec.events[1].text, "Response");
  EXPECT_EQ(rec.events[1].code, 0);
}

INSTANTIATE_TEST_SUITE_P(EdfAndBdf, EdfPlusRoundTrip, ::testing::Values(false, true));

TEST(EdfReader, PlainBdfStatusChannelGivesTriggerEventsFromItsLow16Bits) {
  ScratchFolder dir;
  EdfTestFile f;
  f.bdf = true;
  f.plus = false;
  f.records = 2;
  EdfTestSignal eeg = signal("B7", "uV", 100, 2, 5, -262144.0, 262143.0);
  eeg.transducer = "Active Electrode";
  eeg.digMin = -8388608, eeg.digMax = 8388607;
  EdfTestSignal status{"Status", "Triggers and Status", "Boolean", -8388608, 8388607, -8388608, 8388607, 100, {}};
  // The high byte carries the amplifier's state bits, which must not make triggers.
  for (int i = 0; i < 200; ++i) {
    const int code = (i >= 20 && i < 25) ? 3 : (i >= 150 && i < 160) ? 7 : (i >= 160 && i < 170) ? 258 : 0;
    status.digital.push_back(static_cast<int>(0xFF0000 | code) - (1 << 24) + (i == 100 ? 0x10000 : 0));
  }
  f.signals = {eeg, status};
  const std::string path = dir / "plain.bdf";
  writeEdfTestFile(path, f);

  const Recording rec = readEdf(path);
  EXPECT_EQ(rec.format, "BDF");
  ASSERT_EQ(rec.channels.size(), 2u);
  EXPECT_EQ(rec.channels[0].type, ChannelType::Eeg);  // "Active Electrode" in volts
  EXPECT_EQ(rec.channels[1].type, ChannelType::Stim);
  EXPECT_EQ(rec.channels[1].unit, "");
  EXPECT_EQ(rec.channel(1)[22], 3.0f);
  ASSERT_EQ(rec.events.size(), 3u);
  EXPECT_EQ(rec.events[0].sample, 20);
  EXPECT_EQ(rec.events[0].code, 3);
  EXPECT_EQ(rec.events[1].sample, 150);
  EXPECT_EQ(rec.events[1].code, 7);
  EXPECT_EQ(rec.events[2].sample, 160);
  EXPECT_EQ(rec.events[2].code, 258);
}

TEST(EdfReader, PlainEdfAndSignalsAtAnotherRateLeftOutWithAWarning) {
  ScratchFolder dir;
  EdfTestFile f;
  f.plus = false;
  f.records = 2;
  f.signals = {signal("T3", "uV", 200, 2, 1), signal("Resp", "mV", 10, 2, 2), signal("O2", "uV", 200, 2, 3),
               signal("Temp", "degC", 200, 2, 4)};
  const std::string path = dir / "plain.edf";
  writeEdfTestFile(path, f);

  const Recording rec = readEdf(path);
  EXPECT_EQ(rec.format, "EDF");
  EXPECT_DOUBLE_EQ(rec.samplingRateHz, 200.0);
  ASSERT_EQ(rec.channels.size(), 3u);
  EXPECT_EQ(rec.channels[0].name, "T3");
  EXPECT_EQ(rec.channels[0].type, ChannelType::Eeg);  // old name of T7
  EXPECT_EQ(rec.channels[2].type, ChannelType::Other);  // not in volts
  EXPECT_EQ(rec.channels[2].unit, "degC");
  expectSamples(rec, 1, f.signals[2], 1e-6, 400);
  expectSamples(rec, 2, f.signals[3], 1.0, 400);
  ASSERT_EQ(rec.warnings.size(), 1u);
  EXPECT_NE(rec.warnings[0].find("Resp"), std::string::npos) << rec.warnings[0];
}

TEST(EdfReader, FileCutShortGivesTheCompleteRecordsTrailingBytesAreIgnored) {
  ScratchFolder dir;
  EdfTestFile f;
  f.plus = false;
  f.records = 4;
  f.signals = {signal("EEG C3", "uV", 100, 4, 1), signal("EEG C4", "uV", 100, 4, 2)};
  const std::string path = dir / "cut.edf";
  writeEdfTestFile(path, f);
  const std::string whole = filetesting::readAll(path);
  const long header = edfHeaderBytes(f);
  ASSERT_EQ(static_cast<long>(whole.size()), header + 4 * 400);

  filetesting::writeAll(path, whole.substr(0, static_cast<std::size_t>(header + 2 * 400 + 123)));
  const Recording cut = readEdf(path);
  EXPECT_TRUE(cut.truncated);
  ASSERT_EQ(cut.warnings.size(), 1u);
  EXPECT_NE(cut.warnings[0].find("2 of the 4 data records"), std::string::npos) << cut.warnings[0];
  expectSamples(cut, 1, f.signals[1], 1e-6, 200);

  filetesting::writeAll(path, whole + "extra");
  const Recording longer = readEdf(path);
  EXPECT_FALSE(longer.truncated);
  EXPECT_EQ(longer.sampleCount, 400);
  ASSERT_EQ(longer.warnings.size(), 1u);
  EXPECT_NE(longer.warnings[0].find("5 bytes"), std::string::npos);

  filetesting::writeAll(path, whole.substr(0, static_cast<std::size_t>(header + 399)));
  EXPECT_THROW(readEdf(path), RecordingError);
}

// The error's text for `bytes` in a file, or "" when it was read.
std::string errorFor(const std::string& bytes) {
  ScratchFolder dir;
  const std::string path = dir / "bad.edf";
  filetesting::writeAll(path, bytes);
  try {
    readEdf(path);
  } catch (const RecordingError& e) {
    const std::string what = e.what();
    EXPECT_EQ(what.rfind(path + ": ", 0), 0u) << what;
    return what.substr(path.size() + 2);
  }
  return "";
}

TEST(EdfReader, BrokenHeadersAreRefusedWithWhereAndWhy) {
  ScratchFolder dir;
  EdfTestFile f;
  f.plus = false;
  f.records = 1;
  f.signals = {signal("EEG Pz", "uV", 10, 1, 1)};
  const std::string path = dir / "good.edf";
  writeEdfTestFile(path, f);
  const std::string good = filetesting::readAll(path);
  auto patched = [&](std::size_t at, const std::string& text) { return std::string(good).replace(at, text.size(), text); };

  EXPECT_EQ(errorFor(good.substr(0, 100)), "byte 100: the file ends inside the 256-byte fixed header");
  EXPECT_EQ(errorFor(patched(0, "PK")).substr(0, 29), "byte 0: not an EDF or BDF fil");
  EXPECT_EQ(errorFor(patched(184, "12x     ")), "byte 184: the header size is not a whole number: \"12x\"");
  EXPECT_EQ(errorFor(patched(184, "768     ")).substr(0, 34), "byte 184: the header size 768 does");
  EXPECT_EQ(errorFor(patched(252, "0   ")), "byte 252: 0 signals (1 to 640 can be read)");
  EXPECT_EQ(errorFor(patched(236, "0       ")), "byte 236: the header announces 0 data records");
  EXPECT_EQ(errorFor(patched(256 + 216, "0       ")), "byte 472: signal 1 has 0 samples per data record");
  EXPECT_EQ(errorFor(good.substr(0, 300)), "byte 300: the file ends inside the signal headers");
  // Digital minimum above the maximum: EDFlib's own checks, in words.
  EXPECT_NE(errorFor(patched(256 + 16 + 80 + 8 + 16, "40000   ")).find("breaks the EDF/BDF rules"), std::string::npos);

  try {
    readEdf(dir / "missing.edf");
    ADD_FAILURE();
  } catch (const RecordingError& e) {
    EXPECT_EQ(std::string(e.what()), dir / "missing.edf" + ": No such file or directory");
  }
}

}  // namespace
