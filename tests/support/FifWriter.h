// A minimal FIF writer for tests and benchmarks: a Recording as a raw FIF file (file id,
// optional tag directory, measurement info with channel records, device-to-head transform
// and bad channels, the raw data block in a chosen sample type, optional skips), so that
// the reader's round trips, damaged variants and speed can be checked on files made here.
// Integer sample types store round(value / (range x cal)); pick values that are whole
// multiples of range x cal for exact round trips.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/io/FifFormat.h"
#include "host/io/FifMeasInfo.h"
#include "host/io/Recording.h"

namespace fifwriter {

struct Skip {
  std::int64_t first = 0;  // first sample left out (its values must be zero to round-trip)
  std::int64_t count = 0;
  bool inBuffers = false;  // written as a skip in buffers (count a multiple of bufferSamples)
};

struct Options {
  std::int32_t sampleType = fif::type::Float;
  std::int64_t bufferSamples = 1000;
  bool directory = true;
  double range = 1.0;                // every channel's range
  std::vector<double> calibration;   // per channel; 1 when empty
  bool hasDeviceToHead = true;       // else MEG positions are written as they are
  FifTransform deviceToHead;         // MEG positions are written in the device frame
  std::vector<Skip> skips;           // in increasing order, each on a buffer boundary
};

// Where some of the written things start, for tests that damage them.
struct Layout {
  std::uint64_t dirPointerTag = 0;
  std::uint64_t nchanTag = 0;
  std::uint64_t sfreqTag = 0;
  std::uint64_t firstChInfoTag = 0;
  std::uint64_t firstBufferTag = 0;
  std::uint64_t directoryTag = 0;  // 0 without a directory
  std::uint64_t rawBlockEnd = 0;   // the raw block's end tag
};

struct Image {
  std::vector<std::uint8_t> bytes;
  Layout layout;
};

Image fifImage(const Recording& recording, const Options& options = {});
// Writes the image to `path` (tests only; not through the project's atomic writer).
void writeFif(const std::string& path, const Recording& recording, const Options& options = {});

// Big-endian 32-bit value at `pos` of an image, for tests that patch fields.
void putInt(std::vector<std::uint8_t>& bytes, std::uint64_t pos, std::int32_t value);

}  // namespace fifwriter
