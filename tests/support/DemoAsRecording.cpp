#include "tests/support/DemoAsRecording.h"

#include <algorithm>

namespace {

constexpr double kFemtotesla = 1e-15;
constexpr double kMicrovolt = 1e-6;

RecordingChannel sensorChannel(const DemoChannel& source) {
  RecordingChannel ch;
  ch.name = source.name;
  const bool meg = source.kind == SensorKind::MegAxial;
  ch.type = meg ? ChannelType::MegMag : ChannelType::Eeg;
  ch.unit = meg ? "T" : "V";
  ch.hasPosition = true;
  ch.position = source.position;
  ch.orientation = source.orientation;
  ch.bad = source.bad;
  return ch;
}

}  // namespace

Recording demoAsRecording(const DemoRecording& demo, const DemoAsRecordingOptions& options) {
  Recording rec;
  rec.format = "demo";
  rec.samplingRateHz = demo.timing.samplingRateHz;
  rec.sampleCount = demo.epochCount * demo.samplesPerEpoch;
  for (const DemoChannel& source : demo.channels) rec.channels.push_back(sensorChannel(source));
  if (options.stimulusChannel) {
    RecordingChannel stim;
    stim.name = kDemoStimulusChannel;
    stim.type = ChannelType::Stim;
    rec.channels.push_back(stim);
  }

  const auto n = static_cast<std::size_t>(rec.sampleCount);
  rec.samples.assign(rec.channels.size() * n, 0.0f);
  for (std::size_t c = 0; c < demo.channels.size(); ++c) {
    const double scale = demo.channels[c].kind == SensorKind::MegAxial ? kFemtotesla : kMicrovolt;
    float* out = rec.samples.data() + c * n;
    for (std::int64_t e = 0; e < demo.epochCount; ++e) {
      for (double v : demo.wave(e, static_cast<std::int64_t>(c))) *out++ = static_cast<float>(v * scale);
    }
  }

  for (std::int64_t e = 0; e < demo.epochCount; ++e) {
    const std::int64_t at = e * demo.samplesPerEpoch + demo.timing.stimulusSample;
    rec.events.push_back({at, options.triggerCode, {}});
    if (!options.stimulusChannel) continue;
    float* stim = rec.samples.data() + demo.channels.size() * n;
    const std::int64_t end = std::min(at + options.triggerSamples, rec.sampleCount);
    std::fill(stim + at, stim + end, static_cast<float>(options.triggerCode));
  }
  return rec;
}

Recording demoAsRecording(const DemoAsRecordingOptions& options) {
  return demoAsRecording(generateDemoRecording(options.demo), options);
}
