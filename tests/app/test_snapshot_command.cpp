// The snapshot command: its options name a window of the table or say which names exist,
// and each entry draws its window bound to the dataset into a PNG file.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/SnapshotCommand.h"
#include "tests/support/DatasetBuilder.h"

using namespace spctmview;

namespace {

std::string mistake(const std::vector<std::string>& args) {
  try {
    parseSnapshotOptions(args);
  } catch (const UsageError& e) {
    return e.what();
  }
  return "accepted";
}

}  // namespace

TEST(SnapshotOptions, NameAWindowOfTheTable) {
  const SnapshotOptions o = parseSnapshotOptions({"--window=stdset-eeg", "--class", "rst", "--kind", "imag", "--out", "a.png"});
  EXPECT_EQ(o.window, "stdset-eeg");
  EXPECT_EQ(o.spctmClass, 2);
  EXPECT_EQ(o.dataKind, 1);
  EXPECT_EQ(o.out, "a.png");
  EXPECT_EQ(mistake({"--window", "single", "--out", "a.png"}).rfind("--window needs one of stdset-meg|stdset-eeg", 0), 0u);
  EXPECT_EQ(mistake({"--out", "a.png"}), "--window NAME is required");
  EXPECT_EQ(mistake({"--window", "stdset-meg"}), "--out FILE.png is required");
  EXPECT_EQ(mistake({"--window"}), "--window needs a value");
  EXPECT_TRUE(parseSnapshotOptions({"--help"}).help);
}

TEST(SnapshotCommand, EveryWindowOfTheTableWritesItsPicture) {
  auto data = megdata::DatasetBuilder().meg(L"A", 0, 0).meg(L"B", 1, 0).grid(4, 3)
                  .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) { return double(c + t + f); })
                  .build();
  for (const SnapshotWindow& w : snapshotWindows()) {
    SnapshotOptions o;
    o.window = w.name;
    o.out = std::string(SPCTM_TEST_OUTPUT_DIR) + "/snapshot-" + w.name + ".png";
    std::filesystem::remove(o.out);
    std::ostringstream out, err;
    EXPECT_EQ(runSnapshot(o, *data, out, err), 0) << w.name << ": " << err.str();
    EXPECT_GT(std::filesystem::file_size(o.out), 1000u) << w.name;
    o.out = "/nonexistent-folder/x.png";
    EXPECT_EQ(runSnapshot(o, *data, out, err), 1) << w.name;
  }
}
