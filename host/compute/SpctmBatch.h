// Runs one MorletTransform over many channels (all channels of all epochs) on the task
// pool of ParallelTasks, each worker with its own workspace, reporting progress and
// honouring a cancel flag. For callers that hold every output array at once (the
// reference-job benchmark); it allocates no output: every task writes into the arrays its
// caller owns.
#pragma once

#include <cstdint>
#include <span>

#include "host/compute/MorletTransform.h"
#include "host/compute/ParallelTasks.h"

struct SpctmTask {
  std::span<const double> samples;  // one channel's signal, transform.signalLength() long
  SpctmOutput output;            // where its T x F arrays go (null pointers: not wanted)
};

using SpctmBatchOptions = ParallelOptions;
using SpctmBatchResult = ParallelResult;

// Transforms every task. Checks all tasks before starting any (a wrong signal length or a
// task with no output throws std::invalid_argument and nothing is written). After
// Cancelled, the outputs of tasks that were not started are untouched.
SpctmBatchResult runSpctmBatch(const MorletTransform& transform,
                                     std::span<const SpctmTask> tasks,
                                     const SpctmBatchOptions& options = {});
