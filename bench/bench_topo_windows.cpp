// One animation tick of the topographic windows on a 306-sensor MEG layout, as the person
// sees it: the virtual clock advanced by the window's period fires timer 100, the window
// steps its draw window, and the pending paints of the canvas and the controls run. MEG
// flags window (patches, names, circles, info, scale) and MEG contour field/line window
// (field recomputed, both display); goal for each: under 4 ms, so the animation holds 60
// frames per second with room to spare.
#include <benchmark/benchmark.h>

#include <cmath>

#include "facade/CMEGSpctmShow2DFaceqv.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/UserInput.h"
#include "resources/TopoWindowResources.h"
#include "tests/support/DatasetBuilder.h"
#include "windows/topo/CDlgSpctmContourFieldLine.h"

namespace {

// 306 sensors on an 18 × 17 grid with smooth spectra that differ from sensor to sensor.
std::unique_ptr<CArrayMEDataSetqv> sensors306() {
  return megdata::DatasetBuilder()
      .megGrid(306)
      .grid(100, 39)
      .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) {
        return std::sin(0.05 * static_cast<double>(t + 7 * c)) * std::cos(0.2 * static_cast<double>(f + c));
      })
      .build();
}

// Opens the window with the facade's show operation, starts its animation with steps of
// one point, then measures tick after tick.
template <class Show>
void animationTick(benchmark::State& state, Show show, CDlgSpctmTopographicFlags* (*window)(CMEGSpctmShow2DFaceqv&)) {
  CWinApp app;
  CMEGSpctmShow2DFaceqv face;
  const auto data = sensors306();
  face.m_draw.setDrawMEGData(data.get());
  (face.*show)(data.get(), nullptr);
  CDlgSpctmTopographicFlags& dlg = *window(face);
  app.pumpUntilIdle();
  dlg.GetDlgItem(IDC_TOPO_STEP_X)->SetWindowText(L"1");
  dlg.GetDlgItem(IDC_TOPO_STEP_Y)->SetWindowText(L"1");
  app.input().clickControl(dlg, IDC_TOPO_START);
  for (auto _ : state) {
    app.advanceClock(static_cast<std::uint64_t>(dlg.m_nSpeed));
    app.pumpUntilIdle();
  }
  state.SetLabel(dlg.m_bAnimating ? "animating" : "STOPPED");
}

void megFlagsTick(benchmark::State& state) {
  animationTick(state, &CMEGSpctmShow2DFaceqv::showMegSpctmDlgActCntMp,
                [](CMEGSpctmShow2DFaceqv& f) -> CDlgSpctmTopographicFlags* { return f.m_pDlgMegCntMpAct; });
}
BENCHMARK(megFlagsTick)->Unit(benchmark::kMillisecond);

void megFieldLineTick(benchmark::State& state) {
  animationTick(state, &CMEGSpctmShow2DFaceqv::showMegSpctmDlgActCntMpFieldLine,
                [](CMEGSpctmShow2DFaceqv& f) -> CDlgSpctmTopographicFlags* {
                  f.m_pDlgMegCntMpFieldLineAct->m_wndMap.m_nDisplayMode = 2;  // "Both"
                  return f.m_pDlgMegCntMpFieldLineAct;
                });
}
BENCHMARK(megFieldLineTick)->Unit(benchmark::kMillisecond);

}  // namespace
