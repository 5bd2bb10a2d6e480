// The demo recording: byte-for-byte determinism, its documented layout, and the sensors
// each documented effect reaches. (The effects as the display shows them, in the Results
// of the demo dataset's average, are tested with the dataset.)
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "host/io/DemoRecording.h"
#include "host/io/MegHelmet.h"

namespace {

// Two epochs: layout and effect weights do not depend on the count.
const DemoRecording& recording() {
  static const DemoRecording rec = generateDemoRecording({DemoSettings{}.seed, 2});
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
  EXPECT_EQ(DemoSettings{}.epochs, 20);
  EXPECT_EQ(rec.epochCount, 2);
  EXPECT_EQ(rec.samples.size(), 2 * rec.channels.size() * 2000);
  EXPECT_EQ(rec.timing.latencyMs(600), 0.0);
  EXPECT_EQ(rec.timing.latencyMs(static_cast<double>(rec.timing.control.begin)), -350.0);
  EXPECT_EQ(rec.timing.latencyMs(static_cast<double>(rec.timing.active.end)), 1000.0);
  int bad = 0;
  for (const DemoChannel& c : rec.channels) bad += c.bad ? 1 : 0;
  EXPECT_EQ(bad, 1);
  EXPECT_TRUE(rec.channels[static_cast<std::size_t>(rec.channelIndex("MRT21"))].bad);
  EXPECT_EQ(rec.channelIndex("nonexistent"), -1);
  EXPECT_TRUE(rec.wave(2, 0).empty());
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
