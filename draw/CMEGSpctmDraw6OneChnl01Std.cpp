#include "draw/CMEGSpctmDraw6OneChnl01Std.h"

#include "draw/SpctmColorRules.h"

int CMEGSpctmDraw6OneChnl01Std::drawOneSpctmColumnStd(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  if (pDC) pDC->FillSolidRect(rect, m_crBackground);
  if (!m_bPolarity) return drawOneSpctmColumn01AbsoluteValue(pDC, rect, nSpctmClass, nDataKind);
  return drawOneSpctmColumn2PolarityValue(pDC, rect, nSpctmClass, nDataKind);
}

int CMEGSpctmDraw6OneChnl01Std::drawOneSpctmColumn01AbsoluteValue(CDC* pDC, CRect rect, int nSpctmClass,
                                                                   int nDataKind) {
  return drawOneSpctmMagnitude(pDC, rect, nSpctmClass, nDataKind, spctmdraw::absoluteColour(*this));
}

int CMEGSpctmDraw6OneChnl01Std::drawOneSpctmColumn2PolarityValue(CDC* pDC, CRect rect, int nSpctmClass,
                                                                  int nDataKind) {
  return drawOneSpctmMagnitude(pDC, rect, nSpctmClass, nDataKind, spctmdraw::polarityColour(*this));
}

int CMEGSpctmDraw6OneChnl01Std::drawOneSpctmMagnitude(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind,
                                                      const spctmdraw::MagnitudeColour& colour) {
  CMDChannelqv* channel = nullptr;
  const CSpctmTrialqv* spctmTrial = oneChnlSpctmTrial(pDC, nSpctmClass, channel);
  if (!spctmTrial) return 0;
  // The summary is needed for sources 1..6 only and the spectral channel for source 0
  // only, so the channel's own spectrum is drawn even when the trial has no summary.
  const SpctmBins bins = oneChnlSourceBins(nSpctmClass, nDataKind);
  if (!bins.values) return 0;
  return drawOneSpctmBins(pDC, rect, bins, colour);
}
