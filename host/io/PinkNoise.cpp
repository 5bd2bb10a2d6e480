#include "host/io/PinkNoise.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "host/compute/FftPlanCache.h"

namespace {

// Amplitude gain of bin k: 1/sqrt(f), held flat below 1 Hz so the slow end stays bounded.
double gain(std::int64_t k, std::int64_t length, double fs) {
  const double hz = static_cast<double>(k) * fs / static_cast<double>(length);
  return 1.0 / std::sqrt(std::max(hz, 1.0));
}

}  // namespace

PinkNoise::PinkNoise(std::int64_t length, double samplingRateHz)
    : m_length(length), m_samplingRateHz(samplingRateHz) {
  if (length < 2 || !(samplingRateHz > 0.0)) throw std::invalid_argument("pink noise needs two samples and a positive rate");
  // White noise of unit variance filtered by a real, even gain H keeps variance
  // (1/n) * sum over all n bins of H^2.
  double sum = 0.0;
  for (std::int64_t k = 0; k < length; ++k) {
    const std::int64_t folded = std::min(k, length - k);
    sum += gain(folded, length, samplingRateHz) * gain(folded, length, samplingRateHz);
  }
  m_normalisation = 1.0 / std::sqrt(sum / static_cast<double>(length));
}

void PinkNoise::fill(DemoRandom& random, std::span<double> out) const {
  if (static_cast<std::int64_t>(out.size()) != m_length) throw std::invalid_argument("pink noise buffer of wrong length");
  const auto n = static_cast<std::size_t>(m_length);
  FftBuffer<double> white(n);
  FftBuffer<FftComplex> spectrum(n / 2 + 1);
  FftBuffer<double> shaped(n);
  for (std::size_t i = 0; i < n; ++i) white[i] = random.normal();
  FftPlanCache& plans = FftPlanCache::instance();
  fftw_execute_dft_r2c(plans.realForward(static_cast<int>(m_length)), white.data(), asFftw(spectrum.data()));
  for (std::size_t k = 0; k <= n / 2; ++k) {
    spectrum[k] *= gain(static_cast<std::int64_t>(k), m_length, m_samplingRateHz) * m_normalisation /
                   static_cast<double>(n);
  }
  spectrum[0] = 0.0;  // no offset
  fftw_execute_dft_c2r(plans.realBackward(static_cast<int>(m_length)), asFftw(spectrum.data()), shaped.data());
  std::copy(shaped.data(), shaped.data() + n, out.begin());
}
