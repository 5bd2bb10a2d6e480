#include "host/compute/MorletTransform.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <string>

#include "host/compute/FftPlanCache.h"
#include "host/compute/MorletWavelet.h"

namespace {

// Spectrum bins below this fraction of a wavelet's largest bin are dropped. The
// truncated Gaussian's side lobes lie near 1e-11, so what is dropped changes results by
// far less than the test tolerance against direct convolution.
constexpr double kBandThreshold = 1e-10;
constexpr double kEdgeSigmas = 3.0;

bool isSmooth(std::int64_t n) {
  for (std::int64_t p : {2, 3, 5}) {
    while (n % p == 0) n /= p;
  }
  return n == 1;
}

// Smallest multiple M of `step` with M >= minimum and M / step a product of 2, 3 and 5,
// so both the forward FFT (M) and the folded inverse FFT (M / step) are fast sizes.
std::int64_t paddedLength(std::int64_t minimum, std::int64_t step) {
  std::int64_t q = (minimum + step - 1) / step;
  while (!isSmooth(q)) ++q;
  return q * step;
}

int toInt(std::int64_t n) {
  if (n > 0x3FFFFFFF) throw std::invalid_argument("signal too long for one FFT: " + std::to_string(n) + " samples");
  return static_cast<int>(n);
}

std::size_t idx(std::int64_t i) { return static_cast<std::size_t>(i); }

}  // namespace

struct MorletTransform::Workspace::Buffers {
  FftBuffer<double> padded;        // M samples: the signal minus its mean, then zeros
  FftBuffer<FftComplex> spectrum;  // M/2 + 1 bins of the forward transform
  FftBuffer<FftComplex> folded;    // Q bins: product spectrum folded by the time step
  FftBuffer<FftComplex> decimated; // Q output samples of the inverse transform
  std::int64_t fftLength = 0;
};

MorletTransform::Workspace::Workspace(const MorletTransform& transform)
    : m_buffers(std::make_unique<Buffers>()) {
  const auto m = idx(transform.m_fftLength);
  const auto q = idx(transform.m_foldedLength);
  m_buffers->padded = FftBuffer<double>(m);
  m_buffers->spectrum = FftBuffer<FftComplex>(m / 2 + 1);
  m_buffers->folded = FftBuffer<FftComplex>(q);
  m_buffers->decimated = FftBuffer<FftComplex>(q);
  m_buffers->fftLength = transform.m_fftLength;
  std::fill(m_buffers->padded.data(), m_buffers->padded.data() + m, 0.0);
}

MorletTransform::Workspace::~Workspace() = default;
MorletTransform::~MorletTransform() = default;

MorletTransform::MorletTransform(const MorletSettings& settings, std::int64_t signalLength)
    : m_settings(settings), m_signalLength(signalLength) {
  if (const std::string why = settings.validate(); !why.empty()) {
    throw std::invalid_argument("Morlet settings: " + why);
  }
  if (signalLength < 1) throw std::invalid_argument("Morlet transform needs at least one sample");
  m_timePoints = settings.timePointsFor(signalLength);
  m_frequencies = settings.frequencies();
  m_cycles = settings.cyclesPerFrequency();

  std::vector<MorletWavelet> wavelets;
  std::int64_t longestHalf = 0;
  for (std::size_t j = 0; j < m_frequencies.size(); ++j) {
    wavelets.emplace_back(m_frequencies[j], m_cycles[j], settings.samplingRateHz);
    longestHalf = std::max(longestHalf, wavelets.back().halfLength());
    m_edgeReach.push_back(
        static_cast<std::int64_t>(std::ceil(kEdgeSigmas * wavelets.back().sigmaSamples())));
  }
  // Zeros after the signal must cover the longest wavelet's half length so the circular
  // convolution of the FFT never wraps signal from one end onto the other.
  m_fftLength = paddedLength(signalLength + longestHalf, settings.timeStep);
  m_foldedLength = m_fftLength / settings.timeStep;

  const int m = toInt(m_fftLength);
  FftBuffer<FftComplex> wrapped(idx(m_fftLength));
  FftBuffer<FftComplex> spectrum(idx(m_fftLength));
  fftw_plan forward = FftPlanCache::instance().complexForward(m);
  for (const MorletWavelet& w : wavelets) {
    std::fill(wrapped.data(), wrapped.data() + m, FftComplex(0.0));
    for (std::int64_t k = -w.halfLength(); k <= w.halfLength(); ++k) {
      wrapped[idx((k + m_fftLength) % m_fftLength)] = w.sample(k);
    }
    fftw_execute_dft(forward, asFftw(wrapped.data()), asFftw(spectrum.data()));

    double peak = 0.0;
    for (int k = 0; k < m; ++k) peak = std::max(peak, std::abs(spectrum[idx(k)]));
    // Signed bin range (-M/2 < s <= M/2) holding every bin above the threshold: the bump at the wavelet's
    // frequency and, for low-cycle wavelets, the small one around 0 Hz left by the
    // zero-mean correction.
    std::int64_t lo = m_fftLength, hi = -m_fftLength;
    for (std::int64_t k = 0; k < m_fftLength; ++k) {
      if (std::abs(spectrum[idx(k)]) < kBandThreshold * peak) continue;
      const std::int64_t s = k <= m_fftLength / 2 ? k : k - m_fftLength;
      lo = std::min(lo, s);
      hi = std::max(hi, s);
    }
    Band band;
    band.firstBin = lo;
    const double scale = w.amplitudeGain() / static_cast<double>(m_fftLength);
    for (std::int64_t s = lo; s <= hi; ++s) {
      band.weights.push_back(spectrum[idx((s + m_fftLength) % m_fftLength)] * scale);
    }
    m_bands.push_back(std::move(band));
  }
  // Plan the two per-channel transforms now, on the constructing thread.
  FftPlanCache::instance().realForward(m);
  FftPlanCache::instance().complexBackward(toInt(m_foldedLength));
}

std::int64_t MorletTransform::edgeReachSamples(std::int64_t f) const {
  if (f < 0 || f >= frequencyPoints()) return 0;
  return m_edgeReach[idx(f)];
}

bool MorletTransform::isEdgeAffected(std::int64_t t, std::int64_t f) const {
  const std::int64_t s = sampleOfTimePoint(t);
  const std::int64_t reach = edgeReachSamples(f);
  return s < reach || s > m_signalLength - 1 - reach;
}

std::int64_t MorletTransform::bandBins(std::int64_t f) const {
  if (f < 0 || f >= frequencyPoints()) return 0;
  return static_cast<std::int64_t>(m_bands[idx(f)].weights.size());
}

void MorletTransform::transform(std::span<const double> samples, const SpctmOutput& out,
                                Workspace& workspace) const {
  if (static_cast<std::int64_t>(samples.size()) != m_signalLength) {
    throw std::invalid_argument("Morlet transform made for " + std::to_string(m_signalLength) +
                                " samples was given " + std::to_string(samples.size()));
  }
  Workspace::Buffers& b = *workspace.m_buffers;
  if (b.fftLength != m_fftLength) throw std::invalid_argument("workspace made for another transform");

  // Removing the mean keeps a DC offset from turning into a step at the zero padding,
  // which would ring at the edges; the zero-mean wavelets ignore it everywhere else.
  const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) /
                      static_cast<double>(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) b.padded[i] = samples[i] - mean;
  fftw_execute_dft_r2c(FftPlanCache::instance().realForward(toInt(m_fftLength)), b.padded.data(),
                       asFftw(b.spectrum.data()));
  fftw_plan inverse = FftPlanCache::instance().complexBackward(toInt(m_foldedLength));

  const std::int64_t freqCount = frequencyPoints();
  const std::int64_t q = m_foldedLength;
  for (std::int64_t j = 0; j < freqCount; ++j) {
    const Band& band = m_bands[idx(j)];
    std::fill(b.folded.data(), b.folded.data() + q, FftComplex(0.0));
    // Multiplying by the wavelet's spectrum and keeping every timeStep-th output sample
    // equals adding the product spectrum's bins k, k + Q, k + 2Q, ... and inverting only
    // Q bins. The signal is real, so bin -k is the conjugate of bin k.
    std::int64_t target = ((band.firstBin % q) + q) % q;
    std::int64_t bin = band.firstBin;
    for (const FftComplex& weight : band.weights) {
      const FftComplex x = bin >= 0 ? b.spectrum[idx(bin)] : std::conj(b.spectrum[idx(-bin)]);
      b.folded[idx(target)] += x * weight;
      ++bin;
      if (++target == q) target = 0;
    }
    fftw_execute_dft(inverse, asFftw(b.folded.data()), asFftw(b.decimated.data()));

    for (std::int64_t t = 0; t < m_timePoints; ++t) {
      const FftComplex v = b.decimated[idx(t)];
      const std::size_t at = idx(t * freqCount + j);
      if (out.real != nullptr) out.real[at] = v.real();
      if (out.imag != nullptr) out.imag[at] = v.imag();
      if (out.power != nullptr) out.power[at] = std::norm(v);
    }
  }
}
