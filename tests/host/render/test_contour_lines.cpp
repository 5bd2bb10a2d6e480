#include "host/render/CContourLineMapqv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
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

bool onBorder(const ContourPoint& p, int w, int h) {
  return p.u == 0.0 || p.v == 0.0 || p.u == w - 1.0 || p.v == h - 1.0;
}

double cross(const ContourPoint& o, const ContourPoint& a, const ContourPoint& b) {
  return (a.u - o.u) * (b.v - o.v) - (a.v - o.v) * (b.u - o.u);
}

// True when the two segments cross at a point inside both (touching ends do not count).
bool properlyCross(const ContourPoint& a, const ContourPoint& b, const ContourPoint& c, const ContourPoint& d) {
  const double d1 = cross(a, b, c), d2 = cross(a, b, d), d3 = cross(c, d, a), d4 = cross(c, d, b);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// Properties every traced level must have, checked against the grid itself.
void expectWellFormed(const CContourLineMapqv& map, const CDataGridRect& g) {
  const int w = g.gridWidth, h = g.gridHeight;
  const auto value = [&g, w](int i, int j) { return g.values[static_cast<std::size_t>(j * w + i)]; };
  for (double level : map.getLevels()) {
    SCOPED_TRACE(testing::Message() << "level " << level);
    using Key = std::tuple<double, double, double, double>;
    std::set<Key> segments;
    std::vector<std::pair<ContourPoint, ContourPoint>> all;
    std::set<std::pair<double, double>> points;
    for (const ContourLine* line : linesAt(map, level)) {
      ASSERT_GE(line->points.size(), 2u);
      if (line->closed) {
        EXPECT_TRUE(line->points.front() == line->points.back());
        EXPECT_GE(line->points.size(), 4u);
      } else {
        EXPECT_TRUE(onBorder(line->points.front(), w, h));
        EXPECT_TRUE(onBorder(line->points.back(), w, h));
      }
      for (std::size_t k = 0; k + 1 < line->points.size(); ++k) {
        ContourPoint a = line->points[k], b = line->points[k + 1];
        ASSERT_FALSE(a == b) << "zero-length segment";
        if (std::tie(b.u, b.v) < std::tie(a.u, a.v)) std::swap(a, b);
        EXPECT_TRUE(segments.insert({a.u, a.v, b.u, b.v}).second)
            << "duplicated segment " << a.u << "," << a.v << " - " << b.u << "," << b.v;
        all.emplace_back(a, b);
        points.insert({a.u, a.v});
        points.insert({b.u, b.v});
      }
    }
    for (std::size_t x = 0; x < all.size(); ++x)
      for (std::size_t y = x + 1; y < all.size(); ++y)
        ASSERT_FALSE(properlyCross(all[x].first, all[x].second, all[y].first, all[y].second))
            << "lines of one level cross";
    // Every grid edge whose ends lie on both sides of the level is crossed by a line. A
    // crossing at a grid point is exempt: where the level only touches a peak or a pit
    // there is no line, just a point.
    const auto crossed = [&points](double t, ContourPoint p) { return t <= 0.0 || t >= 1.0 || points.count({p.u, p.v}) > 0; };
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) {
        if (i + 1 < w && (value(i, j) >= level) != (value(i + 1, j) >= level)) {
          const double t = (level - value(i, j)) / (value(i + 1, j) - value(i, j));
          ASSERT_TRUE(crossed(t, {i + t, static_cast<double>(j)})) << "edge right of " << i << "," << j;
        }
        if (j + 1 < h && (value(i, j) >= level) != (value(i, j + 1) >= level)) {
          const double t = (level - value(i, j)) / (value(i, j + 1) - value(i, j));
          ASSERT_TRUE(crossed(t, {static_cast<double>(i), j + t})) << "edge above " << i << "," << j;
        }
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
  ASSERT_EQ(map.initLevelAbs(2.0, 2.0, 3), 1);
  EXPECT_EQ(map.getLevels(), (std::vector<double>{-2, 2}));

  EXPECT_EQ(map.initLevelAbs(1.0, 5.0, 0), 0);
  EXPECT_TRUE(map.getLevels().empty());
  EXPECT_EQ(map.initLevelAbs(6.0, 5.0, 3), 0);
  EXPECT_EQ(map.initLevelAbs(std::nan(""), 5.0, 3), 0);
  EXPECT_EQ(map.initLevelAbs(1.0, INFINITY, 3), 0);
  EXPECT_TRUE(map.getLevels().empty());
}

TEST(ContourLines, PlaneGivesStraightLinesAcrossTheGrid) {
  constexpr int w = 40, h = 30;
  const auto plane = [](double u, double v) { return 0.3 * u - 0.2 * v + 1.0; };
  const CDataGridRect g = makeGrid(w, h, plane);
  CContourLineMapqv map;
  map.initLevelAbs(0.5, 8.0, 5);
  ASSERT_EQ(map.dataGrid2ContourLinePro(&g), 1);
  EXPECT_EQ(map.getGridWidth(), w);
  EXPECT_EQ(map.getGridHeight(), h);
  // Levels within the plane's range (-4.8 to 12.7 at the corners) give one open line each,
  // every point on the plane at that level; expectWellFormed checks both ends lie on the
  // border, and a straight line meets the border only there.
  for (double level : map.getLevels()) {
    const std::vector<const ContourLine*> lines = linesAt(map, level);
    if (level < plane(0, h - 1)) {
      EXPECT_TRUE(lines.empty()) << level;
      continue;
    }
    ASSERT_EQ(lines.size(), 1u) << level;
    EXPECT_FALSE(lines[0]->closed);
    for (const ContourPoint& p : lines[0]->points) EXPECT_NEAR(plane(p.u, p.v), level, 1e-9);
  }
  EXPECT_EQ(map.getLines().size(), 8u);
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
    const std::size_t k = level > 0 ? 0 : 1;
    const double radius = sigma * std::sqrt(2.0 * std::log(amplitude / std::abs(level)));
    // Every point at the radius, and the ring goes once round the centre.
    double winding = 0.0;
    for (std::size_t p = 0; p + 1 < ring.points.size(); ++p) {
      const ContourPoint& a = ring.points[p];
      const ContourPoint& b = ring.points[p + 1];
      EXPECT_NEAR(std::hypot(a.u - centre[k].first, a.v - centre[k].second), radius, 0.05);
      const double turn = std::atan2(b.v - centre[k].second, b.u - centre[k].first) -
                          std::atan2(a.v - centre[k].second, a.u - centre[k].first);
      winding += std::remainder(turn, 2 * std::numbers::pi);
    }
    EXPECT_NEAR(std::abs(winding), 2 * std::numbers::pi, 1e-9);
  }
  expectWellFormed(map, g);
}

TEST(ContourLines, SaddlesAreDecidedByTheCellCentre) {
  // Corners (0,0) and (1,1) at 1, the other two at 0: the centre is 0.5.
  const CDataGridRect g = makeGrid(2, 2, [](double u, double v) { return u == v ? 1.0 : 0.0; });
  CContourLineMapqv map;
  const auto traced = [&](double level) {
    map.initLevelAbs(level, level, 1);
    map.dataGrid2ContourLinePro(&g);
    std::set<std::vector<std::pair<double, double>>> out;
    for (const ContourLine* line : linesAt(map, level)) {
      std::vector<std::pair<double, double>> pts;
      for (const ContourPoint& p : line->points) pts.emplace_back(p.u, p.v);
      std::sort(pts.begin(), pts.end());
      out.insert(pts);
    }
    return out;
  };
  // Centre above the level: the two high corners are joined; the low ones are cut off.
  EXPECT_EQ(traced(0.4), (std::set<std::vector<std::pair<double, double>>>{{{0.6, 0.0}, {1.0, 0.4}},
                                                                           {{0.0, 0.6}, {0.4, 1.0}}}));
  // Centre below: each high corner is cut off on its own.
  EXPECT_EQ(traced(0.6), (std::set<std::vector<std::pair<double, double>>>{{{0.0, 0.4}, {0.4, 0.0}},
                                                                           {{0.6, 1.0}, {1.0, 0.6}}}));
}

TEST(ContourLines, ExactHitsAndSaddleFieldsGiveCleanPolylines) {
  // Integer values met exactly by integer levels, and a smooth field full of saddles.
  const CDataGridRect integers = makeGrid(23, 19, [](double u, double v) {
    return static_cast<double>((static_cast<int>(u) * 7 + static_cast<int>(v) * 13) % 5 - 2);
  });
  const CDataGridRect saddles =
      makeGrid(31, 27, [](double u, double v) { return std::sin(u / 2.5) * std::cos(v / 3.0); });
  CContourLineMapqv map;
  map.initLevelAbs(0.0, 2.0, 4);
  ASSERT_EQ(map.dataGrid2ContourLinePro(&integers), 1);
  EXPECT_FALSE(map.getLines().empty());
  expectWellFormed(map, integers);
  map.initLevelAbs(0.0, 1.0, 5);
  ASSERT_EQ(map.dataGrid2ContourLinePro(&saddles), 1);
  EXPECT_FALSE(map.getLines().empty());
  expectWellFormed(map, saddles);
}

TEST(ContourLines, BadGridsTraceNothingAndMissingValuesEndLines) {
  CContourLineMapqv map;
  CDataGridRect plane = makeGrid(5, 5, [](double u, double) { return u; });
  EXPECT_EQ(map.dataGrid2ContourLinePro(&plane), 0);  // no levels yet
  map.initLevelAbs(1.5, 3.0, 2);
  ASSERT_EQ(map.dataGrid2ContourLinePro(&plane), 1);
  EXPECT_EQ(map.getLines().size(), 2u);  // u = 1.5 and u = 2.25
  CDataGridRect thin = makeGrid(1, 5, [](double, double v) { return v; });
  EXPECT_EQ(map.dataGrid2ContourLinePro(&thin), 0);
  EXPECT_TRUE(map.getLines().empty());
  EXPECT_EQ(map.dataGrid2ContourLinePro(nullptr), 0);
  plane.values.pop_back();
  EXPECT_EQ(map.dataGrid2ContourLinePro(&plane), 0);

  // A missing value at (2, 2): its four cells give no segments, so the line u = 2.25 is
  // cut in two where it would run through them.
  CDataGridRect holed = makeGrid(5, 5, [](double u, double) { return u; });
  holed.values[2 * 5 + 2] = std::nan("");
  ASSERT_EQ(map.dataGrid2ContourLinePro(&holed), 1);
  EXPECT_EQ(linesAt(map, 2.25).size(), 2u);
  for (const ContourLine& line : map.getLines())
    for (const ContourPoint& p : line.points) EXPECT_FALSE(p.u > 1 && p.u < 3 && p.v > 1 && p.v < 3);

  map._clean();
  EXPECT_TRUE(map.getLines().empty() && map.getLevels().empty());
  EXPECT_EQ(map.getGridWidth(), 0);
}
