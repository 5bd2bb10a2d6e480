// Where each shown channel sits on the head, for the topographic layouts: the file's own
// 3-D position when it has one; else, for an EEG electrode, the standard montage's position
// of its name; else a place on a ring around the head (below the head's equator, so the
// projection draws it outside the other sensors), in the channels' order from the nose
// clockwise. RecordingDataset calls it and warns about the channels on the ring.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/data/SensorGeometry.h"
#include "host/io/Recording.h"

struct SensorPlacement {
  std::vector<Point3> positions;        // one per channel, metres, head frame
  std::vector<std::string> fromMontage;  // names placed by the montage
  std::vector<std::string> onRing;       // names placed on the ring
};

// The standard 10-10/10-05 position (metres, head frame) of an electrode name, as
// standardPosition() finds it (no case, the usual aliases such as T3 for T7) after a
// reference suffix such as "-REF" is removed; none for an unknown name.
std::optional<Point3> montagePosition(const std::string& name);

SensorPlacement placeSensors(const std::vector<RecordingChannel>& channels);
