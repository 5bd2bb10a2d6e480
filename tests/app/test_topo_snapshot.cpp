// Snapshots of the topographic windows: --animate runs a window's animation for a number
// of timer ticks before the picture is taken, so the pictures of successive tick counts
// show the draw window moving over the data; the count is checked when parsed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/SnapshotCommand.h"
#include "tests/support/DatasetBuilder.h"

using namespace spctmview;

namespace {

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(TopoSnapshotOptions, AnimateTakesACountOfTicks) {
  EXPECT_EQ(parseSnapshotOptions({"--window", "flags-meg-act", "--animate", "7", "--out", "a.png"}).animate, 7);
  EXPECT_EQ(parseSnapshotOptions({"--window", "field-eeg-rst", "--out", "a.png"}).animate, 0);
  EXPECT_THROW(parseSnapshotOptions({"--window", "flags-meg-act", "--animate", "-1", "--out", "a.png"}), UsageError);
  EXPECT_THROW(parseSnapshotOptions({"--window", "flags-meg-act", "--animate", "x", "--out", "a.png"}), UsageError);
}

TEST(TopoSnapshot, EachTickMovesTheWindowOverTheData) {
  megdata::DatasetBuilder b;
  b.meg(L"A", -10, -10).meg(L"B", 10, -10).meg(L"C", 0, 10).meg(L"D", 0, 0).grid(60, 20);
  // Values that change along time differently at each sensor.
  b.spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) {
    return static_cast<double>((t * (c + 1)) % 37) - 18.0 + 0.1 * static_cast<double>(f);
  });
  const auto data = b.build();
  for (const char* window : {"flags-meg-act", "field-meg-act"}) {
    std::vector<std::string> pictures;
    for (int ticks : {0, 1, 2}) {
      SnapshotOptions o;
      o.windows = {window};
      o.animate = ticks;
      o.dataKind = 0;
      o.out = std::string(SPCTM_TEST_OUTPUT_DIR) + "/snapshot-" + window + "-tick" + std::to_string(ticks) + ".png";
      std::ostringstream out, err;
      ASSERT_EQ(runSnapshot(o, *data, out, err), 0) << err.str();
      EXPECT_EQ(err.str(), "") << window;
      pictures.push_back(fileBytes(o.out));
    }
    EXPECT_NE(pictures[0], pictures[1]) << window;
    EXPECT_NE(pictures[1], pictures[2]) << window;
  }
}

}  // namespace
