// Epoching and computing a whole-head recording: 100 epochs of 306 channels, each epoch
// 1.5 s of windows (Control -500..0 ms, Active 0..1000 ms) plus the transform's margin,
// default spectra (4-80 Hz in 39 points, cycles f/2, step 10). The goal is under 5 s on
// 2 cores with the peak memory added by the build under twice the spectra's size. Reports
// the seconds, the memory added at the peak (the resident set sampled during the build,
// less what it was before, the recording's copy included), and the sizes of the parts: the recording's samples (freed once the
// epochs hold their copies), the epochs' waveforms and the average's spectra.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <fstream>
#include <numbers>
#include <random>
#include <string>
#include <thread>

#include "host/io/RecordingDataset.h"

namespace {

constexpr int kChannels = 306;
constexpr int kEpochs = 100;
constexpr double kRate = 1000.0;
constexpr std::int64_t kSpacing = 2500;  // samples between events

double statusMegabytes(const char* field) {
  std::ifstream status("/proc/self/status");
  const std::string key = std::string(field) + ":";
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key, 0) == 0) return std::stod(line.substr(key.size())) / 1024.0;
  }
  return 0.0;
}

// The largest resident set seen while it lives, sampled every 2 ms by a thread.
class PeakSampler {
 public:
  PeakSampler() : m_thread([this](std::stop_token stop) {
      while (!stop.stop_requested()) {
        m_peak = std::max(m_peak.load(), statusMegabytes("VmRSS"));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
    }) {}
  double peak() {
    m_thread.request_stop();
    m_thread.join();
    return m_peak;
  }

 private:
  std::atomic<double> m_peak{0.0};
  std::jthread m_thread;
};

// 306 magnetometers of noise and a 10 Hz rhythm, events every 2.5 s.
Recording wholeHeadRecording() {
  Recording rec;
  rec.path = "bench";
  rec.samplingRateHz = kRate;
  rec.sampleCount = (kEpochs + 1) * kSpacing;
  std::mt19937 random(5);
  std::normal_distribution<float> noise(0.0f, 50e-15f);
  for (int c = 0; c < kChannels; ++c) {
    const double azimuth = 2 * std::numbers::pi * c / 17.0, polar = 0.2 + 1.2 * c / kChannels;
    const Point3 at{0.1 * std::sin(polar) * std::cos(azimuth), 0.1 * std::sin(polar) * std::sin(azimuth),
                    0.1 * std::cos(polar)};
    rec.channels.push_back({"MEG " + std::to_string(1000 + c), ChannelType::MegMag, "T", true, at, at, false});
  }
  rec.samples.resize(static_cast<std::size_t>(kChannels * rec.sampleCount));
  for (std::size_t i = 0; i < rec.samples.size(); ++i) {
    const double t = static_cast<double>(i % static_cast<std::size_t>(rec.sampleCount)) / kRate;
    rec.samples[i] = noise(random) + static_cast<float>(100e-15 * std::sin(2 * std::numbers::pi * 10 * t));
  }
  for (int e = 0; e < kEpochs; ++e) rec.events.push_back({kSpacing * (e + 1), 1, {}});
  return rec;
}

void BM_EpochAndCompute(benchmark::State& state) {
  const Recording source = wholeHeadRecording();
  RecordingDatasetOptions options;
  options.epoching.windows = {0.0, 1000.0, -500.0, 0.0};
  double added = 0, epochsMB = 0, spectraMB = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Recording rec = source;
    const double before = statusMegabytes("VmRSS");
    PeakSampler sampler;
    state.ResumeTiming();
    auto dataset = buildRecordingDataset(std::move(rec), options);
    state.PauseTiming();
    added = sampler.peak() - before;
    CMEGDataqv* session = dataset->getSessionData(-1);
    CMDTrialqv* average = session->getTrialqv(0);
    const double samples = static_cast<double>(average->getChannel(0)->getDataWaveLength());
    epochsMB = kEpochs * kChannels * samples * sizeof(double) / 1048576.0;
    std::int64_t points = 0;
    for (int cls = 0; cls < 3; ++cls) {
      const CSpctmTrialqv* st = average->getSpctmTrial(false, cls);
      points += st->getTrialSpctmTimePt() * st->getTrialSpctmFreqPt();
    }
    spectraMB = static_cast<double>(points) * 3 * kChannels * sizeof(double) / 1048576.0;
    dataset.reset();
    state.ResumeTiming();
  }
  state.counters["peak_added_MB"] = added;
  state.counters["recording_MB"] = static_cast<double>(source.samples.size() * sizeof(float)) / 1048576.0;
  state.counters["epoch_waves_MB"] = epochsMB;
  state.counters["avg_spectra_MB"] = spectraMB;
}

}  // namespace

// One iteration: memory freed by an earlier one stays resident in the allocator and would
// hide the next one's peak.
BENCHMARK(BM_EpochAndCompute)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
