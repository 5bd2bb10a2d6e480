#include "host/render/FieldImageMapping.h"

#include <gtest/gtest.h>

using namespace hostrender;

TEST(FieldImageMapping, ImageSitsOneStepUpAndLeftAndGridRowZeroIsAtTheBottomUnlessNoseUp) {
  EXPECT_EQ(FieldImageMapping::make(10, 8, 60, 60, 4.0, 5.0, false, false).image, CRect(56, 55, 96, 95));
  // Truncation toward zero, also left of the device origin.
  EXPECT_EQ(FieldImageMapping::make(10, 10, 0, 1, 1.5, 1.75, false, false).image, CRect(-1, 0, 14, 17));
  // 10 × 10 grid, 4 pixels per step, image at (56, 56) to (96, 96).
  const auto at = [](bool mirrored, bool noseUp, double u, double v) {
    return FieldImageMapping::make(10, 10, 60, 60, 4.0, 4.0, mirrored, noseUp).gridToPixel(u, v);
  };
  EXPECT_EQ(at(false, false, 0, 0), CPoint(58, 94));
  EXPECT_EQ(at(false, true, 0, 0), CPoint(58, 58));
  EXPECT_EQ(at(true, false, 0, 0), CPoint(94, 94));  // mirroring swaps left and right only
  EXPECT_EQ(at(true, true, 9, 9), CPoint(58, 94));
  EXPECT_EQ(at(false, false, 4.5, 9), CPoint(76, 58));
  // The bitmap stores rows bottom-up: grid point (2, 3) of a 7 × 5 grid.
  EXPECT_EQ(FieldImageMapping::make(7, 5, 0, 0, 1, 1, false, false).bufferIndex(2, 3), 3u * 7u + 2u);
  EXPECT_EQ(FieldImageMapping::make(7, 5, 0, 0, 1, 1, true, true).bufferIndex(2, 3), 1u * 7u + 4u);
}
