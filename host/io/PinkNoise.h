// Generator of 1/f ("pink") background noise for the demo recording: white Gaussian
// noise shaped in the frequency domain so its power falls as 1/f above 1 Hz (flat
// below), scaled to unit standard deviation on average. One instance per signal length.
#pragma once

#include <cstdint>
#include <span>

#include "host/io/DemoRandom.h"

class PinkNoise {
 public:
  PinkNoise(std::int64_t length, double samplingRateHz);
  // Writes length() samples of noise drawn from `random` into `out`.
  void fill(DemoRandom& random, std::span<double> out) const;
  std::int64_t length() const { return m_length; }

 private:
  std::int64_t m_length;
  double m_samplingRateHz;
  double m_normalisation = 1.0;  // makes the expected variance 1
};
