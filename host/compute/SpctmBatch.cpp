#include "host/compute/SpctmBatch.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

SpctmBatchResult runSpctmBatch(const MorletTransform& transform,
                                     std::span<const SpctmTask> tasks,
                                     const SpctmBatchOptions& options) {
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    const SpctmTask& task = tasks[i];
    if (static_cast<std::int64_t>(task.samples.size()) != transform.signalLength()) {
      throw std::invalid_argument("spectral task " + std::to_string(i) + " has " +
                                  std::to_string(task.samples.size()) + " samples, expected " +
                                  std::to_string(transform.signalLength()));
    }
    const SpctmOutput& o = task.output;
    if (o.real == nullptr && o.imag == nullptr && o.power == nullptr) {
      throw std::invalid_argument("spectral task " + std::to_string(i) + " has no output array");
    }
  }
  // One workspace per worker, made by that worker on its first task.
  std::vector<std::unique_ptr<MorletTransform::Workspace>> workspaces(
      parallelWorkers(options.threads, tasks.size()));
  return runParallelTasks(tasks.size(), options, [&](std::size_t i, unsigned worker) {
    auto& workspace = workspaces[worker];
    if (!workspace) workspace = std::make_unique<MorletTransform::Workspace>(transform);
    transform.transform(tasks[i].samples, tasks[i].output, *workspace);
  });
}
