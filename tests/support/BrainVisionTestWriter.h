// Writes BrainVision recordings for the reader tests: the header and marker texts and the
// binary data in any of the three sample types and both orientations, from the stored
// numbers, so the physical values (number x resolution) a reader must give are known.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

struct BrainVisionTestChannel {
  std::string name;  // may hold commas (written as "\1")
  double resolution = 1.0;
  std::string unit = "\xC2\xB5V";
  std::vector<double> stored;  // the numbers as stored; all channels the same length
  std::optional<std::array<double, 3>> coordinates;  // radius, theta, phi
};

struct BrainVisionTestMarker {
  std::string type;
  std::string description;
  long position = 1;  // 1-based, as the file counts
};

struct BrainVisionTestFile {
  std::string binaryFormat = "INT_16";  // "INT_16", "INT_32", "IEEE_FLOAT_32"
  bool vectorized = false;
  bool statesDataPoints = false;
  double samplingIntervalUs = 1000.0;
  std::vector<BrainVisionTestChannel> channels;
  std::vector<BrainVisionTestMarker> markers;
};

std::string brainVisionHeaderText(const BrainVisionTestFile& file, const std::string& base);
std::string brainVisionMarkerText(const BrainVisionTestFile& file, const std::string& base);
std::string brainVisionDataBytes(const BrainVisionTestFile& file);

// Writes base.vhdr, base.vmrk and base.eeg into `folder`; returns the header's path.
std::string writeBrainVisionTestFiles(const std::string& folder, const std::string& base, const BrainVisionTestFile& file);
