// The generated helmet and the 10-10 montage (names, symmetry, textbook angles), their
// 2-D projections, and degenerate inputs to the projections and the scan.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <regex>
#include <tuple>

#include "host/data/Projection2D.h"
#include "host/io/EegMontage1010.h"
#include "host/io/MegHelmet.h"

namespace {

std::vector<Point3> positionsOf(const std::vector<Sensor>& sensors) {
  std::vector<Point3> p;
  for (const Sensor& s : sensors) p.push_back(s.position);
  return p;
}

std::size_t indexOf(const std::vector<Sensor>& sensors, const std::string& name) {
  const auto it = std::find_if(sensors.begin(), sensors.end(), [&](const Sensor& s) { return s.name == name; });
  EXPECT_NE(it, sensors.end()) << name;
  return static_cast<std::size_t>(it - sensors.begin());
}

}  // namespace

TEST(EegMontage1010, NamesAndTextbookAngles) {
  const auto electrodes = eegElectrodes1010();
  EXPECT_EQ(electrodes.size(), 75u);
  std::map<std::string, SphericalAngles> byName;
  for (const auto& e : electrodes) byName[e.name] = e.angles;
  EXPECT_EQ(byName.size(), electrodes.size()) << "names must be unique";
  // Axis points exactly, inner electrodes at their textbook spherical angles to a degree.
  for (const auto& [name, polar, azimuth, tolerance] :
       {std::tuple{"Cz", 0.0, 90.0, 1e-9}, {"Fpz", 90.0, 90.0, 1e-9}, {"T7", 90.0, 180.0, 1e-9},
        {"T8", 90.0, 0.0, 1e-9}, {"Oz", 90.0, 270.0, 1e-9}, {"C3", 45.0, 180.0, 1e-9}, {"Fz", 45.0, 90.0, 1e-9},
        {"F3", 60.0, 129.0, 1.0}, {"P4", 60.0, 309.0, 1.0}, {"AF3", 74.0, 112.0, 1.0}}) {
    EXPECT_NEAR(byName[name].polarDeg, polar, tolerance) << name;
    EXPECT_NEAR(byName[name].azimuthDeg, azimuth, tolerance) << name;
  }

  const auto sensors = eegMontage1010(0.09);
  for (const Sensor& s : sensors) {
    EXPECT_NEAR(std::hypot(s.position.x, s.position.y, s.position.z), 0.09, 1e-12);
    EXPECT_EQ(s.kind, SensorKind::Eeg);
    if (s.name.back() != 'z' && std::isdigit(static_cast<unsigned char>(s.name.back()))) {
      const bool odd = (s.name.back() - '0') % 2 == 1;
      EXPECT_EQ(s.position.x < 0, odd) << s.name;
    }
  }
}

TEST(MegHelmet, NamesRegionsAndSymmetry) {
  const auto sensors = megHelmet();
  EXPECT_GE(sensors.size(), 150u);
  EXPECT_LE(sensors.size(), 300u);
  const std::regex pattern("M([LRZ])([FCPOT])([0-9])([1-9])");
  std::map<std::string, const Sensor*> byName;
  std::map<char, std::pair<double, double>> yRange;  // region -> (min y, max y)
  for (const Sensor& s : sensors) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(s.name, m, pattern)) << s.name;
    EXPECT_TRUE(byName.emplace(s.name, &s).second) << "duplicate " << s.name;
    const char hemisphere = m[1].str()[0];
    EXPECT_EQ(hemisphere == 'Z', s.position.x == 0.0) << s.name;
    EXPECT_EQ(hemisphere == 'L', s.position.x < 0.0) << s.name;
    EXPECT_EQ(hemisphere == 'Z', m[3].str() == "0") << s.name;
    // Outside a 9.2 cm head, coil axis pointing outward.
    EXPECT_GT(std::hypot(s.position.x, s.position.y, s.position.z), 0.10) << s.name;
    const Point3 c = helmetShape().centre;
    EXPECT_GT(s.orientation.x * (s.position.x - c.x) + s.orientation.y * (s.position.y - c.y) +
                  s.orientation.z * (s.position.z - c.z), 0.0);
    auto& range = yRange.try_emplace(m[2].str()[0], s.position.y, s.position.y).first->second;
    range = {std::min(range.first, s.position.y), std::max(range.second, s.position.y)};
  }
  for (const Sensor& s : sensors) {
    if (s.name[1] != 'L') continue;
    const std::string mirror = "MR" + s.name.substr(2);
    ASSERT_TRUE(byName.count(mirror)) << mirror;
    EXPECT_NEAR(byName[mirror]->position.x, -s.position.x, 1e-12);
    EXPECT_NEAR(byName[mirror]->position.y, s.position.y, 1e-12);
  }
  // Regions follow each other from the nose back.
  EXPECT_GT(yRange['F'].first, yRange['O'].second);
  EXPECT_GT(yRange['C'].first, yRange['O'].second);
  EXPECT_GT(yRange['F'].second, yRange['P'].second);
  for (char region : std::string("FCPOT")) EXPECT_TRUE(yRange.count(region)) << region;
}

// Orientation, equidistance and the scan are tested on an analytic head with the trial's
// projections; here the real montage and helmet.
TEST(Projection2D, TheMontageIsBoundedByItsOuterRing) {
  const auto sensors = eegMontage1010();
  const Layout2D raw = projectStandard(positionsOf(sensors), {}, 2.0, false);
  ASSERT_EQ(raw.positions.size(), sensors.size());
  // Equidistant: the 10 % ring (Fpz, 90 degrees) at 2 * 10 * pi/2 from the vertex, the
  // outer ring (112.5 degrees) bounding the layout on all four sides.
  EXPECT_NEAR(raw.positions[indexOf(sensors, "Fpz")].y, -2.0 * 10.0 * std::numbers::pi / 2.0, 1e-9);
  const double outer = 2.0 * 10.0 * 112.5 * std::numbers::pi / 180.0;
  EXPECT_NEAR(raw.extent.xMin, -outer, 1e-9);
  EXPECT_NEAR(raw.extent.xMax, outer, 1e-9);
  EXPECT_NEAR(raw.extent.yMax, outer, 1e-9);
  EXPECT_NEAR(raw.extent.yMin, -outer, 1e-9);
}

TEST(Projection2D, ParameterisedProjectionOfTheHelmet) {
  const auto points = positionsOf(megHelmet());
  const auto projected = projectParameterised(points, {1.0, 0.0});
  ASSERT_TRUE(projected);
  // One unit per radian about the head origin is the standard projection at scale 0.1.
  const Layout2D standard = projectStandard(points, {}, 0.1, false);
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_NEAR(projected->positions[i].x, standard.positions[i].x, 1e-12);
    EXPECT_NEAR(projected->positions[i].y, standard.positions[i].y, 1e-12);
  }
  // A lower centre sees every sensor nearer the vertex direction: the layout shrinks.
  const auto lowered = projectParameterised(points, {1.0, 0.03});
  ASSERT_TRUE(lowered);
  EXPECT_LT(lowered->extent.width(), projected->extent.width());
}

TEST(Projection2D, DegenerateInputs) {
  const std::vector<Point3> atCentre{{0, 0, 0.05}, {0, 0, 0}};
  EXPECT_FALSE(projectParameterised(atCentre, {1.0, 0.0}));
  const std::vector<Point3> fine{{0.01, 0, 0.05}, {0, 0.02, 0.05}};
  EXPECT_FALSE(projectParameterised(fine, {0.0, 0.0}));
  EXPECT_FALSE(projectParameterised(fine, {1.0, std::nan("")}));
  EXPECT_TRUE(projectParameterised(fine, {0.5, 0.0}));

  Layout2D single{{{3.0, 4.0}}, {}};
  EXPECT_FALSE(scanToSize(single, 100.0));
  EXPECT_EQ(single.positions[0].x, 0.0);
  EXPECT_EQ(single.positions[0].y, 0.0);
  Layout2D empty;
  EXPECT_FALSE(scanToSize(empty, 100.0));
  EXPECT_EQ(extentOf(empty.positions).width(), 0.0);
}
