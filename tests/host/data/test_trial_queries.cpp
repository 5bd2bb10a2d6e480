// Range and measurement queries of a trial against hand-computed values.
// Channel A: 10·t + f (all positive). Channel B: ±(t + 1)(f + 1), negative at t = 1.
// Grid 3 × 2, latencies −100, −50, 0 ms, frequencies 8, 10 Hz; B is hidden.
//   A = [0, 1, 10, 11, 20, 21]    B = [1, 2, −2, −4, 3, 6]
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>
#include <vector>

#include "tests/support/DatasetBuilder.h"

namespace {

// Answer and outputs of a query: the int it returns, then lo, hi, mean (range queries)
// or minimum, mean, maximum, RMS (window statistics).
using Range = std::tuple<int, double, double, double>;
using Stats = std::tuple<int, double, double, double, double>;

class TrialQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ds = megdata::DatasetBuilder()
             .meg(L"A", 0, 0)
             .meg(L"B", 1, 0).hidden()
             .eeg(L"E", 0, 0).noSpectrum()
             .grid(3, 2)
             .latencies(-100, 50)
             .frequencies(8, 2)
             .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int kind) {
               const std::int64_t a = c == 0 ? 10 * t + f : (t == 1 ? -1 : 1) * (t + 1) * (f + 1);
               return static_cast<double>(kind == 0 ? a : 100 + a);
             })
             .selection(0, 2, 1, 1, 0)  // dragged backwards: time 1..2, frequency 0..1
             .build();
    trial = ds->getSessionData(-1)->getTrialqv(-1);
  }
  Range all(int flag, int cls) {
    double lo = 1, hi = 1, mean = 1;
    const int ok = trial->getSpctmRangeAllChann(lo, hi, mean, flag, cls, 0);
    return {ok, lo, hi, mean};
  }
  Range one(int source, std::int64_t chnl, bool whole, int kind = 0, bool abs = false) {
    double lo = 1, hi = 1, mean = 1;
    const int ok = abs ? trial->getSpctmRange4OneChnlShowAbs(source, chnl, lo, hi, mean, whole, 0, kind)
                       : trial->getSpctmRange4OneChnlShow(source, chnl, lo, hi, mean, whole, 0, kind);
    return {ok, lo, hi, mean};
  }
  Stats stats(int cls, std::int64_t chnl, std::int64_t tb, std::int64_t te, std::int64_t fb, std::int64_t fe) {
    double mn = 1, mean = 1, mx = 1, rms = 1;
    const int ok = trial->getSelectSpctmValueMMMR(0, cls, 0, chnl, tb, te, fb, fe, mn, mean, mx, rms);
    return {ok, mn, mean, mx, rms};
  }
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CMDTrialqv* trial = nullptr;
};

TEST_F(TrialQueryTest, RangeOverAllChannelsHonoursTheFlag) {
  EXPECT_EQ(all(0, 0), Range(1, -4, 21, 69.0 / 12));
  EXPECT_EQ(all(1, 0), Range(1, 0, 21, 63.0 / 6));  // only shown and good channels: B is hidden
  ds->getSessionData(-1)->setGoodChnl4Alltrials(0, 0);
  EXPECT_EQ(all(1, 0), Range(0, 0, 0, 0));  // nothing left
  EXPECT_EQ(all(0, 2), Range(0, 0, 0, 0));  // no Results class
}

TEST_F(TrialQueryTest, RangeOfOneChannelOrStatistic) {
  EXPECT_EQ(one(0, 1, true), Range(1, -4, 6, 1));
  EXPECT_EQ(one(0, 1, true, 0, true), Range(1, 1, 6, 3));  // magnitudes
  // −1 is the current channel (A); false restricts to the selection (t 1..2).
  EXPECT_EQ(one(0, -1, false), Range(1, 10, 21, 15.5));
  // Statistic 3 (group maximum) over A and B: [1, 2, 10, 11, 20, 21].
  EXPECT_EQ(one(3, 99, true), Range(1, 1, 21, 65.0 / 6));
  EXPECT_EQ(one(0, 0, true, 2), Range(1, 100, 121, 110.5));  // kind 2 is offset by 100
  // A channel without spectrum, an unknown channel or source: 0 and zeros.
  EXPECT_EQ(one(0, 2, true), Range(0, 0, 0, 0));
  EXPECT_EQ(one(0, 5, true), Range(0, 0, 0, 0));
  EXPECT_EQ(one(7, -1, true, 0, true), Range(0, 0, 0, 0));
}

TEST_F(TrialQueryTest, MinMeanMaxRmsOverAWindow) {
  EXPECT_EQ(stats(0, 0, 1, 2, 0, 1), Stats(1, 10, 15.5, 21, std::sqrt(1062.0 / 4)));
  // A window reaching past the grid is cut to it; −1 ends take the ordered selection:
  // B at t 1..2, f 1.
  EXPECT_EQ(stats(0, 1, -1, 9, 1, -1), Stats(1, -4, 1, 6, std::sqrt(52.0 / 2)));
  // Inverted or outside windows, and a class without data, are empty.
  EXPECT_EQ(stats(0, 0, 2, 1, 0, 1), Stats(0, 0, 0, 0, 0));
  EXPECT_EQ(stats(0, 0, 5, 8, 0, 1), Stats(0, 0, 0, 0, 0));
  EXPECT_EQ(stats(1, 0, 0, 2, 0, 1), Stats(0, 0, 0, 0, 0));
}

TEST_F(TrialQueryTest, PerFrequencyAmaxAmeanRms) {
  // B over t 0..2: f0 = 1, −2, 3; f1 = 2, −4, 6. Slot k belongs to frequency fb + k.
  const auto slots = [&](int mode, std::int64_t tb, std::int64_t te, std::int64_t fb, std::int64_t fe) {
    std::vector<double> v(3, -1.0);
    const int ok = trial->getSelectSpctmValueXX(0, 0, 0, mode, 1, tb, te, fb, fe, 3, v.data());
    return std::pair{ok, v};
  };
  using Slots = std::pair<int, std::vector<double>>;
  EXPECT_EQ(slots(1, 0, 2, 0, 1), Slots(1, {3, 6, 0}));  // frequency 2 does not exist: 0
  EXPECT_EQ(slots(2, 0, 2, 0, 1), Slots(1, {2, 4, 0}));
  EXPECT_EQ(slots(6, 0, 2, 0, 1), Slots(1, {std::sqrt(14.0 / 3), std::sqrt(56.0 / 3), 0}));  // 6 measures as 3
  // Frequencies −2 and −1 lie below the grid: slots 0 and 1 read 0, slot 2 is frequency 0.
  EXPECT_EQ(slots(1, 0, 2, -2, 0), Slots(1, {0, 0, 3}));
  // Unknown mode, inverted window, no buffer: 0 and a zeroed buffer.
  EXPECT_EQ(slots(0, 0, 2, 0, 1), Slots(0, {0, 0, 0}));
  EXPECT_EQ(slots(1, 2, 0, 0, 1), Slots(0, {0, 0, 0}));
  EXPECT_EQ(trial->getSelectSpctmValueXX(0, 0, 0, 1, 1, 0, 2, 0, 1, 2, nullptr), 0);
}

TEST_F(TrialQueryTest, SelectionSumAndSize) {
  const auto sum = [&](int source, int cls) {
    double total = -1;
    std::int64_t points = -1;
    const int ok = trial->getSelectSpctmValueX_PhyVirt(source, -1, -1, -1, -1, -1, total, points, cls, 0);
    return std::tuple{ok, total, points};
  };
  // Current channel A over the selection (t 1..2, f 0..1): 10 + 11 + 20 + 21; the group
  // mean over it: (62 + (−2 − 4 + 3 + 6)) / 2.
  EXPECT_EQ(sum(0, 0), std::tuple(1, 62.0, std::int64_t{4}));
  EXPECT_EQ(sum(1, 0), std::tuple(1, 32.5, std::int64_t{4}));
  EXPECT_EQ(sum(0, 1), std::tuple(0, 0.0, std::int64_t{0}));

  using Size = std::array<std::int64_t, 5>;  // count, tb, te, fb, fe
  const auto size = [&](bool whole, int cls) {
    Size z{0, -1, -1, -1, -1};
    z[0] = trial->getSpctmSize(whole, z[1], z[2], z[3], z[4], cls);
    return z;
  };
  EXPECT_EQ(size(true, 0), (Size{6, 0, 2, 0, 1}));
  EXPECT_EQ(size(false, 0), (Size{4, 1, 2, 0, 1}));
  EXPECT_EQ(size(true, 2), (Size{0, 0, 0, 0, 0}));
}

TEST_F(TrialQueryTest, WindowAsText) {
  EXPECT_EQ(trial->getSelectSpctmValue2Txt(0, 0, 0, 0, 0, 1, 0, 1),
            L"Freq(Hz)/Time(ms) -100.000 -50.000\n"
            L"8.000 0.000000 10.000000\n"
            L"10.000 1.000000 11.000000\n");
  EXPECT_EQ(trial->getSelectSpctmValue2Txt(0, 0, 0, 2, 0, 1, 0, 1), L"");
  EXPECT_EQ(trial->getSelectSpctmValue2Txt(0, 0, 0, 0, 1, 0, 0, 1), L"");
}

TEST_F(TrialQueryTest, ChannelWithSpectrumForShow) {
  EXPECT_EQ(trial->hasSpctmData4Chnl(0, 0, 1), 1);
  EXPECT_EQ(trial->hasSpctmData4Chnl(0, 0, 2), 0);
  EXPECT_EQ(trial->hasSpctmData4Chnl(1, 0, 0), 0);
  trial->setCurrentChannel(2);
  EXPECT_EQ(trial->findSpctmChnl4Show(0, 0), 1);
  EXPECT_EQ(trial->getCurntChnlIndx(), 0);
  trial->setCurrentChannel(2);
  EXPECT_EQ(trial->findSpctmChnl4Show(2, 0), 0);
  EXPECT_EQ(trial->getCurntChnlIndx(), 2);
}

}  // namespace
