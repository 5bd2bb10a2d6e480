// The show operations (which renderer runs, in which rectangle, in which order) and the
// two hit tests (column view and centred single-channel picture).
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/data/DatasetBuilder.h"
#include "platform/PngExport.h"
#include "tests/draw/DrawTestSupport.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

using std::int64_t;

std::unique_ptr<CArrayMEDataSetqv> signedSpectra(int channels, int64_t T, int64_t F) {
  DatasetBuilder b;
  for (int i = 0; i < channels; ++i) b.meg(L"S" + std::to_wstring(i), i, 0);
  return b.grid(T, F)
      .spectra(0, [](int64_t c, int64_t t, int64_t f, int) { return 0.1 * static_cast<double>((c + t - f) % 15 - 7); })
      .selection(0, 2, 5, 1, 3)
      .build();
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

// Two engines bound to `ds` with the same switches: one draws through the show operation,
// the other through what it should choose. Equal, non-blank pictures pass.
template <class Shown, class Direct>
::testing::AssertionResult drawsAlike(CArrayMEDataSetqv* ds, const Switches& s, Shown shown, Direct direct) {
  CMEGSpctmDrawqv a, b;
  MemoryCanvas ca(420, 320), cb(420, 320);
  for (CMEGSpctmDrawqv* d : {&a, &b}) {
    d->setDrawMEGData(ds);
    s.apply(*d);
  }
  shown(a, ca.dc);
  direct(b, cb.dc);
  if (ca.inked() == 0) return ::testing::AssertionFailure() << "nothing drawn";
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 420; ++x)
      if (ca.at(x, y) != cb.at(x, y)) return ::testing::AssertionFailure() << "first difference at " << x << ", " << y;
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(ShowOperations, PickWhatTheSwitchesSay) {
  auto ds = signedSpectra(2, 30, 12);
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
  CSpctmChnlqv* chnl = ds->getSessionData(-1)->getTrialqv(-1)->getChannel(0)->getSpctmChnl(false, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "std " << c.s.std << " polarity " << c.s.polarity << " mode " << c.s.viewMode);
    // The single-channel view: background, renderer, read-outs, within the rectangle.
    EXPECT_TRUE(drawsAlike(
        ds.get(), c.s, [&](D& d, CDC& dc) { EXPECT_EQ(d.showSpctmOne(&dc, rect, 0, 2), 1); },
        [&](D& d, CDC& dc) {
          dc.FillSolidRect(rect, d.m_crBackground);
          (d.*c.renderer)(&dc, rect, 0, 2);
          d.drawOneSpctmSelectInfo(&dc, rect, 0, 2);
        }));
    // A patch, after the window end is set from its width.
    EXPECT_TRUE(drawsAlike(
        ds.get(), c.s,
        [&](D& d, CDC& dc) {
          EXPECT_EQ(d.showSpctmContourMap(&dc, 5, 30, 25, 10, chnl, 0, 2), 1);
          EXPECT_EQ(d.m_nWinTimeEnd, 24);
        },
        [&](D& d, CDC& dc) { (d.*c.patch)(&dc, 5, 30, 25, 10, chnl, 0, 2); }));
    // The colour scale under the view (horizontal) or in a band 60 pixels from its right.
    EXPECT_TRUE(drawsAlike(
        ds.get(), c.s, [&](D& d, CDC& dc) { EXPECT_EQ(d.showSpctmColorScale(&dc, view, 0, 2, 7), 1); },
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
  // No trial: only the background.
  auto noTrial = DatasetBuilder().meg(L"A", 0, 0).grid(4, 4).currentTrial(-1).build();
  d.setDrawMEGData(noTrial.get());
  d.m_crBackground = RGB(1, 2, 3);
  MemoryCanvas c(60, 60);
  EXPECT_EQ(d.showSpctmOne(&c.dc, CRect(0, 0, 50, 50), 0, 2), 1);
  EXPECT_EQ(c.inked(), 2500);
  EXPECT_EQ(c.at(25, 25), RGB(1, 2, 3));
}

TEST(ShowSpctmMC, WholeSequenceOnAView) {
  auto ds = signedSpectra(7, 60, 30);
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  d.m_bShowTimeGrid = true;
  d.m_crBackground = RGB(250, 250, 240);
  d.m_crTextBk = RGB(230, 255, 230);
  MemoryCanvas c(620, 400);
  const CRect view(10, 0, 610, 400);
  ASSERT_EQ(d.showSpctmMC(&c.dc, view, 0, 2), 1);
  // Layout from the whole view: 3 rows of (400 − 40) / 4 = 90, plots 600 / 3 − 46 = 154.
  EXPECT_EQ(d.m_nRowsPerColumn, 3);
  EXPECT_EQ(d.m_nRowHeight, 90);
  EXPECT_EQ(d.m_nColumnWidth, 154);
  EXPECT_EQ(c.at(5, 5), kWhite);  // left of the view: untouched
  // Everything else is placed from x = 0: column 1's plot starts at 200 + 40 = 240. The
  // selection band (time points 2 … 4 before the end 5) is inverted over the whole height.
  const COLORREF bk = RGB(250, 250, 240);
  EXPECT_EQ(c.at(241, 399), bk);
  for (int x = 242; x < 245; ++x) EXPECT_EQ(c.at(x, 399), RGB(5, 5, 15)) << x;
  EXPECT_EQ(c.at(245, 399), bk);
  // The grid of column 0 from x = 40: minor (dotted, on at y = 13), solid at 40 + 100.
  EXPECT_EQ(c.at(40, 13), d.m_penGridMinor.color());
  EXPECT_EQ(c.at(140, 15), d.m_penGridMajor.color());
  EXPECT_EQ(c.at(141, 15), bk);
  // Base lines from each plot's left: channel 3 at column 1, row 0 (y = 110); its block
  // stands on it, so the line shows only past the spectrum's 60 time points.
  EXPECT_EQ(c.at(301, 110), d.m_penSelect.color());  // x = 300 carries a grid line
  EXPECT_NE(c.at(299, 110), d.m_penSelect.color());
  // Names start at the column's left (x = 0 and 200), not at the view's, in cells of the
  // text background colour from the base line down.
  for (int x : {0, 200}) {
    EXPECT_EQ(c.at(x, 110 + 11), d.m_crTextBk) << x;
    EXPECT_NE(c.at(x, 109), d.m_crTextBk) << x;
  }

  std::string error;
  const std::string out = std::string(SPCTM_TEST_OUTPUT_DIR) + "/column-view.png";
  EXPECT_TRUE(writePng(c.bitmap, out, &error)) << error;

  // View mode 3 draws the peak view in every column: the blocks' bins come from the
  // (tagged) polarity pair.
  TaggedTables tables(d);
  d.m_nViewMode = 3;
  ASSERT_EQ(d.showSpctmMC(&c.dc, view, 0, 2), 1);
  for (int x : {50, 250, 450}) {
    const COLORREF table = c.at(x, 100) >> 16;
    EXPECT_TRUE(table == kPos768 || table == kNeg768) << x;
  }

  CMEGSpctmDrawqv unbound;
  MemoryCanvas none(20, 20);
  EXPECT_EQ(unbound.showSpctmMC(&none.dc, CRect(0, 0, 20, 20), 0, 2), 0);
  EXPECT_EQ(none.inked(), 0);
}

TEST(ColumnHitTest, PlotsRowsAndNameAreas) {
  // Four shown channels and a hidden one (index 1): shown rows are channels 0, 2, 3 in
  // column 0 and 4 in column 1. Top margin 20, rows of 50, plots of 100, pitch 146.
  auto ds = DatasetBuilder()
                .meg(L"A", 0, 0).meg(L"H", 1, 0).hidden().meg(L"B", 2, 0).meg(L"C", 3, 0).meg(L"D", 4, 0)
                .grid(10, 10)
                .build();
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  d.m_nRowHeight = 50;
  d.m_nRowsPerColumn = 3;
  d.m_nColumnWidth = 100;
  d.m_nWinTimeBegin = 7;
  d.m_nWinFreqBegin = 0;
  const CRect rect(0, 0, 500, 300);
  int64_t t = -1, v = -1;
  auto hit = [&](int x, int y) {
    t = v = -1;
    return d.getChnl_TimeFreqPts4MouseInMC(nullptr, CPoint(x, y), rect, t, v, 0, 0);
  };

  // Inside column 0's plot: time (x − 40) + 7; the second shown row (channel 2, base line
  // 120) holds y = 100: frequency 20.
  EXPECT_EQ(hit(90, 100), 1);
  EXPECT_EQ(t, 57);
  EXPECT_EQ(v, 20);
  EXPECT_EQ(hit(90, 70), 1);  // on the first base line: first row, frequency 0
  EXPECT_EQ(v, 0);
  EXPECT_EQ(hit(90, 20), 1);  // the first row's top
  EXPECT_EQ(v, 50);
  // Within the name width of the plot start: the time, but no row matches.
  EXPECT_EQ(hit(80, 100), 1);
  EXPECT_EQ(t, 47);
  EXPECT_EQ(v, -1);
  // Column 1's plot (186 … 286) at the height of its first row: column 0's row at that
  // height wins, as rows at the same height give the same value.
  EXPECT_EQ(hit(250, 60), 1);
  EXPECT_EQ(t, 71);
  EXPECT_EQ(v, 10);
  // Plot edges are outside: x = 40 and x = 140 fall to the name search.
  EXPECT_EQ(hit(140, 60), 2);  // column 1's first row: x within the name width of its plot
  EXPECT_EQ(t, 4);
  EXPECT_EQ(hit(40, 400), 1);  // too far below every base line
  EXPECT_EQ(t, -1);

  // Name areas: y = 125 is under the second row's base line (120): channel 2, row 1.
  EXPECT_EQ(hit(10, 125), 2);
  EXPECT_EQ(t, 2);
  EXPECT_EQ(d.m_nHitRow, 1);
  EXPECT_EQ(ds->getSessionData(-1)->getTrialqv(-1)->getCurntChnlIndx(), 2);
  // Column 1's name area (from x = 146): channel 4, row 0.
  EXPECT_EQ(hit(156, 75), 2);
  EXPECT_EQ(t, 4);
  EXPECT_EQ(d.m_nHitRow, 0);
  EXPECT_EQ(v, -1);

  CMEGSpctmDrawqv unbound;
  EXPECT_EQ(unbound.getChnl_TimeFreqPts4MouseInMC(nullptr, CPoint(90, 100), rect, t, v, 0, 0), -1);
}

TEST(ColumnHitTest, LayoutsOnlyASettingsRecordGives) {
  auto ds = DatasetBuilder().meg(L"A", 0, 0).meg(L"B", 1, 0).grid(10, 10).build();
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  int64_t t = -1, v = -1;
  // Plots moving left: name width −150, gap 0, plots of 100 give a pitch of −50, so
  // with the rectangle at 1000 plot c spans 850 − 50·c … 950 − 50·c; x = 820 lies first
  // in plot 1 (800 … 900).
  d.m_nColumnNameWidth = -150;
  d.m_nColumnGap = 0;
  d.m_nColumnWidth = 100;
  EXPECT_EQ(d.getChnl_TimeFreqPts4MouseInMC(nullptr, CPoint(820, 5000), CRect(1000, 0, 2000, 300), t, v, 0, 0), 1);
  EXPECT_EQ(t, 20);
  // Two billion columns of one pixel pitch and empty plots: no plot holds any point.
  d.m_nColumns = INT_MAX;
  d.m_nColumnNameWidth = 0;
  d.m_nColumnWidth = 0;
  d.m_nColumnGap = 1;
  t = -1;
  EXPECT_EQ(d.getChnl_TimeFreqPts4MouseInMC(nullptr, CPoint(2000000000, 5000), CRect(0, 0, 10, 10), t, v, 0, 0), 1);
  EXPECT_EQ(t, -1);
  // Plots of 5 at that count: x = 1 000 000 003 lies in plot 166 666 667 (pitch 6).
  d.m_nColumnWidth = 5;
  EXPECT_EQ(d.getChnl_TimeFreqPts4MouseInMC(nullptr, CPoint(1000000003, 5000), CRect(0, 0, 10, 10), t, v, 0, 0), 1);
  EXPECT_EQ(t, 1);
}

TEST(CentredHitTest, AtAndBeyondBothEnds) {
  auto ds = signedSpectra(1, 100, 40);
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  int64_t t = -1, f = -1;
  auto at = [&](CRect rect, int x, int y) {
    EXPECT_EQ(d.getSampleID4MouseSpctmX(nullptr, CPoint(x, y), rect, t, f, 0, 2), 1);
    return std::pair<int64_t, int64_t>(t, f);
  };
  const CRect r(0, 0, 200, 100);  // x0 = 50, y0 = 70
  EXPECT_EQ(at(r, 50, 90), (std::pair<int64_t, int64_t>(0, 0)));
  EXPECT_EQ(at(r, 51, 69), (std::pair<int64_t, int64_t>(1, 1)));
  EXPECT_EQ(at(r, 149, 31), (std::pair<int64_t, int64_t>(99, 39)));
  EXPECT_EQ(at(r, 150, 30), (std::pair<int64_t, int64_t>(99, 39)));
  EXPECT_EQ(at(r, 400, 20), (std::pair<int64_t, int64_t>(99, 39)));
  EXPECT_EQ(at(r, -5, 70), (std::pair<int64_t, int64_t>(0, 0)));
  // Halves truncate: x0 = trunc(5 + 101 / 2) = 55, y0 = trunc(111 − 61 / 2) = 80.
  const CRect odd(5, 10, 206, 111);
  EXPECT_EQ(at(odd, 56, 79), (std::pair<int64_t, int64_t>(1, 1)));
  EXPECT_EQ(at(odd, 55, 80), (std::pair<int64_t, int64_t>(0, 0)));

  // Missing pieces: both outputs are 0.
  t = f = 9;
  EXPECT_EQ(d.getSampleID4MouseSpctmX(nullptr, CPoint(60, 60), r, t, f, 1, 2), 0);  // no Control spectra
  EXPECT_EQ(t, 0);
  EXPECT_EQ(f, 0);
  CMEGSpctmDrawqv unbound;
  EXPECT_EQ(unbound.getSampleID4MouseSpctmX(nullptr, CPoint(60, 60), r, t, f, 0, 2), 0);
}
