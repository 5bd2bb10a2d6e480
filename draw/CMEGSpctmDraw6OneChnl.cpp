// The single-channel renderer's spectrogram raster: the data source's array, placed and
// coloured square by square, and the conversions between bins and picture pixels. The
// selection read-outs and rulers are in CMEGSpctmDraw6OneChnlReadouts.cpp, the waveform
// strip in CMEGSpctmDraw6OneChnlWave.cpp.
#include "draw/CMEGSpctmDraw6OneChnl.h"

#include <algorithm>

#include "draw/DcHelpers.h"
#include "draw/SpctmColorRules.h"
#include "platform/gdi/DcStateScope.h"

namespace {

// Zooms beyond the largest surface side cannot show more than one square; refusing them
// (and NaN) keeps every coordinate computation far from overflow.
constexpr double kMaxZoom = PixelSurface::kMaxSide;

}  // namespace

int CMEGSpctmDraw6OneChnl::drawOneSpctmColumn(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  if (pDC) pDC->FillSolidRect(rect, m_crBackground);
  if (m_nViewMode == 0 || m_nViewMode == 1) return drawOneSpctmColumnWindView(pDC, rect, nSpctmClass, nDataKind);
  return drawOneSpctmColumnPeakView(pDC, rect, nSpctmClass, nDataKind);
}

int CMEGSpctmDraw6OneChnl::drawOneSpctmColumnWindView(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  CMDChannelqv* channel = nullptr;
  const CSpctmTrialqv* spctmTrial = oneChnlSpctmTrial(pDC, nSpctmClass, channel);
  if (!spctmTrial) return 0;
  const CSumChnlSpctmData* summary = spctmTrial->getSumChnlSpctmData(nDataKind);
  if (!summary) return 0;
  // An empty summary is rebuilt by the host, so the window view never shows a stale blank.
  if (summary->getTimePt() < 1 || summary->getFreqPt() < 1) {
    summary = m_pSession->computTrialSpctm(m_pTrial, false, false, false, false, nSpctmClass, nDataKind);
    if (!summary || summary->getTimePt() < 1 || summary->getFreqPt() < 1) return 0;
  }
  if (!channel->getSpctmChnl(false, nSpctmClass)) return 0;
  const SpctmBins bins = oneChnlSourceBins(nSpctmClass, nDataKind);
  if (!bins.values) return 0;
  return drawOneSpctmBins(pDC, rect, bins, spctmdraw::windowColour(*this, spctmdraw::WindowMiddle::Centre));
}

int CMEGSpctmDraw6OneChnl::drawOneSpctmColumnPeakView(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  CMDChannelqv* channel = nullptr;
  const CSpctmTrialqv* spctmTrial = oneChnlSpctmTrial(pDC, nSpctmClass, channel);
  if (!spctmTrial || !spctmTrial->getSumChnlSpctmData(nDataKind)) return 0;
  const SpctmBins bins = oneChnlSourceBins(nSpctmClass, nDataKind);
  if (!bins.values) return 0;
  return drawOneSpctmBins(pDC, rect, bins, spctmdraw::peakColour(*this, spctmdraw::PeakCentre::ByViewMode));
}

CSpctmTrialqv* CMEGSpctmDraw6OneChnl::oneChnlSpctmTrial(CDC* pDC, int nSpctmClass, CMDChannelqv*& channel) {
  if (!pDC || !updateMEGData()) return nullptr;
  channel = m_pTrial->getChannel(-1);
  if (!channel) return nullptr;
  return m_pTrial->getSpctmTrial(false, nSpctmClass);
}

CMEGSpctmDraw6OneChnl::SpctmBins CMEGSpctmDraw6OneChnl::oneChnlSourceBins(int nSpctmClass, int nDataKind) const {
  SpctmBins bins;
  bins.values = m_pTrial->sourceArray(m_nDataSource, -1, nSpctmClass, nDataKind, bins.T, bins.F);
  return bins;
}

template <class Colour>
int CMEGSpctmDraw6OneChnl::drawOneSpctmBins(CDC* pDC, CRect rect, const SpctmBins& bins, const Colour& colour) {
  const std::int64_t L = rect.left, T0 = rect.top, R = rect.right, B = rect.bottom;
  // Placement compares the counts with the rectangle at one pixel per bin, whatever the
  // zoom: the picture is centred as it would be at zoom 1.
  if (m_bRecentre) {
    const std::int64_t W = R - L, H = B - T0;
    if (bins.T <= W) {
      m_nOriginX = static_cast<std::int64_t>(static_cast<double>(L) + static_cast<double>(W - bins.T) * 0.5);
    } else {
      m_nOriginX = L;
      if (m_nWinTimeBegin > 0) m_nFirstTime = m_nWinTimeBegin;
    }
    if (bins.F <= H) {
      m_nOriginY = static_cast<std::int64_t>(static_cast<double>(B) - static_cast<double>(H - bins.F) * 0.5);
    } else {
      m_nOriginY = B;
      if (m_nWinFreqBegin > 0) m_nFirstFreq = m_nWinFreqBegin;
    }
    m_bRecentre = false;
  }

  DcStateScope scope(*pDC);
  scope.textColor(m_crText).pen(&m_penBlack).font(m_pFont);
  pDC->MoveTo(spctmdraw::toInt(m_nOriginX), spctmdraw::toInt(m_nOriginY));

  const double z = m_dZoom;
  if (z >= -kMaxZoom && z <= kMaxZoom) {
    const int side = static_cast<int>(z);
    const double originX = static_cast<double>(m_nOriginX), originY = static_cast<double>(m_nOriginY);
    const double firstTime = static_cast<double>(m_nFirstTime), firstFreq = static_cast<double>(m_nFirstFreq);
    for (std::int64_t t = std::max<std::int64_t>(m_nFirstTime, 0); t < bins.T; ++t) {
      const std::int64_t x = spctmdraw::truncI64(originX + (static_cast<double>(t) - firstTime) * z);
      if (x < L) continue;
      if (x > R) break;
      const double* column = bins.values + t * bins.F;
      for (std::int64_t f = std::max<std::int64_t>(m_nFirstFreq, 0); f < bins.F; ++f) {
        const std::int64_t y = spctmdraw::truncI64(originY - (static_cast<double>(f) - firstFreq) * z);
        if (y > B) continue;
        if (y < T0) break;
        pDC->FillSolidRect(static_cast<int>(x), static_cast<int>(y), side, side, colour(column[f]));
      }
    }
  }

  // The context is handed back with a white background colour, whatever the caller had.
  pDC->SetBkColor(RGB(255, 255, 255));
  return 1;
}

// The three rule types cover the four colourings of the single-channel renderers.
template int CMEGSpctmDraw6OneChnl::drawOneSpctmBins(CDC*, CRect, const SpctmBins&, const spctmdraw::WindowColour&);
template int CMEGSpctmDraw6OneChnl::drawOneSpctmBins(CDC*, CRect, const SpctmBins&, const spctmdraw::PeakColour&);
template int CMEGSpctmDraw6OneChnl::drawOneSpctmBins(CDC*, CRect, const SpctmBins&,
                                                     const spctmdraw::MagnitudeColour&);

// ---- Bins and picture pixels -------------------------------------------------------------

using spctmdraw::bounded;
using spctmdraw::truncBounded;
using spctmdraw::truncI64;

std::int64_t CMEGSpctmDraw6OneChnl::pictureX(std::int64_t t) const {
  return truncBounded(static_cast<double>(bounded(t) - bounded(m_nFirstTime)) * m_dZoom +
                      static_cast<double>(m_nOriginX));
}

std::int64_t CMEGSpctmDraw6OneChnl::pictureY(std::int64_t f) const {
  return truncBounded(static_cast<double>(m_nOriginY) -
                      static_cast<double>(bounded(f) - bounded(m_nFirstFreq)) * m_dZoom);
}

int CMEGSpctmDraw6OneChnl::getSpctmOneSelect4MousePt(CPoint point, std::int64_t& timePt,
                                                     std::int64_t& freqPt, int /*cls*/, int /*kind*/) {
  if (updateMEGData() == 0) return 0;
  const double x = static_cast<double>(point.x);
  const double y = static_cast<double>(point.y);
  timePt = truncI64((x - static_cast<double>(m_nOriginX)) / m_dZoom + static_cast<double>(m_nFirstTime));
  freqPt = truncI64((static_cast<double>(m_nOriginY) - y) / m_dZoom + static_cast<double>(m_nFirstFreq));
  return 1;
}

int CMEGSpctmDraw6OneChnl::linkContourmap2OneShow() { return 1; }
