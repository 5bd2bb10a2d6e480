// The measurement text of every channel of the demo dataset (304 channels, 100 time ×
// 39 frequency points each over the whole selection): composed by the measurement
// dialog's composer, the host's statistics alone, and the same through the dialog itself
// with its text box refreshed. Goal: the composed text under 20 ms.
#include <benchmark/benchmark.h>

#include "host/io/DemoDataset.h"
#include "platform/ui/CWinApp.h"
#include "windows/dialogs/CDlgSpctrMeasurements.h"

namespace {

CArrayMEDataSetqv& demo() {
  static const auto dataset = buildDemoDataset();
  return *dataset;
}

void BM_AllSensorsText(benchmark::State& state) {
  CArrayMEDataSetqv& data = demo();
  CMEGDataqv* session = data.getSessionData(-1);
  CMDTrialqv* trial = session->getTrialqv(-1);
  SpctmMeasurement measure;
  measure.m_bSpctmChnl = 0;  // every channel gets a line
  std::size_t length = 0;
  for (auto _ : state) {
    CString text;
    measure.measureSpctmAllSns(&data, session, trial, 0, 0, 2, L"All", text);
    length = static_cast<std::size_t>(text.GetLength());
    benchmark::DoNotOptimize(text.GetString());
  }
  state.counters["channels"] = static_cast<double>(trial->getTotalChannel());
  state.counters["characters"] = static_cast<double>(length);
}
BENCHMARK(BM_AllSensorsText)->Unit(benchmark::kMillisecond);

// The host's part of the same: minimum, mean, maximum and RMS of every channel.
void BM_AllSensorsStatistics(benchmark::State& state) {
  CArrayMEDataSetqv& data = demo();
  CMEGDataqv* session = data.getSessionData(-1);
  SpctmMeasurement measure;
  measure.bindMeasurement(&data, session, session->getTrialqv(-1), 0, 0, 2);
  measure.setWindowToSpctm(false);
  for (auto _ : state) benchmark::DoNotOptimize(measure.measureChannelsMMMR().data());
}
BENCHMARK(BM_AllSensorsStatistics)->Unit(benchmark::kMillisecond);

// As the single-channel window's "All Sns" button: appended to the dialog's text, the
// fields copied to the controls, the text box scrolled to its end. The text is reset
// before each run so it does not grow.
void BM_AllSensorsThroughTheDialog(benchmark::State& state) {
  CArrayMEDataSetqv& data = demo();
  CMEGDataqv* session = data.getSessionData(-1);
  CMDTrialqv* trial = session->getTrialqv(-1);
  CWinApp app;
  CDlgSpctrMeasurements dlg;
  dlg.Create(CDlgSpctrMeasurements::IDD);
  dlg.ShowWindow(SW_SHOW);
  for (auto _ : state) {
    dlg.m_strText.Empty();
    dlg.measureSpctmAllSns(&data, session, trial, 0, 0, 2, L"All");
  }
}
BENCHMARK(BM_AllSensorsThroughTheDialog)->Unit(benchmark::kMillisecond);

}  // namespace
