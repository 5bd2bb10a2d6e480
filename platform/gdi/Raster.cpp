#include "platform/gdi/Raster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace raster {

namespace {

using Wide = __int128;  // products of two 34-bit coordinates and a factor 2 exceed 64 bits

Wide floorDiv(Wide a, Wide b) {
  Wide q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}
Wide ceilDiv(Wide a, Wide b) { return -floorDiv(-a, b); }

std::int64_t clampToInt64(Wide v) {
  constexpr auto lo = std::numeric_limits<std::int64_t>::min();
  constexpr auto hi = std::numeric_limits<std::int64_t>::max();
  return static_cast<std::int64_t>(std::clamp<Wide>(v, lo, hi));
}

std::int64_t floorToInt(double v) { return static_cast<std::int64_t>(std::floor(v)); }

// Tolerance for pixel centres that fall on a boundary up to rounding error, so that such
// ties are decided the same way on both sides of a symmetric shape.
constexpr double kEdgeTolerance = 1e-9;

}  // namespace

LineWalk::LineWalk(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1)
    : m_x0(x0), m_y0(y0), m_sx(x1 < x0 ? -1 : 1), m_sy(y1 < y0 ? -1 : 1) {
  const std::int64_t adx = x1 < x0 ? x0 - x1 : x1 - x0;
  const std::int64_t ady = y1 < y0 ? y0 - y1 : y1 - y0;
  m_xMajor = adx >= ady;
  m_dMajor = m_xMajor ? adx : ady;
  m_dMinor = m_xMajor ? ady : adx;
}

LineWalk::Cursor LineWalk::at(std::int64_t i) const {
  const Wide num = Wide{2} * i * m_dMinor + m_dMajor;
  const auto k = static_cast<std::int64_t>(num / (Wide{2} * m_dMajor));
  Cursor c;
  c.rem = static_cast<std::int64_t>(num % (Wide{2} * m_dMajor));
  c.x = m_x0 + m_sx * (m_xMajor ? i : k);
  c.y = m_y0 + m_sy * (m_xMajor ? k : i);
  return c;
}

std::pair<std::int64_t, std::int64_t> LineWalk::minorRange(std::int64_t kLo,
                                                           std::int64_t kHi) const {
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  if (kLo > kHi || (m_dMinor == 0 && (kLo > 0 || kHi < 0))) return {1, 0};
  if (m_dMinor == 0) return {kMin, kMax};
  // k(i) = floor((2 i dMinor + dMajor) / (2 dMajor)) is non-decreasing in i, so each
  // bound on k becomes a bound on i.
  const Wide twoMinor = Wide{2} * m_dMinor;
  const Wide first = ceilDiv(Wide{2} * m_dMajor * kLo - m_dMajor, twoMinor);
  const Wide last = ceilDiv(Wide{2} * m_dMajor * (Wide{kHi} + 1) - m_dMajor, twoMinor) - 1;
  return {clampToInt64(first), clampToInt64(last)};
}

std::pair<std::int64_t, std::int64_t> LineWalk::clippedRange(std::int64_t left,
                                                             std::int64_t top,
                                                             std::int64_t right,
                                                             std::int64_t bottom) const {
  // Offsets along one axis whose coordinate start + s * offset lies in [lo, hi].
  auto offsets = [](std::int64_t start, std::int64_t s, std::int64_t lo, std::int64_t hi) {
    return s > 0 ? std::make_pair(lo - start, hi - start) : std::make_pair(start - hi, start - lo);
  };
  const auto [xLo, xHi] = offsets(m_x0, m_sx, left, right - 1);
  const auto [yLo, yHi] = offsets(m_y0, m_sy, top, bottom - 1);
  const auto major = m_xMajor ? std::make_pair(xLo, xHi) : std::make_pair(yLo, yHi);
  const auto minor = m_xMajor ? minorRange(yLo, yHi) : minorRange(xLo, xHi);
  const std::int64_t first = std::max({std::int64_t{0}, major.first, minor.first});
  const std::int64_t last = std::min({m_dMajor - 1, major.second, minor.second});
  return {first, last};
}

EllipseRows::EllipseRows(std::int64_t left, std::int64_t top, std::int64_t right,
                         std::int64_t bottom)
    : m_left(left), m_top(top), m_right(right), m_bottom(bottom),
      m_a(static_cast<double>(right - left) / 2.0),
      m_b(static_cast<double>(bottom - top) / 2.0) {}

Span EllipseRows::row(std::int64_t y) const {
  if (y < m_top || y >= m_bottom) return {};
  // Distance of the row's centre from the horizontal centre line, exact in halves.
  const std::int64_t twiceDy = std::llabs(2 * y - centreY2());
  const double ratio = static_cast<double>(twiceDy) / 2.0 / m_b;
  const double halfWidth = m_a * std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
  const std::int64_t width = m_right - m_left;
  if (width % 2 == 1) {
    // Odd width: a centre column; pixel offsets 0, 1, 2 ... from it.
    const std::int64_t cx = centreX2() / 2;
    const auto k = std::max(std::int64_t{0}, floorToInt(halfWidth + kEdgeTolerance));
    return {cx - k, cx + k};
  }
  // Even width: the centre lies between columns m and m + 1; offsets 0.5, 1.5 ...
  const std::int64_t m = (centreX2() - 1) / 2;
  const auto k = std::max(std::int64_t{0}, floorToInt(halfWidth - 0.5 + kEdgeTolerance));
  return {m - k, m + 1 + k};
}

Span EllipseRows::interior(std::int64_t y) const {
  if (y - 1 < m_top || y + 1 >= m_bottom) return {};
  const Span here = row(y);
  const Span above = row(y - 1);
  const Span below = row(y + 1);
  return {std::max({here.first + 1, above.first, below.first}),
          std::min({here.last - 1, above.last, below.last})};
}

Span capsuleRow(double ax, double ay, double bx, double by, double radius, std::int64_t y) {
  const double py = static_cast<double>(y);
  double lo = std::numeric_limits<double>::infinity();
  double hi = -lo;
  auto add = [&](double a, double b) {
    if (a < b) {
      lo = std::min(lo, a);
      hi = std::max(hi, b);
    }
  };
  // The round ends: discs around both end points.
  for (const auto& [cx, cy] : {std::make_pair(ax, ay), std::make_pair(bx, by)}) {
    const double dy = py - cy;
    const double h2 = radius * radius - dy * dy;
    if (h2 > 0) add(cx - std::sqrt(h2), cx + std::sqrt(h2));
  }
  // The band between them: closer than radius to the line, projecting inside the segment.
  const double dx = bx - ax;
  const double dy = by - ay;
  const double len2 = dx * dx + dy * dy;
  if (len2 > 0) {
    const double len = std::sqrt(len2);
    const double ry = py - ay;
    double sLo = -std::numeric_limits<double>::infinity();
    double sHi = -sLo;
    bool possible = true;
    if (dy != 0) {
      const double u1 = (dx * ry - radius * len) / dy;
      const double u2 = (dx * ry + radius * len) / dy;
      sLo = ax + std::min(u1, u2);
      sHi = ax + std::max(u1, u2);
    } else {
      possible = std::fabs(dx * ry) < radius * len;
    }
    if (dx != 0) {
      const double p1 = -dy * ry / dx;
      const double p2 = (len2 - dy * ry) / dx;
      sLo = std::max(sLo, ax + std::min(p1, p2));
      sHi = std::min(sHi, ax + std::max(p1, p2));
    } else {
      possible = possible && dy * ry >= 0 && dy * ry <= len2;
    }
    if (possible) add(sLo, sHi);
  }
  if (!(lo < hi)) return {};
  // Open interval (lo, hi): the pixel centres strictly inside.
  const std::int64_t first = floorToInt(lo + kEdgeTolerance) + 1;
  const auto last = static_cast<std::int64_t>(std::ceil(hi - kEdgeTolerance)) - 1;
  return {first, last};
}

}  // namespace raster
