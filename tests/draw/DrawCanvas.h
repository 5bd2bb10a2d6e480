// Helpers of the draw engine's pixel tests: an engine bound to a built dataset, colour
// tables whose entries name their table and index (a pixel tells which table and entry a
// renderer chose), and a white memory canvas larger than the views drawn into it, on which
// a test can also draw the picture it expects; comparisons name the first differing pixel.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "draw/CMEGSpctmDrawqv.h"
#include "tests/platform/gdi/PixelTest.h"
#include "tests/support/DatasetBuilder.h"

namespace drawtest {

using pixeltest::kBlack;
using pixeltest::kWhite;
using std::int64_t;
using Points = std::pair<int64_t, int64_t>;  // a time point and a frequency point (or value)

// Spectra of one value everywhere.
inline megdata::SpctmValueFn constant(double v) {
  return [v](int64_t, int64_t, int64_t, int) { return v; };
}

// Values that name their bins: with a range mapping value v to entry v, every pixel tells
// which channel, time point and frequency point landed there.
inline int binValue(int64_t c, int64_t t, int64_t f) { return static_cast<int>(1 + 100 * c + 10 * t + f); }
inline double namedBins(int64_t c, int64_t t, int64_t f, int) { return binValue(c, t, f); }

// n MEG channels named "C0", "C1" … at layout positions (i, 0).
inline megdata::DatasetBuilder megChannels(int n) {
  megdata::DatasetBuilder b;
  for (int i = 0; i < n; ++i) b.meg(L"C" + std::to_wstring(i), i, 0);
  return b;
}

// An engine bound to the current session and trial of a dataset built from `b`.
struct Bound {
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CMEGSpctmDrawqv d;
  explicit Bound(const megdata::DatasetBuilder& b) : ds(b.build()) { d.setDrawMEGData(ds.get()); }
};

enum Table : COLORREF { kSingle256 = 1, kSingle512, kSingle768, kSingle1024, kPos256, kPos768, kNeg256, kNeg768 };

// The tagged colour of entry `index` of a table: table number above, index below.
constexpr COLORREF entry(Table table, int index) { return (static_cast<COLORREF>(table) << 16) | COLORREF(index); }

// Points every colour table of `t` at tagged tables of the same sizes; must outlive the drawing.
class TaggedTables {
 public:
  explicit TaggedTables(CADRindex2Colorqv& t) {
    const std::array<const COLORREF**, 8> fields{
        &t.m_pSingleColor256,   &t.m_pSingleColor512,   &t.m_pSingleColor768,   &t.m_pSingleColor1024,
        &t.m_pPositiveColor256, &t.m_pPositiveColor768, &t.m_pNegativeColor256, &t.m_pNegativeColor768};
    constexpr std::array<int, 8> kSizes{256, 512, 768, 1024, 256, 768, 256, 768};
    for (std::size_t i = 0; i < fields.size(); ++i) {
      for (int k = 0; k < kSizes[i]; ++k) m_tables[i].push_back(entry(Table(i + 1), k));
      *fields[i] = m_tables[i].data();
    }
  }

 private:
  std::array<std::vector<COLORREF>, 8> m_tables;
};

// A memory DC with a white bitmap of the given size selected.
struct MemoryCanvas {
  CDC dc;
  CBitmap bitmap;
  MemoryCanvas(int width, int height) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, kWhite);
  }
  const PixelSurface& surface() const { return *bitmap.surface(); }
  COLORREF at(int x, int y) const { return dc.GetPixel(x, y); }
  // Pixels of `area` (default: all) that are not white.
  int inked(CRect area = CRect(0, 0, 1 << 15, 1 << 15)) const {
    if (!area.IntersectRect(area, surface().bounds())) return 0;
    return area.Width() * area.Height() - pixeltest::countInside(surface(), area, kWhite);
  }
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

// The attributes a drawing must leave on a device context as it found them.
struct DcState {
  CPen* pen;
  CFont* font;
  COLORREF text, bk;
  bool operator==(const DcState&) const = default;
};
inline DcState dcState(const CDC& dc) {
  return {dc.GetCurrentPen(), dc.GetCurrentFont(), dc.GetTextColor(), dc.GetBkColor()};
}

// Equal pixels in `area` of both canvases (the whole canvas by default).
inline ::testing::AssertionResult sameImage(const MemoryCanvas& actual, const MemoryCanvas& expected,
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

struct Pixel {
  int x, y;
  COLORREF colour;
};
// Whether every listed pixel has its colour; names the first that has not.
inline ::testing::AssertionResult pixelsAre(const MemoryCanvas& c, std::initializer_list<Pixel> pixels) {
  for (const Pixel& p : pixels) {
    if (c.at(p.x, p.y) != p.colour) {
      return ::testing::AssertionFailure() << "(" << p.x << ", " << p.y << ") is 0x" << std::hex << c.at(p.x, p.y)
                                           << ", not 0x" << p.colour;
    }
  }
  return ::testing::AssertionSuccess();
}

// Whether the text cell at (x, y) shows exactly `s` on a cell of colour bk. Opaque text
// fills its whole cell, so the cell alone decides, whatever lay under it.
inline ::testing::AssertionResult textAt(const CMEGSpctmDrawqv& d, const MemoryCanvas& actual, int x, int y,
                                         const std::wstring& s, COLORREF bk = kWhite) {
  const CRect bounds = actual.surface().bounds();
  MemoryCanvas expected(bounds.Width(), bounds.Height());
  expected.text(d, x, y, s, bk);
  return sameImage(actual, expected, CRect(x, y, x + expected.width(d, s), y + d.m_lfFont.lfHeight))
         << " in the cell of \"" << toUtf8(s) << "\" at (" << x << ", " << y << ")";
}

}  // namespace drawtest
