// The text parts of a BrainVision recording: the header (.vhdr: where the data and markers
// are, how the samples are laid out, each channel's name, resolution and unit, and the
// optional spherical coordinates) and the marker file (.vmrk). Pure parsing of text, so
// the reader and the fuzz target share it; errors name the file and the line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/data/SensorGeometry.h"

struct BrainVisionChannel {
  std::string name;
  std::string reference;
  double resolution = 1.0;  // physical value of one step of the stored number
  std::string unit = "\xC2\xB5V";  // as written; microvolts when the header says nothing
  bool hasDirection = false;
  Point3 direction;  // unit vector in the head frame, from the [Coordinates] section
};

struct BrainVisionHeader {
  enum class Orientation { Multiplexed, Vectorized };
  enum class Binary { Int16, Int32, Float32 };
  std::string dataFile;    // as written (relative to the header's folder unless absolute)
  std::string markerFile;  // empty: no markers
  Orientation orientation = Orientation::Multiplexed;
  Binary binary = Binary::Int16;
  double samplingIntervalUs = 0.0;
  std::int64_t dataPoints = -1;  // samples per channel when the header states it
  std::vector<BrainVisionChannel> channels;

  int bytesPerSample() const { return binary == Binary::Int16 ? 2 : 4; }
};

struct BrainVisionMarker {
  std::string type;         // "Stimulus", "Response", "Comment", "New Segment", ...
  std::string description;  // "S  1", free text
  std::int64_t position = 0;  // 0-based sample (the file counts from 1)
  std::int64_t points = 1;
  int channel = 0;  // 0: all channels
};

// Throw RecordingError(path, "line N", why).
BrainVisionHeader parseBrainVisionHeader(const std::string& path, std::string_view text);
std::vector<BrainVisionMarker> parseBrainVisionMarkers(const std::string& path, std::string_view text);

// The trigger code of a Stimulus or Response marker's description ("S  1" -> 1, "R128" ->
// 128), or 0 for a description that is not one letter and a number.
std::int64_t brainVisionMarkerCode(std::string_view description);
