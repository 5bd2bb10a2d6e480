// Load time of the demo dataset the application opens by default (generating 20 epochs
// of 304 channels, the average's spectra of every class, summaries, layouts), and the
// cost of making an epoch current (its spectra computed on demand, the previous epoch's
// dropped). Reports the process's resident memory with the dataset loaded.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "host/io/DemoDataset.h"

namespace {

// Resident set size of this process in MB, from /proc (0 where it cannot be read).
double residentMegabytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0.0;
}

void BM_BuildDemoDataset(benchmark::State& state) {
  double resident = 0.0;
  for (auto _ : state) {
    auto dataset = buildDemoDataset();
    resident = residentMegabytes();
    benchmark::DoNotOptimize(dataset.get());
  }
  state.counters["resident_MB"] = resident;
}

void BM_MakeAnEpochCurrent(benchmark::State& state) {
  static const auto dataset = buildDemoDataset();
  CMEGDataqv* session = dataset->getSessionData(-1);
  std::int64_t epoch = 1;
  for (auto _ : state) {
    session->setCurrentTrial(epoch);
    epoch = epoch % 20 + 1;
  }
  state.counters["resident_MB"] = residentMegabytes();
}

}  // namespace

BENCHMARK(BM_BuildDemoDataset)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_MakeAnEpochCurrent)->Unit(benchmark::kMillisecond)->UseRealTime();
