// Refusing a draw-settings file of 256 MiB whose first string announces 2^28 characters:
// the loader reads the header only. Goal: < 10 ms and a few MB of memory (rss_growth_MB:
// how far the refusals raise the process's peak resident size).
#include "app/SettingsFile.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/UiServices.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

void BM_RefuseHugeSignatureString(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "spctm-bench-huge.settings").string();
  {
    std::ofstream out(path, std::ios::binary);
    const char header[] = {'\xFF', '\xFE', '\xFF', '\xFF', '\xFF', '\xFF', '\x00', '\x00', '\x00', '\x10'};
    out.write(header, sizeof header);
  }
  std::filesystem::resize_file(path, 256u << 20);  // the rest reads as zeros
  CWinApp app;  // the loader's message box is recorded, not shown
  CMEGSpctmDrawqv engine;
  bool refused = true;
  const auto peakKB = [] {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  const long before = peakKB();
  for (auto _ : state) {
    std::ostringstream err;
    refused = refused && !spctmview::loadDrawSettings(engine, path, err);
    app.scripted()->messageBoxes.clear();  // the record of boxes would grow otherwise
  }
  std::filesystem::remove(path);
  state.counters["rss_growth_MB"] = static_cast<double>(peakKB() - before) / 1024.0;
  if (!refused) state.SkipWithError("the file was not refused");
}
BENCHMARK(BM_RefuseHugeSignatureString)->Unit(benchmark::kMillisecond);

}  // namespace
