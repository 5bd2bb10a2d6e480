// Throughput of the multi-channel column view: showSpctmMC for 306 channels of 200 × 64
// spectra in a 1600 × 1200 view (3 columns of 102 rows, blocks 200 × 10 pixels) and in a
// 1920 × 1080 view with 6 columns (51 rows, blocks 200 × 19), time grid on, in the window
// and the peak view; the items are the channels drawn.
#include <benchmark/benchmark.h>

#include <cmath>

#include "draw/CMEGSpctmDrawqv.h"
#include "tests/support/DatasetBuilder.h"

namespace {

double wave(std::int64_t c, std::int64_t t, std::int64_t f, int) {
  return 2.5 * std::sin(0.05 * static_cast<double>(t + 3 * c)) * std::cos(0.09 * static_cast<double>(f));
}

// Arguments: view mode (0 window, 2 peak), columns, view width, view height.
void columnView(benchmark::State& state) {
  constexpr int kChannels = 306;
  const auto ds = megdata::DatasetBuilder().megGrid(kChannels).grid(200, 64).spectra(0, wave).build();
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  d.m_nViewMode = static_cast<int>(state.range(0));
  d.m_nColumns = static_cast<int>(state.range(1));
  d.m_bShowTimeGrid = true;
  const int width = static_cast<int>(state.range(2)), height = static_cast<int>(state.range(3));
  PixelSurface surface(width, height);
  CDC dc(surface, CPoint(), surface.bounds());
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.showSpctmMC(&dc, CRect(0, 0, width, height), 0, 2));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kChannels);
  state.SetLabel(d.m_nViewMode == 0 ? "window" : "peak");
}
BENCHMARK(columnView)
    ->Args({0, 3, 1600, 1200})
    ->Args({2, 3, 1600, 1200})
    ->Args({0, 6, 1920, 1080})
    ->Args({2, 6, 1920, 1080})
    ->Unit(benchmark::kMillisecond);

}  // namespace
