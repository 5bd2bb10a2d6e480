// Helpers for pixel-exact tests of the platform's drawing: a white test surface with a DC
// over it, pixel counts inside and outside rectangles, a clipped drawing compared with the
// whole one, and a text picture of a region to show in failure messages.
#pragma once

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/DcStateScope.h"
#include "platform/gdi/PngExport.h"
#include "platform/gdi/StockObjects.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Readable values in failure messages (found by GoogleTest next to the types).
inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const CSize& s, std::ostream* os) { *os << s.cx << " x " << s.cy; }
inline void PrintTo(const CRect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace pixeltest {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A white surface with a DC drawing on all of it.
struct Canvas {
  PixelSurface surface;
  CDC dc;
  Canvas(int width, int height) : surface(width, height, kWhite), dc(surface, CPoint(), surface.bounds()) {}
  COLORREF at(int x, int y) const { return surface.colorAt(x, y); }
};

// Pixels of `surface` inside `area` (cut to the surface) that have colour c.
inline int countInside(const PixelSurface& surface, const CRect& area, COLORREF c) {
  int n = 0;
  for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, surface.height()); ++y) {
    for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, surface.width()); ++x) {
      if (surface.colorAt(x, y) == c) ++n;
    }
  }
  return n;
}

// Pixels of `surface` outside `area` that differ from colour c.
inline int countOutsideNot(const PixelSurface& surface, const CRect& area, COLORREF c) {
  int n = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (!area.PtInRect(CPoint(x, y)) && surface.colorAt(x, y) != c) ++n;
    }
  }
  return n;
}

// Smallest rectangle holding every pixel that differs from `background` (empty if none).
inline CRect inkBounds(const PixelSurface& surface, COLORREF background) {
  CRect box;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.colorAt(x, y) != background) box.UnionRect(box, CRect(x, y, x + 1, y + 1));
    }
  }
  return box;
}

// One character per pixel of `area`: '.' for `background`, '#' otherwise.
inline std::string picture(const PixelSurface& surface, const CRect& area, COLORREF background) {
  std::string s = "\n";
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) s += surface.colorAt(x, y) == background ? '.' : '#';
    s += '\n';
  }
  return s;
}

// Draws with draw(dc) twice on side x side surfaces whose DCs have their origin at the
// centre: once over the whole surface, once clipped to `window` (logical coordinates).
// Expects the clipped drawing to show exactly the whole one's pixels inside the window and
// nothing outside; returns its black pixels, to show that the case reaches the window.
template <class Draw>
int expectCutToWindow(int side, const CRect& window, Draw&& draw) {
  const CPoint org(side / 2, side / 2);
  PixelSurface whole(side, side, kWhite);
  PixelSurface part(side, side, kWhite);
  CDC ref(whole, org, CRect(-org.x, -org.y, side - org.x, side - org.y));
  CDC dc(part, org, window);
  draw(ref);
  draw(dc);
  CRect shown = window;
  shown.OffsetRect(org);
  for (int y = shown.top - 5; y < shown.bottom + 5; ++y) {
    for (int x = shown.left - 5; x < shown.right + 5; ++x) {
      const COLORREF want = shown.PtInRect(CPoint(x, y)) ? whole.colorAt(x, y) : kWhite;
      if (part.colorAt(x, y) != want) {
        ADD_FAILURE() << "at " << x << "," << y << ": " << part.colorAt(x, y) << " instead of " << want;
        return -1;
      }
    }
  }
  EXPECT_EQ(countOutsideNot(part, shown, kWhite), 0);
  return countInside(part, shown, kBlack);
}

}  // namespace pixeltest
