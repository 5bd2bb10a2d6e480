#include "host/io/EegMontage1010.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

Point3 scaled(const Point3& p, double s) { return {p.x * s, p.y * s, p.z * s}; }
Point3 minus(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point3 plus(const Point3& a, const Point3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
double dot(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Point3 normalised(const Point3& p) { return scaled(p, 1.0 / std::sqrt(dot(p, p))); }

SphericalAngles anglesOf(const Point3& u) {
  double azimuth = std::atan2(u.y, u.x) / kDeg;
  if (azimuth < 0) azimuth += 360.0;
  return {std::acos(std::clamp(u.z, -1.0, 1.0)) / kDeg, azimuth};
}

// Point at `fraction` of the way from `from` to `to` along the circle of the unit
// sphere through `from`, `to` and `to`'s mirror image (x -> -x). The plane of the three
// points is symmetric about x = 0, so its normal has no x part; the circle's centre is
// the foot of the perpendicular from the origin onto the plane.
Point3 alongRowCircle(const Point3& from, const Point3& to, double fraction) {
  // Plane n . p = c with n = (0, ny, nz) through from (on the midline) and to.
  Point3 normal{0.0, to.z - from.z, from.y - to.y};
  if (dot(normal, normal) < 1e-24) return from;  // from == to
  normal = normalised(normal);
  const double offset = dot(normal, from);
  const Point3 centre = scaled(normal, offset);
  const Point3 a = minus(from, centre), b = minus(to, centre);
  const double radius = std::sqrt(dot(a, a));
  const Point3 u = scaled(a, 1.0 / radius);
  const Point3 v = normalised(minus(b, scaled(u, dot(b, u))));
  const double total = std::atan2(dot(b, v), dot(b, u));
  const double angle = fraction * total;
  return plus(centre, plus(scaled(u, radius * std::cos(angle)), scaled(v, radius * std::sin(angle))));
}

// Azimuth of the left-right mirror image (x -> -x), in [0, 360).
double mirroredAzimuth(double azimuthDeg) {
  const double m = 180.0 - azimuthDeg;
  return m < 0.0 ? m + 360.0 : m;
}

struct Row {
  const char* inner;   // prefix of the electrodes between midline and 10 % line
  const char* outer;   // prefix on the 10 % line and below it
  double midlinePolar;   // polar angle of the midline electrode (front rows: azimuth 90)
  bool front;            // midline electrode in front of the vertex
  double ringAzimuth;    // azimuth of the left electrode on the 10 % line
  int ringNumber;        // its number (7, but 1 in the Fp and O rows)
  std::array<bool, 5> steps;  // which of k = 1..3 (inner), 4 (10 % line), 5 (below) exist
};

// Left-side electrodes get odd numbers 1, 3, 5 for steps k = 1..3 between midline and
// 10 % line, the row's ring number on it and 9 below it; the right side the next even
// numbers at the mirrored azimuth.
const Row kRows[] = {
    {"Fp", "Fp", 90.0, true, 108.0, 1, {false, false, false, true, false}},
    {"AF", "AF", 67.5, true, 126.0, 7, {false, true, false, true, false}},
    {"F", "F", 45.0, true, 144.0, 7, {true, true, true, true, true}},
    {"FC", "FT", 22.5, true, 162.0, 7, {true, true, true, true, true}},
    {"C", "T", 0.0, true, 180.0, 7, {true, true, true, true, true}},
    {"CP", "TP", 22.5, false, 198.0, 7, {true, true, true, true, true}},
    {"P", "P", 45.0, false, 216.0, 7, {true, true, true, true, true}},
    {"PO", "PO", 67.5, false, 234.0, 7, {false, true, false, true, true}},
    {"O", "O", 90.0, false, 252.0, 1, {false, false, false, true, false}},
};

constexpr double kRingPolar = 90.0;
constexpr double kBelowRingPolar = 112.5;

}  // namespace

Point3 unitVector(const SphericalAngles& a) {
  const double polar = a.polarDeg * kDeg, azimuth = a.azimuthDeg * kDeg;
  return {std::sin(polar) * std::cos(azimuth), std::sin(polar) * std::sin(azimuth), std::cos(polar)};
}

std::vector<Electrode1010> eegElectrodes1010() {
  std::vector<Electrode1010> out;
  out.push_back({"Nz", {kBelowRingPolar, 90.0}});
  for (const Row& row : kRows) {
    const Point3 midline = unitVector({row.midlinePolar, row.front ? 90.0 : 270.0});
    const Point3 ring = unitVector({kRingPolar, row.ringAzimuth});
    std::vector<Electrode1010> left, right;
    for (int k = 5; k >= 1; --k) {
      if (!row.steps[static_cast<std::size_t>(k - 1)]) continue;
      SphericalAngles a;
      if (k == 5) {
        a = {kBelowRingPolar, row.ringAzimuth};
      } else if (k == 4) {
        a = {kRingPolar, row.ringAzimuth};
      } else {
        a = anglesOf(alongRowCircle(midline, ring, k / 4.0));
      }
      const std::string prefix = k >= 4 ? row.outer : row.inner;
      const int number = k == 4 ? row.ringNumber : 2 * k - 1;
      left.push_back({prefix + std::to_string(number), a});
      right.insert(right.begin(),
                   {prefix + std::to_string(number + 1), {a.polarDeg, mirroredAzimuth(a.azimuthDeg)}});
    }
    out.insert(out.end(), left.begin(), left.end());
    out.push_back({std::string(row.inner) + "z", {row.midlinePolar, row.front ? 90.0 : 270.0}});
    out.insert(out.end(), right.begin(), right.end());
  }
  out.push_back({"Iz", {kBelowRingPolar, 270.0}});
  return out;
}

namespace {

// A row of the 10-05 system: as Row, with every half step between midline and two steps
// below the 10 % line. Rows whose ring number is 1 (Fp, O, OI, I) run along a circle of
// constant polar angle from the midline to their one lateral electrode.
struct Row1005 {
  const char* inner;
  const char* outer;
  double midlinePolar;
  bool front;
  double ringAzimuth;
  int ringNumber;
};

const Row1005 kRows1005[] = {
    {"Fp", "Fp", 90.0, true, 108.0, 1},     {"AFp", "AFp", 78.75, true, 117.0, 7},
    {"AF", "AF", 67.5, true, 126.0, 7},     {"AFF", "AFF", 56.25, true, 135.0, 7},
    {"F", "F", 45.0, true, 144.0, 7},       {"FFC", "FFT", 33.75, true, 153.0, 7},
    {"FC", "FT", 22.5, true, 162.0, 7},     {"FCC", "FTT", 11.25, true, 171.0, 7},
    {"C", "T", 0.0, true, 180.0, 7},        {"CCP", "TTP", 11.25, false, 189.0, 7},
    {"CP", "TP", 22.5, false, 198.0, 7},    {"CPP", "TPP", 33.75, false, 207.0, 7},
    {"P", "P", 45.0, false, 216.0, 7},      {"PPO", "PPO", 56.25, false, 225.0, 7},
    {"PO", "PO", 67.5, false, 234.0, 7},    {"POO", "POO", 78.75, false, 243.0, 7},
    {"O", "O", 90.0, false, 252.0, 1},      {"OI", "OI", 101.25, false, 252.0, 1},
    {"I", "I", 112.5, false, 252.0, 1},
};

// Half step h (1 = "1h", 2 = "1", 3 = "3h", ..., 8 = "7" on the 10 % line, 10 = "9").
SphericalAngles halfStepAngles(const Row1005& row, int h) {
  const double midlineAzimuth = row.front ? 90.0 : 270.0;
  if (row.ringNumber == 1)
    return {row.midlinePolar, midlineAzimuth + (row.ringAzimuth - midlineAzimuth) * h / 2.0};
  if (h == 8) return {kRingPolar, row.ringAzimuth};
  if (h > 8) return {kRingPolar + (kBelowRingPolar - kRingPolar) * (h - 8) / 2.0, row.ringAzimuth};
  const Point3 midline = unitVector({row.midlinePolar, midlineAzimuth});
  return anglesOf(alongRowCircle(midline, unitVector({kRingPolar, row.ringAzimuth}), h / 8.0));
}

}  // namespace

std::vector<Electrode1010> eegElectrodes1005() {
  std::vector<Electrode1010> out;
  out.push_back({"Nz", {kBelowRingPolar, 90.0}});
  for (const Row1005& row : kRows1005) {
    const int steps = row.ringNumber == 1 ? 2 : 10;
    std::vector<Electrode1010> left, right;
    for (int h = steps; h >= 1; --h) {
      const SphericalAngles a = halfStepAngles(row, h);
      const bool half = h % 2 == 1;
      const int number = row.ringNumber == 1 ? 1 : (half ? h : h - 1);
      const std::string prefix = h >= 7 ? row.outer : row.inner;
      const std::string suffix = half ? "h" : "";
      left.push_back({prefix + std::to_string(number) + suffix, a});
      right.insert(right.begin(),
                   {prefix + std::to_string(number + 1) + suffix, {a.polarDeg, mirroredAzimuth(a.azimuthDeg)}});
    }
    out.insert(out.end(), left.begin(), left.end());
    out.push_back({std::string(row.inner) + "z", {row.midlinePolar, row.front ? 90.0 : 270.0}});
    out.insert(out.end(), right.begin(), right.end());
  }
  return out;
}

std::vector<Sensor> eegMontage1010(double radiusMetres) {
  std::vector<Sensor> sensors;
  for (const Electrode1010& e : eegElectrodes1010()) {
    const Point3 u = unitVector(e.angles);
    sensors.push_back({e.name, SensorKind::Eeg, scaled(u, radiusMetres), u});
  }
  return sensors;
}
