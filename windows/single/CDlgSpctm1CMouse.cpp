// Mouse input of the single-channel window. The canvas lets the mouse through, so the
// dialog sees every press, move and release: in the select mode a drag sets the host's
// selection of the class (begin at the press; the moving point gives the time end and the
// frequency begin), in the move modes a drag pans the picture or the waveform strip at
// half the mouse's speed. Each handler runs under the busy cursor.
#include "windows/single/CDlgSpctm1C.h"

#include "resources/Spctm1CResources.h"

namespace {

// Half the mouse's movement, truncated toward zero: slow movement accumulates until it
// makes a whole pixel.
std::int64_t halfStep(int from, int to) { return static_cast<std::int64_t>((to - from) * 0.5); }

}  // namespace

CPoint CDlgSpctm1C::canvasPoint(CPoint point) const {
  ClientToScreen(&point);
  m_wndSpctm.ScreenToClient(&point);
  return point;
}

bool CDlgSpctm1C::isOverCanvas(CPoint point) const {
  return m_wndSpctm.GetSafeHwnd() && ChildWindowFromPoint(point) == &m_wndSpctm;
}

bool CDlgSpctm1C::isCapturing() const { return CWnd::GetCapture() == this; }

void CDlgSpctm1C::mapPoint2Spctm(CPoint point, std::int64_t& timePt, std::int64_t& freqPt) {
  timePt = 0;
  freqPt = 0;
  m_pDraw->getSpctmOneSelect4MousePt(canvasPoint(point), timePt, freqPt, m_nSpctmClass, m_nDataKind);
}

void CDlgSpctm1C::dragSelection2Point(CSpctmTrialqv* spctm, CPoint point) {
  std::int64_t t = 0, f = 0;
  mapPoint2Spctm(point, t, f);
  spctm->setTrialSpctmSelectTime(-1, t);
  spctm->setTrialSpctmSelectFreq(f, -1);
  m_wndSpctm.Invalidate(FALSE);
  m_wndSpctm.SetFocus();
}

CSpctmTrialqv* CDlgSpctm1C::spctmTrial4Mouse() {
  m_wndSpctm.updateMEGData();
  if (!m_wndSpctm.m_pTrial || !m_pDraw) return nullptr;
  return m_wndSpctm.m_pTrial->getSpctmTrial(false, m_nSpctmClass);
}

void CDlgSpctm1C::OnLButtonDown(UINT nFlags, CPoint point) {
  CWaitCursor wait;
  const bool over = isOverCanvas(point);
  switch (m_nMouseMode) {
    case 0: {
      CSpctmTrialqv* spctm = spctmTrial4Mouse();
      if (!spctm || !over) break;
      std::int64_t t = 0, f = 0;
      mapPoint2Spctm(point, t, f);
      spctm->setTrialSpctmSelectTimeFreqBB(t, f);
      spctm->setTrialSpctmSelectTimeFreqEE(t, f);
      m_wndSpctm.Invalidate(FALSE);
      m_wndSpctm.SetFocus();
      SetCapture();
      break;
    }
    case 1:
    case 2:
      if (over && (m_nMouseMode == 1 || m_bShowWave)) {
        m_ptLastMouse = canvasPoint(point);
        SetCapture();
      }
      break;
    default: break;
  }
  if (over) m_wndSpctm.SetFocus();
  CDialog::OnLButtonDown(nFlags, point);
}

void CDlgSpctm1C::OnMouseMove(UINT nFlags, CPoint point) {
  CWaitCursor wait;
  const bool over = isOverCanvas(point);
  if (m_nMouseMode == 0) {
    if (CSpctmTrialqv* spctm = spctmTrial4Mouse()) {
      if (!isCapturing()) {
        spctm->setTrialSpctmSelectTimeFreqEE(-1, -1);
      } else if (over) {
        dragSelection2Point(spctm, point);
        if (m_bLinkMapSelect) {
          // The topographic windows take the selected times over the lowest frequencies.
          std::int64_t begin = 0, end = 0;
          spctm->getTrialSpctmSelectTime(begin, end);
          spctm->setTrialSpctmSelectFreq(0, 1);
          m_pDraw->m_nWinTimeBegin = begin;
          m_pDraw->m_nWinFreqBegin = 0;
          m_pDraw->m_nWinTimeEnd = end;
          m_pDraw->m_nWinFreqEnd = 1;
          if (m_pFace) m_pFace->sendMessageX(SPCTM_MSG_MAP_SELECT, m_nSpctmClass, m_nDataKind);
        }
      }
    }
  } else if ((m_nMouseMode == 1 || m_nMouseMode == 2) && isCapturing() && over && m_pDraw) {
    const CPoint p = canvasPoint(point);
    const std::int64_t dx = halfStep(m_ptLastMouse.x, p.x), dy = halfStep(m_ptLastMouse.y, p.y);
    if (m_nMouseMode == 1 && (dx != 0 || dy != 0)) {
      m_pDraw->m_nOriginX += dx;
      m_pDraw->m_nOriginY += dy;
      m_ptLastMouse = p;
      m_wndSpctm.Invalidate(FALSE);
    } else if (m_nMouseMode == 2 && dy != 0) {
      m_pDraw->m_nWaveOffsetY += dy;
      m_ptLastMouse = p;
      m_wndSpctm.Invalidate(FALSE);
    }
  }
  CDialog::OnMouseMove(nFlags, point);
}

void CDlgSpctm1C::OnLButtonUp(UINT nFlags, CPoint point) {
  CWaitCursor wait;
  const bool over = isOverCanvas(point);
  if (m_nMouseMode == 0) {
    CSpctmTrialqv* spctm = spctmTrial4Mouse();
    if (spctm && isCapturing()) {
      if (over) {
        dragSelection2Point(spctm, point);
      } else {
        spctm->setTrialSpctmSelectTimeFreqEE(-1, -1);  // released outside: the drag's end stays
      }
    }
  } else if ((m_nMouseMode == 1 || m_nMouseMode == 2) && over) {
    m_ptLastMouse = canvasPoint(point);
  }
  if (isCapturing()) ReleaseCapture();
  CDialog::OnLButtonUp(nFlags, point);
}

BOOL CDlgSpctm1C::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  UINT cursor = 0;
  switch (m_nMouseMode) {
    case 0: cursor = IDC_SPCTM1C_CURSOR_NORMAL; break;
    case 1: cursor = IDC_SPCTM1C_CURSOR_MOVE; break;
    case 2: cursor = IDC_SPCTM1C_CURSOR_MOVE_WAVE; break;
    default: return CDialog::OnSetCursor(pWnd, nHitTest, message);
  }
  ::SetCursor(AfxGetApp()->LoadCursor(cursor));
  return TRUE;
}
