// The four single-channel renderers against spectra whose values name their bins: with the
// standard range 0 .. 1024 on the 1024-entry table, a value v is drawn with entry trunc(|v|),
// so every pixel tells which bin was drawn there. Placement, the raster's skip and stop
// rules, square size and spacing, data sources and every missing piece.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <functional>
#include <limits>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/data/DatasetBuilder.h"
#include "tests/draw/DrawTestSupport.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

// 10·t + f + 1: distinct and non-zero for the small grids used here.
int binIndex(std::int64_t t, std::int64_t f) { return static_cast<int>(10 * t + f + 1); }
COLORREF bin(std::int64_t t, std::int64_t f) { return entry(kSingle1024, binIndex(t, f)); }

DatasetBuilder indexedChannel(std::int64_t T, std::int64_t F) {
  DatasetBuilder b;
  b.meg(L"MLC11", 0, 0).grid(T, F).spectra(0, [](std::int64_t, std::int64_t t, std::int64_t f, int) {
    return static_cast<double>(binIndex(t, f));
  });
  return b;
}

// An engine bound to `ds` that draws absolute values with entry = trunc(|v|).
struct IndexedEngine {
  CMEGSpctmDrawqv d;
  TaggedTables tables{d};
  explicit IndexedEngine(CArrayMEDataSetqv* ds) {
    d.setDrawMEGData(ds);
    d.m_bPolarity = 0;
    d.m_dStdMin = 0.0;
    d.m_dStdMax = 1024.0;
  }
  int draw(CDC* dc, CRect rect, int cls = 0, int kind = 0) {
    return d.drawOneSpctmColumn01AbsoluteValue(dc, rect, cls, kind);
  }
  // Origin and first points set by hand, as after a draw that placed the picture.
  void placeAt(std::int64_t x, std::int64_t y) {
    d.m_bRecentre = false;
    d.m_nOriginX = x;
    d.m_nOriginY = y;
  }
};

}  // namespace

TEST(OneChnlPlacement, FirstDrawCentresAtOnePixelPerBinAndLaterDrawsKeepTheOrigin) {
  auto ds = indexedChannel(7, 4).build();
  IndexedEngine e(ds.get());
  MemoryCanvas c(80, 60);
  ASSERT_EQ(e.draw(&c.dc, CRect(10, 5, 50, 35)), 1);
  EXPECT_FALSE(e.d.m_bRecentre);
  EXPECT_EQ(e.d.m_nOriginX, 26);  // trunc(10 + (40 − 7) · 0.5)
  EXPECT_EQ(e.d.m_nOriginY, 22);  // trunc(35 − (30 − 4) · 0.5)
  for (int t = 0; t < 7; ++t)
    for (int f = 0; f < 4; ++f) EXPECT_EQ(c.at(26 + t, 22 - f), bin(t, f)) << t << ", " << f;
  EXPECT_EQ(c.inkedAll(), 28);

  // Another rectangle, zoom 2: the origin stays where the first draw put it.
  MemoryCanvas again(80, 60);
  e.d.m_dZoom = 2.0;
  ASSERT_EQ(e.draw(&again.dc, CRect(0, 0, 80, 60)), 1);
  EXPECT_EQ(e.d.m_nOriginX, 26);
  EXPECT_EQ(e.d.m_nOriginY, 22);
  EXPECT_EQ(again.at(26, 22), bin(0, 0));
  EXPECT_EQ(again.at(28, 20), bin(1, 1));
}

TEST(OneChnlPlacement, CentringTruncatesTowardZero) {
  auto ds = indexedChannel(1, 5).build();
  IndexedEngine e(ds.get());
  MemoryCanvas c(20, 20);
  ASSERT_EQ(e.draw(&c.dc, CRect(-9, -8, 7, 2)), 1);
  EXPECT_EQ(e.d.m_nOriginX, -1);  // −9 + 7.5 = −1.5
  EXPECT_EQ(e.d.m_nOriginY, 0);   // 2 − 2.5 = −0.5
}

TEST(OneChnlPlacement, ALargerSpectrumStartsAtTheEdgesFromTheDrawWindowBegin) {
  auto ds = indexedChannel(60, 50).build();
  IndexedEngine e(ds.get());
  e.d.m_nWinTimeBegin = 5;
  e.d.m_nWinFreqBegin = 0;  // not above 0: the first frequency point keeps its value
  e.d.m_nFirstFreq = 3;
  MemoryCanvas c(70, 50);
  const CRect rect(10, 5, 50, 35);
  ASSERT_EQ(e.draw(&c.dc, rect), 1);
  EXPECT_EQ(e.d.m_nOriginX, 10);
  EXPECT_EQ(e.d.m_nOriginY, 35);
  EXPECT_EQ(e.d.m_nFirstTime, 5);
  EXPECT_EQ(e.d.m_nFirstFreq, 3);
  // Columns 10 … 50 (the right edge itself is drawn), rows 35 (the bottom edge itself)
  // up to 5: 41 × 31 bins and nothing around them.
  EXPECT_EQ(c.at(10, 35), bin(5, 3));
  EXPECT_EQ(c.at(50, 5), bin(45, 33));
  EXPECT_EQ(c.inked(CRect(10, 5, 51, 36)), 41 * 31);
  EXPECT_EQ(c.inkedAll(), 41 * 31);

  // With the window begin at 0 the first time point keeps its value too.
  e.d.m_bRecentre = true;
  e.d.m_nWinTimeBegin = 0;
  e.d.m_nFirstTime = 7;
  ASSERT_EQ(e.draw(&c.dc, rect), 1);
  EXPECT_EQ(e.d.m_nFirstTime, 7);
  EXPECT_EQ(c.at(10, 35), bin(7, 3));
}

TEST(OneChnlRaster, SkipsOutsideAndStopsPastTheRectangle) {
  auto ds = indexedChannel(30, 30).build();
  IndexedEngine e(ds.get());
  e.placeAt(8, 17);
  MemoryCanvas c(40, 40);
  ASSERT_EQ(e.draw(&c.dc, CRect(10, 5, 20, 15)), 1);
  // Time points 0 and 1 (x 8, 9) are skipped, 2 … 12 drawn (x 10 … 20); frequency points
  // 0 and 1 (y 17, 16) are skipped, 2 … 12 drawn (y 15 … 5).
  EXPECT_EQ(c.at(10, 15), bin(2, 2));
  EXPECT_EQ(c.at(20, 15), bin(12, 2));
  EXPECT_EQ(c.at(10, 5), bin(2, 12));
  EXPECT_EQ(c.at(20, 5), bin(12, 12));
  EXPECT_EQ(c.inkedAll(), 11 * 11);
  EXPECT_EQ(c.inked(CRect(10, 5, 21, 16)), 11 * 11);
}

TEST(OneChnlRaster, SquareSideAndSpacingFollowTheZoom) {
  auto ds = indexedChannel(3, 2).build();
  IndexedEngine e(ds.get());
  e.d.m_dZoom = 3.0;
  MemoryCanvas c(80, 60);
  ASSERT_EQ(e.draw(&c.dc, CRect(0, 0, 80, 60)), 1);
  // Placed as at zoom 1: x0 = trunc(77 · 0.5) = 38, y0 = trunc(60 − 58 · 0.5) = 31.
  ASSERT_EQ(e.d.m_nOriginX, 38);
  ASSERT_EQ(e.d.m_nOriginY, 31);
  // Frequency point 0 covers rows 31 … 33 (down from the origin row), point 1 rows 28 … 30.
  for (int t = 0; t < 3; ++t)
    for (int f = 0; f < 2; ++f)
      for (int dy = 0; dy < 3; ++dy)
        for (int dx = 0; dx < 3; ++dx) EXPECT_EQ(c.at(38 + 3 * t + dx, 31 - 3 * f + dy), bin(t, f));
  EXPECT_EQ(c.inkedAll(), 9 * 6);

  // Zoom 2.5: squares of 2, columns at trunc(38 + 2.5 t) = 38, 40, 43.
  MemoryCanvas d(80, 60);
  e.d.m_dZoom = 2.5;
  ASSERT_EQ(e.draw(&d.dc, CRect(0, 0, 80, 60)), 1);
  EXPECT_EQ(d.at(38, 31), bin(0, 0));
  EXPECT_EQ(d.at(39, 32), bin(0, 0));
  EXPECT_EQ(d.at(40, 31), bin(1, 0));
  EXPECT_EQ(d.at(42, 31), kWhite);
  EXPECT_EQ(d.at(43, 31), bin(2, 0));
  EXPECT_EQ(d.at(38, 28), bin(0, 1));  // trunc(31 − 2.5) = 28
  EXPECT_EQ(d.inkedAll(), 6 * 4);

  // Zoom 1: one pixel per bin.
  MemoryCanvas one(80, 60);
  e.d.m_dZoom = 1.0;
  ASSERT_EQ(e.draw(&one.dc, CRect(0, 0, 80, 60)), 1);
  EXPECT_EQ(one.at(40, 30), bin(2, 1));
  EXPECT_EQ(one.inkedAll(), 6);
}

TEST(OneChnlRaster, FirstDrawnPointsSitAtTheOrigin) {
  auto ds = indexedChannel(8, 6).build();
  IndexedEngine e(ds.get());
  e.placeAt(30, 30);
  e.d.m_nFirstTime = 3;
  e.d.m_nFirstFreq = 2;
  MemoryCanvas c(60, 60);
  ASSERT_EQ(e.draw(&c.dc, CRect(0, 0, 60, 60)), 1);
  EXPECT_EQ(c.at(30, 30), bin(3, 2));
  EXPECT_EQ(c.at(34, 27), bin(7, 5));
  EXPECT_EQ(c.inkedAll(), 5 * 4);

  // Past the last time point: nothing drawn, and still a completed drawing.
  MemoryCanvas past(60, 60);
  e.d.m_nFirstTime = 8;
  EXPECT_EQ(e.draw(&past.dc, CRect(0, 0, 60, 60)), 1);
  EXPECT_EQ(past.inkedAll(), 0);

  // Below 0: the negative points are never read; their columns and rows stay empty.
  MemoryCanvas before(60, 60);
  e.d.m_nFirstTime = -2;
  e.d.m_nFirstFreq = -1;
  ASSERT_EQ(e.draw(&before.dc, CRect(0, 0, 60, 60)), 1);
  EXPECT_EQ(before.at(32, 29), bin(0, 0));
  EXPECT_EQ(before.inked(CRect(30, 0, 32, 60)), 0);
  EXPECT_EQ(before.inked(CRect(0, 30, 60, 31)), 0);
  EXPECT_EQ(before.inkedAll(), 8 * 6);
}

TEST(OneChnlRaster, StateValuesNoWindowProducesDrawNothingAndNeverCrash) {
  auto ds = indexedChannel(8, 6).build();
  IndexedEngine e(ds.get());
  e.placeAt(30, 30);
  for (double zoom : {std::nan(""), 1e9, -1e9, 0.5, 0.0}) {
    MemoryCanvas c(60, 60);
    e.d.m_dZoom = zoom;
    EXPECT_EQ(e.draw(&c.dc, CRect(0, 0, 60, 60)), 1);
    EXPECT_EQ(c.inkedAll(), 0) << zoom;
  }
  e.d.m_dZoom = 1.0;
  for (std::int64_t origin : {INT64_MAX, INT64_MIN}) {
    MemoryCanvas c(60, 60);
    e.placeAt(origin, origin);
    EXPECT_EQ(e.draw(&c.dc, CRect(0, 0, 60, 60)), 1);
    EXPECT_EQ(c.inkedAll(), 0);
  }
  MemoryCanvas c(60, 60);
  e.placeAt(30, 30);
  e.d.m_nFirstTime = INT64_MIN;
  e.d.m_nFirstFreq = INT64_MIN;
  EXPECT_EQ(e.draw(&c.dc, CRect(0, 0, 60, 60)), 1);
  EXPECT_EQ(c.inkedAll(), 0);
}

TEST(OneChnlRenderers, LeaveTheDeviceContextAsDocumented) {
  auto ds = indexedChannel(4, 4).build();
  IndexedEngine e(ds.get());
  MemoryCanvas c(40, 40);
  CPen pen;
  pen.CreatePen(PS_SOLID, 3, RGB(0, 200, 0));
  CFont font;
  font.CreatePointFont(100, L"Arial");
  c.dc.SelectObject(&pen);
  c.dc.SelectObject(&font);
  c.dc.SetTextColor(RGB(1, 2, 3));
  c.dc.SetBkColor(RGB(4, 5, 6));
  c.dc.MoveTo(1, 1);
  ASSERT_EQ(e.draw(&c.dc, CRect(0, 0, 40, 40)), 1);
  EXPECT_EQ(c.dc.GetCurrentPen(), &pen);
  EXPECT_EQ(c.dc.GetCurrentFont(), &font);
  EXPECT_EQ(c.dc.GetTextColor(), RGB(1, 2, 3));
  EXPECT_EQ(c.dc.GetBkColor(), kWhite);  // set to white, not restored
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(18, 22));  // the origin
}

TEST(OneChnlRenderers, EntryPointsFillTheBackgroundAndChooseByTheDrawState) {
  auto ds = DatasetBuilder()
                .meg(L"MLC11", 0, 0)
                .grid(2, 2)
                .spectra(0, [](std::int64_t, std::int64_t t, std::int64_t, int) { return t == 0 ? 0.5 : -1.5; })
                .build();
  CMEGSpctmDrawqv d;
  TaggedTables tables(d);
  d.setDrawMEGData(ds.get());
  d.m_crBackground = RGB(9, 9, 9);
  d.m_nViewMode = 2;  // peak view for the window/peak pair
  const CRect rect(10, 10, 30, 30);
  // Bins sit at x 19, 20 and y 21, 20; the rest of the rectangle is background, and
  // nothing is drawn outside it.
  const auto check = [&](int (CMEGSpctmDrawqv::*draw)(CDC*, CRect, int, int), COLORREF first,
                         COLORREF second) {
    MemoryCanvas c(40, 40);
    d.m_bRecentre = true;
    ASSERT_EQ((d.*draw)(&c.dc, rect, 0, 0), 1);
    EXPECT_EQ(c.at(19, 21), first);
    EXPECT_EQ(c.at(20, 20), second);
    EXPECT_EQ(c.at(10, 10), RGB(9, 9, 9));
    EXPECT_EQ(c.at(29, 29), RGB(9, 9, 9));
    EXPECT_EQ(c.inked(CRect(10, 10, 30, 30)), 400);
    EXPECT_EQ(c.inkedAll(), 400);
  };
  check(&CMEGSpctmDrawqv::drawOneSpctmColumnStd, entry(kPositive768, 384), entry(kNegative768, 767));
  d.m_bPolarity = 0;
  check(&CMEGSpctmDrawqv::drawOneSpctmColumnStd, entry(kSingle1024, 512), entry(kSingle1024, 1023));
  check(&CMEGSpctmDrawqv::drawOneSpctmColumn, entry(kNegative768, 0), entry(kNegative768, 384));
  d.m_nViewMode = 0;
  check(&CMEGSpctmDrawqv::drawOneSpctmColumn, entry(kSingle1024, 768), entry(kSingle1024, 0));
  // Without a device context nothing can be drawn.
  EXPECT_EQ(d.drawOneSpctmColumnStd(nullptr, rect, 0, 0), 0);
  EXPECT_EQ(d.drawOneSpctmColumn(nullptr, rect, 0, 0), 0);
}

TEST(OneChnlRenderers, DataSourcesDrawTheChannelOrAGroupStatistic) {
  // Four channels, constant per channel: mean 30, min −100, max 200, averaged positive
  // 120, averaged negative −60, RMS √13000 = 114.02 with the sign of the mean.
  constexpr std::array<double, 4> kLevels{200.0, 40.0, -100.0, -20.0};
  auto ds = DatasetBuilder()
                .meg(L"A", 0, 0).meg(L"B", 1, 0).meg(L"C", 2, 0).meg(L"D", 3, 0)
                .grid(3, 2)
                .spectra(0, [&](std::int64_t ch, std::int64_t, std::int64_t, int) { return kLevels[std::size_t(ch)]; })
                .currentChannel(1)
                .build();
  IndexedEngine e(ds.get());
  constexpr std::array<int, 7> kIndex{40, 30, 100, 200, 120, 60, 114};
  for (int source = 0; source <= 6; ++source) {
    MemoryCanvas c(20, 20);
    e.d.m_nDataSource = source;
    ASSERT_EQ(e.draw(&c.dc, CRect(0, 0, 20, 20)), 1) << source;
    EXPECT_EQ(c.at(8, 10), entry(kSingle1024, kIndex[std::size_t(source)])) << source;
    EXPECT_EQ(c.inkedAll(), 6) << source;
  }
  // Beyond the six statistics nothing is drawn, by any renderer.
  MemoryCanvas c(20, 20);
  e.d.m_nDataSource = 7;
  EXPECT_EQ(e.d.drawOneSpctmColumn01AbsoluteValue(&c.dc, CRect(0, 0, 20, 20), 0, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmColumn2PolarityValue(&c.dc, CRect(0, 0, 20, 20), 0, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmColumnWindView(&c.dc, CRect(0, 0, 20, 20), 0, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmColumnPeakView(&c.dc, CRect(0, 0, 20, 20), 0, 0), 0);
  EXPECT_EQ(c.inkedAll(), 0);
}

namespace {

// Results of the absolute, polarity, window and peak renderers on one data set, each on a
// fresh canvas with a fresh engine; a failed draw must leave its canvas, its device
// context and the engine's placement untouched.
std::array<int, 4> renderAll(CArrayMEDataSetqv* ds, int source, int cls, int kind) {
  using Draw = int (CMEGSpctmDrawqv::*)(CDC*, CRect, int, int);
  constexpr std::array<Draw, 4> kDraws{
      &CMEGSpctmDrawqv::drawOneSpctmColumn01AbsoluteValue, &CMEGSpctmDrawqv::drawOneSpctmColumn2PolarityValue,
      &CMEGSpctmDrawqv::drawOneSpctmColumnWindView, &CMEGSpctmDrawqv::drawOneSpctmColumnPeakView};
  std::array<int, 4> results{};
  for (std::size_t i = 0; i < kDraws.size(); ++i) {
    CMEGSpctmDrawqv d;
    d.setDrawMEGData(ds);
    d.m_nDataSource = source;
    d.m_dColorMin = d.m_dColorMax = 0.0;  // every non-zero value is coloured in every view
    MemoryCanvas c(20, 20);
    c.dc.MoveTo(3, 4);
    results[i] = (d.*kDraws[i])(&c.dc, CRect(0, 0, 20, 20), cls, kind);
    if (results[i] == 0) {
      EXPECT_EQ(c.inkedAll(), 0) << i;
      EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(3, 4)) << i;
      EXPECT_TRUE(d.m_bRecentre) << i;
    } else {
      EXPECT_EQ(c.inkedAll(), 4) << i;
    }
  }
  return results;
}

using Results = std::array<int, 4>;  // absolute, polarity, window, peak

DatasetBuilder twoChannels() {
  DatasetBuilder b;
  b.meg(L"A", 0, 0).meg(L"B", 1, 0).grid(2, 2).spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) {
    return 0.5;
  });
  return b;
}

}  // namespace

TEST(OneChnlRenderers, MissingPiecesEndTheDrawingBeforeAnythingIsDrawn) {
  EXPECT_EQ(renderAll(twoChannels().build().get(), 0, 0, 0), (Results{1, 1, 1, 1}));
  EXPECT_EQ(renderAll(twoChannels().currentSession(-1).build().get(), 0, 0, 0), (Results{0, 0, 0, 0}));
  EXPECT_EQ(renderAll(twoChannels().currentTrial(-1).build().get(), 0, 0, 0), (Results{0, 0, 0, 0}));
  EXPECT_EQ(renderAll(twoChannels().currentChannel(-1).build().get(), 1, 0, 0), (Results{0, 0, 0, 0}));
  // Class 1 has no spectral trial.
  EXPECT_EQ(renderAll(twoChannels().build().get(), 0, 1, 0), (Results{0, 0, 0, 0}));
  // Without a group summary only the standard pair draws, and only the channel itself.
  EXPECT_EQ(renderAll(twoChannels().noSummary().build().get(), 0, 0, 0), (Results{1, 1, 0, 0}));
  EXPECT_EQ(renderAll(twoChannels().noSummary().build().get(), 3, 0, 0), (Results{0, 0, 0, 0}));

  // The current channel has no spectrum (the other one has): source 0 fails everywhere; a
  // group statistic draws, except in the window view, which needs the channel's spectrum.
  DatasetBuilder noChannelSpectrum;
  noChannelSpectrum.meg(L"A", 0, 0).noSpectrum().meg(L"B", 1, 0).grid(2, 2).spectra(
      0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.5; });
  EXPECT_EQ(renderAll(noChannelSpectrum.build().get(), 0, 0, 0), (Results{0, 0, 0, 0}));
  EXPECT_EQ(renderAll(noChannelSpectrum.build().get(), 1, 0, 0), (Results{1, 1, 0, 1}));
  // No array of the kind: kind 2 missing on every channel.
  DatasetBuilder noPower;
  noPower.meg(L"A", 0, 0).noSpectrum(0, 2).grid(2, 2).spectra(
      0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.5; });
  EXPECT_EQ(renderAll(noPower.build().get(), 0, 0, 2), (Results{0, 0, 0, 0}));
  EXPECT_EQ(renderAll(noPower.build().get(), 0, 0, 1), (Results{1, 1, 1, 1}));

  // Without a device context every renderer fails.
  auto ds = twoChannels().build();
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  EXPECT_EQ(d.drawOneSpctmColumn01AbsoluteValue(nullptr, CRect(0, 0, 9, 9), 0, 0), 0);
  EXPECT_EQ(d.drawOneSpctmColumn2PolarityValue(nullptr, CRect(0, 0, 9, 9), 0, 0), 0);
  EXPECT_EQ(d.drawOneSpctmColumnWindView(nullptr, CRect(0, 0, 9, 9), 0, 0), 0);
  EXPECT_EQ(d.drawOneSpctmColumnPeakView(nullptr, CRect(0, 0, 9, 9), 0, 0), 0);
  EXPECT_TRUE(d.m_bRecentre);
}

TEST(OneChnlRenderers, DefaultStateDrawsPolarityWithThe768Pair) {
  auto ds = DatasetBuilder()
                .meg(L"MLC11", 0, 0)
                .grid(4, 1)
                .spectrum(0, 0, 0, {0.0, 1.0, -1.0, -0.25})
                .build();
  CMEGSpctmDrawqv d;
  TaggedTables tables(d);
  d.setDrawMEGData(ds.get());
  MemoryCanvas c(10, 5);
  ASSERT_EQ(d.drawOneSpctmColumnStd(&c.dc, CRect(1, 1, 9, 4), 0, 0), 1);
  // x0 = trunc(1 + 2) = 3, y0 = trunc(4 − 1) = 3.
  EXPECT_EQ(c.at(3, 3), entry(kPositive768, 0));
  EXPECT_EQ(c.at(4, 3), entry(kPositive768, 767));
  EXPECT_EQ(c.at(5, 3), entry(kNegative768, 767));
  EXPECT_EQ(c.at(6, 3), entry(kNegative768, 192));
}
