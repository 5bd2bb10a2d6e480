// The single-channel renderer's waveform strip: the current channel's raw samples under
// the selection, at the spectrogram's time scale and the channel's display gain.
#include "draw/CMEGSpctmDraw6OneChnl.h"

#include <algorithm>

#include "draw/DcHelpers.h"
#include "platform/gdi/DcStateScope.h"

using spctmdraw::toInt;
using spctmdraw::truncI64;

int CMEGSpctmDraw6OneChnl::drawOneWaveColumn(CDC* pDC, CRect rect, int cls, int kind) {
  if (pDC == nullptr) return 0;
  CSpctmTrialqv* spctm = refreshSpctmTrial(cls);
  if (spctm == nullptr) return 0;
  if (spctm->isAccumSpctm() != 0) return 1;
  return drawOneWaveColumn_RTcw(pDC, rect, cls, kind);
}

int CMEGSpctmDraw6OneChnl::drawOneWaveColumn_RTcw(CDC* pDC, CRect rect, int cls, int /*kind*/) {
  if (pDC == nullptr || updateMEGData() == 0) return 0;
  CMDChannelqv* channel = m_pTrial->getChannel(-1);
  CSpctmTrialqv* spctm = m_pTrial->getSpctmTrial(false, cls);
  if (channel == nullptr || spctm == nullptr) return 0;
  std::int64_t b = 0;
  std::int64_t e = 0;
  if (spctm->getSelectBE4DrawWave(b, e) == 0) return 0;
  const double p = m_dZoom / static_cast<double>(spctm->getTrialSpctmTimeStep());
  const double* wave = channel->getDataWave();
  if (wave == nullptr) return 0;
  // The host cuts the range to the waveform; a shorter channel must not be read past.
  e = std::min(e, channel->getDataWaveLength() - 1);
  CDC& dc = *pDC;
  if (m_bRecentreWave != 0) {
    const std::int64_t height = std::int64_t{rect.bottom} - rect.top;
    m_nWaveOffsetY = truncI64(static_cast<double>(rect.bottom) - static_cast<double>(height) * 0.5);
    m_bRecentreWave = 0;
  }
  const int baseline = toInt(m_nWaveOffsetY);

  DcStateScope scope(dc);
  scope.font(m_pFont).pen(&m_penScale).textColor(m_crText).bkColor(m_crTextBk);
  dc.MoveTo(rect.left, baseline);
  dc.LineTo(rect.right, baseline);
  scope.pen(&m_penBlack);
  dc.MoveTo(toInt(m_nOriginX), baseline);
  const double originX = static_cast<double>(m_nOriginX);
  for (std::int64_t s = b; s <= e; ++s) {
    const std::int64_t x = truncI64(static_cast<double>(s - b) * p + originX);
    if (x > rect.right) break;
    const double gain = m_pSession->getShowZoomChnl(-1);
    std::int64_t y = truncI64(static_cast<double>(m_nWaveOffsetY) - gain * wave[s]);
    if (y > rect.bottom) y = rect.bottom;
    if (y < rect.top) y = rect.top;
    dc.LineTo(toInt(x), toInt(y));
  }
  return 1;
}
