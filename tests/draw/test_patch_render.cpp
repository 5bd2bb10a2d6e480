// The per-sensor patch renderers: one pixel per bin from the draw window's begin point,
// right and top limits, and where the colours differ from the single-channel view (view
// mode 1's middle entry, the peak view's centre). Values name their bins: the standard
// range 0 .. 1024 maps v to entry trunc(|v|).
#include "tests/draw/DrawCanvas.h"

using namespace drawtest;

namespace {

COLORREF bin(int64_t t, int64_t f) { return entry(kSingle1024, binValue(0, t, f)); }

// A spectral channel of kind 0: T × F values naming their bins, or copies of `value`.
std::unique_ptr<CSpctmChnlqv> spectrum(int64_t T, int64_t F, double value = -1.0) {
  std::vector<double> values;
  for (int64_t t = 0; t < T; ++t)
    for (int64_t f = 0; f < F; ++f) values.push_back(value < 0.0 ? binValue(0, t, f) : value);
  auto s = std::make_unique<CSpctmChnlqv>();
  s->setSpctmData(0, T, F, std::move(values));
  return s;
}

using Draw = int (CMEGSpctmDrawqv::*)(CDC*, int, int, int, int, CSpctmChnlqv*, int, int);

struct PatchEngine {
  CMEGSpctmDrawqv d;
  TaggedTables tables{d};
  PatchEngine() {
    d.m_bPolarity = 0;
    d.m_dStdMax = 1024.0;
  }
  // The patch with its first bin at (x0, y0), limits x1 and y1, on a fresh 70 × 60 canvas.
  std::unique_ptr<MemoryCanvas> draw(CSpctmChnlqv* s, int x0, int y0, int x1, int y1) {
    auto c = std::make_unique<MemoryCanvas>(70, 60);
    EXPECT_EQ(d.drawSpctmContourmapStd(&c->dc, x0, y0, x1, y1, s, 0, 0), 1);
    EXPECT_EQ(c->dc.GetCurrentPosition(), CPoint(x0, y0));
    return c;
  }
};

}  // namespace

TEST(Patch, ShowsTheDrawWindowFromItsBeginPointInsideTheLimits) {
  PatchEngine e;
  e.d.m_nWinTimeBegin = 5;
  e.d.m_nWinFreqBegin = 3;
  const auto s = spectrum(60, 30);
  // x1 − x0 = 39 and y0 − y1 = 19: 40 time points and 20 frequency points, nothing else.
  const auto c = e.draw(s.get(), 10, 40, 49, 21);
  for (int i = 0; i < 40; ++i)
    for (int j = 0; j < 20; ++j) ASSERT_EQ(c->at(10 + i, 40 - j), bin(5 + i, 3 + j)) << i << ", " << j;
  EXPECT_EQ(c->inked(), 800);
  // A spectrum smaller than the patch: only its own bins; a one-pixel patch.
  e.d.m_nWinTimeBegin = e.d.m_nWinFreqBegin = 0;
  const auto few = spectrum(8, 6);
  const auto small = e.draw(few.get(), 10, 40, 49, 21);
  EXPECT_EQ(small->inked(CRect(10, 35, 18, 41)), 48);
  EXPECT_EQ(small->inked(), 48);
  EXPECT_EQ(e.draw(few.get(), 5, 30, 5, 30)->inked(), 1);
}

TEST(Patch, BeginPointsAndLimitsThatLeaveNothingOrShiftThePatch) {
  PatchEngine e;
  const auto s = spectrum(20, 10);
  e.d.m_nWinTimeBegin = 20;  // past the last time point
  EXPECT_EQ(e.draw(s.get(), 5, 30, 30, 10)->inked(), 0);
  e.d.m_nWinTimeBegin = 0;
  EXPECT_EQ(e.draw(s.get(), 5, 30, 30, 31)->inked(), 0);  // top limit below the first row
  e.d.m_nWinTimeBegin = INT64_MIN;                        // no overflow, nothing in reach
  EXPECT_EQ(e.draw(s.get(), 5, 30, 30, 10)->inked(), 0);
  // Negative begin points shift the patch right and up by as many pixels.
  e.d.m_nWinTimeBegin = -3;
  e.d.m_nWinFreqBegin = -2;
  const auto c = e.draw(s.get(), 5, 30, 30, 10);
  EXPECT_EQ(c->at(8, 28), bin(0, 0));
  EXPECT_EQ(c->inked(CRect(8, 19, 28, 29)), 200);
  EXPECT_EQ(c->inked(), 200);
}

TEST(Patch, EntryPointsChooseByTheDrawStateAndTouchNoAttribute) {
  CMEGSpctmDrawqv d;
  TaggedTables tables(d);
  const auto s = spectrum(2, 2, 1.5);  // 0.5 beyond the colour range, of an outer span of 1
  MemoryCanvas c(10, 10);
  CPen pen(PS_SOLID, 1, RGB(0, 200, 0));
  c.dc.SelectObject(&pen);
  c.dc.SetTextColor(RGB(1, 2, 3));
  c.dc.SetBkColor(RGB(4, 5, 6));
  const DcState before = dcState(c.dc);
  const auto colourOf = [&](Draw draw) {
    EXPECT_EQ((d.*draw)(&c.dc, 3, 3, 3, 3, s.get(), 0, 0), 1);
    return c.at(3, 3);
  };
  EXPECT_EQ(colourOf(&CMEGSpctmDrawqv::drawSpctmContourmapStd), entry(kPos768, 767));
  d.m_bPolarity = 0;
  EXPECT_EQ(colourOf(&CMEGSpctmDrawqv::drawSpctmContourmapStd), entry(kSingle1024, 1023));
  // View mode 1 paints values outside the range with the entry below the middle (the
  // single-channel view: the middle itself, 512).
  for (auto [mode, expected] : {std::pair{0, entry(kSingle1024, 1023)}, std::pair{1, entry(kSingle1024, 511)},
                                std::pair{2, entry(kPos768, 384)}, std::pair{3, entry(kPos768, 384)},
                                std::pair{7, entry(kPos768, 384)}}) {
    d.m_nViewMode = mode;
    EXPECT_EQ(colourOf(&CMEGSpctmDrawqv::drawSpctmContourmapx), expected) << mode;
  }
  EXPECT_EQ(dcState(c.dc), before);
}

TEST(Patch, PeakViewCentresOnZeroWhereTheSingleChannelViewCentresByViewMode) {
  // View mode 3, outer range 0 .. 4: the single-channel view centres on 2, so 1.5 stays
  // neutral there; the patch centres on 0, so 1.5 is coloured (0.5 of a span of 3).
  Bound e(megdata::DatasetBuilder().meg(L"MLC11", 0, 0).grid(2, 2).spectra(0, constant(1.5)));
  TaggedTables tables(e.d);
  e.d.m_nViewMode = 3;
  e.d.m_dOuterMin = 0.0;
  e.d.m_dOuterMax = 4.0;
  MemoryCanvas c(20, 20);
  CSpctmChnlqv* s = e.d.m_pTrial->getChannel(0)->getSpctmChnl(false, 0);
  ASSERT_EQ(e.d.drawSpctmContourmapPeakView(&c.dc, 2, 5, 10, 0, s, 0, 0), 1);
  ASSERT_EQ(e.d.drawOneSpctmColumnPeakView(&c.dc, CRect(10, 10, 20, 20), 0, 0), 1);
  EXPECT_TRUE(pixelsAre(c, {{3, 5, entry(kPos768, 128)}, {15, 16, entry(kNeg768, 0)}}));
}

TEST(Patch, NoArrayNoDrawing) {
  CMEGSpctmDrawqv d;
  const auto s = spectrum(2, 2, 0.5);
  MemoryCanvas c(10, 10);
  for (Draw draw : {Draw(&CMEGSpctmDrawqv::drawSpctmContourmap01AbsoluteValue),
                    Draw(&CMEGSpctmDrawqv::drawSpctmContourmap02PolarityValue),
                    Draw(&CMEGSpctmDrawqv::drawSpctmContourmapWinView),
                    Draw(&CMEGSpctmDrawqv::drawSpctmContourmapPeakView)}) {
    EXPECT_EQ((d.*draw)(&c.dc, 3, 3, 8, 0, nullptr, 0, 0), 0);
    EXPECT_EQ((d.*draw)(&c.dc, 3, 3, 8, 0, s.get(), 0, 2), 0);  // no power array
    EXPECT_EQ((d.*draw)(nullptr, 3, 3, 8, 0, s.get(), 0, 0), 0);
  }
  EXPECT_EQ(c.inked(), 0);
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint());
}
