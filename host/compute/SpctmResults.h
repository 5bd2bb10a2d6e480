// Derivation of the Results spectra (spectral class 2) from the Active and Control
// spectra of one channel. A pure function: the host's spectral computation calls it per
// channel after transforming both windows; tests check it against hand-computed values.
#pragma once

#include <stdexcept>

#include "host/compute/SpctmArrays.h"

// Results over the Active window's T x F grid, against the Control window's mean over its
// own time points, per frequency point f:
//   power(t, f) = (activePower(t, f) - m(f)) / m(f), m(f) = mean Control power at f
//                 (a relative change: 0.5 is 50 % above Control; 0 where m(f) is 0);
//   real(t, f)  = activeReal(t, f) - mean Control real part at f;
//   imag(t, f)  = activeImag(t, f) - mean Control imaginary part at f.
// Throws std::invalid_argument when the frequency counts differ, Control has no time
// point, or either input's arrays do not hold T x F values.
SpctmArrays deriveResults(const SpctmArrays& active, const SpctmArrays& control);
