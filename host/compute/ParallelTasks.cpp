#include "host/compute/ParallelTasks.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Serialises progress calls and keeps them rising: workers finish tasks in any order, so
// the percentage is derived from the count of finished tasks under the lock.
class ProgressReporter {
 public:
  ProgressReporter(const std::function<void(int)>& callback, std::size_t total)
      : m_callback(callback), m_total(total) {}

  void taskDone() {
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_done;
    const int percent = static_cast<int>(100 * m_done / m_total);
    if (percent > m_last && (percent < 100 || m_done == m_total)) report(percent);
  }
  void finish() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_last < 100) report(100);
  }

 private:
  void report(int percent) {
    m_last = percent;
    if (m_callback) m_callback(percent);
  }
  const std::function<void(int)>& m_callback;
  std::size_t m_total;
  std::size_t m_done = 0;
  int m_last = -1;
  std::mutex m_mutex;
};

}  // namespace

unsigned parallelWorkers(unsigned requested, std::size_t tasks) {
  const unsigned wanted = requested != 0 ? requested : std::thread::hardware_concurrency();
  return std::clamp<unsigned>(wanted, 1, static_cast<unsigned>(std::clamp<std::size_t>(tasks, 1, 1024)));
}

ParallelResult runParallelTasks(std::size_t count, const ParallelOptions& options,
                                const std::function<void(std::size_t task, unsigned worker)>& task) {
  ProgressReporter progress(options.progress, std::max<std::size_t>(count, 1));
  std::atomic<std::size_t> next{0};
  std::atomic<bool> cancelled{false};
  std::exception_ptr failure;
  std::mutex failureMutex;
  // A failing task, the cancel flag or a worker that cannot start stops every worker
  // before its next task.
  std::stop_source stop;

  auto worker = [&](unsigned index) {
    const std::stop_token stopped = stop.get_token();
    try {
      while (!stopped.stop_requested()) {
        const std::size_t i = next.fetch_add(1);
        if (i >= count) return;
        if (options.cancel != nullptr && options.cancel->load()) {
          cancelled = true;
          stop.request_stop();
          return;
        }
        task(i, index);
        progress.taskDone();
      }
    } catch (...) {
      // The first failure is rethrown on the caller's thread.
      std::lock_guard<std::mutex> lock(failureMutex);
      if (!failure) failure = std::current_exception();
      stop.request_stop();
    }
  };

  {
    // Declared after everything the workers use, so leaving this block joins them first,
    // on every path.
    std::vector<std::jthread> pool;
    const unsigned threads = parallelWorkers(options.threads, count);
    pool.reserve(threads - 1);
    try {
      for (unsigned t = 1; t < threads; ++t) {
        if (options.startingWorker) options.startingWorker(t, stop.get_token());
        pool.emplace_back(worker, t);
      }
    } catch (...) {
      stop.request_stop();
      throw;
    }
    worker(0);
  }

  if (failure) std::rethrow_exception(failure);
  if (cancelled) return ParallelResult::Cancelled;
  progress.finish();
  return ParallelResult::Done;
}
