// Overlays of the single-channel view on a 1280 × 400 memory DC, for a 512 × 128 spectrum
// at zoom 2 with 4 raw samples per time point: the selection read-out with every switch on,
// the measures, the waveform strip (2048 segments), each colour-scale legend (20 steps),
// and the whole view with the spectrogram under them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "draw/CMEGSpctmDrawqv.h"
#include "platform/gdi/CBitmap.h"
#include "tests/support/DatasetBuilder.h"

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
    d.m_bRecentre = false;
    d.m_bRecentreWave = 1;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, view.Width(), view.Height());
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(view, RGB(255, 255, 255));
  }
};

// One overlay drawn again and again into the same view.
void drawOverlay(benchmark::State& state, int (*draw)(Overlays&)) {
  Overlays o;
  for (auto _ : state) benchmark::DoNotOptimize(draw(o));
}

int selectInfo(Overlays& o) { return o.d.drawOneSpctmSelectInfo(&o.dc, o.view, 0, 0); }
int measures(Overlays& o) { return o.d.drawOneSpctmMeasures(&o.dc, o.view, 0, 0); }
int waveStrip(Overlays& o) { return o.d.drawOneWaveColumn(&o.dc, o.view, 0, 0); }
int colorScaleStdHrz(Overlays& o) {
  const CRect strip(o.view.left, o.view.bottom - 20, o.view.right, o.view.bottom);
  return o.d.drawSpctmColorScaleStdHrz(&o.dc, strip, 0, 0, 20);
}
int colorScaleStdVtc(Overlays& o) {
  const CRect band(o.view.right - 90, o.view.top, o.view.right - 60, o.view.bottom);
  return o.d.drawSpctmColorScaleStdVtc(&o.dc, band, 0, 0, 20);
}

// The whole single-channel view in the canvas's order: polarity spectrogram, read-out,
// waveform strip, measures and the horizontal legend.
int wholeView(Overlays& o) {
  o.d.drawOneSpctmColumnStd(&o.dc, o.view, 0, 0);
  selectInfo(o);
  waveStrip(o);
  measures(o);
  return colorScaleStdHrz(o);
}

BENCHMARK_CAPTURE(drawOverlay, WholeView, wholeView)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(drawOverlay, SelectInfo, selectInfo)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(drawOverlay, Measures, measures)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(drawOverlay, WaveStrip, waveStrip)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(drawOverlay, ColorScaleStdHrz, colorScaleStdHrz)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(drawOverlay, ColorScaleStdVtc, colorScaleStdVtc)->Unit(benchmark::kMicrosecond);

}  // namespace
