// Where the colour field of an interpolation grid lands on the device, and so where any
// grid position lies on the canvas. The canvas's field image, the smooth image drawer and
// the contour lines all use this one mapping, so lines sit exactly on the field.
// Grid positions are (column u, row v), fractional between points; no clipping here.
#pragma once

#include <cstddef>

#include "platform/gdi/BasicTypes.h"

namespace hostrender {

// The field image of a gridWidth × gridHeight grid is a bottom-up bitmap (stored row 0 is
// the image's bottom row) of one pixel per grid point. Grid point (i, j) is stored at
// column i, or gridWidth − 1 − i when mirrored (radiology layout), and at stored row j, or
// gridHeight − 1 − j when nose-up. So without nose-up the grid's row 0 (smallest layout y)
// shows at the bottom, with nose-up at the top. The bitmap is stretched to
// trunc(gridWidth · scaleX) × trunc(gridHeight · scaleY) device pixels with its top-left
// corner at (trunc(left − scaleX), trunc(top − scaleY)): one grid step spans about
// scaleX × scaleY pixels, offset by one step up and left of (left, top).
struct FieldImageMapping {
  int gridWidth = 0;
  int gridHeight = 0;
  bool mirrored = false;
  bool noseUp = false;
  CRect image;  // device rectangle of the stretched bitmap; empty for a degenerate grid

  // left, top: the canvas's origin offset; scaleX, scaleY: device pixels per grid step.
  static FieldImageMapping make(int gridWidth, int gridHeight, int left, int top, double scaleX,
                                double scaleY, bool mirrored, bool noseUp);

  // Element of the bitmap's pixel array (stored rows of gridWidth pixels) that holds grid
  // point (i, j); 0 <= i < gridWidth and 0 <= j < gridHeight.
  std::size_t bufferIndex(int i, int j) const;

  // Device position of grid position (u, v) in continuous coordinates (device pixel p
  // covers [p, p + 1)): the point where the stretched bitmap shows that position, i.e. a
  // grid point maps to the centre of the area its pixel is stretched over, exactly where
  // bilinear scaling reproduces that pixel's value.
  struct Point {
    double x = 0.0;
    double y = 0.0;
  };
  Point gridToDevice(double u, double v) const;

  // The device pixel that holds gridToDevice(u, v).
  CPoint gridToPixel(double u, double v) const;
};

}  // namespace hostrender
