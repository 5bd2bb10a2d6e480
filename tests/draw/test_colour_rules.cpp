// The value-to-colour rules on their own: table choice by colour depth, thresholds, the
// zero-span fallbacks, and the differences between the single-channel view and the patches.
#include "draw/SpctmColorRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "draw/CMEGSpctmDrawqv.h"
#include "tests/draw/DrawTestSupport.h"

using namespace drawtest;
using spctmdraw::PeakCentre;
using spctmdraw::WindowMiddle;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Engine {
  CMEGSpctmDrawqv d;
  TaggedTables tables{d};
};

}  // namespace

TEST(ColourRules, TableIndexTruncatesAndClamps) {
  EXPECT_EQ(spctmdraw::tableIndex(0.0, 256), 0);
  EXPECT_EQ(spctmdraw::tableIndex(0.999, 256), 0);
  EXPECT_EQ(spctmdraw::tableIndex(1.0, 256), 1);
  EXPECT_EQ(spctmdraw::tableIndex(254.999, 256), 254);
  EXPECT_EQ(spctmdraw::tableIndex(255.5, 256), 255);
  EXPECT_EQ(spctmdraw::tableIndex(256.0, 256), 255);
  EXPECT_EQ(spctmdraw::tableIndex(1e300, 256), 255);
  EXPECT_EQ(spctmdraw::tableIndex(kInf, 256), 255);
  EXPECT_EQ(spctmdraw::tableIndex(-0.5, 256), 0);
  EXPECT_EQ(spctmdraw::tableIndex(kNaN, 256), 0);
}

TEST(ColourRules, ColourDepthPicksTheTables) {
  Engine e;
  struct Case {
    UINT depth;
    Table single;
    int singleSize;
    Table positive, negative;
    int pairSize;
  };
  for (const Case& c : {Case{256, kSingle256, 256, kPositive256, kNegative256, 256},
                        Case{512, kSingle512, 512, kPositive256, kNegative256, 256},
                        Case{768, kSingle768, 768, kPositive256, kNegative256, 256},
                        Case{765, kSingle1024, 1024, kPositive768, kNegative768, 768},
                        Case{1024, kSingle1024, 1024, kPositive768, kNegative768, 768},
                        Case{0, kSingle1024, 1024, kPositive768, kNegative768, 768}}) {
    SCOPED_TRACE(c.depth);
    e.d.m_nColorDepth = c.depth;
    // Far past every range: the last entry of the table each rule uses.
    EXPECT_EQ(spctmdraw::absoluteColour(e.d)(-50.0), entry(c.single, c.singleSize - 1));
    EXPECT_EQ(spctmdraw::polarityColour(e.d)(50.0), entry(c.positive, c.pairSize - 1));
    EXPECT_EQ(spctmdraw::polarityColour(e.d)(-50.0), entry(c.negative, c.pairSize - 1));
    EXPECT_EQ(spctmdraw::windowColour(e.d, WindowMiddle::Centre)(50.0), entry(c.single, c.singleSize - 1));
    EXPECT_EQ(spctmdraw::peakColour(e.d, PeakCentre::Zero)(50.0), entry(c.positive, c.pairSize - 1));
    EXPECT_EQ(spctmdraw::peakColour(e.d, PeakCentre::Zero)(-50.0), entry(c.negative, c.pairSize - 1));
  }
}

TEST(ColourRules, PolarityAtAndAroundTheStandardRange) {
  Engine e;  // depth 765: pair of 768, standard range 0 .. 1
  const spctmdraw::MagnitudeColour rule = spctmdraw::polarityColour(e.d);
  EXPECT_EQ(rule(0.0), entry(kPositive768, 0));
  EXPECT_EQ(rule(-0.0), entry(kPositive768, 0));  // −0 is not below 0
  EXPECT_EQ(rule(1e-9), entry(kPositive768, 0));
  EXPECT_EQ(rule(-1e-9), entry(kNegative768, 0));
  EXPECT_EQ(rule(0.5), entry(kPositive768, 384));
  EXPECT_EQ(rule(-0.5), entry(kNegative768, 384));
  EXPECT_EQ(rule(0.25 + 1e-12), entry(kPositive768, 192));
  EXPECT_EQ(rule(0.9999), entry(kPositive768, 767));  // 767.92 truncates
  EXPECT_EQ(rule(1.0), entry(kPositive768, 767));
  EXPECT_EQ(rule(-1.0), entry(kNegative768, 767));
  EXPECT_EQ(rule(-7.0), entry(kNegative768, 767));

  // A raised minimum: magnitudes at or below it take entry 0, the scale starts there.
  e.d.m_dStdMin = 0.2;
  e.d.m_dStdMax = 0.6;
  const spctmdraw::MagnitudeColour raised = spctmdraw::polarityColour(e.d);
  EXPECT_EQ(raised(-0.2), entry(kNegative768, 0));
  EXPECT_EQ(raised(0.4), entry(kPositive768, 384));   // 0.2 of 0.4
  EXPECT_EQ(raised(-0.45), entry(kNegative768, 480));  // 0.25 of 0.4
}

TEST(ColourRules, AbsoluteValueUsesOneTableForBothSigns) {
  Engine e;
  e.d.m_nColorDepth = 512;
  const spctmdraw::MagnitudeColour rule = spctmdraw::absoluteColour(e.d);
  EXPECT_EQ(rule(0.0), entry(kSingle512, 0));
  EXPECT_EQ(rule(0.5), entry(kSingle512, 256));
  EXPECT_EQ(rule(-0.5), entry(kSingle512, 256));
  EXPECT_EQ(rule(0.001), entry(kSingle512, 0));   // 0.512
  EXPECT_EQ(rule(-0.002), entry(kSingle512, 1));  // 1.024
  EXPECT_EQ(rule(1.0), entry(kSingle512, 511));
}

TEST(ColourRules, ZeroSpansFallBackTo1e7OrTo1) {
  Engine e;
  e.d.m_dStdMin = e.d.m_dStdMax = 0.5;
  EXPECT_DOUBLE_EQ(spctmdraw::polarityColour(e.d).scale, 768 / 1e-7);
  EXPECT_DOUBLE_EQ(spctmdraw::absoluteColour(e.d).scale, 1024 / 1e-7);
  // No magnitude lies strictly between, so every value takes the first or last entry.
  EXPECT_EQ(spctmdraw::polarityColour(e.d)(0.5), entry(kPositive768, 0));
  EXPECT_EQ(spctmdraw::polarityColour(e.d)(0.5000001), entry(kPositive768, 767));
  EXPECT_EQ(spctmdraw::polarityColour(e.d)(-0.4), entry(kNegative768, 0));

  e.d.m_dColorMin = e.d.m_dColorMax = 0.25;
  EXPECT_DOUBLE_EQ(spctmdraw::windowColour(e.d, WindowMiddle::Centre).scale, 1024 / 1.0);
  EXPECT_EQ(spctmdraw::windowColour(e.d, WindowMiddle::Centre)(0.25), entry(kSingle1024, 0));
  EXPECT_EQ(spctmdraw::windowColour(e.d, WindowMiddle::Centre)(0.2500001), entry(kSingle1024, 1023));

  // Peak view: an outer end equal to its range end makes the span 1e-7, so the whole
  // ramp lies within 1e-7 beyond the range.
  e.d.m_dColorMin = -1.0;
  e.d.m_dColorMax = 1.0;
  e.d.m_dOuterMax = 1.0;
  e.d.m_dOuterMin = -1.0;
  const spctmdraw::PeakColour peak = spctmdraw::peakColour(e.d, PeakCentre::Zero);
  EXPECT_DOUBLE_EQ(peak.posScale, 768 / 1e-7);
  EXPECT_DOUBLE_EQ(peak.negScale, 768 / 1e-7);
  EXPECT_EQ(peak(1.00000001), entry(kPositive768, 76));  // 0.1 of the span
  EXPECT_EQ(peak(-1.00000001), entry(kNegative768, 76));
  EXPECT_EQ(peak(1.000001), entry(kPositive768, 767));
  EXPECT_EQ(peak(-1.000001), entry(kNegative768, 767));
}

TEST(ColourRules, WindowViewThresholdsAndViewModeOneMiddle) {
  Engine e;  // colour range −1 .. 1, depth 765: single table of 1024
  const spctmdraw::WindowColour mode0 = spctmdraw::windowColour(e.d, WindowMiddle::Centre);
  EXPECT_EQ(mode0(-1.0), entry(kSingle1024, 0));
  EXPECT_EQ(mode0(-0.999), entry(kSingle1024, 0));  // 0.512
  EXPECT_EQ(mode0(0.0), entry(kSingle1024, 512));
  EXPECT_EQ(mode0(0.5), entry(kSingle1024, 768));
  EXPECT_EQ(mode0(0.999999), entry(kSingle1024, 1023));
  EXPECT_EQ(mode0(1.0), entry(kSingle1024, 1023));

  // View mode 1: both outer sides take the middle colour; inside, the same ramp.
  e.d.m_nViewMode = 1;
  for (UINT depth : {256u, 765u}) {
    e.d.m_nColorDepth = depth;
    const Table single = depth == 256 ? kSingle256 : kSingle1024;
    const int middle = depth == 256 ? 128 : 512;
    const spctmdraw::WindowColour view = spctmdraw::windowColour(e.d, WindowMiddle::Centre);
    const spctmdraw::WindowColour patch = spctmdraw::windowColour(e.d, WindowMiddle::BelowCentre);
    for (double outside : {-1.0, -3.0, 1.0, 3.0}) {
      EXPECT_EQ(view(outside), entry(single, middle)) << depth << " " << outside;
      EXPECT_EQ(patch(outside), entry(single, middle - 1)) << depth << " " << outside;
    }
    EXPECT_EQ(view(0.5), entry(single, middle * 3 / 2));
    EXPECT_EQ(patch(0.5), entry(single, middle * 3 / 2));
  }
}

TEST(ColourRules, PeakViewColoursOnlyBeyondTheRange) {
  Engine e;
  e.d.m_nViewMode = 3;  // colour range −1 .. 1, outer range −2 .. 2, pair of 768
  for (PeakCentre centre : {PeakCentre::ByViewMode, PeakCentre::Zero}) {
    const spctmdraw::PeakColour rule = spctmdraw::peakColour(e.d, centre);
    EXPECT_EQ(rule(0.5), entry(kNegative768, 0));
    EXPECT_EQ(rule(1.0), entry(kNegative768, 0));
    EXPECT_EQ(rule(-1.0), entry(kNegative768, 0));
    EXPECT_EQ(rule(1.5), entry(kPositive768, 384));
    EXPECT_EQ(rule(-1.5), entry(kNegative768, 384));
    EXPECT_EQ(rule(2.0), entry(kPositive768, 767));
    EXPECT_EQ(rule(-9.0), entry(kNegative768, 767));
  }
  // Unequal spans: each side scales with its own.
  e.d.m_dOuterMax = 5.0;
  e.d.m_dOuterMin = -1.5;
  const spctmdraw::PeakColour uneven = spctmdraw::peakColour(e.d, PeakCentre::Zero);
  EXPECT_EQ(uneven(3.0), entry(kPositive768, 384));        // 2 of 4
  EXPECT_EQ(uneven(-1.25), entry(kNegative768, 384));      // 0.25 of 0.5
}

TEST(ColourRules, PeakCentreFollowsTheViewModeOnlyInTheSingleChannelRule) {
  Engine e;
  e.d.m_dOuterMin = 0.0;
  e.d.m_dOuterMax = 4.0;  // middle 2; colour range −1 .. 1
  e.d.m_nViewMode = 3;
  // Centre 2: 1.5 lies above the range but not above the centre, so it stays neutral.
  EXPECT_EQ(spctmdraw::peakColour(e.d, PeakCentre::ByViewMode)(1.5), entry(kNegative768, 0));
  EXPECT_EQ(spctmdraw::peakColour(e.d, PeakCentre::ByViewMode)(2.5), entry(kPositive768, 384));
  EXPECT_EQ(spctmdraw::peakColour(e.d, PeakCentre::ByViewMode)(-1.5), entry(kNegative768, 384));
  EXPECT_EQ(spctmdraw::peakColour(e.d, PeakCentre::Zero)(1.5), entry(kPositive768, 128));
  // View mode 2 takes 0 in both.
  e.d.m_nViewMode = 2;
  EXPECT_EQ(spctmdraw::peakColour(e.d, PeakCentre::ByViewMode)(1.5), entry(kPositive768, 128));
  // Centre below the range: −3 is below the colour range but not below a centre of −4.
  e.d.m_dOuterMin = -6.0;
  e.d.m_dOuterMax = -2.0;
  e.d.m_nViewMode = 0;
  EXPECT_EQ(spctmdraw::peakColour(e.d, PeakCentre::ByViewMode)(-3.0), entry(kNegative768, 0));
  EXPECT_EQ(spctmdraw::peakColour(e.d, PeakCentre::Zero)(-3.0), entry(kNegative768, 307));  // 2 of 5
}

TEST(ColourRules, NonNumbersStayInsideTheTables) {
  Engine e;
  e.d.m_dColorMin = -kInf;  // a range that makes every scale 0 or NaN
  e.d.m_dColorMax = kInf;
  EXPECT_EQ(spctmdraw::windowColour(e.d, WindowMiddle::Centre)(0.0), entry(kSingle1024, 0));

  Engine f;
  EXPECT_EQ(spctmdraw::polarityColour(f.d)(kNaN), entry(kNegative768, 0));
  EXPECT_EQ(spctmdraw::absoluteColour(f.d)(kNaN), entry(kSingle1024, 0));
  EXPECT_EQ(spctmdraw::windowColour(f.d, WindowMiddle::Centre)(kNaN), entry(kSingle1024, 0));
  EXPECT_EQ(spctmdraw::peakColour(f.d, PeakCentre::Zero)(kNaN), entry(kNegative768, 0));
  EXPECT_EQ(spctmdraw::polarityColour(f.d)(kInf), entry(kPositive768, 767));
  EXPECT_EQ(spctmdraw::polarityColour(f.d)(-kInf), entry(kNegative768, 767));
  EXPECT_EQ(spctmdraw::windowColour(f.d, WindowMiddle::Centre)(-kInf), entry(kSingle1024, 0));
  EXPECT_EQ(spctmdraw::peakColour(f.d, PeakCentre::Zero)(kInf), entry(kPositive768, 767));
  EXPECT_EQ(spctmdraw::peakColour(f.d, PeakCentre::Zero)(-kInf), entry(kNegative768, 767));
}
