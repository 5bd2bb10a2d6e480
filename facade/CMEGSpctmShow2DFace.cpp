#include "facade/CMEGSpctmShow2DFace.h"

CMEGSpctmShow2DFace::CMEGSpctmShow2DFace() = default;

// The windows in the slots are deleted, in the facade's fixed order, by the link that
// creates them; the root only outlives them with the draw engine.
CMEGSpctmShow2DFace::~CMEGSpctmShow2DFace() = default;

int CMEGSpctmShow2DFace::sendMessageX(int, int, int) { return 0; }

int CMEGSpctmShow2DFace::setSpctmCallbackFunction(SpctmCallbackFunction pfn) {
  m_pfnSpctmCallback = pfn;
  return 1;
}

int CMEGSpctmShow2DFace::setSpctmRange(double lower, double upper) {
  m_draw.m_dColorMin = lower;
  m_draw.m_dColorMax = upper;
  return 1;
}

int CMEGSpctmShow2DFace::initSpctmRange(CArrayMEDataSetqv* pDataSet, int a, int b) {
  m_draw.setDrawMEGData(pDataSet);
  if (m_draw.m_pSession == nullptr || m_draw.m_pTrial == nullptr) return 0;
  double first = 0.0, second = 0.0, third = 0.0;
  m_draw.m_pTrial->getSpctmRangeAllChann(first, second, third, 1, a, b);
  m_draw.m_dColorMin = first;
  m_draw.m_dColorMax = second;
  m_draw.m_dStdMax = second;
  m_draw.m_dStdMin = first > 0.0 ? first : 0.0;
  return 0;
}
