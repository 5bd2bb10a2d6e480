// The demo recording: byte-for-byte determinism and the sensors each documented effect
// reaches. (Its channels and timing, and the effects as the display shows them, in the
// Results of the demo dataset's average, are tested with the dataset.)
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <stdexcept>

#include "host/io/DemoRecording.h"
#include "host/io/MegHelmet.h"

namespace {

// Two epochs: layout and effect weights do not depend on the count.
const DemoRecording& recording() {
  static const DemoRecording rec = generateDemoRecording({DemoSettings{}.seed, 2});
  return rec;
}

char regionOf(const DemoChannel& c) {
  if (c.kind == SensorKind::MegAxial) return c.name[2];
  // Parieto-occipital electrodes and Iz count as occipital.
  return c.name.starts_with("PO") || c.name[0] == 'I' ? 'O' : c.name[0];
}

}  // namespace

TEST(DemoRecording, SameSeedSameBytesOtherSeedOtherBytes) {
  const DemoRecording& a = recording();
  const DemoRecording b = generateDemoRecording({DemoSettings{}.seed, 2});
  ASSERT_EQ(a.samples.size(), 2 * (megHelmet().size() + 75) * 2000);  // epochs x channels x samples
  EXPECT_EQ(std::memcmp(a.samples.data(), b.samples.data(), a.samples.size() * sizeof(double)), 0);
  const DemoRecording c = generateDemoRecording({DemoSettings{}.seed + 1, 2});
  EXPECT_NE(std::memcmp(a.samples.data(), c.samples.data(), a.samples.size() * sizeof(double)), 0);
  // The first epochs do not depend on how many epochs follow.
  const DemoRecording longer = generateDemoRecording({DemoSettings{}.seed, 3});
  EXPECT_EQ(std::memcmp(a.samples.data(), longer.samples.data(), a.samples.size() * sizeof(double)), 0);
  EXPECT_THROW(generateDemoRecording({7, 0}), std::invalid_argument);
  // Lookups outside the recording find nothing.
  EXPECT_EQ(a.channelIndex("nonexistent"), -1);
  EXPECT_TRUE(a.wave(2, 0).empty());
  EXPECT_TRUE(a.wave(0, -1).empty());
}

TEST(DemoRecording, EffectSensorsLieWhereDocumented) {
  const DemoRecording& rec = recording();
  std::map<std::string, std::map<char, int>> regions;
  for (const DemoEffect& e : rec.effects) {
    for (std::size_t c = 0; c < e.weight.size(); ++c) {
      if (e.weight[c] >= 0.5 && !rec.channels[c].bad) ++regions[e.name][regionOf(rec.channels[c])];
    }
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
