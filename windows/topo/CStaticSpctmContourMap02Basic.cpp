#include "windows/topo/CStaticSpctmContourMap02Basic.h"

#include <new>

#include "platform/gdi/CPen.h"
#include "platform/gdi/DcStateScope.h"
#include "platform/ui/CommonDialogs.h"

COLORREF CStaticSpctmContourMap02Basic::spatialLabelColor(const CString& label) {
  const wchar_t first = label.GetLength() > 0 ? label.GetAt(0) : L'\0';
  const wchar_t second = label.GetLength() > 1 ? label.GetAt(1) : L'\0';
  const int side = first == L'L' ? 0 : first == L'R' ? 1 : 2;
  static constexpr COLORREF kByRegion[5][3] = {
      {RGB(0, 255, 153), RGB(255, 153, 0), RGB(0, 153, 255)},     // C
      {RGB(125, 0, 122), RGB(125, 255, 204), RGB(0, 204, 255)},   // F
      {RGB(0, 200, 255), RGB(255, 125, 51), RGB(51, 125, 255)},   // O
      {RGB(255, 255, 0), RGB(255, 102, 102), RGB(102, 102, 255)}, // P
      {RGB(0, 255, 0), RGB(255, 0, 0), RGB(255, 255, 125)},       // other
  };
  const int region = second == L'C' ? 0 : second == L'F' ? 1 : second == L'O' ? 2 : second == L'P' ? 3 : 4;
  return kByRegion[region][side];
}

int CStaticSpctmContourMap02Basic::drawSensors(CDC* pDC, int nChannelType) {
  if (m_pShowSensor == nullptr || *m_pShowSensor == 0) return 1;
  if (m_pSensorSize == nullptr || !refreshBinding() || !checkChannelType(nChannelType)) return 0;
  const int r = *m_pSensorSize;
  const bool mirrored = isRadiology();
  CPen selected(PS_SOLID, m_nSensorPenWidth, RGB(255, 255, 0));
  CPen current(PS_SOLID, m_nSensorPenWidth, RGB(255, 0, 0));
  CPen shown(PS_SOLID, m_nSensorPenWidth, m_crFore);
  CPen hidden(PS_SOLID, m_nSensorPenWidth, RGB(125, 125, 125));
  DcStateScope scope(*pDC);
  const std::int64_t currentIndex = m_pTrial->getCurntChnlIndx();
  CMDChannelqv* const* channels = m_pTrial->getAllChannelPt();
  for (std::int64_t i = 0; channels != nullptr && i < m_pTrial->getTotalChannel(); ++i) {
    if (channels[i] == nullptr || !isOfType(*channels[i], nChannelType)) continue;
    CPen* pen = m_pSession->isSelectChnl4Alltrials(i)  ? &selected
                : !m_pSession->isShowChnl4Alltrials(i) ? &hidden
                : i == currentIndex                    ? &current
                                                       : &shown;
    scope.pen(pen);
    const CPoint p = sensorPoint(*channels[i], mirrored);
    pDC->MoveTo(p.x + r, p.y);
    pDC->AngleArc(p.x, p.y, r, 0.0f, 360.0f);
  }
  return 1;
}

int CStaticSpctmContourMap02Basic::drawLabels(CDC* pDC, int nChannelType) {
  if (m_pShowLabel == nullptr || *m_pShowLabel == 0) return 1;
  if (!refreshBinding() || !checkChannelType(nChannelType)) return 0;
  const bool mirrored = isRadiology();
  DcStateScope scope(*pDC);
  scope.bkMode(TRANSPARENT).font(m_pNameFont.get());
  int result = 1;
  try {
    CMDChannelqv* const* channels = m_pTrial->getAllChannelPt();
    for (std::int64_t i = 0; channels != nullptr && i < m_pTrial->getTotalChannel(); ++i) {
      if (channels[i] == nullptr || !isOfType(*channels[i], nChannelType)) continue;
      const CString name(channels[i]->m_strName);
      const int lengthMode = mirrored ? 1 : m_nNameLengthMode;
      const CString label = lengthMode == 1 ? name.Right(4) : lengthMode == 2 ? name.Left(4) : name;
      scope.textColor(mirrored || m_nNameColorMode != 0 ? spatialLabelColor(label) : m_crLabel);
      const CSize extent = pDC->GetTextExtent(label);
      const CPoint p = sensorPoint(*channels[i], mirrored);
      pDC->TextOut(p.x - extent.cx, p.y - extent.cy, label);
    }
  } catch (const std::bad_alloc&) {
    AfxMessageBox(L"Draw sensor error !");
    result = 0;
  }
  return result;
}

int CStaticSpctmContourMap02Basic::drawTimeFreqInfo(CDC* pDC) {
  if (!m_bShowInfo) return 1;
  if (!refreshBinding() || m_pDraw == nullptr) return 0;
  const CSpctmTrialqv* spctm = m_pTrial->getSpctmTrial(false, m_nSpctmClass);
  if (spctm == nullptr) return 0;
  const std::int64_t t0 = m_pDraw->m_nWinTimeBegin, t1 = t0 + m_nPatchTimePoints;
  const std::int64_t f0 = m_pDraw->m_nWinFreqBegin, f1 = f0 + m_nPatchFreqPoints;
  double ms0 = 0.0, ms1 = 0.0, hz0 = 0.0, hz1 = 0.0;
  m_pSession->getTrialSpctmGivenTime2LatencyMsec(t0, t1, ms0, ms1, m_nSpctmClass, m_nDataKind);
  spctm->getTrialSpctmGivenFreqID4Hz(f0, f1, hz0, hz1);
  CString text;
  text.Format(L"Time:%0.1f~%0.1fms(%I64d->%I64d); Freq:%0.1f~%0.1fHz (%I64d->%I64d)", ms0, ms1, t0,
              spctm->getTrialSpctmTimePt(), hz0, hz1, f0, spctm->getTrialSpctmFreqPt());
  DcStateScope scope(*pDC);
  scope.textColor(RGB(255, 255, 255)).bkColor(RGB(0, 0, 0)).font(m_pNameFont.get());
  const CSize extent = pDC->GetTextExtent(text);
  pDC->TextOut(0, static_cast<int>(m_nCanvasHeight) - extent.cy, text);
  return 1;
}

void CStaticSpctmContourMap02Basic::drawColorScale(CDC* pDC) {
  if (!m_bShowScale || m_nDisplayMode == 1 || m_pDraw == nullptr) return;
  const int w = static_cast<int>(m_nCanvasWidth), h = static_cast<int>(m_nCanvasHeight);
  if (m_pDraw->m_bHorzColorScale) {
    m_pDraw->drawSpctmColorScaleStdHrz(pDC, CRect(0, h - 20, w, h), m_nSpctmClass, m_nDataKind, 20);
  } else if (m_pDraw->m_bStdRender) {
    m_pDraw->drawSpctmColorScaleStdVtc(pDC, CRect(w - 90, 0, w - 60, h), m_nSpctmClass, m_nDataKind, 20);
  } else {
    m_pDraw->drawSpctmColorScalePro(pDC, CRect(w - 90, 0, w - 60, h), m_nSpctmClass, m_nDataKind, 20);
  }
}
