// Colour-scale legends, frequency scale bar, selection band and draw-window stepping.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/data/DatasetBuilder.h"
#include "tests/draw/DrawCanvas.h"

using drawtest::MemCanvas;
using drawtest::sameImage;
using drawtest::textAt;

namespace {

// One MEG channel with spectra of class 0 on a T × F grid.
std::unique_ptr<CArrayMEDataSetqv> dataset(std::int64_t T, std::int64_t F, double firstMs = 0.0,
                                           double stepMs = 1.0, double firstHz = 1.0, double stepHz = 1.0) {
  return megdata::DatasetBuilder()
      .meg(L"MLC11", 0, 0)
      .grid(T, F)
      .latencies(firstMs, stepMs)
      .frequencies(firstHz, stepHz)
      .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.5; })
      .build();
}

// Expected legend: bars of the given colours, stacked upward from y = base (vertical) or
// side by side from x = base (horizontal), each b pixels.
void expectedBars(MemCanvas& c, const CRect& rect, int base, int b, const std::vector<COLORREF>& colors,
                  bool horizontal) {
  for (int i = 0; i < static_cast<int>(colors.size()); ++i) {
    if (horizontal) {
      c.dc.FillSolidRect(base + i * b, rect.top, b, rect.Height(), colors[static_cast<size_t>(i)]);
    } else {
      c.dc.FillSolidRect(rect.left, base - i * b, rect.Width(), b, colors[static_cast<size_t>(i)]);
    }
  }
}

struct Engine {
  std::unique_ptr<CArrayMEDataSetqv> ds = dataset(40, 20);
  CMEGSpctmDrawqv d;
  Engine() { d.setDrawMEGData(ds.get()); }
};

}  // namespace

// ---- Bar geometry ---------------------------------------------------------------------------

TEST(ColorScaleBars, SevenStepsGiveEightBarsStackedUpFromHalfTheHeight) {
  Engine e;
  e.d.m_nViewMode = 0;  // window view: the 1024-entry single table at depth 765
  MemCanvas c(120, 120);
  const CRect rect(10, 0, 40, 100);
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&c.dc, rect, 0, 0, 7), 1);

  // H = 100, n = 8: bar height 6, bar 0 at y = 50, bar 7 at y = 8; index i·(1024 / 8).
  MemCanvas want(120, 120);
  std::vector<COLORREF> colors;
  for (int i = 0; i < 8; ++i) colors.push_back(e.d.m_pSingleColor1024[i * 128]);
  expectedBars(want, rect, 50, 6, colors, false);
  // The bars' fills leave the top bar's colour as the text background.
  want.text(e.d, 47, 8, L"1.000", colors.back());
  want.text(e.d, 47, 50, L"-1.000", colors.back());
  EXPECT_TRUE(sameImage(c, want));
  // Guard rows and columns of the stack are untouched.
  EXPECT_EQ(c.at(20, 7), drawtest::kWhite);
  EXPECT_EQ(c.at(20, 56), drawtest::kWhite);
  EXPECT_EQ(c.at(9, 30), drawtest::kWhite);
  EXPECT_EQ(c.at(40, 30), drawtest::kWhite);
}

TEST(ColorScaleBars, FewStepsGiveSixBarsAndTheTopDoesNotMoveThem) {
  Engine e;
  e.d.m_nViewMode = 1;
  MemCanvas c(100, 160);
  // H = 100 with its top at 30: the bars still start at y = 50 (only the height counts).
  const CRect rect(10, 30, 40, 130);
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&c.dc, rect, 0, 0, 3), 1);
  // n = 6, b = (100 / 6) / 2 = 8: bars at 50, 42, …, 10; the top label at y = 10.
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(c.at(25, 50 - i * 8), e.d.m_pSingleColor1024[i * (1024 / 6)]) << i;
    EXPECT_EQ(c.at(25, 57 - i * 8), e.d.m_pSingleColor1024[i * (1024 / 6)]) << i;
  }
  EXPECT_EQ(c.at(25, 9), drawtest::kWhite);
  EXPECT_EQ(c.at(25, 58), drawtest::kWhite);
  const COLORREF top = e.d.m_pSingleColor1024[5 * (1024 / 6)];
  EXPECT_TRUE(textAt(e.d, c, 47, 10, L"1.000", top));
  EXPECT_TRUE(textAt(e.d, c, 47, 50, L"-1.000", top));
}

TEST(ColorScaleBars, PeakViewUsesThePolarityPairAndTheOuterRange) {
  Engine e;
  e.d.m_nViewMode = 3;
  MemCanvas c(120, 120);
  const CRect rect(10, 0, 40, 100);
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&c.dc, rect, 0, 0, 8), 1);
  // h = 4, step = 768 / 4: strongest negative at bar 0 (index 768 clamped to 767), the
  // neutral colour at bar 4, then positive 192, 384, 576.
  const COLORREF* neg = e.d.m_pNegativeColor768;
  const COLORREF* pos = e.d.m_pPositiveColor768;
  MemCanvas want(120, 120);
  expectedBars(want, rect, 50, 6, {neg[767], neg[576], neg[384], neg[192], neg[0], pos[192], pos[384], pos[576]},
               false);
  want.text(e.d, 47, 8, L"2.000", pos[576]);
  want.text(e.d, 47, 50, L"-2.000", pos[576]);
  EXPECT_TRUE(sameImage(c, want));
}

TEST(ColorScaleBars, ColourDepthPicksTheTables) {
  Engine e;
  e.d.m_nViewMode = 2;
  e.d.m_nColorDepth = 768;  // polarity pair of 256 entries each: step 256 / 4 = 64
  MemCanvas c(120, 120);
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&c.dc, CRect(10, 0, 40, 100), 0, 0, 8), 1);
  EXPECT_EQ(c.at(20, 50), e.d.m_pNegativeColor256[255]);
  EXPECT_EQ(c.at(20, 44), e.d.m_pNegativeColor256[192]);
  EXPECT_EQ(c.at(20, 50 - 5 * 6), e.d.m_pPositiveColor256[64]);

  e.d.m_nViewMode = 0;
  e.d.m_nColorDepth = 256;  // single table of 256: index i·32
  ASSERT_EQ(e.d.drawSpctmColorScalePro(&c.dc, CRect(10, 0, 40, 100), 0, 0, 8), 1);
  EXPECT_EQ(c.at(20, 50 - 7 * 6), e.d.m_pSingleColor256[224]);
}

TEST(ColorScaleBars, NothingIsDrawnWithoutRoomOrData) {
  Engine e;
  MemCanvas c(60, 60);
  EXPECT_EQ(e.d.drawSpctmColorScalePro(&c.dc, CRect(0, 0, 4, 50), 0, 0, 8), 0);
  EXPECT_EQ(e.d.drawSpctmColorScaleStdVtc(&c.dc, CRect(0, 0, 50, 4), 0, 0, 8), 0);
  EXPECT_EQ(e.d.drawSpctmColorScaleStdHrz(&c.dc, CRect(0, 0, 4, 4), 0, 0, 8), 0);
  EXPECT_EQ(e.d.drawSpctmColorScalePro(nullptr, CRect(0, 0, 50, 50), 0, 0, 8), 0);
  EXPECT_EQ(drawtest::inkCount(c), 0);

  // A session without a current trial, and a trial without channels.
  auto noTrial = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(2, 2).currentTrial(-1).build();
  auto noChannels = megdata::DatasetBuilder().trial(L"empty").build();
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(noTrial.get());
  EXPECT_EQ(d.drawSpctmColorScaleStdVtc(&c.dc, CRect(0, 0, 50, 50), 0, 0, 8), 0);
  d.setDrawMEGData(noChannels.get());
  EXPECT_EQ(d.drawSpctmColorScaleStdVtc(&c.dc, CRect(0, 0, 50, 50), 0, 0, 8), 0);
  EXPECT_EQ(drawtest::inkCount(c), 0);
  // Five pixels each way is enough.
  EXPECT_EQ(e.d.drawSpctmColorScalePro(&c.dc, CRect(0, 0, 5, 5), 0, 0, 8), 1);
}

// ---- Standard legends --------------------------------------------------------------------

TEST(ColorScaleStd, VerticalLabelsFollowTheStandardRange) {
  Engine e;
  e.d.m_dStdMin = 0.25;
  e.d.m_dStdMax = 1.0;
  const CRect rect(10, 0, 40, 100);  // n = 8, b = 6, base 50

  e.d.m_bPolarity = 0;
  MemCanvas single(120, 120);
  ASSERT_EQ(e.d.drawSpctmColorScaleStdVtc(&single.dc, rect, 0, 0, 8), 1);
  MemCanvas want(120, 120);
  std::vector<COLORREF> colors;
  for (int i = 0; i < 8; ++i) colors.push_back(e.d.m_pSingleColor1024[i * 128]);
  expectedBars(want, rect, 50, 6, colors, false);
  want.text(e.d, 47, 8, L"1.000", colors.back());    // top bar
  want.text(e.d, 47, 39, L"0.250", colors.back());   // trunc(50 − 0.25·42)
  want.text(e.d, 47, 56, L"0.000", colors.back());   // one bar below the base
  EXPECT_TRUE(sameImage(single, want));

  // Polarity: k = trunc(0.25·4) = 1; four labels, no zero.
  e.d.m_bPolarity = 1;
  MemCanvas pair(120, 120);
  ASSERT_EQ(e.d.drawSpctmColorScaleStdVtc(&pair.dc, rect, 0, 0, 8), 1);
  const COLORREF top = e.d.m_pPositiveColor768[576];
  EXPECT_TRUE(textAt(e.d, pair, 47, 8, L"1.000", top));
  EXPECT_TRUE(textAt(e.d, pair, 47, 20, L"0.250", top));   // 50 − (1 + 4)·6
  EXPECT_TRUE(textAt(e.d, pair, 47, 32, L"-0.250", top));  // 50 + (1 − 4)·6
  EXPECT_TRUE(textAt(e.d, pair, 47, 50, L"-1.000", top));
  EXPECT_EQ(pair.at(20, 50), e.d.m_pNegativeColor768[767]);
  EXPECT_EQ(pair.at(20, 8), e.d.m_pPositiveColor768[576]);
  // No zero label under the stack (it would start at y = 56 and reach past y = 61).
  EXPECT_EQ(pixeltest::countInside(pair.surface(), CRect(41, 62, 120, 120), drawtest::kWhite), 79 * 58);
}

TEST(ColorScaleStd, HorizontalBarsRunRightFromHalfTheWidthWithLabelsAbove) {
  Engine e;
  e.d.m_dStdMin = 0.25;
  e.d.m_dStdMax = 1.0;
  // W = 800, steps 10: n = 10, bar width 40 from x = 400; labels at y = 280 − 12.
  const CRect rect(100, 280, 900, 300);
  MemCanvas c(960, 320);
  ASSERT_EQ(e.d.drawSpctmColorScaleStdHrz(&c.dc, rect, 0, 0, 10), 1);
  const COLORREF* neg = e.d.m_pNegativeColor768;
  const COLORREF* pos = e.d.m_pPositiveColor768;
  // h = 5, step = 768 / 5 = 153.
  MemCanvas want(960, 320);
  expectedBars(want, rect, 400, 40,
               {neg[765], neg[612], neg[459], neg[306], neg[153], neg[0], pos[153], pos[306], pos[459], pos[612]},
               true);
  want.text(e.d, 760, 268, L"1.000", pos[612]);
  want.text(e.d, 640, 268, L"0.250", pos[612]);   // (h + k)·40 with k = 1
  want.text(e.d, 600, 268, L"0.000", pos[612]);
  want.text(e.d, 560, 268, L"-0.250", pos[612]);
  want.text(e.d, 400, 268, L"-1.000", pos[612]);
  EXPECT_TRUE(sameImage(c, want));

  e.d.m_bPolarity = 0;
  MemCanvas s(960, 320);
  ASSERT_EQ(e.d.drawSpctmColorScaleStdHrz(&s.dc, rect, 0, 0, 10), 1);
  EXPECT_EQ(s.at(400, 290), e.d.m_pSingleColor1024[0]);
  EXPECT_EQ(s.at(799, 299), e.d.m_pSingleColor1024[9 * 102]);
  EXPECT_EQ(s.at(800, 290), drawtest::kWhite);
  EXPECT_EQ(s.at(399, 290), drawtest::kWhite);
  const COLORREF last = e.d.m_pSingleColor1024[9 * 102];
  EXPECT_TRUE(textAt(e.d, s, 760, 268, L"1.000", last));
  EXPECT_TRUE(textAt(e.d, s, 490, 268, L"0.250", last));  // trunc(400 + 0.25·360)
  EXPECT_TRUE(textAt(e.d, s, 400, 268, L"0.000", last));
}

// ---- Frequency scale bar -----------------------------------------------------------------

TEST(ScaleBar, EndsAreLabelledInHertzOrKilohertz) {
  // 16 points from 0 to 1500 Hz.
  auto ds = dataset(10, 16, 0, 1, 0.0, 100.0);
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  MemCanvas c(100, 60);
  ASSERT_EQ(d.drawSpctmScaleBar(&c.dc, CRect(50, 50, 60, 60), 0, 0), 1);
  MemCanvas want(100, 60);
  want.text(d, 4, 2, L"1.500kHz");
  want.line(2, 2, 2, 18, d.m_penScale.color());
  want.text(d, 4, 6, L"0.000Hz");
  EXPECT_TRUE(sameImage(c, want));

  // 999.9 Hz stays in hertz.
  auto hz = dataset(10, 2, 0, 1, 0.0, 999.9);
  d.setDrawMEGData(hz.get());
  MemCanvas h(100, 60);
  ASSERT_EQ(d.drawSpctmScaleBar(&h.dc, CRect(), 0, 0), 1);
  EXPECT_TRUE(textAt(d, h, 4, 2, L"999.900Hz"));
}

TEST(ScaleBar, MissingFrequencyAxisIsReportedInTheView) {
  auto ds = dataset(10, 16);
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  d.m_pTrial->getSpctmTrial(false, 0)->setGrid(10, 0);
  MemCanvas c(300, 40);
  EXPECT_EQ(d.drawSpctmScaleBar(&c.dc, CRect(), 0, 0), 0);
  MemCanvas want(300, 40);
  want.text(d, 0, 0, L"Get spectrum frequency range error");
  EXPECT_TRUE(sameImage(c, want));
  // No spectral data of the class: nothing at all.
  MemCanvas none(300, 40);
  EXPECT_EQ(d.drawSpctmScaleBar(&none.dc, CRect(), 1, 0), 0);
  EXPECT_EQ(drawtest::inkCount(none), 0);
}

// ---- Selection band ----------------------------------------------------------------------

namespace {

// 40 time points 100 ms apart from `firstMs`; the class-0 selection covers tb … te.
std::unique_ptr<CArrayMEDataSetqv> selected(std::int64_t tb, std::int64_t te, double firstMs) {
  return megdata::DatasetBuilder()
      .meg(L"MLC11", 0, 0)
      .grid(40, 8)
      .latencies(firstMs, 100.0)
      .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 1.0; })
      .selection(0, tb, te, 0, 7)
      .build();
}

}  // namespace

TEST(SelectLine, InvertsTheSelectedColumnsOfTheDrawWindowAndWritesLatencies) {
  auto ds = selected(15, 30, 0.0);  // 1500 ms to 3000 ms: seconds
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  d.m_nWinTimeBegin = 10;
  MemCanvas c(200, 60);
  const CRect rect(20, 10, 120, 50);  // W = 100
  ASSERT_EQ(d.drawSpctmSelectLine(&c.dc, rect, 0, 0), 1);
  EXPECT_EQ(d.m_nSelectLineX, 25);
  const std::wstring text = L"1.500->3.000 s";
  MemCanvas want(200, 60);
  want.invert(25, 10, 40, 50);
  want.text(d, 25 + want.extent(d, text).cx / 2, 0, text);
  EXPECT_TRUE(sameImage(c, want));
}

TEST(SelectLine, LatencyUnitNeedsBothEndsAboveOneSecond) {
  CMEGSpctmDrawqv d;
  MemCanvas c(300, 40);
  auto ms = selected(0, 20, 500.0);  // 500 ms and 2500 ms
  d.setDrawMEGData(ms.get());
  ASSERT_EQ(d.drawSpctmSelectLine(&c.dc, CRect(0, 20, 200, 40), 0, 0), 1);
  const std::wstring text = L"500.000->2500.000 ms";
  EXPECT_TRUE(textAt(d, c, c.extent(d, text).cx / 2, 0, text));

  auto exact = selected(0, 10, 1000.0);  // 1000 ms is not above 1000
  d.setDrawMEGData(exact.get());
  MemCanvas e(300, 40);
  ASSERT_EQ(d.drawSpctmSelectLine(&e.dc, CRect(0, 20, 200, 40), 0, 0), 1);
  EXPECT_TRUE(textAt(d, e, e.extent(d, L"1000.000->2000.000 ms").cx / 2, 0, L"1000.000->2000.000 ms"));
}

TEST(SelectLine, SelectionOutsideTheDrawWindowSticksToTheEdges) {
  auto ds = selected(5, 10, 0.0);
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  MemCanvas c(200, 60);
  // Entirely left of the draw window: a one-pixel band at the rectangle's left.
  d.m_nWinTimeBegin = 30;
  const CRect rect(20, 20, 60, 60);
  ASSERT_EQ(d.drawSpctmSelectLine(&c.dc, rect, 0, 0), 1);
  EXPECT_EQ(d.m_nSelectLineX, 20);
  EXPECT_EQ(pixeltest::countInside(c.surface(), CRect(0, 20, 200, 60), pixeltest::kBlack), 40);
  EXPECT_EQ(c.at(20, 20), pixeltest::kBlack);
  EXPECT_EQ(c.at(20, 59), pixeltest::kBlack);

  // Begin inside, end beyond the width (W = 30): the band reaches the right edge.
  d.m_pTrial->getSpctmTrial(false, 0)->setTrialSpctmSelectTime(25, 39);
  d.m_nWinTimeBegin = 0;
  MemCanvas r(200, 60);
  ASSERT_EQ(d.drawSpctmSelectLine(&r.dc, CRect(20, 20, 50, 60), 0, 0), 1);
  EXPECT_EQ(d.m_nSelectLineX, 45);
  EXPECT_EQ(pixeltest::countInside(r.surface(), CRect(0, 20, 200, 60), pixeltest::kBlack), 5 * 40);
  EXPECT_EQ(r.at(45, 20), pixeltest::kBlack);
  EXPECT_EQ(r.at(49, 59), pixeltest::kBlack);
  EXPECT_EQ(r.at(50, 40), drawtest::kWhite);
  EXPECT_EQ(r.at(44, 40), drawtest::kWhite);
}

TEST(SelectLine, NothingWithoutSpectralDataOfTheClass) {
  auto ds = selected(5, 10, 0.0);
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  MemCanvas c(100, 40);
  EXPECT_EQ(d.drawSpctmSelectLine(&c.dc, CRect(0, 0, 100, 40), 2, 0), 0);
  EXPECT_EQ(d.drawSpctmSelectLine(nullptr, CRect(0, 0, 100, 40), 0, 0), 0);
  EXPECT_EQ(d.m_nSelectLineX, 1);
  EXPECT_EQ(drawtest::inkCount(c), 0);
}

// ---- Drawing attributes ------------------------------------------------------------------

TEST(BackgroundDrawings, RestoreTheDeviceContextsAttributes) {
  auto ds = selected(5, 10, 0.0);
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  MemCanvas c(200, 100);
  CPen pen(PS_DASH, 1, RGB(1, 2, 3));
  CFont font;
  font.CreatePointFont(100, L"Arial");
  c.dc.SelectObject(&pen);
  c.dc.SelectObject(&font);
  c.dc.SetTextColor(RGB(9, 8, 7));
  c.dc.SetBkColor(RGB(7, 8, 9));
  auto unchanged = [&] {
    return c.dc.GetCurrentPen() == &pen && c.dc.GetCurrentFont() == &font &&
           c.dc.GetTextColor() == RGB(9, 8, 7) && c.dc.GetBkColor() == RGB(7, 8, 9);
  };
  ASSERT_EQ(d.drawSpctmColorScalePro(&c.dc, CRect(0, 0, 30, 100), 0, 0, 8), 1);
  EXPECT_TRUE(unchanged());  // the bars' fills set the background colour on the way
  ASSERT_EQ(d.drawSpctmColorScaleStdHrz(&c.dc, CRect(0, 80, 200, 100), 0, 0, 8), 1);
  EXPECT_TRUE(unchanged());
  ASSERT_EQ(d.drawSpctmScaleBar(&c.dc, CRect(), 0, 0), 1);
  EXPECT_TRUE(unchanged());
  ASSERT_EQ(d.drawSpctmSelectLine(&c.dc, CRect(0, 0, 200, 100), 0, 0), 1);
  EXPECT_TRUE(unchanged());
  EXPECT_EQ(d.drawSpctmSelectLine(&c.dc, CRect(0, 0, 200, 100), 1, 0), 0);
  EXPECT_TRUE(unchanged());
}

// ---- Draw window stepping ----------------------------------------------------------------

TEST(DrawBegin, StepsStayWithinTheTimeAxis) {
  auto ds = selected(0, 1, 0.0);  // T = 40
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  EXPECT_EQ(d.addDrawBeginSampleIDXSpctm(10, 0, 0), 10);
  EXPECT_EQ(d.addDrawBeginSampleIDXSpctm(29, 0, 0), 39);
  EXPECT_EQ(d.addDrawBeginSampleIDXSpctm(1, 0, 0), 39);  // passing the end: the last point
  EXPECT_EQ(d.m_nWinTimeBegin, 39);
  EXPECT_EQ(d.addDrawBeginSampleIDXSpctm(-100, 0, 0), 0);  // raised to 0
  EXPECT_EQ(d.addDrawBeginSampleIDXSpctm(std::numeric_limits<std::int64_t>::min(), 0, 0), 0);
  d.m_nWinTimeBegin = 7;
  EXPECT_EQ(d.addDrawBeginSampleIDXSpctm(5, 1, 0), 0);  // no spectral data of class 1
  EXPECT_EQ(d.m_nWinTimeBegin, 7);
}
