#include "draw/CMEGSpctmDraw6OneChnl.h"

#include <algorithm>

#include "draw/DcHelpers.h"
#include "draw/SpctmColorRules.h"

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
  const CSpctmChnlqv* spctmChnl = channel->getSpctmChnl(false, nSpctmClass);
  if (!spctmChnl) return 0;
  const SpctmBins bins = oneChnlSourceBins(summary, spctmChnl, nDataKind);
  if (!bins.values) return 0;
  return drawOneSpctmBins(pDC, rect, bins, spctmdraw::windowColour(*this, spctmdraw::WindowMiddle::Centre));
}

int CMEGSpctmDraw6OneChnl::drawOneSpctmColumnPeakView(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  CMDChannelqv* channel = nullptr;
  const CSpctmTrialqv* spctmTrial = oneChnlSpctmTrial(pDC, nSpctmClass, channel);
  if (!spctmTrial) return 0;
  const CSumChnlSpctmData* summary = spctmTrial->getSumChnlSpctmData(nDataKind);
  if (!summary) return 0;
  const SpctmBins bins = oneChnlSourceBins(summary, channel->getSpctmChnl(false, nSpctmClass), nDataKind);
  if (!bins.values) return 0;
  return drawOneSpctmBins(pDC, rect, bins, spctmdraw::peakColour(*this, spctmdraw::PeakCentre::ByViewMode));
}

CSpctmTrialqv* CMEGSpctmDraw6OneChnl::oneChnlSpctmTrial(CDC* pDC, int nSpctmClass, CMDChannelqv*& channel) {
  if (!pDC || !updateMEGData()) return nullptr;
  channel = m_pTrial->getChannel(-1);
  if (!channel) return nullptr;
  return m_pTrial->getSpctmTrial(false, nSpctmClass);
}

CMEGSpctmDraw6OneChnl::SpctmBins CMEGSpctmDraw6OneChnl::oneChnlSourceBins(const CSumChnlSpctmData* summary,
                                                                          const CSpctmChnl* spctmChnl,
                                                                          int nDataKind) const {
  SpctmBins bins;
  if (m_nDataSource == 0) {
    if (spctmChnl) bins.values = spctmChnl->getSpctmDataPtr(nDataKind, &bins.T, &bins.F);
  } else if (summary && m_nDataSource <= 6) {
    bins.values = summary->getArray4DataSource(m_nDataSource);
    bins.T = summary->getTimePt();
    bins.F = summary->getFreqPt();
  }
  if (!bins.values) bins = SpctmBins{};
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

  const COLORREF oldText = pDC->SetTextColor(m_crText);
  CPen* oldPen = pDC->SelectObject(&m_penBlack);
  CFont* oldFont = pDC->SelectObject(m_pFont);
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

  pDC->SelectObject(oldPen);
  pDC->SetBkColor(RGB(255, 255, 255));
  pDC->SetTextColor(oldText);
  pDC->SelectObject(oldFont);
  return 1;
}

// The three rule types cover the four colourings of the single-channel renderers.
template int CMEGSpctmDraw6OneChnl::drawOneSpctmBins(CDC*, CRect, const SpctmBins&, const spctmdraw::WindowColour&);
template int CMEGSpctmDraw6OneChnl::drawOneSpctmBins(CDC*, CRect, const SpctmBins&, const spctmdraw::PeakColour&);
template int CMEGSpctmDraw6OneChnl::drawOneSpctmBins(CDC*, CRect, const SpctmBins&,
                                                     const spctmdraw::MagnitudeColour&);

// ---- Selection read-outs, measures and waveform strip -------------------------------------

using spctmdraw::bounded;
using spctmdraw::DcAttributeScope;
using spctmdraw::firstStepAtOrAfter;
using spctmdraw::textExtent;
using spctmdraw::textOut;
using spctmdraw::toInt;
using spctmdraw::truncBounded;
using spctmdraw::truncI64;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// Axis-end latency: seconds from 1000 ms up, so negative latencies stay in milliseconds.
std::wstring latencyLabel(double ms) {
  return ms < 1000.0 ? formatText(L"%0.3f ms", ms) : formatText(L"%0.3f s", ms / 1000.0);
}

std::wstring frequencyText(double hz, bool kHz) {
  return kHz ? formatText(L"%0.3f kHz", hz / 1000.0) : formatText(L"%0.3f Hz", hz);
}

// Axis-end frequency of the read-out: kilohertz from 1000 Hz up.
std::wstring frequencyLabel(double hz) { return frequencyText(hz, hz >= 1000.0); }

// Inverts the rectangle spanned from the begin pixel (x0, y0) towards (x1, y1), end
// column and row excluded. An end before its begin turns the span around the begin pixel,
// so the begin pixel always belongs to the box when it is not empty.
void invertFromCorner(CDC& dc, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  auto span = [](std::int64_t a0, std::int64_t a1) {
    return a1 >= a0 ? std::pair{a0, a1} : std::pair{a1 + 1, a0 + 1};
  };
  const auto [left, right] = span(x0, x1);
  const auto [top, bottom] = span(y0, y1);
  const CRect box(toInt(left), toInt(top), toInt(right), toInt(bottom));
  dc.InvertRect(&box);
}

}  // namespace

std::int64_t CMEGSpctmDraw6OneChnl::pictureX(std::int64_t t) const {
  return truncBounded(static_cast<double>(bounded(t) - bounded(m_nFirstTime)) * m_dZoom +
                      static_cast<double>(m_nOriginX));
}

std::int64_t CMEGSpctmDraw6OneChnl::pictureY(std::int64_t f) const {
  return truncBounded(static_cast<double>(m_nOriginY) -
                      static_cast<double>(bounded(f) - bounded(m_nFirstFreq)) * m_dZoom);
}

std::wstring CMEGSpctmDraw6OneChnl::dataSourceTitle() const {
  static const wchar_t* const kGroupTitles[] = {L"Group Mean",       L"Group Min",
                                                L"Group Max",        L"Average Positive",
                                                L"Average Negative", L"RMS-sign"};
  if (m_nDataSource == 0) return m_pTrial->getChannelName(-1);
  if (m_nDataSource >= 1 && m_nDataSource <= 6) return kGroupTitles[m_nDataSource - 1];
  return L"Unknown";
}

int CMEGSpctmDraw6OneChnl::drawOneSpctmSelectInfo(CDC* pDC, CRect rect, int cls, int kind) {
  if (pDC == nullptr) return 0;
  CSpctmTrialqv* spctm = refreshSpctmTrial(cls);
  if (spctm == nullptr) return 0;
  return spctm->isAccumSpctm() != 0 ? drawOneSpctmSelectInfo_Acum(pDC, rect, cls, kind)
                                    : drawOneSpctmSelectInfo_RTcw(pDC, rect, cls, kind);
}

int CMEGSpctmDraw6OneChnl::drawOneSpctmSelectInfo_RTcw(CDC* pDC, CRect rect, int cls, int kind) {
  return drawSelectInfo(pDC, rect, cls, kind, false);
}

int CMEGSpctmDraw6OneChnl::drawOneSpctmSelectInfo_Acum(CDC* pDC, CRect rect, int cls, int kind) {
  return drawSelectInfo(pDC, rect, cls, kind, true);
}

int CMEGSpctmDraw6OneChnl::drawSelectInfo(CDC* pDC, const CRect& rect, int cls, int kind,
                                          bool accumulated) {
  if (pDC == nullptr) return 0;
  CSpctmTrialqv* spctm = refreshSpctmTrial(cls);
  if (spctm == nullptr) return 0;
  CDC& dc = *pDC;
  const std::int64_t L = rect.left;
  const std::int64_t T0 = rect.top;
  const std::int64_t R = rect.right;
  const std::int64_t B = rect.bottom;

  // Selection box corners; the edge tests compare with the size, not with L and T0.
  std::int64_t tb = 0, te = 0, fb = 0, fe = 0;
  spctm->getTrialSpctmSelectTime(tb, te);
  spctm->getTrialSpctmSelectFreq(fb, fe);
  auto clampX = [&](std::int64_t x) { return x <= 0 ? L : (x >= R - L ? R : x); };
  auto clampY = [&](std::int64_t y) { return y <= 0 ? T0 : (y >= B - T0 ? B : y); };
  const std::int64_t xb = clampX(pictureX(tb));
  const std::int64_t xe = clampX(pictureX(te));
  const std::int64_t yb = clampY(pictureY(fb));
  const std::int64_t ye = clampY(pictureY(fe));

  DcAttributeScope attributes(dc, m_pFont, &m_penBlack, m_crText);
  invertFromCorner(dc, xb, yb, xe, ye);

  if (m_bShowSelect) {
    const CRect column(toInt(xb), rect.top, toInt(xb + 1), rect.bottom);
    const CRect row(rect.left, toInt(yb), rect.right, toInt(yb + 1));
    dc.InvertRect(&column);
    dc.InvertRect(&row);

    double sum = 0.0;
    std::int64_t points = 0;
    m_pTrial->getSelectSpctmValueX_PhyVirt(m_nDataSource, -1, -1, -1, -1, -1, sum, points, cls, kind);
    std::wstring timeText;
    if (accumulated) {
      timeText = formatText(L"%I64d->%I64d (sum/points =  %0.3f/%d)", tb, te, sum, toInt(points));
    } else {
      double ms0 = 0.0, ms1 = 0.0;
      m_pSession->getTrialSpctmSelectTime2LatencyMsec(ms0, ms1, cls, kind);
      timeText = (ms0 > 1000.0 && ms1 > 1000.0)
                     ? formatText(L"%0.3f->%0.3f s  (sum/points =  %0.3f/%d)", ms0 / 1000.0,
                                  ms1 / 1000.0, sum, toInt(points))
                     : formatText(L"%0.3f->%0.3f ms (sum/points =  %0.3f/%d)", ms0, ms1, sum,
                                  toInt(points));
    }
    textOut(dc, xb + 6, T0, timeText);

    double hz0 = 0.0, hz1 = 0.0;
    spctm->getTrialSpctmSelectFreqHz(hz0, hz1);
    const std::wstring freqText = hz0 > 1000.0
                                      ? formatText(L"%0.3f - %.3f kHz", hz0 / 1000.0, hz1 / 1000.0)
                                      : formatText(L"%0.3f - %.3f Hz", hz0, hz1);
    const CSize size = textExtent(dc, freqText);
    textOut(dc, R - size.cx, truncI64(static_cast<double>(yb) - size.cy * 0.5), freqText);
  }

  if (m_bShowSelectInfo) {
    const std::int64_t T = spctm->getTrialSpctmTimePt();
    const std::int64_t F = spctm->getTrialSpctmFreqPt();
    const std::wstring start =
        accumulated ? formatText(L"Accum:%I64d", std::int64_t{0})
                    : latencyLabel(m_pSession->getLatencyMs4SpctmTimePt(0, cls, kind));
    textOut(dc, m_nOriginX, T0 + textExtent(dc, start).cy, start);

    const std::wstring end = accumulated
                                 ? formatText(L"%I64d", T)
                                 : latencyLabel(m_pSession->getLatencyMs4SpctmTimePt(T, cls, kind));
    const CSize endSize = textExtent(dc, end);
    std::int64_t x = pictureX(T);
    if (x > R) x = R - endSize.cx;
    textOut(dc, x, T0 + endSize.cy, end);

    textOut(dc, L, m_nOriginY, frequencyLabel(spctm->getSpctmFreq4FreqIndex(0)));
    textOut(dc, L, pictureY(F), frequencyLabel(spctm->getSpctmFreq4FreqIndex(F)));
  }

  if (m_bShowName) {
    // Device position 0 and the rectangle's height, whatever the rectangle's corner.
    textOut(dc, 0, 0, dataSourceTitle());
    const std::wstring origin = formatText(L"X:%I64d (Time:%I64d) Y:%I64d (Freq:%I64d)", m_nOriginX,
                                           m_nFirstTime, m_nOriginY, m_nFirstFreq);
    textOut(dc, 0, (B - T0) - textExtent(dc, origin).cy, origin);
  }

  dc.SetBkColor(kWhite);
  return 1;
}

int CMEGSpctmDraw6OneChnl::drawOneSpctmMeasures(CDC* pDC, CRect /*rect*/, int cls, int kind) {
  if (pDC == nullptr || updateMEGData() == 0 || m_pTrial->getChannel(-1) == nullptr) return 0;
  CSpctmTrialqv* spctm = m_pTrial->getSpctmTrial(false, cls);
  if (spctm == nullptr) return 0;
  CDC& dc = *pDC;

  const std::int64_t T = spctm->getTrialSpctmTimePt();
  const double lat0 = m_pSession->getLatencyMs4SpctmTimePt(0, cls, kind);
  const double latT = m_pSession->getLatencyMs4SpctmTimePt(T, cls, kind);
  const std::int64_t step = std::max<std::int64_t>(truncBounded(m_dZoom * 10.0), 2);
  // The rulers span the whole trial from the origin; the first drawn points are ignored.
  const double originX = static_cast<double>(m_nOriginX);
  const double originY = static_cast<double>(m_nOriginY);
  const std::int64_t xEnd = truncBounded(static_cast<double>(T) * m_dZoom + originX);
  const std::int64_t xStart = std::min(bounded(m_nOriginX), xEnd);
  const std::int64_t yAxis = bounded(m_nOriginY) + 12;

  DcAttributeScope attributes(dc, m_pFont, &m_penBlack, m_crText);
  dc.MoveTo(toInt(xStart), toInt(yAxis));
  dc.LineTo(toInt(xEnd), toInt(yAxis));
  // Ticks are walked only across the clip box: a zoom or origin from a settings file may
  // put millions of them off the surface.
  CRect clip;
  dc.GetClipBox(&clip);
  const std::int64_t xFirst = xStart + firstStepAtOrAfter(xStart, clip.left, step) * step;
  const std::int64_t xLast = std::min<std::int64_t>(xEnd, std::int64_t{clip.right} - 1);
  for (std::int64_t x = xFirst; x <= xLast; x += step) {
    dc.MoveTo(toInt(x), toInt(yAxis));
    dc.LineTo(toInt(x), toInt(yAxis - 6));
  }
  const std::wstring latText0 = latencyLabel(lat0);
  const std::wstring latTextT = latencyLabel(latT);
  textOut(dc, xStart, yAxis + textExtent(dc, latText0).cy, latText0);
  textOut(dc, xEnd, yAxis + textExtent(dc, latTextT).cy, latTextT);

  const std::int64_t F = spctm->getTrialSpctmFreqPt();
  const std::int64_t yEnd = truncBounded(originY - static_cast<double>(F) * m_dZoom);
  const std::int64_t yStart = std::max(bounded(m_nOriginY), yEnd);
  const std::int64_t xAxis = bounded(m_nOriginX) - 12;
  dc.MoveTo(toInt(xAxis), toInt(yStart));
  dc.LineTo(toInt(xAxis), toInt(yEnd));
  const std::int64_t yFirst = yStart - firstStepAtOrAfter(-yStart, 1 - std::int64_t{clip.bottom}, step) * step;
  const std::int64_t yLast = std::max<std::int64_t>(yEnd, clip.top);
  for (std::int64_t y = yFirst; y >= yLast; y -= step) {
    dc.MoveTo(toInt(xAxis), toInt(y));
    dc.LineTo(toInt(xAxis + 6), toInt(y));
  }
  // One unit for both labels, chosen by the lowest frequency.
  const double hz0 = spctm->getSpctmFreq4FreqIndex(0);
  const double hzF = spctm->getSpctmFreq4FreqIndex(F);
  const bool kHz = hz0 > 1000.0;
  const std::wstring freqText0 = frequencyText(hz0, kHz);
  const std::wstring freqTextF = frequencyText(hzF, kHz);
  textOut(dc, xAxis - textExtent(dc, freqText0).cx, yStart, freqText0);
  textOut(dc, xAxis - textExtent(dc, freqTextF).cx, yEnd, freqTextF);
  return 1;
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

  DcAttributeScope attributes(dc, m_pFont, &m_penScale, m_crText, m_crTextBk);
  dc.MoveTo(rect.left, baseline);
  dc.LineTo(rect.right, baseline);
  dc.SelectObject(&m_penBlack);
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

int CMEGSpctmDraw6OneChnl::linkContourmap2OneShow() { return 1; }
