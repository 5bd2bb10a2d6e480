// Interpolation grid of the topographic canvas: the list of sensors that feed the field
// and a rectangular grid of points with their layout coordinates, interpolation weights
// and values. The canvas fills and reads the public fields directly; this class only owns
// the storage. Grid arrays are row by row: point (i, j) is element j · gridWidth + i.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

// One listed sensor: its 2-D layout position and its index in the trial's channel array.
struct SnsrLoc2D {
  double x = 0.0;
  double y = 0.0;
  std::int32_t chnl = 0;
};

// The sensors that take part in one grid point's value and their weights (same length;
// the canvas stores weights that sum to 1). Empty when no sensor is near the point.
struct GridPointWeights {
  std::vector<std::int32_t> chnl;
  std::vector<double> weight;
  int count() const { return static_cast<int>(chnl.size()); }
};

class CDataGridRect {
 public:
  // Start values of the sensor extent: any first sensor replaces them.
  static constexpr double kExtentMinStart = std::numeric_limits<double>::max();
  static constexpr double kExtentMaxStart = std::numeric_limits<double>::min();

  // Sensor list.
  int snsrCount = 0;               // records in use, at most snsrLoc2D.size()
  std::vector<SnsrLoc2D> snsrLoc2D;
  double xMin = kExtentMinStart;   // extent of the listed sensors in layout units
  double xMax = kExtentMaxStart;
  double yMin = kExtentMinStart;
  double yMax = kExtentMaxStart;
  double scale = 1.0;              // layout scale: 1 / the standard projection scale

  // Grid: gridWidth × gridHeight points, gridMargin cells outside the sensor extent on
  // each side, gridStepX and gridStepY layout units between neighbouring points.
  int gridWidth = 0;
  int gridHeight = 0;
  int gridMargin = 0;
  double gridStepX = 0.0;
  double gridStepY = 0.0;
  std::vector<double> pointX;       // per point: layout x
  std::vector<double> pointY;       // per point: layout y
  std::vector<double> axisOffsetX;  // per column i: (i − gridMargin) · gridStepX
  std::vector<double> axisOffsetY;  // per row j: (j − gridMargin) · gridStepY
  std::vector<GridPointWeights> weights;  // per point
  std::vector<double> values;             // per point

  // Storage for `count` sensor records, kept when it is large enough already; the records
  // are left for the caller to write and snsrCount is not changed. Null for count < 1 or
  // when the memory cannot be had (the list is then empty).
  SnsrLoc2D* checkInitSnsrLoc2D(int count);

  // A fresh grid of width × height points: every array sized for it and zeroed, weights
  // empty, gridWidth and gridHeight set. Returns the values array, or null (and an empty
  // grid) for a size below 1, more than kMaxGridPoints points, or no memory.
  double* initDataGridRect(int width, int height);
  static constexpr long long kMaxGridPoints = 1LL << 24;

  // Releases the grid (sizes back to 0, steps and margin kept).
  void cleanDataGridRect();
  // Releases the sensor list: count 0, extent back to its start values.
  void cleanSnsrLoc2D();
};
