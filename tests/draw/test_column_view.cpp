// The multi-channel column view: layout numbers, base lines, names, the time grid, and the
// blocks' first points and limits. Values name their bins (v = 1 + 100·channel + 10·t + f)
// and the colour tables are tagged, so every pixel tells which bin landed there.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/data/DatasetBuilder.h"
#include "tests/draw/DrawTestSupport.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

using std::int64_t;

double binValue(int64_t c, int64_t t, int64_t f) { return static_cast<double>(1 + 100 * c + 10 * t + f); }

// n MEG channels named "C0" … on a T × F grid of Active spectra with binValue.
DatasetBuilder named(int n, int64_t T, int64_t F) {
  DatasetBuilder b;
  for (int i = 0; i < n; ++i) b.meg(L"C" + std::to_wstring(i), i, 0);
  b.grid(T, F).spectra(0, [](int64_t c, int64_t t, int64_t f, int) { return binValue(c, t, f); });
  return b;
}

// An engine bound to a dataset with tagged tables and ranges that map value v to entry v:
// window view on the 1024 single table, peak view on the 768 positive table.
struct Columns {
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CMEGSpctmDrawqv d;
  TaggedTables tables{d};
  explicit Columns(const DatasetBuilder& b) : ds(b.build()) {
    d.setDrawMEGData(ds.get());
    d.m_dColorMin = 0.0;
    d.m_dColorMax = 1024.0;
  }
  void peak() {
    d.m_nViewMode = 2;
    d.m_dColorMin = 0.0;
    d.m_dColorMax = 0.0;
    d.m_dOuterMax = 768.0;
  }
  // A fixed layout: 2 rows of 5 pixels per column, plots 4 wide, pitch 50 (name 40, gap 6).
  void smallLayout() {
    d.m_nRowsPerColumn = 2;
    d.m_nRowHeight = 5;
    d.m_nColumnWidth = 4;
    d.m_nColumns = 2;
  }
};

struct Layout {
  int visible, rows, height, width;
  bool operator==(const Layout&) const = default;
};
Layout layout(const CMEGSpctmDrawqv& d) {
  return {d.m_nVisibleChannels, d.m_nRowsPerColumn, d.m_nRowHeight, d.m_nColumnWidth};
}

// Expects exactly the pixels `expected` (position → colour) inked in `area`, white elsewhere.
void expectBlocks(const MemoryCanvas& c, const std::vector<std::pair<CPoint, COLORREF>>& expected, CRect area) {
  MemoryCanvas want(area.right, area.bottom);
  for (const auto& [p, colour] : expected) want.dc.SetPixel(p.x, p.y, colour);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) ASSERT_EQ(c.at(x, y), want.at(x, y)) << "at " << x << ", " << y;
}

template <class Pred>
int countIf(const MemoryCanvas& c, CRect area, Pred pred) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += pred(c.at(x, y)) ? 1 : 0;
  return n;
}

// The block of channel c, t and f counted from (t0, f0), placed with its first point at
// (x, y): `cols` columns and `rows` rows of bins in `table`.
void addBlock(std::vector<std::pair<CPoint, COLORREF>>& out, Table table, int64_t c, int x, int y, int64_t t0,
              int64_t f0, int cols, int rows) {
  for (int i = 0; i < cols; ++i)
    for (int j = 0; j < rows; ++j)
      out.push_back({CPoint(x + i, y - j), entry(table, static_cast<int>(binValue(c, t0 + i, f0 + j)))});
}

}  // namespace

TEST(ColumnLayout, RowsHeightAndWidthFromTheVisibleChannels) {
  Columns ten(named(10, 4, 4));
  MemoryCanvas c(10, 10);
  ASSERT_EQ(ten.d._calculateColumnBlockH(&c.dc, CRect(0, 0, 600, 400), 0, 0), 1);
  EXPECT_EQ(layout(ten.d), (Layout{10, 4, 72, 154}));  // (400 − 40) / 5, 600 / 3 − 46
  // Only the size of the rectangle counts, not its place.
  ten.d.m_nColumns = 2;
  ASSERT_EQ(ten.d._calculateColumnBlockH(&c.dc, CRect(100, 50, 900, 650), 0, 0), 1);
  EXPECT_EQ(layout(ten.d), (Layout{10, 5, 93, 354}));  // (600 − 40) / 6, 800 / 2 − 46

  Columns two(named(2, 4, 4));
  ASSERT_EQ(two.d._calculateColumnBlockH(&c.dc, CRect(0, 0, 600, 400), 0, 0), 1);
  EXPECT_EQ(layout(two.d), (Layout{2, 1, 180, 154}));

  // Hidden and unnamed channels are not visible; 7 of 9 remain: 3 rows.
  Columns some(named(7, 4, 4).meg(L"H", 0, 1).hidden().meg(L"", 0, 2));
  ASSERT_EQ(some.d._calculateColumnBlockH(&c.dc, CRect(0, 0, 300, 240), 0, 0), 1);
  EXPECT_EQ(layout(some.d), (Layout{7, 3, 50, 54}));
}

TEST(ColumnLayout, KeepsThePreviousLayoutWhenItCannotBeComputed) {
  Columns e(named(10, 4, 4));
  MemoryCanvas c(10, 10);
  const Layout initial{0, 3, 3, 3};
  e.d.m_bShowChannelNames = 0;
  EXPECT_EQ(e.d._calculateColumnBlockH(&c.dc, CRect(0, 0, 600, 400), 0, 0), 0);
  EXPECT_EQ(layout(e.d), initial);
  e.d.m_bShowChannelNames = 1;
  EXPECT_EQ(e.d._calculateColumnBlockH(nullptr, CRect(0, 0, 600, 400), 0, 0), 0);
  e.d.m_nColumns = 0;  // only a settings record gives this
  EXPECT_EQ(e.d._calculateColumnBlockH(&c.dc, CRect(0, 0, 600, 400), 0, 0), 0);
  EXPECT_EQ(layout(e.d), (Layout{10, 3, 3, 3}));  // the count is stored before the check

  Columns none(DatasetBuilder().meg(L"A", 0, 0).hidden().grid(4, 4));
  EXPECT_EQ(none.d._calculateColumnBlockH(&c.dc, CRect(0, 0, 600, 400), 0, 0), 0);
  EXPECT_EQ(layout(none.d), initial);
}

TEST(ColumnBaseLines, OneLinePerVisibleChannelWithTheSelectionPen) {
  Columns e(named(3, 4, 4));
  e.smallLayout();
  MemoryCanvas c(120, 40);
  ASSERT_EQ(e.d._drawColumnChannelBaseLine(&c.dc, CRect(0, 0, 120, 40), 0, 0), 1);
  const COLORREF pen = e.d.m_penSelect.color();
  // Column 0: base lines at y 25 and 30 from x 40; column 1 at y 25 from x 90; 4 wide.
  std::vector<std::pair<CPoint, COLORREF>> want;
  for (int i = 0; i < 4; ++i) {
    want.push_back({CPoint(40 + i, 25), pen});
    want.push_back({CPoint(40 + i, 30), pen});
    want.push_back({CPoint(90 + i, 25), pen});
  }
  expectBlocks(c, want, CRect(0, 0, 120, 40));
  e.d.m_bShowBaseLines = 0;
  MemoryCanvas off(120, 40);
  EXPECT_EQ(e.d._drawColumnChannelBaseLine(&off.dc, CRect(0, 0, 120, 40), 0, 0), 0);
  EXPECT_EQ(off.inked(), 0);
}

TEST(ColumnNames, ShownNamedChannelsInRowOrderWithTheCurrentOneInRed) {
  // C0, an unnamed channel, C2 (current), a hidden one, C4: names in rows 0, 1, 2, the
  // third starting column 1 at x = 60 + 6 + 40.
  Columns e(DatasetBuilder()
                .meg(L"C0", 0, 0).meg(L"", 1, 0).meg(L"C2", 2, 0).meg(L"C3", 3, 0).hidden().meg(L"C4", 4, 0)
                .grid(4, 4).currentChannel(2));
  e.d.m_nRowsPerColumn = 2;
  e.d.m_nRowHeight = 30;
  e.d.m_nColumnWidth = 60;
  e.d.m_crTextBk = RGB(230, 255, 230);
  MemoryCanvas c(300, 120);
  ASSERT_EQ(e.d._drawColumnChannelName(&c.dc, CRect(0, 0, 300, 120), 0, 0), 1);
  // Each name's cell (text background colour) starts at its base line. Glyph edges are
  // blended with the cell, so red text shows as pixels redder than the cell's green.
  const COLORREF bk = e.d.m_crTextBk;
  const auto reddish = [](COLORREF p) { return GetRValue(p) > GetGValue(p) + 60; };
  const auto ink = [&](COLORREF p) { return p != bk && p != kWhite; };
  for (const auto& [x, y, red] : {std::tuple{0, 50, false}, std::tuple{0, 80, true}, std::tuple{106, 50, false}}) {
    const CRect cell(x, y, x + 14, y + 12);
    EXPECT_GT(countIf(c, cell, [&](COLORREF p) { return p == bk; }), 0) << x << ", " << y;
    EXPECT_GT(countIf(c, cell, ink), 0) << x << ", " << y;
    EXPECT_EQ(countIf(c, cell, reddish) > 0, red) << x << ", " << y;
    EXPECT_EQ(countIf(c, CRect(x, y - 1, x + 14, y), ink), 0) << x << ", " << y;
  }
  EXPECT_EQ(countIf(c, CRect(106, 80, 140, 92), ink), 0);  // no fourth name

  e.d.m_bShowChannelNames = 0;
  MemoryCanvas off(300, 120);
  EXPECT_EQ(e.d._drawColumnChannelName(&off.dc, CRect(0, 0, 300, 120), 0, 0), 0);
  EXPECT_EQ(off.inked(), 0);
}

TEST(ColumnTimeGrid, MinorLinesDottedAndEveryMajorIntervalSolid) {
  Columns e(named(1, 4, 4));
  e.d.m_bShowTimeGrid = true;
  MemoryCanvas c(300, 40);
  const CRect column(40, 10, 290, 30);
  ASSERT_EQ(e.d._drawTimeDmnScaleBar(&c.dc, column, 0, 0), 1);
  const COLORREF minor = e.d.m_penGridMinor.color(), major = e.d.m_penGridMajor.color();
  for (int x = 0; x < 300; ++x) {
    const int offset = x - 40;
    const bool line = offset >= 0 && x < 290 && offset % 20 == 0;
    const bool solid = offset == 100 || offset == 220;
    for (int y = 0; y < 40; ++y) {
      COLORREF want = kWhite;
      if (line && y >= 10 && y < 30) {
        if (solid)
          want = major;
        else if ((y - 10) % 6 < 3)  // 3 on, 3 off from the top
          want = minor;
      }
      ASSERT_EQ(c.at(x, y), want) << "at " << x << ", " << y;
    }
  }
}

TEST(ColumnTimeGrid, ColumnsReachingFarOutsideTheDeviceKeepTheirPattern) {
  // A column from x = −1000 to the largest coordinate (only a settings record gives such
  // a layout): the lines inside the surface are those of the whole column, line i being
  // solid when i = 5, 11, 17 … (x = −900, −780, … 60, 180).
  Columns e(named(1, 4, 4));
  e.d.m_bShowTimeGrid = true;
  MemoryCanvas c(300, 40);
  ASSERT_EQ(e.d._drawTimeDmnScaleBar(&c.dc, CRect(-1000, 0, INT_MAX, 40), 0, 0), 1);
  for (int x = 0; x < 300; ++x) {
    const COLORREF want = x % 20 ? kWhite : (x == 60 || x == 180 ? e.d.m_penGridMajor.color() : e.d.m_penGridMinor.color());
    EXPECT_EQ(c.at(x, 1), want) << x;
  }
}

TEST(ColumnTimeGrid, SwitchAndImpossibleStepsDrawNothing) {
  Columns e(named(1, 4, 4));
  MemoryCanvas c(100, 40);
  EXPECT_EQ(e.d._drawTimeDmnScaleBar(&c.dc, CRect(0, 0, 100, 40), 0, 0), 0);  // off before any record
  e.d.m_bShowTimeGrid = true;
  e.d.m_nTimeGridStep = 0;
  EXPECT_EQ(e.d._drawTimeDmnScaleBar(&c.dc, CRect(0, 0, 100, 40), 0, 0), 0);
  EXPECT_EQ(c.inked(), 0);
  // A step beyond the column draws its first line only.
  e.d.m_nTimeGridStep = INT64_MAX;
  ASSERT_EQ(e.d._drawTimeDmnScaleBar(&c.dc, CRect(5, 0, 100, 40), 0, 0), 1);
  EXPECT_EQ(c.inked(), c.inked(CRect(5, 0, 6, 40)));
  EXPECT_GT(c.inked(), 0);
}

TEST(ColumnBlocks, FirstPointsAndLimitsOfEveryBlock) {
  // Three channels of 8 × 6: each block shows 5 time points (plot width 4, right edge
  // included) and 4 frequency points (row height 5: down to 2 below the row above).
  Columns e(named(3, 8, 6));
  e.smallLayout();
  MemoryCanvas c(150, 40);
  ASSERT_EQ(e.d.drawColumnSpctmWindView(&c.dc, CRect(0, 0, 150, 40), 0, 0), 1);
  std::vector<std::pair<CPoint, COLORREF>> want;
  addBlock(want, kSingle1024, 0, 40, 25, 0, 0, 5, 4);
  addBlock(want, kSingle1024, 1, 40, 30, 0, 0, 5, 4);
  addBlock(want, kSingle1024, 2, 90, 25, 0, 0, 5, 4);
  expectBlocks(c, want, CRect(0, 0, 150, 40));

  // From the draw window's begin (3, 2); the rectangle's left moves every block.
  e.d.m_nWinTimeBegin = 3;
  e.d.m_nWinFreqBegin = 2;
  MemoryCanvas moved(160, 40);
  ASSERT_EQ(e.d.drawColumnSpctmWindView(&moved.dc, CRect(10, 0, 160, 40), 0, 0), 1);
  want.clear();
  addBlock(want, kSingle1024, 0, 50, 25, 3, 2, 5, 4);
  addBlock(want, kSingle1024, 1, 50, 30, 3, 2, 5, 4);
  addBlock(want, kSingle1024, 2, 100, 25, 3, 2, 5, 4);
  expectBlocks(moved, want, CRect(0, 0, 160, 40));
}

TEST(ColumnBlocks, UnusualBeginsAndRows) {
  struct Case {
    const char* what;
    int64_t T, F, timeBegin, freqBegin;
    int rowHeight, topMargin;
    int x, y, cols, rows;  // the block expected: first point at (x, y), from bin (0, 0)
  };
  const Case cases[] = {
      // Negative begins shift time (point 0 two columns in) but not frequency.
      {"negative begins", 8, 6, -2, -1, 5, 20, 42, 25, 3, 4},
      // A row taller than the spectrum shows all of it; a base line at y = 2 stops at row 0.
      {"tall row near the top", 2, 3, 0, 0, 30, -28, 40, 2, 2, 2},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    Columns e(named(1, k.T, k.F));
    e.smallLayout();
    e.d.m_nWinTimeBegin = k.timeBegin;
    e.d.m_nWinFreqBegin = k.freqBegin;
    e.d.m_nRowHeight = k.rowHeight;
    e.d.m_nColumnTopMargin = k.topMargin;
    MemoryCanvas c(100, 40);
    ASSERT_EQ(e.d.drawColumnSpctmWindView(&c.dc, CRect(0, 0, 100, 40), 0, 0), 1);
    std::vector<std::pair<CPoint, COLORREF>> want;
    addBlock(want, kSingle1024, 0, k.x, k.y, 0, 0, k.cols, k.rows);
    expectBlocks(c, want, CRect(0, 0, 100, 40));
  }
}

TEST(ColumnBlocks, WhichChannelsTakeARowInEachView) {
  // C0; C1 shown without a real part; C2 hidden; C3. The window view gives C1 an empty
  // row; the peak view asks the session for data and skips it.
  Columns e(DatasetBuilder()
                .meg(L"C0", 0, 0).meg(L"C1", 1, 0).noSpectrum(0, 0).meg(L"C2", 2, 0).hidden().meg(L"C3", 3, 0)
                .grid(8, 6)
                .spectra(0, [](int64_t c, int64_t t, int64_t f, int) { return binValue(c, t, f); }));
  e.smallLayout();
  MemoryCanvas win(150, 40);
  ASSERT_EQ(e.d.drawColumnSpctmWindView(&win.dc, CRect(0, 0, 150, 40), 0, 0), 1);
  std::vector<std::pair<CPoint, COLORREF>> want;
  addBlock(want, kSingle1024, 0, 40, 25, 0, 0, 5, 4);
  addBlock(want, kSingle1024, 3, 90, 25, 0, 0, 5, 4);  // C1 took row 1 of column 0
  expectBlocks(win, want, CRect(0, 0, 150, 40));

  e.peak();
  MemoryCanvas peak(150, 40);
  ASSERT_EQ(e.d.drawColumnSpctmPeakView(&peak.dc, CRect(0, 0, 150, 40), 0, 0), 1);
  want.clear();
  addBlock(want, kPos768, 0, 40, 25, 0, 0, 5, 4);
  addBlock(want, kPos768, 3, 40, 30, 0, 0, 5, 4);
  expectBlocks(peak, want, CRect(0, 0, 150, 40));
}

TEST(ColumnBlocks, DispatchAndMissingPieces) {
  Columns e(named(2, 8, 6));
  e.smallLayout();
  e.peak();
  e.d.m_nViewMode = 3;
  MemoryCanvas c(150, 40);
  ASSERT_EQ(e.d.drawColumnSpctmB(&c.dc, CRect(0, 0, 150, 40), 0, 0), 1);
  // View mode 3 centres on the outer range's middle (384): only values above it count.
  EXPECT_EQ(c.at(40, 25), entry(kNeg768, 0));
  e.d.m_nViewMode = 1;
  ASSERT_EQ(e.d.drawColumnSpctmB(&c.dc, CRect(0, 0, 150, 40), 0, 0), 1);
  EXPECT_EQ(c.at(40, 25), entry(kSingle1024, 512));  // view mode 1: outside the range in the middle colour

  MemoryCanvas untouched(150, 40);
  EXPECT_EQ(e.d.drawColumnSpctmB(nullptr, CRect(0, 0, 150, 40), 0, 0), 0);
  EXPECT_EQ(e.d.drawColumnSpctmPeakView(&untouched.dc, CRect(0, 0, 150, 40), 2, 0), 0);  // no Results
  CMEGSpctmDrawqv unbound;
  EXPECT_EQ(unbound.drawColumnSpctmWindView(&untouched.dc, CRect(0, 0, 150, 40), 0, 0), 0);
  EXPECT_EQ(unbound._drawColumnChannelBaseLine(&untouched.dc, CRect(0, 0, 150, 40), 0, 0), 0);
  EXPECT_EQ(untouched.inked(), 0);
}
