#include "host/io/StandardMontage.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "host/io/TextParsing.h"
#include "host/io/EegMontage1010.h"

namespace {

std::string lowered(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Names outside the 10-05 grid, with the grid position they stand for: the 10-20 system's
// temporal names, the mastoids (next to TP9/TP10), the lowest occipital positions (I1/I2)
// and the landmarks by their long names. The ear lobes' A1/A2 are left out: BioSemi caps
// name their electrodes A1 ... A32, which must not land on the ears.
constexpr std::pair<const char*, const char*> kAliases[] = {
    {"T3", "T7"}, {"T4", "T8"}, {"T5", "P7"}, {"T6", "P8"}, {"M1", "TP9"}, {"M2", "TP10"},
    {"O9", "I1"}, {"O10", "I2"}, {"Nasion", "Nz"}, {"Inion", "Iz"},
};

// Unit vectors by lower-case name, built once.
const std::map<std::string, Point3>& unitPositions() {
  static const std::map<std::string, Point3> table = [] {
    std::map<std::string, Point3> byName;
    for (const Electrode1010& e : eegElectrodes1005()) byName.emplace(lowered(e.name), unitVector(e.angles));
    for (const auto& [alias, name] : kAliases) byName.emplace(lowered(alias), byName.at(lowered(name)));
    return byName;
  }();
  return table;
}

}  // namespace

std::optional<Point3> standardPosition(std::string_view name, double radiusMetres) {
  const auto& table = unitPositions();
  const auto it = table.find(lowered(trimmed(name)));
  if (it == table.end()) return std::nullopt;
  return Point3{it->second.x * radiusMetres, it->second.y * radiusMetres, it->second.z * radiusMetres};
}
