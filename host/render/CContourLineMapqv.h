// Contour lines of the interpolation grid: contour levels at both signs, iso-lines of the
// grid's values traced by marching squares and joined into polylines. The topographic
// canvas clears, sets the levels and traces after each value pass, then draws the lines
// over the colour field in the mapping of host/render/FieldImageMapping.h.
#pragma once

#include <cstdint>
#include <vector>

#include "host/render/CDataGridRect.h"

class CDC;
class CPen;

// A position on the grid: column u and row v, fractional between grid points.
struct ContourPoint {
  double u = 0.0;
  double v = 0.0;
  friend bool operator==(const ContourPoint&, const ContourPoint&) = default;
};

// One iso-line: at least two distinct points, neighbours distinct. A closed line (a ring)
// repeats its first point at the end; an open line ends where it leaves the grid or meets
// a cell with a non-finite value.
struct ContourLine {
  double level = 0.0;
  bool closed = false;
  std::vector<ContourPoint> points;
};

class CContourLineMapqv {
 public:
  // Sets the contour levels: `levels` magnitudes threshold + k · (maxAbs − threshold) /
  // levels for k = 0 … levels − 1, each at both signs (a zero magnitude only once).
  // A negative threshold counts as 0. Returns 1 when levels were set; 0, with no levels,
  // for levels < 1, maxAbs below the threshold or a non-finite argument.
  int initLevelAbs(double threshold, double maxAbs, int levels);

  // Traces the lines of every level through the grid's values (gridWidth × gridHeight,
  // row by row) and keeps them in place of earlier ones. A grid value at or above a level
  // counts as above it, and a saddle cell is resolved by its centre value (mean of the
  // four corners) under the same rule, so each cell is decided the same way whichever
  // line reaches it and lines of one level never cross. Each grid edge is crossed at
  // most once per level, so no segment is produced twice. Returns 1 when traced (also
  // when no line was found); 0, keeping no lines, without levels, without a grid, or for
  // a grid under 2 × 2 points or whose values do not match its size.
  int dataGrid2ContourLinePro(const CDataGridRect* grid);

  // Draws the traced lines on `dc` as polylines in the mapping of the field image (see
  // hostrender::FieldImageMapping::make with the same left, top, scales, mirroring and
  // nose-up), so every line runs where the smoothly stretched field shows its level.
  // Pens: `positivePen` draws the lines of positive levels, `negativePen` those of negative
  // levels, and the pen selected in the DC a line at level 0; a null pen leaves its lines
  // to the selected pen too. Lines are cut to the logical rectangle (0, 0, width, height),
  // the canvas. The DC's selected pen, clip rectangle and current position are kept.
  // Returns 1 when drawn (also with no line to draw); 0 for a null or target-less dc, or
  // before any tracing.
  int drawMap(CDC* dc, int left, int top, double scaleX, double scaleY, int width, int height,
              int mirrored, int noseUp, CPen* positivePen, CPen* negativePen) const;

  // Discards the lines and the levels.
  void _clean();

  const std::vector<double>& getLevels() const { return m_dLevels; }  // ascending
  const std::vector<ContourLine>& getLines() const { return m_lines; }  // by level, ascending
  // Size of the grid the lines were traced on (0 before tracing).
  int getGridWidth() const { return m_nGridWidth; }
  int getGridHeight() const { return m_nGridHeight; }

 private:
  // The smallest and largest corner of a cell; empty (low above high) for a cell with a
  // non-finite corner.
  struct CellRange {
    double low = 1.0;
    double high = 0.0;
  };
  // Traces one level. ranges: per cell, row by row; edgeEnd: one entry per edge key,
  // all −1 on entry and left so.
  void traceLevel(const CDataGridRect& grid, double level, const std::vector<CellRange>& ranges,
                  std::vector<std::int64_t>& edgeEnd);

  std::vector<double> m_dLevels;
  std::vector<ContourLine> m_lines;
  int m_nGridWidth = 0;
  int m_nGridHeight = 0;
};
