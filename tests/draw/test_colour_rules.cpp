// The value-to-colour rules on their own: table choice by colour depth, thresholds, the
// zero-span fallbacks, where the single-channel view and the patches differ, and the table
// index's truncation and clamps (NaN and infinities included) as the rules reach it.
#include "draw/SpctmColorRules.h"

#include <limits>

#include "tests/draw/DrawCanvas.h"

using namespace drawtest;
using namespace spctmdraw;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Engine {
  CMEGSpctmDrawqv d;
  TaggedTables tables{d};
};

// Whether `rule` gives each value its colour; names the first value that does not.
template <class Rule>
::testing::AssertionResult colours(const Rule& rule, std::initializer_list<std::pair<double, COLORREF>> cases) {
  for (auto [v, colour] : cases)
    if (rule(v) != colour)
      return ::testing::AssertionFailure() << v << " gives 0x" << std::hex << rule(v) << ", not 0x" << colour;
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(ColourRules, ColourDepthPicksTheTables) {
  Engine e;
  struct Case { UINT depth; Table single; int size; Table pos, neg; int pairSize; };
  for (const Case& c : {Case{256, kSingle256, 256, kPos256, kNeg256, 256}, Case{512, kSingle512, 512, kPos256, kNeg256, 256},
                        Case{768, kSingle768, 768, kPos256, kNeg256, 256}, Case{765, kSingle1024, 1024, kPos768, kNeg768, 768},
                        Case{1024, kSingle1024, 1024, kPos768, kNeg768, 768}, Case{0, kSingle1024, 1024, kPos768, kNeg768, 768}}) {
    e.d.m_nColorDepth = c.depth;
    const COLORREF single = entry(c.single, c.size - 1);
    const COLORREF pos = entry(c.pos, c.pairSize - 1), neg = entry(c.neg, c.pairSize - 1);
    EXPECT_TRUE(colours(absoluteColour(e.d), {{-50.0, single}})) << c.depth;
    EXPECT_TRUE(colours(windowColour(e.d, WindowMiddle::Centre), {{50.0, single}})) << c.depth;
    EXPECT_TRUE(colours(polarityColour(e.d), {{50.0, pos}, {-50.0, neg}})) << c.depth;
    EXPECT_TRUE(colours(peakColour(e.d, PeakCentre::Zero), {{50.0, pos}, {-50.0, neg}})) << c.depth;
  }
}

TEST(ColourRules, MagnitudeAtAndAroundTheStandardRange) {
  Engine e;  // depth 765: pair of 768, single of 1024; standard range 0 .. 1
  // −0 is not below 0; 0.9999 gives 767.92, truncated; 0.002 gives 2.048.
  EXPECT_TRUE(colours(polarityColour(e.d), {{0.0, entry(kPos768, 0)}, {-0.0, entry(kPos768, 0)},
                                            {-1e-9, entry(kNeg768, 0)}, {0.5, entry(kPos768, 384)},
                                            {-0.5, entry(kNeg768, 384)}, {0.9999, entry(kPos768, 767)},
                                            {-1.0, entry(kNeg768, 767)}}));
  EXPECT_TRUE(colours(absoluteColour(e.d), {{-0.5, entry(kSingle1024, 512)}, {0.002, entry(kSingle1024, 2)}}));
  // A raised minimum: magnitudes at or below it take entry 0, the ramp starts there
  // (0.4 is 0.2 of the span 0.4, 0.45 is 0.25 of it).
  e.d.m_dStdMin = 0.2;
  e.d.m_dStdMax = 0.6;
  EXPECT_TRUE(colours(polarityColour(e.d),
                      {{-0.2, entry(kNeg768, 0)}, {0.4, entry(kPos768, 384)}, {-0.45, entry(kNeg768, 480)}}));
}

TEST(ColourRules, ZeroSpansFallBackTo1e7) {
  Engine e;
  e.d.m_dStdMin = e.d.m_dStdMax = 0.5;  // no magnitude lies between
  EXPECT_TRUE(colours(polarityColour(e.d), {{0.5, entry(kPos768, 0)}, {0.5000001, entry(kPos768, 767)}}));
  // Peak view: outer ends equal to the range ends make each span 1e-7.
  e.d.m_dColorMin = e.d.m_dOuterMin = -1.0;
  e.d.m_dColorMax = e.d.m_dOuterMax = 1.0;
  EXPECT_TRUE(colours(peakColour(e.d, PeakCentre::Zero), {{1.00000001, entry(kPos768, 76)} /* 0.1 of the span */,
                                                          {-1.00000001, entry(kNeg768, 76)},
                                                          {1.000001, entry(kPos768, 767)}}));
}

TEST(ColourRules, WindowViewRampAndViewModeOneMiddle) {
  Engine e;  // colour range −1 .. 1, single of 1024; −0.999 gives 0.512
  EXPECT_TRUE(colours(windowColour(e.d, WindowMiddle::Centre),
                      {{-1.0, entry(kSingle1024, 0)}, {-0.999, entry(kSingle1024, 0)}, {0.5, entry(kSingle1024, 768)},
                       {0.999999, entry(kSingle1024, 1023)}, {1.0, entry(kSingle1024, 1023)}}));
  // View mode 1 paints both outer sides with the middle entry (the patches: one below).
  e.d.m_nViewMode = 1;
  for (auto [depth, table, middle] : {std::tuple{256u, kSingle256, 128}, std::tuple{765u, kSingle1024, 512}}) {
    e.d.m_nColorDepth = depth;
    for (double outside : {-3.0, -1.0, 1.0, 3.0}) {
      EXPECT_EQ(windowColour(e.d, WindowMiddle::Centre)(outside), entry(table, middle)) << depth;
      EXPECT_EQ(windowColour(e.d, WindowMiddle::BelowCentre)(outside), entry(table, middle - 1)) << depth;
    }
    EXPECT_EQ(windowColour(e.d, WindowMiddle::BelowCentre)(0.5), entry(table, middle * 3 / 2));
  }
}

TEST(ColourRules, PeakViewColoursOnlyBeyondTheRangeAndTheCentre) {
  Engine e;
  e.d.m_nViewMode = 3;  // colour range −1 .. 1, outer range −2 .. 2: centre 0 either way
  for (PeakCentre centre : {PeakCentre::ByViewMode, PeakCentre::Zero}) {
    EXPECT_TRUE(colours(peakColour(e.d, centre), {{0.5, entry(kNeg768, 0)}, {1.0, entry(kNeg768, 0)},
                                                  {1.5, entry(kPos768, 384)}, {-1.5, entry(kNeg768, 384)},
                                                  {-9.0, entry(kNeg768, 767)}}));
  }
  e.d.m_dOuterMin = 0.0;  // centre 2 in view mode 3 (1.5 is not above it); spans 3 above, 1 below
  e.d.m_dOuterMax = 4.0;
  EXPECT_TRUE(colours(peakColour(e.d, PeakCentre::ByViewMode),
                      {{1.5, entry(kNeg768, 0)}, {2.5, entry(kPos768, 384)}, {-1.5, entry(kNeg768, 384)}}));
  EXPECT_TRUE(colours(peakColour(e.d, PeakCentre::Zero), {{1.5, entry(kPos768, 128)}}));
  e.d.m_nViewMode = 2;  // centre 0
  EXPECT_TRUE(colours(peakColour(e.d, PeakCentre::ByViewMode), {{1.5, entry(kPos768, 128)}}));
  e.d.m_dOuterMin = -6.0;  // centre −4 in view mode 0: −3 is not below it; 2 of a span of 5
  e.d.m_dOuterMax = -2.0;
  e.d.m_nViewMode = 0;
  EXPECT_TRUE(colours(peakColour(e.d, PeakCentre::ByViewMode), {{-3.0, entry(kNeg768, 0)}}));
  EXPECT_TRUE(colours(peakColour(e.d, PeakCentre::Zero), {{-3.0, entry(kNeg768, 307)}}));
}

TEST(ColourRules, NonNumbersStayInsideTheTables) {
  Engine e;
  EXPECT_TRUE(colours(polarityColour(e.d), {{kNaN, entry(kNeg768, 0)}, {-kInf, entry(kNeg768, 767)}}));
  EXPECT_TRUE(colours(windowColour(e.d, WindowMiddle::Centre), {{kNaN, entry(kSingle1024, 0)}}));
  EXPECT_TRUE(colours(peakColour(e.d, PeakCentre::Zero), {{kNaN, entry(kNeg768, 0)}, {kInf, entry(kPos768, 767)}}));
  e.d.m_dColorMin = -kInf;  // scale 0, so (v − min) · scale is NaN
  e.d.m_dColorMax = kInf;
  EXPECT_TRUE(colours(windowColour(e.d, WindowMiddle::Centre), {{0.0, entry(kSingle1024, 0)}}));
}
