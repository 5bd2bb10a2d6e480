// The dataset of `spctm-view show`, loaded on a worker thread while the main window is
// already on the screen: the demo's spectra (or a recording's) take seconds, the window
// a fraction of one. The window asks for the load's progress line as it runs and takes
// the dataset once it is there. The worker touches nothing of the UI; the dataset is the
// UI thread's only after take().
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "app/DatasetSource.h"

namespace spctmview {

class BackgroundDataset {
 public:
  // Starts loading what the options ask for.
  explicit BackgroundDataset(const DatasetOptions& options);
  // Waits for the worker.
  ~BackgroundDataset();
  BackgroundDataset(const BackgroundDataset&) = delete;
  BackgroundDataset& operator=(const BackgroundDataset&) = delete;

  bool finished() const { return m_finished.load(); }
  // The load's last progress line ("Computing spectra 45%" ...), or its notes.
  std::string progress() const;
  // After finished(): the dataset, or null with everything the load said in `messages`.
  std::unique_ptr<CArrayMEDataSetqv> take(std::string& messages);

 private:
  // Collects what the load writes: the last line, and the whole text.
  class Lines;
  void run(DatasetOptions options);

  std::unique_ptr<Lines> m_lines;
  std::unique_ptr<CArrayMEDataSetqv> m_dataset;
  std::atomic<bool> m_finished{false};
  std::thread m_worker;
};

}  // namespace spctmview
