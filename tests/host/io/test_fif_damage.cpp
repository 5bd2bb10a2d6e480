// The FIF reader on damaged files: a file cut anywhere gives either what it holds, marked
// truncated with how much was read, or an error naming file, byte and reason; corrupt
// fields give the error at their byte; random damage never gives anything but a recording
// or a RecordingError; and the fuzz corpus keeps those promises.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "host/io/FifReader.h"
#include "tests/host/io/FifTestRecording.h"
#include "tests/support/FileTesting.h"

namespace {

// The error text of reading `bytes`, or "" when they read.
std::string errorOf(const std::vector<std::uint8_t>& bytes) {
  try {
    readFifBytes(bytes, "bad.fif");
  } catch (const RecordingError& e) {
    return e.what();
  }
  return "";
}

// A recording read from damaged bytes keeps the shape promises: whole channels, events
// inside the samples.
void expectConsistent(const Recording& r) {
  ASSERT_GT(r.sampleCount, 0);
  EXPECT_EQ(r.samples.size(), r.channels.size() * static_cast<std::size_t>(r.sampleCount));
  for (const RecordingEvent& e : r.events) EXPECT_LT(e.sample, r.sampleCount);
}

TEST(FifDamage, AFileCutInsideTheDataKeepsItsWholeSamplesAndSaysHowMuch) {
  const Recording original = fiftest::recording();
  const fifwriter::Image image = fifwriter::fifImage(original, fiftest::options(fif::type::Short));
  const std::uint64_t secondBuffer = image.layout.firstBufferTag + 16 + 1000 * 6 * 2;
  std::vector<std::uint8_t> cut(image.bytes.begin(), image.bytes.begin() + static_cast<std::ptrdiff_t>(secondBuffer + 16 + 300 * 12 + 5));
  const Recording r = readFifBytes(cut, "cut.fif");
  EXPECT_TRUE(r.truncated);
  ASSERT_EQ(r.sampleCount, 1300);
  for (std::size_t c = 0; c < r.channels.size(); ++c)
    EXPECT_TRUE(std::equal(r.channel(c).begin(), r.channel(c).end(), original.channel(c).begin())) << r.channels[c].name;
  ASSERT_EQ(r.events.size(), 3u);  // 5 at 500, 3 at 1200, 7 at 1210; the one at 2400 is lost
  EXPECT_EQ(r.warnings.back(), "The file ends early, at byte " + std::to_string(cut.size()) + ": read 1.300 s of at least 2.000 s.");
}

TEST(FifDamage, EveryCutGivesATruncatedPrefixOrAnErrorWithItsByte) {
  const Recording original = fiftest::recording(1200);
  for (bool directory : {true, false}) {
    fifwriter::Options o = fiftest::options(fif::type::Short);
    o.bufferSamples = 200;
    o.directory = directory;
    const fifwriter::Image image = fifwriter::fifImage(original, o);
    int truncated = 0;
    for (std::size_t length = 0; length < image.bytes.size(); length += 7) {
      const std::vector<std::uint8_t> cut(image.bytes.begin(), image.bytes.begin() + static_cast<std::ptrdiff_t>(length));
      try {
        const Recording r = readFifBytes(cut, "cut.fif");
        expectConsistent(r);
        ASSERT_EQ(r.channels.size(), original.channels.size());
        EXPECT_TRUE(std::equal(r.channel(3).begin(), r.channel(3).end(), original.channel(3).begin())) << length;
        truncated += r.truncated;
      } catch (const RecordingError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("cut.fif: byte ", 0), 0u) << e.what();
      }
    }
    EXPECT_GT(truncated, 100) << "directory " << directory;
  }
}

TEST(FifDamage, CorruptFieldsAreRefusedAtTheirByteWithTheReason) {
  const Recording original = fiftest::recording(1500);
  fifwriter::Options o = fiftest::options(fif::type::Short);
  o.directory = false;
  o.skips = {{1000, 100, false}};
  const fifwriter::Image image = fifwriter::fifImage(original, o);
  const fifwriter::Layout& at = image.layout;
  const std::uint64_t skipTag = at.firstBufferTag + 16 + 1000 * 12;
  struct Case {
    std::uint64_t pos;
    std::int32_t value;
    std::uint64_t errorByte;
    std::string why;
  };
  const std::vector<Case> cases = {
      {0, 7, 0, "not a FIF file: it does not start with a file-id tag"},
      {8, 24, 0, "its file-id tag has type 31 and 24 bytes"},
      {at.nchanTag + 16, 7, at.nchanTag, "the channel count is 7 but there are 6 channel records"},
      {at.sfreqTag + 16, 0, at.sfreqTag, "the sampling rate is 0.000000 Hz"},
      {at.firstChInfoTag + 8, 95, at.firstChInfoTag + 8, ""},  // shorter record: the tags after it are misread
      {at.firstChInfoTag + 16 + 76, 99, at.firstChInfoTag + 16 + 76, "has a unit multiplier of 10^99"},
      {at.firstBufferTag + 4, fif::type::OldPack, at.firstBufferTag, "packed format 23, which has no public description"},
      {at.firstBufferTag + 4, 99, at.firstBufferTag, "a data buffer of type 99, which is not a sample type"},
      {at.firstBufferTag + 8, -12, at.firstBufferTag + 8, "announces a negative size (-12)"},
      {at.nchanTag + 12, 30, at.nchanTag + 12, "the next tag's offset 30 does not lie after this tag"},
      {skipTag + 16, 2000000000, skipTag, "a skip of 2000000000 samples would make the recording far larger than the file"},
      {skipTag + 16, -5, skipTag, "a skip of -5 samples"},
      {at.rawBlockEnd + 16, 101, at.rawBlockEnd, "the end of a block of kind 101 where the open block is of kind 102"},
  };
  for (const Case& k : cases) {
    std::vector<std::uint8_t> bytes = image.bytes;
    fifwriter::putInt(bytes, k.pos, k.value);
    const std::string error = errorOf(bytes);
    if (k.why.empty()) {
      EXPECT_EQ(error.rfind("bad.fif: byte ", 0), 0u) << error;
      continue;
    }
    EXPECT_EQ(error.rfind("bad.fif: byte " + std::to_string(k.errorByte) + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(k.why), std::string::npos) << error;
  }
}

TEST(FifDamage, DeepBlocksAndFilesWithoutDataAreRefused) {
  const fifwriter::Image image = fifwriter::fifImage(fiftest::recording(10), fiftest::options());
  std::vector<std::uint8_t> deep(image.bytes.begin(), image.bytes.begin() + 36 + 20);  // file id and directory pointer
  fifwriter::putInt(deep, 36 + 16, -1);
  for (int level = 0; level < 100; ++level) {
    const std::uint8_t start[20] = {0, 0, 0, 104, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 100};
    deep.insert(deep.end(), start, start + 20);
  }
  EXPECT_NE(errorOf(deep).find("blocks nested deeper than 64 levels"), std::string::npos) << errorOf(deep);

  std::vector<std::uint8_t> headerOnly(image.bytes.begin(), image.bytes.begin() + 56);
  fifwriter::putInt(headerOnly, 52, -1);
  EXPECT_EQ(errorOf(headerOnly), "bad.fif: byte 0: no measurement info block");

  std::vector<std::uint8_t> noData(image.bytes.begin(), image.bytes.begin() + static_cast<std::ptrdiff_t>(image.layout.firstBufferTag));
  fifwriter::putInt(noData, 52, -1);
  EXPECT_EQ(errorOf(noData), "bad.fif: byte " + std::to_string(noData.size()) + ": the file ends before the first whole sample");
}

TEST(FifDamage, RandomDamageGivesARecordingOrARecordingError) {
  fifwriter::Options o = fiftest::options(fif::type::Float);
  o.bufferSamples = 100;
  const fifwriter::Image image = fifwriter::fifImage(fiftest::recording(600), o);
  std::mt19937 random(20);
  int read = 0;
  for (int round = 0; round < 400; ++round) {
    std::vector<std::uint8_t> bytes = image.bytes;
    const int flips = 1 + round % 6;
    for (int f = 0; f < flips; ++f) {
      // Headers and records are where damage matters: aim half of the flips at the start.
      const std::size_t limit = f % 2 ? bytes.size() : image.layout.firstBufferTag + 64;
      bytes[random() % limit] ^= static_cast<std::uint8_t>(1u << (random() % 8));
    }
    try {
      expectConsistent(readFifBytes(bytes, "bad.fif"));
      ++read;
    } catch (const RecordingError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("bad.fif: ", 0), 0u);
    }
  }
  EXPECT_GT(read, 50);
}

TEST(FifDamage, TheFuzzCorpusKeepsTheReadersPromises) {
  namespace fs = std::filesystem;
  int named = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(SPCTM_SOURCE_DIR) / "fuzz" / "corpus" / "fif_reader")) {
    const std::string name = entry.path().filename().string();
    const std::string text = filetesting::readAll(entry.path());
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    std::string error;
    Recording r;
    try {
      r = readFifBytes(bytes, name);
      expectConsistent(r);
    } catch (const RecordingError& e) {
      error = e.what();
      EXPECT_EQ(error.rfind(name + ": byte ", 0), 0u) << error;
    }
    if (name.rfind("valid-", 0) == 0) {
      EXPECT_EQ(error, "") << name;
      EXPECT_FALSE(r.truncated) << name;
    } else if (name.rfind("truncated-", 0) == 0) {
      EXPECT_TRUE(r.truncated) << name << " " << error;
    } else if (name.rfind("corrupt-", 0) == 0) {
      EXPECT_NE(error, "") << name;
    } else {
      continue;
    }
    ++named;
  }
  EXPECT_GE(named, 6);
}

}  // namespace
