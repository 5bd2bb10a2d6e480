#include "host/compute/SpctmResults.h"

#include <string>

SpctmArrays deriveResults(const SpctmArrays& active, const SpctmArrays& control) {
  if (!active.isConsistent() || !control.isConsistent()) {
    throw std::invalid_argument("Results need Active and Control arrays of T x F values each");
  }
  if (active.frequencyPoints != control.frequencyPoints) {
    throw std::invalid_argument("Active has " + std::to_string(active.frequencyPoints) +
                                " frequency points but Control has " +
                                std::to_string(control.frequencyPoints));
  }
  if (control.timePoints < 1) throw std::invalid_argument("Control window has no time point");

  const std::int64_t freqs = active.frequencyPoints;
  std::vector<double> meanReal(static_cast<std::size_t>(freqs), 0.0);
  std::vector<double> meanImag(meanReal.size(), 0.0);
  std::vector<double> meanPower(meanReal.size(), 0.0);
  for (std::int64_t t = 0; t < control.timePoints; ++t) {
    for (std::int64_t f = 0; f < freqs; ++f) {
      const auto i = static_cast<std::size_t>(f);
      meanReal[i] += control.real[control.at(t, f)];
      meanImag[i] += control.imag[control.at(t, f)];
      meanPower[i] += control.power[control.at(t, f)];
    }
  }
  const double count = static_cast<double>(control.timePoints);
  for (std::size_t i = 0; i < meanReal.size(); ++i) {
    meanReal[i] /= count;
    meanImag[i] /= count;
    meanPower[i] /= count;
  }

  SpctmArrays results(active.timePoints, freqs);
  for (std::int64_t t = 0; t < active.timePoints; ++t) {
    for (std::int64_t f = 0; f < freqs; ++f) {
      const auto i = static_cast<std::size_t>(f);
      const std::size_t a = active.at(t, f);
      results.real[a] = active.real[a] - meanReal[i];
      results.imag[a] = active.imag[a] - meanImag[i];
      results.power[a] = meanPower[i] != 0.0 ? (active.power[a] - meanPower[i]) / meanPower[i] : 0.0;
    }
  }
  return results;
}
