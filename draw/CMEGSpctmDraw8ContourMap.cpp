#include "draw/CMEGSpctmDraw8ContourMap.h"

#include <algorithm>

#include "draw/SpctmColorRules.h"
#include "host/render/DcPixelBlock.h"

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
  // A begin point further from 0 than any patch is wide or any grid is long puts every bin
  // past the limits anyway; holding it there keeps t − ts, f − fs and the last bins' sums
  // from overflowing.
  constexpr std::int64_t kFar = std::int64_t{1} << 40;
  const std::int64_t ts = std::clamp(m_nWinTimeBegin, -kFar, kFar);
  const std::int64_t fs = std::clamp(m_nWinFreqBegin, -kFar, kFar);
  pDC->MoveTo(x0, y0);
  // Bin (t, f) lands at x0 + (t − ts), y0 − (f − fs), from the first bin on the grid to
  // the last within x1 and y1 (both inclusive). The bins' block is cut to the clip once,
  // then each time point's column is written upwards by pointer.
  const std::int64_t tFirst = std::max<std::int64_t>(ts, 0), tLast = std::min(T - 1, ts + (std::int64_t{x1} - x0));
  const std::int64_t fFirst = std::max<std::int64_t>(fs, 0), fLast = std::min(F - 1, fs + (std::int64_t{y0} - y1));
  if (tFirst > tLast || fFirst > fLast) return 1;
  const std::int64_t left = x0 + (tFirst - ts), bottom = y0 - (fFirst - fs);
  hostrender::DcPixelBlock block;
  if (!hostrender::visibleBlock(pDC, left, bottom - (fLast - fFirst), tLast - tFirst + 1, fLast - fFirst + 1, block))
    return 1;
  const std::int64_t tBegin = tFirst + (block.visible.left - left), tEnd = tFirst + (block.visible.right - 1 - left);
  const std::int64_t fBegin = fFirst + (bottom - (block.visible.bottom - 1)), fEnd = fFirst + (bottom - block.visible.top);
  std::uint32_t* const lowest = block.row(block.visible.bottom - 1);
  for (std::int64_t t = tBegin; t <= tEnd; ++t) {
    const double* bins = values + t * F;
    std::uint32_t* pixel = lowest + (t - tBegin);
    for (std::int64_t f = fBegin; f <= fEnd; ++f, pixel -= block.stride) *pixel = PixelSurface::pixelOf(colour(bins[f]));
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
