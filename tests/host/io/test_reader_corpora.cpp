// Replays the fuzz corpora of the EDF/BDF reader, the BrainVision text parsers and the
// layout parser: every input keeps the promises of fuzz/ReaderInputs.h, and the seeds
// whose names say what they are ("valid-", "truncated-", "bad-") give that outcome (fuzzer
// findings added later only have to keep the promises).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/ReaderInputs.h"

namespace {

namespace fs = std::filesystem;

using Feed = fuzzinput::ReaderOutcome (*)(const std::uint8_t*, std::size_t);

void replay(const std::string& folder, Feed feed, int minimumSeeds) {
  int seeds = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(SPCTM_SOURCE_DIR) / "fuzz" / "corpus" / folder)) {
    const std::string name = entry.path().filename().string();
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const fuzzinput::ReaderOutcome r = feed(bytes.data(), bytes.size());
    EXPECT_TRUE(r.consistent) << name;
    if (name.rfind("valid-", 0) == 0) {
      EXPECT_TRUE(r.accepted) << name;
      EXPECT_FALSE(r.truncated) << name;
    } else if (name.rfind("truncated-", 0) == 0) {
      EXPECT_TRUE(r.accepted && r.truncated) << name;
    } else if (name.rfind("bad-", 0) == 0) {
      EXPECT_FALSE(r.accepted) << name;
    } else {
      continue;
    }
    ++seeds;
  }
  EXPECT_GE(seeds, minimumSeeds) << folder;
}

TEST(ReaderCorpora, EdfReader) { replay("edf_reader", fuzzinput::edfBytes, 12); }
TEST(ReaderCorpora, BrainVisionTexts) { replay("brainvision_header", fuzzinput::brainVisionTexts, 10); }
TEST(ReaderCorpora, LayoutFile) { replay("layout_file", fuzzinput::layoutText, 6); }

}  // namespace
