// The single-channel window, headless, with a 512 × 128 spectrum at zoom 2 (4 raw samples
// per time point) and every overlay on: the selection read-out with its labels, the
// measures, the waveform strip and the colour scale. One full repaint of the window (tool
// row and canvas through its memory bitmap), and one step of a selection drag (the mouse
// moves, the host's selection follows, the canvas is repainted).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "facade/CMEGSpctmShow2DFace.h"
#include "platform/ui/UserInput.h"
#include "resources/Spctm1CResources.h"
#include "tests/support/DatasetBuilder.h"
#include "windows/single/CDlgSpctm1C.h"

namespace {

struct SingleWindow {
  CWinApp app;
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
  CMEGSpctmShow2DFace face;
  CDlgSpctm1C dlg;

  SingleWindow() {
    dlg.Create(IDD_SPCTM_1C);
    dlg.m_wndSpctm.setShowMEGData(ds.get());
    dlg.setDrawEngine(&face.m_draw);
    dlg.m_pDataSet = ds.get();
    dlg.m_pFace = &face;
    face.m_draw.m_bShowSelectInfo = true;
    dlg.m_wndSpctm.m_bShowWave = true;
    dlg.ShowWindow(SW_SHOWNORMAL);
    dlg.updateSpctmDlg();
    face.m_draw.m_dZoom = 2.0;
    face.m_draw.m_nOriginX = 20;
    face.m_draw.m_nOriginY = 330;
    face.m_draw.m_bRecentre = false;
    face.m_draw.m_bRecentreWave = 1;
    app.pumpUntilIdle();
  }
  CPoint onCanvas(int x, int y) const {
    CPoint p(x, y);
    dlg.m_wndSpctm.ClientToScreen(&p);
    return p;
  }
};

void BM_SingleWindowRepaint(benchmark::State& state) {
  SingleWindow w;
  for (auto _ : state) {
    w.dlg.Invalidate(TRUE);
    w.app.pumpUntilIdle();
  }
}
BENCHMARK(BM_SingleWindowRepaint)->Unit(benchmark::kMillisecond);

void BM_SingleWindowDragStep(benchmark::State& state) {
  SingleWindow w;
  UserInput& user = w.app.input();
  user.pressButton(MouseButton::Left, w.onCanvas(300, 250));
  int step = 0;
  for (auto _ : state) {
    user.moveMouse(w.onCanvas(400 + (step++ % 200), 150));
  }
  user.releaseButton(MouseButton::Left, w.onCanvas(400, 150));
}
BENCHMARK(BM_SingleWindowDragStep)->Unit(benchmark::kMillisecond);

}  // namespace
