// The measurement info of a FIF file: sampling rate, the channel records (names, kinds,
// units, calibration and range, coil and electrode positions) and the bad channels, with
// MEG positions carried from the device frame into the head frame by the file's
// device-to-head transform. Called by readFif after the tag tree is read.
// The FIF head frame has the axes of SensorGeometry.h (+x right ear, +y nasion, +z up, in
// metres) with its origin between the ears; positions are kept in that origin.
#pragma once

#include <vector>

#include "host/io/FifTags.h"
#include "host/io/Recording.h"

struct FifMeasInfo {
  double samplingRateHz = 0.0;
  std::vector<RecordingChannel> channels;
  // Per channel: the factor from a stored number to the physical unit (range x cal x
  // 10^unit_mul).
  std::vector<double> scales;
  std::vector<std::string> warnings;
};

// Reads the measurement-info block (inside the measurement block). Throws RecordingError
// when there is none, when it is cut off by the end of the file, or when the number of
// channel records differs from the channel count or the sampling rate is not positive.
FifMeasInfo readFifMeasInfo(const FifBytes& bytes, const FifTagTree& tree);

// A rigid transform between two frames: to = rotation * from + move.
struct FifTransform {
  double rotation[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};  // row-major
  double move[3] = {0, 0, 0};
  Point3 apply(const Point3& p) const;
  Point3 rotate(const Point3& v) const;
};
