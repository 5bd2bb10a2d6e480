// Complex Morlet time-frequency transform of one channel's signal, by FFT convolution,
// decimated to one output time point per `timeStep` raw samples. Built once per settings
// and signal length, then used from many threads at once (each with its own Workspace);
// SpctmBatch drives it over all channels of a recording.
// Output values are in signal amplitude units: a sinusoid of amplitude A at a frequency
// point gives |value| = A there, power A * A.
#pragma once

#include <complex>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "host/compute/MorletSettings.h"

// Where one channel's result goes: each pointer is null (not wanted) or T x F doubles,
// time-major (value of time point t and frequency point f at t * F + f).
struct SpctmOutput {
  double* real = nullptr;
  double* imag = nullptr;
  double* power = nullptr;  // real * real + imag * imag
};

class MorletTransform {
 public:
  // Throws std::invalid_argument saying what is wrong when the settings are unusable or
  // the signal is empty.
  MorletTransform(const MorletSettings& settings, std::int64_t signalLength);
  ~MorletTransform();

  const MorletSettings& settings() const { return m_settings; }
  std::int64_t signalLength() const { return m_signalLength; }
  std::int64_t timePoints() const { return m_timePoints; }  // T = ceil(N / timeStep)
  std::int64_t frequencyPoints() const { return static_cast<std::int64_t>(m_frequencies.size()); }
  const std::vector<double>& frequencies() const { return m_frequencies; }  // Hz
  const std::vector<double>& cycles() const { return m_cycles; }
  // Time point t is raw sample t * timeStep: the wavelet is centred on that sample.
  std::int64_t sampleOfTimePoint(std::int64_t t) const { return t * m_settings.timeStep; }

  // Edges: the signal (minus its mean) is continued with zeros on both sides, so near an
  // end the wavelet partly sees no signal and the amplitude drops. A wavelet reaches
  // edgeReachSamples(f) = ceil(3 envelope sigmas) samples each way; beyond that the
  // envelope holds less than 0.2 % of its weight. isEdgeAffected(t, f) says whether
  // time point t at frequency point f lies within that reach of either end.
  std::int64_t edgeReachSamples(std::int64_t f) const;
  bool isEdgeAffected(std::int64_t t, std::int64_t f) const;

  // Length of the padded FFT (at least N plus the longest wavelet's half length, a
  // multiple of the time step).
  std::int64_t fftLength() const { return m_fftLength; }
  // Number of spectrum bins kept for frequency point f (the rest are negligible).
  std::int64_t bandBins(std::int64_t f) const;

  // Scratch buffers of one thread; make one per thread and reuse it for every channel.
  class Workspace {
   public:
    explicit Workspace(const MorletTransform& transform);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

   private:
    friend class MorletTransform;
    struct Buffers;
    std::unique_ptr<Buffers> m_buffers;
  };

  // Transforms one channel. samples.size() must equal signalLength() (else
  // std::invalid_argument); the workspace must come from this transform.
  void transform(std::span<const double> samples, const SpctmOutput& out,
                 Workspace& workspace) const;

 private:
  // The wavelet's spectrum on the FFT grid, scaled by its amplitude gain and 1/M, kept
  // only over the signed bins firstBin .. firstBin + weights.size() - 1.
  struct Band {
    std::int64_t firstBin = 0;
    std::vector<std::complex<double>> weights;
  };

  MorletSettings m_settings;
  std::int64_t m_signalLength = 0;
  std::int64_t m_timePoints = 0;
  std::int64_t m_fftLength = 0;     // M
  std::int64_t m_foldedLength = 0;  // Q = M / timeStep
  std::vector<double> m_frequencies;
  std::vector<double> m_cycles;
  std::vector<std::int64_t> m_edgeReach;
  std::vector<Band> m_bands;
};
