// Planar gradiometer pairs for the topographic views, which need one value per sensor
// place: the two gradiometers of a pair sit at one place and measure the field's gradient
// along two directions. The pair's combined amplitude is the root of their summed power
// (the gradient's magnitude); the pair's first channel, renamed "A+B", carries the summed
// power in its Active and Control classes and its Results derived from them, while the
// second stays in the trial (its waveform and own spectra) but is neither shown nor
// counted in the group statistics. Used by RecordingDataset with --meg grad.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "host/data/MorletSpctmComputation.h"
#include "host/io/Recording.h"

// Pairs (first, second) of indices into `channels`: planar gradiometers at the same place
// (within 0.1 mm), or, without positions, whose names differ only in the last character;
// each channel in at most one pair, the first the earlier one.
std::vector<std::pair<std::size_t, std::size_t>> planarPairs(const std::vector<RecordingChannel>& channels);

// The spectral computation of a trial with planar pairs: the inner computation's spectra,
// then each pair's power summed into its first channel (Active, Control) and that
// channel's Results derived again with `baseline`. The real and imaginary parts stay the
// first gradiometer's.
class PlanarPairComputation : public megdata::SpctmComputation {
 public:
  PlanarPairComputation(std::shared_ptr<megdata::SpctmComputation> inner,
                        std::vector<std::pair<std::int64_t, std::int64_t>> pairs, Baseline baseline);
  bool computeTrialSpectra(CMDTrialqv& trial) override;

 private:
  std::shared_ptr<megdata::SpctmComputation> m_inner;
  std::vector<std::pair<std::int64_t, std::int64_t>> m_pairs;  // channel indices in the trial
  Baseline m_baseline;
};
