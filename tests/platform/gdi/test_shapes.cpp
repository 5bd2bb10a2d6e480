// Rectangles, ellipses and arcs: exact frames, symmetry, closed outlines, arc extents,
// pen widths and clipping.
#include "tests/platform/gdi/PixelTest.h"

#include <cmath>
#include <set>
#include <string>
#include <utility>

using namespace pixeltest;

namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet pixelsOf(const PixelSurface& s, COLORREF c) {
  PixelSet out;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) {
      if (s.colorAt(x, y) == c) out.insert({x, y});
    }
  }
  return out;
}

int blackNeighbours(const PixelSurface& s, int x, int y) {
  int n = 0;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) n += (dx || dy) && s.colorAt(x + dx, y + dy) == kBlack;
  }
  return n;
}

}  // namespace

TEST(Rectangle, FrameWithThePenInteriorWithTheBrush) {
  Canvas c(12, 10);
  CBrush red(kRed);
  c.dc.SelectObject(&red);
  EXPECT_TRUE(c.dc.Rectangle(8, 6, 2, 2));  // edges given in any order
  const CRect box(2, 2, 8, 6);
  EXPECT_EQ(countInside(c.surface, box, kBlack), 16);
  EXPECT_EQ(countInside(c.surface, CRect(3, 3, 7, 5), kRed), 8);
  EXPECT_EQ(countOutsideNot(c.surface, box, kWhite), 0) << picture(c.surface, c.surface.bounds(), kWhite);
  for (const CPoint p : {CPoint(2, 2), CPoint(7, 2), CPoint(2, 5), CPoint(7, 5)}) EXPECT_EQ(c.at(p.x, p.y), kBlack);

  c.dc.SelectStockObject(NULL_BRUSH);
  c.dc.FillSolidRect(0, 0, 12, 10, kWhite);
  c.dc.Rectangle(&box);
  EXPECT_EQ(countInside(c.surface, CRect(3, 3, 7, 5), kWhite), 8);
}

TEST(Rectangle, WidePenFrameIsCentredOnTheEdges) {
  Canvas c(16, 14);
  CPen pen(PS_SOLID, 3, kBlue);
  CBrush red(kRed);
  c.dc.SelectObject(&pen);
  c.dc.SelectObject(&red);
  c.dc.Rectangle(2, 2, 12, 10);
  // Edge pixels at x 2 and 11, y 2 and 9; three pixels across each.
  EXPECT_EQ(countInside(c.surface, CRect(1, 1, 13, 11), kBlue), 12 * 10 - 6 * 4);
  EXPECT_EQ(countInside(c.surface, CRect(4, 4, 10, 8), kRed), 24);
  EXPECT_EQ(countOutsideNot(c.surface, CRect(1, 1, 13, 11), kWhite), 0);
}

TEST(Rectangle, DottedFrameRunsItsPatternAround) {
  Canvas c(30, 10);
  CPen pen(PS_DOT, 1, kBlue);
  c.dc.SelectObject(&pen);
  c.dc.SelectStockObject(NULL_BRUSH);
  c.dc.SetBkMode(TRANSPARENT);
  c.dc.Rectangle(1, 1, 26, 8);
  for (int x = 1; x < 25; ++x) EXPECT_EQ(c.at(x, 1), (x - 1) % 6 < 3 ? kBlue : kWhite) << x;
  EXPECT_EQ(countOutsideNot(c.surface, CRect(1, 1, 26, 8), kWhite), 0);
}

TEST(Ellipse, SymmetricClosedOutlineTouchingItsRectangle) {
  const CSize sizes[] = {{3, 3}, {4, 4}, {3, 7}, {9, 9}, {10, 10}, {17, 8}, {40, 25}, {64, 9}};
  for (const CSize size : sizes) {
    Canvas c(size.cx + 10, size.cy + 10);
    CBrush red(kRed);
    c.dc.SelectObject(&red);
    const CRect box(CPoint(5, 5), size);
    c.dc.Ellipse(&box);
    const std::string where = std::to_string(size.cx) + "x" + std::to_string(size.cy) +
                              picture(c.surface, c.surface.bounds(), kWhite);
    ASSERT_EQ(countOutsideNot(c.surface, box, kWhite), 0) << where;
    // Mirror images about both centre lines of the rectangle.
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) {
        ASSERT_EQ(c.at(x, y), c.at(box.left + box.right - 1 - x, y)) << where;
        ASSERT_EQ(c.at(x, y), c.at(x, box.top + box.bottom - 1 - y)) << where;
      }
    }
    // It reaches all four edges of the rectangle.
    EXPECT_GT(countInside(c.surface, CRect(box.left, box.top, box.left + 1, box.bottom), kBlack), 0) << where;
    EXPECT_GT(countInside(c.surface, CRect(box.left, box.top, box.right, box.top + 1), kBlack), 0) << where;
    // The outline is a closed one-pixel curve; the brush fills only what it encloses.
    for (const auto& [x, y] : pixelsOf(c.surface, kBlack)) {
      ASSERT_GE(blackNeighbours(c.surface, x, y), 2) << x << "," << y << where;
    }
    for (const auto& [x, y] : pixelsOf(c.surface, kRed)) {
      for (const CPoint n : {CPoint(x - 1, y), CPoint(x + 1, y), CPoint(x, y - 1), CPoint(x, y + 1)}) {
        ASSERT_NE(c.at(n.x, n.y), kWhite) << "interior pixel on the edge at " << x << "," << y << where;
      }
    }
  }
}

TEST(Ellipse, WidePenBandIsCentredOnTheOutline) {
  Canvas c(40, 40);
  CPen pen(PS_SOLID, 3, kBlack);
  c.dc.SelectObject(&pen);
  c.dc.SelectStockObject(NULL_BRUSH);
  c.dc.Ellipse(10, 10, 31, 31);
  // Middle row: the band covers the outline column 10 and one column either side.
  for (int x = 8; x <= 12; ++x) EXPECT_EQ(c.at(x, 20), (x >= 9 && x <= 11) ? kBlack : kWhite) << x;
  for (int x = 28; x <= 32; ++x) EXPECT_EQ(c.at(x, 20), (x >= 29 && x <= 31) ? kBlack : kWhite) << x;
  EXPECT_EQ(inkBounds(c.surface, kWhite), CRect(9, 9, 32, 32));
}

TEST(AngleArc, FullCircleIsSymmetricInEveryDirection) {
  const int r = 11;
  const CPoint centre(20, 20);
  for (int w = 1; w <= 4; ++w) {
    Canvas c(41, 41);
    CPen pen(PS_SOLID, w, kBlack);
    c.dc.SelectObject(&pen);
    c.dc.MoveTo(centre.x + r, centre.y);
    EXPECT_TRUE(c.dc.AngleArc(centre.x, centre.y, r, 0.0f, 360.0f));
    EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(centre.x + r, centre.y));
    for (const CPoint p : {CPoint(r, 0), CPoint(-r, 0), CPoint(0, r), CPoint(0, -r)}) {
      EXPECT_EQ(c.at(centre.x + p.x, centre.y + p.y), kBlack) << w;
    }
    EXPECT_EQ(c.at(centre.x, centre.y), kWhite);
    for (int y = 0; y < 41; ++y) {
      for (int x = 0; x < 41; ++x) {
        ASSERT_EQ(c.at(x, y), c.at(40 - x, y)) << w;
        ASSERT_EQ(c.at(x, y), c.at(x, 40 - y)) << w;
        ASSERT_EQ(c.at(x, y), c.at(y, x)) << w;
      }
    }
  }
}

TEST(AngleArc, HalvesSplitTheCircleAndSweepDirectionsAgree) {
  const int cx = 15, cy = 15, r = 9;
  auto draw = [&](float start, float sweep) {
    Canvas c(31, 31);
    c.dc.MoveTo(cx + static_cast<int>(std::lround(r * std::cos(start * 3.14159265 / 180))),
                cy - static_cast<int>(std::lround(r * std::sin(start * 3.14159265 / 180))));
    c.dc.AngleArc(cx, cy, r, start, sweep);
    return std::make_pair(pixelsOf(c.surface, kBlack), c.dc.GetCurrentPosition());
  };
  const auto [upper, upperEnd] = draw(0.0f, 180.0f);
  const auto [lower, lowerEnd] = draw(180.0f, 180.0f);
  const auto [full, fullEnd] = draw(0.0f, 360.0f);
  EXPECT_EQ(upperEnd, CPoint(cx - r, cy));
  EXPECT_EQ(lowerEnd, CPoint(cx + r, cy));
  for (const auto& [x, y] : upper) {
    EXPECT_LE(y, cy);
    EXPECT_TRUE(upper.count({2 * cx - x, y})) << "upper half not symmetric at " << x;
  }
  for (const auto& [x, y] : lower) EXPECT_GE(y, cy);
  PixelSet both = upper;
  both.insert(lower.begin(), lower.end());
  EXPECT_EQ(both, full);
  // Clockwise from 0 through -90 covers what counter-clockwise from 270 through 90 does.
  const auto [cw, cwEnd] = draw(0.0f, -90.0f);
  const auto [ccw, ccwEnd] = draw(270.0f, 90.0f);
  EXPECT_EQ(cw, ccw);
  EXPECT_EQ(cwEnd, CPoint(cx, cy + r));
  EXPECT_FALSE(Canvas(4, 4).dc.AngleArc(1, 1, -1, 0.0f, 90.0f));
}

TEST(AngleArc, DrawsTheLineFromTheCurrentPosition) {
  Canvas c(30, 20);
  c.dc.MoveTo(0, 10);
  c.dc.AngleArc(20, 10, 5, 0.0f, 90.0f);  // starts at (25, 10)
  for (int x = 0; x < 25; ++x) EXPECT_EQ(c.at(x, 10), kBlack) << x;
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(20, 5));
}

TEST(Arc, EqualRaysDrawTheWholeOutlineAndOthersRunCounterClockwise) {
  const CRect box(4, 6, 35, 25);
  Canvas closed(40, 30);
  closed.dc.Arc(box.left, box.top, box.right, box.bottom, 4, 6, 4, 6);
  Canvas outline(40, 30);
  outline.dc.SelectStockObject(NULL_BRUSH);
  outline.dc.Ellipse(&box);
  EXPECT_TRUE(closed.surface == outline.surface);
  EXPECT_EQ(closed.dc.GetCurrentPosition(), CPoint(0, 0));

  // From the right-hand ray to the upward ray: the upper right quarter only.
  Canvas quarter(40, 30);
  quarter.dc.Arc(&box, CPoint(box.right + 10, 15), CPoint(19, box.top - 10));
  const PixelSet q = pixelsOf(quarter.surface, kBlack);
  ASSERT_FALSE(q.empty());
  for (const auto& [x, y] : q) {
    EXPECT_GE(x, 19);
    EXPECT_LE(y, 15);
    EXPECT_EQ(outline.at(x, y), kBlack);
  }
  EXPECT_TRUE(q.count({34, 15}) && q.count({19, 6}));
}

TEST(Ellipse, ClippingKeepsThePixelsOfTheWholeShape) {
  CPen pen(PS_SOLID, 2, kBlack);
  CBrush red(kRed);
  EXPECT_GT(expectCutToWindow(200, CRect(-40, -25, 0, 5), [&](CDC& dc) {
    dc.SelectObject(&pen);
    dc.SelectObject(&red);
    dc.Ellipse(-30, -20, 61, 47);
  }), 20);
}
