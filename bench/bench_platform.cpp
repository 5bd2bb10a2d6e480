// Throughput of the drawing calls the renderers make once per spectral bin or label:
// SetPixel and 1 x 1 FillSolidRect through a CDC, clearing a full-HD surface, and drawing
// a 20-character label with warm glyphs. Goals: >= 150 M pixels/s, >= 100 M fills/s,
// < 1.5 ms per clear, < 5 us per label, each on one core.
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/PngExport.h"
#include "platform/gdi/StockObjects.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SetPixel(benchmark::State& state) {
  PixelSurface surface(1024, 1024);
  CDC dc(surface, CPoint(), surface.bounds());
  for (auto _ : state) {
    for (int y = 0; y < 1024; ++y) {
      for (int x = 0; x < 1024; ++x) dc.SetPixel(x, y, static_cast<COLORREF>(x ^ y));
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 1024 * 1024);
}
BENCHMARK(BM_SetPixel)->Unit(benchmark::kMillisecond);

void BM_FillSolidRect1x1(benchmark::State& state) {
  PixelSurface surface(1024, 1024);
  CDC dc(surface, CPoint(), surface.bounds());
  for (auto _ : state) {
    for (int y = 0; y < 1024; ++y) {
      for (int x = 0; x < 1024; ++x) dc.FillSolidRect(x, y, 1, 1, static_cast<COLORREF>(x + y));
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 1024 * 1024);
}
BENCHMARK(BM_FillSolidRect1x1)->Unit(benchmark::kMillisecond);

void BM_ClearFullHd(benchmark::State& state) {
  PixelSurface surface(1920, 1080);
  CDC dc(surface, CPoint(), surface.bounds());
  COLORREF c = 0;
  for (auto _ : state) {
    dc.FillSolidRect(0, 0, 1920, 1080, c++);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ClearFullHd)->Unit(benchmark::kMicrosecond);

void BM_TextOut20Chars(benchmark::State& state) {
  PixelSurface surface(400, 40, RGB(255, 255, 255));
  CDC dc(surface, CPoint(), surface.bounds());
  CFont font;
  LOGFONT lf;
  lf.lfHeight = 12;
  wcscpy(lf.lfFaceName, L"Arial");
  if (!font.CreateFontIndirect(&lf)) {
    state.SkipWithError(font.creationError().c_str());
    return;
  }
  dc.SelectObject(&font);
  dc.SetBkMode(state.range(0) != 0 ? OPAQUE : TRANSPARENT);
  const CString label(L"1250.000->1500.000 s");  // 20 characters
  dc.TextOut(10, 10, label);                      // warms the glyph cache
  for (auto _ : state) {
    dc.TextOut(10, 10, label);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextOut20Chars)->Arg(0)->Arg(1)->ArgName("opaque")->Unit(benchmark::kMicrosecond);

}  // namespace
