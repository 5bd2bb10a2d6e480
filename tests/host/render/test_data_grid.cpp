#include "host/render/CDataGridRect.h"

#include <gtest/gtest.h>

TEST(DataGridRect, SensorStorageGrowsKeepingRecordsAndResetsToTheStartExtent) {
  CDataGridRect g;
  EXPECT_EQ(g.checkInitSnsrLoc2D(0), nullptr);
  SnsrLoc2D* r = g.checkInitSnsrLoc2D(4);
  ASSERT_NE(r, nullptr);
  r[3] = {1.5, -2.0, 17};
  EXPECT_EQ(g.checkInitSnsrLoc2D(2), r);  // large enough already: same storage
  ASSERT_NE(g.checkInitSnsrLoc2D(300), nullptr);
  EXPECT_EQ(g.snsrLoc2D[3].chnl, 17);
  g.snsrCount = 4;
  g.xMin = g.yMax = 9.0;
  g.cleanSnsrLoc2D();
  EXPECT_EQ(g.snsrCount, 0);
  EXPECT_EQ(g.xMin, std::numeric_limits<double>::max());
  EXPECT_EQ(g.yMax, std::numeric_limits<double>::min());
}

TEST(DataGridRect, EveryGridStartsFreshAndBadSizesLeaveNone) {
  CDataGridRect g;
  double* values = g.initDataGridRect(5, 3);
  ASSERT_EQ(values, g.values.data());
  EXPECT_EQ(g.pointX.size() + g.pointY.size() + g.weights.size() + g.values.size(), 60u);
  EXPECT_EQ(g.axisOffsetX.size() * 10 + g.axisOffsetY.size(), 53u);
  values[11] = 3.0;
  g.weights[2].chnl.push_back(4);
  ASSERT_NE(g.initDataGridRect(4, 4), nullptr);
  EXPECT_EQ(g.values[11], 0.0);
  EXPECT_EQ(g.weights[2].count(), 0);
  for (const auto& [w, h] : {std::pair{0, 3}, std::pair{3, -1}, std::pair{1 << 20, 1 << 20}}) {
    EXPECT_EQ(g.initDataGridRect(w, h), nullptr);
    EXPECT_EQ(g.gridWidth + g.gridHeight, 0);
    EXPECT_TRUE(g.values.empty());
  }
}
