// Lines, rectangles, ellipses and arcs of CDC. The pixel geometry comes from Raster.h;
// this file applies the pen, brush, pattern and clip rectangle to it.
#include "platform/gdi/CDC.h"

#include "platform/gdi/Raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Angular slack so that pixels lying exactly on an arc's end ray are drawn.
constexpr double kAngleTolerance = 1e-9;

// On/off run lengths of the patterned pen styles, starting with "on".
struct Pattern {
  std::array<int, 6> runs;
  int count;
  int period;
};

const Pattern* patternOf(int style) {
  static constexpr Pattern dash{{18, 6}, 2, 24};
  static constexpr Pattern dot{{3, 3}, 2, 6};
  static constexpr Pattern dashDot{{9, 6, 3, 6}, 4, 24};
  static constexpr Pattern dashDotDot{{9, 3, 3, 3, 3, 3}, 6, 24};
  switch (style) {
    case PS_DASH: return &dash;
    case PS_DOT: return &dot;
    case PS_DASHDOT: return &dashDot;
    case PS_DASHDOTDOT: return &dashDotDot;
    default: return nullptr;
  }
}

bool patternOn(const Pattern& p, std::int64_t phase) {
  std::int64_t k = phase % p.period;
  for (int i = 0; i < p.count; ++i) {
    if (k < p.runs[static_cast<std::size_t>(i)]) return i % 2 == 0;
    k -= p.runs[static_cast<std::size_t>(i)];
  }
  return false;
}

// Counter-clockwise angle on screen (y grows downward) of a point seen from a centre.
double screenAngle(double x, double y, double cx, double cy) { return std::atan2(cy - y, x - cx); }

double normalizedAngle(double a) {
  a = std::fmod(a, kTwoPi);
  return a < 0 ? a + kTwoPi : a;
}

}  // namespace

CPoint CDC::MoveTo(int x, int y) {
  const CPoint old = m_s.position;
  m_s.position = CPoint(x, y);
  m_s.stylePhase = 0;
  return old;
}

BOOL CDC::LineTo(int x, int y) {
  const CPoint from = m_s.position;
  m_s.position = CPoint(x, y);
  drawSegment(devX(from.x), devY(from.y), devX(x), devY(y));
  return TRUE;
}

void CDC::drawSegment(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  // A line from a point to itself draws nothing, whatever the width.
  if (m_s.penStyle == PS_NULL || (x0 == x1 && y0 == y1)) return;
  if (m_s.penWidth <= 1) {
    drawThinLine(x0, y0, x1, y1);
  } else {
    drawWideLine(x0, y0, x1, y1);
  }
}

void CDC::drawThinLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  const raster::LineWalk walk(x0, y0, x1, y1);
  const std::int64_t n = walk.length();
  if (n == 0) return;
  const Pattern* pattern = patternOf(m_s.penStyle);
  const std::int64_t phase = m_s.stylePhase;
  m_s.stylePhase = static_cast<int>((phase + n) % 24);  // 24: a multiple of every period
  const CRect& c = m_s.clip;
  const auto [first, last] = walk.clippedRange(c.left, c.top, c.right, c.bottom);
  if (first > last) return;
  const std::uint32_t bk = PixelSurface::pixelOf(m_s.bkColor);
  const bool fillGaps = m_s.bkMode == OPAQUE;
  raster::LineWalk::Cursor at = walk.at(first);
  for (std::int64_t i = first; i <= last; ++i, walk.step(at)) {
    std::uint32_t* p = m_s.surface->row(static_cast<int>(at.y)) + at.x;
    if (pattern == nullptr || patternOn(*pattern, phase + i)) {
      *p = m_s.penPixel;
    } else if (fillGaps) {
      *p = bk;
    }
  }
}

void CDC::drawWideLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  // An even width has no middle pixel: the line runs half a pixel up and left of the
  // points, so a width-w line covers exactly w rows or columns.
  const int w = m_s.penWidth;
  const double shift = (w % 2 == 0) ? 0.5 : 0.0;
  const double radius = w / 2.0;
  const double ax = static_cast<double>(x0) - shift, ay = static_cast<double>(y0) - shift;
  const double bx = static_cast<double>(x1) - shift, by = static_cast<double>(y1) - shift;
  const auto top = std::max<std::int64_t>(
      static_cast<std::int64_t>(std::floor(std::min(ay, by) - radius)), m_s.clip.top);
  const auto bottom = std::min<std::int64_t>(
      static_cast<std::int64_t>(std::ceil(std::max(ay, by) + radius)), m_s.clip.bottom - 1);
  for (std::int64_t y = top; y <= bottom; ++y) {
    const raster::Span s = raster::capsuleRow(ax, ay, bx, by, radius, y);
    if (!s.empty()) fillSpan(y, s.first, s.last, m_s.penPixel);
  }
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  CRect r(left, top, right, bottom);
  r.NormalizeRect();
  if (r.IsRectEmpty()) return TRUE;
  const std::int64_t l = devX(r.left), t = devY(r.top), rr = devX(r.right), b = devY(r.bottom);
  if (m_s.penStyle == PS_NULL) {
    if (!m_s.brushHollow) fillSurfaceRect(l, t, rr, b, m_s.brushPixel);
    return TRUE;
  }
  // The frame is w pixels across, centred on the edge pixels like a wide line; the brush
  // fills what lies inside it.
  const int w = m_s.penWidth;
  const std::int64_t lo = w / 2;
  const std::int64_t oL = l - lo, oT = t - lo, oR = rr - 1 - lo + w, oB = b - 1 - lo + w;
  const std::int64_t iL = oL + w, iT = oT + w, iR = rr - 1 - lo, iB = b - 1 - lo;
  const bool hollowFrame = iL < iR && iT < iB;
  if (hollowFrame && !m_s.brushHollow) fillSurfaceRect(iL, iT, iR, iB, m_s.brushPixel);
  const std::uint32_t pen = m_s.penPixel;
  if (!hollowFrame) {
    fillSurfaceRect(oL, oT, oR, oB, pen);
  } else if (w <= 1 && patternOf(m_s.penStyle) != nullptr) {
    // A patterned outline runs once around, clockwise from the top-left corner.
    const int savedPhase = m_s.stylePhase;
    m_s.stylePhase = 0;
    drawThinLine(l, t, rr - 1, t);
    drawThinLine(rr - 1, t, rr - 1, b - 1);
    drawThinLine(rr - 1, b - 1, l, b - 1);
    drawThinLine(l, b - 1, l, t);
    m_s.stylePhase = savedPhase;
  } else {
    fillSurfaceRect(oL, oT, oR, iT, pen);
    fillSurfaceRect(oL, iB, oR, oB, pen);
    fillSurfaceRect(oL, iT, iL, iB, pen);
    fillSurfaceRect(iR, iT, oR, iB, pen);
  }
  return TRUE;
}

BOOL CDC::Rectangle(LPCRECT rect) {
  return rect ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
  CRect r(left, top, right, bottom);
  r.NormalizeRect();
  if (r.IsRectEmpty()) return TRUE;
  drawEllipseShape(devX(r.left), devY(r.top), devX(r.right), devY(r.bottom), true, 0.0, kTwoPi);
  return TRUE;
}

BOOL CDC::Ellipse(LPCRECT rect) {
  return rect ? Ellipse(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
              int yEnd) {
  CRect r(left, top, right, bottom);
  r.NormalizeRect();
  if (r.IsRectEmpty()) return TRUE;
  const double cx = (r.left + r.right - 1) / 2.0;
  const double cy = (r.top + r.bottom - 1) / 2.0;
  const double start = screenAngle(xStart, yStart, cx, cy);
  double sweep = normalizedAngle(screenAngle(xEnd, yEnd, cx, cy) - start);
  if (sweep < kAngleTolerance) sweep = kTwoPi;  // same ray: the whole ellipse
  drawEllipseShape(devX(r.left), devY(r.top), devX(r.right), devY(r.bottom), false, start, sweep);
  return TRUE;
}

BOOL CDC::Arc(LPCRECT rect, CPoint start, CPoint end) {
  return rect ? Arc(rect->left, rect->top, rect->right, rect->bottom, start.x, start.y, end.x, end.y)
              : FALSE;
}

BOOL CDC::AngleArc(int x, int y, int radius, float startAngle, float sweepAngle) {
  if (radius < 0) return FALSE;
  const double start = startAngle * std::numbers::pi / 180.0;
  const double sweep = sweepAngle * std::numbers::pi / 180.0;
  auto pointAt = [&](double angle) {
    return CPoint(static_cast<LONG>(std::lround(x + radius * std::cos(angle))),
                  static_cast<LONG>(std::lround(y - radius * std::sin(angle))));
  };
  LineTo(pointAt(start));
  // A clockwise sweep covers the same pixels as the counter-clockwise one from its end.
  const double from = sweep < 0 ? start + sweep : start;
  const double span = std::min(std::fabs(sweep), kTwoPi);
  const std::int64_t l = devX(x) - radius, t = devY(y) - radius;
  drawEllipseShape(l, t, l + 2 * std::int64_t{radius} + 1, t + 2 * std::int64_t{radius} + 1,
                   false, normalizedAngle(from), span);
  m_s.position = pointAt(start + sweep);
  return TRUE;
}

void CDC::drawEllipseShape(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b,
                           bool fillInterior, double start, double sweep) {
  const bool nullPen = m_s.penStyle == PS_NULL;
  const bool fill = fillInterior && !m_s.brushHollow;
  if (nullPen && !fill) return;
  // The outline band: pixels of the ellipse grown by `grow` that are not in the interior
  // of the ellipse shrunk by `shrink`; one pixel wide for thin pens.
  const int w = nullPen ? 1 : m_s.penWidth;
  const std::int64_t grow = w > 1 ? w / 2 : 0;
  const std::int64_t shrink = w > 1 ? w - 1 - grow : 0;
  const raster::EllipseRows outer(l - grow, t - grow, r + grow, b + grow);
  const bool hasInner = (r - l) > 2 * shrink && (b - t) > 2 * shrink;
  const raster::EllipseRows inner(l + shrink, t + shrink, r - shrink, b - shrink);
  const bool fullTurn = sweep >= kTwoPi - kAngleTolerance;
  const double cx = static_cast<double>(l + r - 1) / 2.0;
  const double cy = static_cast<double>(t + b - 1) / 2.0;

  auto drawBand = [&](std::int64_t y, std::int64_t first, std::int64_t last) {
    if (first > last || nullPen) return;
    if (fullTurn) {
      fillSpan(y, first, last, m_s.penPixel);
      return;
    }
    first = std::max<std::int64_t>(first, m_s.clip.left);
    last = std::min<std::int64_t>(last, m_s.clip.right - 1);
    std::uint32_t* row = m_s.surface->row(static_cast<int>(y));
    for (std::int64_t x = first; x <= last; ++x) {
      const double angle = screenAngle(static_cast<double>(x), static_cast<double>(y), cx, cy);
      const double a = normalizedAngle(angle - start);
      if (a <= sweep + kAngleTolerance || a >= kTwoPi - kAngleTolerance) row[x] = m_s.penPixel;
    }
  };

  const std::int64_t top = std::max<std::int64_t>(outer.top(), m_s.clip.top);
  const std::int64_t bottom = std::min<std::int64_t>(outer.bottom(), m_s.clip.bottom);
  for (std::int64_t y = top; y < bottom; ++y) {
    const raster::Span o = outer.row(y);
    raster::Span in = nullPen ? inner.row(y) : hasInner ? inner.interior(y) : raster::Span{};
    if (!in.empty()) {
      in.first = std::max(in.first, o.first);
      in.last = std::min(in.last, o.last);
    }
    if (in.empty()) {
      drawBand(y, o.first, o.last);
      continue;
    }
    if (fill) fillSpan(y, in.first, in.last, m_s.brushPixel);
    drawBand(y, o.first, in.first - 1);
    drawBand(y, in.last + 1, o.last);
  }
}
