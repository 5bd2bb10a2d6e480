// Runs one MorletTransform over many channels (all channels of all epochs) on a pool of
// std::threads, each thread with its own workspace, reporting progress and honouring a
// cancel flag. The host's spectral computation calls it once per recording; it allocates
// no output: every task writes into the arrays its caller owns.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>

#include "host/data/MorletTransform.h"

struct SpectralTask {
  std::span<const double> samples;  // one channel's signal, transform.signalLength() long
  SpectralOutput output;            // where its T x F arrays go (null pointers: not wanted)
};

struct SpectralBatchOptions {
  unsigned threads = 0;  // 0: one per available core
  // Called with the percentage of tasks done, rising, from whichever worker finished a
  // task; never twice at once and never with a smaller value than before. A run that is
  // not cancelled always ends with exactly one call with 100.
  std::function<void(int percent)> progress;
  // When it becomes true, workers start no further task; tasks already running finish.
  const std::atomic<bool>* cancel = nullptr;
};

enum class SpectralBatchResult { Done, Cancelled };

// Transforms every task. Checks all tasks before starting any (a wrong signal length or a
// task with no output throws std::invalid_argument and nothing is written). After
// Cancelled, the outputs of tasks that were not started are untouched.
SpectralBatchResult runSpectralBatch(const MorletTransform& transform,
                                     std::span<const SpectralTask> tasks,
                                     const SpectralBatchOptions& options = {});
