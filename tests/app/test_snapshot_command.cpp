// The snapshot command: its options name windows of the table or say which names exist,
// each entry draws its window bound to the dataset into a PNG file, and windows drawn
// together share the facade's settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(SnapshotOptions, NameAWindowOfTheTable) {
  const SnapshotOptions o = parseSnapshotOptions({"--window=stdset-eeg", "--class", "rst", "--kind", "imag", "--out", "a.png"});
  EXPECT_EQ(o.windows, std::vector<std::string>{"stdset-eeg"});
  EXPECT_EQ(o.spctmClass, 2);
  EXPECT_EQ(o.dataKind, 1);
  EXPECT_EQ(o.out, "a.png");
  EXPECT_EQ(mistake({"--window", "single", "--out", "a.png"}).rfind("--window needs one of stdset-meg|stdset-eeg", 0), 0u);
  EXPECT_EQ(mistake({"--out", "a.png"}), "--window NAME is required");
  EXPECT_EQ(mistake({"--window", "stdset-meg"}), "--out FILE.png is required");
  EXPECT_EQ(mistake({"--window", "stdset-meg", "--window", "single-act"}), "--out FOLDER is required");
  EXPECT_EQ(mistake({"--window", "single-act", "--window", "single-act", "--out", "f"}), "--window single-act given twice");
  EXPECT_EQ(mistake({"--window"}), "--window needs a value");
  EXPECT_TRUE(parseSnapshotOptions({"--help"}).help);
}

TEST(SnapshotCommand, EveryWindowOfTheTableWritesItsPicture) {
  auto data = megdata::DatasetBuilder().meg(L"A", 0, 0).meg(L"B", 1, 0).grid(4, 3)
                  .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) { return double(c + t + f); })
                  .build();
  for (const SnapshotWindow& w : snapshotWindows()) {
    SnapshotOptions o;
    o.windows = {w.name};
    o.out = std::string(SPCTM_TEST_OUTPUT_DIR) + "/snapshot-" + w.name + ".png";
    std::filesystem::remove(o.out);
    std::ostringstream out, err;
    EXPECT_EQ(runSnapshot(o, *data, out, err), 0) << w.name << ": " << err.str();
    EXPECT_GT(std::filesystem::file_size(o.out), 1000u) << w.name;
    o.out = "/nonexistent-folder/x.png";
    EXPECT_EQ(runSnapshot(o, *data, out, err), 1) << w.name;
  }
}

TEST(SnapshotCommand, WindowsDrawnTogetherShareTheFacadesSettings) {
  auto data = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(40, 30)
                  .spectra(0, [](std::int64_t, std::int64_t t, std::int64_t f, int) { return double(t + f) - 20.0; })
                  .build();
  const std::string folder = std::string(SPCTM_TEST_OUTPUT_DIR) + "/snapshot-together";
  std::filesystem::remove_all(folder);
  const auto run = [&](std::vector<std::string> windows, const std::string& out) {
    SnapshotOptions o;
    o.windows = std::move(windows);
    o.out = out;
    std::ostringstream said, err;
    EXPECT_EQ(runSnapshot(o, *data, said, err), 0) << err.str();
    return said.str();
  };
  EXPECT_EQ(run({"stdset-meg", "single-act"}, folder),
            "spctm-view: wrote " + folder + "/stdset-meg.png\nspctm-view: wrote " + folder + "/single-act.png\n");
  const std::string alone = folder + "/single-act-alone.png";
  run({"single-act"}, alone);
  // The dialog's range, derived from the data, labels the window's colour scale.
  EXPECT_NE(fileBytes(folder + "/single-act.png"), fileBytes(alone));
}
