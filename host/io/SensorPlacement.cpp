#include "host/io/SensorPlacement.h"

#include <cmath>
#include <numbers>

#include "host/io/ChannelLabels.h"
#include "host/io/StandardMontage.h"

namespace {

constexpr double kHeadRadius = 0.092;   // metres, the montage's sphere
constexpr double kRingRadius = 0.11;    // a little outside the head
constexpr double kRingHeight = -0.03;   // below the equator

}  // namespace

std::optional<Point3> montagePosition(const std::string& name) {
  return standardPosition(electrodeNameOf(name), kHeadRadius);
}

SensorPlacement placeSensors(const std::vector<RecordingChannel>& channels) {
  SensorPlacement placement;
  std::vector<std::size_t> ring;
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const RecordingChannel& ch = channels[i];
    placement.positions.push_back(ch.position);
    if (ch.hasPosition) continue;
    const std::optional<Point3> known =
        ch.type == ChannelType::Eeg || ch.type == ChannelType::Eog ? montagePosition(ch.name) : std::nullopt;
    if (known) {
      placement.positions.back() = *known;
      placement.fromMontage.push_back(ch.name);
    } else {
      ring.push_back(i);
      placement.onRing.push_back(ch.name);
    }
  }
  // Evenly around the ring, starting at the nose (+y) and turning toward the right ear.
  for (std::size_t k = 0; k < ring.size(); ++k) {
    const double angle = 2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(ring.size());
    placement.positions[ring[k]] = {kRingRadius * std::sin(angle), kRingRadius * std::cos(angle), kRingHeight};
  }
  return placement;
}
