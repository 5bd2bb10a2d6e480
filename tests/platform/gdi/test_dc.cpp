// Device context basics: fills and pixels with their clipping, origins, inversion, saved
// states and the state scope, object selection and memory DCs.
#include "tests/platform/gdi/PixelTest.h"

using namespace pixeltest;

TEST(Surface, StoresPixelsAsBlueGreenRedBytes) {
  PixelSurface s(3, 2, RGB(0x11, 0x22, 0x33));
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(s.bits());
  EXPECT_EQ(bytes[0], 0x33);  // blue
  EXPECT_EQ(bytes[1], 0x22);  // green
  EXPECT_EQ(bytes[2], 0x11);  // red
  EXPECT_EQ(bytes[3], 0x00);  // unused
  EXPECT_EQ(s.colorAt(2, 1), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(s.colorAt(3, 0), CLR_INVALID);
  EXPECT_TRUE(PixelSurface(0, 5).empty());
  EXPECT_TRUE(PixelSurface(PixelSurface::kMaxSide + 1, 1).empty());
}

TEST(Surface, BorrowedMemoryIsDrawnInPlaceWithItsStride) {
  std::uint32_t memory[4 * 3] = {};
  PixelSurface s(memory, 3, 3, 16);  // one spare pixel per row
  ASSERT_FALSE(s.empty());
  CDC dc(s, CPoint(), s.bounds());
  dc.FillSolidRect(0, 0, 10, 10, RGB(1, 2, 3));
  EXPECT_EQ(memory[4 + 2], PixelSurface::pixelOf(RGB(1, 2, 3)));
  EXPECT_EQ(memory[3], 0u);  // the spare pixel is not part of the surface
  EXPECT_TRUE(PixelSurface(memory, 3, 3, 10).empty());  // stride not a whole pixel
}

TEST(FillSolidRect, FillsExactlyTheHalfOpenRectangle) {
  Canvas c(20, 20);
  c.dc.FillSolidRect(5, 5, 4, 3, kRed);
  const CRect r(5, 5, 9, 8);
  EXPECT_EQ(countInside(c.surface, r, kRed), 12);
  EXPECT_EQ(countOutsideNot(c.surface, r, kWhite), 0) << picture(c.surface, CRect(3, 3, 11, 10), kWhite);
  // Like the framework, the fill colour becomes the background colour.
  EXPECT_EQ(c.dc.GetBkColor(), kRed);
  c.dc.FillSolidRect(CRect(1, 1, 1, 9), kBlue);  // zero width
  c.dc.FillSolidRect(12, 12, -3, 4, kBlue);       // negative width
  EXPECT_EQ(countInside(c.surface, c.surface.bounds(), kBlue), 0);
}

TEST(FillSolidRect, IsCutAtTheClipRectangleAndTheSurfaceEdges) {
  PixelSurface s(30, 20, kWhite);
  CDC dc(s, CPoint(3, 2), CRect(0, 0, 10, 8));  // window at (3, 2), client 10 x 8
  dc.FillSolidRect(-50, -50, 500, 500, kRed);
  const CRect window(3, 2, 13, 10);
  EXPECT_EQ(countInside(s, window, kRed), 80);
  EXPECT_EQ(countOutsideNot(s, window, kWhite), 0);

  Canvas c(20, 20);
  c.dc.FillSolidRect(-3, -3, 6, 6, kBlue);
  c.dc.FillSolidRect(18, 17, 10, 10, kBlue);
  EXPECT_EQ(countInside(c.surface, CRect(0, 0, 3, 3), kBlue), 9);
  EXPECT_EQ(countInside(c.surface, CRect(18, 17, 20, 20), kBlue), 6);
  EXPECT_EQ(countInside(c.surface, c.surface.bounds(), kBlue), 15);
  // Coordinates near the ends of the int range neither wrap around nor crash.
  c.dc.FillSolidRect(INT32_MAX - 2, 0, 100, 5, kRed);
  c.dc.FillSolidRect(INT32_MIN, INT32_MIN, 5, 5, kRed);
  EXPECT_EQ(countInside(c.surface, c.surface.bounds(), kRed), 0);
}

TEST(SetPixel, WritesInsideTheClipAndReportsOutside) {
  PixelSurface s(10, 10, kWhite);
  CDC dc(s, CPoint(2, 2), CRect(0, 0, 4, 4));
  EXPECT_EQ(dc.SetPixel(0, 0, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(s.colorAt(2, 2), RGB(1, 2, 3));
  EXPECT_EQ(dc.GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(dc.SetPixel(3, 3, kRed), kRed);
  EXPECT_EQ(s.colorAt(5, 5), kRed);
  for (const CPoint p : {CPoint(-1, 0), CPoint(0, -1), CPoint(4, 0), CPoint(0, 4),
                         CPoint(INT32_MIN, 0), CPoint(INT32_MAX, 3)}) {
    EXPECT_EQ(dc.SetPixel(p, kBlue), CLR_INVALID) << p.x << "," << p.y;
    EXPECT_EQ(dc.GetPixel(p), CLR_INVALID);
  }
  EXPECT_EQ(countInside(s, s.bounds(), kBlue), 0);
  CDC nothing;  // no target: every call is refused quietly
  EXPECT_EQ(nothing.SetPixel(0, 0, kRed), CLR_INVALID);
  nothing.FillSolidRect(0, 0, 5, 5, kRed);
}

TEST(Viewport, ShiftsLogicalCoordinatesButNotTheClip) {
  PixelSurface s(20, 20, kWhite);
  CDC dc(s, CPoint(2, 3), CRect(0, 0, 10, 10));
  EXPECT_EQ(dc.SetViewportOrg(5, 5), CPoint(0, 0));
  dc.SetPixel(0, 0, kRed);
  EXPECT_EQ(s.colorAt(7, 8), kRed);
  CRect box;
  EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
  EXPECT_EQ(box, CRect(-5, -5, 5, 5));
  dc.FillSolidRect(-100, -100, 300, 300, kBlue);
  EXPECT_EQ(countInside(s, CRect(2, 3, 12, 13), kBlue), 100);
  EXPECT_EQ(countOutsideNot(s, CRect(2, 3, 12, 13), kWhite), 0);
  EXPECT_EQ(dc.OffsetViewportOrg(-5, -5), CPoint(5, 5));
  EXPECT_EQ(dc.GetViewportOrg(), CPoint(0, 0));
}

TEST(ClipRectangle, NarrowsAndIsRestoredWithTheSavedState) {
  Canvas c(20, 20);
  c.dc.SetTextColor(kBlue);
  const int level = c.dc.SaveDC();
  EXPECT_EQ(level, 1);
  EXPECT_EQ(c.dc.IntersectClipRect(4, 4, 8, 8), SIMPLEREGION);
  c.dc.SetTextColor(kRed);
  c.dc.FillSolidRect(0, 0, 20, 20, kRed);
  EXPECT_EQ(countInside(c.surface, c.surface.bounds(), kRed), 16);
  EXPECT_EQ(c.dc.IntersectClipRect(10, 10, 12, 12), NULLREGION);
  EXPECT_EQ(c.dc.SetPixel(5, 5, kBlue), CLR_INVALID);
  EXPECT_FALSE(c.dc.RestoreDC(2));
  EXPECT_TRUE(c.dc.RestoreDC(-1));
  EXPECT_EQ(c.dc.GetTextColor(), kBlue);
  EXPECT_EQ(c.dc.SetPixel(15, 15, kBlue), kBlue);
  EXPECT_FALSE(c.dc.RestoreDC(-1));  // nothing left to restore
}

namespace {

// The attributes a DcStateScope changes and puts back.
struct Attributes {
  CPen* pen;
  CBrush* brush;
  CFont* font;
  COLORREF text, bk;
  int bkMode;
  CRect clip;
  bool operator==(const Attributes&) const = default;
};

Attributes attributesOf(const CDC& dc) {
  return {dc.GetCurrentPen(), dc.GetCurrentBrush(), dc.GetCurrentFont(), dc.GetTextColor(),
          dc.GetBkColor(),    dc.GetBkMode(),       dc.surfaceClip()};
}

}  // namespace

TEST(DcStateScope, PutsBackWhatItChangedAsItWasBeforeItsFirstChange) {
  Canvas c(20, 20);
  c.dc.SetViewportOrg(2, 1);
  c.dc.IntersectClipRect(0, 0, 15, 15);
  const Attributes before = attributesOf(c.dc);
  CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue), uncreated;
  CBrush brush(kBlue);
  CFont* font = StockObjects::font(DEFAULT_GUI_FONT);
  {
    DcStateScope scope(c.dc);
    // Nothing to select and an unknown mode change nothing and keep nothing; second
    // changes do not replace what the first kept.
    scope.pen(&uncreated).pen(&red).pen(&blue).brush(&brush).font(font);
    scope.textColor(kRed).textColor(kBlue).bkColor(kBlue).bkMode(99).bkMode(TRANSPARENT);
    scope.intersectClip(CRect(4, 4, 8, 8)).intersectClip(CRect(5, 5, 8, 8));
    EXPECT_EQ(attributesOf(c.dc), (Attributes{&blue, &brush, font, kBlue, kBlue, TRANSPARENT, CRect(7, 6, 10, 9)}));
    c.dc.MoveTo(3, 3);
  }
  EXPECT_EQ(attributesOf(c.dc), before);
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(3, 3));  // not kept: left where it was moved
  {
    DcStateScope scope(c.dc);
    scope.keepPosition();
    c.dc.LineTo(9, 9);
    scope.keepPosition();
  }
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(3, 3));
  c.dc.FillSolidRect(-2, -1, 20, 20, kRed);
  EXPECT_EQ(countInside(c.surface, c.surface.bounds(), kRed), 15 * 15);

  // What the scope did not change stays as the operation left it.
  {
    DcStateScope scope(c.dc);
    scope.pen(&red);
    c.dc.SetBkColor(kBlue);
  }
  EXPECT_EQ(c.dc.GetCurrentPen(), before.pen);
  EXPECT_EQ(c.dc.GetBkColor(), kBlue);
}

TEST(InvertRect, InvertsEveryByteAndTwiceRestores) {
  Canvas c(16, 12);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 16; ++x) c.dc.SetPixel(x, y, RGB(x * 16, y * 20, (x * y) & 0xFF));
  }
  const PixelSurface before = c.surface;
  CRect r(3, 2, 11, 9);
  c.dc.InvertRect(&r);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 16; ++x) {
      const COLORREF was = before.colorAt(x, y);
      EXPECT_EQ(c.at(x, y), r.PtInRect(CPoint(x, y)) ? (was ^ 0x00FFFFFF) : was) << x << "," << y;
    }
  }
  c.dc.InvertRect(&r);
  EXPECT_TRUE(c.surface == before);
  CRect outside(-5, -5, 40, 40);  // larger than the surface: cut, not overrun
  c.dc.InvertRect(&outside);
  c.dc.InvertRect(&outside);
  EXPECT_TRUE(c.surface == before);
}

TEST(GdiObjects, SelectionReturnsThePreviousObject) {
  Canvas c(10, 10);
  CPen red(PS_SOLID, 1, kRed);
  CPen* first = c.dc.SelectObject(&red);
  EXPECT_EQ(first, StockObjects::pen(BLACK_PEN));
  EXPECT_EQ(c.dc.SelectObject(first), &red);

  CPen uncreated;
  EXPECT_EQ(c.dc.SelectObject(&uncreated), nullptr);
  EXPECT_EQ(c.dc.GetCurrentPen(), first);
  EXPECT_EQ(c.dc.SelectStockObject(NULL_BRUSH), StockObjects::brush(WHITE_BRUSH));
  EXPECT_EQ(c.dc.SelectStockObject(12345), nullptr);
  EXPECT_FALSE(StockObjects::pen(BLACK_PEN)->DeleteObject());

  EXPECT_FALSE(red.CreatePen(PS_DOT, 1, kBlue));  // already holds a pen
  EXPECT_FALSE(CPen().CreatePen(99, 1, kBlue));
  EXPECT_FALSE(CPen().CreatePen(PS_SOLID, -1, kBlue));
}

TEST(GdiObjects, DeletingASelectedPenLeavesTheDcDrawingWithIt) {
  Canvas c(10, 10);
  {
    CPen blue(PS_SOLID, 1, kBlue);
    c.dc.SelectObject(&blue);
    EXPECT_TRUE(blue.DeleteObject());
    EXPECT_EQ(blue.GetSafeHandle(), nullptr);
  }
  c.dc.MoveTo(0, 5);
  c.dc.LineTo(10, 5);
  EXPECT_EQ(countInside(c.surface, c.surface.bounds(), kBlue), 10);
}

TEST(MemoryDC, DrawsOnTheSelectedBitmap) {
  CDC mem;
  EXPECT_EQ(mem.GetSafeHdc(), nullptr);
  ASSERT_TRUE(mem.CreateCompatibleDC(nullptr));
  EXPECT_FALSE(mem.CreateCompatibleDC(nullptr));
  CBitmap bmp;
  EXPECT_FALSE(CBitmap().CreateCompatibleBitmap(&mem, 0, 5));
  ASSERT_TRUE(bmp.CreateCompatibleBitmap(&mem, 8, 6));
  EXPECT_EQ(bmp.size(), CSize(8, 6));
  EXPECT_EQ(bmp.surface()->colorAt(7, 5), kBlack);  // a new bitmap is black
  CBitmap* placeholder = mem.SelectObject(&bmp);
  ASSERT_NE(placeholder, nullptr);
  mem.FillSolidRect(1, 1, 3, 3, kRed);
  EXPECT_EQ(bmp.surface()->colorAt(2, 2), kRed);
  CRect clip;
  mem.GetClipBox(&clip);
  EXPECT_EQ(clip, CRect(0, 0, 8, 6));
  EXPECT_EQ(mem.SelectObject(placeholder), &bmp);

  // A window DC cannot take a bitmap.
  Canvas c(4, 4);
  EXPECT_EQ(c.dc.SelectObject(&bmp), nullptr);
}

TEST(MemoryDC, SurvivesItsBitmapBeingDeletedWhileSelected) {
  CDC mem;
  mem.CreateCompatibleDC(nullptr);
  auto bmp = std::make_unique<CBitmap>();
  bmp->CreateCompatibleBitmap(&mem, 4, 4);
  mem.SelectObject(bmp.get());
  bmp.reset();
  mem.FillSolidRect(0, 0, 4, 4, kRed);
  EXPECT_EQ(mem.GetPixel(3, 3), kRed);
  EXPECT_TRUE(mem.DeleteDC());
  EXPECT_EQ(mem.GetPixel(3, 3), CLR_INVALID);
}
