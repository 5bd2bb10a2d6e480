#include "host/data/SegmentSpectrum.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <stdexcept>
#include <string>

SpectralArrays segmentSpectrum(std::span<const double> samples, double samplingRateHz,
                               std::int64_t segmentLength, const std::vector<double>& frequenciesHz) {
  const auto n = static_cast<std::int64_t>(samples.size());
  if (!(samplingRateHz > 0.0)) throw std::invalid_argument("sampling rate must be positive");
  if (segmentLength < 2 || segmentLength > n) {
    throw std::invalid_argument("segment length " + std::to_string(segmentLength) +
                                " must be between 2 and the signal length " + std::to_string(n));
  }
  for (double f : frequenciesHz) {
    if (!(f > 0.0 && f < samplingRateHz / 2.0)) {
      throw std::invalid_argument("frequency " + std::to_string(f) +
                                  " Hz not between 0 and the Nyquist frequency");
    }
  }

  const auto length = static_cast<std::size_t>(segmentLength);
  const std::size_t freqs = frequenciesHz.size();
  // Window and kernel are shared by every segment: kernel[f][k] = w[k] e^{-i omega_f k},
  // times 2 / sum(w) so the Hann window's loss of amplitude is undone.
  std::vector<double> window(length);
  double windowSum = 0.0;
  for (std::size_t k = 0; k < length; ++k) {
    window[k] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(k) /
                                     static_cast<double>(length));
    windowSum += window[k];
  }
  std::vector<std::complex<double>> kernel(freqs * length);
  for (std::size_t f = 0; f < freqs; ++f) {
    const double omega = 2.0 * std::numbers::pi * frequenciesHz[f] / samplingRateHz;
    const double gain = 2.0 / windowSum;
    for (std::size_t k = 0; k < length; ++k) {
      kernel[f * length + k] = gain * window[k] * std::polar(1.0, -omega * static_cast<double>(k));
    }
  }

  SpectralArrays out(n / segmentLength, static_cast<std::int64_t>(freqs));
  std::vector<double> segment(length);
  for (std::int64_t s = 0; s < out.timePoints; ++s) {
    const auto first = samples.begin() + s * segmentLength;
    double mean = 0.0;
    for (std::size_t k = 0; k < length; ++k) mean += first[static_cast<std::ptrdiff_t>(k)];
    mean /= static_cast<double>(length);
    for (std::size_t k = 0; k < length; ++k) segment[k] = first[static_cast<std::ptrdiff_t>(k)] - mean;
    for (std::size_t f = 0; f < freqs; ++f) {
      std::complex<double> c = 0.0;
      const std::complex<double>* row = kernel.data() + f * length;
      for (std::size_t k = 0; k < length; ++k) c += segment[k] * row[k];
      const std::size_t at = out.at(s, static_cast<std::int64_t>(f));
      out.real[at] = c.real();
      out.imag[at] = c.imag();
      out.power[at] = std::norm(c);
    }
  }
  return out;
}
