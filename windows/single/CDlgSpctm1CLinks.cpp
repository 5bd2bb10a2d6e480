// The single-channel window's links to the other windows: the display-parameter dialogs
// (register the canvas, open them, repaint their windows), the shared measurement dialog
// and the facade's map selection.
#include "windows/single/CDlgSpctm1C.h"

#include "platform/ui/CommonDialogs.h"

std::vector<CDlgSpctmShowStdSet*> CDlgSpctm1C::showStdSetDlgs() const {
  std::vector<CDlgSpctmShowStdSet*> dialogs;
  if (m_pDlgMegSetStd) dialogs.push_back(m_pDlgMegSetStd);
  if (m_pDlgEegSetStd) dialogs.push_back(m_pDlgEegSetStd);
  return dialogs;
}

void CDlgSpctm1C::OnRefresh() {
  for (CDlgSpctmShowStdSet* dialog : showStdSetDlgs()) dialog->addShowWnd(&m_wndSpctm);
  m_wndSpctm.Invalidate(TRUE);
}

// The canvas is repainted only through the dialogs' registries, so only when registered.
void CDlgSpctm1C::OnReset() {
  if (!m_pDraw) return;
  m_pDraw->m_nFirstTime = 0;
  m_pDraw->m_nFirstFreq = 0;
  for (CDlgSpctmShowStdSet* dialog : showStdSetDlgs()) dialog->invalidateShowWnds();
}

void CDlgSpctm1C::OnSetting() {
  for (CDlgSpctmShowStdSet* dialog : showStdSetDlgs()) {
    dialog->addShowWnd(&m_wndSpctm);
    dialog->m_pSpctmDraw = m_pDraw;
    dialog->m_pDataSet = m_pDataSet;
    dialog->m_nSpctmClass = m_nSpctmClass;
    dialog->m_nDataKind = m_nDataKind;
    dialog->ShowWindow(SW_SHOW);
    dialog->updateShowStdSet();
    dialog->SetForegroundWindow();
  }
}

void CDlgSpctm1C::OnLinkMapSelect() {
  CWaitCursor wait;
  UpdateData(TRUE);
  if (m_pFace && m_bLinkMapSelect) m_pFace->sendMessageX(SPCTM_MSG_MAP_SELECT, m_nSpctmClass, m_nDataKind);
}

// The topographic windows' draw window starts 10 points before the selection's begin
// corner, in time and in frequency.
void CDlgSpctm1C::OnLinkContourMap() {
  updateMEGData();
  if (!m_pDraw || !m_pSession || !m_pTrial) return;
  CMDTrialqv* trial = m_pSession->getCurrentTrialPt();
  CSpctmTrialqv* spctm = trial ? trial->getSpctmTrial(false, m_nSpctmClass) : nullptr;
  if (!spctm) return;
  std::int64_t time = 0, freq = 0;
  spctm->getTrialSpctmSelectTimeFreqBB(time, freq);
  m_pDraw->m_nWinTimeBegin = time - 10;
  m_pDraw->m_nWinFreqBegin = freq - 10;
  for (CDlgSpctmShowStdSet* dialog : showStdSetDlgs()) dialog->invalidateShowWnds();
}

void CDlgSpctm1C::measureSpctm(MeasureOperation operation) {
  CDlgSpctrMeasurements* dialog = CDlgSpctrMeasurements::getSpctrMeasurementsDlg(true);
  if (!dialog) {
    AfxMessageBox(L"Initialize measurement dialog error!");
    return;
  }
  dialog->ShowWindow(SW_SHOW);
  dialog->SetForegroundWindow();
  dialog->SetFocus();
  if (!m_pDraw) return;
  dialog->setSpctmWnd(&m_wndSpctm, m_pDraw);
  const CString session(m_pDraw->m_pSession ? m_pDraw->m_pSession->getSessionName().c_str() : L"");
  (dialog->*operation)(m_pDraw->m_pDataSet, m_pDraw->m_pSession, m_pDraw->m_pTrial, m_pDraw->m_nDataSource,
                       m_pDraw->m_nLastSpctmClass, m_pDraw->m_nLastDataKind, session);
}

void CDlgSpctm1C::detachMeasurements() {
  if (CDlgSpctrMeasurements* dialog = CDlgSpctrMeasurements::getSpctrMeasurementsDlg(false))
    dialog->detachSpctmWnd(&m_wndSpctm);
}

void CDlgSpctm1C::OnClose() {
  detachMeasurements();
  CDialog::OnClose();
}
