// Host data library throughput on a demo-sized trial: 306 channels, 150 time points ×
// 39 frequency points, three spectral classes with three data kinds each.
#include <benchmark/benchmark.h>

#include <cmath>

#include "tests/support/DatasetBuilder.h"

namespace {

std::unique_ptr<CArrayMEDataSetqv> demoSized() {
  static const auto wave = [](std::int64_t c, std::int64_t t, std::int64_t f, int k) {
    return std::sin(0.01 * static_cast<double>(c * 7 + t * 3 + f + k));
  };
  return megdata::DatasetBuilder().megGrid(306).grid(150, 39).spectra(0, wave).spectra(1, wave).spectra(2, wave)
      .build();
}

// All nine group summaries of one trial (what "Update" and the first draw pay).
void BM_SummariesOfOneTrial(benchmark::State& state) {
  auto ds = demoSized();
  CMEGDataqv* s = ds->getSessionData(-1);
  for (auto _ : state) benchmark::DoNotOptimize(s->computTrialSpctmAllPro(nullptr, false));
  state.SetItemsProcessed(state.iterations() * 306 * 150 * 39 * 9);
}
BENCHMARK(BM_SummariesOfOneTrial)->Unit(benchmark::kMillisecond);

// Range over all channels (what the display-parameter dialog asks on every refresh).
void BM_RangeAllChannels(benchmark::State& state) {
  auto ds = demoSized();
  CMDTrialqv* t = ds->getSessionData(-1)->getTrialqv(-1);
  double lo = 0, hi = 0, mean = 0;
  for (auto _ : state) benchmark::DoNotOptimize(t->getSpctmRangeAllChann(lo, hi, mean, 1, 0, 2));
  state.SetItemsProcessed(state.iterations() * 306 * 150 * 39);
}
BENCHMARK(BM_RangeAllChannels)->Unit(benchmark::kMillisecond);

// One sensor value per channel over a 30 × 30 window (the contour field's value pass).
void BM_WindowValuePerChannel(benchmark::State& state) {
  auto ds = demoSized();
  CMDTrialqv* t = ds->getSessionData(-1)->getTrialqv(-1);
  for (auto _ : state) {
    double total = 0.0;
    for (std::int64_t i = 0; i < t->getTotalChannel(); ++i)
      total += t->getChannel(i)->getSpctmChnl(false, 0)->getSelectSpctmValue(40, 69, 5, 34, 2);
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * 306);
}
BENCHMARK(BM_WindowValuePerChannel)->Unit(benchmark::kMicrosecond);

}  // namespace
