// Results against hand-computed relative changes and differences; the segment spectrum
// against sinusoids of known amplitude.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "host/compute/SegmentSpctm.h"
#include "host/compute/SpctmResults.h"

namespace {

SpctmArrays arrays(std::int64_t t, std::int64_t f, std::vector<double> re, std::vector<double> im,
                      std::vector<double> pw) {
  SpctmArrays a(t, f);
  a.real = std::move(re);
  a.imag = std::move(im);
  a.power = std::move(pw);
  return a;
}

}  // namespace

TEST(SpctmResults, RelativeChangeAndDifferencesAgainstControlMeans) {
  // Control: 3 time points x 2 frequencies. Means per frequency:
  //   power f0 (2+4+6)/3 = 4, f1 (1+1+4)/3 = 2; real f0 1, f1 -1; imag f0 0.5, f1 2.
  const SpctmArrays control = arrays(3, 2, {0, -1, 1, -2, 2, 0},   // real
                                        {0.5, 1, 0, 2, 1, 3},         // imag
                                        {2, 1, 4, 1, 6, 4});          // power
  const SpctmArrays active = arrays(2, 2, {3, 0, 1, -1},  // real
                                       {0.5, 0, 2, 5},       // imag
                                       {6, 1, 2, 5});        // power
  const SpctmArrays r = deriveResults(active, control);
  ASSERT_EQ(r.timePoints, 2);
  ASSERT_EQ(r.frequencyPoints, 2);
  EXPECT_EQ(r.power, (std::vector<double>{0.5, -0.5, -0.5, 1.5}));
  EXPECT_EQ(r.real, (std::vector<double>{2, 1, 0, 0}));
  EXPECT_EQ(r.imag, (std::vector<double>{0, -2, 1.5, 3}));
}

TEST(SpctmResults, ZeroControlPowerAndMismatchedInputs) {
  const SpctmArrays control = arrays(1, 2, {0, 0}, {0, 0}, {0, 2});
  const SpctmArrays active = arrays(1, 2, {1, 1}, {1, 1}, {3, 3});
  EXPECT_EQ(deriveResults(active, control).power, (std::vector<double>{0, 0.5}));

  EXPECT_THROW(deriveResults(SpctmArrays(1, 3), control), std::invalid_argument);
  EXPECT_THROW(deriveResults(active, SpctmArrays(0, 2)), std::invalid_argument);
  SpctmArrays broken = active;
  broken.power.pop_back();
  EXPECT_THROW(deriveResults(broken, control), std::invalid_argument);
}

// Every baseline against its formula written out independently over random spectra:
// Control statistics recomputed here with a two-pass mean and an n - 1 spread.
TEST(SpctmResults, EachBaselineFollowsItsFormulaPerFrequency) {
  const std::int64_t T = 4, C = 5, F = 3;
  SpctmArrays active(T, F), control(C, F);
  unsigned state = 12345;
  const auto next = [&] { return (state = state * 1103515245u + 12345u) % 1000 / 100.0 + 0.1; };
  for (double& v : active.power) v = next();
  for (double& v : control.power) v = next();
  for (std::int64_t f = 0; f < F; ++f) {
    double mean = 0, sq = 0;
    for (std::int64_t t = 0; t < C; ++t) mean += control.power[control.at(t, f)];
    mean /= C;
    for (std::int64_t t = 0; t < C; ++t) sq += std::pow(control.power[control.at(t, f)] - mean, 2);
    const double sd = std::sqrt(sq / (C - 1));
    for (std::int64_t t = 0; t < T; ++t) {
      const double a = active.power[active.at(t, f)];
      const std::size_t i = active.at(t, f);
      EXPECT_NEAR(deriveResults(active, control, Baseline::RelativeChange).power[i], a / mean - 1, 1e-12);
      EXPECT_NEAR(deriveResults(active, control, Baseline::Ratio).power[i], a / mean, 1e-12);
      EXPECT_NEAR(deriveResults(active, control, Baseline::LogRatio).power[i], std::log(a / mean) / std::log(10.0), 1e-12);
      EXPECT_NEAR(deriveResults(active, control, Baseline::Decibels).power[i], 10 * std::log10(a) - 10 * std::log10(mean), 1e-9);
      EXPECT_NEAR(deriveResults(active, control, Baseline::ZScore).power[i], (a - mean) / sd, 1e-12);
    }
  }
}

TEST(SpctmResults, UndefinedBaselinesReadZeroAndNamesRoundTrip) {
  // f0: Control power constant (no spread), f1: Control power zero, Active zero at t0.
  const SpctmArrays control = arrays(2, 2, {0, 0, 0, 0}, {0, 0, 0, 0}, {3, 0, 3, 0});
  const SpctmArrays active = arrays(1, 2, {0, 0}, {0, 0}, {0, 5});
  EXPECT_EQ(deriveResults(active, control, Baseline::ZScore).power, (std::vector<double>{0, 0}));
  EXPECT_EQ(deriveResults(active, control, Baseline::LogRatio).power, (std::vector<double>{0, 0}));
  EXPECT_EQ(deriveResults(active, control, Baseline::Ratio).power, (std::vector<double>{0, 0}));
  for (Baseline b : {Baseline::RelativeChange, Baseline::Ratio, Baseline::LogRatio, Baseline::Decibels, Baseline::ZScore}) {
    EXPECT_EQ(baselineByName(baselineName(b)), b);
  }
  EXPECT_FALSE(baselineByName("percent").has_value());
}

TEST(SegmentSpectrum, RowsFollowTheAmplitudeOfEachSegment) {
  // 1 kHz, 10 Hz; amplitude 1 in the first 600 samples, 3 after; segments of 200 samples
  // hold whole cycles, so the Hann-windowed coefficient is exact.
  const double fs = 1000.0, pi = std::numbers::pi;
  std::vector<double> x(1250);
  for (std::size_t i = 0; i < x.size(); ++i) {
    x[i] = (i < 600 ? 1.0 : 3.0) * std::cos(2 * pi * 10.0 * static_cast<double>(i) / fs) + 7.0;
  }
  const SpctmArrays s = SegmentSpectrum(fs, 200, {10.0, 30.0}).compute(x);
  ASSERT_EQ(s.timePoints, 6);  // the 50-sample tail is left out
  ASSERT_EQ(s.frequencyPoints, 2);
  for (std::int64_t t = 0; t < 6; ++t) {
    const double amplitude = t < 3 ? 1.0 : 3.0;
    EXPECT_NEAR(std::sqrt(s.power[s.at(t, 0)]), amplitude, 1e-9) << "segment " << t;
    EXPECT_NEAR(s.real[s.at(t, 0)], amplitude, 1e-9);  // cosine: phase 0 at segment start
    EXPECT_NEAR(s.power[s.at(t, 1)], 0.0, 1e-18);
  }
  EXPECT_THROW(SegmentSpectrum(fs, 2000, {10.0}).compute(x), std::invalid_argument);
  EXPECT_THROW(SegmentSpectrum(fs, 200, {500.0}), std::invalid_argument);
  EXPECT_THROW(SegmentSpectrum(0.0, 200, {10.0}), std::invalid_argument);
  EXPECT_THROW(SegmentSpectrum(fs, 1, {10.0}), std::invalid_argument);
}
