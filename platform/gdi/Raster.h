// Pixel geometry of the device context's lines and curves, as pure functions of integer
// coordinates: which pixels a one-pixel line visits (and which of them lie in a clip
// rectangle), the row spans of a filled ellipse and of its interior, and the row spans of
// a wide line. CDC draws with these; they allocate nothing and touch no pixels.
#pragma once

#include "platform/gdi/BasicTypes.h"

#include <cstdint>
#include <utility>

namespace raster {

// Inclusive pixel columns of one row; empty when first > last.
struct Span {
  std::int64_t first = 0;
  std::int64_t last = -1;
  bool empty() const { return first > last; }
};

// A one-pixel line from (x0, y0) to (x1, y1) without its end point: pixel i (0 <= i <
// length()) advances i steps along the major axis and round(i * dMinor / dMajor) steps
// along the minor axis, halves rounded away from the start.
class LineWalk {
 public:
  struct Cursor {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t rem = 0;  // progress towards the next minor step
  };

  LineWalk(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
  std::int64_t length() const { return m_dMajor; }
  // First and last index whose pixel lies in [left, right) x [top, bottom); first > last
  // when none does.
  std::pair<std::int64_t, std::int64_t> clippedRange(std::int64_t left, std::int64_t top,
                                                     std::int64_t right,
                                                     std::int64_t bottom) const;
  Cursor at(std::int64_t i) const;
  void step(Cursor& c) const {
    if (m_xMajor) c.x += m_sx; else c.y += m_sy;
    c.rem += 2 * m_dMinor;
    if (c.rem >= 2 * m_dMajor) {
      c.rem -= 2 * m_dMajor;
      if (m_xMajor) c.y += m_sy; else c.x += m_sx;
    }
  }

 private:
  // Index range for which the minor offset k(i) lies in [kLo, kHi].
  std::pair<std::int64_t, std::int64_t> minorRange(std::int64_t kLo, std::int64_t kHi) const;

  std::int64_t m_x0, m_y0;
  std::int64_t m_sx, m_sy;  // +1 or -1
  std::int64_t m_dMajor, m_dMinor;
  bool m_xMajor;
};

// The filled ellipse inscribed in [left, right) x [top, bottom) (a non-empty rectangle):
// pixel (x, y) belongs to it when its centre lies inside the ellipse whose axes are the
// rectangle's width and height; every row of the rectangle holds at least its middle
// pixel(s). Spans are mirror images about both centre lines by construction.
class EllipseRows {
 public:
  EllipseRows(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  Span row(std::int64_t y) const;
  // The pixels of row y whose four neighbours all belong to the ellipse; what is left of
  // row(y) is the one-pixel outline.
  Span interior(std::int64_t y) const;
  std::int64_t top() const { return m_top; }
  std::int64_t bottom() const { return m_bottom; }
  // Twice the centre's coordinates (exact for even and odd sizes).
  std::int64_t centreX2() const { return m_left + m_right - 1; }
  std::int64_t centreY2() const { return m_top + m_bottom - 1; }

 private:
  std::int64_t m_left, m_top, m_right, m_bottom;
  double m_a, m_b;  // semi-axes
};

// Pixels of row y whose centres lie closer than `radius` to the segment from (ax, ay) to
// (bx, by): one row of a line `2 * radius` pixels wide with round ends.
Span capsuleRow(double ax, double ay, double bx, double by, double radius, std::int64_t y);

}  // namespace raster
