#include "host/render/CADRindex2Colorqv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "PngTestImage.h"
#include "host/render/ColourSpace.h"

using namespace hostrender;

namespace {

double lightnessOf(COLORREF c) { return cieLightness(relativeLuminance(colorrefToLinear(c))); }

struct Table {
  const char* name;
  const COLORREF* colours;
  int size;
};

std::vector<Table> allTables(const CADRindex2Colorqv& c) {
  return {{"single 256", c.m_pSingleColor256, 256},     {"single 512", c.m_pSingleColor512, 512},
          {"single 768", c.m_pSingleColor768, 768},     {"single 1024", c.m_pSingleColor1024, 1024},
          {"positive 256", c.m_pPositiveColor256, 256}, {"negative 256", c.m_pNegativeColor256, 256},
          {"positive 768", c.m_pPositiveColor768, 768}, {"negative 768", c.m_pNegativeColor768, 768}};
}

// Colour-vision deficiency simulation (full severity) on linear RGB, with the published
// matrices of Machado, Oliveira and Fernandes (2009).
using Matrix = std::array<std::array<double, 3>, 3>;
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                              {-0.078411, 0.930809, 0.147602},
                              {0.004733, 0.691367, 0.303900}}};

OkLab simulate(const Matrix& m, COLORREF c) {
  const LinearRgb in = colorrefToLinear(c);
  const auto row = [&in](const std::array<double, 3>& r) {
    return std::clamp(r[0] * in.r + r[1] * in.g + r[2] * in.b, 0.0, 1.0);
  };
  return linearToOkLab({row(m[0]), row(m[1]), row(m[2])});
}

}  // namespace

TEST(ColourSpace, OkLabMatchesPublishedReferenceColours) {
  const auto near = [](const OkLab& p, double L, double a, double b) {
    return std::abs(p.L - L) < 1e-4 && std::abs(p.a - a) < 1e-4 && std::abs(p.b - b) < 1e-4;
  };
  EXPECT_TRUE(near(linearToOkLab({1, 1, 1}), 1.0, 0.0, 0.0));
  EXPECT_TRUE(near(linearToOkLab({1, 0, 0}), 0.627955, 0.224863, 0.125846));
  EXPECT_TRUE(near(linearToOkLab({0, 1, 0}), 0.866440, -0.233888, 0.179498));
  EXPECT_TRUE(near(linearToOkLab({0, 0, 1}), 0.452014, -0.032457, -0.311528));
  const LinearRgb back = okLabToLinear(linearToOkLab({0.2, 0.5, 0.7}));
  EXPECT_NEAR(back.r, 0.2, 1e-6);
  EXPECT_NEAR(back.g, 0.5, 1e-6);
  EXPECT_NEAR(back.b, 0.7, 1e-6);
  EXPECT_NEAR(cieLightness(relativeLuminance(colorrefToLinear(RGB(119, 119, 119)))), 50.0, 0.3);
}

TEST(ColourSpace, GamutClipKeepsLightnessAndHue) {
  const OkLab wild = okLch(0.7, 0.4, 150.0);  // far outside sRGB
  const OkLab clipped = clipChromaToGamut(wild);
  EXPECT_TRUE(inGamut(okLabToLinear(clipped), 1e-6));
  EXPECT_DOUBLE_EQ(clipped.L, 0.7);
  EXPECT_NEAR(std::atan2(clipped.b, clipped.a), std::atan2(wild.b, wild.a), 1e-12);
  EXPECT_GT(std::hypot(clipped.a, clipped.b), 0.1);  // clipped only as far as needed
  const OkLab inside = okLch(0.6, 0.05, 40.0);
  EXPECT_DOUBLE_EQ(clipChromaToGamut(inside).a, inside.a);
}

TEST(ColourTables, SizesAndChoiceByColourDepth) {
  EXPECT_EQ(CADRindex2Colorqv::singleTableSize(256), 256);
  EXPECT_EQ(CADRindex2Colorqv::singleTableSize(512), 512);
  EXPECT_EQ(CADRindex2Colorqv::singleTableSize(768), 768);
  EXPECT_EQ(CADRindex2Colorqv::singleTableSize(765), 1024);
  EXPECT_EQ(CADRindex2Colorqv::singleTableSize(1024), 1024);
  EXPECT_EQ(CADRindex2Colorqv::singleTableSize(0), 1024);
  for (UINT depth : {256u, 512u, 768u}) EXPECT_EQ(CADRindex2Colorqv::polarityTableSize(depth), 256);
  for (UINT depth : {765u, 1024u, 100u}) EXPECT_EQ(CADRindex2Colorqv::polarityTableSize(depth), 768);

  const CADRindex2Colorqv c;
  EXPECT_EQ(c.singleTable(256), c.m_pSingleColor256);
  EXPECT_EQ(c.singleTable(512), c.m_pSingleColor512);
  EXPECT_EQ(c.singleTable(768), c.m_pSingleColor768);
  EXPECT_EQ(c.singleTable(765), c.m_pSingleColor1024);
  EXPECT_EQ(c.positiveTable(768), c.m_pPositiveColor256);
  EXPECT_EQ(c.negativeTable(512), c.m_pNegativeColor256);
  EXPECT_EQ(c.positiveTable(765), c.m_pPositiveColor768);
  EXPECT_EQ(c.negativeTable(1024), c.m_pNegativeColor768);

  // Every table of a kind spans the same ramp at its own resolution: equal first and last
  // entries and the same middle. A table of the wrong length would show a mid-ramp colour
  // at its last index.
  for (const Table& t : allTables(c)) {
    const Table& ref = t.colours == c.m_pPositiveColor256 || t.colours == c.m_pPositiveColor768
                           ? allTables(c)[6]
                       : t.colours == c.m_pNegativeColor256 || t.colours == c.m_pNegativeColor768
                           ? allTables(c)[7]
                           : allTables(c)[3];
    SCOPED_TRACE(t.name);
    EXPECT_EQ(t.colours[0], ref.colours[0]);
    EXPECT_EQ(t.colours[t.size - 1], ref.colours[ref.size - 1]);
    EXPECT_LT(std::abs(lightnessOf(t.colours[t.size / 2]) - lightnessOf(ref.colours[ref.size / 2])), 0.5);
  }
}

TEST(ColourTables, LightnessIsMonotonicAndSpansAWideRange) {
  const CADRindex2Colorqv c;
  for (const Table& t : allTables(c)) {
    SCOPED_TRACE(t.name);
    const bool rising = std::string(t.name).starts_with("single");
    for (int k = 1; k < t.size; ++k) {
      const double step = lightnessOf(t.colours[k]) - lightnessOf(t.colours[k - 1]);
      ASSERT_GE(rising ? step : -step, 0.0) << "entry " << k;
    }
    const double span = std::abs(lightnessOf(t.colours[t.size - 1]) - lightnessOf(t.colours[0]));
    EXPECT_GT(span, rising ? 70.0 : 45.0);
  }
  // Neither end of the single ramp disappears into a black or a white background.
  EXPECT_GT(lightnessOf(c.m_pSingleColor1024[0]), 10.0);
  EXPECT_LT(lightnessOf(c.m_pSingleColor1024[1023]), 96.0);
}

TEST(ColourTables, PolarityPairMeetsAtOneNeutralColour) {
  const CADRindex2Colorqv c;
  EXPECT_EQ(c.m_pPositiveColor256[0], c.m_pNegativeColor256[0]);
  EXPECT_EQ(c.m_pPositiveColor768[0], c.m_pNegativeColor768[0]);
  EXPECT_EQ(c.m_pPositiveColor256[0], c.m_pPositiveColor768[0]);
  const COLORREF neutral = c.m_pPositiveColor768[0];
  EXPECT_LE(std::abs(GetRValue(neutral) - GetGValue(neutral)), 1);
  EXPECT_LE(std::abs(GetBValue(neutral) - GetGValue(neutral)), 1);
  // Light, yet still set apart from a white background.
  EXPECT_GT(lightnessOf(neutral), 80.0);
  EXPECT_LT(lightnessOf(neutral), 93.0);

  // Positive warm, negative cool; equal magnitudes equally light on both sides; the strong
  // ends stay clear of black.
  const COLORREF warm = c.m_pPositiveColor768[767], cool = c.m_pNegativeColor768[767];
  EXPECT_GT(GetRValue(warm), GetBValue(warm) + 60);
  EXPECT_GT(GetBValue(cool), GetRValue(cool) + 60);
  EXPECT_GT(lightnessOf(warm), 30.0);
  EXPECT_GT(lightnessOf(cool), 30.0);
  for (int k = 0; k < 768; ++k)
    ASSERT_LT(std::abs(lightnessOf(c.m_pPositiveColor768[k]) - lightnessOf(c.m_pNegativeColor768[k])), 3.0)
        << "entry " << k;
}

TEST(ColourTables, EqualIndexStepsAreEqualColourSteps) {
  const CADRindex2Colorqv c;
  for (const Table& t : {allTables(c)[3], allTables(c)[6], allTables(c)[7]}) {
    SCOPED_TRACE(t.name);
    const int chunk = t.size / 16;
    double lo = 1e9, hi = 0.0;
    for (int k = chunk; k < t.size; k += chunk) {
      const double d = deltaEOk(linearToOkLab(colorrefToLinear(t.colours[k])),
                                linearToOkLab(colorrefToLinear(t.colours[k - chunk])));
      lo = std::min(lo, d);
      hi = std::max(hi, d);
    }
    EXPECT_LT(hi / lo, 1.15);
  }
}

TEST(ColourTables, ReadableWithColourVisionDeficiencies) {
  const CADRindex2Colorqv c;
  for (const Matrix* m : {&kProtanopia, &kDeuteranopia, &kTritanopia}) {
    SCOPED_TRACE(m == &kProtanopia ? "protanopia" : m == &kDeuteranopia ? "deuteranopia" : "tritanopia");
    // Signs stay apart: beyond a fifth of the range positive and negative colours of equal
    // magnitude differ clearly (0.02 is just noticeable).
    for (int k = 768 / 5; k < 768; ++k)
      ASSERT_GT(deltaEOk(simulate(*m, c.m_pPositiveColor768[k]), simulate(*m, c.m_pNegativeColor768[k])), 0.08)
          << "entry " << k;
    // Magnitudes stay ordered: no flat stretch anywhere along either kind of table
    // (entries a sixteenth of a table apart stay at least just noticeably different).
    for (const Table& t : {allTables(c)[3], allTables(c)[6], allTables(c)[7]})
      for (int k = t.size / 16; k < t.size; ++k)
        ASSERT_GT(deltaEOk(simulate(*m, t.colours[k]), simulate(*m, t.colours[k - t.size / 16])), 0.02)
            << t.name << " entry " << k;
  }
}

TEST(ColourTables, EveryObjectOwnsEqualTables) {
  const CADRindex2Colorqv a;
  const auto b = std::make_unique<CADRindex2Colorqv>();
  EXPECT_NE(a.m_pSingleColor1024, b->m_pSingleColor1024);
  EXPECT_TRUE(std::equal(a.m_pSingleColor1024, a.m_pSingleColor1024 + 1024, b->m_pSingleColor1024));
  EXPECT_TRUE(std::equal(a.m_pNegativeColor768, a.m_pNegativeColor768 + 768, b->m_pNegativeColor768));
}

// For a person to judge: every table as a strip on white (upper half) and black (lower
// half), then the diverging pair as one scale from strongest negative to strongest positive.
TEST(ColourTables, WritesAPictureOfEveryTable) {
  const CADRindex2Colorqv c;
  constexpr int kWidth = 1024, kStrip = 28, kGap = 8;
  const std::vector<Table> tables = allTables(c);
  const int half = kGap + static_cast<int>(tables.size() + 2) * (kStrip + kGap);
  PngTestImage image(kWidth + 2 * kGap, 2 * half, 0xFFFFFF);
  image.fillRect(0, half, image.width, 2 * half, 0x000000);
  for (int background = 0; background < 2; ++background) {
    int y = background * half + kGap;
    const auto strip = [&](const auto& colourAt, int entries) {
      for (int x = 0; x < kWidth; ++x)
        image.fillRect(kGap + x, y, kGap + x + 1, y + kStrip, surfacePixel(colourAt(x * entries / kWidth)));
      y += kStrip + kGap;
    };
    for (const Table& t : tables) strip([&t](int k) { return t.colours[k]; }, t.size);
    for (const auto& [pos, neg, n] : {std::tuple{c.m_pPositiveColor256, c.m_pNegativeColor256, 256},
                                      std::tuple{c.m_pPositiveColor768, c.m_pNegativeColor768, 768}})
      strip([pos, neg, n](int k) { return k < n ? neg[n - 1 - k] : pos[k - n]; }, 2 * n);
  }
  EXPECT_TRUE(image.write("colour_tables.png"));
}
