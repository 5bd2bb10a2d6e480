// Throughput of the host rendering services on canvas-sized work: stretching a field
// image (the kernel alone and through a device context), masking it with the field clip,
// tracing contour lines, constructing the colour tables.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "host/render/BilinearScale.h"
#include "host/render/CADRindex2Colorqv.h"
#include "host/render/CBitmapHighQualityDrawqv.h"
#include "host/render/CContourLineMapqv.h"
#include "host/render/CDrawClipsqv.h"
#include "platform/gdi/CBitmap.h"

namespace {

void scaleField(benchmark::State& state) {
  const int sw = static_cast<int>(state.range(0)), dw = static_cast<int>(state.range(1));
  std::vector<std::uint32_t> src(static_cast<std::size_t>(sw * sw));
  for (std::size_t k = 0; k < src.size(); ++k) src[k] = static_cast<std::uint32_t>(k * 2654435761u) & 0x00FFFFFF;
  std::vector<std::uint32_t> dst(static_cast<std::size_t>(dw * dw));
  const hostrender::PixelSource source{src.data(), sw, sw, sw, true};
  for (auto _ : state) {
    hostrender::scaleBilinear(source, dw, dw, CRect(0, 0, dw, dw), dst.data(), dw);
    benchmark::DoNotOptimize(dst.data());
  }
  state.SetItemsProcessed(state.iterations() * dw * dw);
  state.SetLabel("destination pixels");
}
BENCHMARK(scaleField)->Args({41, 480})->Args({128, 1024});

// A canvas-sized memory DC, as the topographic canvas draws on.
struct MemoryCanvas {
  CBitmap bitmap;
  CDC dc;
  explicit MemoryCanvas(int side) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, side, side);
    dc.SelectObject(&bitmap);
  }
};

// The canvas's field drawing: a 41 × 41 field stretched over a 600-pixel canvas, half of
// it outside the clip rectangle, through the drawer that the canvas cleans before each use.
void drawFieldThroughDc(benchmark::State& state) {
  std::vector<std::uint32_t> src(41 * 41);
  for (std::size_t k = 0; k < src.size(); ++k) src[k] = static_cast<std::uint32_t>(k * 2654435761u) & 0x00FFFFFF;
  MemoryCanvas canvas(600);
  canvas.dc.IntersectClipRect(0, 0, 600, 300);
  CBitmapHighQualityDrawqv drawer;
  for (auto _ : state) {
    drawer.cleanData();
    drawer.drawHighQualityImage(&canvas.dc, src.data(), 41, 41, 540, 540, 30, 30, 1, 12);
    benchmark::DoNotOptimize(canvas.bitmap.surface()->bits());
  }
  state.SetItemsProcessed(state.iterations() * 540 * 270);
  state.SetLabel("visible destination pixels");
}
BENCHMARK(drawFieldThroughDc);

void fieldClip(benchmark::State& state) {
  MemoryCanvas canvas(600);
  CDrawClipsqv clips;
  for (auto _ : state) {
    clips.initDcMemor(600, 600, &canvas.dc, RGB(0, 0, 0), RGB(255, 255, 255));
    clips.transparentClip(30, 30, 570, 570, &canvas.dc);
    benchmark::DoNotOptimize(canvas.bitmap.surface()->bits());
  }
  state.SetItemsProcessed(state.iterations() * 600 * 600);
  state.SetLabel("canvas pixels");
}
BENCHMARK(fieldClip);

void traceContours(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  CDataGridRect grid;
  double* values = grid.initDataGridRect(n, n);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) values[j * n + i] = std::sin(i * 12.0 / n) * std::cos(j * 9.0 / n);
  CContourLineMapqv map;
  map.initLevelAbs(0.05, 1.0, 16);
  for (auto _ : state) {
    map.dataGrid2ContourLinePro(&grid);
    benchmark::DoNotOptimize(map.getLines().data());
  }
  state.SetItemsProcessed(state.iterations() * (n - 1) * (n - 1) * static_cast<long>(map.getLevels().size()));
  state.SetLabel("cell-levels");
}
BENCHMARK(traceContours)->Arg(100)->Arg(300);

void constructColourTables(benchmark::State& state) {
  for (auto _ : state) {
    CADRindex2Colorqv tables;
    benchmark::DoNotOptimize(tables.m_pSingleColor1024);
  }
}
BENCHMARK(constructColourTables);

}  // namespace
