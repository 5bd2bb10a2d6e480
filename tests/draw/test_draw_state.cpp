// The engine's binding to the host's current session and trial. The initial settings are
// pinned by the fresh settings record (test_settings_archive.cpp) and the standard range
// 0 .. 1 by the colour rules.
#include "tests/draw/DrawCanvas.h"

using megdata::DatasetBuilder;

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
