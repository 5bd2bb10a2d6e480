#include "host/io/MegHelmet.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string>

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr double kRingStepDeg = 10.0;  // about 2 cm on this surface

// Lowest polar angle the helmet reaches, by azimuth from the nose (0 front, 180 back):
// eyebrows in front, below the temples at the sides, the neck at the back.
double coverageLimitDeg(double fromNoseDeg) {
  const double back = (1.0 - std::cos(fromNoseDeg * kDeg)) / 2.0;  // 0 front .. 1 back
  return 76.0 + 38.0 * back;
}

// Region from the sensor's direction seen from the helmet centre. Temporal: low on the
// side; otherwise by how far forward the direction points.
char regionOf(const Point3& u) {
  const double polar = std::acos(std::clamp(u.z, -1.0, 1.0)) / kDeg;
  const double fromEar = std::atan2(u.y, std::abs(u.x)) / kDeg;  // +90 front, -90 back
  if (polar > 58.0 && fromEar > -42.0 && fromEar < 38.0) return 'T';
  if (u.y > 0.42) return 'F';
  if (u.y > -0.15) return 'C';
  if (u.y > -0.72) return 'P';
  return 'O';
}

struct Placed {
  Point3 direction;
  int ring = 0;
  int stepsFromNose = 0;  // half steps around the ring from the nose, either way
  Sensor sensor;
};

Point3 onSurface(const HelmetShape& h, const Point3& u) {
  const double s = 1.0 / std::sqrt((u.x / h.semiAxisX) * (u.x / h.semiAxisX) +
                                   (u.y / h.semiAxisY) * (u.y / h.semiAxisY) +
                                   (u.z / h.semiAxisZ) * (u.z / h.semiAxisZ));
  return {h.centre.x + s * u.x, h.centre.y + s * u.y, h.centre.z + s * u.z};
}

Point3 outwardNormal(const HelmetShape& h, const Point3& p) {
  const Point3 g{(p.x - h.centre.x) / (h.semiAxisX * h.semiAxisX),
                 (p.y - h.centre.y) / (h.semiAxisY * h.semiAxisY),
                 (p.z - h.centre.z) / (h.semiAxisZ * h.semiAxisZ)};
  const double n = std::sqrt(g.x * g.x + g.y * g.y + g.z * g.z);
  return {g.x / n, g.y / n, g.z / n};
}

std::string twoDigits(int a, int b) {
  if (a > 9 || b > 9) throw std::logic_error("helmet group too large for two-digit names");
  return std::to_string(a) + std::to_string(b);
}

}  // namespace

HelmetShape helmetShape() { return {}; }

std::vector<Sensor> megHelmet() {
  const HelmetShape shape = helmetShape();
  std::vector<Placed> placed;
  for (int ring = 0;; ++ring) {
    const double polar = ring * kRingStepDeg;
    if (polar > coverageLimitDeg(180.0)) break;
    // Sensors per ring from the ring's circumference, an even number; every other ring is
    // turned by half a step so neighbours interlock. The layout stays mirror-symmetric and
    // the unturned rings have a sensor on the midline in front and at the back.
    const int count = ring == 0 ? 1 : 2 * static_cast<int>(std::lround(180.0 * std::sin(polar * kDeg) / kRingStepDeg));
    const double turn = ring % 2 == 0 ? 0.0 : 0.5;  // in steps
    for (int k = 0; k < count; ++k) {
      const double fromNose = (k + turn) * 360.0 / count;
      if (polar > coverageLimitDeg(fromNose)) continue;
      const double azimuth = 90.0 + fromNose;  // counter-clockwise from the right ear
      Point3 u{std::sin(polar * kDeg) * std::cos(azimuth * kDeg),
               std::sin(polar * kDeg) * std::sin(azimuth * kDeg), std::cos(polar * kDeg)};
      if (std::abs(u.x) < 1e-12) u.x = 0.0;  // exactly on the midline
      Placed p;
      p.direction = u;
      p.ring = ring;
      const int halfSteps = 2 * k + (ring % 2);
      p.stepsFromNose = std::min(halfSteps, 2 * count - halfSteps);
      p.sensor.kind = SensorKind::MegAxial;
      p.sensor.position = onSurface(shape, u);
      p.sensor.orientation = outwardNormal(shape, p.sensor.position);
      placed.push_back(p);
    }
  }

  // Names: group by hemisphere and region; within a group, rows are the group's rings
  // numbered from the top and positions count from front to back.
  std::map<std::string, std::vector<std::size_t>> groups;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const Point3& u = placed[i].direction;
    const char hemisphere = u.x == 0.0 ? 'Z' : (u.x < 0.0 ? 'L' : 'R');
    groups[std::string{hemisphere, regionOf(u)}].push_back(i);
  }
  for (auto& [key, members] : groups) {
    if (key[0] == 'Z') {
      std::sort(members.begin(), members.end(),
                [&](std::size_t a, std::size_t b) { return placed[a].direction.y > placed[b].direction.y; });
      for (std::size_t n = 0; n < members.size(); ++n) {
        placed[members[n]].sensor.name = "M" + key + twoDigits(0, static_cast<int>(n) + 1);
      }
      continue;
    }
    std::map<int, std::vector<std::size_t>> rows;
    for (std::size_t m : members) rows[placed[m].ring].push_back(m);
    int rowNumber = 0;
    for (auto& [ring, row] : rows) {
      ++rowNumber;
      // Front to back: by the integer step from the nose, so both hemispheres order their
      // rows exactly alike and mirrored sensors get the same digits.
      std::sort(row.begin(), row.end(), [&](std::size_t a, std::size_t b) {
        return placed[a].stepsFromNose < placed[b].stepsFromNose;
      });
      for (std::size_t n = 0; n < row.size(); ++n) {
        placed[row[n]].sensor.name = "M" + key + twoDigits(rowNumber, static_cast<int>(n) + 1);
      }
    }
  }

  std::vector<Sensor> sensors;
  for (const Placed& p : placed) sensors.push_back(p.sensor);
  return sensors;
}
