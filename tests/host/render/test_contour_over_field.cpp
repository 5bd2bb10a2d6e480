#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "PngTestImage.h"
#include "host/render/BilinearScale.h"
#include "host/render/CADRindex2Colorqv.h"
#include "host/render/CContourLineMapqv.h"
#include "host/render/FieldImageMapping.h"

using namespace hostrender;

namespace {

// A positive and a negative bump on a gentle slope, values within [-1, 1].
CDataGridRect testField(int w, int h) {
  CDataGridRect g;
  double* values = g.initDataGridRect(w, h);
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const auto bump = [i, j](double cu, double cv, double s) {
        return std::exp(-((i - cu) * (i - cu) + (j - cv) * (j - cv)) / (2 * s * s));
      };
      values[j * w + i] = 0.8 * bump(0.35 * w, 0.6 * h, 0.14 * w) - 0.7 * bump(0.7 * w, 0.3 * h, 0.12 * w) +
                          0.1 * (i - w / 2.0) / w;
    }
  }
  return g;
}

// The field's pixels stretched onto a device buffer of the given size, as the canvas does.
std::vector<std::uint32_t> stretch(const std::vector<std::uint32_t>& bitmap, const FieldImageMapping& m,
                                   int deviceWidth, int deviceHeight, std::uint32_t background) {
  std::vector<std::uint32_t> device(static_cast<std::size_t>(deviceWidth * deviceHeight), background);
  CRect visible;
  visible.IntersectRect(m.image, CRect(0, 0, deviceWidth, deviceHeight));
  CRect part = visible;
  part.OffsetRect(-m.image.left, -m.image.top);
  const PixelSource source{bitmap.data(), m.gridWidth, m.gridHeight, m.gridWidth, true};
  EXPECT_TRUE(scaleBilinear(source, m.image.Width(), m.image.Height(), part,
                            device.data() + visible.top * deviceWidth + visible.left, deviceWidth));
  return device;
}

// Calls visit(x, y) at device points every half pixel along every line.
template <typename Visit>
void alongLines(const CContourLineMapqv& map, const FieldImageMapping& m, Visit visit) {
  for (const ContourLine& line : map.getLines()) {
    for (std::size_t k = 0; k + 1 < line.points.size(); ++k) {
      const FieldImageMapping::Point a = m.gridToDevice(line.points[k].u, line.points[k].v);
      const FieldImageMapping::Point b = m.gridToDevice(line.points[k + 1].u, line.points[k + 1].v);
      const int steps = 1 + static_cast<int>(2.0 * std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)));
      for (int s = 0; s <= steps; ++s) {
        const double t = static_cast<double>(s) / steps;
        visit(line, a.x + t * (b.x - a.x), a.y + t * (b.y - a.y));
      }
    }
  }
}

}  // namespace

// Lines must sit where the stretched field shows their level, in every orientation. The
// field's values -1 to 1 are coded as 0 to 250 in the lowest byte of its pixels. For a
// person to judge, the nose-up panels (normal and mirrored) are also written as a picture:
// the field in polarity colours with positive lines black and negative lines white.
TEST(ContourOverField, LinesLieWhereTheStretchedFieldShowsTheirLevel) {
  constexpr int gw = 41, gh = 35, panel = 480;
  const CDataGridRect field = testField(gw, gh);
  const CADRindex2Colorqv colours;
  CContourLineMapqv map;
  map.initLevelAbs(0.1, 0.8, 6);
  ASSERT_EQ(map.dataGrid2ContourLinePro(&field), 1);
  PngTestImage picture(2 * panel, panel, 0);
  for (bool mirrored : {false, true}) {
    for (bool noseUp : {false, true}) {
      SCOPED_TRACE(testing::Message() << "mirrored " << mirrored << " noseUp " << noseUp);
      const FieldImageMapping m = FieldImageMapping::make(gw, gh, 60, 60, 9.0, 11.0, mirrored, noseUp);
      std::vector<std::uint32_t> bitmap(gw * gh);
      for (int j = 0; j < gh; ++j)
        for (int i = 0; i < gw; ++i)
          bitmap[m.bufferIndex(i, j)] =
              static_cast<std::uint32_t>(std::lround(125.0 * (field.values[static_cast<std::size_t>(j * gw + i)] + 1.0)));
      const std::vector<std::uint32_t> device = stretch(bitmap, m, panel, panel, 125);
      const auto valueAt = [&](int x, int y) { return device[static_cast<std::size_t>(y * panel + x)] / 125.0 - 1.0; };
      const int offset = mirrored ? panel : 0;
      if (noseUp) {
        for (int y = 0; y < panel; ++y) {
          for (int x = 0; x < panel; ++x) {
            if (!m.image.PtInRect(CPoint(x, y))) continue;  // the canvas stays black around the field
            const double v = valueAt(x, y);
            const int k = std::min(static_cast<int>(std::abs(v) / 0.8 * 768), 767);
            picture.at(offset + x, y) = surfacePixel(v < 0 ? colours.m_pNegativeColor768[k] : colours.m_pPositiveColor768[k]);
          }
        }
      }
      int checked = 0;
      alongLines(map, m, [&](const ContourLine& line, double x, double y) {
        ASSERT_TRUE(x >= 0 && y >= 0 && x < panel && y < panel);
        ASSERT_NEAR(valueAt(static_cast<int>(x), static_cast<int>(y)), line.level, 0.03) << "at device " << x << "," << y;
        if (noseUp) picture.at(offset + static_cast<int>(x), static_cast<int>(y)) = line.level > 0 ? 0x000000 : 0xFFFFFF;
        ++checked;
      });
      EXPECT_GT(checked, 1000);
    }
  }
  EXPECT_TRUE(picture.write("contour_over_field.png"));
}
