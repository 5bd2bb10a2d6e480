#include "host/render/FieldImageMapping.h"

#include <cmath>

namespace hostrender {

FieldImageMapping FieldImageMapping::make(int gridWidth, int gridHeight, int left, int top,
                                          double scaleX, double scaleY, bool mirrored,
                                          bool noseUp) {
  FieldImageMapping m;
  m.gridWidth = gridWidth;
  m.gridHeight = gridHeight;
  m.mirrored = mirrored;
  m.noseUp = noseUp;
  if (gridWidth < 1 || gridHeight < 1) return m;
  // Conversions truncate toward zero, as everywhere on the canvas.
  const auto x = static_cast<LONG>(left - scaleX);
  const auto y = static_cast<LONG>(top - scaleY);
  const auto w = static_cast<LONG>(gridWidth * scaleX);
  const auto h = static_cast<LONG>(gridHeight * scaleY);
  m.image = CRect(x, y, x + w, y + h);
  return m;
}

std::size_t FieldImageMapping::bufferIndex(int i, int j) const {
  const int column = mirrored ? gridWidth - 1 - i : i;
  const int storedRow = noseUp ? gridHeight - 1 - j : j;
  return static_cast<std::size_t>(storedRow) * static_cast<std::size_t>(gridWidth) +
         static_cast<std::size_t>(column);
}

FieldImageMapping::Point FieldImageMapping::gridToDevice(double u, double v) const {
  if (gridWidth < 1 || gridHeight < 1) return {static_cast<double>(image.left), static_cast<double>(image.top)};
  const double column = mirrored ? gridWidth - 1 - u : u;
  // Stored rows count from the bottom, so counted from the top the order flips back.
  const double rowFromTop = noseUp ? v : gridHeight - 1 - v;
  return {image.left + (column + 0.5) * image.Width() / gridWidth,
          image.top + (rowFromTop + 0.5) * image.Height() / gridHeight};
}

CPoint FieldImageMapping::gridToPixel(double u, double v) const {
  const Point p = gridToDevice(u, v);
  return {static_cast<LONG>(std::floor(p.x)), static_cast<LONG>(std::floor(p.y))};
}

}  // namespace hostrender
