#include "host/data/SpctmWindow.h"

#include <algorithm>
#include <cmath>

namespace megdata {

SpctmWindow wholeWindow(std::int64_t T, std::int64_t F) {
  return SpctmWindow{0, T - 1, 0, F - 1};
}

SpctmWindow clipWindow(const SpctmWindow& w, std::int64_t T, std::int64_t F) {
  if (w.isEmpty() || T < 1 || F < 1) return SpctmWindow{};
  SpctmWindow c{std::max<std::int64_t>(w.timeBegin, 0), std::min(w.timeEnd, T - 1),
                std::max<std::int64_t>(w.freqBegin, 0), std::min(w.freqEnd, F - 1)};
  return c.isEmpty() ? SpctmWindow{} : c;
}

void SpctmStats::add(double v) {
  const double a = std::fabs(v);
  if (count == 0) {
    min = max = v;
    absMin = absMax = a;
  } else {
    min = std::min(min, v);
    max = std::max(max, v);
    absMin = std::min(absMin, a);
    absMax = std::max(absMax, a);
  }
  ++count;
  sum += v;
  absSum += a;
  sumSquares += v * v;
}

void SpctmStats::merge(const SpctmStats& other) {
  if (other.count == 0) return;
  if (count == 0) {
    *this = other;
    return;
  }
  min = std::min(min, other.min);
  max = std::max(max, other.max);
  absMin = std::min(absMin, other.absMin);
  absMax = std::max(absMax, other.absMax);
  count += other.count;
  sum += other.sum;
  absSum += other.absSum;
  sumSquares += other.sumSquares;
}

double SpctmStats::mean() const { return count > 0 ? sum / static_cast<double>(count) : 0.0; }
double SpctmStats::absMean() const { return count > 0 ? absSum / static_cast<double>(count) : 0.0; }
double SpctmStats::rms() const {
  return count > 0 ? std::sqrt(sumSquares / static_cast<double>(count)) : 0.0;
}

SpctmStats windowStats(const double* data, std::int64_t F, const SpctmWindow& clipped) {
  SpctmStats s;
  if (data == nullptr || clipped.isEmpty()) return s;
  // The first value starts every statistic, as add() does for it; the rest run in local
  // accumulators, each sum in the order add() would take.
  const double first = data[clipped.timeBegin * F + clipped.freqBegin];
  double lo = first, hi = first, absLo = std::fabs(first), absHi = absLo;
  double sum = 0.0, absSum = 0.0, squares = 0.0;
  const std::int64_t width = clipped.freqPoints();
  for (std::int64_t t = clipped.timeBegin; t <= clipped.timeEnd; ++t) {
    const double* row = data + t * F + clipped.freqBegin;
    for (std::int64_t f = 0; f < width; ++f) {
      const double v = row[f], a = std::fabs(v);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
      absLo = std::min(absLo, a);
      absHi = std::max(absHi, a);
      sum += v;
      absSum += a;
      squares += v * v;
    }
  }
  s.count = clipped.points();
  s.sum = sum;
  s.absSum = absSum;
  s.sumSquares = squares;
  s.min = lo;
  s.max = hi;
  s.absMin = absLo;
  s.absMax = absHi;
  return s;
}

double windowMean(const double* data, std::int64_t F, const SpctmWindow& clipped) {
  if (data == nullptr || clipped.isEmpty()) return 0.0;
  double sum = 0.0;
  const std::int64_t width = clipped.freqPoints();
  for (std::int64_t t = clipped.timeBegin; t <= clipped.timeEnd; ++t) {
    const double* row = data + t * F + clipped.freqBegin;
    for (std::int64_t f = 0; f < width; ++f) sum += row[f];
  }
  return sum / static_cast<double>(clipped.points());
}

double freqStat(const double* data, std::int64_t F, const SpctmWindow& clipped, std::int64_t f, int mode) {
  if (data == nullptr || clipped.isEmpty() || f < clipped.freqBegin || f > clipped.freqEnd) return 0.0;
  SpctmStats s;
  for (std::int64_t t = clipped.timeBegin; t <= clipped.timeEnd; ++t) s.add(data[t * F + f]);
  switch (mode) {
    case 1: return s.absMax;
    case 2: return s.absMean();
    case 3: return s.rms();
    default: return 0.0;
  }
}

}  // namespace megdata
