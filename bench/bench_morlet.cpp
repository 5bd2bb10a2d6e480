// Speed of the spectral computation on the reference job: 20 epochs x 306 channels x 1500
// samples at 1 kHz, 39 frequencies 4-80 Hz, cycles f/2, time step 10, real, imaginary and
// power kept (output held once, about 860 MB). Reported per thread count.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "host/compute/SpctmBatch.h"

namespace {

constexpr std::int64_t kChannels = 20 * 306;
constexpr std::int64_t kSamples = 1500;

struct Job {
  std::vector<double> signal;
  std::vector<double> real, imag, power;
  std::vector<SpctmTask> tasks;
  MorletTransform transform{MorletSettings{}, kSamples};

  Job() {
    std::mt19937_64 random(1);
    std::normal_distribution<double> normal;
    signal.resize(static_cast<std::size_t>(kChannels * kSamples));
    for (double& v : signal) v = normal(random);
    const auto size = static_cast<std::size_t>(transform.timePoints() * transform.frequencyPoints());
    real.resize(size * kChannels);
    imag.resize(size * kChannels);
    power.resize(size * kChannels);
    for (std::size_t c = 0; c < static_cast<std::size_t>(kChannels); ++c) {
      tasks.push_back({std::span<const double>(signal).subspan(c * kSamples, kSamples),
                       {real.data() + c * size, imag.data() + c * size, power.data() + c * size}});
    }
  }
};

void BM_MorletReferenceJob(benchmark::State& state) {
  static Job job;  // built once: the signal and the output arrays are not timed
  SpctmBatchOptions options;
  options.threads = static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    runSpctmBatch(job.transform, job.tasks, options);
    benchmark::DoNotOptimize(job.power.data());
  }
  state.counters["channels/s"] =
      benchmark::Counter(static_cast<double>(kChannels), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_MorletPlanning(benchmark::State& state) {
  // Building a transform: wavelets, their spectra and bands (plans come from the cache).
  for (auto _ : state) {
    MorletTransform transform(MorletSettings{}, kSamples);
    benchmark::DoNotOptimize(transform.fftLength());
  }
}

}  // namespace

BENCHMARK(BM_MorletReferenceJob)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_MorletPlanning)->Unit(benchmark::kMillisecond);
