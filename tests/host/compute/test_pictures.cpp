// Pictures for a person to look at, with a few pixel checks: the helmet and montage
// layouts (nose up, left on the left, vertex in the middle of the montage) and the
// Results spectrogram of the demo channel nearest the gamma source.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/host/render/PngTestImage.h"
#include "host/data/MorletTransform.h"
#include "host/data/SpectralResults.h"
#include "host/io/DemoRecording.h"
#include "host/io/EegMontage1010.h"
#include "host/io/MegHelmet.h"
#include "host/data/Projection2D.h"

namespace {

constexpr std::uint32_t kBackground = 0x14141E;  // pixels are 0x00RRGGBB
constexpr int kSide = 420, kMargin = 10;

std::uint32_t regionColour(char region) {
  switch (region) {
    case 'F': return 0xE65050;
    case 'C': return 0x50DC50;
    case 'P': return 0x5A78FF;
    case 'O': return 0xF0DC3C;
    case 'T': return 0xDC5ADC;
    default: return 0xC8C8C8;
  }
}

void disc(PngTestImage& image, int cx, int cy, int radius, std::uint32_t colour) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      if (dx * dx + dy * dy <= radius * radius) image.fillRect(cx + dx, cy + dy, cx + dx + 1, cy + dy + 1, colour);
    }
  }
}

// Pixel of a layout point scanned to kSide - 2 * kMargin: layout y grows toward the back,
// so the nose is up.
std::pair<int, int> pixelOf(const Point2& p) {
  return {kMargin + static_cast<int>(std::lround(p.x)), kMargin + static_cast<int>(std::lround(p.y))};
}

PngTestImage drawLayout(const std::vector<Sensor>& sensors, const Layout2D& layout, char (*region)(const Sensor&)) {
  PngTestImage image(kSide, kSide, kBackground);
  for (std::size_t i = 0; i < sensors.size(); ++i) {
    const auto [x, y] = pixelOf(layout.positions[i]);
    disc(image, x, y, 5, regionColour(region(sensors[i])));
  }
  return image;
}

char megRegion(const Sensor& s) { return s.name[2]; }
char eegRegion(const Sensor& s) {
  if (s.name.starts_with("Fp") || s.name.starts_with("AF") || s.name == "Nz") return 'F';
  if (s.name.starts_with("PO") || s.name[0] == 'O' || s.name[0] == 'I') return 'O';
  if (s.name.starts_with("FT") || s.name.starts_with("TP") || s.name[0] == 'T') return 'T';
  return s.name[0] == 'F' ? 'F' : s.name[0];
}

std::vector<Point3> positionsOf(const std::vector<Sensor>& sensors) {
  std::vector<Point3> p;
  for (const Sensor& s : sensors) p.push_back(s.position);
  return p;
}

// Blue for decreases, white for no change, red for increases (saturating at +-100 %).
std::uint32_t changeColour(double relative) {
  const double v = std::clamp(relative, -1.0, 1.0);
  const auto fade = static_cast<std::uint32_t>(std::lround(255.0 * (1.0 - std::abs(v))));
  return v >= 0 ? 0xFF0000 | fade << 8 | fade : fade << 16 | fade << 8 | 0xFF;
}
std::uint32_t red(std::uint32_t p) { return p >> 16; }
std::uint32_t blue(std::uint32_t p) { return p & 0xFF; }

}  // namespace

TEST(Pictures, HelmetAndMontageLayouts) {
  const auto helmet = megHelmet();
  auto meg = projectParameterised(positionsOf(helmet), {});
  ASSERT_TRUE(meg);
  ASSERT_TRUE(scanToSize(*meg, kSide - 2 * kMargin));
  PngTestImage megImage = drawLayout(helmet, *meg, megRegion);
  EXPECT_TRUE(megImage.write("compute_helmet_layout.png"));

  const auto montage = eegMontage1010();
  Layout2D eeg = projectStandard(positionsOf(montage), {}, 2.0, true);
  ASSERT_TRUE(scanToSize(eeg, kSide - 2 * kMargin));
  PngTestImage eegImage = drawLayout(montage, eeg, eegRegion);
  EXPECT_TRUE(eegImage.write("compute_eeg1010_layout.png"));

  // Cz in the middle of the picture, central colour; corners empty.
  EXPECT_EQ(eegImage.at(kSide / 2, kSide / 2), regionColour('C'));
  EXPECT_EQ(eegImage.at(0, 0), kBackground);
  EXPECT_EQ(eegImage.at(kSide - 1, kSide - 1), kBackground);
  // Nose up: Fpz near the top, Oz near the bottom; T7 at the left edge.
  const auto at = [&](const char* name) {
    const auto it = std::find_if(montage.begin(), montage.end(), [&](const Sensor& s) { return s.name == name; });
    return pixelOf(eeg.positions[static_cast<std::size_t>(it - montage.begin())]);
  };
  EXPECT_LT(at("Fpz").second, kSide / 4);
  EXPECT_GT(at("Oz").second, 3 * kSide / 4);
  EXPECT_LT(at("T7").first, kSide / 4);
  EXPECT_EQ(eegImage.at(at("T7").first, at("T7").second), regionColour('T'));
  // Helmet: frontal sensors drawn in the upper half, left temporal ones in the left half.
  for (std::size_t i = 0; i < helmet.size(); ++i) {
    const auto [x, y] = pixelOf(meg->positions[i]);
    EXPECT_TRUE(helmet[i].name[2] != 'F' || y < kSide / 2) << helmet[i].name;
    EXPECT_TRUE(!helmet[i].name.starts_with("MLT") || x < kSide / 2) << helmet[i].name;
  }
}

TEST(Pictures, ResultsSpectrogramOfAnOccipitalChannel) {
  const DemoRecording rec = generateDemoRecording();
  const DemoEffect& gamma = rec.effects[2];
  const auto channel = static_cast<std::int64_t>(std::max_element(gamma.weight.begin(), gamma.weight.end()) -
                                                 gamma.weight.begin());
  const MorletTransform tf(MorletSettings{}, rec.samplesPerEpoch);
  const std::int64_t freqs = tf.frequencyPoints(), step = tf.settings().timeStep;
  // Epoch-averaged power, cut into the Control and Active windows.
  std::vector<double> power(static_cast<std::size_t>(tf.timePoints() * freqs)), sum(power.size());
  MorletTransform::Workspace ws(tf);
  for (std::int64_t e = 0; e < rec.epochCount; ++e) {
    tf.transform(rec.wave(e, channel), {nullptr, nullptr, power.data()}, ws);
    for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += power[i] / double(rec.epochCount);
  }
  const auto window = [&](const SampleWindow& w) {
    SpectralArrays a((w.end - w.begin) / step, freqs);
    const auto first = static_cast<std::size_t>(w.begin / step * freqs);
    std::copy(sum.begin() + static_cast<std::ptrdiff_t>(first),
              sum.begin() + static_cast<std::ptrdiff_t>(first + a.power.size()), a.power.begin());
    return a;
  };
  const SpectralArrays results = deriveResults(window(rec.active), window(rec.control));

  constexpr int kBinW = 4, kBinH = 6;
  PngTestImage image(static_cast<int>(results.timePoints) * kBinW, static_cast<int>(freqs) * kBinH, kBackground);
  for (std::int64_t t = 0; t < results.timePoints; ++t) {
    for (std::int64_t f = 0; f < freqs; ++f) {
      const int x = static_cast<int>(t) * kBinW, y = static_cast<int>(freqs - 1 - f) * kBinH;  // low f at the bottom
      image.fillRect(x, y, x + kBinW, y + kBinH, changeColour(results.power[results.at(t, f)]));
    }
  }
  EXPECT_TRUE(image.write("compute_demo_results_" + rec.channels[static_cast<std::size_t>(channel)].name + ".png"));

  // Active time point t is latency 10 t ms; frequency point f is 4 + 2 f Hz.
  const auto pixel = [&](double ms, double hz) {
    return image.at(static_cast<int>(ms / 10.0) * kBinW + 1, static_cast<int>(freqs - 1 - std::lround((hz - 4.0) / 2.0)) * kBinH + 1);
  };
  const std::uint32_t gammaBurst = pixel(200.0, 60.0), alphaDrop = pixel(400.0, 10.0);
  EXPECT_EQ(red(gammaBurst), 255u);
  EXPECT_LT(blue(gammaBurst), 100u);
  EXPECT_EQ(blue(alphaDrop), 255u);
  EXPECT_LT(red(alphaDrop), 100u);
}
