// Replays the settings-loader fuzz corpus: every input keeps the loader's promises, and the
// seeds whose names say what they are give that outcome (fuzzer findings added later only
// have to keep the promises).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/DrawSettingsInput.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

TEST(SettingsCorpus, EveryInputKeepsTheLoadersPromises) {
  CWinApp app;  // scripted message boxes, counted by the promises
  const fs::path dir = fs::path(SPCTM_SOURCE_DIR) / "fuzz" / "corpus" / "draw_settings";
  int seeds = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    const std::vector<std::uint8_t> bytes = readBytes(entry.path());
    const fuzzinput::SettingsLoad r = fuzzinput::loadDrawSettings(bytes.data(), bytes.size());
    EXPECT_TRUE(r.consistent) << name;
    if (startsWith(name, "valid-")) {
      EXPECT_EQ(r.result, 1) << name;
      EXPECT_GE(r.consumed, fuzzinput::kBodySize + 4) << name;
    } else if (startsWith(name, "truncated-")) {
      EXPECT_EQ(r.result, -1) << name;
    } else if (startsWith(name, "badsig-")) {
      EXPECT_EQ(r.result, 0) << name;
    } else if (startsWith(name, "badversion")) {
      EXPECT_EQ(r.result, 1) << name;
      EXPECT_EQ(r.consumed, 32u) << name;
    } else {
      continue;
    }
    ++seeds;
  }
  EXPECT_GE(seeds, 10);
}

}  // namespace
