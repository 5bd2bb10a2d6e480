#include "host/io/DemoRecording.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

#include "host/compute/ParallelTasks.h"
#include "host/io/DemoRandom.h"
#include "host/io/EegMontage1010.h"
#include "host/io/MegHelmet.h"
#include "host/io/PinkNoise.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRampMs = 50.0;
constexpr double kSharedNoisePower = 0.3;
constexpr double kSharedNoiseWidthDeg = 50.0;
constexpr double kJitter = 0.2;
const char* const kBadChannel = "MRT21";

// Labels of the random streams, so each purpose draws its own numbers.
enum Stream : std::uint64_t { OwnNoise = 1, SharedNoise = 2, EffectPhase = 3, BadDrift = 4 };

Point3 unit(Point3 p) {
  const double n = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
  return {p.x / n, p.y / n, p.z / n};
}

double angleDeg(const Point3& a, const Point3& b) {
  const Point3 u = unit(a), v = unit(b);
  return std::acos(std::clamp(u.x * v.x + u.y * v.y + u.z * v.z, -1.0, 1.0)) * 180.0 / kPi;
}

double falloff(const Point3& position, const Point3& source, double widthDeg) {
  const double a = angleDeg(position, source);
  return std::exp(-a * a / (2.0 * widthDeg * widthDeg));
}

// 0 before begin - ramp, rising to 1 at begin, 1 until end, falling to 0 at end + ramp.
double change(double ms, double beginMs, double endMs) {
  if (ms <= beginMs - kRampMs || ms >= endMs + kRampMs) return 0.0;
  if (ms < beginMs) return 0.5 - 0.5 * std::cos(kPi * (ms - beginMs + kRampMs) / kRampMs);
  if (ms > endMs) return 0.5 + 0.5 * std::cos(kPi * (ms - endMs) / kRampMs);
  return 1.0;
}

struct EffectSource {
  const char* name;
  double frequencyHz;
  double beginMs, endMs;
  double factor;  // amplitude during the change; < 0 marks an effect that only appears
  double megAmplitude, eegAmplitude;
  double widthDeg;
  std::vector<Point3> directions;
};

const std::vector<EffectSource>& effectSources() {
  static const std::vector<EffectSource> sources{
      {"alpha", 10.0, 150.0, 650.0, 0.35, 150.0, 15.0, 35.0, {{0.0, -0.85, 0.35}}},
      {"beta", 20.0, 500.0, 800.0, 2.0, 45.0, 4.5, 22.0, {{-0.45, 0.05, 0.89}, {0.45, 0.05, 0.89}}},
      {"gamma", 60.0, 100.0, 300.0, -1.0, 25.0, 2.5, 15.0, {{0.0, -0.95, 0.15}}},
  };
  return sources;
}

const std::vector<Point3>& sharedNoiseSources() {
  static const std::vector<Point3> sources{{0.0, 1.0, 0.3}, {0.0, -1.0, 0.3}, {-1.0, 0.0, 0.3},
                                           {1.0, 0.0, 0.3}, {0.0, 0.0, 1.0},  {0.0, -0.7, -0.3}};
  return sources;
}

// Amplitude of an effect at a latency, relative to its peak amplitude.
double envelope(const EffectSource& e, double ms) {
  const double c = change(ms, e.beginMs, e.endMs);
  return e.factor < 0.0 ? c : 1.0 + (e.factor - 1.0) * c;
}

}  // namespace

std::span<const double> DemoRecording::wave(std::int64_t epoch, std::int64_t channel) const {
  const auto count = static_cast<std::int64_t>(channels.size());
  if (epoch < 0 || epoch >= epochCount || channel < 0 || channel >= count) return {};
  const auto start = static_cast<std::size_t>((epoch * count + channel) * samplesPerEpoch);
  return std::span<const double>(samples).subspan(start, static_cast<std::size_t>(samplesPerEpoch));
}

std::int64_t DemoRecording::channelIndex(const std::string& name) const {
  for (std::size_t i = 0; i < channels.size(); ++i) {
    if (channels[i].name == name) return static_cast<std::int64_t>(i);
  }
  return -1;
}

DemoRecording generateDemoRecording(const DemoSettings& settings) {
  if (settings.epochs < 1) throw std::invalid_argument("the demo recording needs at least one epoch");
  DemoRecording rec;
  rec.epochCount = settings.epochs;
  for (const Sensor& s : megHelmet()) rec.channels.push_back({s.name, s.kind, s.position, s.orientation, false});
  for (const Sensor& s : eegMontage1010()) rec.channels.push_back({s.name, s.kind, s.position, s.orientation, false});
  const std::int64_t bad = rec.channelIndex(kBadChannel);
  if (bad >= 0) rec.channels[static_cast<std::size_t>(bad)].bad = true;

  const std::size_t channelCount = rec.channels.size();
  for (const EffectSource& e : effectSources()) {
    DemoEffect effect{e.name, e.frequencyHz, e.beginMs, e.endMs,
                      e.factor < 0.0 ? std::numeric_limits<double>::infinity() : e.factor, {}};
    for (const DemoChannel& c : rec.channels) {
      double w = 0.0;
      for (const Point3& d : e.directions) w = std::max(w, falloff(c.position, d, e.widthDeg));
      effect.weight.push_back(w);
    }
    rec.effects.push_back(std::move(effect));
  }

  // Mixing weights of the shared noise, normalised per channel so the shared part has
  // unit variance like the channel's own part.
  const auto& shared = sharedNoiseSources();
  std::vector<double> mixing(channelCount * shared.size());
  for (std::size_t c = 0; c < channelCount; ++c) {
    double sumSquares = 0.0;
    for (std::size_t s = 0; s < shared.size(); ++s) {
      const double w = falloff(rec.channels[c].position, shared[s], kSharedNoiseWidthDeg);
      mixing[c * shared.size() + s] = w;
      sumSquares += w * w;
    }
    for (std::size_t s = 0; s < shared.size(); ++s) mixing[c * shared.size() + s] /= std::sqrt(sumSquares);
  }

  const auto n = static_cast<std::size_t>(rec.samplesPerEpoch);
  const PinkNoise pink(rec.samplesPerEpoch, rec.timing.samplingRateHz);
  rec.samples.assign(static_cast<std::size_t>(rec.epochCount) * channelCount * n, 0.0);
  std::vector<double> latent(shared.size() * n);
  std::vector<double> effectWaves(effectSources().size() * n);  // unit amplitude, this epoch
  const double ownScale = std::sqrt(1.0 - kSharedNoisePower), sharedScale = std::sqrt(kSharedNoisePower);

  for (std::int64_t e = 0; e < rec.epochCount; ++e) {
    const auto epoch = static_cast<std::uint64_t>(e);
    for (std::size_t s = 0; s < shared.size(); ++s) {
      DemoRandom random(settings.seed, epoch, s, SharedNoise);
      pink.fill(random, std::span<double>(latent).subspan(s * n, n));
    }
    // Every channel sees the same oscillation of an effect, only scaled by its weight.
    for (std::size_t k = 0; k < effectSources().size(); ++k) {
      DemoRandom random(settings.seed, epoch, k, EffectPhase);
      const double phase = 2.0 * kPi * random.uniform();
      const double jitter = 1.0 + kJitter * (2.0 * random.uniform() - 1.0);
      const EffectSource& source = effectSources()[k];
      for (std::size_t i = 0; i < n; ++i) {
        const double ms = rec.timing.latencyMs(static_cast<double>(i));
        const double seconds = static_cast<double>(i) / rec.timing.samplingRateHz;
        effectWaves[k * n + i] =
            jitter * envelope(source, ms) * std::cos(2.0 * kPi * source.frequencyHz * seconds + phase);
      }
    }

    // Channels draw from their own streams, so filling them in parallel keeps every byte.
    runParallelTasks(channelCount, {}, [&](std::size_t c, unsigned) {
      const DemoChannel& channel = rec.channels[c];
      const bool meg = channel.kind == SensorKind::MegAxial;
      const std::span<double> out(rec.samples.data() + (static_cast<std::size_t>(e) * channelCount + c) * n, n);
      DemoRandom random(settings.seed, epoch, c, OwnNoise);
      pink.fill(random, out);
      const double noiseLevel = (meg ? 60.0 : 6.0) * (channel.bad ? 8.0 : 1.0);
      for (std::size_t i = 0; i < n; ++i) {
        double noise = ownScale * out[i];
        for (std::size_t s = 0; s < shared.size(); ++s) noise += sharedScale * mixing[c * shared.size() + s] * latent[s * n + i];
        out[i] = noiseLevel * noise;
      }
      for (std::size_t k = 0; k < effectSources().size(); ++k) {
        const EffectSource& source = effectSources()[k];
        const double peak = meg ? source.megAmplitude : source.eegAmplitude;
        const double amplitude = peak * rec.effects[k].weight[c];
        if (amplitude < 1e-6 * peak) continue;
        for (std::size_t i = 0; i < n; ++i) out[i] += amplitude * effectWaves[k * n + i];
      }
      if (channel.bad) {
        // A drifting, noisy channel: a slow swing of several noise levels.
        DemoRandom drift(settings.seed, epoch, c, BadDrift);
        const double slope = (2.0 * drift.uniform() - 1.0) * 4.0 * noiseLevel;
        for (std::size_t i = 0; i < n; ++i) out[i] += slope * static_cast<double>(i) / static_cast<double>(n);
      }
    });
  }
  return rec;
}
