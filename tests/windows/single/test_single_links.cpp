// The single-channel window's links to the other windows: the display-parameter dialogs
// it registers its canvas with, opens and repaints through, the one measurement dialog of
// the library, and the contour-map command.
#include "tests/windows/single/SingleWindowTest.h"

namespace single {
namespace {

class SingleWindowLinks : public SingleWindowTest {
 protected:
  void SetUp() override {
    SingleWindowTest::SetUp();
    ASSERT_TRUE(meg.Create(CDlgMegSpctmShowStdSet::IDD));
    ASSERT_TRUE(eeg.Create(CDlgEegSpctmShowStdSet::IDD));
    dataset = smallDataset();
    open(dataset.get(), 2);
    dlg.m_pDlgMegSetStd = &meg;
    dlg.m_pDlgEegSetStd = &eeg;
  }
  static bool registered(const CDlgSpctmShowStdSet& set, CWnd* wnd) {
    return std::count(set.m_pShowWnds.begin(), set.m_pShowWnds.end(), wnd) == 1;
  }

  CDlgMegSpctmShowStdSet meg;
  CDlgEegSpctmShowStdSet eeg;
};

TEST_F(SingleWindowLinks, RefreshRegistersTheCanvasOnceUntilTheSlotsAreFull) {
  user().clickControl(dlg, IDC_SPCTM1C_REFRESH);
  user().clickControl(dlg, IDC_SPCTM1C_REFRESH);
  EXPECT_TRUE(registered(meg, &dlg.m_wndSpctm));
  EXPECT_TRUE(registered(eeg, &dlg.m_wndSpctm));
  EXPECT_TRUE(script().messageBoxes.empty());
  // Twelve other windows fill the EEG dialog's slots: the canvas is not taken there.
  eeg.m_pShowWnds.fill(&meg);
  user().clickControl(dlg, IDC_SPCTM1C_REFRESH);
  ASSERT_EQ(script().messageBoxes.size(), 1u);
  EXPECT_EQ(script().messageBoxes[0].text, L"Spectral settings control maximum 12 windows!");
  EXPECT_FALSE(registered(eeg, &dlg.m_wndSpctm));
}

TEST_F(SingleWindowLinks, ResetRepaintsTheCanvasOnlyThroughTheRegistries) {
  place(2, 100, 300);
  const Picture fromStart = canvasPicture();
  const auto scrolledThenReset = [this] {
    draw().m_nFirstTime = 7;
    dlg.m_wndSpctm.Invalidate(FALSE);
    app.pumpUntilIdle();
    user().clickControl(dlg, IDC_SPCTM1C_RESET);
    return canvasPicture();
  };
  // Not registered: the first points are back at 0, the picture still shows time 7 on.
  EXPECT_FALSE(changedBox(fromStart, scrolledThenReset()).IsRectEmpty());
  EXPECT_EQ(draw().m_nFirstTime, 0);
  meg.addShowWnd(&dlg.m_wndSpctm);
  EXPECT_TRUE(changedBox(fromStart, scrolledThenReset()).IsRectEmpty());
}

TEST_F(SingleWindowLinks, SettingOpensBothDialogsOnThisWindowsData) {
  dlg.setDataKind(1);
  user().clickControl(dlg, IDC_SPCTM1C_SETTING);
  for (CDlgSpctmShowStdSet* set : {static_cast<CDlgSpctmShowStdSet*>(&meg), static_cast<CDlgSpctmShowStdSet*>(&eeg)}) {
    EXPECT_TRUE(set->IsWindowVisible());
    EXPECT_EQ(set->m_pSpctmDraw, &draw());
    EXPECT_EQ(set->m_pDataSet, dataset.get());
    EXPECT_EQ(set->m_nSpctmClass, 2);
    EXPECT_EQ(set->m_nDataKind, 1);
    EXPECT_TRUE(registered(*set, &dlg.m_wndSpctm));
    EXPECT_EQ(set->m_dTrialMax, 1.10);  // refreshed from the Results of the trial
  }
  EXPECT_EQ(CWnd::GetForegroundWindow(), &eeg);
}

TEST_F(SingleWindowLinks, LinkContourMapStartsTheDrawWindowBeforeTheSelection) {
  dlg.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SPCTM1C_LINK_CONTOUR_MAP, 0), 0);
  EXPECT_EQ(draw().m_nWinTimeBegin, 5 - 10);
  EXPECT_EQ(draw().m_nWinFreqBegin, 2 - 10);
}

TEST_F(SingleWindowLinks, MeasureButtonsShareTheLibrarysOneMeasurementDialog) {
  dlg.setDataKind(1);
  dlg.m_wndSpctm.Invalidate(FALSE);  // drawn with the kind: the draw state's last class and kind
  app.pumpUntilIdle();
  user().clickControl(dlg, IDC_SPCTM1C_AM);
  CDlgSpctrMeasurements* measurements = CDlgSpctrMeasurements::getSpctrMeasurementsDlg(false);
  ASSERT_NE(measurements, nullptr);
  EXPECT_TRUE(measurements->IsWindowVisible());
  EXPECT_EQ(CWnd::GetForegroundWindow(), measurements);
  EXPECT_EQ(measurements->m_pSpctmWnd, &dlg.m_wndSpctm);
  EXPECT_EQ(measurements->m_measure.m_pTrial, dataset->getSessionData(-1)->getTrialqv(-1));
  EXPECT_EQ(measurements->m_measure.m_nSpctmClass, 2);
  EXPECT_EQ(measurements->m_measure.m_nDataKind, 1);
  for (UINT button : {IDC_SPCTM1C_SM, IDC_SPCTM1C_ALL_SPCTM, IDC_SPCTM1C_ALL_SNS, IDC_SPCTM1C_ALL_SNS}) {
    SCOPED_TRACE(button);
    const int before = measurements->m_strText.GetLength();
    user().clickControl(dlg, static_cast<int>(button));
    EXPECT_EQ(CDlgSpctrMeasurements::getSpctrMeasurementsDlg(false), measurements);
    EXPECT_GT(measurements->m_strText.GetLength(), before);
  }
  // Closing the window hides it and forgets its canvas and binding there.
  dlg.SendMessage(WM_CLOSE);
  EXPECT_FALSE(dlg.IsWindowVisible());
  EXPECT_EQ(measurements->m_pSpctmWnd, nullptr);
  EXPECT_EQ(measurements->m_measure.m_pTrial, nullptr);
}

}  // namespace
}  // namespace single
