#include "host/compute/SpctmResults.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr const char* kBaselineNames[] = {"relative", "ratio", "logratio", "db", "zscore"};

// Control's per-frequency statistics.
struct ControlStats {
  std::vector<double> meanReal, meanImag, meanPower, spreadPower;
};

ControlStats controlStats(const SpctmArrays& control) {
  const auto freqs = static_cast<std::size_t>(control.frequencyPoints);
  ControlStats s{std::vector<double>(freqs, 0.0), std::vector<double>(freqs, 0.0), std::vector<double>(freqs, 0.0),
                 std::vector<double>(freqs, 0.0)};
  const double count = static_cast<double>(control.timePoints);
  for (std::int64_t t = 0; t < control.timePoints; ++t) {
    for (std::size_t f = 0; f < freqs; ++f) {
      const std::size_t i = control.at(t, static_cast<std::int64_t>(f));
      s.meanReal[f] += control.real[i];
      s.meanImag[f] += control.imag[i];
      s.meanPower[f] += control.power[i];
    }
  }
  for (auto* v : {&s.meanReal, &s.meanImag, &s.meanPower}) {
    for (double& x : *v) x /= count;
  }
  if (control.timePoints < 2) return s;
  for (std::int64_t t = 0; t < control.timePoints; ++t) {
    for (std::size_t f = 0; f < freqs; ++f) {
      const double d = control.power[control.at(t, static_cast<std::int64_t>(f))] - s.meanPower[f];
      s.spreadPower[f] += d * d;
    }
  }
  for (double& v : s.spreadPower) v = std::sqrt(v / (count - 1.0));
  return s;
}

double comparePower(Baseline baseline, double a, double mean, double spread) {
  switch (baseline) {
    case Baseline::RelativeChange: return mean != 0.0 ? (a - mean) / mean : 0.0;
    case Baseline::Ratio: return mean != 0.0 ? a / mean : 0.0;
    case Baseline::LogRatio: return mean > 0.0 && a > 0.0 ? std::log10(a / mean) : 0.0;
    case Baseline::Decibels: return mean > 0.0 && a > 0.0 ? 10.0 * std::log10(a / mean) : 0.0;
    case Baseline::ZScore: return spread > 0.0 ? (a - mean) / spread : 0.0;
  }
  return 0.0;
}

}  // namespace

const char* baselineName(Baseline baseline) { return kBaselineNames[static_cast<int>(baseline)]; }

std::optional<Baseline> baselineByName(const std::string& name) {
  for (int i = 0; i < 5; ++i) {
    if (name == kBaselineNames[i]) return static_cast<Baseline>(i);
  }
  return std::nullopt;
}

SpctmArrays deriveResults(const SpctmArrays& active, const SpctmArrays& control, Baseline baseline) {
  if (!active.isConsistent() || !control.isConsistent()) {
    throw std::invalid_argument("Results need Active and Control arrays of T x F values each");
  }
  if (active.frequencyPoints != control.frequencyPoints) {
    throw std::invalid_argument("Active has " + std::to_string(active.frequencyPoints) +
                                " frequency points but Control has " +
                                std::to_string(control.frequencyPoints));
  }
  if (control.timePoints < 1) throw std::invalid_argument("Control window has no time point");

  const ControlStats stats = controlStats(control);
  const std::int64_t freqs = active.frequencyPoints;
  SpctmArrays results(active.timePoints, freqs);
  for (std::int64_t t = 0; t < active.timePoints; ++t) {
    for (std::int64_t f = 0; f < freqs; ++f) {
      const auto i = static_cast<std::size_t>(f);
      const std::size_t a = active.at(t, f);
      results.real[a] = active.real[a] - stats.meanReal[i];
      results.imag[a] = active.imag[a] - stats.meanImag[i];
      results.power[a] = comparePower(baseline, active.power[a], stats.meanPower[i], stats.spreadPower[i]);
    }
  }
  return results;
}
