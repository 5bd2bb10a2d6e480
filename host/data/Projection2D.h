// 3-D to 2-D projections of sensor positions and the scan of a 2-D layout to a given
// size: the geometry behind a trial's "2-D plane" (channel 2-D positions and extents).
// Pure functions over plain points; the trial's projection operations (CMDTrial8Show)
// call them. Outputs are in the layout frame of SensorGeometry.h: +x toward the right
// ear, +y toward the back of the head (the nose has the smallest y).
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "host/data/SensorGeometry.h"

struct Layout2D {
  std::vector<Point2> positions;  // one per input point, same order
  Extent2 extent;                 // bounds of the positions
};

// Bounds of the points; all zero when there are none.
Extent2 extentOf(std::span<const Point2> points);

// The standard projection: azimuthal equidistant about the vertical axis through
// `centre`. A point at polar angle theta (radians, from +z seen from `centre`) lands at
// distance scale * 10 * theta from the origin, in the direction of its horizontal offset
// (y mirrored into the layout frame): with scale 1, layout units are centimetres of arc
// on a sphere of 10 cm. The vertex maps to (0, 0). With `shiftToOrigin` the layout is
// then moved so that its extent starts at (0, 0), as a canvas that places points at
// x * scale + margin needs.
Layout2D projectStandard(std::span<const Point3> points, const Point3& centre, double scale,
                         bool shiftToOrigin);

// The parameterised projection a session's two values select: azimuthal equidistant
// about the vertical axis through a centre `centreDepth` metres below the head origin
// (a positive depth sees every sensor nearer the vertex direction, giving the low rim of
// a helmet less room), `unitsPerRadian` layout units per radian of polar angle. Not
// moved to the origin (a scan follows). Empty when unitsPerRadian is not positive, a
// value is not finite, or a point coincides with the centre.
struct ProjectionParameters {
  double unitsPerRadian = 1.0;
  double centreDepth = 0.0;
};
std::optional<Layout2D> projectParameterised(std::span<const Point3> points,
                                             const ProjectionParameters& parameters);

// Scans a layout to `size`: moves it so its extent starts at (0, 0) and scales both axes
// by one factor so the larger side spans `size` (aspect kept). A layout with no extent
// (fewer than two distinct points) or a size <= 0 is left unscaled, only moved; the
// function then returns false.
bool scanToSize(Layout2D& layout, double size);
