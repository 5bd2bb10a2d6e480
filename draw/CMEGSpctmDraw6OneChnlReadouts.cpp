// The single-channel renderer's selection read-outs (the inverted box, its cross-hair and
// texts, the axis-end labels, the data source title) and its rulers with their end labels.
#include "draw/CMEGSpctmDraw6OneChnl.h"

#include <algorithm>
#include <utility>

#include "draw/DcHelpers.h"
#include "platform/gdi/DcStateScope.h"

using spctmdraw::bounded;
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

  DcStateScope scope(dc);
  scope.font(m_pFont).pen(&m_penBlack).textColor(m_crText);
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

  DcStateScope scope(dc);
  scope.font(m_pFont).pen(&m_penBlack).textColor(m_crText);
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
