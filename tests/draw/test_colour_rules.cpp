// The value-to-colour rules on their own: table choice by colour depth, thresholds, the
// zero-span fallbacks, and where the single-channel view and the patches differ.
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

}  // namespace

TEST(ColourRules, TableIndexTruncatesAndClamps) {
  const std::pair<double, int> cases[] = {{0.999, 0}, {1.0, 1},     {254.999, 254}, {256.0, 255},
                                          {kInf, 255}, {-0.5, 0}, {-1e300, 0},     {kNaN, 0}};
  for (auto [x, index] : cases) EXPECT_EQ(tableIndex(x, 256), index) << x;
}

TEST(ColourRules, ColourDepthPicksTheTables) {
  Engine e;
  struct Case { UINT depth; Table single; int size; Table pos, neg; int pairSize; };
  for (const Case& c : {Case{256, kSingle256, 256, kPos256, kNeg256, 256}, Case{512, kSingle512, 512, kPos256, kNeg256, 256},
                        Case{768, kSingle768, 768, kPos256, kNeg256, 256}, Case{765, kSingle1024, 1024, kPos768, kNeg768, 768},
                        Case{1024, kSingle1024, 1024, kPos768, kNeg768, 768}, Case{0, kSingle1024, 1024, kPos768, kNeg768, 768}}) {
    e.d.m_nColorDepth = c.depth;
    EXPECT_EQ(absoluteColour(e.d)(-50.0), entry(c.single, c.size - 1)) << c.depth;
    EXPECT_EQ(windowColour(e.d, WindowMiddle::Centre)(50.0), entry(c.single, c.size - 1)) << c.depth;
    EXPECT_EQ(polarityColour(e.d)(50.0), entry(c.pos, c.pairSize - 1)) << c.depth;
    EXPECT_EQ(polarityColour(e.d)(-50.0), entry(c.neg, c.pairSize - 1)) << c.depth;
    EXPECT_EQ(peakColour(e.d, PeakCentre::Zero)(50.0), entry(c.pos, c.pairSize - 1)) << c.depth;
    EXPECT_EQ(peakColour(e.d, PeakCentre::Zero)(-50.0), entry(c.neg, c.pairSize - 1)) << c.depth;
  }
}

TEST(ColourRules, MagnitudeAtAndAroundTheStandardRange) {
  Engine e;  // depth 765: pair of 768, single of 1024; standard range 0 .. 1
  const MagnitudeColour pol = polarityColour(e.d), abs = absoluteColour(e.d);
  EXPECT_EQ(pol(0.0), entry(kPos768, 0));
  EXPECT_EQ(pol(-0.0), entry(kPos768, 0));  // −0 is not below 0
  EXPECT_EQ(pol(-1e-9), entry(kNeg768, 0));
  EXPECT_EQ(pol(0.5), entry(kPos768, 384));
  EXPECT_EQ(pol(-0.5), entry(kNeg768, 384));
  EXPECT_EQ(pol(0.9999), entry(kPos768, 767));  // 767.92 truncates
  EXPECT_EQ(pol(-1.0), entry(kNeg768, 767));
  EXPECT_EQ(abs(-0.5), entry(kSingle1024, 512));
  EXPECT_EQ(abs(0.002), entry(kSingle1024, 2));  // 2.048
  // A raised minimum: magnitudes at or below it take entry 0, the ramp starts there.
  e.d.m_dStdMin = 0.2;
  e.d.m_dStdMax = 0.6;
  EXPECT_EQ(polarityColour(e.d)(-0.2), entry(kNeg768, 0));
  EXPECT_EQ(polarityColour(e.d)(0.4), entry(kPos768, 384));    // 0.2 of 0.4
  EXPECT_EQ(polarityColour(e.d)(-0.45), entry(kNeg768, 480));  // 0.25 of 0.4
}

TEST(ColourRules, ZeroSpansFallBackTo1e7OrTo1) {
  Engine e;
  e.d.m_dStdMin = e.d.m_dStdMax = 0.5;
  EXPECT_DOUBLE_EQ(polarityColour(e.d).scale, 768 / 1e-7);
  EXPECT_DOUBLE_EQ(absoluteColour(e.d).scale, 1024 / 1e-7);
  EXPECT_EQ(polarityColour(e.d)(0.5), entry(kPos768, 0));  // no magnitude lies between
  EXPECT_EQ(polarityColour(e.d)(0.5000001), entry(kPos768, 767));
  e.d.m_dColorMin = e.d.m_dColorMax = 0.25;
  EXPECT_DOUBLE_EQ(windowColour(e.d, WindowMiddle::Centre).scale, 1024 / 1.0);
  // Peak view: outer ends equal to the range ends make each span 1e-7.
  e.d.m_dColorMin = e.d.m_dOuterMin = -1.0;
  e.d.m_dColorMax = e.d.m_dOuterMax = 1.0;
  const PeakColour peak = peakColour(e.d, PeakCentre::Zero);
  EXPECT_EQ(peak(1.00000001), entry(kPos768, 76));  // 0.1 of the span
  EXPECT_EQ(peak(-1.00000001), entry(kNeg768, 76));
  EXPECT_EQ(peak(1.000001), entry(kPos768, 767));
}

TEST(ColourRules, WindowViewRampAndViewModeOneMiddle) {
  Engine e;  // colour range −1 .. 1, single of 1024
  const WindowColour mode0 = windowColour(e.d, WindowMiddle::Centre);
  EXPECT_EQ(mode0(-1.0), entry(kSingle1024, 0));
  EXPECT_EQ(mode0(-0.999), entry(kSingle1024, 0));  // 0.512
  EXPECT_EQ(mode0(0.5), entry(kSingle1024, 768));
  EXPECT_EQ(mode0(0.999999), entry(kSingle1024, 1023));
  EXPECT_EQ(mode0(1.0), entry(kSingle1024, 1023));
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
    const PeakColour rule = peakColour(e.d, centre);
    EXPECT_EQ(rule(0.5), entry(kNeg768, 0));
    EXPECT_EQ(rule(1.0), entry(kNeg768, 0));
    EXPECT_EQ(rule(1.5), entry(kPos768, 384));
    EXPECT_EQ(rule(-1.5), entry(kNeg768, 384));
    EXPECT_EQ(rule(-9.0), entry(kNeg768, 767));
  }
  e.d.m_dOuterMin = 0.0;  // centre 2 in view mode 3; spans 3 above, 1 below
  e.d.m_dOuterMax = 4.0;
  EXPECT_EQ(peakColour(e.d, PeakCentre::ByViewMode)(1.5), entry(kNeg768, 0));  // not above 2
  EXPECT_EQ(peakColour(e.d, PeakCentre::ByViewMode)(2.5), entry(kPos768, 384));
  EXPECT_EQ(peakColour(e.d, PeakCentre::ByViewMode)(-1.5), entry(kNeg768, 384));
  EXPECT_EQ(peakColour(e.d, PeakCentre::Zero)(1.5), entry(kPos768, 128));
  e.d.m_nViewMode = 2;  // centre 0
  EXPECT_EQ(peakColour(e.d, PeakCentre::ByViewMode)(1.5), entry(kPos768, 128));
  e.d.m_dOuterMin = -6.0;  // centre −4 in view mode 0: −3 is not below it
  e.d.m_dOuterMax = -2.0;
  e.d.m_nViewMode = 0;
  EXPECT_EQ(peakColour(e.d, PeakCentre::ByViewMode)(-3.0), entry(kNeg768, 0));
  EXPECT_EQ(peakColour(e.d, PeakCentre::Zero)(-3.0), entry(kNeg768, 307));  // 2 of 5
}

TEST(ColourRules, NonNumbersStayInsideTheTables) {
  Engine e;
  EXPECT_EQ(polarityColour(e.d)(kNaN), entry(kNeg768, 0));
  EXPECT_EQ(windowColour(e.d, WindowMiddle::Centre)(kNaN), entry(kSingle1024, 0));
  EXPECT_EQ(peakColour(e.d, PeakCentre::Zero)(kNaN), entry(kNeg768, 0));
  EXPECT_EQ(polarityColour(e.d)(-kInf), entry(kNeg768, 767));
  EXPECT_EQ(peakColour(e.d, PeakCentre::Zero)(kInf), entry(kPos768, 767));
  e.d.m_dColorMin = -kInf;  // scale 0, so (v − min) · scale is NaN
  e.d.m_dColorMax = kInf;
  EXPECT_EQ(windowColour(e.d, WindowMiddle::Centre)(0.0), entry(kSingle1024, 0));
}
