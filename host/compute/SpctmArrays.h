// One channel's spectra as plain arrays: T time points x F frequency points per data kind
// (real part, imaginary part, power), time-major. The value types passed between the
// spectral computation, the Results derivation and, later, the host's spectral channels.
#pragma once

#include <cstdint>
#include <vector>

struct SpctmArrays {
  std::int64_t timePoints = 0;       // T
  std::int64_t frequencyPoints = 0;  // F
  std::vector<double> real;          // each T * F, element t * F + f
  std::vector<double> imag;
  std::vector<double> power;

  SpctmArrays() = default;
  SpctmArrays(std::int64_t t, std::int64_t f)
      : timePoints(t), frequencyPoints(f),
        real(static_cast<std::size_t>(t * f)), imag(real.size()), power(real.size()) {}

  std::size_t at(std::int64_t t, std::int64_t f) const {
    return static_cast<std::size_t>(t * frequencyPoints + f);
  }
  // True when the three arrays hold exactly T * F values each.
  bool isConsistent() const {
    const auto n = static_cast<std::size_t>(timePoints * frequencyPoints);
    return timePoints >= 0 && frequencyPoints >= 0 && real.size() == n && imag.size() == n &&
           power.size() == n;
  }
};
