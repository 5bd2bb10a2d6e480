// Pixel-test helpers for the draw engine's legends, read-outs, measures and waveform strip:
// a white memory-DC canvas on which a test can also draw what it expects with plain
// device-context calls, and comparisons that name the first differing pixel.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "draw/CMEGSpctmDrawqv.h"
#include "tests/draw/DrawTestSupport.h"
#include "tests/platform/PixelTest.h"

namespace drawtest {

using pixeltest::kBlack;

// The white memory canvas, with what a test needs to draw the picture it expects.
struct MemCanvas : MemoryCanvas {
  using MemoryCanvas::MemoryCanvas;
  const PixelSurface& surface() const { return *bitmap.surface(); }
  // Text at top-left (x, y) in the engine's font and text colour on a cell of colour bk.
  void text(const CMEGSpctmDrawqv& d, int x, int y, const std::wstring& s, COLORREF bk = kWhite) {
    CFont* old = dc.SelectObject(d.m_pFont);
    dc.SetTextColor(d.m_crText);
    dc.SetBkColor(bk);
    dc.TextOutW(x, y, s.c_str(), static_cast<int>(s.size()));
    dc.SelectObject(old);
  }
  int width(const CMEGSpctmDrawqv& d, const std::wstring& s) {
    CFont* old = dc.SelectObject(d.m_pFont);
    const CSize size = dc.GetTextExtent(s.c_str(), static_cast<int>(s.size()));
    dc.SelectObject(old);
    return size.cx;
  }
  void invert(int l, int t, int r, int b) {
    const CRect rect(l, t, r, b);
    dc.InvertRect(&rect);
  }
  void line(int x0, int y0, int x1, int y1, COLORREF color = kBlack) {
    CPen pen(PS_SOLID, 1, color);
    CPen* old = dc.SelectObject(&pen);
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
    dc.SelectObject(old);
  }
};

// Equal pixels in `area` of both canvases (the whole canvas by default).
inline ::testing::AssertionResult sameImage(const MemCanvas& actual, const MemCanvas& expected,
                                            CRect area = CRect(0, 0, 1 << 20, 1 << 20)) {
  area.IntersectRect(area, actual.surface().bounds());
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (actual.at(x, y) != expected.at(x, y)) {
        return ::testing::AssertionFailure() << "first difference at (" << x << ", " << y << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Whether the text cell at (x, y) shows exactly `s` on a cell of colour bk. Opaque text
// fills its whole cell, so the cell alone decides, whatever lay under it.
inline ::testing::AssertionResult textAt(const CMEGSpctmDrawqv& d, const MemCanvas& actual, int x,
                                         int y, const std::wstring& s, COLORREF bk = kWhite) {
  const CRect bounds = actual.surface().bounds();
  MemCanvas expected(bounds.Width(), bounds.Height());
  expected.text(d, x, y, s, bk);
  return sameImage(actual, expected, CRect(x, y, x + expected.width(d, s), y + d.m_lfFont.lfHeight))
         << " in the cell of \"" << toUtf8(s) << "\" at (" << x << ", " << y << ")";
}

}  // namespace drawtest
