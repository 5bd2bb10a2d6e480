// Helpers of the draw engine's pixel tests: colour tables whose entries name their table
// and index (a pixel tells which table and entry a renderer chose), and a white memory DC
// larger than the views drawn into it, so guard pixels around a view can be read.
#pragma once

#include <array>
#include <vector>

#include "host/render/CADRindex2Colorqv.h"
#include "platform/afxwin.h"

namespace drawtest {

constexpr COLORREF kWhite = RGB(255, 255, 255);

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
  COLORREF at(int x, int y) const { return dc.GetPixel(x, y); }
  // Pixels of `area` (default: all) that are not white.
  int inked(CRect area = CRect(0, 0, 1 << 15, 1 << 15)) const {
    area.IntersectRect(area, CRect(CPoint(), bitmap.size()));
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += at(x, y) != kWhite ? 1 : 0;
    return n;
  }
};

}  // namespace drawtest
