// Derivation of the Results spectra (spectral class 2) from the Active and Control
// spectra of one channel, by the chosen baseline. A pure function: the host's spectral
// computation calls it per channel after transforming both windows; tests check it
// against hand-computed values and independent formulas.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "host/compute/SpctmArrays.h"

// How Results power compares Active power A(t, f) with the Control window's power at the
// same frequency, m(f) being its mean over Control's time points and s(f) its standard
// deviation over them (n - 1 in the denominator):
enum class Baseline {
  RelativeChange,  // (A - m) / m: 0.5 is 50 % above Control (the default)
  Ratio,           // A / m
  LogRatio,        // log10(A / m)
  Decibels,        // 10 log10(A / m)
  ZScore,          // (A - m) / s
};

// "relative", "ratio", "logratio", "db", "zscore", in the order of Baseline.
const char* baselineName(Baseline baseline);
std::optional<Baseline> baselineByName(const std::string& name);

// Results over the Active window's T x F grid, per frequency point f:
//   power(t, f) by `baseline` as above; 0 where it is undefined (m(f) = 0, s(f) = 0 for
//               z-scores, A = 0 for the logarithms);
//   real(t, f)  = activeReal(t, f) - mean Control real part at f;
//   imag(t, f)  = activeImag(t, f) - mean Control imaginary part at f (for every baseline).
// Throws std::invalid_argument when the frequency counts differ, Control has no time
// point, or either input's arrays do not hold T x F values.
SpctmArrays deriveResults(const SpctmArrays& active, const SpctmArrays& control,
                          Baseline baseline = Baseline::RelativeChange);
