// Value kinds shared by every class of the host data library: spectral classes, data
// kinds, data sources and the index helper for T × F arrays. Used by the data classes,
// the builder and the display code that calls them. No behaviour beyond constants.
#pragma once

#include <cstddef>
#include <cstdint>

namespace megdata {

// Spectral classes: 0 Active time window, 1 Control time window, 2 Results.
inline constexpr int kSpctmClassCount = 3;
// Data kinds: 0 real part, 1 imaginary part, 2 power.
inline constexpr int kDataKindCount = 3;
// Data sources: 0 one channel, 1..6 a group statistic (mean, minimum, maximum, averaged
// positive, averaged negative, signed RMS).
inline constexpr int kDataSourceCount = 7;

inline constexpr bool isSpctmClass(int cls) { return cls >= 0 && cls < kSpctmClassCount; }
inline constexpr bool isDataKind(int kind) { return kind >= 0 && kind < kDataKindCount; }

// Unsigned position of a checked, non-negative 64-bit index.
inline constexpr std::size_t at(std::int64_t index) { return static_cast<std::size_t>(index); }

}  // namespace megdata
