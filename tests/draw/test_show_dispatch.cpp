// The show operations (which renderer runs, in which rectangle, in which order) and the
// two hit tests (column view and centred single-channel picture).
#include <climits>
#include <tuple>

#include "platform/gdi/PngExport.h"
#include "tests/draw/DrawCanvas.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

DatasetBuilder signedSpectra(int channels, int64_t T, int64_t F) {
  return megChannels(channels).grid(T, F).selection(0, 2, 5, 1, 3).spectra(0, [](int64_t c, int64_t t, int64_t f, int) {
    return 0.1 * static_cast<double>((c + t - f) % 15 - 7);
  });
}

// The draw-state switches the show operations choose by.
struct Switches {
  BOOL std, polarity;
  int viewMode;
  BOOL horizontal = 1;
  void apply(CMEGSpctmDrawqv& d) const {
    d.m_bStdRender = std;
    d.m_bPolarity = polarity;
    d.m_nViewMode = viewMode;
    d.m_bHorzColorScale = horizontal;
    d.m_crBackground = RGB(200, 220, 240);
    d.m_nWinTimeBegin = 4;
  }
};

// Two engines with the same switches: one draws through the show operation, the other
// through what it should choose. Equal, non-blank pictures pass.
template <class Shown, class Direct>
::testing::AssertionResult drawsAlike(const DatasetBuilder& data, const Switches& s, Shown shown, Direct direct) {
  Bound a(data), b(data);
  MemoryCanvas ca(420, 320), cb(420, 320);
  s.apply(a.d);
  s.apply(b.d);
  shown(a.d, ca.dc);
  direct(b.d, cb.dc);
  if (ca.inked() == 0) return ::testing::AssertionFailure() << "nothing drawn";
  return sameImage(ca, cb);
}

}  // namespace

TEST(ShowOperations, PickWhatTheSwitchesSay) {
  const DatasetBuilder data = signedSpectra(2, 30, 12);
  using D = CMEGSpctmDrawqv;
  const CRect rect(5, 5, 95, 55), view(0, 0, 400, 300);
  struct Case {
    Switches s;
    int (D::*renderer)(CDC*, CRect, int, int);
    int (D::*patch)(CDC*, int, int, int, int, CSpctmChnlqv*, int, int);
    int (D::*legend)(CDC*, CRect, int, int, int);
    CRect strip;
  };
  const Case cases[] = {
      {{1, 1, 0}, &D::drawOneSpctmColumn2PolarityValue, &D::drawSpctmContourmap02PolarityValue,
       &D::drawSpctmColorScaleStdHrz, CRect(0, 280, 400, 300)},
      {{1, 0, 0, 0}, &D::drawOneSpctmColumn01AbsoluteValue, &D::drawSpctmContourmap01AbsoluteValue,
       &D::drawSpctmColorScaleStdVtc, CRect(310, 0, 340, 300)},
      {{0, 1, 1, 0}, &D::drawOneSpctmColumnWindView, &D::drawSpctmContourmapWinView, &D::drawSpctmColorScalePro,
       CRect(310, 0, 340, 300)},
      {{0, 1, 3, 0}, &D::drawOneSpctmColumnPeakView, &D::drawSpctmContourmapPeakView, &D::drawSpctmColorScalePro,
       CRect(310, 0, 340, 300)},
  };
  const auto chnl = [](D& d) { return d.m_pTrial->getChannel(0)->getSpctmChnl(false, 0); };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "std " << c.s.std << " polarity " << c.s.polarity << " mode " << c.s.viewMode);
    // The single-channel view: background, renderer, read-outs, within the rectangle.
    EXPECT_TRUE(drawsAlike(
        data, c.s, [&](D& d, CDC& dc) { EXPECT_EQ(d.showSpctmOne(&dc, rect, 0, 2), 1); },
        [&](D& d, CDC& dc) {
          dc.FillSolidRect(rect, d.m_crBackground);
          (d.*c.renderer)(&dc, rect, 0, 2);
          d.drawOneSpctmSelectInfo(&dc, rect, 0, 2);
        }));
    // A patch, after the window end is set from its width.
    EXPECT_TRUE(drawsAlike(
        data, c.s,
        [&](D& d, CDC& dc) {
          EXPECT_EQ(d.showSpctmContourMap(&dc, 5, 30, 25, 10, chnl(d), 0, 2), 1);
          EXPECT_EQ(d.m_nWinTimeEnd, 24);
        },
        [&](D& d, CDC& dc) { (d.*c.patch)(&dc, 5, 30, 25, 10, chnl(d), 0, 2); }));
    // The colour scale under the view (horizontal) or in a band 60 pixels from its right.
    EXPECT_TRUE(drawsAlike(
        data, c.s, [&](D& d, CDC& dc) { EXPECT_EQ(d.showSpctmColorScale(&dc, view, 0, 2, 7), 1); },
        [&](D& d, CDC& dc) { (d.*c.legend)(&dc, c.strip, 0, 2, 7); }));
  }
}

TEST(ShowOperations, WithoutDeviceContextOrData) {
  CMEGSpctmDrawqv d;
  EXPECT_EQ(d.showSpctmOne(nullptr, CRect(0, 0, 50, 50), 2, 1), 1);  // class and kind recorded still
  EXPECT_EQ(d.m_nLastSpctmClass, 2);
  EXPECT_EQ(d.m_nLastDataKind, 1);
  EXPECT_EQ(d.showSpctmColorScale(nullptr, CRect(0, 0, 50, 50), 0, 2, 7), 1);
  EXPECT_EQ(d.showSpctmContourMap(nullptr, 0, 10, 10, 0, nullptr, 0, 2), 0);
  MemoryCanvas none(20, 20);
  EXPECT_EQ(d.showSpctmMC(&none.dc, CRect(0, 0, 20, 20), 0, 2), 0);
  EXPECT_EQ(none.inked(), 0);
  // No trial: only the background.
  auto noTrial = DatasetBuilder().meg(L"A", 0, 0).grid(4, 4).currentTrial(-1).build();
  d.setDrawMEGData(noTrial.get());
  d.m_crBackground = RGB(1, 2, 3);
  MemoryCanvas c(60, 60);
  EXPECT_EQ(d.showSpctmOne(&c.dc, CRect(0, 0, 50, 50), 0, 2), 1);
  EXPECT_EQ(pixeltest::countInside(c.surface(), CRect(0, 0, 60, 60), RGB(1, 2, 3)), 2500);
  EXPECT_EQ(c.inked(), 2500);
}

TEST(ShowSpctmMC, WholeSequenceOnAView) {
  Bound e(signedSpectra(7, 60, 30));
  CMEGSpctmDrawqv& d = e.d;
  d.m_bShowTimeGrid = true;
  const COLORREF bk = d.m_crBackground = RGB(250, 250, 240);
  d.m_crTextBk = RGB(230, 255, 230);
  MemoryCanvas c(620, 400);
  const CRect view(10, 0, 610, 400);
  ASSERT_EQ(d.showSpctmMC(&c.dc, view, 0, 2), 1);
  // Layout from the whole view: 3 rows of (400 − 40) / 4 = 90, plots 600 / 3 − 46 = 154.
  EXPECT_EQ(std::tuple(d.m_nRowsPerColumn, d.m_nRowHeight, d.m_nColumnWidth), std::tuple(3, 90, 154));
  // Left of the view stays untouched; everything else is placed from x = 0. Column 1's
  // plot starts at 240: the selection band (time points 2 … 4) is inverted over the whole
  // height. Column 0's grid from x = 40: minor (dotted, on at y = 13), solid at 140.
  // Channel 3's base line (column 1, y = 110) shows only past its block's 60 time points
  // (x = 300 carries a grid line). Names start at x = 0 and 200 in cells from the base line down.
  EXPECT_TRUE(pixelsAre(c, {{5, 5, kWhite}, {241, 399, bk}, {242, 399, RGB(5, 5, 15)}, {244, 399, RGB(5, 5, 15)},
                            {245, 399, bk}, {40, 13, d.m_penGridMinor.color()}, {140, 15, d.m_penGridMajor.color()},
                            {141, 15, bk}, {301, 110, d.m_penSelect.color()}, {0, 121, d.m_crTextBk},
                            {200, 121, d.m_crTextBk}}));
  EXPECT_NE(c.at(299, 110), d.m_penSelect.color());
  EXPECT_NE(c.at(0, 109), d.m_crTextBk);
  EXPECT_NE(c.at(200, 109), d.m_crTextBk);
  std::string error;
  EXPECT_TRUE(writePng(c.bitmap, std::string(SPCTM_TEST_OUTPUT_DIR) + "/column-view.png", &error)) << error;

  // View mode 3 draws the peak view in every column: bins from the tagged polarity pair.
  TaggedTables tables(d);
  d.m_nViewMode = 3;
  ASSERT_EQ(d.showSpctmMC(&c.dc, view, 0, 2), 1);
  for (int x : {50, 250, 450}) {
    const COLORREF table = c.at(x, 100) >> 16;
    EXPECT_TRUE(table == kPos768 || table == kNeg768) << x;
  }
}

TEST(ColumnHitTest, PlotsRowsAndNameAreas) {
  // Four shown channels and a hidden one (index 1): shown rows are channels 0, 2, 3 in
  // column 0 and 4 in column 1. Top margin 20, rows of 50 (base lines 70, 120, 170), plots
  // of 100 from x = 40 and 186, pitch 146, window begin 7.
  Bound e(DatasetBuilder()
              .meg(L"A", 0, 0).meg(L"H", 1, 0).hidden().meg(L"B", 2, 0).meg(L"C", 3, 0).meg(L"D", 4, 0)
              .grid(10, 10));
  e.d.m_nRowHeight = 50;
  e.d.m_nRowsPerColumn = 3;
  e.d.m_nColumnWidth = 100;
  e.d.m_nWinTimeBegin = 7;
  const CRect rect(0, 0, 500, 300);
  struct Case {
    const char* what;
    int x, y, result;
    int64_t t, v;
  };
  const Case cases[] = {
      {"plot: time (x − 40) + 7, frequency up from the row's base line", 90, 100, 1, 57, 20},
      {"on the first base line", 90, 70, 1, 57, 0},
      {"the first row's top", 90, 20, 1, 57, 50},
      {"within the name width of the plot: no row matches", 80, 100, 1, 47, -1},
      {"column 1's plot: column 0's row at that height gives the value", 250, 60, 1, 71, 10},
      {"plot edges are outside: a name area (channel 4)", 140, 60, 2, 4, -1},
      {"below every base line", 40, 400, 1, -1, -1},
      {"name area of the second row: channel 2", 10, 125, 2, 2, -1},
      {"column 1's name area: channel 4", 156, 75, 2, 4, -1},
  };
  for (const Case& k : cases) {
    int64_t t = -1, v = -1;
    EXPECT_EQ(e.d.getChnl_TimeFreqPts4MouseInMC(nullptr, CPoint(k.x, k.y), rect, t, v, 0, 0), k.result) << k.what;
    EXPECT_EQ(std::pair(t, v), std::pair(k.t, k.v)) << k.what;
  }
  EXPECT_EQ(e.d.m_nHitRow, 0);  // of the last name hit
  EXPECT_EQ(e.ds->getSessionData(-1)->getTrialqv(-1)->getCurntChnlIndx(), 4);
  int64_t t = 0, v = 0;
  EXPECT_EQ(e.d.getChnl_TimeFreqPts4MouseInMC(nullptr, CPoint(10, 125), rect, t, v, 0, 0), 2);
  EXPECT_EQ(e.d.m_nHitRow, 1);
  EXPECT_EQ(e.ds->getSessionData(-1)->getTrialqv(-1)->getCurntChnlIndx(), 2);
  CMEGSpctmDrawqv unbound;
  EXPECT_EQ(unbound.getChnl_TimeFreqPts4MouseInMC(nullptr, CPoint(90, 100), rect, t, v, 0, 0), -1);
}

TEST(ColumnHitTest, LayoutsOnlyASettingsRecordGives) {
  Bound e(DatasetBuilder().meg(L"A", 0, 0).meg(L"B", 1, 0).grid(10, 10));
  const auto time = [&](int x, CRect rect) {
    int64_t t = -1, v = -1;
    EXPECT_EQ(e.d.getChnl_TimeFreqPts4MouseInMC(nullptr, CPoint(x, 5000), rect, t, v, 0, 0), 1) << x;
    return t;
  };
  // Plots moving left: name width −150, gap 0, plots of 100 give a pitch of −50; with the
  // rectangle at 1000 plot c spans 850 − 50·c … 950 − 50·c, so x = 820 lies first in plot 1.
  e.d.m_nColumnNameWidth = -150;
  e.d.m_nColumnGap = 0;
  e.d.m_nColumnWidth = 100;
  EXPECT_EQ(time(820, CRect(1000, 0, 2000, 300)), 20);
  // Two billion columns of one pixel pitch and empty plots: no plot holds any point.
  e.d.m_nColumns = INT_MAX;
  e.d.m_nColumnNameWidth = 0;
  e.d.m_nColumnWidth = 0;
  e.d.m_nColumnGap = 1;
  EXPECT_EQ(time(2000000000, CRect(0, 0, 10, 10)), -1);
  // Plots of 5 at that count: x = 1 000 000 003 lies in plot 166 666 667 (pitch 6).
  e.d.m_nColumnWidth = 5;
  EXPECT_EQ(time(1000000003, CRect(0, 0, 10, 10)), 1);
}

TEST(CentredHitTest, AtAndBeyondBothEnds) {
  Bound e(signedSpectra(1, 100, 40));
  // (rect, mouse point, time point, frequency point). 200 × 100: x0 = 50, y0 = 70; the odd
  // rectangle's halves truncate: x0 = trunc(5 + 101 / 2) = 55, y0 = trunc(111 − 61 / 2) = 80.
  const std::tuple<CRect, CPoint, int64_t, int64_t> cases[] = {
      {CRect(0, 0, 200, 100), CPoint(50, 90), 0, 0},   {CRect(0, 0, 200, 100), CPoint(51, 69), 1, 1},
      {CRect(0, 0, 200, 100), CPoint(149, 31), 99, 39}, {CRect(0, 0, 200, 100), CPoint(150, 30), 99, 39},
      {CRect(0, 0, 200, 100), CPoint(400, 20), 99, 39}, {CRect(0, 0, 200, 100), CPoint(-5, 70), 0, 0},
      {CRect(5, 10, 206, 111), CPoint(56, 79), 1, 1},   {CRect(5, 10, 206, 111), CPoint(55, 80), 0, 0},
  };
  for (const auto& [rect, point, time, freq] : cases) {
    int64_t t = -1, f = -1;
    EXPECT_EQ(e.d.getSampleID4MouseSpctmX(nullptr, point, rect, t, f, 0, 2), 1);
    EXPECT_EQ(std::pair(t, f), std::pair(time, freq)) << point.x << ", " << point.y;
  }
  // Missing pieces: both outputs are 0.
  int64_t t = 9, f = 9;
  EXPECT_EQ(e.d.getSampleID4MouseSpctmX(nullptr, CPoint(60, 60), CRect(0, 0, 200, 100), t, f, 1, 2), 0);  // no Control
  EXPECT_EQ(std::pair(t, f), Points(0, 0));
  CMEGSpctmDrawqv unbound;
  EXPECT_EQ(unbound.getSampleID4MouseSpctmX(nullptr, CPoint(60, 60), CRect(0, 0, 200, 100), t, f, 0, 2), 0);
}
