#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "host/render/CBitmapHighQualityDrawqv.h"
#include "host/render/CContourLineMapqv.h"
#include "host/render/FieldImageMapping.h"
#include "platform/gdi/CPen.h"
#include "tests/host/render/TestCanvas.h"

using namespace hostrender;

namespace {

constexpr int kGridW = 41, kGridH = 35, kPanel = 480, kLeft = 60, kTop = 60;
constexpr double kScaleX = 9.0, kScaleY = 11.0;

// A positive and a negative bump on a gentle slope, values within [-1, 1].
CDataGridRect testField() {
  CDataGridRect g;
  double* values = g.initDataGridRect(kGridW, kGridH);
  const auto bump = [](int i, int j, double cu, double cv, double s) {
    return std::exp(-((i - cu) * (i - cu) + (j - cv) * (j - cv)) / (2 * s * s));
  };
  for (int j = 0; j < kGridH; ++j)
    for (int i = 0; i < kGridW; ++i)
      values[j * kGridW + i] = 0.8 * bump(i, j, 0.35 * kGridW, 0.6 * kGridH, 0.14 * kGridW) -
                               0.7 * bump(i, j, 0.7 * kGridW, 0.3 * kGridH, 0.12 * kGridW) + 0.1 * (i - kGridW / 2.0) / kGridW;
  return g;
}

// The canvas's field bitmap: one pixel per grid point, placed by the field image mapping,
// its value -1 to 1 coded as 0 to 250 in the blue byte; then drawn smoothly stretched, as
// the canvas draws it.
void drawField(CDC& dc, const CDataGridRect& field, const FieldImageMapping& m) {
  std::vector<std::uint32_t> bitmap(field.values.size());
  for (int j = 0; j < kGridH; ++j)
    for (int i = 0; i < kGridW; ++i)
      bitmap[m.bufferIndex(i, j)] =
          static_cast<std::uint32_t>(std::lround(125.0 * (field.values[static_cast<std::size_t>(j * kGridW + i)] + 1.0)));
  CBitmapHighQualityDrawqv drawer;
  ASSERT_EQ(drawer.drawHighQualityImage(&dc, bitmap.data(), kGridW, kGridH, m.image.Width(), m.image.Height(),
                                        m.image.left, m.image.top, 1, 12), 1);
}

}  // namespace

// Every pixel a line sets lies where the stretched field shows that line's level, in all
// four orientations. The lines are drawn apart, positive levels red and negative ones
// green; the nose-up picture, lines over the field, is written for a person to judge.
TEST(ContourOverField, PixelsUnderEveryLineShowItsLevelInTheField) {
  const CDataGridRect field = testField();
  CContourLineMapqv map;
  map.initLevelAbs(0.1, 0.8, 6);
  ASSERT_EQ(map.dataGrid2ContourLinePro(&field), 1);
  CPen red(PS_SOLID, 1, RGB(255, 0, 0)), green(PS_SOLID, 1, RGB(0, 255, 0));
  for (bool mirrored : {false, true}) {
    for (bool noseUp : {false, true}) {
      SCOPED_TRACE(testing::Message() << "mirrored " << mirrored << " noseUp " << noseUp);
      const FieldImageMapping m = FieldImageMapping::make(kGridW, kGridH, kLeft, kTop, kScaleX, kScaleY, mirrored, noseUp);
      TestCanvas values(kPanel, kPanel, 0), lines(kPanel, kPanel, 0);
      drawField(values.dc, field, m);
      lines.dc.MoveTo(1, 2);
      CPen* const selected = lines.dc.GetCurrentPen();
      ASSERT_EQ(map.drawMap(&lines.dc, kLeft, kTop, kScaleX, kScaleY, kPanel, kPanel, mirrored, noseUp, &red, &green), 1);
      EXPECT_EQ(lines.dc.GetCurrentPen(), selected);  // the DC's pen and position are kept
      EXPECT_EQ(lines.dc.GetCurrentPosition(), CPoint(1, 2));
      int checked = 0;
      for (int y = 0; y < kPanel; ++y) {
        for (int x = 0; x < kPanel; ++x) {
          const COLORREF line = lines.at(x, y);
          if (line == 0) continue;
          const double v = GetBValue(values.at(x, y)) / 125.0 - 1.0;
          double nearest = 1e9;
          for (double level : map.getLevels())
            if ((level > 0) == (line == RGB(255, 0, 0))) nearest = std::min(nearest, std::abs(v - level));
          ASSERT_LT(nearest, 0.04) << "line pixel " << x << "," << y << " over value " << v;
          ++checked;
        }
      }
      EXPECT_GT(checked, 1000);
      if (noseUp && !mirrored) {
        map.drawMap(&values.dc, kLeft, kTop, kScaleX, kScaleY, kPanel, kPanel, mirrored, noseUp, &red, &green);
        std::string error;
        EXPECT_TRUE(values.writePng("contour_over_field.png", error)) << error;
      }
    }
  }
}
