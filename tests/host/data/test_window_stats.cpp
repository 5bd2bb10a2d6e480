// Window statistics and the window mean against the plain definition: every value of the
// window handed to SpctmStats::add in time-major order. Sums must agree to the bit, since
// the field and the ranges drawn from them feed colours.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "host/data/SpctmWindow.h"

namespace megdata {
namespace {

constexpr std::int64_t kT = 13, kF = 7;

std::vector<double> values() {
  std::vector<double> v(static_cast<std::size_t>(kT * kF));
  for (std::size_t k = 0; k < v.size(); ++k) v[k] = std::sin(0.7 * static_cast<double>(k)) * 1e3 / (1.0 + static_cast<double>(k % 5));
  return v;
}

SpctmStats byDefinition(const std::vector<double>& v, const SpctmWindow& w) {
  SpctmStats s;
  for (std::int64_t t = w.timeBegin; t <= w.timeEnd; ++t)
    for (std::int64_t f = w.freqBegin; f <= w.freqEnd; ++f) s.add(v[static_cast<std::size_t>(t * kF + f)]);
  return s;
}

// Equal to the bit, or both not a number.
bool sameBits(double a, double b) { return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0; }

void expectSame(const SpctmStats& got, const SpctmStats& want) {
  EXPECT_EQ(got.count, want.count);
  for (auto field : {&SpctmStats::sum, &SpctmStats::sumSquares, &SpctmStats::absSum, &SpctmStats::min, &SpctmStats::max,
                     &SpctmStats::absMin, &SpctmStats::absMax}) {
    EXPECT_TRUE(sameBits(got.*field, want.*field)) << got.*field << " vs " << want.*field;
  }
}

TEST(WindowStats, EveryWindowAgreesWithAddingItsValuesInOrder) {
  const std::vector<double> v = values();
  const SpctmWindow windows[] = {{0, kT - 1, 0, kF - 1}, {2, 9, 1, 5}, {4, 4, 3, 3}, {11, 12, 6, 6}, {0, 12, 2, 2}};
  for (const SpctmWindow& w : windows) {
    SCOPED_TRACE(testing::Message() << w.timeBegin << ".." << w.timeEnd << " x " << w.freqBegin << ".." << w.freqEnd);
    expectSame(windowStats(v.data(), kF, w), byDefinition(v, w));
    EXPECT_TRUE(sameBits(windowMean(v.data(), kF, w), byDefinition(v, w).mean()));
  }
}

TEST(WindowStats, NotANumberIsCarriedAsAddCarriesIt) {
  for (std::int64_t at : {std::int64_t{2 * kF + 1}, std::int64_t{3 * kF + 3}}) {
    std::vector<double> v = values();
    v[static_cast<std::size_t>(at)] = std::numeric_limits<double>::quiet_NaN();  // first of the window, then inside
    const SpctmWindow w{2, 5, 1, 4};
    expectSame(windowStats(v.data(), kF, w), byDefinition(v, w));
    EXPECT_TRUE(std::isnan(windowMean(v.data(), kF, w)));
  }
}

TEST(WindowStats, EmptyWindowOrNoDataReadsZero) {
  const std::vector<double> v = values();
  EXPECT_EQ(windowStats(v.data(), kF, SpctmWindow{}).count, 0);
  EXPECT_EQ(windowStats(nullptr, kF, SpctmWindow{0, 1, 0, 1}).count, 0);
  EXPECT_EQ(windowMean(v.data(), kF, SpctmWindow{3, 2, 0, 1}), 0.0);
  EXPECT_EQ(windowMean(nullptr, kF, SpctmWindow{0, 1, 0, 1}), 0.0);
}

}  // namespace
}  // namespace megdata
