#include "draw/CMEGSpctmDrawqv.h"

#include <gtest/gtest.h>

#include "host/data/DatasetBuilder.h"

namespace {

std::unique_ptr<CArrayMEDataSetqv> twoTrialDataset() {
  return megdata::DatasetBuilder().meg(L"MLC11", 0, 0).grid(4, 3).trial(L"A").trial(L"B").build();
}

}  // namespace

TEST(DrawState, FreshEngineHoldsTheInitialSettings) {
  CMEGSpctmDrawqv d;
  EXPECT_EQ(d.m_dColorMin, -1.0);
  EXPECT_EQ(d.m_dColorMax, 1.0);
  EXPECT_EQ(d.m_dOuterMin, -2.0);
  EXPECT_EQ(d.m_dOuterMax, 2.0);
  EXPECT_EQ(d.m_dStdMin, 0.0);
  EXPECT_EQ(d.m_dStdMax, 1.0);
  EXPECT_EQ(d.m_dZoom, 1.0);
  EXPECT_EQ(d.m_nViewMode, 0);
  EXPECT_EQ(d.m_nColorDepth, 765u);
  EXPECT_EQ(d.m_nColumns, 3);
  EXPECT_TRUE(d.m_bRecentre);
  EXPECT_FALSE(d.m_bShowSelectInfo);
  // Pens and font are real drawing objects with the documented colours.
  EXPECT_EQ(d.m_penSelect.color(), 0x2C7DFFu);
  EXPECT_EQ(d.m_penGridMinor.style(), PS_DOT);
  EXPECT_EQ(d.m_penGridMinor.color(), 0xF87450u);
  EXPECT_EQ(d.m_penGridMajor.color(), 0xF87428u);
  EXPECT_EQ(d.m_penScale.color(), 0x1414FFu);
  ASSERT_NE(d.m_pFont, nullptr);
  LOGFONT lf;
  ASSERT_NE(d.m_pFont->GetLogFont(&lf), 0);
  EXPECT_EQ(lf.lfHeight, 12);
  EXPECT_STREQ(lf.lfFaceName, L"Arial");
  // The colour tables come with the engine.
  EXPECT_EQ(d.positiveTable(d.m_nColorDepth), d.m_pPositiveColor768);
}

TEST(DrawState, BindingFollowsTheHostsCurrentSessionAndTrial) {
  auto ds = twoTrialDataset();
  CMEGSpctmDrawqv d;
  ASSERT_EQ(d.setDrawMEGData(ds.get()), 1);
  EXPECT_EQ(d.m_pSession, ds->getSessionData(-1));
  EXPECT_EQ(d.m_pTrial, d.m_pSession->getTrialqv(-1));

  // A null dataset keeps the cached session and re-fetches its trial.
  CMDTrialqv* before = d.m_pTrial;
  EXPECT_EQ(d.setDrawMEGData(nullptr), 1);
  EXPECT_EQ(d.m_pDataSet, nullptr);
  EXPECT_NE(d.m_pSession, nullptr);
  EXPECT_EQ(d.m_pTrial, before);
}

TEST(DrawState, MissingSessionOrTrialFailsTheBinding) {
  auto good = twoTrialDataset();
  auto noSession = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(2, 2).currentSession(-1).build();
  auto noTrial = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(2, 2).currentTrial(-1).build();

  CMEGSpctmDrawqv d;
  ASSERT_EQ(d.setDrawMEGData(good.get()), 1);
  CMDTrialqv* trial = d.m_pTrial;
  // No current session: result 0, the trial is left as it was.
  EXPECT_EQ(d.setDrawMEGData(noSession.get()), 0);
  EXPECT_EQ(d.m_pSession, nullptr);
  EXPECT_EQ(d.m_pTrial, trial);
  // A session without a current trial: result 0, trial cleared.
  EXPECT_EQ(d.setDrawMEGData(noTrial.get()), 0);
  EXPECT_NE(d.m_pSession, nullptr);
  EXPECT_EQ(d.m_pTrial, nullptr);
  // Without anything bound there is nothing to draw.
  CMEGSpctmDrawqv fresh;
  EXPECT_EQ(fresh.updateMEGData(), 0);
}
