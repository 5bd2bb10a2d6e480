#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "PngTestImage.h"
#include "TestCanvas.h"
#include "host/render/CADRindex2Colorqv.h"
#include "host/render/CBitmapHighQualityDrawqv.h"
#include "host/render/CContourLineMapqv.h"
#include "host/render/FieldImageMapping.h"
#include "platform/CPen.h"

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
// coloured by `colour`(value); then drawn smoothly stretched, as the canvas draws it.
template <typename Colour>
void drawField(CDC& dc, const CDataGridRect& field, const FieldImageMapping& m, Colour colour) {
  std::vector<std::uint32_t> bitmap(field.values.size());
  for (int j = 0; j < kGridH; ++j)
    for (int i = 0; i < kGridW; ++i) bitmap[m.bufferIndex(i, j)] = colour(field.values[static_cast<std::size_t>(j * kGridW + i)]);
  CBitmapHighQualityDrawqv drawer;
  ASSERT_EQ(drawer.drawHighQualityImage(&dc, bitmap.data(), kGridW, kGridH, m.image.Width(), m.image.Height(),
                                        m.image.left, m.image.top, 1, 12), 1);
}

}  // namespace

// Every pixel a line sets lies where the stretched field shows that line's level, in all
// four orientations. The field's values -1 to 1 are coded as 0 to 250 in the blue byte; the
// lines are drawn apart, positive levels red and negative ones green.
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
      drawField(values.dc, field, m, [](double v) { return static_cast<std::uint32_t>(std::lround(125.0 * (v + 1.0))); });
      ASSERT_EQ(map.drawMap(&lines.dc, kLeft, kTop, kScaleX, kScaleY, kPanel, kPanel, mirrored, noseUp, &red, &green), 1);
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
    }
  }
}

// For a person to judge: every colour table as a strip on white and on black, each
// diverging pair as one scale from strongest negative to strongest positive; and the field
// in polarity colours with its contour lines, nose up, normal and mirrored side by side
// (positive levels black, negative white, the zero-free level set of the canvas).
TEST(ContourOverField, WritesPicturesOfTheColourTablesAndOfLinesOverTheField) {
  const CADRindex2Colorqv c;
  // Rows: the single tables, the polarity tables, then each pair from negative to positive.
  const std::vector<std::pair<const COLORREF*, int>> strips{
      {c.m_pSingleColor256, 256},   {c.m_pSingleColor512, 512},   {c.m_pSingleColor768, 768},   {c.m_pSingleColor1024, 1024},
      {c.m_pPositiveColor256, 256}, {c.m_pNegativeColor256, 256}, {c.m_pPositiveColor768, 768}, {c.m_pNegativeColor768, 768}};
  constexpr int kWidth = 1024, kStrip = 28, kGap = 8, kHalf = kGap + 10 * (kStrip + kGap);
  TestCanvas tables(kWidth + 2 * kGap, 2 * kHalf, RGB(255, 255, 255));
  tables.dc.FillSolidRect(0, kHalf, kWidth + 2 * kGap, kHalf, RGB(0, 0, 0));
  for (int row = 0; row < 10; ++row) {
    for (int x = 0; x < kWidth; ++x) {
      const int n = row < 8 ? strips[static_cast<std::size_t>(row)].second : row == 8 ? 256 : 768, k = x * 2 * n / kWidth;
      const COLORREF colour = row < 8 ? strips[static_cast<std::size_t>(row)].first[x * n / kWidth]
                                      : k < n ? strips[row == 8 ? 5 : 7].first[n - 1 - k] : strips[row == 8 ? 4 : 6].first[k - n];
      for (int y : {kGap, kHalf + kGap}) tables.dc.FillSolidRect(kGap + x, y + row * (kStrip + kGap), 1, kStrip, colour);
    }
  }
  EXPECT_TRUE(PngTestImage::writeTestPng(tables.pixels(), "colour_tables.png"));

  const CDataGridRect field = testField();
  CContourLineMapqv map;
  map.initLevelAbs(0.1, 0.8, 6);
  ASSERT_EQ(map.dataGrid2ContourLinePro(&field), 1);
  CPen black(PS_SOLID, 1, RGB(0, 0, 0)), white(PS_SOLID, 1, RGB(255, 255, 255));
  TestCanvas picture(2 * kPanel, kPanel, RGB(0, 0, 0));
  for (bool mirrored : {false, true}) {
    picture.dc.SaveDC();
    picture.dc.SetViewportOrg(mirrored ? kPanel : 0, 0);
    picture.dc.IntersectClipRect(0, 0, kPanel, kPanel);
    const FieldImageMapping m = FieldImageMapping::make(kGridW, kGridH, kLeft, kTop, kScaleX, kScaleY, mirrored, true);
    drawField(picture.dc, field, m, [&c](double v) {
      const int k = std::min(static_cast<int>(std::abs(v) / 0.8 * 768), 767);
      return PixelSurface::pixelOf(v < 0 ? c.m_pNegativeColor768[k] : c.m_pPositiveColor768[k]);
    });
    map.drawMap(&picture.dc, kLeft, kTop, kScaleX, kScaleY, kPanel, kPanel, mirrored, true, &black, &white);
    picture.dc.RestoreDC(-1);
  }
  EXPECT_TRUE(PngTestImage::writeTestPng(picture.pixels(), "contour_over_field.png"));
}
