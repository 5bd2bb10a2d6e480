// Seeded random numbers for the demo recording whose values depend only on the seed and
// on what they are for, never on the standard library's distributions (which differ
// between implementations) or on thread scheduling.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

class DemoRandom {
 public:
  // A stream for one purpose: the seed mixed with up to three labels (epoch, channel,
  // what the numbers are for), so every stream is independent of the order of use.
  DemoRandom(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0)
      : m_state(mix(mix(mix(seed ^ 0x6A09E667F3BCC909ull) ^ a) ^ (b * 0x9E3779B97F4A7C15ull)) ^ c) {}

  std::uint64_t next() { return mix(m_state += 0x9E3779B97F4A7C15ull); }
  // Uniform in [0, 1) with 53 random bits.
  double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  // Standard normal by the Box-Muller transform.
  double normal() {
    const double u = 1.0 - uniform();  // (0, 1]: the logarithm stays finite
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * uniform());
  }

 private:
  // The SplitMix64 finaliser: a bijection that spreads every input bit over the output.
  static std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint64_t m_state;
};
