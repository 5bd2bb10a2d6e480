// Time–frequency windows over a T × F time-major spectral array (element t·F + f) and the
// statistics the range and measurement queries report. Pure functions, used by the
// spectral channel, trial and session links. Window ends are inclusive point indices;
// an inverted window, or one entirely outside the grid, is empty.
#pragma once

#include <cstdint>

namespace megdata {

struct SpctmWindow {
  std::int64_t timeBegin = 0;
  std::int64_t timeEnd = -1;
  std::int64_t freqBegin = 0;
  std::int64_t freqEnd = -1;

  bool isEmpty() const { return timeEnd < timeBegin || freqEnd < freqBegin; }
  std::int64_t timePoints() const { return isEmpty() ? 0 : timeEnd - timeBegin + 1; }
  std::int64_t freqPoints() const { return isEmpty() ? 0 : freqEnd - freqBegin + 1; }
  std::int64_t points() const { return timePoints() * freqPoints(); }
};

// The whole grid [0, T − 1] × [0, F − 1]; empty when T or F is below 1.
SpctmWindow wholeWindow(std::int64_t T, std::int64_t F);

// The window cut to the grid. Inverted pairs are not reordered: they stay empty.
SpctmWindow clipWindow(const SpctmWindow& w, std::int64_t T, std::int64_t F);

// Running statistics of a set of values. min/max are signed; absMin/absMax are of |v|.
// With no value every statistic reads 0.
struct SpctmStats {
  std::int64_t count = 0;
  double sum = 0.0;
  double sumSquares = 0.0;
  double absSum = 0.0;
  double min = 0.0;
  double max = 0.0;
  double absMin = 0.0;
  double absMax = 0.0;

  void add(double v);
  void merge(const SpctmStats& other);
  double mean() const;
  double absMean() const;
  // Root of the mean square (never negative).
  double rms() const;
};

// Statistics of data over a window already clipped to the array's grid (F columns), in
// one pass row by row; equal to add() of every value in time-major order, to the bit.
SpctmStats windowStats(const double* data, std::int64_t F, const SpctmWindow& clipped);

// The mean of windowStats (0 for an empty window or no data), from the sum alone: the
// values are added in the same order, so it equals windowStats(...).mean() to the bit.
double windowMean(const double* data, std::int64_t F, const SpctmWindow& clipped);

// Per-frequency statistics over the time points of a clipped window, one code per mode:
// 1 largest magnitude, 2 mean magnitude, 3 root mean square. Other modes give 0.
double freqStat(const double* data, std::int64_t F, const SpctmWindow& clipped, std::int64_t f, int mode);

}  // namespace megdata
