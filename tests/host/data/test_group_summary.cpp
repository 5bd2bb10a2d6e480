// Group summaries computed by the host: three channels on a 2 × 2 grid with hand-computed
// minimum, mean, maximum, averaged positive, averaged negative and signed RMS per bin.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/DatasetBuilder.h"

namespace {

using megdata::DatasetBuilder;

// Bins in time-major order: (t0,f0), (t0,f1), (t1,f0), (t1,f1).
DatasetBuilder threeChannels() {
  DatasetBuilder b;
  b.meg(L"A", 0, 0).meg(L"B", 1, 0).meg(L"C", 2, 0).meg(L"D", 3, 0).noSpectrum().grid(2, 2)
      .spectrum(0, 0, 0, {1, -2, 3, 4})
      .spectrum(0, 1, 0, {-1, 2, 5, -4})
      .spectrum(0, 2, 0, {0, 6, -3, -3});
  return b;
}

void expectArray(const double* a, const std::vector<double>& want) {
  ASSERT_NE(a, nullptr);
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(a[i], want[i], 1e-12) << "bin " << i;
}

TEST(GroupSummary, SixArraysOverTheChannelsWithSpectra) {
  auto ds = threeChannels().build();
  CSpctmTrialqv* st = ds->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 0);
  const CSumChnlSpctmDataqv* sum = st->getSumChnlSpctmData(0);
  ASSERT_NE(sum, nullptr);
  EXPECT_EQ(sum->getTimePt(), 2);
  EXPECT_EQ(sum->getFreqPt(), 2);
  EXPECT_EQ(sum->getChannelCount(), 3);  // D has no spectrum
  expectArray(sum->getMin(), {-1, -2, -3, -4});
  expectArray(sum->getMean(), {0, 2, 5.0 / 3, -1});
  expectArray(sum->getMax(), {1, 6, 5, 4});
  expectArray(sum->getAvgPositive(), {1, 4, 4, 4});
  expectArray(sum->getAvgNegative(), {-1, -2, -3, -3.5});
  // RMS carries the sign of the mean; a zero mean counts as positive.
  expectArray(sum->getRmsSign(), {std::sqrt(2.0 / 3), std::sqrt(44.0 / 3), std::sqrt(43.0 / 3), -std::sqrt(41.0 / 3)});

  // Data sources 1..6 in the display's order.
  EXPECT_EQ(sum->getArray4DataSource(1), sum->getMean());
  EXPECT_EQ(sum->getArray4DataSource(2), sum->getMin());
  EXPECT_EQ(sum->getArray4DataSource(3), sum->getMax());
  EXPECT_EQ(sum->getArray4DataSource(6), sum->getRmsSign());
  EXPECT_EQ(sum->getArray4DataSource(0), nullptr);
  EXPECT_EQ(sum->getArray4DataSource(7), nullptr);

  // Kinds without any array have no summary.
  EXPECT_EQ(st->getSumChnlSpctmData(1), nullptr);
  EXPECT_EQ(st->getSumChnlSpctmData(3), nullptr);
}

TEST(GroupSummary, MissingOnPurposeAndRecomputedOnRequest) {
  auto ds = threeChannels().noSummary(0, 0).build();
  CMEGDataqv* s = ds->getSessionData(-1);
  CMDTrialqv* trial = s->getTrialqv(-1);
  EXPECT_EQ(trial->getSpctmTrial(false, 0)->getSumChnlSpctmData(0), nullptr);

  // The window view asks the session to compute it: the same numbers appear.
  CSumChnlSpctmDataqv* sum = s->computTrialSpctm(nullptr, false, false, false, false, 0, 0);
  ASSERT_NE(sum, nullptr);
  EXPECT_EQ(sum, trial->getSpctmTrial(false, 0)->getSumChnlSpctmData(0));
  expectArray(sum->getMean(), {0, 2, 5.0 / 3, -1});

  // Changed spectra show up after recomputation; a channel of another size is left out.
  trial->getChannel(0)->getSpctmChnl(false, 0)->setSpctmData(0, 2, 2, {10, 10, 10, 10});
  trial->getChannel(3)->getSpctmChnl(true, 0)->setSpctmData(0, 2, 1, {99, 99});
  sum = s->computTrialSpctm(trial, false, false, false, false, 0, 0);
  expectArray(sum->getMax(), {10, 10, 10, 10});
  EXPECT_EQ(sum->getChannelCount(), 3);

  // reloadSpctmDataAll drops the summaries; computTrialSpctmAllPro brings them back.
  EXPECT_EQ(trial->reloadSpctmDataAll(), 1);
  EXPECT_EQ(trial->getSpctmTrial(false, 0)->getSumChnlSpctmData(0), nullptr);
  EXPECT_EQ(s->computTrialSpctmAllPro(nullptr, true), 1);
  EXPECT_NE(trial->getSpctmTrial(false, 0)->getSumChnlSpctmData(0), nullptr);

  // No spectral trial of the class, bad class or kind: null.
  EXPECT_EQ(s->computTrialSpctm(nullptr, false, false, false, false, 1, 0), nullptr);
  EXPECT_EQ(s->computTrialSpctm(nullptr, false, true, true, false, 5, 0), nullptr);
  EXPECT_EQ(s->computTrialSpctm(nullptr, false, false, false, false, 0, -1), nullptr);
}

TEST(GroupSummary, AllChannelsWithoutKindLeaveNoSummary) {
  auto ds = DatasetBuilder().meg(L"A", 0, 0).noSpectrum(0, 2).grid(1, 1)
                .spectra(0, [](auto, auto, auto, int k) { return k; }).build();
  CSpctmTrialqv* st = ds->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 0);
  EXPECT_NE(st->getSumChnlSpctmData(1), nullptr);
  EXPECT_EQ(st->getSumChnlSpctmData(2), nullptr);
  EXPECT_EQ(CSumChnlSpctmDataqv::compute(0, 2, {}), nullptr);
}

}  // namespace
