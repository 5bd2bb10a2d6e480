#include "host/compute/SegmentSpctm.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <utility>

SegmentSpectrum::SegmentSpectrum(double samplingRateHz, std::int64_t segmentLength, std::vector<double> frequenciesHz)
    : m_segmentLength(segmentLength), m_frequencies(std::move(frequenciesHz)) {
  if (!(samplingRateHz > 0.0)) throw std::invalid_argument("sampling rate must be positive");
  if (segmentLength < 2) throw std::invalid_argument("segment length " + std::to_string(segmentLength) + " is below 2");
  for (double f : m_frequencies) {
    if (!(f > 0.0 && f < samplingRateHz / 2.0)) {
      throw std::invalid_argument("frequency " + std::to_string(f) + " Hz not between 0 and the Nyquist frequency");
    }
  }
  const auto length = static_cast<std::size_t>(segmentLength);
  std::vector<double> window(length);
  double windowSum = 0.0;
  for (std::size_t k = 0; k < length; ++k) {
    window[k] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(length));
    windowSum += window[k];
  }
  m_kernel.resize(m_frequencies.size() * length);
  for (std::size_t f = 0; f < m_frequencies.size(); ++f) {
    const double omega = 2.0 * std::numbers::pi * m_frequencies[f] / samplingRateHz;
    for (std::size_t k = 0; k < length; ++k) {
      m_kernel[f * length + k] = 2.0 / windowSum * window[k] * std::polar(1.0, -omega * static_cast<double>(k));
    }
  }
}

SpctmArrays SegmentSpectrum::compute(std::span<const double> samples) const {
  const auto n = static_cast<std::int64_t>(samples.size());
  if (m_segmentLength > n) {
    throw std::invalid_argument("segment length " + std::to_string(m_segmentLength) + " exceeds the signal length " +
                                std::to_string(n));
  }
  const auto length = static_cast<std::size_t>(m_segmentLength);
  const std::size_t freqs = m_frequencies.size();
  SpctmArrays out(n / m_segmentLength, static_cast<std::int64_t>(freqs));
  std::vector<double> segment(length);
  for (std::int64_t s = 0; s < out.timePoints; ++s) {
    const std::span<const double> first = samples.subspan(static_cast<std::size_t>(s * m_segmentLength), length);
    double mean = 0.0;
    for (double v : first) mean += v;
    mean /= static_cast<double>(length);
    for (std::size_t k = 0; k < length; ++k) segment[k] = first[k] - mean;
    for (std::size_t f = 0; f < freqs; ++f) {
      std::complex<double> c = 0.0;
      const std::complex<double>* row = m_kernel.data() + f * length;
      for (std::size_t k = 0; k < length; ++k) c += segment[k] * row[k];
      const std::size_t at = out.at(s, static_cast<std::int64_t>(f));
      out.real[at] = c.real();
      out.imag[at] = c.imag();
      out.power[at] = std::norm(c);
    }
  }
  return out;
}
