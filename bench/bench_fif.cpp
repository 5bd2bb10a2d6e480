// Reading a 306-channel, 10-minute, 1 kHz FIF recording from the page cache (the goal is
// over 1 GB of file per second), with float and with 16-bit samples. The files are written
// once by the test-support writer into the temporary folder and kept for later runs.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "host/io/FifReader.h"
#include "tests/support/FifWriter.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChannels = 306;
constexpr std::int64_t kSamples = 600'000;

Recording meg306() {
  Recording r;
  r.samplingRateHz = 1000.0;
  r.sampleCount = kSamples;
  for (std::size_t c = 0; c < kChannels; ++c) {
    RecordingChannel ch;
    ch.name = "MEG " + std::to_string(1000 + c);
    ch.type = c % 3 == 2 ? ChannelType::MegMag : ChannelType::MegGrad;
    ch.hasPosition = true;
    ch.position = {0.1 * std::cos(static_cast<double>(c)), 0.1 * std::sin(static_cast<double>(c)), 0.05};
    ch.orientation = {0, 0, 1};
    r.channels.push_back(ch);
  }
  r.samples.resize(kChannels * static_cast<std::size_t>(kSamples));
  for (std::size_t i = 0; i < r.samples.size(); ++i) r.samples[i] = static_cast<float>(static_cast<int>(i * 2654435761u % 4001) - 2000);
  return r;
}

// The file for a sample type, written on first use.
std::string benchFile(std::int32_t sampleType) {
  const fs::path path = fs::temp_directory_path() / ("spctm-bench-306x600k-type" + std::to_string(sampleType) + ".fif");
  if (!fs::exists(path)) {
    fifwriter::Options o;
    o.sampleType = sampleType;
    const std::string partial = path.string() + ".part";
    fifwriter::writeFif(partial, meg306(), o);
    fs::rename(partial, path);
  }
  return path.string();
}

void BM_ReadFif(benchmark::State& state) {
  const std::string path = benchFile(static_cast<std::int32_t>(state.range(0)));
  const auto bytes = static_cast<std::int64_t>(fs::file_size(path));
  std::ifstream warm(path, std::ios::binary);  // into the page cache
  std::vector<char> chunk(1 << 20);
  while (warm.read(chunk.data(), static_cast<std::streamsize>(chunk.size()))) {
  }
  for (auto _ : state) {
    Recording r = readFif(path);
    benchmark::DoNotOptimize(r.samples.data());
    state.PauseTiming();  // giving the memory back is not part of reading
    r = Recording();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ReadFif)->Arg(fif::type::Float)->Arg(fif::type::Short)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
