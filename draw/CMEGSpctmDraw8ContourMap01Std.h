// Standard per-sensor patch renderers of the draw engine (absolute and polarity colouring
// of magnitudes in the standard range). Arguments, limits and results as the patch
// renderers of CMEGSpctmDraw8ContourMap.
#pragma once

#include "draw/CMEGSpctmDraw8ContourMap.h"

class CMEGSpctmDraw8ContourMap01Std : public CMEGSpctmDraw8ContourMap {
 public:
  // The absolute-value renderer when m_bPolarity is clear, else the polarity renderer.
  int drawSpctmContourmapStd(CDC* pDC, int x0, int y0, int x1, int y1, CSpctmChnlqv* pSpctmChnl,
                             int nSpctmClass, int nDataKind);
  // |value| in the standard range on the single table.
  int drawSpctmContourmap01AbsoluteValue(CDC* pDC, int x0, int y0, int x1, int y1, CSpctmChnlqv* pSpctmChnl,
                                         int nSpctmClass, int nDataKind);
  // |value| in the standard range on the positive table (value ≥ 0) or the negative one.
  int drawSpctmContourmap02PolarityValue(CDC* pDC, int x0, int y0, int x1, int y1, CSpctmChnlqv* pSpctmChnl,
                                         int nSpctmClass, int nDataKind);
};
