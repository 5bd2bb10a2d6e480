// The accumulated spectrum of one channel: the spectrum of each consecutive, non-
// overlapping segment of the signal, so its time axis counts segments, not samples.
// The host's spectral computation uses it for accumulated trials; built once per
// sampling rate, segment length and frequency grid, then used from many threads at once.
#pragma once

#include <complex>
#include <cstdint>
#include <span>
#include <vector>

#include "host/compute/SpctmArrays.h"

class SegmentSpectrum {
 public:
  // Throws std::invalid_argument for a non-positive sampling rate, a segment shorter than
  // 2 samples, or a frequency not strictly between 0 and fs / 2.
  SegmentSpectrum(double samplingRateHz, std::int64_t segmentLength, std::vector<double> frequenciesHz);

  // Splits `samples` into floor(n / segmentLength) segments (a shorter tail is left out),
  // removes each segment's mean, applies a Hann window and evaluates its Fourier
  // coefficient at every frequency, scaled so that a sinusoid of amplitude A at that
  // frequency gives |coefficient| = A. Row t of the result is segment t: real and
  // imaginary parts of the coefficient and its squared modulus as power. Throws
  // std::invalid_argument when the signal is shorter than one segment.
  SpctmArrays compute(std::span<const double> samples) const;

 private:
  std::int64_t m_segmentLength;
  std::vector<double> m_frequencies;
  // kernel[f * length + k] = w[k] e^{-i omega_f k} * 2 / sum(w): the Hann window's loss of
  // amplitude undone, shared by every segment.
  std::vector<std::complex<double>> m_kernel;
};
