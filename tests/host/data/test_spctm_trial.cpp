// Axes, selection and waveform range of a spectral trial, on a 3 × 2 grid with
// latencies −100, −50, 0 ms and frequencies 8, 10 Hz.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

#include "tests/support/DatasetBuilder.h"

namespace {

using Ends = std::pair<std::int64_t, std::int64_t>;

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
  // One past the last repeats the last step; indices beyond it are clamped.
  for (const auto& [index, ms] : {std::pair{0, -100.0}, {2, 0.0}, {3, 50.0}, {9, 50.0}, {-4, -100.0}})
    EXPECT_EQ(st->getSpctmLatencyMs4TimeIndex(index), ms) << index;
  for (const auto& [index, hz] : {std::pair{0, 8.0}, {1, 10.0}, {2, 12.0}, {9, 12.0}, {-4, 8.0}})
    EXPECT_EQ(st->getSpctmFreq4FreqIndex(index), hz) << index;

  double lo = -1, hi = -1;
  EXPECT_EQ(st->getSpctmFreqRangeHz(lo, hi), 1);
  EXPECT_EQ(std::pair(lo, hi), std::pair(8.0, 10.0));
  EXPECT_EQ(st->getTrialSpctmGivenFreqID4Hz(2, 0, lo, hi), 1);
  EXPECT_EQ(std::pair(lo, hi), std::pair(12.0, 8.0));

  // The session converts through its current trial; the data kind does not matter.
  CMEGDataqv* s = ds->getSessionData(-1);
  EXPECT_EQ(s->getLatencyMs4SpctmTimePt(3, 0, 2), 50.0);
  EXPECT_EQ(s->getTrialSpctmGivenTime2LatencyMsec(0, 3, lo, hi, 0, 1), 1);
  EXPECT_EQ(std::pair(lo, hi), std::pair(-100.0, 50.0));
  // A class without spectral trial fails and zeroes the results.
  EXPECT_EQ(s->getTrialSpctmGivenTime2LatencyMsec(0, 3, lo, hi, 1, 0), 0);
  EXPECT_EQ(std::pair(lo, hi), std::pair(0.0, 0.0));
  EXPECT_EQ(s->getLatencyMs4SpctmTimePt(1, 7, 0), 0.0);
}

TEST_F(SpctmTrialTest, SingleFrequencyAxisHasNoStepPastItsEnd) {
  auto one = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(1, 1).latencies(25, 0).frequencies(40, 0)
                 .spectra(0, [](auto, auto, auto, int) { return 0.0; }).build();
  CSpctmTrialqv* s1 = one->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 0);
  EXPECT_EQ(s1->getSpctmFreq4FreqIndex(1), 40.0);
  EXPECT_EQ(s1->getSpctmLatencyMs4TimeIndex(1), 25.0);
}

TEST_F(SpctmTrialTest, EmptyGridFailsConversions) {
  CSpctmTrialqv empty;
  double lo = -1, hi = -1;
  EXPECT_EQ(empty.getSpctmFreqRangeHz(lo, hi), 0);
  EXPECT_EQ(std::pair(lo, hi), std::pair(0.0, 0.0));
  EXPECT_EQ(empty.getSpctmFreq4FreqIndex(0), 0.0);
  std::int64_t b = 5, e = 5;
  EXPECT_EQ(empty.getSelectBE4DrawWave(b, e), 0);
  EXPECT_EQ(std::pair(b, e), Ends(0, 0));
}

TEST_F(SpctmTrialTest, SelectionSettersKeepEndsGivenAsMinusOne) {
  const auto time = [&] {
    Ends r{-9, -9};
    st->getTrialSpctmSelectTime(r.first, r.second);
    return r;
  };
  const auto freq = [&] {
    Ends r{-9, -9};
    st->getTrialSpctmSelectFreq(r.first, r.second);
    return r;
  };
  EXPECT_EQ(time(), Ends(0, 2));  // a new grid selects all of it
  st->setTrialSpctmSelectTime(1, 1);
  st->setTrialSpctmSelectTime(-1, 2);  // keeps the begin
  EXPECT_EQ(time(), Ends(1, 2));
  st->setTrialSpctmSelectFreq(1, -1);  // keeps the end
  EXPECT_EQ(freq(), Ends(1, 1));

  // Corners: BB sets both begins, EE both ends, −1 keeps.
  st->setTrialSpctmSelectTimeFreqBB(2, 0);
  st->setTrialSpctmSelectTimeFreqEE(-1, -1);
  Ends bb;
  st->getTrialSpctmSelectTimeFreqBB(bb.first, bb.second);
  EXPECT_EQ(bb, Ends(2, 0));
  st->setTrialSpctmSelectTimeFreqEE(0, -1);
  EXPECT_EQ(time(), Ends(2, 0));  // stored backwards as dragged
  const megdata::SpctmWindow w = st->getSelectWindow();  // ordered
  EXPECT_EQ((std::array{w.timeBegin, w.timeEnd, w.freqBegin, w.freqEnd}), (std::array<std::int64_t, 4>{0, 2, 0, 1}));

  // Other values are clamped into the grid.
  st->setTrialSpctmSelectTime(-7, 99);
  EXPECT_EQ(time(), Ends(0, 2));

  double hz0 = 0, hz1 = 0;
  st->setTrialSpctmSelectFreq(1, 0);
  EXPECT_EQ(st->getTrialSpctmSelectFreqHz(hz0, hz1), 1);
  EXPECT_EQ(std::pair(hz0, hz1), std::pair(10.0, 8.0));

  st->setTrialSpctmSelectTime(1, 2);
  double ms0 = 0, ms1 = 0;
  EXPECT_EQ(ds->getSessionData(-1)->getTrialSpctmSelectTime2LatencyMsec(ms0, ms1, 0, 0), 1);
  EXPECT_EQ(std::pair(ms0, ms1), std::pair(-50.0, 0.0));
}

// The answer and sample range of getSelectBE4DrawWave for 3 time points of 4 samples
// from `first` over a waveform of `samples` samples.
TEST(SpctmTrialWave, DrawRangeCoversTheTimeAxisWithinTheWaveform) {
  const auto range = [](std::int64_t samples, std::int64_t first) {
    auto ds = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(3, 1).timeStep(4).firstSample(first)
                  .waves(samples, [](auto, std::int64_t k) { return static_cast<double>(k); })
                  .spectra(0, [](auto, auto, auto, int) { return 0.0; }).build();
    EXPECT_EQ(ds->getSessionData(-1)->getTrialqv(-1)->getChannel(0)->getDataWave()[7], 7.0);
    std::int64_t b = -1, e = -1;
    const int ok = ds->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 0)->getSelectBE4DrawWave(b, e);
    return std::tuple{ok, b, e};
  };
  using Range = std::tuple<int, std::int64_t, std::int64_t>;
  EXPECT_EQ(range(20, 2), Range(1, 2, 13));  // 2 + 3·4 − 1
  EXPECT_EQ(range(10, 2), Range(1, 2, 9));   // cut to the waveform
  EXPECT_EQ(range(10, 10), Range(0, 0, 0));  // nothing of the axis within the waveform
}

}  // namespace
