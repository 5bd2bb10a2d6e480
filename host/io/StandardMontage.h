// Positions of EEG electrodes by name in the standard 10-10 and 10-05 systems, for
// recordings whose files name their electrodes but do not say where they are. Names match
// case-insensitively, with the older and neighbouring names (T3 = T7, T4 = T8, T5 = P7,
// T6 = P8, M1/M2, ...). Positions are those of eegElectrodes1005() on an idealised
// spherical head, not a digitised one. Called by the sensor placement (SensorPlacement.h)
// and the channel-type rules of the EEG readers.
#pragma once

#include <optional>
#include <string_view>

#include "host/data/SensorGeometry.h"

// The electrode's position on a head sphere of `radiusMetres` (head frame), or nothing for
// a name the systems do not have. The outward normal is the position divided by the radius.
std::optional<Point3> standardPosition(std::string_view name, double radiusMetres = 0.092);
