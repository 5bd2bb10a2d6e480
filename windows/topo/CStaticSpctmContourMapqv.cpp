#include "windows/topo/CStaticSpctmContourMapqv.h"

#include "platform/ui/CPaintDC.h"

int CStaticSpctmContourMapqv::drawAll(CDC* pDC, const CRect& client) {
  if (!prepareOffscreenImage(pDC, client)) return 0;
  CDC* dc = m_pOffscreenDC.get();
  const bool mirrored = isRadiology();
  if (m_bFlagsMode) {
    dc->FillSolidRect(0, 0, static_cast<int>(m_nCanvasWidth), static_cast<int>(m_nCanvasHeight), m_crBack);
    drawPatches(dc, m_nChannelType);
  } else {
    drawContourDisplay(dc, mirrored);
  }
  drawSensors(dc, m_nChannelType);
  drawLabels(dc, m_nChannelType);
  drawChannelName(dc);
  drawTimeFreqInfo(dc);
  drawColorScale(dc);
  return 1;
}

void CStaticSpctmContourMapqv::drawContourDisplay(CDC* pDC, bool mirrored) {
  const int half = static_cast<int>(m_nFrameMargin / 2);
  const int w = static_cast<int>(m_nCanvasWidth), h = static_cast<int>(m_nCanvasHeight);
  const COLORREF back = m_crBack;
  const bool whiteLines = m_nDisplayMode == 1 && m_nLineColorMode == 0;
  if (whiteLines) m_crBack = RGB(255, 255, 255);
  pDC->FillSolidRect(0, 0, w, h, m_crBack);
  if (m_nDisplayMode != 1) drawFieldImage(pDC, half, half, mirrored);
  if (m_nDisplayMode != 0) drawLines(pDC, half, half, w, h, mirrored);
  drawFieldClip(pDC, half, half, w, h, mirrored);
  m_crBack = back;
  drawHeadShape(pDC);
}

void CStaticSpctmContourMapqv::OnPaint() {
  CPaintDC dc(this);
  if (!refreshBinding()) {
    dc.TextOut(10, 10, CString(L"No MEG data"));
    return;
  }
  if (m_pSession->m_bProcessing) {
    dc.TextOut(10, 10, CString(L"MEG data processing in progress..."));
    return;
  }
  CRect client;
  GetClientRect(&client);
  if (drawAll(&dc, client)) dc.BitBlt(0, 0, client.Width(), client.Height(), m_pOffscreenDC.get(), 0, 0, SRCCOPY);
}

void CStaticSpctmContourMapqv::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (stepWindow4Key(nChar)) Invalidate(FALSE);
  CStaticSpctmContourMap07Operation::OnKeyDown(nChar, nRepCnt, nFlags);
}
