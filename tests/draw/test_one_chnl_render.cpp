// The single-channel renderers against spectra whose values name their bins: with the
// standard range 0 .. 1024 on the 1024-entry table, value v is drawn with entry trunc(|v|).
// Placement, the raster's skip and stop rules, square size and spacing, data sources, the
// device context, and every missing piece.
#include <cmath>

#include "tests/draw/DrawCanvas.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

COLORREF bin(int64_t t, int64_t f) { return entry(kSingle1024, binValue(0, t, f)); }

DatasetBuilder channels(int64_t T, int64_t F, megdata::SpctmValueFn fn = namedBins) {
  DatasetBuilder b;
  b.meg(L"A", 0, 0).meg(L"B", 1, 0).grid(T, F).spectra(0, std::move(fn));
  return b;
}

// Draws absolute values with entry = trunc(|v|).
struct Indexed : Bound {
  TaggedTables tables{d};
  explicit Indexed(const DatasetBuilder& b) : Bound(b) {
    d.m_bPolarity = 0;
    d.m_dStdMax = 1024.0;
  }
  int draw(MemoryCanvas& c, CRect rect) { return d.drawOneSpctmColumn01AbsoluteValue(&c.dc, rect, 0, 0); }
  void placeAt(int64_t x, int64_t y) {
    d.m_bRecentre = false;
    d.m_nOriginX = x;
    d.m_nOriginY = y;
  }
};

}  // namespace

TEST(OneChnlPlacement, CentresOnceAtOnePixelPerBinTruncatingTowardZero) {
  Indexed e(channels(7, 4));
  MemoryCanvas c(80, 60);
  ASSERT_EQ(e.draw(c, CRect(10, 5, 50, 35)), 1);
  EXPECT_FALSE(e.d.m_bRecentre);
  EXPECT_EQ(e.d.m_nOriginX, 26);  // trunc(10 + (40 − 7) · 0.5)
  EXPECT_EQ(e.d.m_nOriginY, 22);  // trunc(35 − (30 − 4) · 0.5)
  for (int t = 0; t < 7; ++t)
    for (int f = 0; f < 4; ++f) EXPECT_EQ(c.at(26 + t, 22 - f), bin(t, f));
  EXPECT_EQ(c.inked(), 28);
  ASSERT_EQ(e.draw(c, CRect(0, 0, 80, 60)), 1);  // a later draw keeps the origin
  EXPECT_EQ(e.d.m_nOriginX, 26);
  // Negative halves truncate toward zero: −9 + 7.5 → −1 and 2 − 2.5 → 0.
  Indexed n(channels(1, 5));
  ASSERT_EQ(n.draw(c, CRect(-9, -8, 7, 2)), 1);
  EXPECT_EQ(n.d.m_nOriginX, -1);
  EXPECT_EQ(n.d.m_nOriginY, 0);
}

TEST(OneChnlPlacement, ALargerSpectrumStartsAtTheEdgesFromTheDrawWindowBegin) {
  Indexed e(channels(60, 50));
  e.d.m_nWinTimeBegin = 5;
  e.d.m_nFirstFreq = 3;  // the window's frequency begin is 0: the first point stays
  MemoryCanvas c(70, 50);
  ASSERT_EQ(e.draw(c, CRect(10, 5, 50, 35)), 1);
  EXPECT_EQ(e.d.m_nOriginX, 10);
  EXPECT_EQ(e.d.m_nOriginY, 35);
  EXPECT_EQ(e.d.m_nFirstTime, 5);
  EXPECT_EQ(e.d.m_nFirstFreq, 3);
  // Columns 10 … 50 and rows 35 up to 5 (both edges drawn), nothing around them.
  EXPECT_TRUE(pixelsAre(c, {{10, 35, bin(5, 3)}, {50, 5, bin(45, 33)}}));
  EXPECT_EQ(c.inked(CRect(10, 5, 51, 36)), 41 * 31);
  EXPECT_EQ(c.inked(), 41 * 31);
}

TEST(OneChnlRaster, SkipsBinsLeftAndBelowAndStopsRightAndAbove) {
  Indexed e(channels(30, 30));
  e.placeAt(8, 17);
  MemoryCanvas c(40, 40);
  ASSERT_EQ(e.draw(c, CRect(10, 5, 20, 15)), 1);
  // Time points 0, 1 (x 8, 9) and frequency points 0, 1 (y 17, 16) are skipped.
  EXPECT_TRUE(pixelsAre(c, {{10, 15, bin(2, 2)}, {20, 5, bin(12, 12)}}));
  EXPECT_EQ(c.inked(CRect(10, 5, 21, 16)), 11 * 11);
  EXPECT_EQ(c.inked(), 11 * 11);
}

TEST(OneChnlRaster, SquareSideIsTheTruncatedZoomAndSpacingTheZoom) {
  Indexed e(channels(3, 2));
  e.d.m_dZoom = 2.5;
  MemoryCanvas z(80, 60);
  ASSERT_EQ(e.draw(z, CRect(0, 0, 80, 60)), 1);
  ASSERT_EQ(e.d.m_nOriginX, 38);  // placed as at zoom 1
  ASSERT_EQ(e.d.m_nOriginY, 31);
  // Squares of 2 at x = trunc(38 + 2.5 t) = 38, 40, 43 and y = trunc(31 − 2.5 f) = 31, 28,
  // each reaching down from its row.
  MemoryCanvas want(80, 60);
  constexpr int kX[] = {38, 40, 43}, kY[] = {31, 28};
  for (int t = 0; t < 3; ++t)
    for (int f = 0; f < 2; ++f) want.dc.FillSolidRect(kX[t], kY[f], 2, 2, bin(t, f));
  EXPECT_TRUE(sameImage(z, want));
}

TEST(OneChnlRaster, FirstDrawnPointsAndValuesNoWindowProduces) {
  Indexed e(channels(8, 6));
  e.placeAt(30, 30);
  e.d.m_nFirstTime = 3;
  e.d.m_nFirstFreq = 2;
  MemoryCanvas c(60, 60);
  ASSERT_EQ(e.draw(c, CRect(0, 0, 60, 60)), 1);
  EXPECT_EQ(c.at(30, 30), bin(3, 2));
  EXPECT_EQ(c.inked(), 5 * 4);
  // First points below 0: the negative indices are never read, their places stay empty.
  MemoryCanvas before(60, 60);
  e.d.m_nFirstTime = -2;
  e.d.m_nFirstFreq = -1;
  ASSERT_EQ(e.draw(before, CRect(0, 0, 60, 60)), 1);
  EXPECT_EQ(before.at(32, 29), bin(0, 0));
  EXPECT_EQ(before.inked(), 8 * 6);
  // A completed drawing of nothing: first time point past the end, zooms that give no
  // square or are not numbers, origins and first points far off.
  const auto nothing = [&](int64_t first, double zoom, int64_t origin) {
    MemoryCanvas n(60, 60);
    e.placeAt(origin, origin);
    e.d.m_nFirstTime = e.d.m_nFirstFreq = first;
    e.d.m_dZoom = zoom;
    EXPECT_EQ(e.draw(n, CRect(0, 0, 60, 60)), 1);
    EXPECT_EQ(n.inked(), 0) << first << " " << zoom << " " << origin;
  };
  nothing(8, 1.0, 30);
  for (double zoom : {0.5, 0.0, std::nan(""), 1e9, -1e9}) nothing(0, zoom, 30);
  for (int64_t far : {INT64_MAX, INT64_MIN}) nothing(0, 1.0, far);
  nothing(INT64_MIN, 1.0, 30);
}

TEST(OneChnlRenderers, EntryPointsFillTheBackgroundChooseByStateAndRestoreTheContext) {
  Indexed e(channels(2, 2, [](int64_t, int64_t t, int64_t, int) { return t == 0 ? 0.5 : -1.5; }));
  e.d.m_bPolarity = 1;
  e.d.m_dStdMax = 1.0;
  e.d.m_crBackground = RGB(9, 9, 9);
  e.d.m_nViewMode = 2;
  using Draw = int (CMEGSpctmDrawqv::*)(CDC*, CRect, int, int);
  // Bins at x 19, 20 and y 21, 20; the rest of the rectangle is background, nothing outside.
  const auto check = [&](Draw draw, COLORREF first, COLORREF second) {
    MemoryCanvas c(40, 40);
    CPen pen(PS_SOLID, 3, RGB(0, 200, 0));
    CFont font;
    font.CreatePointFont(100, L"Arial");
    c.dc.SelectObject(&pen);
    c.dc.SelectObject(&font);
    c.dc.SetTextColor(RGB(1, 2, 3));
    e.d.m_bRecentre = true;
    ASSERT_EQ((e.d.*draw)(&c.dc, CRect(10, 10, 30, 30), 0, 0), 1);
    EXPECT_TRUE(pixelsAre(c, {{19, 21, first}, {20, 20, second}, {29, 29, RGB(9, 9, 9)}}));
    EXPECT_EQ(c.inked(), 400);
    EXPECT_EQ(dcState(c.dc), (DcState{&pen, &font, RGB(1, 2, 3), kWhite}));  // the background colour left white
    EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(19, 21));                      // the origin
  };
  check(&CMEGSpctmDrawqv::drawOneSpctmColumnStd, entry(kPos768, 384), entry(kNeg768, 767));
  e.d.m_bPolarity = 0;
  check(&CMEGSpctmDrawqv::drawOneSpctmColumnStd, entry(kSingle1024, 512), entry(kSingle1024, 1023));
  check(&CMEGSpctmDrawqv::drawOneSpctmColumn, entry(kNeg768, 0), entry(kNeg768, 384));
  e.d.m_nViewMode = 1;
  check(&CMEGSpctmDrawqv::drawOneSpctmColumn, entry(kSingle1024, 768), entry(kSingle1024, 512));
  EXPECT_EQ(e.d.drawOneSpctmColumnStd(nullptr, CRect(0, 0, 9, 9), 0, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmColumn(nullptr, CRect(0, 0, 9, 9), 0, 0), 0);
}

TEST(OneChnlRenderers, DataSourcesDrawTheCurrentChannelOrAGroupStatistic) {
  // Constant per channel: mean 30, min −100, max 200, averaged positive 120, averaged
  // negative −60, RMS √13000 = 114.02 with the sign of the mean.
  constexpr double kLevels[] = {200.0, 40.0, -100.0, -20.0};
  DatasetBuilder b;
  b.meg(L"A", 0, 0).meg(L"B", 1, 0).meg(L"C", 2, 0).meg(L"D", 3, 0).grid(3, 2).currentChannel(1);
  b.spectra(0, [&](int64_t ch, int64_t, int64_t, int) { return kLevels[ch]; });
  Indexed e(b);
  constexpr int kIndex[] = {40, 30, 100, 200, 120, 60, 114};
  for (int source = 0; source <= 6; ++source) {
    MemoryCanvas c(20, 20);
    e.d.m_nDataSource = source;
    ASSERT_EQ(e.draw(c, CRect(0, 0, 20, 20)), 1);
    EXPECT_EQ(c.at(8, 10), entry(kSingle1024, kIndex[source])) << source;
  }
}

namespace {

using Results = std::array<int, 4>;  // absolute, polarity, window, peak

// Results of the four renderers on a fresh engine and canvas each; a failed draw must
// leave canvas, current position and placement untouched.
Results renderAll(const DatasetBuilder& b, int source, int cls, int kind) {
  using Draw = int (CMEGSpctmDrawqv::*)(CDC*, CRect, int, int);
  constexpr std::array<Draw, 4> kDraws{
      &CMEGSpctmDrawqv::drawOneSpctmColumn01AbsoluteValue, &CMEGSpctmDrawqv::drawOneSpctmColumn2PolarityValue,
      &CMEGSpctmDrawqv::drawOneSpctmColumnWindView, &CMEGSpctmDrawqv::drawOneSpctmColumnPeakView};
  Results results{};
  for (std::size_t i = 0; i < kDraws.size(); ++i) {
    Bound e(b);
    e.d.m_nDataSource = source;
    e.d.m_dColorMin = e.d.m_dColorMax = 0.0;  // 0.5 is coloured in every view
    MemoryCanvas c(20, 20);
    c.dc.MoveTo(3, 4);
    results[i] = (e.d.*kDraws[i])(&c.dc, CRect(0, 0, 20, 20), cls, kind);
    EXPECT_EQ(c.inked(), results[i] ? 4 : 0) << i;
    EXPECT_EQ(results[i] ? CPoint(9, 11) : CPoint(3, 4), c.dc.GetCurrentPosition()) << i;
    EXPECT_EQ(e.d.m_bRecentre, results[i] == 0) << i;
  }
  return results;
}

}  // namespace

TEST(OneChnlRenderers, MissingPiecesEndTheDrawingBeforeAnythingIsDrawn) {
  const auto half = [] { return channels(2, 2, constant(0.5)); };
  EXPECT_EQ(renderAll(half(), 0, 0, 0), (Results{1, 1, 1, 1}));
  EXPECT_EQ(renderAll(half().currentSession(-1), 0, 0, 0), (Results{0, 0, 0, 0}));
  EXPECT_EQ(renderAll(half().currentTrial(-1), 0, 0, 0), (Results{0, 0, 0, 0}));
  EXPECT_EQ(renderAll(half().currentChannel(-1), 1, 0, 0), (Results{0, 0, 0, 0}));
  EXPECT_EQ(renderAll(half(), 0, 1, 0), (Results{0, 0, 0, 0}));  // no class 1
  EXPECT_EQ(renderAll(half(), 7, 0, 0), (Results{0, 0, 0, 0}));  // no source 7
  // Without a group summary only the standard pair draws, and only the channel itself.
  EXPECT_EQ(renderAll(half().noSummary(), 0, 0, 0), (Results{1, 1, 0, 0}));
  EXPECT_EQ(renderAll(half().noSummary(), 3, 0, 0), (Results{0, 0, 0, 0}));
  // The current channel has no spectrum, the other has: a group statistic still draws,
  // except in the window view, which needs the channel's spectrum whatever the source.
  DatasetBuilder noOwn;
  noOwn.meg(L"A", 0, 0).noSpectrum().meg(L"B", 1, 0).grid(2, 2).spectra(0, constant(0.5));
  EXPECT_EQ(renderAll(noOwn, 0, 0, 0), (Results{0, 0, 0, 0}));
  EXPECT_EQ(renderAll(noOwn, 1, 0, 0), (Results{1, 1, 0, 1}));
  DatasetBuilder noPower;
  noPower.meg(L"A", 0, 0).noSpectrum(0, 2).grid(2, 2).spectra(0, constant(0.5));
  EXPECT_EQ(renderAll(noPower, 0, 0, 2), (Results{0, 0, 0, 0}));
  Bound e(half());
  EXPECT_EQ(e.d.drawOneSpctmColumn2PolarityValue(nullptr, CRect(0, 0, 9, 9), 0, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmColumnWindView(nullptr, CRect(0, 0, 9, 9), 0, 0), 0);
}
