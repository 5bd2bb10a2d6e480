#include "host/compute/MorletWavelet.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kTruncationSigmas = 7.0;
}

MorletWavelet::MorletWavelet(double frequencyHz, double cycles, double samplingRateHz) {
  const double omega = 2.0 * std::numbers::pi * frequencyHz / samplingRateHz;  // rad/sample
  m_sigmaSamples = cycles * samplingRateHz / (2.0 * std::numbers::pi * frequencyHz);
  m_halfLength = static_cast<std::int64_t>(std::ceil(kTruncationSigmas * m_sigmaSamples));
  const std::size_t length = static_cast<std::size_t>(2 * m_halfLength + 1);

  std::vector<double> envelope(length);
  double envelopeSum = 0.0;
  std::complex<double> carrierSum = 0.0;
  for (std::size_t i = 0; i < length; ++i) {
    const double t = static_cast<double>(static_cast<std::int64_t>(i) - m_halfLength);
    envelope[i] = std::exp(-0.5 * t * t / (m_sigmaSamples * m_sigmaSamples));
    envelopeSum += envelope[i];
    carrierSum += envelope[i] * std::polar(1.0, omega * t);
  }
  // The correction constant is the envelope-weighted mean of the carrier, computed on the
  // samples themselves, so the discrete wavelet's mean is zero to rounding, not only the
  // continuous one's. Low-cycle wavelets (2 cycles at 4 Hz) need it: their plain carrier
  // leaks a DC response of about 13 %.
  const std::complex<double> correction = carrierSum / envelopeSum;

  m_samples.resize(length);
  double energy = 0.0;
  for (std::size_t i = 0; i < length; ++i) {
    const double t = static_cast<double>(static_cast<std::int64_t>(i) - m_halfLength);
    m_samples[i] = envelope[i] * (std::polar(1.0, omega * t) - correction);
    energy += std::norm(m_samples[i]);
  }
  const double norm = 1.0 / std::sqrt(energy);
  for (auto& s : m_samples) s *= norm;

  // Response to e^{i omega n}: the wavelet's transform at omega, sum of psi[k] e^{-i omega k}.
  // A cosine splits into two such exponentials of half amplitude; the negative-frequency
  // half is negligible for a Morlet wavelet, hence the factor 2.
  std::complex<double> response = 0.0;
  for (std::size_t i = 0; i < length; ++i) {
    const double t = static_cast<double>(static_cast<std::int64_t>(i) - m_halfLength);
    response += m_samples[i] * std::polar(1.0, -omega * t);
  }
  m_amplitudeGain = 2.0 / std::abs(response);
}
