// One sampled complex Morlet wavelet: a Gaussian-windowed complex exponential with the
// admissibility correction that gives it an exactly zero mean, scaled to unit energy.
// MorletTransform builds one per frequency point; tests use it for direct convolution.
// The wavelet is truncated at +-7 standard deviations of its envelope (below 3e-11).
#pragma once

#include <complex>
#include <cstdint>
#include <vector>

class MorletWavelet {
 public:
  // Wavelet of `cycles` cycles at `frequencyHz`, sampled at `samplingRateHz`.
  // Envelope standard deviation in seconds: cycles / (2 pi f).
  MorletWavelet(double frequencyHz, double cycles, double samplingRateHz);

  // Samples for times -halfLength .. +halfLength samples; sample(k) is at time k / fs.
  const std::vector<std::complex<double>>& samples() const { return m_samples; }
  std::int64_t halfLength() const { return m_halfLength; }
  std::complex<double> sample(std::int64_t k) const {
    return m_samples[static_cast<std::size_t>(k + m_halfLength)];
  }
  // Envelope standard deviation in samples.
  double sigmaSamples() const { return m_sigmaSamples; }

  // Factor that turns the convolution with this wavelet into signal amplitude units:
  // a sinusoid A cos(2 pi f t) at the wavelet's own frequency gives a result of modulus A.
  double amplitudeGain() const { return m_amplitudeGain; }

 private:
  std::vector<std::complex<double>> m_samples;
  std::int64_t m_halfLength = 0;
  double m_sigmaSamples = 0.0;
  double m_amplitudeGain = 1.0;
};
