// Sessions and dataset arrays: current objects, channel flags for all trials, visible
// channel counts, display names and gains, and the computation seam.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "tests/support/DatasetBuilder.h"

namespace {

using megdata::DatasetBuilder;

auto constant(double v) {
  return [v](std::int64_t, std::int64_t, std::int64_t, int) { return v; };
}

TEST(Session, CurrentSessionTrialAndChannel) {
  auto ds = DatasetBuilder()
                .session(L"S1").meg(L"A", 0, 0).trial(L"T1").trial(L"T2").currentTrial(1)
                .session(L"S2").currentSession(1)
                .build();
  EXPECT_EQ(ds->getTotalSession(), 2);
  CMEGDataqv* s2 = ds->getSessionData(-1);
  ASSERT_NE(s2, nullptr);
  EXPECT_EQ(s2->getSessionName(), L"S2");
  EXPECT_EQ(s2->getTrialqv(-1), nullptr);  // a session without trials
  EXPECT_EQ(s2->hasData2Draw(), 0);
  CMEGDataqv* s1 = ds->getSessionData(0);
  EXPECT_EQ(s1->getCurrentTrialPt()->m_strName, L"T2");
  EXPECT_EQ(s1->getTrialqv(0)->m_strName, L"T1");
  EXPECT_EQ(s1->getTrialqv(2), nullptr);
  EXPECT_EQ(s1->getTrialqv(-2), nullptr);
  EXPECT_EQ(ds->getSessionData(2), nullptr);

  ASSERT_EQ(ds->setCurrentSession(-1), 1);
  EXPECT_EQ(ds->getSessionData(-1), nullptr);
  EXPECT_EQ(ds->setCurrentSession(5), 0);
  EXPECT_EQ(DatasetBuilder().build()->getSessionData(-1), nullptr);

  CMDTrialqv* t = s1->getCurrentTrialPt();
  EXPECT_EQ(t->getCurntChnlIndx(), 0);
  EXPECT_EQ(t->getChannelName(-1), L"A");
  t->m_nCrntChnlIndx = 7;  // as a window might write it
  EXPECT_EQ(t->getChannel(-1), nullptr);
  EXPECT_EQ(t->getChannelName(-1), L"");
  EXPECT_EQ(t->setCurrentChannel(1), 0);
}

TEST(Session, ChannelFlagsHoldForAllTrials) {
  auto ds = DatasetBuilder().meg(L"A", 0, 0).meg(L"B", 1, 0).bad().meg(L"C", 2, 0).hidden().selected()
                .trial(L"T1").trial(L"T2").build();
  CMEGDataqv* s = ds->getSessionData(-1);
  EXPECT_EQ(s->isGoodChnl4Alltrials(0), 1);
  EXPECT_EQ(s->isGoodChnl4Alltrials(1), 0);
  EXPECT_EQ(s->isShowChnl4Alltrials(2), 0);
  EXPECT_EQ(s->isSelectChnl4Alltrials(2), 1);
  EXPECT_EQ(s->isSelectChnl4Alltrials(0), 0);

  // −1 is the current trial's current channel, whichever trial is current.
  s->getTrialqv(1)->setCurrentChannel(1);
  ASSERT_EQ(s->setCurrentTrial(1), 1);
  EXPECT_EQ(s->setGoodChnl4Alltrials(-1, 1), 1);
  EXPECT_EQ(s->isGoodChnl4Alltrials(1), 1);
  EXPECT_EQ(s->setShowChnl4Alltrials(2, 5), 1);  // any non-zero value sets
  EXPECT_EQ(s->isShowChnl4Alltrials(2), 1);

  EXPECT_EQ(s->setSelectChnl4Alltrials(0, 1, 1), 1);  // all channels
  for (int i = 0; i < 3; ++i) EXPECT_EQ(s->isSelectChnl4Alltrials(i), 1);
  EXPECT_EQ(s->setSelectChnl4Alltrials(99, 0, 1), 1);  // the index is ignored with all
  EXPECT_EQ(s->isSelectChnl4Alltrials(2), 0);

  // Outside the channels: 0, nothing stored.
  EXPECT_EQ(s->isShowChnl4Alltrials(3), 0);
  EXPECT_EQ(s->setShowChnl4Alltrials(3, 1), 0);
  EXPECT_EQ(s->setGoodChnl4Alltrials(-5, 1), 0);
  s->getCurrentTrialPt()->m_nCrntChnlIndx = -1;
  EXPECT_EQ(s->isGoodChnl4Alltrials(-1), 0);
}

TEST(Session, VisibleChannelsNamesAndSpectra) {
  auto ds = DatasetBuilder()
                .meg(L"A", 0, 0)
                .meg(L"B", 1, 0).hidden()
                .meg(L"", 2, 0)
                .nullChannel()
                .eeg(L"Cz", 0, 0).noSpectrum()
                .eeg(L"Pz", 1, 1)
                .grid(2, 2).spectra(0, constant(3.0))
                .build();
  CMEGDataqv* s = ds->getSessionData(-1);
  EXPECT_EQ(s->getTotalChnl_Visible(false), 4);  // A, the unnamed one, Cz, Pz
  EXPECT_EQ(s->getTotalChnl_Visible(true), 3);   // the unnamed one has no name to show
  s->setShowChnl4Alltrials(0, 0);
  EXPECT_EQ(s->getTotalChnl_Visible(true), 2);
  s->setShowChnl4Alltrials(0, 1);

  std::int64_t T = -1, F = -1;
  const double* a = s->getChnlSpctmData(0, true, 0, 2, T, F);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(std::tuple(T, F, a[3]), std::tuple(std::int64_t{2}, std::int64_t{2}, 3.0));
  EXPECT_EQ(s->getChnlSpctmData(1, true, 0, 0, T, F), nullptr);  // hidden
  EXPECT_EQ(T, 0);
  EXPECT_NE(s->getChnlSpctmData(1, false, 0, 0, T, F), nullptr);
  EXPECT_EQ(s->getChnlSpctmData(3, false, 0, 0, T, F), nullptr);  // null entry
  EXPECT_EQ(s->getChnlSpctmData(4, false, 0, 0, T, F), nullptr);  // no spectrum

  CMDTrialqv* t = s->getTrialqv(-1);
  EXPECT_EQ(t->getTotalChannel(), 6);
  EXPECT_EQ(t->getAllChannelPt()[3], nullptr);
  EXPECT_EQ(t->getAllChannelPt()[4]->isEEGMeasureChannel(), 1);

  for (const auto& [index, physical, name] : {std::tuple{0, true, L"A"}, {3, true, L""}, {1, false, L"Group Mean"},
                                             {6, false, L"RMS-sign"}, {0, false, L""}})
    EXPECT_EQ(s->getChnlName_PhycVirt(index, physical), name) << index << physical;

  std::int64_t nMeg = -1, nEeg = -1;
  EXPECT_EQ(s->getSpctmChnlMegEeg(nMeg, nEeg), 1);
  EXPECT_EQ(std::pair(nMeg, nEeg), (std::pair<std::int64_t, std::int64_t>(3, 1)));  // Cz has no spectrum
  EXPECT_EQ(s->hasData2Draw(), 1);
}

TEST(Session, WaveGainPerChannel) {
  auto ds = DatasetBuilder().meg(L"A", 0, 0).meg(L"B", 1, 0).gain(0.5).trial(L"T").build();
  CMEGDataqv* s = ds->getSessionData(-1);
  EXPECT_EQ(s->getShowZoomChnl(-1), 1.0);
  EXPECT_EQ(s->getShowZoomChnl(1), 0.5);
  EXPECT_EQ(s->setShowZoomChnl(-1, s->getShowZoomChnl(-1) * 2), 1);
  EXPECT_EQ(s->getShowZoomChnl(0), 2.0);
  for (const auto& [chnl, gain] : {std::pair{0, 0.0}, {0, -1.0}, {2, 1.0}}) EXPECT_EQ(s->setShowZoomChnl(chnl, gain), 0);
  EXPECT_EQ(s->getShowZoomChnl(0), 2.0);
  EXPECT_EQ(s->getShowZoomChnl(2), 0.0);
}

// Replaces channel 0's real part by 7 and records whether the session said it was busy.
class FakeComputation : public megdata::SpctmComputation {
 public:
  explicit FakeComputation(bool ok) : m_ok(ok) {}
  bool computeTrialSpectra(CMDTrialqv& trial) override {
    ++calls;
    sawProcessing = trial.getSession()->m_bProcessing;
    trial.getChannel(0)->getSpctmChnl(false, 0)->setSpctmData(0, 1, 1, {7.0});
    return m_ok;
  }
  int calls = 0;
  bool sawProcessing = false;

 private:
  bool m_ok;
};

TEST(Session, ComputationSeamRebuildsSpectraThenSummaries) {
  auto ds = DatasetBuilder().meg(L"A", 0, 0).grid(1, 1).spectra(0, constant(1.0)).trial(L"T2")
                .spectra(0, constant(1.0)).build();
  CMEGDataqv* s = ds->getSessionData(-1);
  auto fake = std::make_shared<FakeComputation>(true);
  s->setSpctmComputation(fake);

  // Without recompute the computation is not called.
  EXPECT_EQ(s->computTrialSpctmAllPro(nullptr, false), 1);
  EXPECT_EQ(fake->calls, 0);

  EXPECT_EQ(s->computTrialSpctmAllPro(nullptr, true), 1);
  EXPECT_EQ(fake->calls, 2);  // every trial
  EXPECT_TRUE(fake->sawProcessing);
  EXPECT_FALSE(s->m_bProcessing);
  EXPECT_EQ(s->getTrialqv(1)->getSpctmTrial(false, 0)->getSumChnlSpctmData(0)->getMean()[0], 7.0);

  // computTrialSpctm raises the flag only when asked.
  CSumChnlSpctmDataqv* sum = s->computTrialSpctm(s->getTrialqv(0), true, false, false, false, 0, 0);
  ASSERT_NE(sum, nullptr);
  EXPECT_FALSE(fake->sawProcessing);
  EXPECT_EQ(sum->getMax()[0], 7.0);

  // A failing computation fails the request and still leaves the flag down.
  s->setSpctmComputation(std::make_shared<FakeComputation>(false));
  EXPECT_EQ(s->computTrialSpctmAllPro(s->getTrialqv(0), true), 0);
  EXPECT_EQ(s->computTrialSpctm(nullptr, true, false, false, true, 0, 0), nullptr);
  EXPECT_FALSE(s->m_bProcessing);
  EXPECT_EQ(DatasetBuilder().session(L"empty").build()->getSessionData(-1)->computTrialSpctmAllPro(nullptr, true), 0);
}

}  // namespace
