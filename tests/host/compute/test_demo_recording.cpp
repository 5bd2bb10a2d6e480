// The demo recording: byte-for-byte determinism, its documented layout, and each
// documented effect visible in the epoch-averaged wavelet power at its sensors, times
// and frequency, and absent far from them.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "host/data/SpectralBatch.h"
#include "host/io/DemoRecording.h"
#include "host/io/MegHelmet.h"

namespace {

// Epoch-averaged power of some channels, T x F each, at 4-80 Hz, cycles f/2, step 10.
class AveragedPower {
 public:
  AveragedPower(const DemoRecording& rec, const std::vector<std::int64_t>& channels)
      : m_transform(MorletSettings{}, rec.samplesPerEpoch), m_channels(channels) {
    const auto size = static_cast<std::size_t>(m_transform.timePoints() * m_transform.frequencyPoints());
    std::vector<double> power(size * channels.size() * static_cast<std::size_t>(rec.epochCount));
    std::vector<SpectralTask> tasks;
    for (std::int64_t e = 0; e < rec.epochCount; ++e) {
      for (std::size_t c = 0; c < channels.size(); ++c) {
        tasks.push_back({rec.wave(e, channels[c]), {nullptr, nullptr, power.data() + tasks.size() * size}});
      }
    }
    runSpectralBatch(m_transform, tasks);
    m_mean.assign(size * channels.size(), 0.0);
    for (std::size_t task = 0; task < tasks.size(); ++task) {
      const std::size_t c = task % channels.size();
      for (std::size_t i = 0; i < size; ++i) m_mean[c * size + i] += power[task * size + i] / double(rec.epochCount);
    }
    m_stimulus = rec.stimulusSample;
  }

  // Mean power of channel slot `slot` at `hz` over latencies [fromMs, toMs].
  double mean(std::size_t slot, double hz, double fromMs, double toMs) const {
    const auto& f = m_transform.frequencies();
    const auto fi = static_cast<std::int64_t>(std::find(f.begin(), f.end(), hz) - f.begin());
    EXPECT_LT(fi, m_transform.frequencyPoints()) << hz << " Hz is not a frequency point";
    const auto size = static_cast<std::size_t>(m_transform.timePoints() * m_transform.frequencyPoints());
    double sum = 0;
    int count = 0;
    for (std::int64_t t = 0; t < m_transform.timePoints(); ++t) {
      const double ms = double(m_transform.sampleOfTimePoint(t) - m_stimulus);  // 1 kHz
      if (ms < fromMs || ms > toMs) continue;
      sum += m_mean[slot * size + static_cast<std::size_t>(t * m_transform.frequencyPoints() + fi)];
      ++count;
    }
    return sum / count;
  }
  std::size_t slots() const { return m_channels.size(); }

 private:
  MorletTransform m_transform;
  std::vector<std::int64_t> m_channels;
  std::vector<double> m_mean;
  std::int64_t m_stimulus = 0;
};

const DemoRecording& recording() {
  static const DemoRecording rec = generateDemoRecording();
  return rec;
}

std::vector<std::int64_t> channelsWhere(const DemoEffect& effect, bool strong) {
  std::vector<std::int64_t> out;
  for (std::size_t c = 0; c < effect.weight.size(); ++c) {
    if (recording().channels[c].bad) continue;
    if (strong ? effect.weight[c] >= 0.5 : effect.weight[c] < 0.01) out.push_back(static_cast<std::int64_t>(c));
  }
  return out;
}

char regionOf(const DemoChannel& c) {
  if (c.kind == SensorKind::MegAxial) return c.name[2];
  // Parieto-occipital electrodes and Iz count as occipital.
  return c.name.starts_with("PO") || c.name[0] == 'I' ? 'O' : c.name[0];
}

}  // namespace

TEST(DemoRecording, SameSeedSameBytesOtherSeedOtherBytes) {
  const DemoRecording a = generateDemoRecording({7, 2});
  const DemoRecording b = generateDemoRecording({7, 2});
  ASSERT_EQ(a.samples.size(), b.samples.size());
  EXPECT_EQ(std::memcmp(a.samples.data(), b.samples.data(), a.samples.size() * sizeof(double)), 0);
  const DemoRecording c = generateDemoRecording({8, 2});
  EXPECT_NE(std::memcmp(a.samples.data(), c.samples.data(), a.samples.size() * sizeof(double)), 0);
  // The first epochs do not depend on how many epochs follow.
  const DemoRecording longer = generateDemoRecording({7, 3});
  EXPECT_EQ(std::memcmp(a.samples.data(), longer.samples.data(), a.samples.size() * sizeof(double)), 0);
  EXPECT_THROW(generateDemoRecording({7, 0}), std::invalid_argument);
}

TEST(DemoRecording, DocumentedLayout) {
  const DemoRecording& rec = recording();
  const std::size_t meg = megHelmet().size();
  ASSERT_EQ(rec.channels.size(), meg + 75);
  EXPECT_EQ(rec.channels[0].kind, SensorKind::MegAxial);
  EXPECT_EQ(rec.channels[meg].kind, SensorKind::Eeg);
  EXPECT_EQ(rec.channels[meg].name, "Nz");
  EXPECT_EQ(rec.epochCount, 12);
  EXPECT_EQ(rec.samples.size(), 12 * rec.channels.size() * 2000);
  EXPECT_EQ(rec.latencyMs(rec.stimulusSample), 0.0);
  EXPECT_EQ(rec.latencyMs(rec.control.begin), -350.0);
  EXPECT_EQ(rec.latencyMs(rec.active.end), 1000.0);
  int bad = 0;
  for (const DemoChannel& c : rec.channels) bad += c.bad ? 1 : 0;
  EXPECT_EQ(bad, 1);
  EXPECT_TRUE(rec.channels[static_cast<std::size_t>(rec.channelIndex("MRT21"))].bad);
  EXPECT_EQ(rec.channelIndex("nonexistent"), -1);
  EXPECT_TRUE(rec.wave(12, 0).empty());
  EXPECT_TRUE(rec.wave(0, -1).empty());
  ASSERT_EQ(rec.effects.size(), 3u);
}

TEST(DemoRecording, EffectSensorsLieWhereDocumented) {
  const DemoRecording& rec = recording();
  std::map<std::string, std::map<char, int>> regions;
  for (const DemoEffect& e : rec.effects) {
    for (std::int64_t c : channelsWhere(e, true)) ++regions[e.name][regionOf(rec.channels[static_cast<std::size_t>(c)])];
  }
  // Alpha over occipital (and neighbouring parietal) sensors, beta over central ones,
  // gamma over a few occipital ones.
  EXPECT_GT(regions["alpha"]['O'], 10);
  for (char r : std::string("FCT")) EXPECT_EQ(regions["alpha"][r], 0) << r;
  EXPECT_GT(regions["beta"]['C'], 10);
  for (char r : std::string("OT")) EXPECT_EQ(regions["beta"][r], 0) << r;
  int gamma = 0;
  for (auto [region, count] : regions["gamma"]) {
    EXPECT_EQ(region, 'O');
    gamma += count;
  }
  EXPECT_GE(gamma, 3);
  EXPECT_LE(gamma, 12);
}

TEST(DemoRecording, EffectsVisibleInAveragedPower) {
  const DemoRecording& rec = recording();
  struct Expectation {
    const char* effect;
    double hz, fromMs, toMs;
    double strongAtLeast, strongAtMost;  // bounds of the Active/Control power ratio
  };
  const Expectation expectations[] = {
      {"alpha", 10.0, 150.0, 650.0, 0.0, 0.35},   // power drops to about 0.12
      {"beta", 20.0, 500.0, 800.0, 3.0, 1e9},     // rises to about 6
      {"gamma", 60.0, 100.0, 300.0, 3.0, 1e9},    // appears over the noise
  };
  for (std::size_t k = 0; k < rec.effects.size(); ++k) {
    const Expectation& x = expectations[k];
    const DemoEffect& effect = rec.effects[k];
    ASSERT_EQ(effect.name, x.effect);
    for (bool strong : {true, false}) {
      std::vector<std::int64_t> channels = channelsWhere(effect, strong);
      ASSERT_FALSE(channels.empty());
      if (channels.size() > 12) channels.resize(12);  // enough to see the effect, quick to compute
      const AveragedPower power(rec, channels);
      double ratioSum = 0;
      for (std::size_t slot = 0; slot < power.slots(); ++slot) {
        const double ratio = power.mean(slot, x.hz, x.fromMs, x.toMs) / power.mean(slot, x.hz, -350.0, -50.0);
        ratioSum += ratio;
        if (strong) {
          const std::string& name = rec.channels[static_cast<std::size_t>(channels[slot])].name;
          EXPECT_GE(ratio, x.strongAtLeast) << x.effect << " at " << name;
          EXPECT_LE(ratio, x.strongAtMost) << x.effect << " at " << name;
        }
      }
      // Far from the source the ratio only scatters around 1: with 12 epochs one channel's
      // ratio spreads widely, their mean much less.
      if (!strong) {
        EXPECT_GT(ratioSum / double(power.slots()), 0.6) << x.effect << " far from its source";
        EXPECT_LT(ratioSum / double(power.slots()), 1.6) << x.effect << " far from its source";
      }
    }
  }
}
