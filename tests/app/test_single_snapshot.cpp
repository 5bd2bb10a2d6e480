// The single-channel window's snapshot options: what the window shows (channel, statistic,
// zoom, selection, overlays) and their mistakes, and a snapshot that names no channel of
// the dataset.
#include <gtest/gtest.h>

#include <sstream>

#include "app/SnapshotCommand.h"
#include "tests/support/DatasetBuilder.h"

using namespace spctmview;

TEST(SingleSnapshotOptions, ChooseWhatTheWindowShows) {
  const SnapshotOptions o = parseSnapshotOptions({"--window", "single-rst", "--channel", "MZO02", "--source=6", "--zoom",
                                                  "12", "--select", "1,2,3,4", "--overlays", "info,wave", "--autofit", "--out", "a.png"});
  EXPECT_EQ(o.single.channel, L"MZO02");
  EXPECT_EQ(o.single.source, 6);
  EXPECT_EQ(o.single.zoom, 12);
  EXPECT_TRUE(o.single.selectGiven);
  EXPECT_EQ(o.single.select, (std::array<long long, 4>{1, 2, 3, 4}));
  EXPECT_TRUE(o.single.autofit);
  EXPECT_EQ((std::array<bool, 5>{o.single.showSelect, o.single.showInfo, o.single.showScale, o.single.showMeasures,
                                 o.single.showWave}),
            (std::array<bool, 5>{false, true, false, false, true}));
  const SingleViewOptions fresh = parseSnapshotOptions({"--window", "single-act", "--out", "a.png"}).single;
  EXPECT_EQ((std::array<bool, 5>{fresh.showSelect, fresh.showInfo, fresh.showScale, fresh.showMeasures, fresh.showWave}),
            (std::array<bool, 5>{true, false, true, true, false}));
  EXPECT_EQ(fresh.zoom, 0);  // fitted
  EXPECT_FALSE(fresh.autofit);
  const SingleViewOptions none = parseSnapshotOptions({"--window", "single-act", "--overlays=none", "--out", "a"}).single;
  EXPECT_FALSE(none.showSelect || none.showInfo || none.showScale || none.showMeasures || none.showWave);

  const std::pair<std::vector<std::string>, std::string> mistakes[] = {
      {{"--overlays", "scale,grid"}, "--overlays needs one of select|info|scale|measure|wave, got 'grid'"},
      {{"--overlays", ""}, "--overlays needs one of select|info|scale|measure|wave, got ''"},
      {{"--zoom", "65"}, "--zoom needs fit or a whole number from 1 to 64, got '65'"},
      {{"--source", "7"}, "--source needs a whole number from 0 to 6, got '7'"},
      {{"--channel="}, "--channel needs a channel name"},
      {{"--select", "1,2,3"}, "--select needs four numbers joined by ',', got '1,2,3'"},
  };
  for (auto [args, message] : mistakes) {
    args.insert(args.end(), {"--window", "single-act", "--out", "a.png"});
    try {
      parseSnapshotOptions(args);
      ADD_FAILURE() << "accepted " << args[0];
    } catch (const UsageError& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

TEST(SingleSnapshot, UnknownChannelIsReportedAndNothingWritten) {
  const auto ds = megdata::DatasetBuilder().meg(L"MLC11", 0, 0).grid(4, 4).build();
  SnapshotOptions o = parseSnapshotOptions({"--window", "single-act", "--channel", "MXX99", "--out",
                                            std::string(SPCTM_TEST_OUTPUT_DIR) + "/snapshot-none.png"});
  std::ostringstream out, err;
  EXPECT_EQ(runSnapshot(o, *ds, out, err), 1);
  EXPECT_EQ(err.str(), "spctm-view snapshot: no channel named 'MXX99'; the dataset has: MLC11\n");
  EXPECT_EQ(out.str(), "");
}
