// The small built-in dataset the viewer draws until the demo recording is wired into the
// host's data model: MEG sensors and EEG electrodes named as on a real montage, one trial
// with spectra of the Active, Control and Results classes that hold three known effects.
// Everything the viewer needs from "the demo" comes through buildExampleDataset(), so the
// demo dataset can replace it in this one place.
//
// Grid: 120 time points from −200 ms in 10 ms steps, 40 frequency points from 2 Hz in 2 Hz
// steps. Power (kind 2) in the Control class is a smooth 1/f-like background with ongoing
// alpha (10 Hz) over occipital and beta (20 Hz) over central sensors. The Active class adds:
//   alpha decrease  10 Hz, +150 … +650 ms, to 35 % amplitude   (occipital: MxO*, O1, Oz, O2)
//   beta rebound    20 Hz, +500 … +800 ms, to 250 % amplitude  (central: MLC*, MRC*, C3, C4)
//   gamma burst     60 Hz, +100 … +300 ms, appears             (MZO01, MLO11, MRO11, Oz)
// each ramped over 50 ms. Real and imaginary parts (kinds 0, 1) are the amplitude (√power)
// times the cosine and sine of a slowly turning phase. Results are Active against Control:
// power as relative change (A − C) / C, real and imaginary parts as differences A − C.
#pragma once

#include <cstdint>
#include <memory>

#include "host/data/CArrayMEDataSetqv.h"

namespace spctmview {

constexpr std::int64_t kExampleTimePoints = 120;
constexpr std::int64_t kExampleFreqPoints = 40;

// Latency in ms of a time point and frequency in Hz of a frequency point of the example.
constexpr double exampleLatencyMs(std::int64_t t) { return -200.0 + 10.0 * static_cast<double>(t); }
constexpr double exampleFrequencyHz(std::int64_t f) { return 2.0 + 2.0 * static_cast<double>(f); }

std::unique_ptr<CArrayMEDataSetqv> buildExampleDataset();

}  // namespace spctmview
