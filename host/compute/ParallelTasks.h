// A pool of std::jthreads that runs numbered tasks, reports rising progress and honours a
// cancel flag. The spectral computation fans a trial's channels out with it, and the
// wavelet batch driver (SpctmBatch) its channels. Each worker has a fixed index, so a
// caller can keep one scratch workspace per worker without locking.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <stop_token>

struct ParallelOptions {
  unsigned threads = 0;  // 0: one per available core
  // Called with the percentage of tasks done, rising, from whichever worker finished a
  // task; never twice at once and never with a smaller value than before. A run that is
  // not cancelled always ends with exactly one call with 100.
  std::function<void(int percent)> progress;
  // When it becomes true, workers start no further task; tasks already running finish.
  const std::atomic<bool>* cancel = nullptr;
  // Called on the calling thread just before worker `index` (1 ..) is started, with the
  // run's stop token; an exception from it fails that start as a thread that cannot be
  // created does. For tests.
  std::function<void(unsigned index, std::stop_token stop)> startingWorker;
};

enum class ParallelResult { Done, Cancelled };

// Number of workers a run of `tasks` tasks uses: the requested count (0: the cores), at
// least 1 and at most the number of tasks (1 for none). Worker indices are 0 .. n − 1.
unsigned parallelWorkers(unsigned requested, std::size_t tasks);

// Runs task(i, worker) once for every i in [0, count), the calling thread working too.
// The first exception a task throws stops further tasks and is rethrown here after every
// worker has stopped. A worker that cannot be started (std::system_error) stops the ones
// already started, which finish their running task, and its exception is rethrown once
// they have all been joined.
ParallelResult runParallelTasks(std::size_t count, const ParallelOptions& options,
                                const std::function<void(std::size_t task, unsigned worker)>& task);
