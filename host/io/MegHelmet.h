// A generated MEG helmet of axial sensors: rings of sensors about 2 cm apart on an
// ellipsoidal surface 2-3 cm outside the scalp, reaching down to the eyebrows in front,
// below the temples at the sides and to the neck at the back. Names give hemisphere and
// region in their last four characters (MLC11, MRF23, MZO01). Used by the demo recording.
#pragma once

#include <vector>

#include "host/data/SensorGeometry.h"

// The helmet's sensors, deterministic, in this order: ring by ring from the vertex down,
// counter-clockwise within a ring from the nose. Name "M" + hemisphere + region + two
// digits: hemisphere L (x < 0), R (x > 0) or Z (on the midline, x = 0); region F frontal,
// C central, P parietal, O occipital, T temporal. L and R names end in row (the region's
// rings numbered from the top) and position in that row (counted from front to back);
// Z names end in 0 and the position from front to back. Left and right sensors are
// mirror images with mirrored names (MLC11 <-> MRC11).
std::vector<Sensor> megHelmet();

// Semi-axes and centre of the ellipsoid the sensors sit on, metres (head frame).
struct HelmetShape {
  double semiAxisX = 0.104;  // left-right
  double semiAxisY = 0.120;  // front-back
  double semiAxisZ = 0.108;  // up
  Point3 centre{0.0, -0.004, 0.0};
};
HelmetShape helmetShape();
