// What the fuzz targets of the EEG readers and the layout parser feed in, and the promises
// they check, shared with the tests that replay the checked-in corpora: bytes as a
// BrainVision header and marker text, as a layout file, and as an EDF/BDF file (through an
// anonymous in-memory file, as the reader opens files by path). Every input must give a
// consistent result or a RecordingError; any other exception escapes to the caller.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "host/io/BrainVisionHeader.h"
#include "host/io/EdfReader.h"
#include "host/io/LayoutFile.h"

namespace fuzzinput {

struct ReaderOutcome {
  bool accepted = false;    // parsed or read without error
  bool consistent = true;   // the result keeps the promises below
  bool truncated = false;   // a recording read from a file cut short
};

inline std::string_view textOf(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A header: channels as announced, each named, with a non-zero resolution and a positive
// interval. Markers: positions from 0, sorted.
inline ReaderOutcome brainVisionTexts(const std::uint8_t* data, std::size_t size) {
  ReaderOutcome out;
  try {
    const BrainVisionHeader h = parseBrainVisionHeader("fuzz.vhdr", textOf(data, size));
    out.accepted = true;
    out.consistent = !h.channels.empty() && h.samplingIntervalUs > 0 && !h.dataFile.empty();
    for (const BrainVisionChannel& c : h.channels) out.consistent &= !c.name.empty() && c.resolution != 0.0;
  } catch (const RecordingError&) {
  }
  try {
    const auto markers = parseBrainVisionMarkers("fuzz.vmrk", textOf(data, size));
    out.accepted = true;
    for (std::size_t i = 0; i < markers.size(); ++i)
      out.consistent &= markers[i].position >= 0 && (i == 0 || markers[i - 1].position <= markers[i].position);
  } catch (const RecordingError&) {
  }
  return out;
}

// Entries with names, unique, sizes not negative.
inline ReaderOutcome layoutText(const std::uint8_t* data, std::size_t size) {
  ReaderOutcome out;
  try {
    const LayoutFile layout = parseLayoutText("fuzz.lay", textOf(data, size));
    out.accepted = true;
    std::set<std::string> names;
    out.consistent = !layout.entries.empty();
    for (const LayoutEntry& e : layout.entries)
      out.consistent &= !e.name.empty() && e.width >= 0.0 && e.height >= 0.0 && names.insert(e.name).second;
  } catch (const RecordingError&) {
  }
  return out;
}

// Samples for every channel, events inside the recording and in order.
inline ReaderOutcome edfBytes(const std::uint8_t* data, std::size_t size) {
  ReaderOutcome out;
  const int fd = ::memfd_create("fuzz-edf", MFD_CLOEXEC);
  if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size)) {
    if (fd >= 0) ::close(fd);
    return out;
  }
  try {
    const Recording r = readEdf("/proc/self/fd/" + std::to_string(fd));
    out.accepted = true;
    out.truncated = r.truncated;
    out.consistent = r.sampleCount > 0 && r.samplingRateHz > 0 &&
                     r.samples.size() == r.channels.size() * static_cast<std::size_t>(r.sampleCount);
    for (std::size_t i = 0; i < r.events.size(); ++i)
      out.consistent &= r.events[i].sample >= 0 && r.events[i].sample < r.sampleCount &&
                        (i == 0 || r.events[i - 1].sample <= r.events[i].sample);
  } catch (const RecordingError&) {
  }
  ::close(fd);
  return out;
}

}  // namespace fuzzinput
