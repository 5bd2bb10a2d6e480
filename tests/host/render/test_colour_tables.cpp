#include "host/render/CADRindex2Colorqv.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "PngTestImage.h"
#include "host/render/ColourSpace.h"

using namespace hostrender;

namespace {

double lightnessOf(COLORREF c) { return cieLightness(relativeLuminance(colorrefToLinear(c))); }
OkLab labOf(COLORREF c) { return linearToOkLab(colorrefToLinear(c)); }

struct Table {
  std::string name;
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
// matrices of Machado, Oliveira and Fernandes (2009): protanopia, deuteranopia, tritanopia.
using Matrix = std::array<std::array<double, 3>, 3>;
constexpr std::array<Matrix, 3> kDeficiencies{{
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
    {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
}};

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
  EXPECT_TRUE(near(linearToOkLab({0, 0, 1}), 0.452014, -0.032457, -0.311528));
  EXPECT_TRUE(near(linearToOkLab(okLabToLinear({0.5, 0.1, -0.05})), 0.5, 0.1, -0.05));
  EXPECT_NEAR(lightnessOf(RGB(119, 119, 119)), 50.0, 0.3);
}

TEST(ColourTables, SizesAndChoiceByColourDepth) {
  const std::array<std::pair<UINT, int>, 6> single{{{256, 256}, {512, 512}, {768, 768}, {765, 1024}, {1024, 1024}, {0, 1024}}};
  for (const auto& [depth, size] : single) {
    EXPECT_EQ(CADRindex2Colorqv::singleTableSize(depth), size) << depth;
    EXPECT_EQ(CADRindex2Colorqv::polarityTableSize(depth), size < 1024 ? 256 : 768) << depth;
  }
  const CADRindex2Colorqv c;
  EXPECT_EQ(c.singleTable(512), c.m_pSingleColor512);
  EXPECT_EQ(c.singleTable(765), c.m_pSingleColor1024);
  EXPECT_EQ(c.positiveTable(768), c.m_pPositiveColor256);
  EXPECT_EQ(c.negativeTable(1024), c.m_pNegativeColor768);
  // Every table spans its whole ramp at its own resolution: same first, middle and last
  // colour as the largest table of its kind. A table of the wrong length would show a
  // mid-ramp colour at its last index (and read past its end under the sanitizers).
  const std::vector<Table> tables = allTables(c);
  for (const Table& t : tables) {
    SCOPED_TRACE(t.name);
    const Table& ref = tables[t.name.starts_with("single") ? 3 : t.name.starts_with("positive") ? 6 : 7];
    EXPECT_EQ(t.colours[0], ref.colours[0]);
    EXPECT_EQ(t.colours[t.size - 1], ref.colours[ref.size - 1]);
    EXPECT_NEAR(lightnessOf(t.colours[t.size / 2]), lightnessOf(ref.colours[ref.size / 2]), 0.5);
  }
}

TEST(ColourTables, LightnessIsMonotonicAndSpansAWideRange) {
  const CADRindex2Colorqv c;
  for (const Table& t : allTables(c)) {
    SCOPED_TRACE(t.name);
    const double sign = t.name.starts_with("single") ? 1.0 : -1.0;  // polarity tables darken
    for (int k = 1; k < t.size; ++k)
      ASSERT_GE(sign * (lightnessOf(t.colours[k]) - lightnessOf(t.colours[k - 1])), 0.0) << "entry " << k;
    EXPECT_GT(sign * (lightnessOf(t.colours[t.size - 1]) - lightnessOf(t.colours[0])), sign > 0 ? 70.0 : 45.0);
  }
  // Neither end of the single ramp disappears into a black or a white background.
  EXPECT_GT(lightnessOf(c.m_pSingleColor1024[0]), 10.0);
  EXPECT_LT(lightnessOf(c.m_pSingleColor1024[1023]), 96.0);
}

TEST(ColourTables, PolarityPairMeetsAtOneNeutralColour) {
  const CADRindex2Colorqv c;
  const COLORREF neutral = c.m_pPositiveColor768[0];
  for (COLORREF start : {c.m_pNegativeColor768[0], c.m_pPositiveColor256[0], c.m_pNegativeColor256[0]})
    EXPECT_EQ(start, neutral);
  EXPECT_LE(std::abs(GetRValue(neutral) - GetGValue(neutral)) + std::abs(GetBValue(neutral) - GetGValue(neutral)), 1);
  EXPECT_GT(lightnessOf(neutral), 80.0);  // light, yet set apart from a white background
  EXPECT_LT(lightnessOf(neutral), 93.0);
  // Positive warm, negative cool, strong ends clear of black, and equal magnitudes equally
  // light on both sides.
  const COLORREF warm = c.m_pPositiveColor768[767], cool = c.m_pNegativeColor768[767];
  EXPECT_GT(GetRValue(warm), GetBValue(warm) + 60);
  EXPECT_GT(GetBValue(cool), GetRValue(cool) + 60);
  EXPECT_GT(std::min(lightnessOf(warm), lightnessOf(cool)), 30.0);
  for (int k = 0; k < 768; ++k)
    ASSERT_NEAR(lightnessOf(c.m_pPositiveColor768[k]), lightnessOf(c.m_pNegativeColor768[k]), 3.0) << k;
}

TEST(ColourTables, EqualIndexStepsAreEqualColourSteps) {
  const CADRindex2Colorqv c;
  for (const Table& t : {allTables(c)[3], allTables(c)[6], allTables(c)[7]}) {
    const int chunk = t.size / 16;
    double lo = 1e9, hi = 0.0;
    for (int k = chunk; k < t.size; k += chunk) {
      const double d = deltaEOk(labOf(t.colours[k]), labOf(t.colours[k - chunk]));
      lo = std::min(lo, d);
      hi = std::max(hi, d);
    }
    EXPECT_LT(hi / lo, 1.15) << t.name;
  }
}

TEST(ColourTables, ReadableWithColourVisionDeficiencies) {
  const CADRindex2Colorqv c;
  const std::vector<Table> tables = allTables(c);
  for (const Matrix& m : kDeficiencies) {
    SCOPED_TRACE(&m - kDeficiencies.data());
    // Signs stay apart: beyond a fifth of the range, positive and negative colours of equal
    // magnitude differ clearly (0.02 is just noticeable).
    for (int k = 768 / 5; k < 768; ++k)
      ASSERT_GT(deltaEOk(simulate(m, c.m_pPositiveColor768[k]), simulate(m, c.m_pNegativeColor768[k])), 0.08) << k;
    // Magnitudes stay ordered: entries a sixteenth of a table apart stay noticeably different.
    for (const Table& t : {tables[3], tables[6], tables[7]})
      for (int k = t.size / 16; k < t.size; ++k)
        ASSERT_GT(deltaEOk(simulate(m, t.colours[k]), simulate(m, t.colours[k - t.size / 16])), 0.02)
            << t.name << " entry " << k;
  }
}

// For a person to judge: every table as a strip on white (upper half) and black (lower
// half), then each diverging pair as one scale from strongest negative to strongest positive.
TEST(ColourTables, WritesAPictureOfEveryTable) {
  const CADRindex2Colorqv c;
  constexpr int kWidth = 1024, kStrip = 28, kGap = 8;
  const std::vector<Table> tables = allTables(c);
  const int half = kGap + static_cast<int>(tables.size() + 2) * (kStrip + kGap);
  PngTestImage image(kWidth + 2 * kGap, 2 * half, 0xFFFFFF);
  image.fillRect(0, half, image.width, 2 * half, 0x000000);
  // Rows: the eight tables, then the two pairs as negative (reversed) followed by positive.
  const auto colourAt = [&](std::size_t row, int x) {
    if (row < tables.size()) return tables[row].colours[x * tables[row].size / kWidth];
    const UINT depth = row == tables.size() ? 256 : 1024;
    const int n = CADRindex2Colorqv::polarityTableSize(depth), k = x * 2 * n / kWidth;
    return k < n ? c.negativeTable(depth)[n - 1 - k] : c.positiveTable(depth)[k - n];
  };
  for (int background = 0; background < 2; ++background)
    for (std::size_t row = 0; row < tables.size() + 2; ++row) {
      const int y = background * half + kGap + static_cast<int>(row) * (kStrip + kGap);
      for (int x = 0; x < kWidth; ++x) image.fillRect(kGap + x, y, kGap + x + 1, y + kStrip, surfacePixel(colourAt(row, x)));
    }
  EXPECT_TRUE(image.write("colour_tables.png"));
}
