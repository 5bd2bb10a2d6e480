#include "draw/CMEGSpctmDraw2Bkgrnd.h"

#include <algorithm>
#include <limits>

#include "draw/DcHelpers.h"
#include "platform/gdi/DcStateScope.h"

using spctmdraw::bounded;
using spctmdraw::toInt;
using spctmdraw::textExtent;
using spctmdraw::textOut;
using spctmdraw::truncI64;

namespace {

// Label of the scale bar's ends: kilohertz from 1000 Hz up.
std::wstring scaleBarLabel(double hz) {
  return hz >= 1000.0 ? formatText(L"%0.3fkHz", hz / 1000.0) : formatText(L"%0.3fHz", hz);
}

}  // namespace

CSpctmTrialqv* CMEGSpctmDraw2Bkgrnd::refreshSpctmTrial(int cls) {
  if (updateMEGData() == 0) return nullptr;
  return m_pTrial->getSpctmTrial(false, cls);
}

// ---- Colour-scale legends ----------------------------------------------------------------

bool CMEGSpctmDraw2Bkgrnd::canDrawColorScale(CDC* pDC, const CRect& rect) {
  if (pDC == nullptr || updateMEGData() == 0) return false;
  if (m_pTrial->getAllChannelPt() == nullptr) return false;
  return rect.Width() >= 5 && rect.Height() >= 5;
}

CMEGSpctmDraw2Bkgrnd::ScaleBars CMEGSpctmDraw2Bkgrnd::drawScaleBars(CDC& dc, const CRect& rect,
                                                                    int steps, bool horizontal,
                                                                    ScaleTables tables) const {
  ScaleBars bars;
  // n even and at least 6; counts too large for a bar of one pixel are all equivalent.
  const std::int64_t n = std::max<std::int64_t>(steps % 2 != 0 ? std::int64_t{steps} + 1 : steps, 6);
  bars.n = static_cast<int>(std::min<std::int64_t>(n, std::numeric_limits<int>::max() - 1));
  const int side = horizontal ? rect.Width() : rect.Height();
  bars.b = (side / bars.n) / 2;
  bars.base = side / 2;
  for (int i = 0; bars.b > 0 && i < bars.n; ++i) {
    const COLORREF color = scaleBarColor(tables, i, bars.n);
    if (horizontal) {
      dc.FillSolidRect(bars.base + i * bars.b, rect.top, bars.b, rect.Height(), color);
    } else {
      dc.FillSolidRect(rect.left, bars.base - i * bars.b, rect.Width(), bars.b, color);
    }
  }
  // Each fill leaves its colour as the background colour; the labels that follow are
  // written on the legend's text background colour, as the legend selected it on entry.
  dc.SetBkColor(m_crTextBk);
  return bars;
}

COLORREF CMEGSpctmDraw2Bkgrnd::scaleBarColor(ScaleTables tables, int i, int n) const {
  if (tables == ScaleTables::kSingle) {
    const int s = singleTableSize(m_nColorDepth);
    return singleTable(m_nColorDepth)[std::clamp(i * (s / n), 0, s - 1)];
  }
  // Lower half: strongest negative at bar 0 fading to bar h; upper half: positive growing.
  const int s = polarityTableSize(m_nColorDepth);
  const int h = n / 2;
  const int step = s / h;
  if (i > h) return positiveTable(m_nColorDepth)[std::clamp((i - h) * step, 0, s - 1)];
  return negativeTable(m_nColorDepth)[std::clamp((h - i) * step, 0, s - 1)];
}

void CMEGSpctmDraw2Bkgrnd::drawStackLabel(CDC& dc, const CRect& rect, const ScaleBars& bars,
                                          bool horizontal, double offset, double value) {
  const std::wstring text = formatText(L"%.3f", value);
  if (horizontal) {
    const std::int64_t x = truncI64(bars.base + offset);
    textOut(dc, x, std::int64_t{rect.top} - textExtent(dc, text).cy, text);
  } else {
    textOut(dc, std::int64_t{rect.right} + 7, truncI64(bars.base - offset), text);
  }
}

int CMEGSpctmDraw2Bkgrnd::drawSpctmColorScalePro(CDC* pDC, CRect rect, int /*cls*/, int /*kind*/,
                                                 int steps) {
  if (!canDrawColorScale(pDC, rect)) return 0;
  DcStateScope scope(*pDC);
  scope.font(m_pFont).pen(&m_penBlack).textColor(m_crText).bkColor(m_crTextBk);
  const bool windowView = m_nViewMode == 0 || m_nViewMode == 1;
  const ScaleBars bars = drawScaleBars(*pDC, rect, steps, false,
                                       windowView ? ScaleTables::kSingle : ScaleTables::kPolarity);
  const double top = static_cast<double>(bars.n - 1) * bars.b;
  drawStackLabel(*pDC, rect, bars, false, top, windowView ? m_dColorMax : m_dOuterMax);
  drawStackLabel(*pDC, rect, bars, false, 0.0, windowView ? m_dColorMin : m_dOuterMin);
  return 1;
}

int CMEGSpctmDraw2Bkgrnd::drawSpctmColorScaleStdVtc(CDC* pDC, CRect rect, int /*cls*/,
                                                    int /*kind*/, int steps) {
  return drawStdColorScale(pDC, rect, steps, false);
}

int CMEGSpctmDraw2Bkgrnd::drawSpctmColorScaleStdHrz(CDC* pDC, CRect rect, int /*cls*/,
                                                    int /*kind*/, int steps) {
  return drawStdColorScale(pDC, rect, steps, true);
}

int CMEGSpctmDraw2Bkgrnd::drawStdColorScale(CDC* pDC, const CRect& rect, int steps, bool horizontal) {
  if (!canDrawColorScale(pDC, rect)) return 0;
  DcStateScope scope(*pDC);
  scope.font(m_pFont).pen(&m_penBlack).textColor(m_crText).bkColor(m_crTextBk);
  const ScaleBars bars = drawScaleBars(*pDC, rect, steps, horizontal,
                                       m_bPolarity ? ScaleTables::kPolarity : ScaleTables::kSingle);
  const double b = bars.b;
  const double n = bars.n;
  const double share = m_dStdMin / m_dStdMax;
  auto label = [&](double offset, double value) { drawStackLabel(*pDC, rect, bars, horizontal, offset, value); };
  label((n - 1) * b, m_dStdMax);
  if (!m_bPolarity) {
    // The minimum at its share of the stack; zero one bar below a vertical stack's base,
    // at the base of a horizontal one.
    label(share * (n - 1) * b, m_dStdMin);
    label(horizontal ? 0.0 : -b, 0.0);
    return 1;
  }
  // Both halves mirrored about bar h; only the horizontal legend marks zero at its middle.
  const double h = n / 2;
  const double k = static_cast<double>(truncI64(share * h));
  label((h + k) * b, m_dStdMin);
  if (horizontal) label(h * b, 0.0);
  label((h - k) * b, -m_dStdMin);
  label(0.0, -m_dStdMax);
  return 1;
}

// ---- Frequency scale bar -----------------------------------------------------------------

int CMEGSpctmDraw2Bkgrnd::drawSpctmScaleBar(CDC* pDC, CRect /*rect*/, int cls, int /*kind*/) {
  if (pDC == nullptr) return 0;
  CSpctmTrialqv* spctm = refreshSpctmTrial(cls);
  if (spctm == nullptr) return 0;
  DcStateScope scope(*pDC);
  scope.font(m_pFont).pen(&m_penScale).textColor(m_crText).bkColor(m_crTextBk);
  double low = 0.0;
  double high = 0.0;
  if (spctm->getSpctmFreqRangeHz(low, high) == 0) {
    textOut(*pDC, 0, 0, L"Get spectrum frequency range error");
    return 0;
  }
  const std::int64_t F = spctm->getTrialSpctmFreqPt();
  textOut(*pDC, 4, 2, scaleBarLabel(high));
  pDC->MoveTo(2, 2);
  pDC->LineTo(2, toInt(F + 2));
  textOut(*pDC, 4, F - 10, scaleBarLabel(low));
  return 1;
}

// ---- Selection band ----------------------------------------------------------------------

int CMEGSpctmDraw2Bkgrnd::drawSpctmSelectLine(CDC* pDC, CRect rect, int cls, int kind) {
  if (pDC == nullptr || updateMEGData() == 0) return 0;
  DcStateScope scope(*pDC);
  scope.font(m_pFont).pen(&m_penSelect).textColor(m_crText).bkColor(m_crTextBk);
  CSpctmTrialqv* spctm = m_pTrial->getSpctmTrial(false, cls);
  if (spctm == nullptr) return 0;

  std::int64_t t0 = 0;
  std::int64_t t1 = 0;
  spctm->getTrialSpctmSelectTime(t0, t1);
  const std::int64_t W = rect.Width();
  // One pixel per time point of the draw window; points outside stick to the edges.
  auto toX = [&](std::int64_t v) -> std::int64_t {
    if (v < 1) return rect.left;
    if (v < W) return rect.left + v;
    return rect.right;
  };
  const std::int64_t begin = bounded(m_nWinTimeBegin);
  const std::int64_t xa = toX(bounded(t0) - begin);
  const std::int64_t xc = toX(bounded(t1) - begin);
  m_nSelectLineX = xa;
  const int bandLeft = toInt(xa);
  const int bandRight = toInt(xc > xa ? xc : xa + 1);
  const CRect band(bandLeft, rect.top, bandRight, rect.bottom);
  pDC->InvertRect(&band);

  double ms0 = 0.0;
  double ms1 = 0.0;
  m_pSession->getTrialSpctmSelectTime2LatencyMsec(ms0, ms1, cls, kind);
  const std::wstring text = (ms0 <= 1000.0 || ms1 <= 1000.0)
                                ? formatText(L"%0.3f->%0.3f ms", ms0, ms1)
                                : formatText(L"%0.3f->%0.3f s", ms0 / 1000.0, ms1 / 1000.0);
  textOut(*pDC, m_nSelectLineX + textExtent(*pDC, text).cx / 2, 0, text);
  return 1;
}

// ---- Draw window -------------------------------------------------------------------------

int CMEGSpctmDraw2Bkgrnd::addDrawBeginSampleIDXSpctm(std::int64_t delta, int cls, int /*kind*/) {
  CSpctmTrialqv* spctm = refreshSpctmTrial(cls);
  if (spctm == nullptr) return 0;
  const std::int64_t T = spctm->getTrialSpctmTimePt();
  const std::int64_t v = bounded(m_nWinTimeBegin) + bounded(delta);
  m_nWinTimeBegin = v < T ? std::max<std::int64_t>(v, 0) : T - 1;
  return toInt(m_nWinTimeBegin);
}
