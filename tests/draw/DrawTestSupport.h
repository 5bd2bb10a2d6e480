// Helpers of the draw engine's pixel tests: colour tables whose entries name their table
// and index (so a pixel tells which table and which entry a renderer chose), and a white
// memory DC larger than the views drawn into it, so guard pixels around a view can be read.
#pragma once

#include <array>
#include <vector>

#include "host/render/CADRindex2Colorqv.h"
#include "platform/afxwin.h"

namespace drawtest {

constexpr COLORREF kWhite = RGB(255, 255, 255);

enum Table : COLORREF {
  kSingle256 = 1,
  kSingle512,
  kSingle768,
  kSingle1024,
  kPositive256,
  kPositive768,
  kNegative256,
  kNegative768,
};

// The tagged colour of entry `index` of a table: table number above, index below.
constexpr COLORREF entry(Table table, int index) {
  return (static_cast<COLORREF>(table) << 16) | static_cast<COLORREF>(index);
}

// Points every colour table of `tables` at tagged tables of the same sizes; the object
// must outlive the drawing.
class TaggedTables {
 public:
  explicit TaggedTables(CADRindex2Colorqv& tables) {
    tables.m_pSingleColor256 = make(kSingle256, 256);
    tables.m_pSingleColor512 = make(kSingle512, 512);
    tables.m_pSingleColor768 = make(kSingle768, 768);
    tables.m_pSingleColor1024 = make(kSingle1024, 1024);
    tables.m_pPositiveColor256 = make(kPositive256, 256);
    tables.m_pPositiveColor768 = make(kPositive768, 768);
    tables.m_pNegativeColor256 = make(kNegative256, 256);
    tables.m_pNegativeColor768 = make(kNegative768, 768);
  }

 private:
  const COLORREF* make(Table table, int size) {
    std::vector<COLORREF>& t = m_tables[table - 1];
    for (int i = 0; i < size; ++i) t.push_back(entry(table, i));
    return t.data();
  }
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
  // Pixels of `area` that are not white.
  int inked(const CRect& area) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += at(x, y) != kWhite ? 1 : 0;
    return n;
  }
  int inkedAll() const { return inked(CRect(CPoint(), bitmap.size())); }
};

}  // namespace drawtest
