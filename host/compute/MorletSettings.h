// Settings of the Morlet time-frequency transform: sampling rate, frequency grid, cycles
// per wavelet and time step. The host's spectral computation and its tests build one and
// hand it to MorletTransform. frequencies() and cycles() are the grid the transform uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class FrequencySpacing { Linear, Logarithmic };
enum class CyclesRule {
  Fixed,                    // every wavelet has `cycles` cycles
  ProportionalToFrequency,  // a wavelet at f Hz has cycles * f cycles (cycles = f/2: 0.5)
};

struct MorletSettings {
  double samplingRateHz = 1000.0;
  double lowHz = 4.0;   // first frequency point
  double highHz = 80.0;  // last frequency point (below the Nyquist frequency)
  std::int64_t frequencyCount = 39;
  FrequencySpacing spacing = FrequencySpacing::Linear;
  CyclesRule cyclesRule = CyclesRule::ProportionalToFrequency;
  double cycles = 0.5;
  std::int64_t timeStep = 10;  // raw samples per output time point (decimation)

  // Empty when the settings are usable, else a sentence saying what is wrong.
  std::string validate() const;

  // The frequency points in Hz, lowest first: evenly spaced (Linear) or with an even
  // ratio (Logarithmic) from lowHz to highHz inclusive; one point gives lowHz.
  std::vector<double> frequencies() const;
  // Cycles of the wavelet at each frequency point, same order.
  std::vector<double> cyclesPerFrequency() const;
  // Output time points for a signal of n samples: ceil(n / timeStep).
  std::int64_t timePointsFor(std::int64_t samples) const;
};
