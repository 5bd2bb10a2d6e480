// Helpers for pixel tests of the draw engine's legends, read-outs, measures and waveform
// strip: a white memory-DC canvas, a second canvas on which a test draws what it expects
// with plain device-context calls, and comparisons that list the differing pixels.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "draw/CMEGSpctmDrawqv.h"
#include "platform/afxwin.h"
#include "tests/platform/PixelTest.h"

namespace drawtest {

using pixeltest::kBlack;
using pixeltest::kWhite;

// A white memory DC over a bitmap of the given size.
struct MemCanvas {
  CDC dc;
  CBitmap bitmap;
  MemCanvas(int width, int height) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, kWhite);
  }
  const PixelSurface& surface() const { return *bitmap.surface(); }
  COLORREF at(int x, int y) const { return surface().colorAt(x, y); }
  int width() const { return surface().width(); }
  int height() const { return surface().height(); }
  // Text with its top-left corner at (x, y), in the engine's label font and text colour on
  // a cell of colour bk: what the engine's texts look like on a cleared view.
  void text(const CMEGSpctmDrawqv& d, int x, int y, const std::wstring& s, COLORREF bk = kWhite) {
    CFont* old = dc.SelectObject(d.m_pFont);
    dc.SetTextColor(d.m_crText);
    dc.SetBkColor(bk);
    dc.TextOutW(x, y, s.c_str(), static_cast<int>(s.size()));
    dc.SelectObject(old);
  }
  CSize extent(const CMEGSpctmDrawqv& d, const std::wstring& s) {
    CFont* old = dc.SelectObject(d.m_pFont);
    CSize size;
    dc.GetTextExtentPoint32W(s.c_str(), static_cast<int>(s.size()), &size);
    dc.SelectObject(old);
    return size;
  }
  void invert(int l, int t, int r, int b) {
    const CRect rect(l, t, r, b);
    dc.InvertRect(&rect);
  }
  void line(int x0, int y0, int x1, int y1, COLORREF color) {
    CPen pen(PS_SOLID, 1, color);
    CPen* old = dc.SelectObject(&pen);
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
    dc.SelectObject(old);
  }
};

// Number of pixels that differ between two canvases of the same size, and a listing of
// the first few for the failure message.
inline ::testing::AssertionResult sameImage(const MemCanvas& actual, const MemCanvas& expected) {
  int differing = 0;
  std::string where;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.at(x, y) == expected.at(x, y)) continue;
      if (++differing <= 8) where += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differing << " pixels differ, first at" << where;
}

// Whether the text cell at (x, y) shows exactly `s` as the engine writes it on a cell of
// colour bk (opaque text fills its whole cell, so the cell alone decides, whatever lay
// under it).
inline ::testing::AssertionResult textAt(const CMEGSpctmDrawqv& d, const MemCanvas& actual, int x,
                                         int y, const std::wstring& s, COLORREF bk = kWhite) {
  MemCanvas expected(actual.width(), actual.height());
  expected.text(d, x, y, s, bk);
  const CSize size = expected.extent(d, s);
  for (int yy = std::max(y, 0); yy < std::min(y + size.cy, actual.height()); ++yy) {
    for (int xx = std::max(x, 0); xx < std::min(x + size.cx, actual.width()); ++xx) {
      if (actual.at(xx, yy) != expected.at(xx, yy)) {
        return ::testing::AssertionFailure() << "text cell of \"" << toUtf8(s) << "\" at (" << x << ","
                                             << y << ") differs first at (" << xx << "," << yy << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Pixels of the canvas that are not white.
inline int inkCount(const MemCanvas& c) {
  return c.width() * c.height() - pixeltest::countInside(c.surface(), c.surface().bounds(), kWhite);
}

}  // namespace drawtest
