// Lines: the end-point rule, clipping that keeps the unclipped path, pen patterns and
// background modes, wide pens.
#include "tests/platform/gdi/PixelTest.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace pixeltest;

namespace {

void line(CDC& dc, int x0, int y0, int x1, int y1) {
  dc.MoveTo(x0, y0);
  dc.LineTo(x1, y1);
}

}  // namespace

TEST(LineTo, ExcludesTheEndPointInEveryDirection) {
  struct Case { CPoint from, to; };
  for (const Case k : {Case{{2, 5}, {8, 5}}, Case{{8, 5}, {2, 5}}, Case{{5, 1}, {5, 9}},
                       Case{{5, 9}, {5, 1}}, Case{{1, 1}, {7, 7}}, Case{{7, 1}, {1, 7}}}) {
    Canvas c(12, 12);
    c.dc.MoveTo(k.from);
    EXPECT_TRUE(c.dc.LineTo(k.to));
    EXPECT_EQ(c.dc.GetCurrentPosition(), k.to);
    EXPECT_EQ(c.at(k.from.x, k.from.y), kBlack);
    EXPECT_EQ(c.at(k.to.x, k.to.y), kWhite);
    const int length = std::max(std::abs(k.to.x - k.from.x), std::abs(k.to.y - k.from.y));
    EXPECT_EQ(countInside(c.surface, c.surface.bounds(), kBlack), length)
        << picture(c.surface, c.surface.bounds(), kWhite);
  }
}

TEST(LineTo, SteppingRoundsHalfwayPointsAwayFromTheStart) {
  Canvas c(12, 6);
  line(c.dc, 0, 0, 10, 3);
  // Column i holds row round(3 i / 10), halves upward: 0 0 1 1 1 2 2 2 2 3.
  const int rows[] = {0, 0, 1, 1, 1, 2, 2, 2, 2, 3};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(c.at(x, rows[x]), kBlack) << x;
  EXPECT_EQ(countInside(c.surface, c.surface.bounds(), kBlack), 10);
}

TEST(LineTo, ClosedPolylineDrawsEachCornerOnce) {
  Canvas c(10, 10);
  c.dc.MoveTo(1, 1);
  for (const CPoint p : {CPoint(6, 1), CPoint(6, 6), CPoint(1, 6), CPoint(1, 1)}) c.dc.LineTo(p);
  EXPECT_EQ(countInside(c.surface, CRect(1, 1, 7, 7), kBlack), 20);
  EXPECT_EQ(countInside(c.surface, CRect(2, 2, 6, 6), kBlack), 0);
  EXPECT_EQ(countOutsideNot(c.surface, CRect(1, 1, 7, 7), kWhite), 0);
}

TEST(LineTo, ClippingKeepsThePixelsOfTheWholeLine) {
  // Thin and wide lines from far outside a small window show there exactly the pixels of
  // the same line drawn whole.
  struct Case { CPoint from, to; int width; };
  const Case cases[] = {{{-900, -300}, {900, 310}, 1}, {{880, 290}, {-870, -300}, 1}, {{-40, -700}, {55, 800}, 1},
                        {{30, 800}, {-45, -700}, 1},   {{-900, 7}, {900, 9}, 1},       {{12, -800}, {12, 800}, 1},
                        {{-600, 600}, {600, -600}, 1}, {{-20, -15}, {25, 20}, 4},      {{-900, 7}, {900, 29}, 3}};
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "line " << k.from.x << "," << k.from.y << " width " << k.width);
    CPen pen(PS_SOLID, k.width, kBlack);
    EXPECT_GT(expectCutToWindow(2000, CRect(-15, -10, 40, 30), [&](CDC& dc) {
      dc.SelectObject(&pen);
      line(dc, k.from.x, k.from.y, k.to.x, k.to.y);
    }), 0);
  }
}

TEST(PenPatterns, DotsAndDashesRunAcrossSegmentsAndRestartAtMoveTo) {
  struct Case { int style; std::vector<int> on; int period; };
  const Case cases[] = {{PS_DOT, {0, 1, 2}, 6},
                        {PS_DASH, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, 24}};
  for (const Case& k : cases) {
    Canvas c(60, 4);
    CPen pen(k.style, 1, kBlue);
    c.dc.SelectObject(&pen);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.MoveTo(0, 1);
    c.dc.LineTo(7, 1);  // the pattern carries on into the next segment
    c.dc.LineTo(48, 1);
    line(c.dc, 0, 2, 48, 2);  // the same in one piece
    for (int x = 0; x < 48; ++x) {
      const bool on = std::find(k.on.begin(), k.on.end(), x % k.period) != k.on.end();
      EXPECT_EQ(c.at(x, 1), on ? kBlue : kWhite) << "style " << k.style << " x " << x;
      EXPECT_EQ(c.at(x, 2), c.at(x, 1)) << x;
    }
  }
}

TEST(PenPatterns, OpaqueModeFillsTheGapsWithTheBackgroundColour) {
  Canvas c(20, 3);
  CPen pen(PS_DOT, 1, kBlue);
  c.dc.SelectObject(&pen);
  c.dc.SetBkColor(kRed);
  c.dc.SetBkMode(OPAQUE);
  line(c.dc, 0, 1, 12, 1);
  for (int x = 0; x < 12; ++x) EXPECT_EQ(c.at(x, 1), x % 6 < 3 ? kBlue : kRed) << x;
  EXPECT_EQ(c.at(12, 1), kWhite);
  // A wide patterned pen draws solid.
  CPen wide(PS_DASH, 2, kBlue);
  c.dc.SelectObject(&wide);
  line(c.dc, 0, 2, 19, 2);
  EXPECT_EQ(countInside(c.surface, CRect(0, 2, 19, 3), kBlue), 19);
}

TEST(PenWidths, OneToFourPixelsAcrossWithRoundEnds) {
  for (int w = 1; w <= 4; ++w) {
    Canvas h(40, 20);
    CPen pen(PS_SOLID, w, kRed);
    h.dc.SelectObject(&pen);
    line(h.dc, 10, 10, 30, 10);
    // Across the middle: w rows, starting w/2 above the line's row.
    std::vector<int> rows;
    for (int y = 0; y < 20; ++y) {
      if (h.at(20, y) == kRed) rows.push_back(y);
    }
    ASSERT_EQ(static_cast<int>(rows.size()), w) << picture(h.surface, CRect(5, 5, 35, 15), kWhite);
    EXPECT_EQ(rows.front(), 10 - w / 2);
    // Wide lines keep both end points (round ends); thin ones drop the last.
    EXPECT_EQ(h.at(10, 10), kRed);
    EXPECT_EQ(h.at(30, 10), w > 1 ? kRed : kWhite);
    // Mirror image about the line's middle (half a pixel left of it for even widths).
    const int mirrorX2 = (w % 2 == 0) ? 39 : 40;
    for (int y = 0; y < 20 && w > 1; ++y) {
      for (int x = mirrorX2 - 39; x < 40; ++x) {
        ASSERT_EQ(h.at(x, y), h.at(mirrorX2 - x, y)) << w << ": " << x << "," << y;
      }
    }

    // The vertical line is the horizontal one transposed.
    Canvas v(20, 40);
    v.dc.SelectObject(&pen);
    line(v.dc, 10, 10, 10, 30);
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 20; ++x) ASSERT_EQ(v.at(x, y), h.at(y, x)) << w << ": " << x << "," << y;
    }
  }
}

TEST(PenStyles, NullPenDrawsNothingButMoves) {
  Canvas c(10, 10);
  c.dc.SelectStockObject(NULL_PEN);
  line(c.dc, 0, 0, 9, 9);
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(9, 9));
  EXPECT_EQ(inkBounds(c.surface, kWhite), CRect());
}
