// The contour window's field: grid coordinates and weights, values exact at the sensors
// when each grid point sees one sensor, the rescaling and threshold rules, the colours
// the field image gives at the sensors, the clip that leaves the outside in the
// background colour, and the contour lines' levels.
#include "tests/windows/topo/TopoCanvas.h"

#include <cmath>
#include <limits>

using namespace topotest;

namespace {

// Four sensors at the corners of a 4 × 4 layout with values −1, 0, 1, 2. With the grid
// margin of 2 the grid has 8 × 8 points one unit apart, point (i, j) at (i − 2, j − 2),
// two steps before the sensors and one after them, so the sensors sit on points (2, 2),
// (6, 2), (2, 6) and (6, 6).
megdata::DatasetBuilder corners(std::vector<double> values = {-1, 0, 1, 2}) {
  return megdata::DatasetBuilder()
      .meg(L"A", 0, 0).meg(L"B", 4, 0).meg(L"C", 0, 4).meg(L"D", 4, 4)
      .grid(10, 10).spectra(0, perChannel(std::move(values)));
}

double valueAt(const CDataGridRect& g, int i, int j) { return g.values[static_cast<std::size_t>(j * g.gridWidth + i)]; }

// A contour-window canvas of 200 × 200 (20 pixels per layout unit) over `b`.
struct Field : Bound {
  explicit Field(const megdata::DatasetBuilder& b, int radiusMode = 0) : Bound(b, 200, 200) {
    canvas.m_bFlagsMode = 0;
    canvas.m_nRadiusMode = radiusMode;
    showSensor = 0;
  }
};

TEST(CanvasGrid, GridCoversTheSensorsWithItsMarginAndWeightsOneSensorPerPoint) {
  Field f(corners());
  ASSERT_EQ(f.canvas.buildField(), 1);
  const CDataGridRect& g = f.canvas.m_grid;
  EXPECT_EQ(g.gridWidth, 8);
  EXPECT_EQ(g.gridHeight, 8);
  EXPECT_DOUBLE_EQ(g.gridStepX, 1.0);
  EXPECT_DOUBLE_EQ(g.pointX.front(), -2.0);
  EXPECT_DOUBLE_EQ(g.pointY.back(), 5.0);
  EXPECT_DOUBLE_EQ(g.axisOffsetY[7], 5.0);
  EXPECT_DOUBLE_EQ(f.canvas.meanSpacing(0), 1.2);  // 0.3 × the smallest distance, 4
  EXPECT_DOUBLE_EQ(f.canvas.meanSpacing(1), 6.4);  // 1.6 × the mean nearest distance
  const GridPointWeights& onSensor = g.weights[2 * 8 + 6];  // point (6, 2): sensor B
  ASSERT_EQ(onSensor.count(), 1);
  EXPECT_EQ(onSensor.chnl[0], 1);
  EXPECT_DOUBLE_EQ(onSensor.weight[0], 1.0);
  EXPECT_EQ(g.weights[4 * 8 + 4].count(), 0);  // the middle: no sensor within 1.2
}

TEST(CanvasGrid, WideRadiusWeightsSumToOneOverTheSensorsWithinIt) {
  Field f(corners(), 1);
  ASSERT_EQ(f.canvas.buildField(), 1);
  const CDataGridRect& g = f.canvas.m_grid;
  for (std::size_t k = 0; k < g.weights.size(); ++k) {
    double sum = 0.0;
    for (int e = 0; e < g.weights[k].count(); ++e) {
      const SnsrLoc2D& s = g.snsrLoc2D[static_cast<std::size_t>(g.weights[k].chnl[static_cast<std::size_t>(e)])];
      EXPECT_LT(std::hypot(g.pointX[k] - s.x, g.pointY[k] - s.y), 6.4);
      sum += g.weights[k].weight[static_cast<std::size_t>(e)];
    }
    if (g.weights[k].count() > 0) {
      EXPECT_NEAR(sum, 1.0, 1e-12) << "point " << k;
    }
  }
  // The middle point is as far from every sensor: equal weights.
  const GridPointWeights& middle = g.weights[4 * 8 + 4];
  ASSERT_EQ(middle.count(), 4);
  for (double w : middle.weight) EXPECT_DOUBLE_EQ(w, 0.25);
}

TEST(CanvasGrid, SpacingOfDegenerateLayouts) {
  {  // Two sensors at one place: the narrow radius is 0 and no weights can be made.
    Field f(megdata::DatasetBuilder().meg(L"A", 0, 0).meg(L"B", 0, 0).meg(L"C", 4, 4).grid(2, 2));
    ASSERT_EQ(f.canvas.buildSensorList(0), 1);
    EXPECT_EQ(f.canvas.meanSpacing(0), 0.0);
    f.canvas.m_nRadiusMode = 0;
    EXPECT_EQ(f.canvas.buildField(), 0);
  }
  {  // Sensors 200 units apart: the smallest distance starts from 100.
    Field f(megdata::DatasetBuilder().meg(L"A", 0, 0).meg(L"B", 200, 0).grid(2, 2));
    ASSERT_EQ(f.canvas.buildSensorList(0), 1);
    EXPECT_DOUBLE_EQ(f.canvas.meanSpacing(0), 30.0);
  }
  // One sensor: no neighbour, a radius beyond every grid point.
  Field f(megdata::DatasetBuilder().meg(L"A", 0, 0).grid(2, 2));
  ASSERT_EQ(f.canvas.buildSensorList(0), 1);
  EXPECT_DOUBLE_EQ(f.canvas.meanSpacing(1), 1.6 * std::sqrt(std::numeric_limits<double>::max()));
  EXPECT_EQ(f.canvas.meanSpacing(0), 30.0);
  EXPECT_EQ(Field(megdata::DatasetBuilder().eeg(L"Cz", 0, 0).grid(2, 2)).canvas.meanSpacing(1), 0.0);
}

TEST(CanvasField, ValuesAtTheSensorsAreTheSensorValues) {
  Field f(corners());
  ASSERT_EQ(f.canvas.buildField(), 1);
  const CDataGridRect& g = f.canvas.m_grid;
  EXPECT_EQ(valueAt(g, 2, 2), -1.0);
  EXPECT_EQ(valueAt(g, 6, 2), 0.0);
  EXPECT_EQ(valueAt(g, 2, 6), 1.0);
  EXPECT_EQ(valueAt(g, 6, 6), 2.0);
  EXPECT_EQ(valueAt(g, 3, 2), -1.0);  // one unit from A, within the radius of 1.2
  EXPECT_EQ(valueAt(g, 4, 4), 0.0);
  EXPECT_EQ(f.canvas.m_dSensorMin, -1.0);
  EXPECT_EQ(f.canvas.m_dGridMax, 2.0);
  EXPECT_EQ(f.canvas.m_dFieldMaxAbs, 2.0);
  EXPECT_EQ(f.canvas.m_dFieldMinAbs, 0.0);
  // A bad sensor leaves the list, and the grid point it held.
  f.session().setGoodChnl4Alltrials(3, 0);
  ASSERT_EQ(f.canvas.buildField(), 1);
  EXPECT_EQ(f.canvas.m_grid.snsrCount, 3);
  EXPECT_EQ(f.canvas.m_dFieldMaxAbs, 1.0);
}

TEST(CanvasField, GridIsRescaledToTheSensorsSpreadOrKeptWhenTheyAgree) {
  Field spread(corners({1, 2, 3, 4}));  // empty points hold 0: grid 0 … 4 against 1 … 4
  ASSERT_EQ(spread.canvas.buildField(), 1);
  EXPECT_DOUBLE_EQ(valueAt(spread.canvas.m_grid, 6, 6), 3.0);  // 4 / (4 / 3)
  EXPECT_DOUBLE_EQ(spread.canvas.m_dGridMax, 3.0);

  Field same(corners({3, 3, 3, 3}));
  same.canvas.m_dFieldMaxAbs = 7.0;
  same.canvas.m_dLineThreshold = 5.0;
  EXPECT_EQ(same.canvas.buildField(), 0);
  EXPECT_EQ(valueAt(same.canvas.m_grid, 2, 2), 3.0);  // the plain weighted sums
  EXPECT_EQ(same.canvas.m_dFieldMaxAbs, 7.0);
  EXPECT_EQ(same.canvas.m_dLineThreshold, 5.0);
}

TEST(CanvasField, ThresholdIsFittedOrKeptWithinTheField) {
  struct Case {
    BOOL autofit;
    int levels;
    double threshold, expected;
  };
  for (const Case& c : {Case{1, 4, 300.0, 0.5}, Case{1, 0, 300.0, 0.0}, Case{0, 4, -5.0, 0.0}, Case{0, 4, 99.0, 2.0},
                        Case{0, 4, 1.5, 1.5}}) {
    Field f(corners());
    f.canvas.m_bAutofitColor = c.autofit;
    f.canvas.m_nLineLevels = c.levels;
    f.canvas.m_dLineThreshold = c.threshold;
    ASSERT_EQ(f.canvas.buildField(), 1);
    EXPECT_EQ(f.canvas.m_dLineThreshold, c.expected) << c.autofit << " " << c.levels << " " << c.threshold;
  }
}

TEST(CanvasField, ImageShowsEachSensorsColourAndTheClipKeepsTheOutside) {
  for (int radiology : {0, 1}) {
    Field f(corners());
    f.radiology = radiology;
    f.canvas.m_crBack = RGB(10, 20, 30);
    f.engine.m_bPolarity = 1;
    f.engine.m_nColorDepth = 256;
    f.engine.m_dStdMin = 0.0;
    f.engine.m_dStdMax = 2.0;  // 128 entries per unit
    ASSERT_EQ(f.draw(), 1);
    const CADRindex2Colorqv& t = f.canvas.m_colorIndex;
    SCOPED_TRACE(testing::Message() << "radiology " << radiology);
    EXPECT_EQ(f.at(f.sensor(0)), t.m_pNegativeColor256[128]);
    EXPECT_EQ(f.at(f.sensor(1)), t.m_pPositiveColor256[0]);
    EXPECT_EQ(f.at(f.sensor(2)), t.m_pPositiveColor256[128]);
    // The field's extent, layout −2 … 5 both ways at 20 pixels a unit: what lies outside
    // its ellipse (sensor D's corner too) and around it keeps the background colour.
    const CRect r = f.canvas.fieldRect(60, 60, radiology != 0);
    EXPECT_EQ(r, radiology ? CRect(40, 0, 181, 141) : CRect(20, 0, 161, 141));
    EXPECT_EQ(f.at(f.sensor(3)), RGB(10, 20, 30));
    for (const CPoint p : {CPoint(r.left, r.top), CPoint(r.right - 1, r.top), CPoint(r.left, r.bottom - 1),
                           CPoint(r.right - 1, r.bottom - 1), CPoint(r.left - 1, 80), CPoint(r.right, 80),
                           CPoint(100, r.bottom)}) {
      EXPECT_EQ(f.at(p), RGB(10, 20, 30)) << p.x << "," << p.y;
    }
    EXPECT_EQ(f.at((r.left + r.right) / 2, (r.top + r.bottom) / 2), t.m_pPositiveColor256[0]);
  }
}

TEST(CanvasField, AbsoluteColoursScaleByTheColourRange) {
  Field f(corners());
  f.engine.m_bPolarity = 0;
  f.engine.m_nColorDepth = 512;
  f.engine.m_dStdMin = 0.0;
  f.engine.m_dStdMax = 10.0;
  f.engine.m_dColorMin = 0.0;
  f.engine.m_dColorMax = 256.0;  // 2 entries per unit
  ASSERT_EQ(f.draw(), 1);
  const COLORREF* single = f.canvas.m_colorIndex.m_pSingleColor512;
  EXPECT_EQ(f.at(f.sensor(0)), single[2]);  // |−1|
  EXPECT_EQ(f.at(f.sensor(1)), single[0]);
  EXPECT_EQ(f.at(f.sensor(2)), single[2]);
  f.engine.m_dStdMin = 0.5;
  ASSERT_EQ(f.draw(), 1);
  EXPECT_EQ(f.at(f.sensor(2)), single[1]);  // (1 − 0.5) · 2
  f.engine.m_dColorMax = 0.0;  // no span: 512 entries per unit, the last one at most
  ASSERT_EQ(f.draw(), 1);
  EXPECT_EQ(f.at(f.sensor(2)), single[256]);
}

TEST(CanvasLines, LevelsRunFromTheThresholdAndLinesStayInTheField) {
  Field f(corners());
  f.canvas.m_nDisplayMode = 1;
  f.canvas.m_nLineLevels = 4;
  ASSERT_EQ(f.canvas.buildField(), 1);
  ASSERT_EQ(f.canvas.recompute(), 1);
  const std::vector<double> expected{-1.625, -1.25, -0.875, -0.5, 0.5, 0.875, 1.25, 1.625};
  EXPECT_EQ(f.canvas.m_contour.getLevels(), expected);
  ASSERT_EQ(f.draw(), 1);
  const CRect r = f.canvas.fieldRect(60, 60, false);
  int red = 0, blue = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 200; ++x) {
      const COLORREF c = f.at(x, y);
      if (c != RGB(255, 0, 0) && c != RGB(0, 0, 255)) continue;
      (c == RGB(255, 0, 0) ? red : blue) += 1;
      EXPECT_TRUE(r.PtInRect(CPoint(x, y))) << x << "," << y;
    }
  }
  EXPECT_GT(red, 20);
  EXPECT_GT(blue, 5);
}

}  // namespace
