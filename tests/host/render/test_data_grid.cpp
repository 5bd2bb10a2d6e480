#include "host/render/CDataGridRect.h"

#include <gtest/gtest.h>

TEST(DataGridRect, SensorStorageGrowsAndKeepsRecords) {
  CDataGridRect g;
  EXPECT_EQ(g.checkInitSnsrLoc2D(0), nullptr);
  EXPECT_EQ(g.checkInitSnsrLoc2D(-3), nullptr);
  SnsrLoc2D* r = g.checkInitSnsrLoc2D(4);
  ASSERT_NE(r, nullptr);
  r[3] = {1.5, -2.0, 17};
  g.snsrCount = 4;
  // Asking for fewer keeps the storage and what it holds; asking for more keeps the records.
  EXPECT_EQ(g.checkInitSnsrLoc2D(2), r);
  SnsrLoc2D* grown = g.checkInitSnsrLoc2D(300);
  ASSERT_NE(grown, nullptr);
  EXPECT_EQ(grown[3].chnl, 17);
  EXPECT_EQ(g.snsrCount, 4);

  g.xMin = -1.0;
  g.yMax = 9.0;
  g.cleanSnsrLoc2D();
  EXPECT_EQ(g.snsrCount, 0);
  EXPECT_TRUE(g.snsrLoc2D.empty());
  EXPECT_EQ(g.xMin, std::numeric_limits<double>::max());
  EXPECT_EQ(g.yMin, std::numeric_limits<double>::max());
  EXPECT_EQ(g.xMax, std::numeric_limits<double>::min());
  EXPECT_EQ(g.yMax, std::numeric_limits<double>::min());
}

TEST(DataGridRect, GridIsAllocatedFreshAndReleased) {
  CDataGridRect g;
  double* values = g.initDataGridRect(5, 3);
  ASSERT_NE(values, nullptr);
  EXPECT_EQ(values, g.values.data());
  EXPECT_EQ(g.gridWidth, 5);
  EXPECT_EQ(g.gridHeight, 3);
  EXPECT_EQ(g.pointX.size(), 15u);
  EXPECT_EQ(g.pointY.size(), 15u);
  EXPECT_EQ(g.axisOffsetX.size(), 5u);
  EXPECT_EQ(g.axisOffsetY.size(), 3u);
  EXPECT_EQ(g.weights.size(), 15u);
  values[14] = 3.0;
  g.weights[2].chnl.push_back(4);
  g.weights[2].weight.push_back(1.0);

  // A new size starts from zeros and empty weights.
  ASSERT_NE(g.initDataGridRect(4, 4), nullptr);
  EXPECT_EQ(g.values[14], 0.0);
  EXPECT_EQ(g.weights[2].count(), 0);

  g.gridMargin = 2;
  g.cleanDataGridRect();
  EXPECT_EQ(g.gridWidth, 0);
  EXPECT_EQ(g.gridHeight, 0);
  EXPECT_TRUE(g.values.empty());
  EXPECT_TRUE(g.weights.empty());
  EXPECT_EQ(g.gridMargin, 2);
}

TEST(DataGridRect, BadGridSizesGiveNullAndAnEmptyGrid) {
  CDataGridRect g;
  ASSERT_NE(g.initDataGridRect(3, 3), nullptr);
  EXPECT_EQ(g.initDataGridRect(0, 3), nullptr);
  EXPECT_EQ(g.gridWidth, 0);
  EXPECT_TRUE(g.values.empty());
  EXPECT_EQ(g.initDataGridRect(3, -1), nullptr);
  EXPECT_EQ(g.initDataGridRect(1 << 20, 1 << 20), nullptr);  // would overflow 32-bit counts
  EXPECT_EQ(g.gridHeight, 0);
}
