#include "draw/CMEGSpctmDraw8ContourMap01Std.h"

#include "draw/SpctmColorRules.h"

int CMEGSpctmDraw8ContourMap01Std::drawSpctmContourmapStd(CDC* pDC, int x0, int y0, int x1, int y1,
                                                          CSpctmChnlqv* pSpctmChnl, int nSpctmClass,
                                                          int nDataKind) {
  if (!m_bPolarity) {
    return drawSpctmContourmap01AbsoluteValue(pDC, x0, y0, x1, y1, pSpctmChnl, nSpctmClass, nDataKind);
  }
  return drawSpctmContourmap02PolarityValue(pDC, x0, y0, x1, y1, pSpctmChnl, nSpctmClass, nDataKind);
}

int CMEGSpctmDraw8ContourMap01Std::drawSpctmContourmap01AbsoluteValue(CDC* pDC, int x0, int y0, int x1, int y1,
                                                                      CSpctmChnlqv* pSpctmChnl, int,
                                                                      int nDataKind) {
  return drawSpctmPatchBins(pDC, x0, y0, x1, y1, pSpctmChnl, nDataKind, spctmdraw::absoluteColour(*this));
}

int CMEGSpctmDraw8ContourMap01Std::drawSpctmContourmap02PolarityValue(CDC* pDC, int x0, int y0, int x1, int y1,
                                                                      CSpctmChnlqv* pSpctmChnl, int,
                                                                      int nDataKind) {
  return drawSpctmPatchBins(pDC, x0, y0, x1, y1, pSpctmChnl, nDataKind, spctmdraw::polarityColour(*this));
}
