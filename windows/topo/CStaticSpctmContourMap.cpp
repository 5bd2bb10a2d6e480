#include "windows/topo/CStaticSpctmContourMap.h"

#include <algorithm>
#include <cwchar>

#include "platform/gdi/DcStateScope.h"
#include "platform/ui/CommonDialogs.h"

CStaticSpctmContourMap::CStaticSpctmContourMap() {
  m_lfName.lfHeight = 12;
  std::wcsncpy(m_lfName.lfFaceName, L"Arial", LF_FACESIZE - 1);
  m_pNameFont = std::make_unique<CFont>();
  m_pNameFont->CreateFontIndirect(&m_lfName);
}

CStaticSpctmContourMap::~CStaticSpctmContourMap() {
  // The off-screen DC shares the bitmap's pixels: let it go first.
  m_pOffscreenDC.reset();
  m_pOffscreenBitmap.reset();
}

int CStaticSpctmContourMap::refreshBinding() {
  if (m_pDataSet != nullptr) m_pSession = m_pDataSet->getSessionData(-1);
  if (m_pSession == nullptr) return 0;
  m_pTrial = m_pSession->getTrialqv(-1);
  return m_pTrial != nullptr ? 1 : 0;
}

int CStaticSpctmContourMap::checkChannelType(int nChannelType) const {
  if (nChannelType == 0 || nChannelType == 1) return 1;
  AfxMessageBox(L"Contourmap Channel Type Error!?");
  return 0;
}

bool CStaticSpctmContourMap::isOfType(const CMDChannelqv& channel, int nChannelType) {
  return nChannelType == 0 ? channel.isMEGMeasureChannel() != 0 : channel.isEEGMeasureChannel() != 0;
}

void CStaticSpctmContourMap::layoutPosition(const CMDChannelqv& channel, int nChannelType, double& x, double& y) {
  x = nChannelType == 0 ? channel.m_dMeg2DX : channel.m_dEeg2DX;
  y = nChannelType == 0 ? channel.m_dMeg2DY : channel.m_dEeg2DY;
}

int CStaticSpctmContourMap::ensure2DLayout(int nChannelType) {
  if (!checkChannelType(nChannelType)) return 0;
  if (m_pTrial == nullptr) return 0;
  CMDTrialqv& trial = *m_pTrial;
  const bool meg = nChannelType == 0;
  if (meg ? trial.isMegSnsr2dPlaneDone() : trial.isEegElectrod2dPlaneDone()) return 1;
  if (m_bUseStdProjection) {
    if (meg) {
      trial.projectMegMeasureSns3Dto2Dstd(m_dStdProjectionScale, 1);
    } else {
      trial.projectEegMeasureElectrode3Dto2Dstd(m_dStdProjectionScale, 1);
    }
    return 1;
  }
  const std::int64_t count = meg ? trial.getMeasureMegCoilADimension() : trial.getMeasureEegElctDimension();
  if (count < 1 || m_pSession == nullptr) return 1;
  const double scale = m_pSession->m_dProj2DScale, depth = m_pSession->m_dProj2DDepth;
  const double size = static_cast<double>(m_nProjection2DSize);
  if (meg) {
    if (trial.projectMegMeasureSns3Dto2Dpro(scale, depth)) trial.scanMegMeasureSns2Dsz(size);
  } else {
    if (trial.projectEegMeasureSns3Dto2Dpro(scale, depth)) trial.scanEegMeasureSns2Dsz(size);
  }
  return 1;
}

double CStaticSpctmContourMap::deviceX(double layoutX, bool mirrored, double left) const {
  return mirrored ? static_cast<double>(m_nCanvasWidth) - left - layoutX * m_dScaleX : layoutX * m_dScaleX + left;
}

double CStaticSpctmContourMap::deviceY(double layoutY, double top) const {
  const double y = static_cast<double>(m_nCanvasHeight) - top - layoutY * m_dScaleY;
  return m_bNoseUp ? static_cast<double>(m_nCanvasHeight) - static_cast<double>(m_nFrameMargin) / 6.0 - y : y;
}

std::int64_t CStaticSpctmContourMap::pointX(double layoutX, bool mirrored) const {
  return static_cast<std::int64_t>(deviceX(layoutX, mirrored, static_cast<double>(m_nFrameMargin / 2)));
}

std::int64_t CStaticSpctmContourMap::pointY(double layoutY) const {
  const std::int64_t half = m_nFrameMargin / 2;
  return static_cast<std::int64_t>(static_cast<double>(m_nCanvasHeight - half) - layoutY * m_dScaleY);
}

std::int64_t CStaticSpctmContourMap::reflectY(std::int64_t y) const {
  return static_cast<std::int64_t>(static_cast<double>(m_nCanvasHeight) - static_cast<double>(m_nFrameMargin) / 6.0 -
                                   static_cast<double>(y));
}

std::int64_t CStaticSpctmContourMap::clampX(std::int64_t x) const {
  return std::clamp<std::int64_t>(x, 0, std::max<std::int64_t>(m_nCanvasWidth - 1, 0));
}

std::int64_t CStaticSpctmContourMap::clampY(std::int64_t y) const {
  return std::clamp<std::int64_t>(y, 0, std::max<std::int64_t>(m_nCanvasHeight - 1, 0));
}

CPoint CStaticSpctmContourMap::sensorPoint(const CMDChannelqv& channel, bool mirrored) const {
  double lx = 0.0, ly = 0.0;
  layoutPosition(channel, m_nChannelType, lx, ly);
  std::int64_t y = pointY(ly);
  if (m_bNoseUp) y = reflectY(y);
  return CPoint(static_cast<int>(clampX(pointX(lx, mirrored))), static_cast<int>(clampY(y)));
}

void CStaticSpctmContourMap::deleteOffscreenImage() {
  m_pOffscreenDC.reset();
  m_pOffscreenBitmap.reset();
}

int CStaticSpctmContourMap::prepareOffscreenImage(CDC* pDC, const CRect& client) {
  if (!refreshBinding() || m_pDraw == nullptr) return 0;
  if (!m_pOffscreenBitmap || !m_pOffscreenDC) {
    deleteOffscreenImage();
    auto bitmap = std::make_unique<CBitmap>();
    auto dc = std::make_unique<CDC>();
    if (!bitmap->CreateCompatibleBitmap(pDC, client.Width(), client.Height()) || !dc->CreateCompatibleDC(pDC)) return 0;
    dc->SelectObject(bitmap.get());
    m_pOffscreenBitmap = std::move(bitmap);
    m_pOffscreenDC = std::move(dc);
    m_nCanvasWidth = client.Width();
    m_nCanvasHeight = client.Height();
  }
  // The engine draws the patches and the scale from the same session and trial.
  m_pDraw->m_pDataSet = m_pDataSet;
  m_pDraw->m_pSession = m_pSession;
  m_pDraw->m_pTrial = m_pTrial;
  m_pTrial = m_pDraw->m_pTrial;
  // With the trial bound, only a channel type other than MEG or EEG fails here, and no
  // extent belongs to it.
  if (!ensure2DLayout(m_nChannelType)) {
    drawChannelName(m_pOffscreenDC.get());
    return 0;
  }
  const bool meg = m_nChannelType == 0;
  const double dx = meg ? m_pTrial->m_dMeg2DXMax - m_pTrial->m_dMeg2DXMin : m_pTrial->m_dEeg2DXMax - m_pTrial->m_dEeg2DXMin;
  const double dy = meg ? m_pTrial->m_dMeg2DYMax - m_pTrial->m_dMeg2DYMin : m_pTrial->m_dEeg2DYMax - m_pTrial->m_dEeg2DYMin;
  if (!(dx > 0.0) || !(dy > 0.0)) {
    AfxMessageBox(meg ? L"MEG sensor location error: Contourmap size <= 0!?"
                      : L"EEG electrode location error: Contourmap size <= 0!?");
    return 0;
  }
  m_dScaleX = static_cast<double>(m_nCanvasWidth - m_nFrameMargin) / dx;
  m_dScaleY = static_cast<double>(m_nCanvasHeight - m_nFrameMargin) / dy;
  return 1;
}

void CStaticSpctmContourMap::drawChannelName(CDC* pDC) {
  if (m_pShowSensor == nullptr || *m_pShowSensor == 0) return;
  DcStateScope scope(*pDC);
  scope.textColor(RGB(255, 255, 0)).bkColor(RGB(0, 0, 0));
  pDC->TextOut(0, 0, m_strChannelName);
}

int CStaticSpctmContourMap::chooseNameFont() {
  CFontDialog dialog(&m_lfName, CF_EFFECTS | CF_SCREENFONTS, nullptr, this);
  dialog.m_cf.rgbColors = m_crLabel;
  if (dialog.DoModal() != IDOK) return 0;
  LOGFONT chosen;
  dialog.GetCurrentFont(&chosen);
  m_pNameFont = std::make_unique<CFont>();
  m_pNameFont->CreateFontIndirect(&chosen);
  m_lfName = chosen;
  m_crLabel = dialog.GetColor();
  m_nLabelPointSize = dialog.GetSize();
  return 1;
}
