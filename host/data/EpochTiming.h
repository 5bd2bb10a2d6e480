// Timing of one epoch's raw waveforms: the sampling rate, the raw sample of the stimulus
// (latency 0) and the Active and Control windows in raw samples. Set on a trial by the
// host (readers, demo dataset); the spectral computation cuts the spectral classes by it
// and derives latencies from it.
#pragma once

#include <cstdint>

namespace megdata {

// A span of raw samples [begin, end).
struct SampleWindow {
  std::int64_t begin = 0;
  std::int64_t end = 0;
  std::int64_t length() const { return end > begin ? end - begin : 0; }
};

struct EpochTiming {
  double samplingRateHz = 0.0;     // 0: not known, nothing can be computed
  std::int64_t stimulusSample = 0; // raw sample of latency 0 ms
  SampleWindow active;             // after the stimulus: spectral class 0
  SampleWindow control;            // before it: spectral class 1, the Results baseline

  // Latency in ms of a raw sample.
  double latencyMs(double sample) const {
    return samplingRateHz > 0.0 ? (sample - static_cast<double>(stimulusSample)) * 1000.0 / samplingRateHz : 0.0;
  }
};

}  // namespace megdata
