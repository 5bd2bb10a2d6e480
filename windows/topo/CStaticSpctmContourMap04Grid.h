// The interpolation grid of the contour window, kept in the host grid object m_grid: the
// list of good sensors of a type with their layout positions, a rectangular grid of
// points around them, and each grid point's weights over the sensors within a radius.
// Built by the field link when the sensor list or the grid is missing; values are the
// field link's.
#pragma once

#include "windows/topo/CStaticSpctmContourMap03Patch.h"

class CStaticSpctmContourMap04Grid : public CStaticSpctmContourMap03Patch {
 public:
  // Lists every non-null channel of the type that is good for all trials: its layout
  // position and array index, in array order, with the extent of the listed positions
  // and 1 / m_dStdProjectionScale as the grid's scale. 1, also with nothing listed (count
  // 0, extent at its start values); 0 without binding, for a bad type, or when the
  // storage cannot be had.
  int buildSensorList(int nChannelType);

  // Lays out width × height grid points (allocated when the grid has none) over the
  // sensor extent with `margin` steps outside it on each side: steps (xmax − xmin) /
  // (width − 2·margin) and (ymax − ymin) / (height − 2·margin), point (i, j) at
  // (xmin + (i − margin)·stepX, ymin + (j − margin)·stepY), and the axis offsets. An
  // empty sensor list is rebuilt first. 1, or 0 when the grid cannot be allocated, the
  // sensor list stays empty, or width or height leaves no step (at most 2·margin).
  int buildGridCoordinates(int width, int height, int margin);

  // The interpolation radius from the listed sensors' spacing: with radius mode non-zero
  // 1.6 × the mean distance from each sensor to its nearest other sensor; with 0, 0.3 ×
  // the smallest pair distance (at most 100, the square root of its start 10000). 0 with
  // no sensor. A single sensor has no neighbour: its distance is the square root of the
  // largest double.
  double meanSpacing(int nRadiusMode) const;

  // Each grid point's weights: the listed sensors at distance d < R = meanSpacing, with
  // raw weight 1 − d/R + 0.125, divided by their sum; a point with no sensor inside R
  // keeps no weight. 1, or 0 without sensors or grid, or when R ≤ 0.
  int buildWeights(int nRadiusMode);
};
