// The draw window's animation step and drag, and the range autofit, on exact host data.
#include "tests/draw/DrawCanvas.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

using Window = std::array<int64_t, 4>;  // time begin and end, frequency begin and end

// An engine bound to one channel of Active spectra on a 100 × 50 grid.
class ViewSteps : public ::testing::Test {
 protected:
  Window window() const { return {e.d.m_nWinTimeBegin, e.d.m_nWinTimeEnd, e.d.m_nWinFreqBegin, e.d.m_nWinFreqEnd}; }
  void setWindow(Window w) {
    std::tie(e.d.m_nWinTimeBegin, e.d.m_nWinTimeEnd, e.d.m_nWinFreqBegin, e.d.m_nWinFreqEnd) = std::tuple_cat(w);
  }
  Window selection() const {
    Window w{};
    const CSpctmTrialqv* s = e.d.m_pTrial->getSpctmTrial(false, 0);
    s->getTrialSpctmSelectTime(w[0], w[1]);
    s->getTrialSpctmSelectFreq(w[2], w[3]);
    return w;
  }
  Bound e{DatasetBuilder().meg(L"MLC11", 0, 0).grid(100, 50).spectra(0, constant(1.0))};
};

TEST_F(ViewSteps, AnimationStepsWrapsAndClamps) {
  const std::pair<Window, Window> steps[] = {
      {{0, 9, 0, 4}, {10, 19, 0, 4}},        // along time
      {{90, 99, 10, 14}, {0, 9, 15, 19}},    // past the time axis: time 0, one frequency step up
      {{95, 99, 45, 49}, {0, 4, 0, 4}},      // and past the frequency axis: frequency 0
      {{85, 94, 45, 49}, {95, 99, 45, 49}},  // the end clamped: begin 95 with span 9 ends at 99
      {{0, -20, 0, -30}, {10, 0, 0, 0}},     // negative spans end at 0
  };
  for (const auto& [before, after] : steps) {
    setWindow(before);
    ASSERT_EQ(e.d.animateSpctm(10, 5, 0, 0), 1);
    EXPECT_EQ(window(), after) << before[0] << " " << before[2];
  }
  // Applied, the window becomes the class's selection; not applied, the selection stays.
  EXPECT_EQ(selection(), (Window{0, 99, 0, 49}));
  setWindow({0, 9, 0, 4});
  ASSERT_EQ(e.d.animateSpctm(10, 5, 0, 1), 1);
  EXPECT_EQ(selection(), (Window{10, 19, 0, 4}));
}

TEST_F(ViewSteps, AnimationRefusesSmallStepsAndMissingData) {
  const Window w{3, 7, 2, 4};
  setWindow(w);
  EXPECT_EQ(e.d.animateSpctm(0, 5, 0, 1), 0);
  EXPECT_EQ(e.d.animateSpctm(10, -1, 0, 1), 0);
  EXPECT_EQ(e.d.animateSpctm(10, 5, 1, 1), 0);  // no Control spectra
  EXPECT_EQ(window(), w);
  auto noSpectra = DatasetBuilder().meg(L"A", 0, 0).trial(L"T").build();
  ASSERT_EQ(e.d.setDrawMEGData(noSpectra.get()), 1);
  EXPECT_EQ(e.d.animateSpctm(10, 5, 0, 1), 0);
  EXPECT_EQ(window(), w);
}

TEST_F(ViewSteps, DragMovesOnlyTheBeginWithinTheGrid) {
  setWindow({30, 39, 20, 24});
  const std::tuple<int, int, Window> drags[] = {
      {-500, 0, {0, 39, 20, 24}}, {500, 500, {99, 39, 49, 24}}, {-9, -49, {90, 39, 0, 24}}};
  for (const auto& [dt, df, after] : drags) {
    ASSERT_EQ(e.d.mouseMoveSpctm(dt, df, 0), 1);
    EXPECT_EQ(window(), after) << dt << " " << df;
  }
  EXPECT_EQ(e.d.mouseMoveSpctm(0, 0, 0), 0);
  EXPECT_EQ(e.d.mouseMoveSpctm(5, 5, 2), 0);  // no Results spectra
  EXPECT_EQ(window(), (Window{90, 39, 0, 24}));
}

// The autofit on one channel's power: standard min and max, outer min and max.
class Autofit : public ::testing::Test {
 protected:
  using Ranges = std::array<double, 4>;
  void make(int64_t T, int64_t F, std::vector<double> values) {
    ds = DatasetBuilder().meg(L"A", 0, 0).grid(T, F).spectrum(0, 0, 2, std::move(values)).build();
    chnl = ds->getSessionData(-1)->getTrialqv(-1)->getChannel(0)->getSpctmChnl(false, 0);
    ASSERT_NE(chnl, nullptr);
  }
  Ranges ranges() const { return {d.m_dStdMin, d.m_dStdMax, d.m_dOuterMin, d.m_dOuterMax}; }
  int fit(int x0, int y0, int x1, int y1, int kind = 2) {
    return d.autoFitStdViewRng4CrntShowPro(x0, y0, x1, y1, chnl, 0, kind);
  }
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CSpctmChnlqv* chnl = nullptr;
  CMEGSpctmDrawqv d;
};

TEST_F(Autofit, MagnitudesSetTheRangesWithTheStandardMaximumAtTheMidpoint) {
  make(3, 1, {-3.0, 1.0, 2.0});
  ASSERT_EQ(fit(10, 50, 12, 50), 1);  // x 10 … 12: three time points; one row
  EXPECT_EQ(ranges(), (Ranges{1.0, 2.0, 1.0, 3.0}));
}

TEST_F(Autofit, VisitsOnePointPerPixelFromTheDrawWindowsBegin) {
  // 8 × 6 grid, value (t + 1)·100 + f + 1: the extremes name the box visited.
  std::vector<double> v;
  for (int t = 0; t < 8; ++t)
    for (int f = 0; f < 6; ++f) v.push_back((t + 1) * 100 + f + 1);
  make(8, 6, v);
  const auto box = [](int t0, int t1, int f0, int f1) {
    const double mn = (t0 + 1) * 100 + f0 + 1, mx = (t1 + 1) * 100 + f1 + 1;
    return Ranges{mn, mn + (mx - mn) * 0.5, mn, mx};
  };
  d.m_nWinTimeBegin = 2;
  d.m_nWinFreqBegin = 1;
  ASSERT_EQ(fit(0, 9, 3, 7), 1);  // 4 pixels wide, 3 high
  EXPECT_EQ(ranges(), box(2, 5, 1, 3));
  ASSERT_EQ(fit(0, 500, 500, 0), 1);  // larger than the grid: up to its last points
  EXPECT_EQ(ranges(), box(2, 7, 1, 5));
  d.m_nWinTimeBegin = -2;  // points before 0 are skipped but keep their pixels
  d.m_nWinFreqBegin = -1;
  ASSERT_EQ(fit(0, 9, 3, 7), 1);
  EXPECT_EQ(ranges(), box(0, 1, 0, 1));
}

TEST_F(Autofit, EmptyRegionsAndMissingDataChangeNothing) {
  make(4, 4, std::vector<double>(16, 5.0));
  const Ranges before = ranges();
  EXPECT_EQ(fit(10, 50, 9, 50), 0);   // x1 < x0
  EXPECT_EQ(fit(10, 50, 12, 51), 0);  // top below bottom
  d.m_nWinTimeBegin = 4;              // past the last point
  EXPECT_EQ(fit(0, 50, 10, 0), 0);
  d.m_nWinTimeBegin = -3;  // the region ends before point 0
  EXPECT_EQ(fit(0, 50, 2, 0), 0);
  d.m_nWinTimeBegin = 0;
  EXPECT_EQ(fit(0, 50, 2, 0, 0), 0);  // no real part stored
  EXPECT_EQ(d.autoFitStdViewRng4CrntShowPro(0, 50, 2, 0, nullptr, 0, 2), 0);
  EXPECT_EQ(ranges(), before);
}

}  // namespace
