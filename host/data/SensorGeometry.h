// Plain geometry types shared by the sensor layouts, the 2-D projections and the demo
// recording: 3-D sensor positions in the head frame and 2-D layout points and extents.
// Head frame, in metres: origin at the centre of the head sphere, +x toward the right
// ear, +y toward the nose, +z up through the vertex.
// Layout frame (2-D): +x toward the right ear, +y toward the BACK of the head, so the
// nose has the smallest y. The topographic canvas draws larger y higher and, with its
// default "Nose Up", reflects y; in this frame the nose then lands at the top of the
// picture and the left ear on the left.
#pragma once

#include <string>

struct Point3 {
  double x = 0.0, y = 0.0, z = 0.0;
};

struct Point2 {
  double x = 0.0, y = 0.0;
};

// Bounds of a set of 2-D points; all four are 0 for an empty set.
struct Extent2 {
  double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
  double width() const { return xMax - xMin; }
  double height() const { return yMax - yMin; }
};

enum class SensorKind { MegAxial, Eeg };

struct Sensor {
  std::string name;
  SensorKind kind = SensorKind::Eeg;
  Point3 position;     // metres, head frame
  Point3 orientation;  // unit outward normal: the coil axis of a MEG sensor, radial for EEG
};
