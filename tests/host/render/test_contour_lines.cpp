#include "host/render/CContourLineMapqv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <tuple>
#include <vector>

namespace {

CDataGridRect makeGrid(int w, int h, const std::function<double(double, double)>& f) {
  CDataGridRect g;
  double* values = g.initDataGridRect(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) values[j * w + i] = f(i, j);
  return g;
}

std::vector<const ContourLine*> linesAt(const CContourLineMapqv& map, double level) {
  std::vector<const ContourLine*> out;
  for (const ContourLine& l : map.getLines())
    if (l.level == level) out.push_back(&l);
  return out;
}

// Properties every traced level must have: open lines end on the border, rings close,
// and no segment appears twice or has zero length.
void expectWellFormed(const CContourLineMapqv& map, const CDataGridRect& g) {
  const double right = g.gridWidth - 1.0, top = g.gridHeight - 1.0;
  const auto onBorder = [&](const ContourPoint& p) { return p.u == 0.0 || p.v == 0.0 || p.u == right || p.v == top; };
  for (double level : map.getLevels()) {
    SCOPED_TRACE(testing::Message() << "level " << level);
    std::set<std::tuple<double, double, double, double>> segments;
    for (const ContourLine* line : linesAt(map, level)) {
      if (line->closed)
        EXPECT_TRUE(line->points.size() >= 4u && line->points.front() == line->points.back());
      else
        EXPECT_TRUE(onBorder(line->points.front()) && onBorder(line->points.back()));
      for (std::size_t k = 0; k + 1 < line->points.size(); ++k) {
        ContourPoint a = line->points[k], b = line->points[k + 1];
        ASSERT_FALSE(a == b) << "zero-length segment";
        if (std::tie(b.u, b.v) < std::tie(a.u, a.v)) std::swap(a, b);
        EXPECT_TRUE(segments.insert({a.u, a.v, b.u, b.v}).second) << "duplicated segment at " << a.u << "," << a.v;
      }
    }
  }
}

}  // namespace

TEST(ContourLevels, RunFromTheThresholdTowardsTheLargestMagnitudeAtBothSigns) {
  CContourLineMapqv map;
  ASSERT_EQ(map.initLevelAbs(300.0, 1000.0, 4), 1);
  EXPECT_EQ(map.getLevels(), (std::vector<double>{-825, -650, -475, -300, 300, 475, 650, 825}));
  // A zero threshold gives the zero line once; a negative one counts as zero.
  ASSERT_EQ(map.initLevelAbs(-5.0, 1.0, 4), 1);
  EXPECT_EQ(map.getLevels(), (std::vector<double>{-0.75, -0.5, -0.25, 0, 0.25, 0.5, 0.75}));
  for (const auto& [threshold, maxAbs, levels] : {std::tuple{1.0, 5.0, 0}, std::tuple{6.0, 5.0, 3}, std::tuple{std::nan(""), 5.0, 3}}) {
    EXPECT_EQ(map.initLevelAbs(threshold, maxAbs, levels), 0);
    EXPECT_TRUE(map.getLevels().empty());
  }
}

TEST(ContourLines, PlaneGivesOneStraightOpenLinePerLevelInItsRange) {
  constexpr int w = 40, h = 30;
  const auto plane = [](double u, double v) { return 0.3 * u - 0.2 * v + 1.0; };  // -4.8 to 12.7
  const CDataGridRect g = makeGrid(w, h, plane);
  CContourLineMapqv map;
  map.initLevelAbs(0.5, 8.0, 5);
  ASSERT_EQ(map.dataGrid2ContourLinePro(&g), 1);
  for (double level : map.getLevels()) {
    const std::vector<const ContourLine*> lines = linesAt(map, level);
    ASSERT_EQ(lines.size(), level < plane(0, h - 1) ? 0u : 1u) << level;
    for (const ContourLine* line : lines) {
      EXPECT_FALSE(line->closed);
      for (const ContourPoint& p : line->points) EXPECT_NEAR(plane(p.u, p.v), level, 1e-9);
    }
  }
  expectWellFormed(map, g);
}

TEST(ContourLines, RadialBumpsGiveClosedRingsAtTheirRadii) {
  // A positive and a negative Gaussian bump, far enough apart not to disturb each other.
  constexpr double amplitude = 10.0, sigma = 5.0;
  const std::array<std::pair<double, double>, 2> centre{{{17.3, 21.7}, {52.6, 22.4}}};
  const auto bump = [&](double u, double v, std::size_t k) {
    const double du = u - centre[k].first, dv = v - centre[k].second;
    return amplitude * std::exp(-(du * du + dv * dv) / (2 * sigma * sigma));
  };
  const CDataGridRect g = makeGrid(70, 45, [&](double u, double v) { return bump(u, v, 0) - bump(u, v, 1); });
  CContourLineMapqv map;
  map.initLevelAbs(1.0, amplitude, 6);
  ASSERT_EQ(map.dataGrid2ContourLinePro(&g), 1);
  for (double level : map.getLevels()) {
    SCOPED_TRACE(testing::Message() << "level " << level);
    const std::vector<const ContourLine*> lines = linesAt(map, level);
    ASSERT_EQ(lines.size(), 1u);
    const ContourLine& ring = *lines[0];
    EXPECT_TRUE(ring.closed);
    const auto [cu, cv] = centre[level > 0 ? 0 : 1];
    const double radius = sigma * std::sqrt(2.0 * std::log(amplitude / std::abs(level)));
    // Every point at the radius, and the ring goes once round the centre.
    double winding = 0.0;
    for (std::size_t p = 0; p + 1 < ring.points.size(); ++p) {
      const ContourPoint& a = ring.points[p];
      const ContourPoint& b = ring.points[p + 1];
      EXPECT_NEAR(std::hypot(a.u - cu, a.v - cv), radius, 0.05);
      winding += std::remainder(std::atan2(b.v - cv, b.u - cu) - std::atan2(a.v - cv, a.u - cu), 2 * std::numbers::pi);
    }
    EXPECT_NEAR(std::abs(winding), 2 * std::numbers::pi, 1e-9);
  }
  expectWellFormed(map, g);
}

TEST(ContourLines, SaddlesAreDecidedByTheCellCentreAndExactHitsStayClean) {
  // Corners (0,0) and (1,1) at 1, the other two at 0: the centre is 0.5.
  const CDataGridRect g = makeGrid(2, 2, [](double u, double v) { return u == v ? 1.0 : 0.0; });
  CContourLineMapqv map;
  const auto endsAt = [&](double level) {
    map.initLevelAbs(level, level, 1);
    map.dataGrid2ContourLinePro(&g);
    std::set<std::pair<long, long>> out;  // ten times the sums of each segment's end points
    for (const ContourLine* line : linesAt(map, level))
      out.insert({std::lround(10 * (line->points.front().u + line->points.back().u)),
                  std::lround(10 * (line->points.front().v + line->points.back().v))});
    return out;
  };
  // Centre above the level: the two high corners are joined and the low ones cut off, the
  // segments (0.6,0)-(1,0.4) and (0,0.6)-(0.4,1); centre below: the high ones cut off.
  EXPECT_EQ(endsAt(0.4), (std::set<std::pair<long, long>>{{16, 4}, {4, 16}}));
  EXPECT_EQ(endsAt(0.6), (std::set<std::pair<long, long>>{{4, 4}, {16, 16}}));

  // Integer values met exactly by integer levels, and a smooth field full of saddles.
  const CDataGridRect integers = makeGrid(23, 19, [](double u, double v) { return static_cast<double>((static_cast<int>(u) * 7 + static_cast<int>(v) * 13) % 5 - 2); });
  const CDataGridRect saddles = makeGrid(31, 27, [](double u, double v) { return std::sin(u / 2.5) * std::cos(v / 3.0); });
  for (const CDataGridRect* grid : {&integers, &saddles}) {
    map.initLevelAbs(0.0, 2.0, 5);
    ASSERT_EQ(map.dataGrid2ContourLinePro(grid), 1);
    EXPECT_FALSE(map.getLines().empty());
    expectWellFormed(map, *grid);
  }
}

TEST(ContourLines, BadGridsTraceNothingAndMissingValuesEndLines) {
  CContourLineMapqv map;
  CDataGridRect holed = makeGrid(5, 5, [](double u, double) { return u; });
  EXPECT_EQ(map.dataGrid2ContourLinePro(&holed), 0);  // no levels yet
  map.initLevelAbs(1.5, 3.0, 2);
  const CDataGridRect thin = makeGrid(1, 5, [](double, double v) { return v; });
  for (const CDataGridRect* bad : {&thin, static_cast<const CDataGridRect*>(nullptr)}) EXPECT_EQ(map.dataGrid2ContourLinePro(bad), 0);
  // A missing value at (2, 2): its four cells give no segments, so the line u = 2.25 is
  // cut in two where it would run through them.
  holed.values[2 * 5 + 2] = std::nan("");
  ASSERT_EQ(map.dataGrid2ContourLinePro(&holed), 1);
  EXPECT_EQ(linesAt(map, 2.25).size(), 2u);
  for (const ContourLine& line : map.getLines())
    for (const ContourPoint& p : line.points) EXPECT_FALSE(p.u > 1 && p.u < 3 && p.v > 1 && p.v < 3);
  holed.values.pop_back();
  EXPECT_EQ(map.dataGrid2ContourLinePro(&holed), 0);
  EXPECT_TRUE(map.getLines().empty());
}
