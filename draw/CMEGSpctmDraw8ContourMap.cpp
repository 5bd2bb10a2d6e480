#include "draw/CMEGSpctmDraw8ContourMap.h"

#include <algorithm>

#include "draw/SpctmColorRules.h"

int CMEGSpctmDraw8ContourMap::drawSpctmContourmapx(CDC* pDC, int x0, int y0, int x1, int y1,
                                                   CSpctmChnlqv* pSpctmChnl, int nSpctmClass, int nDataKind) {
  if (m_nViewMode == 0 || m_nViewMode == 1) {
    return drawSpctmContourmapWinView(pDC, x0, y0, x1, y1, pSpctmChnl, nSpctmClass, nDataKind);
  }
  return drawSpctmContourmapPeakView(pDC, x0, y0, x1, y1, pSpctmChnl, nSpctmClass, nDataKind);
}

int CMEGSpctmDraw8ContourMap::drawSpctmContourmapWinView(CDC* pDC, int x0, int y0, int x1, int y1,
                                                         CSpctmChnlqv* pSpctmChnl, int, int nDataKind) {
  return drawSpctmPatchBins(pDC, x0, y0, x1, y1, pSpctmChnl, nDataKind,
                            spctmdraw::windowColour(*this, spctmdraw::WindowMiddle::BelowCentre));
}

int CMEGSpctmDraw8ContourMap::drawSpctmContourmapPeakView(CDC* pDC, int x0, int y0, int x1, int y1,
                                                          CSpctmChnlqv* pSpctmChnl, int, int nDataKind) {
  return drawSpctmPatchBins(pDC, x0, y0, x1, y1, pSpctmChnl, nDataKind,
                            spctmdraw::peakColour(*this, spctmdraw::PeakCentre::Zero));
}

template <class Colour>
int CMEGSpctmDraw8ContourMap::drawSpctmPatchBins(CDC* pDC, int x0, int y0, int x1, int y1,
                                                 const CSpctmChnlqv* pSpctmChnl, int nDataKind,
                                                 const Colour& colour) {
  if (!pDC || !pSpctmChnl) return 0;
  std::int64_t T = 0, F = 0;
  const double* values = pSpctmChnl->getSpctmDataPtr(nDataKind, &T, &F);
  if (!values) return 0;
  // A begin point further below 0 than any patch is wide puts every bin past the limits
  // anyway; holding it there keeps t − ts and f − fs from overflowing.
  constexpr std::int64_t kFarBelow = -(std::int64_t{1} << 40);
  const std::int64_t ts = std::max(m_nWinTimeBegin, kFarBelow);
  const std::int64_t fs = std::max(m_nWinFreqBegin, kFarBelow);
  pDC->MoveTo(x0, y0);
  for (std::int64_t t = std::max<std::int64_t>(ts, 0); t < T; ++t) {
    const std::int64_t px = x0 + (t - ts);
    if (px > x1) break;
    const double* column = values + t * F;
    for (std::int64_t f = std::max<std::int64_t>(fs, 0); f < F; ++f) {
      const std::int64_t py = y0 - (f - fs);
      if (py < y1) break;
      pDC->SetPixel(static_cast<int>(px), static_cast<int>(py), colour(column[f]));
    }
  }
  return 1;
}

// The three rule types cover the four colourings of the patch renderers.
template int CMEGSpctmDraw8ContourMap::drawSpctmPatchBins(CDC*, int, int, int, int, const CSpctmChnlqv*, int,
                                                          const spctmdraw::WindowColour&);
template int CMEGSpctmDraw8ContourMap::drawSpctmPatchBins(CDC*, int, int, int, int, const CSpctmChnlqv*, int,
                                                          const spctmdraw::PeakColour&);
template int CMEGSpctmDraw8ContourMap::drawSpctmPatchBins(CDC*, int, int, int, int, const CSpctmChnlqv*, int,
                                                          const spctmdraw::MagnitudeColour&);
