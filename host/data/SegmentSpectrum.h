// The accumulated spectrum of one channel: the spectrum of each consecutive, non-
// overlapping segment of the signal, so its time axis counts segments, not samples.
// The host computes it for the accumulated display path; a pure function over arrays.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/data/SpectralArrays.h"

// Splits `samples` into floor(n / segmentLength) segments (a shorter tail is left out),
// removes each segment's mean, applies a Hann window and evaluates its Fourier
// coefficient at every frequency in `frequenciesHz`, scaled so that a sinusoid of
// amplitude A at that frequency gives |coefficient| = A. Row t of the result is segment
// t: real and imaginary parts of the coefficient and its squared modulus as power.
// Throws std::invalid_argument for a non-positive sampling rate or segment length, a
// segment longer than the signal, or a frequency not strictly between 0 and fs / 2.
SpectralArrays segmentSpectrum(std::span<const double> samples, double samplingRateHz,
                               std::int64_t segmentLength, const std::vector<double>& frequenciesHz);
