#include "host/render/FieldImageMapping.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "host/render/BilinearScale.h"

using namespace hostrender;

TEST(FieldImageMapping, PlacesTheImageOneStepUpAndLeftOfTheOrigin) {
  const FieldImageMapping m = FieldImageMapping::make(10, 8, 60, 60, 4.0, 5.0, false, false);
  EXPECT_EQ(m.image, CRect(56, 55, 96, 95));
  // Truncation toward zero, also left of the device origin.
  EXPECT_EQ(FieldImageMapping::make(10, 10, 0, 1, 1.5, 1.75, false, false).image, CRect(-1, 0, 14, 17));
  EXPECT_TRUE(FieldImageMapping::make(0, 10, 60, 60, 4.0, 4.0, false, false).image.IsRectEmpty());
}

TEST(FieldImageMapping, MirroringAndNoseUpMoveGridPointsAsTheImageDoes) {
  // 10 × 10 grid, 4 pixels per step, image at (56, 56) to (96, 96).
  const auto at = [](bool mirrored, bool noseUp, double u, double v) {
    return FieldImageMapping::make(10, 10, 60, 60, 4.0, 4.0, mirrored, noseUp).gridToPixel(u, v);
  };
  // Grid row 0 (smallest layout y) is at the bottom, unless nose-up puts it at the top.
  EXPECT_EQ(at(false, false, 0, 0), CPoint(58, 94));
  EXPECT_EQ(at(false, true, 0, 0), CPoint(58, 58));
  // Mirroring swaps left and right only.
  EXPECT_EQ(at(true, false, 0, 0), CPoint(94, 94));
  EXPECT_EQ(at(true, true, 9, 9), CPoint(58, 94));
  // Fractional positions lie on the straight line between their points.
  EXPECT_EQ(at(false, false, 4.5, 9), CPoint(76, 58));
  const FieldImageMapping::Point p =
      FieldImageMapping::make(10, 10, 60, 60, 4.0, 4.0, true, false).gridToDevice(2.25, 3.5);
  EXPECT_DOUBLE_EQ(p.x, 56 + (9 - 2.25 + 0.5) * 4);
  EXPECT_DOUBLE_EQ(p.y, 56 + (9 - 3.5 + 0.5) * 4);
}

TEST(FieldImageMapping, BufferIndexCoversTheBitmapOnce) {
  for (bool mirrored : {false, true}) {
    for (bool noseUp : {false, true}) {
      const FieldImageMapping m = FieldImageMapping::make(7, 5, 0, 0, 1, 1, mirrored, noseUp);
      std::set<std::size_t> seen;
      for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 7; ++i) seen.insert(m.bufferIndex(i, j));
      EXPECT_EQ(seen.size(), 35u);
      EXPECT_EQ(*seen.rbegin(), 34u);
    }
  }
  const FieldImageMapping plain = FieldImageMapping::make(7, 5, 0, 0, 1, 1, false, false);
  EXPECT_EQ(plain.bufferIndex(2, 3), 3u * 7u + 2u);
  EXPECT_EQ(FieldImageMapping::make(7, 5, 0, 0, 1, 1, true, true).bufferIndex(2, 3), 1u * 7u + 4u);
}

// The field image path (bitmap by bufferIndex, stretched by the scaling kernel as a
// bottom-up image) must show a grid point's colour where gridToPixel says it is.
TEST(FieldImageMapping, AgreesWithTheStretchedFieldImage) {
  constexpr int gw = 9, gh = 7;
  for (bool mirrored : {false, true}) {
    for (bool noseUp : {false, true}) {
      const FieldImageMapping m = FieldImageMapping::make(gw, gh, 40, 30, 6.0, 5.0, mirrored, noseUp);
      for (const auto& [i0, j0] : {std::pair{0, 0}, std::pair{8, 0}, std::pair{0, 6}, std::pair{5, 2}}) {
        SCOPED_TRACE(testing::Message() << "mirrored " << mirrored << " noseUp " << noseUp << " point "
                                        << i0 << "," << j0);
        std::vector<std::uint32_t> bitmap(gw * gh, 0);
        bitmap[m.bufferIndex(i0, j0)] = 0x00FFFFFF;
        const PixelSource source{bitmap.data(), gw, gh, gw, true};
        const int w = m.image.Width(), h = m.image.Height();
        std::vector<std::uint32_t> device(static_cast<std::size_t>(w * h));
        ASSERT_TRUE(scaleBilinear(source, w, h, CRect(0, 0, w, h), device.data(), w));
        const auto shown = [&](double u, double v) {
          const CPoint p = m.gridToPixel(u, v);
          return static_cast<int>(device[static_cast<std::size_t>((p.y - m.image.top) * w + p.x - m.image.left)] & 0xFF);
        };
        // The point's own place shows (nearly) its full value, its neighbours' places none.
        EXPECT_GE(shown(i0, j0), 230);
        for (const auto& [di, dj] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
          if (i0 + di < 0 || i0 + di >= gw || j0 + dj < 0 || j0 + dj >= gh) continue;
          EXPECT_LE(shown(i0 + di, j0 + dj), 25) << "neighbour " << di << "," << dj;
        }
      }
    }
  }
}
