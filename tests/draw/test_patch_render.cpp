// The per-sensor patch renderers: one pixel per bin from the draw window's begin point,
// limits on the right and top, and the two colour differences from the single-channel view
// (view mode 1's middle entry, the peak view's centre). Values name their bins as in the
// single-channel tests: the standard range 0 .. 1024 maps v to entry trunc(|v|).
#include <gtest/gtest.h>

#include <vector>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/data/DatasetBuilder.h"
#include "tests/draw/DrawTestSupport.h"

using namespace drawtest;

namespace {

int binIndex(std::int64_t t, std::int64_t f) { return static_cast<int>(10 * t + f + 1); }
COLORREF bin(std::int64_t t, std::int64_t f) { return entry(kSingle1024, binIndex(t, f)); }

// A spectral channel of kind 0 whose values name their bins.
std::unique_ptr<CSpctmChnlqv> indexedSpectrum(std::int64_t T, std::int64_t F) {
  std::vector<double> values;
  for (std::int64_t t = 0; t < T; ++t)
    for (std::int64_t f = 0; f < F; ++f) values.push_back(binIndex(t, f));
  auto s = std::make_unique<CSpctmChnlqv>();
  s->setSpctmData(0, T, F, std::move(values));
  return s;
}

std::unique_ptr<CSpctmChnlqv> constantSpectrum(double value) {
  auto s = std::make_unique<CSpctmChnlqv>();
  s->setSpctmData(0, 2, 2, std::vector<double>(4, value));
  return s;
}

struct PatchEngine {
  CMEGSpctmDrawqv d;
  TaggedTables tables{d};
  PatchEngine() {
    d.m_bPolarity = 0;
    d.m_dStdMin = 0.0;
    d.m_dStdMax = 1024.0;
  }
};

}  // namespace

TEST(Patch, ShowsTheWindowFromItsBeginPointInsideTheLimits) {
  PatchEngine e;
  e.d.m_nWinTimeBegin = 5;
  e.d.m_nWinFreqBegin = 3;
  auto spectrum = indexedSpectrum(60, 30);
  MemoryCanvas c(70, 60);
  // x1 − x0 = 39 and y0 − y1 = 19: 40 time points and 20 frequency points.
  ASSERT_EQ(e.d.drawSpctmContourmapStd(&c.dc, 10, 40, 49, 21, spectrum.get(), 0, 0), 1);
  for (int i = 0; i < 40; ++i)
    for (int j = 0; j < 20; ++j) ASSERT_EQ(c.at(10 + i, 40 - j), bin(5 + i, 3 + j)) << i << ", " << j;
  EXPECT_EQ(c.inkedAll(), 800);
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(10, 40));

  // A spectrum smaller than the patch: only its own bins.
  MemoryCanvas small(70, 60);
  auto few = indexedSpectrum(8, 6);
  e.d.m_nWinTimeBegin = e.d.m_nWinFreqBegin = 0;
  ASSERT_EQ(e.d.drawSpctmContourmapStd(&small.dc, 10, 40, 49, 21, few.get(), 0, 0), 1);
  EXPECT_EQ(small.at(17, 35), bin(7, 5));
  EXPECT_EQ(small.inked(CRect(10, 35, 18, 41)), 48);
  EXPECT_EQ(small.inkedAll(), 48);
}

TEST(Patch, BeginPointsAndLimitsThatLeaveNothingOrAShift) {
  PatchEngine e;
  auto spectrum = indexedSpectrum(20, 10);
  // Begin past the last time point: nothing drawn, still done.
  MemoryCanvas past(40, 40);
  e.d.m_nWinTimeBegin = 20;
  EXPECT_EQ(e.d.drawSpctmContourmapStd(&past.dc, 5, 30, 30, 10, spectrum.get(), 0, 0), 1);
  EXPECT_EQ(past.inkedAll(), 0);
  // Top limit below the first row.
  MemoryCanvas upside(40, 40);
  e.d.m_nWinTimeBegin = 0;
  EXPECT_EQ(e.d.drawSpctmContourmapStd(&upside.dc, 5, 30, 30, 31, spectrum.get(), 0, 0), 1);
  EXPECT_EQ(upside.inkedAll(), 0);
  // A one-pixel patch.
  MemoryCanvas dot(40, 40);
  EXPECT_EQ(e.d.drawSpctmContourmapStd(&dot.dc, 5, 30, 5, 30, spectrum.get(), 0, 0), 1);
  EXPECT_EQ(dot.at(5, 30), bin(0, 0));
  EXPECT_EQ(dot.inkedAll(), 1);
  // Negative begin points shift the patch right and up by as many pixels.
  MemoryCanvas shifted(40, 40);
  e.d.m_nWinTimeBegin = -3;
  e.d.m_nWinFreqBegin = -2;
  ASSERT_EQ(e.d.drawSpctmContourmapStd(&shifted.dc, 5, 30, 30, 10, spectrum.get(), 0, 0), 1);
  EXPECT_EQ(shifted.at(8, 28), bin(0, 0));
  EXPECT_EQ(shifted.inked(CRect(5, 10, 8, 31)), 0);
  EXPECT_EQ(shifted.inked(CRect(5, 29, 31, 31)), 0);
  EXPECT_EQ(shifted.inkedAll(), 20 * 10);  // every bin, from column 8 and row 28
  // Begin points no window would hold draw nothing and never overflow.
  MemoryCanvas far(40, 40);
  e.d.m_nWinTimeBegin = INT64_MIN;
  e.d.m_nWinFreqBegin = INT64_MIN;
  EXPECT_EQ(e.d.drawSpctmContourmapStd(&far.dc, 5, 30, 30, 10, spectrum.get(), 0, 0), 1);
  EXPECT_EQ(far.inkedAll(), 0);
}

TEST(Patch, ViewModeOneTakesTheEntryBelowTheSingleChannelMiddle) {
  // The same value outside the colour range, drawn as a patch and as a single channel.
  auto ds = megdata::DatasetBuilder()
                .meg(L"MLC11", 0, 0)
                .grid(2, 2)
                .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 5.0; })
                .build();
  CMEGSpctmDrawqv d;
  TaggedTables tables(d);
  d.setDrawMEGData(ds.get());
  d.m_nViewMode = 1;
  d.m_nColorDepth = 256;
  MemoryCanvas c(20, 20);
  CSpctmChnlqv* spectrum = d.m_pTrial->getChannel(0)->getSpctmChnl(false, 0);
  ASSERT_EQ(d.drawSpctmContourmapWinView(&c.dc, 2, 5, 10, 0, spectrum, 0, 0), 1);
  EXPECT_EQ(c.at(2, 5), entry(kSingle256, 127));
  ASSERT_EQ(d.drawOneSpctmColumnWindView(&c.dc, CRect(10, 10, 20, 20), 0, 0), 1);
  EXPECT_EQ(c.at(14, 15), entry(kSingle256, 128));
}

TEST(Patch, PeakCentreIsZeroInEveryViewMode) {
  // Outer range 0 .. 4 puts the single-channel centre at 2 in view mode 3, so 1.5 stays
  // neutral there; the patch's centre is 0, so 1.5 is coloured (0.5 of a span of 3).
  auto ds = megdata::DatasetBuilder()
                .meg(L"MLC11", 0, 0)
                .grid(2, 2)
                .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 1.5; })
                .build();
  CMEGSpctmDrawqv d;
  TaggedTables tables(d);
  d.setDrawMEGData(ds.get());
  d.m_nViewMode = 3;
  d.m_dOuterMin = 0.0;
  d.m_dOuterMax = 4.0;
  MemoryCanvas c(20, 20);
  CSpctmChnlqv* spectrum = d.m_pTrial->getChannel(0)->getSpctmChnl(false, 0);
  ASSERT_EQ(d.drawSpctmContourmapPeakView(&c.dc, 2, 5, 10, 0, spectrum, 0, 0), 1);
  EXPECT_EQ(c.at(2, 5), entry(kPositive768, 128));
  ASSERT_EQ(d.drawOneSpctmColumnPeakView(&c.dc, CRect(10, 10, 20, 20), 0, 0), 1);
  EXPECT_EQ(c.at(14, 15), entry(kNegative768, 0));
}

TEST(Patch, EntryPointsChooseByTheDrawStateAndTouchNoAttribute) {
  CMEGSpctmDrawqv d;
  TaggedTables tables(d);
  auto spectrum = constantSpectrum(-1.5);
  MemoryCanvas c(10, 10);
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, RGB(0, 200, 0));
  c.dc.SelectObject(&pen);
  c.dc.SetTextColor(RGB(1, 2, 3));
  c.dc.SetBkColor(RGB(4, 5, 6));
  CFont* font = c.dc.GetCurrentFont();
  const auto colourOf = [&](int (CMEGSpctmDrawqv::*draw)(CDC*, int, int, int, int, CSpctmChnlqv*, int, int)) {
    EXPECT_EQ((d.*draw)(&c.dc, 3, 3, 3, 3, spectrum.get(), 0, 0), 1);
    return c.at(3, 3);
  };
  // Standard pair: polarity flag set → negative table, clear → single table.
  EXPECT_EQ(colourOf(&CMEGSpctmDrawqv::drawSpctmContourmapStd), entry(kNegative768, 767));
  d.m_bPolarity = 0;
  EXPECT_EQ(colourOf(&CMEGSpctmDrawqv::drawSpctmContourmapStd), entry(kSingle1024, 1023));
  // Window/peak pair: view modes 0 and 1 window, anything else peak (−1.5: 0.5 of a span of 1).
  for (int mode : {0, 1}) {
    d.m_nViewMode = mode;
    EXPECT_EQ(colourOf(&CMEGSpctmDrawqv::drawSpctmContourmapx), entry(kSingle1024, mode == 0 ? 0 : 511));
  }
  for (int mode : {2, 3, 7}) {
    d.m_nViewMode = mode;
    EXPECT_EQ(colourOf(&CMEGSpctmDrawqv::drawSpctmContourmapx), entry(kNegative768, 384));
  }
  EXPECT_EQ(c.dc.GetCurrentPen(), &pen);
  EXPECT_EQ(c.dc.GetCurrentFont(), font);
  EXPECT_EQ(c.dc.GetTextColor(), RGB(1, 2, 3));
  EXPECT_EQ(c.dc.GetBkColor(), RGB(4, 5, 6));
}

TEST(Patch, NoArrayNoDrawing) {
  CMEGSpctmDrawqv d;
  auto spectrum = constantSpectrum(0.5);
  MemoryCanvas c(10, 10);
  c.dc.MoveTo(1, 2);
  using Draw = int (CMEGSpctmDrawqv::*)(CDC*, int, int, int, int, CSpctmChnlqv*, int, int);
  for (Draw draw : {static_cast<Draw>(&CMEGSpctmDrawqv::drawSpctmContourmap01AbsoluteValue),
                    static_cast<Draw>(&CMEGSpctmDrawqv::drawSpctmContourmap02PolarityValue),
                    static_cast<Draw>(&CMEGSpctmDrawqv::drawSpctmContourmapWinView),
                    static_cast<Draw>(&CMEGSpctmDrawqv::drawSpctmContourmapPeakView)}) {
    EXPECT_EQ((d.*draw)(&c.dc, 3, 3, 8, 0, nullptr, 0, 0), 0);
    EXPECT_EQ((d.*draw)(&c.dc, 3, 3, 8, 0, spectrum.get(), 0, 2), 0);  // no power array
    EXPECT_EQ((d.*draw)(&c.dc, 3, 3, 8, 0, spectrum.get(), 0, 3), 0);  // no such kind
    EXPECT_EQ((d.*draw)(nullptr, 3, 3, 8, 0, spectrum.get(), 0, 0), 0);
  }
  EXPECT_EQ(c.inkedAll(), 0);
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(1, 2));
}
