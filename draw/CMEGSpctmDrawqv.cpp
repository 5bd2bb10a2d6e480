#include "draw/CMEGSpctmDrawqv.h"

#include "draw/DrawNumbers.h"

int CMEGSpctmDrawqv::showSpctmOne(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  m_nLastSpctmClass = nSpctmClass;
  m_nLastDataKind = nDataKind;
  if (pDC) pDC->FillSolidRect(rect, m_crBackground);
  if (m_bStdRender) {
    if (m_bPolarity)
      drawOneSpctmColumn2PolarityValue(pDC, rect, nSpctmClass, nDataKind);
    else
      drawOneSpctmColumn01AbsoluteValue(pDC, rect, nSpctmClass, nDataKind);
  } else if (m_nViewMode == 0 || m_nViewMode == 1) {
    drawOneSpctmColumnWindView(pDC, rect, nSpctmClass, nDataKind);
  } else {
    drawOneSpctmColumnPeakView(pDC, rect, nSpctmClass, nDataKind);
  }
  if (!updateMEGData()) return 1;
  drawOneSpctmSelectInfo(pDC, rect, nSpctmClass, nDataKind);
  return 1;
}

int CMEGSpctmDrawqv::showSpctmMC(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  if (!updateMEGData()) return 0;
  if (pDC) pDC->FillSolidRect(rect, m_crBackground);
  _calculateColumnBlockH(pDC, rect, nSpctmClass, nDataKind);
  // The layout above used the whole rectangle; everything after it is placed from x = 0.
  rect.left = 0;
  _drawColumnChannelBaseLine(pDC, rect, nSpctmClass, nDataKind);
  _drawColumnChannelName(pDC, rect, nSpctmClass, nDataKind);
  const int columns = drawnColumns(rect);
  for (int c = 0; c < columns; ++c) _drawTimeDmnScaleBar(pDC, columnPlotRect(c, rect), nSpctmClass, nDataKind);
  drawColumnSpctmB(pDC, rect, nSpctmClass, nDataKind);
  for (int c = 0; c < columns; ++c) drawSpctmSelectLine(pDC, columnPlotRect(c, rect), nSpctmClass, nDataKind);
  return 1;
}

int CMEGSpctmDrawqv::showSpctmContourMap(CDC* pDC, int x0, int y0, int x1, int y1, CSpctmChnlqv* pSpctmChnl,
                                         int nSpctmClass, int nDataKind) {
  m_nWinTimeEnd = spctmdraw::bounded(m_nWinTimeBegin) + (std::int64_t{x1} - x0);
  if (m_bStdRender) {
    if (m_bPolarity)
      return drawSpctmContourmap02PolarityValue(pDC, x0, y0, x1, y1, pSpctmChnl, nSpctmClass, nDataKind);
    return drawSpctmContourmap01AbsoluteValue(pDC, x0, y0, x1, y1, pSpctmChnl, nSpctmClass, nDataKind);
  }
  if (m_nViewMode == 0 || m_nViewMode == 1)
    return drawSpctmContourmapWinView(pDC, x0, y0, x1, y1, pSpctmChnl, nSpctmClass, nDataKind);
  return drawSpctmContourmapPeakView(pDC, x0, y0, x1, y1, pSpctmChnl, nSpctmClass, nDataKind);
}

int CMEGSpctmDrawqv::showSpctmColorScale(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind, int nSteps) {
  if (m_bHorzColorScale) {
    drawSpctmColorScaleStdHrz(pDC, CRect(rect.left, rect.bottom - 20, rect.right, rect.bottom), nSpctmClass,
                              nDataKind, nSteps);
    return 1;
  }
  const CRect strip(rect.right - 90, rect.top, rect.right - 60, rect.bottom);
  if (m_bStdRender)
    drawSpctmColorScaleStdVtc(pDC, strip, nSpctmClass, nDataKind, nSteps);
  else
    drawSpctmColorScalePro(pDC, strip, nSpctmClass, nDataKind, nSteps);
  return 1;
}

int CMEGSpctmDrawqv::getChnl_TimeFreqPts4MouseInMC(CDC* /*pDC*/, CPoint point, CRect rect, std::int64_t& timePt,
                                                   std::int64_t& value, int /*nSpctmClass*/, int /*nDataKind*/) {
  if (!updateMEGData()) return -1;
  const std::int64_t N = m_pTrial->getTotalChannel();
  const std::int64_t x = point.x, y = point.y;
  const std::int64_t w = spctmdraw::toInt(m_nColumnNameWidth);
  const std::int64_t h = m_nRowHeight;

  const int column = columnAt(x, rect.left);
  ColumnWalk walk(*this, rect.left);
  if (column >= 0) {
    timePt = (x - columnPlotLeft(column, rect.left)) + spctmdraw::bounded(m_nWinTimeBegin);
    // The first shown channel whose row holds y, right of the name width past its
    // column's plot left; channels at the same row of different columns match alike.
    for (std::int64_t j = 0; j < N; ++j) {
      if (!m_pSession->isShowChnl4Alltrials(j)) continue;
      const std::int64_t e = walk.baseLine();
      if (e - h <= y && y <= e && x - walk.plotLeft() > w) {
        value = spctmdraw::bounded(m_nWinFreqBegin) + (e - y);
        return 1;
      }
      walk.next();
    }
    return 1;
  }

  // Outside every plot: the names stand below their base lines, so a point up to a row
  // height under a base line (and not beyond the name width right of the plot left) picks
  // that channel.
  for (std::int64_t j = 0; j < N; ++j) {
    if (!m_pSession->isShowChnl4Alltrials(j)) continue;
    if (y - walk.baseLine() <= h && x - walk.plotLeft() <= w) {
      m_nHitRow = spctmdraw::toInt(walk.row());
      m_pTrial->setCurrentChannel(j);
      timePt = j;
      return 2;
    }
    walk.next();
  }
  return 1;
}

int CMEGSpctmDrawqv::getSampleID4MouseSpctmX(CDC* /*pDC*/, CPoint point, CRect rect, std::int64_t& timePt,
                                             std::int64_t& freqPt, int nSpctmClass, int nDataKind) {
  timePt = 0;
  freqPt = 0;
  if (!updateMEGData() || !m_pTrial->getAllChannelPt()) return 0;
  CMDChannelqv* channel = m_pTrial->getChannel(m_pTrial->getCurntChnlIndx());
  if (!channel) return 0;
  const CSpctmChnlqv* spctmChnl = channel->getSpctmChnl(false, nSpctmClass);
  if (!spctmChnl) return 0;
  std::int64_t T = 0, F = 0;
  if (!spctmChnl->getSpctmDataPtr(nDataKind, &T, &F)) return 0;

  const std::int64_t x0 = spctmdraw::truncI64(rect.left + static_cast<double>(rect.Width() - T) * 0.5);
  const std::int64_t y0 = spctmdraw::truncI64(rect.bottom - static_cast<double>(rect.Height() - F) * 0.5);
  const std::int64_t x = point.x, y = point.y;
  if (x <= x0)
    timePt = 0;
  else if (x < x0 + T)
    timePt = x - x0;
  else
    timePt = T - 1;
  if (y >= y0)
    freqPt = 0;
  else if (y > y0 - F)
    freqPt = y0 - y;
  else
    freqPt = F - 1;
  return 1;
}
