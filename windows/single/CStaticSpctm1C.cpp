#include "windows/single/CStaticSpctm1C.h"

#include <algorithm>

#include "platform/ui/CPaintDC.h"

namespace {

// Pixels left free at the canvas's right edge for the colour scale's labels.
constexpr int kScaleLabelRoom = 60;

}  // namespace

CStaticSpctm1C::~CStaticSpctm1C() { releaseMemDC(); }

void CStaticSpctm1C::updateMEGData() {
  if (m_pDataSet) m_pSession = m_pDataSet->getSessionData(-1);
  if (m_pSession) m_pTrial = m_pSession->getTrialqv(-1);
}

void CStaticSpctm1C::bindDrawEngine() {
  m_pDraw->m_pDataSet = m_pDataSet;
  if (!m_pDataSet) return;
  m_pDraw->m_pSession = m_pDataSet->getSessionData(-1);
  if (m_pDraw->m_pSession) m_pDraw->m_pTrial = m_pDraw->m_pSession->getTrialqv(-1);
}

int CStaticSpctm1C::setShowMEGData(CArrayMEDataSetqv* pDataSet) {
  m_pDataSet = pDataSet;
  m_pSession = pDataSet ? pDataSet->getSessionData(-1) : nullptr;
  m_pTrial = m_pSession ? m_pSession->getTrialqv(-1) : nullptr;
  if (!m_pTrial) return 0;
  return m_pTrial->findSpctmChnl4Show(m_nSpctmClass, m_nDataKind);
}

void CStaticSpctm1C::releaseMemDC() {
  m_pMemDC.reset();
  m_pBitmap.reset();
}

void CStaticSpctm1C::OnPaint() {
  CPaintDC dc(this);
  // The dialog passes its own paint messages here too; with no part of the canvas
  // waiting to be painted, building the picture would show nothing.
  if (dc.m_ps.rcPaint.IsRectEmpty()) return;
  updateMEGData();
  if (!m_pSession || !m_pTrial) {
    dc.TextOut(10, 10, CString(L"No MEG data"));
    return;
  }
  // Tested before anything is drawn: the host is rewriting the spectra.
  if (m_pSession->m_bProcessing) {
    dc.TextOut(10, 10, CString(L"MEG data processing in progress..."));
    return;
  }
  CRect rect;
  GetClientRect(&rect);
  if (drawSpctm2MemDC(&dc, rect)) dc.BitBlt(0, 0, rect.Width(), rect.Height(), m_pMemDC.get(), 0, 0, SRCCOPY);
}

int CStaticSpctm1C::drawSpctm2MemDC(CDC* pDC, const CRect& rect) {
  updateMEGData();
  if (!m_pSession || !m_pTrial || !m_pDraw || !m_pSession->hasData2Draw()) return 0;
  bindDrawEngine();
  if (!m_pBitmap || !m_pMemDC) {
    releaseMemDC();
    m_pBitmap = std::make_unique<CBitmap>();
    if (!m_pBitmap->CreateCompatibleBitmap(pDC, rect.Width(), rect.Height())) {
      m_pBitmap.reset();  // a canvas shrunk to nothing has no picture
      return 0;
    }
    m_pMemDC = std::make_unique<CDC>();
    m_pMemDC->CreateCompatibleDC(pDC);
    m_pMemDC->SelectObject(m_pBitmap.get());
  }
  // Layer order: the spectrogram with its read-outs, the strip, the rulers, the scale.
  CDC* dc = m_pMemDC.get();
  const int cls = m_nSpctmClass, kind = m_nDataKind;
  m_pDraw->showSpctmOne(dc, rect, cls, kind);
  if (m_bShowWave) m_pDraw->drawOneWaveColumn(dc, rect, cls, kind);
  if (m_bShowMeasures) m_pDraw->drawOneSpctmMeasures(dc, rect, cls, kind);
  if (m_bShowColorScale) {
    if (m_pDraw->m_bHorzColorScale) {
      // The bottom 20 rows; the legend's last label starts at its last bar and runs on to
      // the right, so the strip ends where the vertical legend's label room begins.
      m_pDraw->drawSpctmColorScaleStdHrz(dc, CRect(rect.left, rect.bottom - 20, rect.right - kScaleLabelRoom, rect.bottom),
                                         cls, kind, 20);
    } else {
      const CRect band(rect.right - 90, rect.top, rect.right - kScaleLabelRoom, rect.bottom);
      if (m_pDraw->m_bStdRender) m_pDraw->drawSpctmColorScaleStdVtc(dc, band, cls, kind, 20);
      else m_pDraw->drawSpctmColorScalePro(dc, band, cls, kind, 20);
    }
  }
  return 1;
}

bool CStaticSpctm1C::scrollSpctm4Key(UINT vk) {
  CSpctmTrialqv* spctm = m_pTrial->getSpctmTrial(false, m_nSpctmClass);
  if (!spctm) return false;
  const std::int64_t T = spctm->getTrialSpctmTimePt(), F = spctm->getTrialSpctmFreqPt();
  std::int64_t& firstTime = m_pDraw->m_nFirstTime;
  std::int64_t& firstFreq = m_pDraw->m_nFirstFreq;
  // Each key checks only the bound on the side it moves toward.
  switch (vk) {
    case VK_LEFT:
      firstTime -= m_nTimeStep;
      if (firstTime < 0) firstTime = 0;
      break;
    case VK_RIGHT:
      firstTime += m_nTimeStep;
      if (firstTime >= T) firstTime = T - 1;
      break;
    case VK_UP:
      firstFreq += m_nFreqStep;
      if (firstFreq >= F) firstFreq = F - 1;
      break;
    case VK_DOWN:
      firstFreq -= m_nFreqStep;
      if (firstFreq < 0) firstFreq = 0;
      break;
    default: return true;
  }
  Invalidate(FALSE);
  return true;
}

BOOL CStaticSpctm1C::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN) {
    updateMEGData();
    if (m_pSession && m_pTrial && m_pDraw && !scrollSpctm4Key(static_cast<UINT>(pMsg->wParam))) return FALSE;
  }
  return CStatic::PreTranslateMessage(pMsg);
}

void CStaticSpctm1C::OnKeyDown(UINT nChar, UINT, UINT) {
  const UINT arrow = nChar == VK_NUMPAD4   ? VK_LEFT
                     : nChar == VK_NUMPAD6 ? VK_RIGHT
                     : nChar == VK_NUMPAD8 ? VK_UP
                     : nChar == VK_NUMPAD2 ? VK_DOWN
                                           : 0;
  if (arrow) {
    updateMEGData();
    if (m_pSession && m_pTrial && m_pDraw && !scrollSpctm4Key(arrow)) return;
  }
  Default();
}

std::pair<std::int64_t, std::int64_t> CStaticSpctm1C::drawnCounts() {
  if (!m_pDraw) return {0, 0};
  bindDrawEngine();
  CMDTrialqv* trial = m_pDraw->m_pTrial;
  if (!m_pDraw->m_pSession || !trial || !trial->getChannel(-1)) return {0, 0};
  std::int64_t T = 0, F = 0;
  trial->sourceArray(m_pDraw->m_nDataSource, -1, m_nSpctmClass, m_nDataKind, T, F);
  return {T, F};
}

int CStaticSpctm1C::placeSpctm4Zoom(const CRect& rect) {
  const auto [T, F] = drawnCounts();
  if (T < 1 || F < 1) return 0;
  CMEGSpctmDrawqv& draw = *m_pDraw;
  const double width = static_cast<double>(T) * draw.m_dZoom, height = static_cast<double>(F) * draw.m_dZoom;
  if (width <= rect.Width()) {
    draw.m_nOriginX = static_cast<std::int64_t>(rect.left + (rect.Width() - width) * 0.5);
    draw.m_nFirstTime = 0;
  } else {
    draw.m_nOriginX = rect.left;
    draw.m_nFirstTime = std::clamp<std::int64_t>(draw.m_nWinTimeBegin, 0, T - 1);
  }
  if (height <= rect.Height()) {
    draw.m_nOriginY = static_cast<std::int64_t>(rect.bottom - (rect.Height() - height) * 0.5);
    draw.m_nFirstFreq = 0;
  } else {
    draw.m_nOriginY = rect.bottom;
    draw.m_nFirstFreq = std::clamp<std::int64_t>(draw.m_nWinFreqBegin, 0, F - 1);
  }
  draw.m_bRecentre = false;
  return 1;
}

int CStaticSpctm1C::getFitZoom4Rect(const CRect& rect) {
  const auto [T, F] = drawnCounts();
  if (T < 1 || F < 1) return 1;
  const std::int64_t across = (std::int64_t{rect.Width()} - 200) / T;
  const std::int64_t up = (std::int64_t{rect.Height()} - 120) / F;
  return static_cast<int>(std::clamp<std::int64_t>(std::min(across, up), 1, 64));
}
