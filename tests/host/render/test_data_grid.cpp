#include "host/render/CDataGridRect.h"

#include <gtest/gtest.h>

TEST(DataGridRect, EveryGridStartsFreshAndBadSizesLeaveNone) {
  CDataGridRect g;
  double* values = g.initDataGridRect(5, 3);
  ASSERT_EQ(values, g.values.data());
  values[11] = 3.0;
  g.weights[2].chnl.push_back(4);
  ASSERT_NE(g.initDataGridRect(4, 4), nullptr);
  EXPECT_EQ(g.values[11], 0.0);
  EXPECT_EQ(g.weights[2].count(), 0);
  EXPECT_EQ(g.axisOffsetX.size() + g.pointY.size(), 20u);
  for (const auto& [w, h] : {std::pair{0, 3}, std::pair{1 << 20, 1 << 20}}) {
    EXPECT_EQ(g.initDataGridRect(w, h), nullptr);
    EXPECT_TRUE(g.gridWidth == 0 && g.values.empty());
  }
  EXPECT_EQ(g.checkInitSnsrLoc2D(0), nullptr);
}
