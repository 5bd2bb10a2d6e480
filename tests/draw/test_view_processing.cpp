// The draw window's animation step and drag, and the range autofit, on exact host data.
#include "draw/CMEGSpctmDrawqv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "host/data/DatasetBuilder.h"

namespace {

using std::int64_t;

// One MEG channel with Active spectra on a T × F grid; value = t·F + f (all kinds).
std::unique_ptr<CArrayMEDataSetqv> gridDataset(int64_t T, int64_t F) {
  return megdata::DatasetBuilder()
      .meg(L"MLC11", 0, 0)
      .grid(T, F)
      .spectra(0, [F](int64_t, int64_t t, int64_t f, int) { return static_cast<double>(t * F + f); })
      .build();
}

struct Window {
  int64_t tb, te, fb, fe;
  bool operator==(const Window&) const = default;
};

Window window(const CMEGSpctmDrawqv& d) {
  return {d.m_nWinTimeBegin, d.m_nWinTimeEnd, d.m_nWinFreqBegin, d.m_nWinFreqEnd};
}
void setWindow(CMEGSpctmDrawqv& d, Window w) {
  d.m_nWinTimeBegin = w.tb;
  d.m_nWinTimeEnd = w.te;
  d.m_nWinFreqBegin = w.fb;
  d.m_nWinFreqEnd = w.fe;
}

Window selection(CMEGSpctmDrawqv& d, int cls) {
  Window w{};
  const CSpctmTrialqv* s = d.m_pTrial->getSpctmTrial(false, cls);
  s->getTrialSpctmSelectTime(w.tb, w.te);
  s->getTrialSpctmSelectFreq(w.fb, w.fe);
  return w;
}

class Animation : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(d.setDrawMEGData(ds.get()), 1); }
  std::unique_ptr<CArrayMEDataSetqv> ds = gridDataset(100, 50);
  CMEGSpctmDrawqv d;
};

TEST_F(Animation, StepsAlongTimeAndStoresTheWindowAsSelectionWhenApplied) {
  const Window before = selection(d, 0);
  setWindow(d, {0, 9, 0, 4});
  ASSERT_EQ(d.animateSpctm(10, 5, 0, 0), 1);
  EXPECT_EQ(window(d), (Window{10, 19, 0, 4}));
  EXPECT_EQ(selection(d, 0), before);  // not applied: the host's selection stays

  ASSERT_EQ(d.animateSpctm(10, 5, 0, 1), 1);
  EXPECT_EQ(window(d), (Window{20, 29, 0, 4}));
  EXPECT_EQ(selection(d, 0), (Window{20, 29, 0, 4}));
}

TEST_F(Animation, WrapsToTimeZeroOneFrequencyStepUpAndFromTheTopToZero) {
  setWindow(d, {90, 99, 10, 14});
  ASSERT_EQ(d.animateSpctm(10, 5, 0, 0), 1);
  EXPECT_EQ(window(d), (Window{0, 9, 15, 19}));

  // A begin frequency reaching F wraps to 0.
  setWindow(d, {95, 99, 45, 49});
  ASSERT_EQ(d.animateSpctm(10, 5, 0, 0), 1);
  EXPECT_EQ(window(d), (Window{0, 4, 0, 4}));
}

TEST_F(Animation, ClampsTheEndsToTheGrid) {
  // Begin 95 with a span of 9 would end at 104: shortened to 99. Same on frequency.
  setWindow(d, {85, 94, 45, 49});
  ASSERT_EQ(d.animateSpctm(10, 5, 0, 1), 1);
  EXPECT_EQ(window(d), (Window{95, 99, 45, 49}));
  EXPECT_EQ(selection(d, 0), (Window{95, 99, 45, 49}));
  // An inverted window (end before begin) keeps its negative span, raised to 0.
  setWindow(d, {0, -20, 0, -30});
  ASSERT_EQ(d.animateSpctm(10, 5, 0, 0), 1);
  EXPECT_EQ(window(d), (Window{10, 0, 0, 0}));
}

TEST_F(Animation, RefusesSmallStepsAndMissingData) {
  const Window w{3, 7, 2, 4};
  setWindow(d, w);
  EXPECT_EQ(d.animateSpctm(0, 5, 0, 1), 0);
  EXPECT_EQ(d.animateSpctm(10, 0, 0, 1), 0);
  EXPECT_EQ(d.animateSpctm(-1, 5, 0, 1), 0);
  EXPECT_EQ(d.animateSpctm(10, 5, 1, 1), 0);  // no Control spectra in this dataset
  EXPECT_EQ(d.animateSpctm(10, 5, 7, 1), 0);  // no such class
  EXPECT_EQ(window(d), w);

  auto empty = megdata::DatasetBuilder().meg(L"A", 0, 0).trial(L"T").build();  // no spectra
  ASSERT_EQ(d.setDrawMEGData(empty.get()), 1);
  EXPECT_EQ(d.animateSpctm(10, 5, 0, 1), 0);
  EXPECT_EQ(window(d), w);

  CMEGSpctmDrawqv unbound;
  EXPECT_EQ(unbound.animateSpctm(10, 5, 0, 1), 0);
}

TEST_F(Animation, DragMovesOnlyTheBeginAndClampsItToTheGrid) {
  setWindow(d, {30, 39, 20, 24});
  ASSERT_EQ(d.mouseMoveSpctm(-500, 0, 0), 1);
  EXPECT_EQ(window(d), (Window{0, 39, 20, 24}));
  ASSERT_EQ(d.mouseMoveSpctm(500, 500, 0), 1);
  EXPECT_EQ(window(d), (Window{99, 39, 49, 24}));
  ASSERT_EQ(d.mouseMoveSpctm(-9, -49, 0), 1);
  EXPECT_EQ(window(d), (Window{90, 39, 0, 24}));

  EXPECT_EQ(d.mouseMoveSpctm(0, 0, 0), 0);
  EXPECT_EQ(d.mouseMoveSpctm(5, 5, 2), 0);  // no Results spectra
  EXPECT_EQ(window(d), (Window{90, 39, 0, 24}));
  CMEGSpctmDrawqv unbound;
  EXPECT_EQ(unbound.mouseMoveSpctm(5, 5, 0), 0);
}

// The autofit on a channel whose values are chosen per test.
class Autofit : public ::testing::Test {
 protected:
  void make(int64_t T, int64_t F, std::vector<double> values) {
    ds = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(T, F).spectrum(0, 0, 2, std::move(values)).build();
    chnl = ds->getSessionData(-1)->getTrialqv(-1)->getChannel(0)->getSpctmChnl(false, 0);
    ASSERT_NE(chnl, nullptr);
  }
  struct Ranges {
    double stdMin, stdMax, outerMin, outerMax;
    bool operator==(const Ranges&) const = default;
  };
  Ranges ranges() const { return {d.m_dStdMin, d.m_dStdMax, d.m_dOuterMin, d.m_dOuterMax}; }

  std::unique_ptr<CArrayMEDataSetqv> ds;
  CSpctmChnlqv* chnl = nullptr;
  CMEGSpctmDrawqv d;
};

TEST_F(Autofit, MagnitudesSetTheRangesWithTheStandardMaximumAtTheMidpoint) {
  make(3, 1, {-3.0, 1.0, 2.0});
  // Region: x 10 … 12 (three time points), one row at y 50.
  ASSERT_EQ(d.autoFitStdViewRng4CrntShowPro(10, 50, 12, 50, chnl, 0, 2), 1);
  EXPECT_EQ(ranges(), (Ranges{1.0, 2.0, 1.0, 3.0}));
}

TEST_F(Autofit, VisitsOnePointPerPixelFromTheDrawWindowsBegin) {
  // 8 × 6 grid, value (t + 1)·100 + f + 1, so each point is recognisable.
  const int64_t T = 8, F = 6;
  std::vector<double> v(T * F);
  for (int64_t t = 0; t < T; ++t)
    for (int64_t f = 0; f < F; ++f) v[static_cast<size_t>(t * F + f)] = static_cast<double>((t + 1) * 100 + f + 1);
  make(T, F, v);
  // Expected extremes over an index box, computed by brute force.
  auto box = [&](int64_t t0, int64_t t1, int64_t f0, int64_t f1) {
    double mn = 1e300, mx = -1e300;
    for (int64_t t = t0; t <= t1; ++t)
      for (int64_t f = f0; f <= f1; ++f) {
        mn = std::min(mn, std::fabs(v[static_cast<size_t>(t * F + f)]));
        mx = std::max(mx, std::fabs(v[static_cast<size_t>(t * F + f)]));
      }
    return Ranges{mn, mn + (mx - mn) * 0.5, mn, mx};
  };

  // Begin (2, 1); region 4 pixels wide (x 0 … 3) and 3 high (y 9 up to 7).
  d.m_nWinTimeBegin = 2;
  d.m_nWinFreqBegin = 1;
  ASSERT_EQ(d.autoFitStdViewRng4CrntShowPro(0, 9, 3, 7, chnl, 0, 2), 1);
  EXPECT_EQ(ranges(), box(2, 5, 1, 3));

  // A region larger than the grid stops at the grid's last points.
  ASSERT_EQ(d.autoFitStdViewRng4CrntShowPro(0, 500, 500, 0, chnl, 0, 2), 1);
  EXPECT_EQ(ranges(), box(2, 7, 1, 5));

  // Negative begins skip the points before index 0 but still count their pixels.
  d.m_nWinTimeBegin = -2;
  d.m_nWinFreqBegin = -1;
  ASSERT_EQ(d.autoFitStdViewRng4CrntShowPro(0, 9, 3, 7, chnl, 0, 2), 1);
  EXPECT_EQ(ranges(), box(0, 1, 0, 1));
}

TEST_F(Autofit, EmptyRegionsAndMissingDataChangeNothing) {
  make(4, 4, std::vector<double>(16, 5.0));
  const Ranges before = ranges();
  EXPECT_EQ(d.autoFitStdViewRng4CrntShowPro(10, 50, 9, 50, chnl, 0, 2), 0);   // x1 < x0
  EXPECT_EQ(d.autoFitStdViewRng4CrntShowPro(10, 50, 12, 51, chnl, 0, 2), 0);  // top below bottom
  d.m_nWinTimeBegin = 4;                                                       // past the last point
  EXPECT_EQ(d.autoFitStdViewRng4CrntShowPro(0, 50, 10, 0, chnl, 0, 2), 0);
  d.m_nWinTimeBegin = -3;                                                      // region ends before 0
  EXPECT_EQ(d.autoFitStdViewRng4CrntShowPro(0, 50, 2, 0, chnl, 0, 2), 0);
  d.m_nWinTimeBegin = 0;
  EXPECT_EQ(d.autoFitStdViewRng4CrntShowPro(0, 50, 2, 0, chnl, 0, 0), 0);     // no real part stored
  EXPECT_EQ(d.autoFitStdViewRng4CrntShowPro(0, 50, 2, 0, nullptr, 0, 2), 0);
  EXPECT_EQ(ranges(), before);
}

}  // namespace
