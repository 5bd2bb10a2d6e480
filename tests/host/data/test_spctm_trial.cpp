// Axes, selection and waveform range of a spectral trial, on a 3 × 2 grid with
// latencies −100, −50, 0 ms and frequencies 8, 10 Hz.
#include <gtest/gtest.h>

#include "host/data/DatasetBuilder.h"

namespace {

class SpctmTrialTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ds = megdata::DatasetBuilder()
             .meg(L"A", 0, 0)
             .grid(3, 2)
             .timeStep(4)
             .latencies(-100, 50)
             .frequencies(8, 2)
             .spectra(0, [](auto, auto, auto, int) { return 1.0; })
             .build();
    st = ds->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 0);
    ASSERT_NE(st, nullptr);
  }
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CSpctmTrialqv* st = nullptr;
};

TEST_F(SpctmTrialTest, ConversionsCoverBothEndsAndOnePastTheLast) {
  EXPECT_EQ(st->getTrialSpctmTimePt(), 3);
  EXPECT_EQ(st->getTrialSpctmFreqPt(), 2);
  EXPECT_EQ(st->getTrialSpctmTimeStep(), 4);
  EXPECT_DOUBLE_EQ(st->getSpctmLatencyMs4TimeIndex(0), -100.0);
  EXPECT_DOUBLE_EQ(st->getSpctmLatencyMs4TimeIndex(2), 0.0);
  EXPECT_DOUBLE_EQ(st->getSpctmLatencyMs4TimeIndex(3), 50.0);  // one past, last step repeated
  EXPECT_DOUBLE_EQ(st->getSpctmFreq4FreqIndex(0), 8.0);
  EXPECT_DOUBLE_EQ(st->getSpctmFreq4FreqIndex(1), 10.0);
  EXPECT_DOUBLE_EQ(st->getSpctmFreq4FreqIndex(2), 12.0);
  // Beyond one past the last, indices are clamped.
  EXPECT_DOUBLE_EQ(st->getSpctmLatencyMs4TimeIndex(9), 50.0);
  EXPECT_DOUBLE_EQ(st->getSpctmFreq4FreqIndex(-4), 8.0);

  double lo = -1, hi = -1;
  EXPECT_EQ(st->getSpctmFreqRangeHz(lo, hi), 1);
  EXPECT_DOUBLE_EQ(lo, 8.0);
  EXPECT_DOUBLE_EQ(hi, 10.0);
  EXPECT_EQ(st->getTrialSpctmGivenFreqID4Hz(2, 0, lo, hi), 1);
  EXPECT_DOUBLE_EQ(lo, 12.0);
  EXPECT_DOUBLE_EQ(hi, 8.0);

  // The session converts through its current trial; the data kind does not matter.
  CMEGDataqv* s = ds->getSessionData(-1);
  EXPECT_DOUBLE_EQ(s->getLatencyMs4SpctmTimePt(3, 0, 2), 50.0);
  double ms0 = -1, ms1 = -1;
  EXPECT_EQ(s->getTrialSpctmGivenTime2LatencyMsec(0, 3, ms0, ms1, 0, 1), 1);
  EXPECT_DOUBLE_EQ(ms0, -100.0);
  EXPECT_DOUBLE_EQ(ms1, 50.0);
  // A class without spectral trial fails and zeroes the results.
  EXPECT_EQ(s->getTrialSpctmGivenTime2LatencyMsec(0, 3, ms0, ms1, 1, 0), 0);
  EXPECT_EQ(ms0, 0.0);
  EXPECT_EQ(ms1, 0.0);
  EXPECT_EQ(s->getLatencyMs4SpctmTimePt(1, 7, 0), 0.0);
}

TEST_F(SpctmTrialTest, SingleFrequencyAxisHasNoStepPastItsEnd) {
  auto one = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(1, 1).latencies(25, 0).frequencies(40, 0)
                 .spectra(0, [](auto, auto, auto, int) { return 0.0; }).build();
  CSpctmTrialqv* s1 = one->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 0);
  EXPECT_DOUBLE_EQ(s1->getSpctmFreq4FreqIndex(1), 40.0);
  EXPECT_DOUBLE_EQ(s1->getSpctmLatencyMs4TimeIndex(1), 25.0);
}

TEST_F(SpctmTrialTest, EmptyGridFailsConversions) {
  CSpctmTrialqv empty;
  double lo = -1, hi = -1;
  EXPECT_EQ(empty.getSpctmFreqRangeHz(lo, hi), 0);
  EXPECT_EQ(lo, 0.0);
  EXPECT_EQ(hi, 0.0);
  EXPECT_EQ(empty.getSpctmFreq4FreqIndex(0), 0.0);
  std::int64_t b = 5, e = 5;
  EXPECT_EQ(empty.getSelectBE4DrawWave(b, e), 0);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(e, 0);
}

TEST_F(SpctmTrialTest, SelectionSettersKeepEndsGivenAsMinusOne) {
  std::int64_t b = -9, e = -9;
  st->getTrialSpctmSelectTime(b, e);  // a new grid selects all of it
  EXPECT_EQ(b, 0);
  EXPECT_EQ(e, 2);

  st->setTrialSpctmSelectTime(1, 1);
  st->setTrialSpctmSelectTime(-1, 2);  // keeps the begin
  st->getTrialSpctmSelectTime(b, e);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(e, 2);
  st->setTrialSpctmSelectFreq(1, -1);  // keeps the end
  st->getTrialSpctmSelectFreq(b, e);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(e, 1);

  // Corners: BB sets both begins, EE both ends, −1 keeps.
  st->setTrialSpctmSelectTimeFreqBB(2, 0);
  st->setTrialSpctmSelectTimeFreqEE(-1, -1);
  st->getTrialSpctmSelectTimeFreqBB(b, e);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(e, 0);
  st->setTrialSpctmSelectTimeFreqEE(0, -1);
  st->getTrialSpctmSelectTime(b, e);
  EXPECT_EQ(b, 2);  // stored backwards as dragged
  EXPECT_EQ(e, 0);
  const megdata::SpctmWindow w = st->getSelectWindow();  // ordered
  EXPECT_EQ(w.timeBegin, 0);
  EXPECT_EQ(w.timeEnd, 2);
  EXPECT_EQ(w.freqBegin, 0);
  EXPECT_EQ(w.freqEnd, 1);

  // Other values are clamped into the grid.
  st->setTrialSpctmSelectTime(-7, 99);
  st->getTrialSpctmSelectTime(b, e);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(e, 2);

  double hz0 = 0, hz1 = 0;
  st->setTrialSpctmSelectFreq(1, 0);
  EXPECT_EQ(st->getTrialSpctmSelectFreqHz(hz0, hz1), 1);
  EXPECT_DOUBLE_EQ(hz0, 10.0);
  EXPECT_DOUBLE_EQ(hz1, 8.0);

  st->setTrialSpctmSelectTime(1, 2);
  double ms0 = 0, ms1 = 0;
  EXPECT_EQ(ds->getSessionData(-1)->getTrialSpctmSelectTime2LatencyMsec(ms0, ms1, 0, 0), 1);
  EXPECT_DOUBLE_EQ(ms0, -50.0);
  EXPECT_DOUBLE_EQ(ms1, 0.0);
}

TEST(SpctmTrialWave, DrawRangeCoversTheTimeAxisWithinTheWaveform) {
  auto build = [](std::int64_t samples, std::int64_t first) {
    return megdata::DatasetBuilder().meg(L"A", 0, 0).grid(3, 1).timeStep(4).firstSample(first)
        .waves(samples, [](auto, std::int64_t k) { return static_cast<double>(k); })
        .spectra(0, [](auto, auto, auto, int) { return 0.0; }).build();
  };
  std::int64_t b = -1, e = -1;
  auto ds = build(20, 2);
  CSpctmTrialqv* st = ds->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 0);
  EXPECT_EQ(st->getSelectBE4DrawWave(b, e), 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(e, 13);  // 2 + 3·4 − 1
  ds = build(10, 2);
  st = ds->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 0);
  EXPECT_EQ(st->getSelectBE4DrawWave(b, e), 1);
  EXPECT_EQ(e, 9);  // cut to the waveform
  ds = build(10, 10);
  st = ds->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 0);
  EXPECT_EQ(st->getSelectBE4DrawWave(b, e), 0);
  EXPECT_EQ(ds->getSessionData(-1)->getTrialqv(-1)->getChannel(0)->getDataWave()[7], 7.0);
}

}  // namespace
