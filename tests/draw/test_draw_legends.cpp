// Colour-scale legends, frequency scale bar, selection band and draw-window stepping.
#include <limits>

#include "tests/draw/DrawCanvas.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

// One MEG channel, T × F bins of 0.5 in class 0; latencies and frequencies first + i·step.
DatasetBuilder dataset(int64_t T = 40, int64_t F = 20, double ms0 = 0, double msStep = 100, double hz0 = 1,
                       double hzStep = 1) {
  DatasetBuilder b;
  b.meg(L"MLC11", 0, 0).grid(T, F).latencies(ms0, msStep).frequencies(hz0, hzStep).spectra(0, constant(0.5));
  return b;
}

// Vertical bars of width 30 at x = 10, each 6 high, stacked up from y = 50, with the range
// labels to their right at the top and the base, on the text background colour.
void stack(MemoryCanvas& c, const CMEGSpctmDrawqv& d, const std::vector<COLORREF>& colours, const wchar_t* top,
           const wchar_t* base) {
  for (size_t i = 0; i < colours.size(); ++i) c.dc.FillSolidRect(10, 50 - 6 * static_cast<int>(i), 30, 6, colours[i]);
  c.text(d, 47, 8, top, d.m_crTextBk);
  c.text(d, 47, 50, base, d.m_crTextBk);
}

}  // namespace

TEST(ColorScale, WindowViewStacksBarsUpFromHalfTheHeightWithRangeLabels) {
  Bound e(dataset());
  MemoryCanvas c(120, 120);
  // H = 100 and steps 7: n = 8 bars of (100 / 8) / 2 = 6 pixels from y = 50 up to y = 8.
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&c.dc, CRect(10, 0, 40, 100), 0, 0, 7), 1);
  std::vector<COLORREF> colours;
  for (int i = 0; i < 8; ++i) colours.push_back(e.d.m_pSingleColor1024[i * 128]);
  // Labels stand on the text background colour, not on the last bar's colour.
  MemoryCanvas want(120, 120);
  stack(want, e.d, colours, L"1.000", L"-1.000");
  EXPECT_TRUE(sameImage(c, want));
  // Only the height places the stack: the same bars for a rectangle whose top is 30.
  MemoryCanvas moved(120, 120);
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&moved.dc, CRect(10, 30, 40, 130), 0, 0, 8), 1);
  EXPECT_TRUE(sameImage(moved, want));
}

TEST(ColorScale, BarCountAndTablesFollowStepsViewModeAndDepth) {
  Bound e(dataset());
  MemoryCanvas c(120, 120);
  // H = 90 and steps 3: six bars of (90 / 6) / 2 = 7 pixels from y = 45, the top at y = 10.
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&c.dc, CRect(10, 0, 40, 90), 0, 0, 3), 1);
  EXPECT_TRUE(pixelsAre(c, {{20, 10, e.d.m_pSingleColor1024[5 * 170]}, {20, 51, e.d.m_pSingleColor1024[0]},
                            {20, 9, kWhite}, {20, 52, kWhite}}));
  // Peak view: the polarity pair, strongest negative (768 clamped to 767) at bar 0, the
  // neutral colour at bar n / 2, growing positive above; outer range labels.
  e.d.m_nViewMode = 3;
  MemoryCanvas p(120, 120);
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&p.dc, CRect(10, 0, 40, 100), 0, 0, 8), 1);
  const COLORREF *neg = e.d.m_pNegativeColor768, *pos = e.d.m_pPositiveColor768;
  MemoryCanvas want(120, 120);
  stack(want, e.d, {neg[767], neg[576], neg[384], neg[192], neg[0], pos[192], pos[384], pos[576]}, L"2.000", L"-2.000");
  EXPECT_TRUE(sameImage(p, want));
  // Depth 768: a pair of 256-entry tables, step 256 / 4.
  e.d.m_nColorDepth = 768;
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&p.dc, CRect(10, 0, 40, 100), 0, 0, 8), 1);
  EXPECT_TRUE(pixelsAre(p, {{20, 50, e.d.m_pNegativeColor256[255]}, {20, 20, e.d.m_pPositiveColor256[64]}}));
}

TEST(ColorScale, StandardVerticalLabelsMarkTheStandardRange) {
  Bound e(dataset());
  e.d.m_dStdMin = 0.25;
  // Polarity: n = 8, b = 6, h = 4, k = trunc(0.25·4) = 1; four labels and no zero.
  MemoryCanvas c(120, 120);
  ASSERT_EQ(e.d.drawSpctmColorScaleStdVtc(&c.dc, CRect(10, 0, 40, 100), 0, 0, 8), 1);
  EXPECT_TRUE(textAt(e.d, c, 47, 8, L"1.000", e.d.m_crTextBk));
  EXPECT_TRUE(textAt(e.d, c, 47, 20, L"0.250", e.d.m_crTextBk));   // 50 − (k + h)·6
  EXPECT_TRUE(textAt(e.d, c, 47, 32, L"-0.250", e.d.m_crTextBk));  // 50 + (k − h)·6
  EXPECT_TRUE(textAt(e.d, c, 47, 50, L"-1.000", e.d.m_crTextBk));
  EXPECT_EQ(pixeltest::countInside(c.surface(), CRect(41, 62, 120, 120), kWhite), 79 * 58);
  // Single table: the minimum at its share of the stack, "0.000" one bar below the base.
  e.d.m_bPolarity = 0;
  MemoryCanvas s(120, 120);
  ASSERT_EQ(e.d.drawSpctmColorScaleStdVtc(&s.dc, CRect(10, 0, 40, 100), 0, 0, 8), 1);
  EXPECT_TRUE(textAt(e.d, s, 47, 8, L"1.000", e.d.m_crTextBk));
  EXPECT_TRUE(textAt(e.d, s, 47, 39, L"0.250", e.d.m_crTextBk));  // trunc(50 − 0.25·7·6)
  EXPECT_TRUE(textAt(e.d, s, 47, 56, L"0.000", e.d.m_crTextBk));
}

TEST(ColorScale, StandardHorizontalBarsRunRightFromHalfTheWidthUnderTheirLabels) {
  Bound e(dataset());
  e.d.m_dStdMin = 0.25;
  // W = 800, steps 10: bars 40 wide from x = 400 whatever the left; h = 5, step 768 / 5.
  const CRect rect(100, 280, 900, 300);
  MemoryCanvas c(960, 320), want(960, 320);
  ASSERT_EQ(e.d.drawSpctmColorScaleStdHrz(&c.dc, rect, 0, 0, 10), 1);
  const COLORREF *neg = e.d.m_pNegativeColor768, *pos = e.d.m_pPositiveColor768;
  const COLORREF colours[] = {neg[765], neg[612], neg[459], neg[306], neg[153],
                              neg[0],   pos[153], pos[306], pos[459], pos[612]};
  for (int i = 0; i < 10; ++i) want.dc.FillSolidRect(400 + 40 * i, 280, 40, 20, colours[i]);
  // Labels stand 12 pixels (their height) above the top: max, min at (h + k)·40, zero at
  // h·40, −min at (h − k)·40, −max at the base.
  for (auto [x, label] : {std::pair{760, L"1.000"}, std::pair{640, L"0.250"}, std::pair{600, L"0.000"},
                          std::pair{560, L"-0.250"}, std::pair{400, L"-1.000"}})
    want.text(e.d, x, 268, label, e.d.m_crTextBk);
  EXPECT_TRUE(sameImage(c, want));
  e.d.m_bPolarity = 0;
  MemoryCanvas s(960, 320);
  ASSERT_EQ(e.d.drawSpctmColorScaleStdHrz(&s.dc, rect, 0, 0, 10), 1);
  EXPECT_EQ(s.at(799, 299), e.d.m_pSingleColor1024[9 * 102]);
  EXPECT_TRUE(textAt(e.d, s, 490, 268, L"0.250", e.d.m_crTextBk));  // trunc(400 + 0.25·360)
  EXPECT_TRUE(textAt(e.d, s, 400, 268, L"0.000", e.d.m_crTextBk));
}

TEST(ColorScale, NothingIsDrawnWithoutRoomOrData) {
  Bound e(dataset()), noChannels(DatasetBuilder().trial(L"empty"));
  Bound noTrial(DatasetBuilder().meg(L"A", 0, 0).grid(2, 2).currentTrial(-1));
  MemoryCanvas c(60, 60);
  EXPECT_EQ(e.d.drawSpctmColorScalePro(&c.dc, CRect(0, 0, 4, 50), 0, 0, 8), 0);
  EXPECT_EQ(e.d.drawSpctmColorScaleStdVtc(&c.dc, CRect(0, 0, 50, 4), 0, 0, 8), 0);
  EXPECT_EQ(e.d.drawSpctmColorScaleStdHrz(nullptr, CRect(0, 0, 50, 50), 0, 0, 8), 0);
  EXPECT_EQ(noChannels.d.drawSpctmColorScaleStdVtc(&c.dc, CRect(0, 0, 50, 50), 0, 0, 8), 0);
  EXPECT_EQ(noTrial.d.drawSpctmColorScaleStdHrz(&c.dc, CRect(0, 0, 50, 50), 0, 0, 8), 0);
  EXPECT_EQ(c.inked(), 0);
  EXPECT_EQ(e.d.drawSpctmColorScalePro(&c.dc, CRect(0, 0, 5, 5), 0, 0, 8), 1);
}

TEST(ScaleBar, OnePixelPerFrequencyPointWithEndsInHertzOrKilohertz) {
  Bound e(dataset(10, 16, 0, 1, 0.0, 100.0));  // 0 … 1500 Hz
  MemoryCanvas c(100, 60), want(100, 60);
  ASSERT_EQ(e.d.drawSpctmScaleBar(&c.dc, CRect(50, 50, 60, 60), 0, 0), 1);
  want.text(e.d, 4, 2, L"1.500kHz");
  want.line(2, 2, 2, 18, e.d.m_penScale.color());
  want.text(e.d, 4, 6, L"0.000Hz");  // F − 10
  EXPECT_TRUE(sameImage(c, want));
  Bound hz(dataset(10, 2, 0, 1, 0.0, 999.9));
  MemoryCanvas h(100, 60);
  ASSERT_EQ(hz.d.drawSpctmScaleBar(&h.dc, CRect(), 0, 0), 1);
  EXPECT_TRUE(textAt(hz.d, h, 4, 2, L"999.900Hz"));
  // No frequency axis: the error text; no spectral data of the class: nothing.
  e.d.m_pTrial->getSpctmTrial(false, 0)->setGrid(10, 0);
  MemoryCanvas err(300, 40);
  EXPECT_EQ(e.d.drawSpctmScaleBar(&err.dc, CRect(), 1, 0), 0);
  EXPECT_EQ(err.inked(), 0);
  EXPECT_EQ(e.d.drawSpctmScaleBar(&err.dc, CRect(), 0, 0), 0);
  EXPECT_TRUE(textAt(e.d, err, 0, 0, L"Get spectrum frequency range error"));
}

TEST(SelectLine, InvertsTheSelectedPointsOfTheDrawWindowAndWritesTheirLatencies) {
  Bound e(dataset(40, 8, 0.0, 100.0));
  CSpctmTrialqv* spectra = e.d.m_pTrial->getSpctmTrial(false, 0);
  spectra->setTrialSpctmSelectTime(15, 30);  // 1500 … 3000 ms
  e.d.m_nWinTimeBegin = 10;
  MemoryCanvas c(200, 60), want(200, 60);
  ASSERT_EQ(e.d.drawSpctmSelectLine(&c.dc, CRect(20, 10, 120, 50), 0, 0), 1);
  EXPECT_EQ(e.d.m_nSelectLineX, 25);
  want.invert(25, 10, 40, 50);
  want.text(e.d, 25 + want.width(e.d, L"1.500->3.000 s") / 2, 0, L"1.500->3.000 s");
  EXPECT_TRUE(sameImage(c, want));
  // Entirely left of the draw window: a one-pixel band at the left; milliseconds unless
  // both ends pass 1000 ms.
  spectra->setTrialSpctmSelectTime(5, 10);  // 500 … 1000 ms
  e.d.m_nWinTimeBegin = 30;
  MemoryCanvas left(200, 60);
  ASSERT_EQ(e.d.drawSpctmSelectLine(&left.dc, CRect(20, 20, 60, 60), 0, 0), 1);
  EXPECT_EQ(e.d.m_nSelectLineX, 20);
  EXPECT_EQ(pixeltest::countInside(left.surface(), CRect(0, 20, 200, 60), kBlack), 40);
  EXPECT_TRUE(textAt(e.d, left, 20 + left.width(e.d, L"500.000->1000.000 ms") / 2, 0, L"500.000->1000.000 ms"));
  // End beyond the width W = 30: the band reaches the right edge.
  spectra->setTrialSpctmSelectTime(25, 39);
  e.d.m_nWinTimeBegin = 0;
  MemoryCanvas right(200, 60);
  ASSERT_EQ(e.d.drawSpctmSelectLine(&right.dc, CRect(20, 20, 50, 60), 0, 0), 1);
  EXPECT_EQ(pixeltest::inkBounds(right.surface(), kWhite).left, 45);
  EXPECT_EQ(pixeltest::countInside(right.surface(), CRect(0, 20, 200, 60), kBlack), 5 * 40);
  EXPECT_EQ(right.at(50, 40), kWhite);
  MemoryCanvas none(100, 40);
  EXPECT_EQ(e.d.drawSpctmSelectLine(&none.dc, CRect(0, 0, 100, 40), 2, 0), 0);
  EXPECT_EQ(e.d.m_nSelectLineX, 45);
  EXPECT_EQ(none.inked(), 0);
}

TEST(DrawBegin, StepsStayWithinTheTimeAxis) {
  Bound e(dataset());  // T = 40
  const std::pair<int64_t, int64_t> steps[] = {{10, 10}, {29, 39}, {1, 39} /* passing the end: the last point */,
                                               {-100, 0}, {std::numeric_limits<int64_t>::min(), 0}};
  for (auto [delta, begin] : steps) EXPECT_EQ(e.d.addDrawBeginSampleIDXSpctm(delta, 0, 0), begin) << delta;
  e.d.m_nWinTimeBegin = 7;
  EXPECT_EQ(e.d.addDrawBeginSampleIDXSpctm(5, 1, 0), 0);  // no spectral data of class 1
  EXPECT_EQ(e.d.m_nWinTimeBegin, 7);
}

TEST(Overlays, LeaveTheDeviceContextsAttributesAsTheyFoundThem) {
  Bound e(DatasetBuilder().meg(L"MLC11", 0, 0).grid(40, 20).spectra(0, constant(0.5)).waves(40, [](int64_t, int64_t s) {
    return static_cast<double>(s % 7);
  }));
  MemoryCanvas c(200, 100);
  CPen pen(PS_DASH, 1, RGB(1, 2, 3));
  c.dc.SelectObject(&pen);
  c.dc.SetTextColor(RGB(9, 8, 7));
  c.dc.SetBkColor(RGB(7, 8, 9));
  const DcState before = dcState(c.dc);
  const auto check = [&](int result, COLORREF bk = RGB(7, 8, 9)) {
    EXPECT_EQ(result, 1);
    EXPECT_EQ(dcState(c.dc), (DcState{before.pen, before.font, before.text, bk}));
    c.dc.SetBkColor(before.bk);
  };
  const CRect r(0, 0, 200, 100);
  check(e.d.drawSpctmColorScalePro(&c.dc, CRect(0, 0, 30, 100), 0, 0, 8));
  check(e.d.drawSpctmColorScaleStdHrz(&c.dc, r, 0, 0, 8));
  check(e.d.drawSpctmScaleBar(&c.dc, r, 0, 0));
  check(e.d.drawSpctmSelectLine(&c.dc, r, 0, 0));
  check(e.d.drawOneSpctmMeasures(&c.dc, r, 0, 0));
  check(e.d.drawOneWaveColumn(&c.dc, r, 0, 0));
  check(e.d.drawOneSpctmSelectInfo(&c.dc, r, 0, 0), kWhite);  // the read-out leaves white
}
