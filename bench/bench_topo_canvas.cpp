// Frames of the topographic canvas on a 306-sensor layout: the flags window's frame (every
// patch, name and circle, the info text and the scale) at 1200 × 1000 (goal: under 2 ms),
// and the contour window's field-and-lines frame (values interpolated to the grid, the
// field stretched to 540 × 540, clipped, 16 contour levels) (goal: under 4 ms); each also
// as one animation step: the window moved one point, then the frame drawn anew.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>

#include "tests/support/DatasetBuilder.h"
#include "windows/topo/CStaticSpctmContourMapqv.h"

namespace {

// 306 sensors on rings filling a disc 100 layout units across, as a helmet's layout does,
// with smooth spectra that differ from sensor to sensor.
megdata::DatasetBuilder layout306() {
  megdata::DatasetBuilder b;
  int n = 0;
  for (int ring = 0; n < 306; ++ring) {
    const int count = ring == 0 ? 1 : 6 * ring;
    for (int k = 0; k < count && n < 306; ++k, ++n) {
      const double angle = 2.0 * std::numbers::pi * k / count, r = 5.0 * ring;
      b.meg(L"MLC" + std::to_wstring(n), 50.0 + r * std::cos(angle), 50.0 + r * std::sin(angle));
    }
  }
  return b.grid(100, 39).spectra(2, [](std::int64_t c, std::int64_t t, std::int64_t f, int) {
    return std::sin(0.05 * static_cast<double>(t + 7 * c)) * std::cos(0.2 * static_cast<double>(f + c));
  });
}

struct Canvas {
  std::unique_ptr<CArrayMEDataSetqv> ds = layout306().build();
  CMEGSpctmDrawqv engine;
  CStaticSpctmContourMapqv canvas;
  int label = 1, sensor = 1, radiology = 0, size = 6;
  CDC screen;
  CRect client;
  Canvas(bool flags, int width, int height) : client(0, 0, width, height) {
    engine.setDrawMEGData(ds.get());
    canvas.m_pShowLabel = &label;
    canvas.m_pShowSensor = &sensor;
    canvas.m_pRadiology = &radiology;
    canvas.m_pSensorSize = &size;
    canvas.m_pDataSet = ds.get();
    canvas.m_pDraw = &engine;
    canvas.m_nSpctmClass = 2;
    canvas.m_bFlagsMode = flags;
    canvas.m_nDisplayMode = 2;
    canvas.m_bShowHeadShape = 1;
    engine.m_dStdMax = 1.0;
    screen.CreateCompatibleDC(nullptr);
  }
};

void flagsFrame(benchmark::State& state) {
  Canvas c(true, 1200, 1000);
  const bool animate = state.range(0) != 0;
  for (auto _ : state) {
    if (animate) c.engine.animateSpctm(1, 1, 2, 0);
    benchmark::DoNotOptimize(c.canvas.drawAll(&c.screen, c.client));
  }
  state.SetLabel(animate ? "animation step" : "frame");
}
BENCHMARK(flagsFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void fieldAndLinesFrame(benchmark::State& state) {
  Canvas c(false, 660, 660);  // the layout spans 540 × 540 inside the frame margin
  c.canvas.m_nPatchTimePoints = 10;
  c.canvas.m_nPatchFreqPoints = 2;
  c.canvas.buildField();
  const bool animate = state.range(0) != 0;
  for (auto _ : state) {
    if (animate) c.engine.animateSpctm(1, 1, 2, 0);
    c.canvas.recompute();
    benchmark::DoNotOptimize(c.canvas.drawAll(&c.screen, c.client));
  }
  state.SetLabel(animate ? "animation step" : "frame");
}
BENCHMARK(fieldAndLinesFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
