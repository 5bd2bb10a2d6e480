#include "draw/CMEGSpctmDraw.h"

#include <cwchar>

CMEGSpctmDraw::CMEGSpctmDraw() {
  m_penSelect.CreatePen(PS_SOLID, 1, RGB(255, 125, 44));
  m_penBlack.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  m_penRed1.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  m_penGridMajor.CreatePen(PS_SOLID, 1, RGB(40, 116, 248));
  m_penGridMinor.CreatePen(PS_DOT, 1, RGB(80, 116, 248));
  m_penRed2.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  m_penScale.CreatePen(PS_SOLID, 1, RGB(255, 20, 20));
  m_crBackground = RGB(255, 255, 255);
  m_crTextBk = RGB(255, 255, 255);
  m_crText = RGB(0, 0, 0);
  m_lfFont = LOGFONT{};
  m_lfFont.lfHeight = 12;
  std::wcsncpy(m_lfFont.lfFaceName, L"Arial", LF_FACESIZE - 1);
  m_pFont = new CFont;
  m_pFont->CreateFontIndirect(&m_lfFont);
}

CMEGSpctmDraw::~CMEGSpctmDraw() {
  m_pDataSet = nullptr;
  m_pSession = nullptr;
  m_pTrial = nullptr;
  m_penRed2.DeleteObject();
  m_penRed1.DeleteObject();
  m_penScale.DeleteObject();
  m_penGridMajor.DeleteObject();
  m_penGridMinor.DeleteObject();
  m_penSelect.DeleteObject();
  m_penBlack.DeleteObject();
  delete m_pFont;
}

int CMEGSpctmDraw::setDrawMEGData(CArrayMEDataSetqv* pDataSet) {
  m_pDataSet = pDataSet;
  return updateMEGData();
}

int CMEGSpctmDraw::updateMEGData() {
  if (m_pDataSet) m_pSession = m_pDataSet->getSessionData(-1);
  if (!m_pSession) return 0;
  m_pTrial = m_pSession->getTrialqv(-1);
  return m_pTrial ? 1 : 0;
}
