// Range and measurement queries of a trial against hand-computed values.
// Channel A: 10·t + f (all positive). Channel B: ±(t + 1)(f + 1), negative at t = 1.
// Grid 3 × 2, latencies −100, −50, 0 ms, frequencies 8, 10 Hz; B is hidden.
//   A = [0, 1, 10, 11, 20, 21]    B = [1, 2, −2, −4, 3, 6]
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/data/DatasetBuilder.h"

namespace {

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
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CMDTrialqv* trial = nullptr;
};

TEST_F(TrialQueryTest, RangeOverAllChannelsHonoursTheFlag) {
  double lo = 1, hi = 1, mean = 1;
  EXPECT_EQ(trial->getSpctmRangeAllChann(lo, hi, mean, 0, 0, 0), 1);
  EXPECT_EQ(lo, -4.0);
  EXPECT_EQ(hi, 21.0);
  EXPECT_DOUBLE_EQ(mean, 69.0 / 12);
  // Flag 1: only shown and good channels (B is hidden).
  EXPECT_EQ(trial->getSpctmRangeAllChann(lo, hi, mean, 1, 0, 0), 1);
  EXPECT_EQ(lo, 0.0);
  EXPECT_EQ(hi, 21.0);
  ds->getSessionData(-1)->setGoodChnl4Alltrials(0, 0);
  EXPECT_EQ(trial->getSpctmRangeAllChann(lo, hi, mean, 1, 0, 0), 0);  // nothing left
  EXPECT_EQ(hi, 0.0);
  EXPECT_EQ(trial->getSpctmRangeAllChann(lo, hi, mean, 0, 2, 0), 0);  // no Results class
}

TEST_F(TrialQueryTest, RangeOfOneChannelOrStatistic) {
  double lo = 0, hi = 0, mean = 0;
  EXPECT_EQ(trial->getSpctmRange4OneChnlShow(0, 1, lo, hi, mean, true, 0, 0), 1);
  EXPECT_EQ(lo, -4.0);
  EXPECT_EQ(hi, 6.0);
  EXPECT_DOUBLE_EQ(mean, 1.0);
  EXPECT_EQ(trial->getSpctmRange4OneChnlShowAbs(0, 1, lo, hi, mean, true, 0, 0), 1);
  EXPECT_EQ(lo, 1.0);
  EXPECT_EQ(hi, 6.0);
  EXPECT_DOUBLE_EQ(mean, 3.0);
  // −1 is the current channel (A); false restricts to the selection (t 1..2).
  EXPECT_EQ(trial->getSpctmRange4OneChnlShow(0, -1, lo, hi, mean, false, 0, 0), 1);
  EXPECT_EQ(lo, 10.0);
  EXPECT_EQ(hi, 21.0);
  // Statistic 3 (group maximum) over A and B: [1, 2, 10, 11, 20, 21].
  EXPECT_EQ(trial->getSpctmRange4OneChnlShow(3, 99, lo, hi, mean, true, 0, 0), 1);
  EXPECT_EQ(lo, 1.0);
  EXPECT_EQ(hi, 21.0);
  // Kind 2 is offset by 100.
  EXPECT_EQ(trial->getSpctmRange4OneChnlShow(0, 0, lo, hi, mean, true, 0, 2), 1);
  EXPECT_EQ(lo, 100.0);
  // A channel without spectrum, an unknown channel or source: 0 and zeros.
  EXPECT_EQ(trial->getSpctmRange4OneChnlShow(0, 2, lo, hi, mean, true, 0, 0), 0);
  EXPECT_EQ(lo, 0.0);
  EXPECT_EQ(trial->getSpctmRange4OneChnlShow(0, 5, lo, hi, mean, true, 0, 0), 0);
  EXPECT_EQ(trial->getSpctmRange4OneChnlShowAbs(7, -1, lo, hi, mean, true, 0, 0), 0);
}

TEST_F(TrialQueryTest, MinMeanMaxRmsOverAWindow) {
  double mn = 0, mean = 0, mx = 0, rms = 0;
  EXPECT_EQ(trial->getSelectSpctmValueMMMR(0, 0, 0, 0, 1, 2, 0, 1, mn, mean, mx, rms), 1);
  EXPECT_EQ(mn, 10.0);
  EXPECT_DOUBLE_EQ(mean, 15.5);
  EXPECT_EQ(mx, 21.0);
  EXPECT_DOUBLE_EQ(rms, std::sqrt(1062.0 / 4));
  // A window reaching past the grid is cut to it; −1 ends take the ordered selection.
  EXPECT_EQ(trial->getSelectSpctmValueMMMR(0, 0, 0, 1, -1, 9, 1, -1, mn, mean, mx, rms), 1);
  EXPECT_EQ(mn, -4.0);  // B at t 1..2, f 1
  EXPECT_EQ(mx, 6.0);
  EXPECT_DOUBLE_EQ(mean, 1.0);
  // Inverted or outside windows are empty.
  EXPECT_EQ(trial->getSelectSpctmValueMMMR(0, 0, 0, 0, 2, 1, 0, 1, mn, mean, mx, rms), 0);
  EXPECT_EQ(mx, 0.0);
  EXPECT_EQ(trial->getSelectSpctmValueMMMR(0, 0, 0, 0, 5, 8, 0, 1, mn, mean, mx, rms), 0);
  EXPECT_EQ(trial->getSelectSpctmValueMMMR(0, 1, 0, 0, 0, 2, 0, 1, mn, mean, mx, rms), 0);
}

TEST_F(TrialQueryTest, PerFrequencyAmaxAmeanRms) {
  // B over t 0..2: f0 = 1, −2, 3; f1 = 2, −4, 6.
  std::vector<double> v(3, -1.0);
  EXPECT_EQ(trial->getSelectSpctmValueXX(0, 0, 0, 1, 1, 0, 2, 0, 1, 2, v.data()), 1);
  EXPECT_EQ(v[0], 3.0);
  EXPECT_EQ(v[1], 6.0);
  EXPECT_EQ(trial->getSelectSpctmValueXX(0, 0, 0, 2, 1, 0, 2, 0, 1, 2, v.data()), 1);
  EXPECT_DOUBLE_EQ(v[0], 2.0);
  EXPECT_DOUBLE_EQ(v[1], 4.0);
  EXPECT_EQ(trial->getSelectSpctmValueXX(0, 0, 0, 6, 1, 0, 2, 0, 1, 2, v.data()), 1);  // 6 measures as 3
  EXPECT_DOUBLE_EQ(v[0], std::sqrt(14.0 / 3));
  EXPECT_DOUBLE_EQ(v[1], std::sqrt(56.0 / 3));
  // Slot k belongs to frequency fb + k: frequency 2 does not exist and reads 0.
  EXPECT_EQ(trial->getSelectSpctmValueXX(0, 0, 0, 1, 1, 0, 2, 1, 2, 3, v.data()), 1);
  EXPECT_EQ(v[0], 6.0);
  EXPECT_EQ(v[1], 0.0);
  EXPECT_EQ(v[2], 0.0);
  // Frequencies −2 and −1 lie below the grid: slots 0 and 1 read 0, slot 2 is frequency 0.
  EXPECT_EQ(trial->getSelectSpctmValueXX(0, 0, 0, 1, 1, 0, 2, -2, 0, 3, v.data()), 1);
  EXPECT_EQ(v[0], 0.0);
  EXPECT_EQ(v[1], 0.0);
  EXPECT_EQ(v[2], 3.0);
  // Unknown mode, inverted window: 0 and a zeroed buffer.
  v.assign(3, -1.0);
  EXPECT_EQ(trial->getSelectSpctmValueXX(0, 0, 0, 0, 1, 0, 2, 0, 1, 3, v.data()), 0);
  EXPECT_EQ(v[2], 0.0);
  EXPECT_EQ(trial->getSelectSpctmValueXX(0, 0, 0, 1, 1, 2, 0, 0, 1, 2, v.data()), 0);
  EXPECT_EQ(trial->getSelectSpctmValueXX(0, 0, 0, 1, 1, 0, 2, 0, 1, 2, nullptr), 0);
}

TEST_F(TrialQueryTest, SelectionSumAndSize) {
  double sum = -1;
  std::int64_t points = -1;
  // Current channel A over the selection (t 1..2, f 0..1): 10 + 11 + 20 + 21.
  EXPECT_EQ(trial->getSelectSpctmValueX_PhyVirt(0, -1, -1, -1, -1, -1, sum, points, 0, 0), 1);
  EXPECT_EQ(sum, 62.0);
  EXPECT_EQ(points, 4);
  // Group mean over the same window: (A + B) / 2 summed = (62 + (−2 − 4 + 3 + 6)) / 2.
  EXPECT_EQ(trial->getSelectSpctmValueX_PhyVirt(1, -1, -1, -1, -1, -1, sum, points, 0, 0), 1);
  EXPECT_DOUBLE_EQ(sum, 32.5);
  EXPECT_EQ(trial->getSelectSpctmValueX_PhyVirt(0, -1, -1, -1, -1, -1, sum, points, 1, 0), 0);
  EXPECT_EQ(points, 0);

  std::int64_t tb = -1, te = -1, fb = -1, fe = -1;
  EXPECT_EQ(trial->getSpctmSize(true, tb, te, fb, fe, 0), 6);
  EXPECT_EQ(te, 2);
  EXPECT_EQ(fe, 1);
  EXPECT_EQ(trial->getSpctmSize(false, tb, te, fb, fe, 0), 4);
  EXPECT_EQ(tb, 1);
  EXPECT_EQ(te, 2);
  EXPECT_EQ(fb, 0);
  EXPECT_EQ(fe, 1);
  EXPECT_EQ(trial->getSpctmSize(true, tb, te, fb, fe, 2), 0);
  EXPECT_EQ(te, 0);
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
