// The engine's drawing objects and its binding to the host's current session and trial.
// The initial settings are pinned by the fresh settings record (test_settings_archive.cpp)
// and the standard range 0 .. 1 by the colour rules.
#include "tests/draw/DrawCanvas.h"

using megdata::DatasetBuilder;

TEST(DrawState, PensFontAndColourTablesComeWithTheEngine) {
  CMEGSpctmDrawqv d;
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
  EXPECT_EQ(d.positiveTable(d.m_nColorDepth), d.m_pPositiveColor768);
}

TEST(DrawState, BindingFollowsTheCurrentSessionAndTrialAndFailsWithoutThem) {
  auto ds = DatasetBuilder().meg(L"MLC11", 0, 0).grid(4, 3).trial(L"A").trial(L"B").build();
  CMEGSpctmDrawqv d;
  EXPECT_EQ(d.updateMEGData(), 0);  // nothing bound yet
  ASSERT_EQ(d.setDrawMEGData(ds.get()), 1);
  EXPECT_EQ(d.m_pSession, ds->getSessionData(-1));
  CMDTrialqv* const trial = d.m_pSession->getTrialqv(-1);
  EXPECT_EQ(d.m_pTrial, trial);
  // A null dataset keeps the cached session and re-fetches its trial.
  EXPECT_EQ(d.setDrawMEGData(nullptr), 1);
  EXPECT_EQ(d.m_pDataSet, nullptr);
  EXPECT_EQ(d.m_pTrial, trial);
  // No current session: result 0, the trial is left as it was.
  auto noSession = DatasetBuilder().meg(L"A", 0, 0).grid(2, 2).currentSession(-1).build();
  EXPECT_EQ(d.setDrawMEGData(noSession.get()), 0);
  EXPECT_EQ(d.m_pSession, nullptr);
  EXPECT_EQ(d.m_pTrial, trial);
  // A session without a current trial: result 0, trial cleared.
  auto noTrial = DatasetBuilder().meg(L"A", 0, 0).grid(2, 2).currentTrial(-1).build();
  EXPECT_EQ(d.setDrawMEGData(noTrial.get()), 0);
  EXPECT_NE(d.m_pSession, nullptr);
  EXPECT_EQ(d.m_pTrial, nullptr);
}
