// The multi-channel column view: layout numbers, base lines, names, the time grid, and the
// blocks' first points and limits. Values name their bins and the colour tables are
// tagged, so every pixel tells which bin landed there.
#include <climits>
#include <tuple>

#include "tests/draw/DrawCanvas.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

// n MEG channels on a T × F grid of Active spectra naming their bins.
DatasetBuilder named(int n, int64_t T, int64_t F) { return megChannels(n).grid(T, F).spectra(0, namedBins); }

// Ranges that map value v to entry v: window view on the 1024 single table, peak view on
// the 768 positive table.
struct Columns : Bound {
  TaggedTables tables{d};
  explicit Columns(const DatasetBuilder& b) : Bound(b) {
    d.m_dColorMin = 0.0;
    d.m_dColorMax = 1024.0;
  }
  void peak() {
    d.m_nViewMode = 2;
    d.m_dColorMin = d.m_dColorMax = 0.0;
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

// Paints the block of channel c expected with its first point at (x, y): `cols` × `rows`
// bins of `table` from bin (t0, f0).
void addBlock(MemoryCanvas& want, Table table, int64_t c, int x, int y, int cols, int rows, int64_t t0 = 0,
              int64_t f0 = 0) {
  for (int i = 0; i < cols; ++i)
    for (int j = 0; j < rows; ++j) want.dc.SetPixel(x + i, y - j, entry(table, binValue(c, t0 + i, f0 + j)));
}

}  // namespace

TEST(ColumnLayout, RowsHeightAndWidthFromTheVisibleChannels) {
  const std::tuple<DatasetBuilder, int, CRect, Layout> cases[] = {
      {named(10, 4, 4), 3, CRect(0, 0, 600, 400), {10, 4, 72, 154}},     // (400 − 40) / 5, 600 / 3 − 46
      {named(10, 4, 4), 2, CRect(100, 50, 900, 650), {10, 5, 93, 354}},  // only the size counts
      // Hidden and unnamed channels are not visible; 7 of 9 remain: 3 rows.
      {named(7, 4, 4).meg(L"H", 0, 1).hidden().meg(L"", 0, 2), 3, CRect(0, 0, 300, 240), {7, 3, 50, 54}},
  };
  MemoryCanvas c(10, 10);
  for (const auto& [builder, columns, rect, expected] : cases) {
    Columns e(builder);
    e.d.m_nColumns = columns;
    ASSERT_EQ(e.d._calculateColumnBlockH(&c.dc, rect, 0, 0), 1);
    EXPECT_EQ(layout(e.d), expected) << expected.visible << " in " << columns;
  }
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
  MemoryCanvas c(120, 40), want(120, 40);
  ASSERT_EQ(e.d._drawColumnChannelBaseLine(&c.dc, CRect(0, 0, 120, 40), 0, 0), 1);
  // Column 0: base lines at y 25 and 30 from x 40; column 1 at y 25 from x 90; 4 wide.
  for (auto [x, y] : {std::pair{40, 25}, std::pair{40, 30}, std::pair{90, 25}})
    want.line(x, y, x + 4, y, e.d.m_penSelect.color());
  EXPECT_TRUE(sameImage(c, want));
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
  const COLORREF bk = e.d.m_crTextBk = RGB(230, 255, 230);
  MemoryCanvas c(300, 120);
  ASSERT_EQ(e.d._drawColumnChannelName(&c.dc, CRect(0, 0, 300, 120), 0, 0), 1);
  // Each name's cell starts at its base line. Glyph edges are blended with the cell, so
  // red text shows as pixels redder than the cell's green.
  const auto count = [&](CRect area, auto pred) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += pred(c.at(x, y)) ? 1 : 0;
    return n;
  };
  const auto reddish = [](COLORREF p) { return GetRValue(p) > GetGValue(p) + 60; };
  const auto ink = [&](COLORREF p) { return p != bk && p != kWhite; };
  for (const auto& [x, y, red] : {std::tuple{0, 50, false}, std::tuple{0, 80, true}, std::tuple{106, 50, false}}) {
    const CRect cell(x, y, x + 14, y + 12);
    EXPECT_GT(pixeltest::countInside(c.surface(), cell, bk), 0) << x << ", " << y;
    EXPECT_GT(count(cell, ink), 0) << x << ", " << y;
    EXPECT_EQ(count(cell, reddish) > 0, red) << x << ", " << y;
    EXPECT_EQ(count(CRect(x, y - 1, x + 14, y), ink), 0) << x << ", " << y;
  }
  EXPECT_EQ(count(CRect(106, 80, 140, 92), ink), 0);  // no fourth name
  e.d.m_bShowChannelNames = 0;
  MemoryCanvas off(300, 120);
  EXPECT_EQ(e.d._drawColumnChannelName(&off.dc, CRect(0, 0, 300, 120), 0, 0), 0);
  EXPECT_EQ(off.inked(), 0);
}

TEST(ColumnTimeGrid, MinorLinesDottedAndEveryMajorIntervalSolid) {
  Columns e(named(1, 4, 4));
  e.d.m_bShowTimeGrid = true;
  MemoryCanvas c(300, 40), want(300, 40);
  ASSERT_EQ(e.d._drawTimeDmnScaleBar(&c.dc, CRect(40, 10, 290, 30), 0, 0), 1);
  // Lines every 20 pixels from x = 40, solid at 140 and 260; dotted 3 on, 3 off from the top.
  for (int x = 40; x < 290; x += 20) {
    if (x == 140 || x == 260) want.line(x, 10, x, 30, e.d.m_penGridMajor.color());
    else
      for (int y = 10; y < 30; y += 6) want.line(x, y, x, std::min(y + 3, 30), e.d.m_penGridMinor.color());
  }
  EXPECT_TRUE(sameImage(c, want));
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
  e.d.m_nTimeGridStep = INT64_MAX;  // a step beyond the column draws its first line only
  ASSERT_EQ(e.d._drawTimeDmnScaleBar(&c.dc, CRect(5, 0, 100, 40), 0, 0), 1);
  EXPECT_EQ(c.inked(), c.inked(CRect(5, 0, 6, 40)));
  EXPECT_GT(c.inked(), 0);
}

TEST(ColumnBlocks, FirstPointsAndLimitsOfEveryBlock) {
  struct Case {
    const char* what;
    int64_t T, F, timeBegin, freqBegin;
    int rowHeight, topMargin, left;
    std::vector<std::array<int, 5>> blocks;  // channel, x, y of the first point, cols, rows
    int64_t t0, f0;                          // the bin at each first point
  };
  const Case cases[] = {
      // Each block shows 5 time points (plot width 4, right edge included) and 4 frequency
      // points (row height 5: down to 2 below the row above).
      {"three channels", 8, 6, 0, 0, 5, 20, 0, {{0, 40, 25, 5, 4}, {1, 40, 30, 5, 4}, {2, 90, 25, 5, 4}}, 0, 0},
      // From the draw window's begin (3, 2); the rectangle's left moves every block.
      {"window begin", 8, 6, 3, 2, 5, 20, 10, {{0, 50, 25, 5, 4}, {1, 50, 30, 5, 4}, {2, 100, 25, 5, 4}}, 3, 2},
      // Negative begins shift time (point 0 two columns in) but not frequency.
      {"negative begins", 8, 6, -2, -1, 5, 20, 0, {{0, 42, 25, 3, 4}}, 0, 0},
      // A row taller than the spectrum shows all of it; a base line at y = 2 stops at row 0.
      {"tall row near the top", 2, 3, 0, 0, 30, -28, 0, {{0, 40, 2, 2, 2}}, 0, 0},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    Columns e(named(static_cast<int>(k.blocks.size()), k.T, k.F));
    e.smallLayout();
    e.d.m_nWinTimeBegin = k.timeBegin;
    e.d.m_nWinFreqBegin = k.freqBegin;
    e.d.m_nRowHeight = k.rowHeight;
    e.d.m_nColumnTopMargin = k.topMargin;
    MemoryCanvas c(160, 40), want(160, 40);
    ASSERT_EQ(e.d.drawColumnSpctmWindView(&c.dc, CRect(k.left, 0, 160, 40), 0, 0), 1);
    for (const auto& [ch, x, y, cols, rows] : k.blocks) addBlock(want, kSingle1024, ch, x, y, cols, rows, k.t0, k.f0);
    EXPECT_TRUE(sameImage(c, want));
  }
}

TEST(ColumnBlocks, WhichChannelsTakeARowInEachView) {
  // C0; C1 shown without a real part; C2 hidden; C3. The window view gives C1 an empty
  // row; the peak view asks the session for data and skips it.
  Columns e(DatasetBuilder()
                .meg(L"C0", 0, 0).meg(L"C1", 1, 0).noSpectrum(0, 0).meg(L"C2", 2, 0).hidden().meg(L"C3", 3, 0)
                .grid(8, 6).spectra(0, namedBins));
  e.smallLayout();
  MemoryCanvas win(150, 40), want(150, 40);
  ASSERT_EQ(e.d.drawColumnSpctmWindView(&win.dc, CRect(0, 0, 150, 40), 0, 0), 1);
  addBlock(want, kSingle1024, 0, 40, 25, 5, 4);
  addBlock(want, kSingle1024, 3, 90, 25, 5, 4);  // C1 took row 1 of column 0
  EXPECT_TRUE(sameImage(win, want));
  e.peak();
  MemoryCanvas peak(150, 40), wantPeak(150, 40);
  ASSERT_EQ(e.d.drawColumnSpctmPeakView(&peak.dc, CRect(0, 0, 150, 40), 0, 0), 1);
  addBlock(wantPeak, kPos768, 0, 40, 25, 5, 4);
  addBlock(wantPeak, kPos768, 3, 40, 30, 5, 4);
  EXPECT_TRUE(sameImage(peak, wantPeak));
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
