#include "host/io/BrainVisionReader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "host/io/BrainVisionHeader.h"
#include "host/io/ChannelLabels.h"
#include "host/io/TextParsing.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kMaxTextBytes = 64u << 20;  // a header or marker file beyond this is refused
constexpr double kHeadRadiusMetres = 0.092;

std::string besideHeader(const std::string& vhdrPath, const std::string& name) {
  const fs::path p(name);
  return p.is_absolute() ? name : (fs::path(vhdrPath).parent_path() / p).string();
}

// One stored number, little-endian, as a double.
double sampleAt(const unsigned char* p, BrainVisionHeader::Binary binary) {
  switch (binary) {
    case BrainVisionHeader::Binary::Int16: {
      std::int16_t v;
      std::memcpy(&v, p, 2);
      return v;
    }
    case BrainVisionHeader::Binary::Int32: {
      std::int32_t v;
      std::memcpy(&v, p, 4);
      return v;
    }
    case BrainVisionHeader::Binary::Float32: break;
  }
  float v;
  std::memcpy(&v, p, 4);
  return v;
}

// Reads `bytes` bytes at `offset` from the data file into `buffer`.
void readBytes(std::ifstream& in, const std::string& path, std::uint64_t offset, std::vector<unsigned char>& buffer,
               std::size_t bytes) {
  buffer.resize(bytes);
  in.seekg(static_cast<std::streamoff>(offset));
  in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(bytes));
  if (static_cast<std::size_t>(in.gcount()) != bytes)
    throw RecordingError(path, "byte " + std::to_string(offset + static_cast<std::uint64_t>(in.gcount())), "the data cannot be read");
}

// The channels' samples in physical units. Multiplexed files are read frame by frame in
// blocks; vectorised ones channel by channel. `available` samples per channel are in the
// file (fewer than rec.sampleCount for a vectorised file cut short: the rest stay 0).
void readSamples(const std::string& dataPath, const BrainVisionHeader& h, const std::vector<double>& factors,
                 std::uint64_t fileBytes, Recording& rec) {
  std::ifstream in(dataPath, std::ios::binary);
  if (!in) throw RecordingError(dataPath, "", std::strerror(errno));
  const std::size_t channels = h.channels.size();
  const auto bytes = static_cast<std::size_t>(h.bytesPerSample());
  const auto count = static_cast<std::size_t>(rec.sampleCount);
  std::vector<unsigned char> buffer;
  if (h.orientation == BrainVisionHeader::Orientation::Multiplexed) {
    constexpr std::size_t kFramesPerBlock = 4096;
    for (std::size_t first = 0; first < count; first += kFramesPerBlock) {
      const std::size_t frames = std::min(kFramesPerBlock, count - first);
      readBytes(in, dataPath, first * channels * bytes, buffer, frames * channels * bytes);
      for (std::size_t f = 0; f < frames; ++f)
        for (std::size_t c = 0; c < channels; ++c)
          rec.samples[c * count + first + f] =
              static_cast<float>(sampleAt(&buffer[(f * channels + c) * bytes], h.binary) * factors[c]);
    }
    return;
  }
  for (std::size_t c = 0; c < channels; ++c) {
    const std::uint64_t start = c * count * bytes;
    if (start >= fileBytes) break;
    const std::size_t here = std::min<std::uint64_t>(count, (fileBytes - start) / bytes);
    readBytes(in, dataPath, start, buffer, here * bytes);
    for (std::size_t i = 0; i < here; ++i)
      rec.samples[c * count + i] = static_cast<float>(sampleAt(&buffer[i * bytes], h.binary) * factors[c]);
  }
}

// Events from the markers at their sample: a Stimulus marker with a code ("S  1") is a
// trigger (code, no text) like a trigger channel's; a Response marker keeps its text
// ("R 12") beside its code, so responses are chosen apart from stimuli; other markers
// are texts. Segment starts are boundaries, not events.
void addMarkerEvents(const std::vector<BrainVisionMarker>& markers, Recording& rec) {
  std::int64_t outside = 0;
  for (const BrainVisionMarker& m : markers) {
    if (m.type == "New Segment") continue;
    if (m.position >= rec.sampleCount) {
      ++outside;
      continue;
    }
    const std::string text = m.description.empty() ? m.type : m.description;
    const std::int64_t code = m.type == "Stimulus" || m.type == "Response" ? brainVisionMarkerCode(m.description) : 0;
    rec.events.push_back({m.position, code, m.type == "Stimulus" && code != 0 ? std::string() : text});
  }
  if (outside > 0)
    rec.warnings.push_back(std::to_string(outside) + " marker" + (outside == 1 ? " lies" : "s lie") +
                           " after the last sample read and " + (outside == 1 ? "was" : "were") + " left out.");
}

// Samples per channel the data file gives, with `truncated` and a warning when it is cut
// short. A vectorised file cut short keeps the stated count (its last channels are then
// incomplete) if it holds at least half of it, so memory stays within twice the file's
// worth; without DataPoints it must split into equal channels.
std::int64_t sampleCountOf(const BrainVisionHeader& h, const std::string& dataPath, std::uint64_t fileBytes, Recording& rec) {
  const auto bytes = static_cast<std::uint64_t>(h.bytesPerSample());
  const std::uint64_t frameBytes = h.channels.size() * bytes;
  const std::uint64_t frames = fileBytes / frameBytes;
  const bool stated = h.dataPoints >= 0;
  const auto points = static_cast<std::uint64_t>(std::max<std::int64_t>(h.dataPoints, 0));
  if (h.orientation == BrainVisionHeader::Orientation::Multiplexed) {
    const std::uint64_t count = stated ? std::min(frames, points) : frames;
    if (fileBytes % frameBytes != 0 || (stated && frames < points)) {
      rec.truncated = true;
      rec.warnings.push_back("The data file is cut short: " + std::to_string(count) +
                             " complete samples of every channel were read (" + std::to_string(fileBytes) + " bytes, " +
                             std::to_string(fileBytes % frameBytes) + " of them in an incomplete last sample).");
    }
    return static_cast<std::int64_t>(count);
  }
  if (!stated) {
    if (fileBytes % frameBytes != 0)
      throw RecordingError(dataPath, "byte " + std::to_string(fileBytes),
                           "vectorised data whose size does not split into " + std::to_string(h.channels.size()) +
                               " equal channels, and the header gives no DataPoints to tell where each begins");
    return static_cast<std::int64_t>(frames);
  }
  const std::uint64_t expected = frameBytes * points;
  if (fileBytes < expected) {
    if (fileBytes < expected / 2)
      throw RecordingError(dataPath, "byte " + std::to_string(fileBytes),
                           "the vectorised data end before half of the " + std::to_string(expected) +
                               " bytes the header's DataPoints announce");
    rec.truncated = true;
    const std::uint64_t whole = fileBytes / (bytes * std::max<std::uint64_t>(points, 1));
    rec.warnings.push_back("The data file is cut short: " + std::to_string(fileBytes) + " of " + std::to_string(expected) +
                           " bytes; the channels from " + h.channels[std::min<std::size_t>(whole, h.channels.size() - 1)].name +
                           " on are incomplete, marked bad, their missing samples 0.");
  }
  return h.dataPoints;
}

RecordingChannel channelOf(const BrainVisionChannel& info) {
  const UnitScale unit = siUnitOf(info.unit);
  const Point3& d = info.direction;
  return {info.name, channelLabelOf(info.name, unit.unit, true).type, unit.unit, info.hasDirection,
          {d.x * kHeadRadiusMetres, d.y * kHeadRadiusMetres, d.z * kHeadRadiusMetres}, d, false};
}

}  // namespace

Recording readBrainVision(const std::string& vhdrPath) {
  const BrainVisionHeader h = parseBrainVisionHeader(vhdrPath, readTextFile(vhdrPath, kMaxTextBytes));
  Recording rec;
  rec.path = vhdrPath;
  rec.format = "BrainVision";
  rec.samplingRateHz = 1e6 / h.samplingIntervalUs;

  const std::string dataPath = besideHeader(vhdrPath, h.dataFile);
  std::error_code ec;
  const std::uint64_t fileBytes = fs::file_size(dataPath, ec);
  if (ec) throw RecordingError(dataPath, "", ec.message());
  rec.sampleCount = sampleCountOf(h, dataPath, fileBytes, rec);
  if (rec.sampleCount == 0) throw RecordingError(dataPath, "byte 0", "no complete sample in the data file");

  std::vector<double> factors;
  const auto channelBytes = static_cast<std::uint64_t>(rec.sampleCount) * static_cast<std::uint64_t>(h.bytesPerSample());
  for (std::size_t c = 0; c < h.channels.size(); ++c) {
    rec.channels.push_back(channelOf(h.channels[c]));
    rec.channels.back().bad = h.orientation == BrainVisionHeader::Orientation::Vectorized && (c + 1) * channelBytes > fileBytes;
    factors.push_back(h.channels[c].resolution * siUnitOf(h.channels[c].unit).factor);
  }
  rec.samples.assign(h.channels.size() * static_cast<std::size_t>(rec.sampleCount), 0.0f);
  readSamples(dataPath, h, factors, fileBytes, rec);

  if (!h.markerFile.empty()) {
    const std::string markerPath = besideHeader(vhdrPath, h.markerFile);
    try {
      addMarkerEvents(parseBrainVisionMarkers(markerPath, readTextFile(markerPath, kMaxTextBytes)), rec);
    } catch (const RecordingError& e) {
      rec.warnings.push_back(std::string("No events: ") + e.what());
    }
  }
  return rec;
}
