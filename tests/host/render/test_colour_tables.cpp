#include "host/render/CADRindex2Colorqv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "host/render/ColourSpace.h"
#include "tests/host/render/TestCanvas.h"

using namespace hostrender;

namespace {

double lightnessOf(COLORREF c) { return cieLightness(relativeLuminance(colorrefToLinear(c))); }

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

TEST(ColourSpace, OkLabAndLightnessMatchPublishedReferenceValues) {
  const auto near = [](const OkLab& p, const OkLab& q) { return deltaEOk(p, q) < 1e-4; };
  EXPECT_TRUE(near(linearToOkLab({1, 0, 0}), {0.627955, 0.224863, 0.125846}));
  EXPECT_TRUE(near(linearToOkLab({0, 0, 1}), {0.452014, -0.032457, -0.311528}));
  EXPECT_TRUE(near(linearToOkLab(okLabToLinear({0.5, 0.1, -0.05})), {0.5, 0.1, -0.05}));
  EXPECT_NEAR(lightnessOf(RGB(119, 119, 119)), 50.0, 0.3);
}

TEST(ColourTables, SizesAndChoiceByColourDepth) {
  for (const auto& [depth, size] : {std::pair{256u, 256}, {512u, 512}, {768u, 768}, {765u, 1024}, {0u, 1024}}) {
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

// Lightness runs one way along every table (up for the single ramp, down from the neutral
// for the polarity pair, equally on both sides); the pair meets at one light neutral grey,
// warm on the positive side and cool on the negative; no end vanishes on black or white.
TEST(ColourTables, LightnessIsMonotonicAndThePolarityPairMeetsAtOneNeutral) {
  const CADRindex2Colorqv c;
  for (const Table& t : allTables(c)) {
    SCOPED_TRACE(t.name);
    const double sign = t.name.starts_with("single") ? 1.0 : -1.0;
    for (int k = 1; k < t.size; ++k)
      ASSERT_GE(sign * (lightnessOf(t.colours[k]) - lightnessOf(t.colours[k - 1])), 0.0) << "entry " << k;
    EXPECT_GT(sign * (lightnessOf(t.colours[t.size - 1]) - lightnessOf(t.colours[0])), sign > 0 ? 70.0 : 45.0);
  }
  EXPECT_GT(lightnessOf(c.m_pSingleColor1024[0]), 10.0);
  EXPECT_LT(lightnessOf(c.m_pSingleColor1024[1023]), 96.0);

  const COLORREF neutral = c.m_pPositiveColor768[0];
  for (COLORREF start : {c.m_pNegativeColor768[0], c.m_pPositiveColor256[0], c.m_pNegativeColor256[0]}) EXPECT_EQ(start, neutral);
  EXPECT_LE(std::abs(GetRValue(neutral) - GetGValue(neutral)) + std::abs(GetBValue(neutral) - GetGValue(neutral)), 1);
  EXPECT_GT(lightnessOf(neutral), 80.0);
  EXPECT_LT(lightnessOf(neutral), 93.0);
  const COLORREF warm = c.m_pPositiveColor768[767], cool = c.m_pNegativeColor768[767];
  EXPECT_GT(GetRValue(warm), GetBValue(warm) + 60);
  EXPECT_GT(GetBValue(cool), GetRValue(cool) + 60);
  EXPECT_GT(std::min(lightnessOf(warm), lightnessOf(cool)), 30.0);
  for (int k = 0; k < 768; ++k)
    ASSERT_NEAR(lightnessOf(c.m_pPositiveColor768[k]), lightnessOf(c.m_pNegativeColor768[k]), 3.0) << k;
}

// Equal index steps are about equal colour steps, and under each simulated colour-vision
// deficiency magnitudes stay ordered and signs stay apart.
TEST(ColourTables, PerceptuallyEvenAndReadableWithColourVisionDeficiencies) {
  const CADRindex2Colorqv c;
  const std::vector<Table> tables = allTables(c);
  const auto labOf = [](COLORREF x) { return linearToOkLab(colorrefToLinear(x)); };
  for (const Table& t : {tables[3], tables[6], tables[7]}) {
    const int chunk = t.size / 16;
    double lo = 1e9, hi = 0.0;
    for (int k = chunk; k < t.size; k += chunk) {
      const double d = deltaEOk(labOf(t.colours[k]), labOf(t.colours[k - chunk]));
      lo = std::min(lo, d);
      hi = std::max(hi, d);
    }
    EXPECT_LT(hi / lo, 1.15) << t.name;
    for (const Matrix& m : kDeficiencies)
      for (int k = chunk; k < t.size; ++k)
        ASSERT_GT(deltaEOk(simulate(m, t.colours[k]), simulate(m, t.colours[k - chunk])), 0.02)
            << t.name << " entry " << k << " deficiency " << &m - kDeficiencies.data();
  }
  for (const Matrix& m : kDeficiencies)
    for (int k = 768 / 5; k < 768; ++k)
      ASSERT_GT(deltaEOk(simulate(m, c.m_pPositiveColor768[k]), simulate(m, c.m_pNegativeColor768[k])), 0.08) << k;
}

// For a person to judge: every table as a strip, then each polarity pair as one scale
// from its strongest negative to its strongest positive colour, on white and on black.
TEST(ColourTables, WritesAPictureOfEveryTable) {
  const CADRindex2Colorqv c;
  const std::vector<Table> tables = allTables(c);
  constexpr int kWidth = 1024, kRow = 36, kHalf = 10 * kRow + 8;
  TestCanvas picture(kWidth + 16, 2 * kHalf, RGB(255, 255, 255));
  picture.dc.FillSolidRect(0, kHalf, kWidth + 16, kHalf, RGB(0, 0, 0));
  for (int row = 0; row < 10; ++row) {
    for (int x = 0; x < kWidth; ++x) {
      COLORREF colour = 0;
      if (row < 8) {
        const Table& t = tables[static_cast<std::size_t>(row)];
        colour = t.colours[x * t.size / kWidth];
      } else {
        const Table &positive = tables[row == 8 ? 4 : 6], &negative = tables[row == 8 ? 5 : 7];
        const int k = x * 2 * positive.size / kWidth;
        colour = k < positive.size ? negative.colours[positive.size - 1 - k] : positive.colours[k - positive.size];
      }
      for (int top : {8, kHalf + 8}) picture.dc.FillSolidRect(8 + x, top + row * kRow, 1, kRow - 8, colour);
    }
  }
  std::string error;
  EXPECT_TRUE(picture.writePng("colour_tables.png", error)) << error;
}
