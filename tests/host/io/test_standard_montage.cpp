// The 10-05 grid against the 10-10 montage it refines, lookups by standard name (case,
// aliases, reference suffixes), placing a recording's channels, and the unit and label
// rules the EEG readers share.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "host/io/ChannelLabels.h"
#include "host/io/EegMontage1010.h"
#include "host/io/SensorPlacement.h"
#include "host/io/StandardMontage.h"

namespace {

std::map<std::string, SphericalAngles> byName(const std::vector<Electrode1010>& electrodes) {
  std::map<std::string, SphericalAngles> m;
  for (const auto& e : electrodes) m[e.name] = e.angles;
  return m;
}

void expectSame(const std::optional<Point3>& a, const std::optional<Point3>& b, const std::string& what) {
  ASSERT_TRUE(a && b) << what;
  EXPECT_NEAR(a->x, b->x, 1e-12) << what;
  EXPECT_NEAR(a->y, b->y, 1e-12) << what;
  EXPECT_NEAR(a->z, b->z, 1e-12) << what;
}

}  // namespace

TEST(EegElectrodes1005, RefinesThe1010MontageAndIsMirrorSymmetric) {
  const auto all = eegElectrodes1005();
  const auto grid = byName(all);
  EXPECT_EQ(all.size(), 336u);
  EXPECT_EQ(grid.size(), all.size()) << "names must be unique";
  for (const auto& e : eegElectrodes1010()) {
    ASSERT_TRUE(grid.count(e.name)) << e.name;
    EXPECT_NEAR(grid.at(e.name).polarDeg, e.angles.polarDeg, 1e-9) << e.name;
    EXPECT_NEAR(grid.at(e.name).azimuthDeg, e.angles.azimuthDeg, 1e-9) << e.name;
  }
  // Half positions lie between their neighbours toward the midline and outward.
  const Point3 cz = unitVector(grid.at("Cz")), c1 = unitVector(grid.at("C1")), c1h = unitVector(grid.at("C1h"));
  EXPECT_NEAR(std::acos(cz.x * c1h.x + cz.y * c1h.y + cz.z * c1h.z), std::acos(c1.x * c1h.x + c1.y * c1h.y + c1.z * c1h.z), 1e-9);
  EXPECT_DOUBLE_EQ(grid.at("T9h").polarDeg, 101.25);
  EXPECT_DOUBLE_EQ(grid.at("T9h").azimuthDeg, 180.0);
  EXPECT_DOUBLE_EQ(grid.at("FCCz").polarDeg, 11.25);
  EXPECT_DOUBLE_EQ(grid.at("OI1h").azimuthDeg, 261.0);
  for (const char* name : {"AFp3", "AFF1h", "FFT7h", "FTT9h", "TTP7h", "CCP6h", "TPP8h", "PPO10", "POO1", "I2", "AF1", "PO5"})
    EXPECT_TRUE(grid.count(name)) << name;
  // Odd numbers on the left, their even partners mirrored on the right.
  for (const auto& [name, a] : grid) {
    std::size_t digit = name.find_first_of("0123456789");
    if (digit == std::string::npos) {
      EXPECT_TRUE(std::fabs(a.azimuthDeg - 90.0) < 1e-9 || std::fabs(a.azimuthDeg - 270.0) < 1e-9) << name;
      continue;
    }
    std::size_t end = name.find_first_not_of("0123456789", digit);
    const int n = std::stoi(name.substr(digit, end - digit));
    if (n % 2 == 0) continue;
    const std::string partner = name.substr(0, digit) + std::to_string(n + 1) + (end == std::string::npos ? "" : name.substr(end));
    ASSERT_TRUE(grid.count(partner)) << name;
    EXPECT_NEAR(grid.at(partner).polarDeg, a.polarDeg, 1e-9) << name;
    EXPECT_NEAR(std::fmod(grid.at(partner).azimuthDeg + a.azimuthDeg, 360.0), 180.0, 1e-9) << name;
    EXPECT_LT(std::cos(a.azimuthDeg * M_PI / 180.0), 0.0) << name << " lies on the left";
  }
}

TEST(StandardMontage, LooksUpNamesWithoutCaseAndWithTheUsualAliases) {
  expectSame(standardPosition("cz"), standardPosition("CZ"), "case");
  expectSame(standardPosition(" fP1 "), standardPosition("Fp1"), "case and blanks");
  expectSame(standardPosition("T3"), standardPosition("T7"), "T3");
  expectSame(standardPosition("t4"), standardPosition("T8"), "T4");
  expectSame(standardPosition("T5"), standardPosition("P7"), "T5");
  expectSame(standardPosition("T6"), standardPosition("P8"), "T6");
  expectSame(standardPosition("M2"), standardPosition("TP10"), "M2");
  expectSame(standardPosition("FFC3H"), standardPosition("FFC3h"), "half position");
  EXPECT_FALSE(standardPosition("A1")) << "a BioSemi cap's name, not the ear lobe";
  EXPECT_FALSE(standardPosition("E17"));
  EXPECT_FALSE(standardPosition("C11"));
  EXPECT_FALSE(standardPosition(""));
  const Point3 p = *standardPosition("F3", 0.1);
  EXPECT_NEAR(std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z), 0.1, 1e-12);
  EXPECT_LT(p.x, 0.0);  // left
  EXPECT_GT(p.y, 0.0);  // front
  EXPECT_NEAR(std::acos(p.z / 0.1) * 180.0 / M_PI, 60.0, 0.5);  // the textbook angle from the vertex
}

TEST(StandardMontage, PlacesChannelsByTheirNamesBesideAReferenceSuffix) {
  expectSame(montagePosition("Fp1-REF"), standardPosition("Fp1"), "Fp1-REF");
  expectSame(montagePosition("ffc3h"), standardPosition("FFC3h"), "a 10-05 name");
  const SensorPlacement p = placeSensors({{"TP10-LE", ChannelType::Eeg, "V", false, {}, {}, false},
                                          {"E7", ChannelType::Eeg, "V", false, {}, {}, false}});
  EXPECT_EQ(p.fromMontage, (std::vector<std::string>{"TP10-LE"}));
  EXPECT_EQ(p.onRing, (std::vector<std::string>{"E7"}));
}

TEST(ChannelLabels, UnitsToSiAndTypesFromTheTypeWord) {
  const std::pair<const char*, UnitScale> units[] = {
      {"uV", {"V", 1e-6}}, {"\xC2\xB5V", {"V", 1e-6}}, {"\xCE\xBCV", {"V", 1e-6}}, {"\xB5V", {"V", 1e-6}},
      {" mV ", {"V", 1e-3}}, {"nV", {"V", 1e-9}}, {"V", {"V", 1.0}}, {"fT", {"T", 1e-15}},
      {"fT/cm", {"T/m", 1e-13}}, {"T/m", {"T/m", 1.0}}, {"bpm", {"bpm", 1.0}}, {"mmHg", {"mmHg", 1.0}}};
  for (const auto& [written, expected] : units) {
    const UnitScale u = siUnitOf(written);
    EXPECT_EQ(u.unit, expected.unit) << written;
    EXPECT_NEAR(u.factor / expected.factor, 1.0, 1e-12) << written;
  }
  const std::tuple<const char*, const char*, bool, ChannelType, const char*> labels[] = {
      {"EEG Fp1", "V", false, ChannelType::Eeg, "Fp1"},   {"EEG", "V", false, ChannelType::Eeg, "EEG"},
      {"EOG left", "V", false, ChannelType::Eog, "EOG left"}, {"LEOG", "V", false, ChannelType::Eog, "LEOG"},
      {"ECG", "V", true, ChannelType::Other, "ECG"},      {"STI 014", "", false, ChannelType::Stim, "STI 014"},
      {"Status", "", false, ChannelType::Stim, "Status"}, {"MEG 0113", "T/m", false, ChannelType::MegGrad, "MEG 0113"},
      {"MEG 0111", "T", false, ChannelType::MegMag, "MEG 0111"}, {"C3", "V", false, ChannelType::Eeg, "C3"},
      {"FP2-REF", "V", false, ChannelType::Eeg, "FP2-REF"}, {"X1", "V", false, ChannelType::Other, "X1"},
      {"X1", "V", true, ChannelType::Eeg, "X1"},          {"C3", "degC", false, ChannelType::Other, "C3"},
      {"MLC11", "T", true, ChannelType::MegMag, "MLC11"}, {"G7", "T/m", true, ChannelType::MegGrad, "G7"}};
  for (const auto& [label, unit, voltsMeanEeg, type, name] : labels) {
    const ChannelLabel l = channelLabelOf(label, unit, voltsMeanEeg);
    EXPECT_EQ(l.type, type) << label;
    EXPECT_EQ(l.name, name) << label;
  }
}
