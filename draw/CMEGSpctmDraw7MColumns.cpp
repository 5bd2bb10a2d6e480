#include "draw/CMEGSpctmDraw7MColumns.h"

#include <algorithm>

#include "draw/DcHelpers.h"
#include "draw/SpctmColorRules.h"
#include "platform/gdi/DcStateScope.h"

using spctmdraw::firstStepAtOrAfter;
using spctmdraw::toInt;

namespace {

constexpr COLORREF kCurrentChannelText = RGB(255, 0, 0);

// Layout lengths as device lengths: the 64-bit margins of a settings record may hold any
// value, and saturating them to int keeps every product and sum of the walk in range.
std::int64_t deviceLength(std::int64_t v) { return toInt(v); }

}  // namespace

std::int64_t CMEGSpctmDraw7MColumns::columnPlotLeft(std::int64_t c, std::int64_t left) const {
  const std::int64_t nameWidth = deviceLength(m_nColumnNameWidth);
  return c * (m_nColumnWidth + deviceLength(m_nColumnGap) + nameWidth) + nameWidth + deviceLength(left);
}

CRect CMEGSpctmDraw7MColumns::columnPlotRect(int c, const CRect& rect) const {
  const std::int64_t left = columnPlotLeft(c, rect.left);
  return CRect(toInt(left), rect.top, toInt(left + m_nColumnWidth), rect.bottom);
}

int CMEGSpctmDraw7MColumns::drawnColumns(const CRect& rect) const {
  const std::int64_t most = std::max<std::int64_t>(std::int64_t{rect.Width()} + 1, 0);
  return static_cast<int>(std::clamp<std::int64_t>(m_nColumns, 0, most));
}

int CMEGSpctmDraw7MColumns::columnAt(std::int64_t x, std::int64_t left) const {
  if (m_nColumns < 1) return -1;
  const std::int64_t w = m_nColumnWidth;
  std::int64_t a0 = columnPlotLeft(0, left);
  std::int64_t pitch = columnPlotLeft(1, left) - a0;
  if (pitch == 0) return a0 < x && x < a0 + w ? 0 : -1;
  // Found by arithmetic rather than by walking the columns, as a settings record may ask
  // for billions of them. Mirrored, plots moving left become plots moving right, each
  // keeping its open interval and its number.
  if (pitch < 0) {
    a0 = -(a0 + w);
    x = -x;
    pitch = -pitch;
  }
  // The first plot whose right edge lies past x holds x when its left edge lies before x;
  // no other can, the plots moving right.
  const std::int64_t n = x - w - a0;
  const std::int64_t c = std::max<std::int64_t>(n / pitch - (n % pitch < 0 ? 1 : 0) + 1, 0);
  return c < m_nColumns && a0 + c * pitch < x ? static_cast<int>(c) : -1;
}

std::int64_t CMEGSpctmDraw7MColumns::ColumnWalk::rowTop() const {
  return deviceLength(m_d.m_nColumnTopMargin) + m_row * m_d.m_nRowHeight;
}

void CMEGSpctmDraw7MColumns::ColumnWalk::next() {
  if (++m_row >= m_d.m_nRowsPerColumn) {
    m_row = 0;
    ++m_column;
  }
}

int CMEGSpctmDraw7MColumns::_calculateColumnBlockH(CDC* pDC, CRect rect, int /*nSpctmClass*/, int /*nDataKind*/) {
  if (!pDC || !updateMEGData() || !m_bShowChannelNames) return 0;
  const std::int64_t n = m_pSession->getTotalChnl_Visible(true);
  m_nVisibleChannels = toInt(n);
  if (n < 1 || m_nColumns < 1) return 0;
  const std::int64_t rows = std::max<std::int64_t>(n / m_nColumns + (n % m_nColumns ? 1 : 0), 1);
  const std::int64_t free = std::int64_t{rect.Height()} - deviceLength(m_nColumnTopMargin) -
                            deviceLength(m_nColumnBottomMargin);
  m_nRowsPerColumn = toInt(rows);
  m_nRowHeight = toInt(free / (rows + 1));
  m_nColumnWidth = toInt(std::int64_t{rect.Width()} / m_nColumns - deviceLength(m_nColumnNameWidth) -
                         deviceLength(m_nColumnGap));
  return 1;
}

int CMEGSpctmDraw7MColumns::_drawColumnChannelBaseLine(CDC* pDC, CRect rect, int /*nSpctmClass*/,
                                                      int /*nDataKind*/) {
  if (!pDC || !updateMEGData() || !m_bShowBaseLines) return 0;
  const std::int64_t n = m_pSession->getTotalChnl_Visible(true);
  DcStateScope scope(*pDC);
  scope.pen(&m_penSelect);
  ColumnWalk walk(*this, rect.left);
  for (std::int64_t i = 0; i < n; ++i, walk.next()) {
    pDC->MoveTo(toInt(walk.plotLeft()), toInt(walk.baseLine()));
    pDC->LineTo(toInt(walk.plotLeft() + m_nColumnWidth), toInt(walk.baseLine()));
  }
  return 1;
}

int CMEGSpctmDraw7MColumns::_drawColumnChannelName(CDC* pDC, CRect rect, int /*nSpctmClass*/, int /*nDataKind*/) {
  if (!pDC || !updateMEGData() || !m_bShowChannelNames) return 0;
  DcStateScope scope(*pDC);
  scope.font(m_pFont).pen(&m_penBlack).textColor(m_crText).bkColor(m_crTextBk);
  const std::int64_t current = m_pTrial->getCurntChnlIndx();
  ColumnWalk walk(*this, rect.left);
  for (std::int64_t j = 0; j < m_pTrial->getTotalChannel(); ++j) {
    if (!m_pSession->isShowChnl4Alltrials(j)) continue;
    const std::wstring name = m_pSession->getChnlName_PhycVirt(j, true);
    if (name.empty()) continue;
    scope.textColor(j == current ? kCurrentChannelText : m_crText);
    spctmdraw::textOut(*pDC, walk.plotLeft() - deviceLength(m_nColumnNameWidth), walk.baseLine(), name);
    walk.next();
  }
  return 1;
}

int CMEGSpctmDraw7MColumns::_drawTimeDmnScaleBar(CDC* pDC, CRect rect, int /*nSpctmClass*/, int /*nDataKind*/) {
  if (!pDC || !updateMEGData() || !m_bShowTimeGrid) return 0;
  // A step below 1 would never reach the right edge.
  if (m_nTimeGridStep < 1) return 0;
  // Line i stands at x = left + i·step. The counter k of the description runs 0, step,
  // 2·step, … over the minor lines; the first line that finds k ≥ the major interval is
  // solid and restarts it. So, with m = ⌈major / step⌉ minor lines before each solid one
  // (0 when the interval is not above 0), line i is solid when i ≥ m and i − m is a
  // multiple of m + 1. Counting lines this way lets the walk skip those outside the
  // device's clip box: a layout from a settings record may hand in a column billions of
  // pixels wide. A step beyond 2^33 leaves one line in any range of device coordinates,
  // so cutting it there keeps the products in range and changes nothing.
  const std::int64_t step = std::min<std::int64_t>(m_nTimeGridStep, std::int64_t{1} << 33);
  const std::int64_t major = m_nTimeGridMajor;
  const std::int64_t minorRun = major > 0 ? major / step + (major % step != 0 ? 1 : 0) : 0;
  CRect clip;
  pDC->GetClipBox(&clip);
  const std::int64_t left = rect.left;
  const std::int64_t right = std::min(rect.right, clip.right);
  const std::int64_t first = firstStepAtOrAfter(left, clip.left, step);

  DcStateScope scope(*pDC);
  scope.pen(&m_penScale);
  for (std::int64_t i = first; left + i * step < right; ++i) {
    const bool solid = i >= minorRun && (i - minorRun) % (minorRun + 1) == 0;
    scope.pen(solid ? &m_penGridMajor : &m_penGridMinor);
    const int x = static_cast<int>(left + i * step);
    pDC->MoveTo(x, rect.top);
    pDC->LineTo(x, rect.bottom);
  }
  return 1;
}

template <class Colour>
void CMEGSpctmDraw7MColumns::drawColumnBlock(CDC& dc, const ColumnWalk& walk, const double* values, std::int64_t T,
                                             std::int64_t F, std::int64_t arrayF, const Colour& colour) const {
  const std::int64_t xc = walk.plotLeft();
  const std::int64_t y = walk.baseLine();
  const std::int64_t limit = walk.rowTop();
  const std::int64_t tStart = std::max<std::int64_t>(m_nWinTimeBegin, 0);
  const std::int64_t fStart = std::max<std::int64_t>(m_nWinFreqBegin, 0);
  const std::int64_t xEnd = xc + m_nColumnWidth;
  // A begin far before 0 (only from a settings record) puts every column past the end;
  // bounding it keeps the subtraction in range without changing that.
  const std::int64_t timeBegin = spctmdraw::bounded(m_nWinTimeBegin);
  for (std::int64_t t = tStart; t < T; ++t) {
    const std::int64_t x = xc + (t - timeBegin);
    if (x > xEnd) break;
    const double* column = values + t * arrayF;
    for (std::int64_t f = fStart; f < F; ++f) {
      const std::int64_t j = f - fStart;
      if (j >= y) break;
      const std::int64_t py = y - j;
      if (py <= limit + 1) break;
      dc.SetPixel(toInt(x), static_cast<int>(py), colour(column[f]));
    }
  }
}

int CMEGSpctmDraw7MColumns::drawColumnSpctmWindView(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  if (!pDC || !updateMEGData()) return 0;
  const auto colour = spctmdraw::windowColour(*this, spctmdraw::WindowMiddle::Centre);
  DcStateScope scope(*pDC);
  scope.font(m_pFont).pen(&m_penBlack).textColor(m_crText).bkColor(m_crTextBk);
  CMDChannelqv* const* channels = m_pTrial->getAllChannelPt();
  ColumnWalk walk(*this, rect.left);
  for (std::int64_t j = 0; channels && j < m_pTrial->getTotalChannel(); ++j) {
    if (!m_pSession->isShowChnl4Alltrials(j) || !channels[j]) continue;
    const CSpctmChnlqv* spctmChnl = channels[j]->getSpctmChnl(false, nSpctmClass);
    if (!spctmChnl) continue;
    std::int64_t T = 0, F = 0;
    if (const double* values = spctmChnl->getSpctmDataPtr(nDataKind, &T, &F))
      drawColumnBlock(*pDC, walk, values, T, F, F, colour);
    walk.next();
  }
  return 1;
}

int CMEGSpctmDraw7MColumns::drawColumnSpctmPeakView(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  if (!pDC || !updateMEGData()) return 0;
  const CSpctmTrialqv* spctmTrial = m_pTrial->getSpctmTrial(false, nSpctmClass);
  if (!spctmTrial) return 0;
  const std::int64_t T = spctmTrial->getTrialSpctmTimePt();
  const std::int64_t F = spctmTrial->getTrialSpctmFreqPt();
  const auto colour = spctmdraw::peakColour(*this, spctmdraw::PeakCentre::ByViewMode);
  DcStateScope scope(*pDC);
  scope.font(m_pFont).pen(&m_penBlack).textColor(m_crText).bkColor(m_crTextBk);
  ColumnWalk walk(*this, rect.left);
  for (std::int64_t j = 0; j < m_pTrial->getTotalChannel(); ++j) {
    std::int64_t chT = 0, chF = 0;
    const double* values = m_pSession->getChnlSpctmData(j, true, nSpctmClass, nDataKind, chT, chF);
    if (!values) continue;
    // The trial's counts bound the block; an array of another size is read only within
    // its own bounds.
    drawColumnBlock(*pDC, walk, values, std::min(T, chT), std::min(F, chF), chF, colour);
    walk.next();
  }
  return 1;
}

int CMEGSpctmDraw7MColumns::drawColumnSpctmB(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind) {
  if (m_nViewMode == 0 || m_nViewMode == 1) return drawColumnSpctmWindView(pDC, rect, nSpctmClass, nDataKind);
  return drawColumnSpctmPeakView(pDC, rect, nSpctmClass, nDataKind);
}
