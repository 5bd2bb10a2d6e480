// Overlays of the single-channel view on a 1280 × 400 memory DC, for a 512 × 128 spectrum
// at zoom 2 with 4 raw samples per time point: the selection read-out with every switch on,
// the measures, the waveform strip (2048 segments) and each colour-scale legend (20 steps).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/data/DatasetBuilder.h"

namespace {

struct Overlays {
  std::unique_ptr<CArrayMEDataSetqv> ds =
      megdata::DatasetBuilder()
          .meg(L"MLC11", 0, 0)
          .gain(30.0)
          .grid(512, 128)
          .timeStep(4)
          .latencies(-500.0, 4.0)
          .frequencies(2.0, 0.75)
          .spectra(0, [](std::int64_t, std::int64_t t, std::int64_t f, int) { return std::sin(0.01 * double(t * f)); })
          .waves(2048, [](std::int64_t, std::int64_t s) { return std::sin(0.05 * double(s)); })
          .selection(0, 200, 320, 30, 70)
          .build();
  CMEGSpctmDrawqv d;
  CDC dc;
  CBitmap bitmap;
  const CRect view{0, 0, 1280, 400};
  Overlays() {
    d.setDrawMEGData(ds.get());
    d.m_dZoom = 2.0;
    d.m_nOriginX = 128;
    d.m_nOriginY = 328;
    d.m_bShowSelectInfo = true;
    d.m_bRecentreWave = 1;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, view.Width(), view.Height());
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(view, RGB(255, 255, 255));
  }
};

void BM_SelectInfo(benchmark::State& state) {
  Overlays o;
  for (auto _ : state) benchmark::DoNotOptimize(o.d.drawOneSpctmSelectInfo(&o.dc, o.view, 0, 0));
}
BENCHMARK(BM_SelectInfo)->Unit(benchmark::kMicrosecond);

void BM_Measures(benchmark::State& state) {
  Overlays o;
  for (auto _ : state) benchmark::DoNotOptimize(o.d.drawOneSpctmMeasures(&o.dc, o.view, 0, 0));
}
BENCHMARK(BM_Measures)->Unit(benchmark::kMicrosecond);

void BM_WaveStrip(benchmark::State& state) {
  Overlays o;
  for (auto _ : state) benchmark::DoNotOptimize(o.d.drawOneWaveColumn(&o.dc, o.view, 0, 0));
}
BENCHMARK(BM_WaveStrip)->Unit(benchmark::kMicrosecond);

void BM_ColorScaleStdHrz(benchmark::State& state) {
  Overlays o;
  const CRect strip(o.view.left, o.view.bottom - 20, o.view.right, o.view.bottom);
  for (auto _ : state) benchmark::DoNotOptimize(o.d.drawSpctmColorScaleStdHrz(&o.dc, strip, 0, 0, 20));
}
BENCHMARK(BM_ColorScaleStdHrz)->Unit(benchmark::kMicrosecond);

void BM_ColorScaleStdVtc(benchmark::State& state) {
  Overlays o;
  const CRect band(o.view.right - 90, o.view.top, o.view.right - 60, o.view.bottom);
  for (auto _ : state) benchmark::DoNotOptimize(o.d.drawSpctmColorScaleStdVtc(&o.dc, band, 0, 0, 20));
}
BENCHMARK(BM_ColorScaleStdVtc)->Unit(benchmark::kMicrosecond);

}  // namespace
