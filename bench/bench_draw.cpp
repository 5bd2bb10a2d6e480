// Throughput of the draw engine's renderers at window size: the single-channel view of a
// 512 × 128 spectrum at zoom 2 in a 1280 × 400 view (goal: under 1 ms), and 306 sensor
// patches of 30 × 30 pixels (goal: under 2 ms), for each colouring.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "draw/CMEGSpctmDrawqv.h"
#include "tests/support/DatasetBuilder.h"

namespace {

// Smooth signed values spanning every colour rule's ranges.
double wave(std::int64_t c, std::int64_t t, std::int64_t f, int) {
  return 2.5 * std::sin(0.05 * static_cast<double>(t + 3 * c)) * std::cos(0.09 * static_cast<double>(f));
}

// 0 polarity, 1 absolute, 2 window view, 3 peak view.
void setColouring(CMEGSpctmDrawqv& d, std::int64_t colouring) {
  d.m_bStdRender = colouring < 2;
  d.m_bPolarity = colouring == 0;
  d.m_nViewMode = colouring == 3 ? 2 : 0;
}

const char* colouringName(std::int64_t colouring) {
  static const char* const kNames[] = {"polarity", "absolute", "window", "peak"};
  return kNames[colouring];
}

void singleChannelView(benchmark::State& state) {
  const auto ds = megdata::DatasetBuilder().meg(L"MLC11", 0, 0).grid(512, 128).spectra(0, wave).build();
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  setColouring(d, state.range(0));
  d.m_dZoom = 2.0;
  PixelSurface surface(1280, 400);
  CDC dc(surface, CPoint(), surface.bounds());
  const CRect rect(0, 0, 1280, 400);
  for (auto _ : state) {
    const int drawn = d.m_bStdRender ? d.drawOneSpctmColumnStd(&dc, rect, 0, 0) : d.drawOneSpctmColumn(&dc, rect, 0, 0);
    benchmark::DoNotOptimize(drawn);
    benchmark::ClobberMemory();
  }
  state.SetLabel(colouringName(state.range(0)));
}
BENCHMARK(singleChannelView)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void sensorPatches(benchmark::State& state) {
  constexpr int kSensors = 306, kSide = 30, kCell = 32, kColumns = 18;
  const auto ds = megdata::DatasetBuilder().megGrid(kSensors).grid(64, 40).spectra(0, wave).build();
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(ds.get());
  setColouring(d, state.range(0));
  std::vector<CSpctmChnlqv*> spectra;
  for (std::int64_t i = 0; i < kSensors; ++i) spectra.push_back(d.m_pTrial->getChannel(i)->getSpctmChnl(false, 0));
  PixelSurface surface(kColumns * kCell, (kSensors / kColumns + 1) * kCell);
  CDC dc(surface, CPoint(), surface.bounds());
  for (auto _ : state) {
    for (int i = 0; i < kSensors; ++i) {
      const int x0 = (i % kColumns) * kCell, y0 = (i / kColumns) * kCell + kSide - 1;
      const int drawn = d.m_bStdRender ? d.drawSpctmContourmapStd(&dc, x0, y0, x0 + kSide - 1, y0 - kSide + 1, spectra[std::size_t(i)], 0, 0)
                                       : d.drawSpctmContourmapx(&dc, x0, y0, x0 + kSide - 1, y0 - kSide + 1, spectra[std::size_t(i)], 0, 0);
      benchmark::DoNotOptimize(drawn);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSensors * kSide * kSide);
  state.SetLabel(colouringName(state.range(0)));
}
BENCHMARK(sensorPatches)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
