// Number conversions of the draw engine's geometry: doubles truncated toward zero, 64-bit
// positions bounded so that sums of a few of them cannot overflow, and narrowing to the int
// coordinates a device context takes. Used by the legends, read-outs, measures and the
// waveform strip. Values beyond the target type saturate and NaN gives 0, so settings
// loaded from a file (a zoom of 0, an origin of 2^63 − 1) never make arithmetic undefined;
// within ±2^60 nothing changes, and everything that far out is off any device anyway.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace spctmdraw {

// trunc(v) as a 64-bit integer, saturated; NaN gives 0.
inline std::int64_t truncI64(double v) {
  if (std::isnan(v)) return 0;
  constexpr double kLimit = 9.2233720368547748e18;  // 2^63, the first double out of range
  if (v >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (v <= -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(v);
}

// v clamped to ±2^60: a handful of such values and small offsets add without overflow.
inline std::int64_t bounded(std::int64_t v) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 60;
  return v > kLimit ? kLimit : (v < -kLimit ? -kLimit : v);
}

// trunc(v), bounded.
inline std::int64_t truncBounded(double v) { return bounded(truncI64(v)); }

// A 64-bit value as an int (device coordinates, counts in "%d" texts), saturated.
inline int toInt(std::int64_t v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

// trunc(v) as an int device coordinate, saturated; NaN gives 0.
inline int truncInt(double v) { return toInt(truncI64(v)); }

// The fewest steps i >= 0 with start + i * step >= limit (step > 0): where a walk of ticks
// or grid lines from start enters a visible span beginning at limit.
inline std::int64_t firstStepAtOrAfter(std::int64_t start, std::int64_t limit, std::int64_t step) {
  return limit > start ? (limit - start + step - 1) / step : 0;
}

}  // namespace spctmdraw
