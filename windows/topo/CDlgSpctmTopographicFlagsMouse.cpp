// Mouse input of the topographic windows. The canvas lets the mouse through, so the
// dialog sees every press, move, release and double click: by the canvas's work mode a
// press picks a sensor (toggling its selection or view in modes 2 and 3) or starts a drag
// of the draw window (mode 1); a double click opens the single-channel window on the
// picked sensor. Nothing happens while the host computes or without a trial.
#include "windows/topo/CDlgSpctmTopographicFlags.h"

#include <cstdlib>

CPoint CDlgSpctmTopographicFlags::canvasPoint(CPoint point) const {
  ClientToScreen(&point);
  m_wndMap.ScreenToClient(&point);
  return point;
}

bool CDlgSpctmTopographicFlags::isOverCanvas(CPoint point) const {
  return m_wndMap.GetSafeHwnd() && ChildWindowFromPoint(point) == &m_wndMap;
}

bool CDlgSpctmTopographicFlags::mouseReady() {
  return m_wndMap.GetSafeHwnd() && m_wndMap.refreshBinding() && !m_wndMap.m_pSession->m_bProcessing;
}

void CDlgSpctmTopographicFlags::OnLButtonDown(UINT nFlags, CPoint point) {
  if (mouseReady()) {
    const CPoint p = canvasPoint(point);
    const bool over = isOverCanvas(point);
    const int type = m_wndMap.m_nChannelType;
    switch (m_wndMap.m_nWorkMode) {
      case 0:
        if (m_wndMap.pickSensor(p, FALSE, FALSE, type) && m_pDlgOneChnl && m_pDlgOneChnl->GetSafeHwnd() &&
            m_pDlgOneChnl->IsWindowVisible())
          m_pDlgOneChnl->m_wndSpctm.Invalidate(TRUE);
        break;
      case 1:
        if (over) {
          m_ptLastMouse = p;
          SetCapture();
        }
        break;
      case 2: m_wndMap.pickSensor(p, TRUE, FALSE, type); break;
      case 3: m_wndMap.pickSensor(p, (nFlags & MK_SHIFT) ? TRUE : FALSE, TRUE, type); break;
      default: break;
    }
    if (over) m_wndMap.SetFocus();
  }
  CDialog::OnLButtonDown(nFlags, point);
}

void CDlgSpctmTopographicFlags::OnLButtonUp(UINT nFlags, CPoint point) {
  if (mouseReady()) {
    const int mode = m_wndMap.m_nWorkMode;
    if ((mode == 0 || mode == 1) && CWnd::GetCapture() == this) ReleaseCapture();
    if (mode == 1 && isOverCanvas(point)) m_ptLastMouse = canvasPoint(point);
  }
  CDialog::OnLButtonUp(nFlags, point);
}

// Half the mouse's movement in points, truncated toward zero, with frequency growing
// upward; a movement of one pixel does nothing.
void CDlgSpctmTopographicFlags::OnMouseMove(UINT nFlags, CPoint point) {
  if (m_wndMap.m_nWorkMode == 1 && CWnd::GetCapture() == this && isOverCanvas(point) && mouseReady()) {
    UpdateData(TRUE);
    const CPoint p = canvasPoint(point);
    const int dx = (p.x - m_ptLastMouse.x) / 2, dy = (m_ptLastMouse.y - p.y) / 2;
    if (std::abs(dx) >= 1 || std::abs(dy) >= 1) {
      dragWindow(dx, dy);
      m_ptLastMouse = p;
    }
  }
  CDialog::OnMouseMove(nFlags, point);
}

void CDlgSpctmTopographicFlags::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CDlgSpctmShowStdSet* setStd = showStdSetDlg();
  if (mouseReady()) {
    m_wndMap.pickSensor(canvasPoint(point), FALSE, FALSE, m_wndMap.m_nChannelType);
    if (m_wndMap.m_pTrial->findSpctmChnl4Show(m_nSpctmClass, m_nDataKind) && m_pDlgOneChnl && setStd) {
      CDlgSpctm1C& one = *m_pDlgOneChnl;
      setStd->addShowWnd(&one.m_wndSpctm);
      one.m_pDataSet = m_pDataSet;
      one.m_pHostWnd = m_pHostWnd;
      one.m_pFace = m_pFace;
      one.m_pfnSpctmCallback = m_pfnSpctmCallback;
      linkSetStdDlg(one);
      one.m_wndSpctm.setShowMEGData(m_wndMap.m_pDataSet);
      one.setDrawEngine(m_wndMap.m_pDraw);
      one.setSpctmClass(m_nSpctmClass);
      one.setDataKind(m_nDataKind);
      one.ShowWindow(SW_SHOW);
      one.SetForegroundWindow();
      one.updateSpctmDlg();
      one.m_wndSpctm.Invalidate(TRUE);
    }
  }
  CDialog::OnLButtonDblClk(nFlags, point);
}
