// The builder itself: defaults, inheritance between trials and missing pieces on purpose.
#include <gtest/gtest.h>

#include <utility>

#include "tests/support/DatasetBuilder.h"

namespace {

using megdata::DatasetBuilder;

// 1000·channel + 100·kind + 10·t + f, so every value names its bin.
auto byIndex() {
  return [](std::int64_t c, std::int64_t t, std::int64_t f, int k) {
    return static_cast<double>(1000 * c + 100 * k + 10 * t + f);
  };
}

TEST(DatasetBuilder, SpectraFromFunctionsArraysAndDefaults) {
  auto ds = DatasetBuilder()
                .meg(L"A", 0, 0).meg(L"B", 1, 0)
                .grid(3, 2)
                .spectra(1, byIndex())
                .spectrum(1, 1, 2, {9, 9, 9, 9, 9, 9})
                .accumulated(1)
                .build();
  CMEGDataqv* s = ds->getSessionData(-1);
  EXPECT_EQ(s->getSessionName(), L"Session 1");
  CMDTrialqv* t = s->getTrialqv(-1);
  EXPECT_EQ(t->m_strName, L"Trial 1");
  EXPECT_EQ(t->getSpctmTrial(false, 0), nullptr);
  CSpctmTrialqv* st = t->getSpctmTrial(false, 1);
  ASSERT_NE(st, nullptr);
  EXPECT_EQ(st->isAccumSpctm(), 1);
  EXPECT_EQ(st->getSpctmFreq4FreqIndex(0), 1.0);  // default axes: 1 Hz steps from 1 Hz,
  EXPECT_EQ(st->getSpctmLatencyMs4TimeIndex(2), 2.0);  // 1 ms steps from 0 ms

  std::int64_t T = 0, F = 0;
  const double* b1 = t->getChannel(1)->getSpctmChnl(false, 1)->getSpctmDataPtr(1, &T, &F);
  ASSERT_NE(b1, nullptr);
  EXPECT_EQ(std::pair(T, F), (std::pair<std::int64_t, std::int64_t>(3, 2)));
  EXPECT_EQ(b1[2 * 2 + 1], 1121.0);  // channel 1, kind 1, t 2, f 1
  EXPECT_EQ(t->getChannel(1)->getSpctmChnl(false, 1)->getSpctmDataPtr(2)[0], 9.0);
  EXPECT_EQ(t->getChannel(0)->getSpctmChnl(false, 1)->getSpctmDataPtr(3, &T, &F), nullptr);
  EXPECT_EQ(T, 0);

  // build() can be called again and gives an equal, separate dataset.
  DatasetBuilder b;
  b.meg(L"A", 0, 0).grid(1, 1).spectra(0, byIndex());
  auto one = b.build(), two = b.build();
  EXPECT_NE(one->getSessionData(-1), two->getSessionData(-1));
  EXPECT_EQ(two->getSessionData(-1)->getTrialqv(-1)->getChannel(0)->getSpctmChnl(false, 0)->getSpctmDataPtr(2)[0],
            200.0);
}

TEST(DatasetBuilder, TrialsInheritGridAndAxesButNotSpectra) {
  auto ds = DatasetBuilder()
                .meg(L"A", 0, 0)
                .trial(L"T1").grid(2, 4).timeStep(5).latencies({-10, 10}).frequencies(4, 4).spectra(0, byIndex())
                .trial(L"T2").spectra(2, byIndex())
                .trial(L"T3")
                .build();
  CMEGDataqv* s = ds->getSessionData(-1);
  EXPECT_EQ(s->getTotalTrial(), 3);
  EXPECT_EQ(s->getCurrentTrialPt()->m_strName, L"T1");
  CSpctmTrialqv* st2 = s->getTrialqv(1)->getSpctmTrial(false, 2);
  ASSERT_NE(st2, nullptr);
  EXPECT_EQ(st2->getTrialSpctmFreqPt(), 4);
  EXPECT_EQ(st2->getTrialSpctmTimeStep(), 5);
  EXPECT_EQ(st2->getSpctmLatencyMs4TimeIndex(2), 30.0);
  EXPECT_EQ(st2->getSpctmFreq4FreqIndex(3), 16.0);
  EXPECT_EQ(s->getTrialqv(1)->getSpctmTrial(false, 0), nullptr);
  EXPECT_EQ(s->getTrialqv(2)->getSpctmTrial(false, 2), nullptr);
  // Each trial owns its own channel objects.
  EXPECT_NE(s->getTrialqv(0)->getChannel(0), s->getTrialqv(1)->getChannel(0));
}

TEST(DatasetBuilder, MissingPiecesOnPurpose) {
  auto ds = DatasetBuilder()
                .meg(L"A", 0, 0).noSpectrum(0).noWave()
                .meg(L"B", 1, 0).noSpectrum(0, 1)
                .grid(2, 2).spectra(0, byIndex()).spectra(1, byIndex())
                .waves(8, [](std::int64_t c, std::int64_t k) { return static_cast<double>(c + k); })
                .wave(1, {1, 2, 3, 4, 5, 6, 7, 8})
                .noSummary(1)
                .currentChannel(-1)
                .build();
  CMDTrialqv* t = ds->getSessionData(-1)->getTrialqv(-1);
  EXPECT_EQ(t->getChannel(-1), nullptr);
  EXPECT_EQ(t->getChannel(0)->getSpctmChnl(false, 0), nullptr);
  EXPECT_NE(t->getChannel(0)->getSpctmChnl(false, 1), nullptr);
  EXPECT_EQ(t->getChannel(1)->getSpctmChnl(false, 0)->getSpctmDataPtr(1), nullptr);
  EXPECT_NE(t->getChannel(1)->getSpctmChnl(false, 0)->getSpctmDataPtr(2), nullptr);
  EXPECT_EQ(t->getChannel(0)->getDataWave(), nullptr);
  EXPECT_EQ(t->getChannel(1)->getDataWave()[7], 8.0);
  EXPECT_EQ(t->getSpctmTrial(false, 1)->getSumChnlSpctmData(0), nullptr);
  EXPECT_NE(t->getSpctmTrial(false, 0)->getSumChnlSpctmData(0), nullptr);
  EXPECT_EQ(t->getSpctmTrial(false, 0)->getSumChnlSpctmData(0)->getChannelCount(), 1);

  auto busy = DatasetBuilder().processing().projectionParams(3, 4).trial(L"T").currentTrial(-1).build();
  CMEGDataqv* s = busy->getSessionData(-1);
  EXPECT_TRUE(s->m_bProcessing);
  EXPECT_EQ(s->m_dProj2DScale, 3.0);
  EXPECT_EQ(s->m_dProj2DDepth, 4.0);
  EXPECT_EQ(s->getCurrentTrialPt(), nullptr);
}

}  // namespace
