// The single-channel window's tool row: overlay checks, zoom, autofit, recomputation, the
// class, kind, statistic and channel lists and the three up-down controls. Almost every
// action writes a draw-state field and repaints the canvas; those
// that read or write the draw state do nothing without a draw engine.
#include "windows/single/CDlgSpctm1C.h"

#include <algorithm>

void CDlgSpctm1C::OnSelectCheck() {
  if (!m_pDraw) return;
  UpdateData(TRUE);
  m_pDraw->m_bShowSelect = m_bShowSelect != 0;
  m_wndSpctm.Invalidate(FALSE);
}

void CDlgSpctm1C::OnInfoCheck() {
  if (!m_pDraw) return;
  UpdateData(TRUE);
  m_pDraw->m_bShowSelectInfo = m_bShowSelectInfo != 0;
  m_wndSpctm.Invalidate(FALSE);
}

void CDlgSpctm1C::OnScaleCheck() {
  UpdateData(TRUE);
  m_wndSpctm.m_bShowColorScale = m_bShowColorScale != 0;
  m_wndSpctm.Invalidate(FALSE);
}

void CDlgSpctm1C::OnMeasureCheck() {
  UpdateData(TRUE);  // the check is exchanged with the canvas's measures flag itself
  m_wndSpctm.Invalidate(TRUE);
}

void CDlgSpctm1C::OnWaveCheck() {
  if (!m_pDraw) return;
  UpdateData(TRUE);
  m_wndSpctm.m_bShowWave = m_bShowWave != 0;
  // The strip's zero line and the picture are placed anew, from the first points.
  m_pDraw->m_bRecentre = true;
  m_pDraw->m_bRecentreWave = 1;
  m_pDraw->m_nFirstTime = 0;
  m_pDraw->m_nFirstFreq = 0;
  m_wndSpctm.Invalidate(FALSE);
}

void CDlgSpctm1C::OnZoomIn() {
  if (!m_pDraw) return;
  UpdateData(TRUE);
  m_pDraw->m_dZoom += 1.0;
  m_wndSpctm.releaseMemDC();
  m_wndSpctm.Invalidate(TRUE);
}

void CDlgSpctm1C::OnZoomOut() {
  if (!m_pDraw) return;
  UpdateData(TRUE);
  m_pDraw->m_dZoom = std::max(1.0, m_pDraw->m_dZoom - 1.0);
  m_wndSpctm.releaseMemDC();
  m_wndSpctm.Invalidate(TRUE);
}

void CDlgSpctm1C::OnAutofit() {
  if (!m_pDraw) return;
  UpdateData(TRUE);
  updateMEGData();
  if (m_pTrial) {
    double lo = 0.0, hi = 0.0, mean = 0.0;
    m_pTrial->getSpctmRange4OneChnlShowAbs(m_nChnlStatistic, -1, lo, hi, mean, true, m_nSpctmClass, m_nDataKind);
    m_pDraw->m_dStdMin = lo;
    m_pDraw->m_dStdMax = hi;
  }
  m_wndSpctm.Invalidate(TRUE);
}

void CDlgSpctm1C::OnUpdate() {
  CWaitCursor wait;
  updateMEGData();
  if (m_pSession && m_pTrial) m_pSession->computTrialSpctmAllPro(nullptr, true);
  m_wndSpctm.Invalidate(TRUE);
}

void CDlgSpctm1C::OnSelchangeClass() {
  const int sel = m_cmbSpctmClass.GetCurSel();
  if (sel < 0) return;
  setSpctmClass(sel);
  m_wndSpctm.Invalidate(TRUE);
}

void CDlgSpctm1C::OnSelchangeKind() {
  const int sel = m_cmbDataKind.GetCurSel();
  if (sel < 0) return;
  m_nDataKind = sel;
  m_wndSpctm.m_nDataKind = sel;
  m_wndSpctm.Invalidate(TRUE);
}

void CDlgSpctm1C::OnSelchangeStatistic() {
  const int sel = m_cmbChnlStatistic.GetCurSel();
  if (sel < 0) return;
  m_nChnlStatistic = sel;
  if (!m_pDraw) return;
  m_pDraw->m_nDataSource = sel;
  m_wndSpctm.Invalidate(TRUE);
}

void CDlgSpctm1C::OnSelchangeChannel() {
  const int sel = m_cmbChnlList.GetCurSel();
  if (sel < 0) return;
  const LPARAM index = m_cmbChnlList.GetItemData(sel);
  if (index < 0) return;
  updateMEGData();
  if (m_pTrial) m_pTrial->setCurrentChannel(index);
  m_wndSpctm.Invalidate(TRUE);
}

CSpctmTrialqv* CDlgSpctm1C::spctmTrial4Spin() {
  updateMEGData();
  if (!m_pSession || !m_pDraw) return nullptr;
  CMDTrialqv* trial = m_pSession->getCurrentTrialPt();
  return trial ? trial->getSpctmTrial(false, m_nSpctmClass) : nullptr;
}

// An up-down arrow toward the maximum reports -1 (up, or right for the horizontal one).
// Both ends of the selection move one point together; other changes are left alone.
void CDlgSpctm1C::stepSelection(NMHDR* pNMHDR, SelectionGetter get, SelectionSetter set) {
  CSpctmTrialqv* spctm = spctmTrial4Spin();
  if (!spctm) return;
  const int delta = reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta;
  if (delta == 1 || delta == -1) {
    std::int64_t begin = 0, end = 0;
    (spctm->*get)(begin, end);
    (spctm->*set)(begin - delta, end - delta);
  }
  m_wndSpctm.Invalidate(FALSE);
}

void CDlgSpctm1C::OnDeltaposTime(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  stepSelection(pNMHDR, &CSpctmTrial::getTrialSpctmSelectTime, &CSpctmTrial::setTrialSpctmSelectTime);
}

void CDlgSpctm1C::OnDeltaposFreq(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  stepSelection(pNMHDR, &CSpctmTrial::getTrialSpctmSelectFreq, &CSpctmTrial::setTrialSpctmSelectFreq);
}

// The raw signal's display gain of the current channel: the up arrow doubles it, the
// down arrow halves it.
void CDlgSpctm1C::OnDeltaposZoom(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  updateMEGData();
  if (m_pSession && m_pTrial) {
    const int delta = reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta;
    const double gain = m_pSession->getShowZoomChnl(-1);
    if (delta == 1) m_pSession->setShowZoomChnl(-1, gain * 0.5);
    if (delta == -1) m_pSession->setShowZoomChnl(-1, gain * 2.0);
  }
  m_wndSpctm.Invalidate(FALSE);
}
