#include "host/data/SpectralBatch.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>
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

SpectralBatchResult runSpectralBatch(const MorletTransform& transform,
                                     std::span<const SpectralTask> tasks,
                                     const SpectralBatchOptions& options) {
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    const SpectralTask& task = tasks[i];
    if (static_cast<std::int64_t>(task.samples.size()) != transform.signalLength()) {
      throw std::invalid_argument("spectral task " + std::to_string(i) + " has " +
                                  std::to_string(task.samples.size()) + " samples, expected " +
                                  std::to_string(transform.signalLength()));
    }
    const SpectralOutput& o = task.output;
    if (o.real == nullptr && o.imag == nullptr && o.power == nullptr) {
      throw std::invalid_argument("spectral task " + std::to_string(i) + " has no output array");
    }
  }

  ProgressReporter progress(options.progress, std::max<std::size_t>(tasks.size(), 1));
  std::atomic<std::size_t> next{0};
  std::atomic<bool> cancelled{false};
  std::exception_ptr failure;
  std::mutex failureMutex;

  auto worker = [&] {
    try {
      MorletTransform::Workspace workspace(transform);
      for (;;) {
        const std::size_t i = next.fetch_add(1);
        if (i >= tasks.size()) return;
        if (options.cancel != nullptr && options.cancel->load()) {
          cancelled = true;
          return;
        }
        transform.transform(tasks[i].samples, tasks[i].output, workspace);
        progress.taskDone();
      }
    } catch (...) {
      // Only allocation can fail here; the first failure is rethrown on the caller's
      // thread and the other workers stop taking tasks.
      std::lock_guard<std::mutex> lock(failureMutex);
      if (!failure) failure = std::current_exception();
      next = tasks.size();
    }
  };

  unsigned threads = options.threads != 0 ? options.threads : std::thread::hardware_concurrency();
  threads = std::clamp<unsigned>(threads, 1, static_cast<unsigned>(std::max<std::size_t>(tasks.size(), 1)));
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();  // the calling thread works too
  for (std::thread& t : pool) t.join();

  if (failure) std::rethrow_exception(failure);
  if (cancelled) return SpectralBatchResult::Cancelled;
  progress.finish();
  return SpectralBatchResult::Done;
}
