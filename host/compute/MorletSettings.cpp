#include "host/compute/MorletSettings.h"

#include <cmath>
#include <sstream>

std::string MorletSettings::validate() const {
  std::ostringstream why;
  if (!(samplingRateHz > 0.0) || !std::isfinite(samplingRateHz)) {
    why << "sampling rate must be positive (got " << samplingRateHz << " Hz)";
  } else if (frequencyCount < 1) {
    why << "at least one frequency point is needed (got " << frequencyCount << ")";
  } else if (!(lowHz > 0.0) || !std::isfinite(highHz) || highHz < lowHz) {
    why << "frequency bounds must satisfy 0 < low <= high (got " << lowHz << " to " << highHz
        << " Hz)";
  } else if (highHz >= samplingRateHz / 2.0) {
    why << "highest frequency " << highHz << " Hz is not below the Nyquist frequency "
        << samplingRateHz / 2.0 << " Hz";
  } else if (!(cycles > 0.0) || !std::isfinite(cycles)) {
    why << "cycles must be positive (got " << cycles << ")";
  } else if (timeStep < 1) {
    why << "time step must be at least one sample (got " << timeStep << ")";
  }
  return why.str();
}

std::vector<double> MorletSettings::frequencies() const {
  const auto count = static_cast<std::size_t>(frequencyCount < 1 ? 0 : frequencyCount);
  std::vector<double> f(count, lowHz);
  if (count < 2) return f;
  const double last = static_cast<double>(count - 1);
  for (std::size_t i = 0; i < count; ++i) {
    const double u = static_cast<double>(i) / last;
    f[i] = spacing == FrequencySpacing::Linear ? lowHz + u * (highHz - lowHz)
                                               : lowHz * std::pow(highHz / lowHz, u);
  }
  f.back() = highHz;  // exact upper bound whatever the rounding
  return f;
}

std::vector<double> MorletSettings::cyclesPerFrequency() const {
  std::vector<double> c = frequencies();
  for (double& v : c) v = cyclesRule == CyclesRule::Fixed ? cycles : cycles * v;
  return c;
}

std::int64_t MorletSettings::timePointsFor(std::int64_t samples) const {
  if (samples <= 0 || timeStep < 1) return 0;
  return (samples + timeStep - 1) / timeStep;
}
