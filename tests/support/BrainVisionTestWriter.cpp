#include "tests/support/BrainVisionTestWriter.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) out += c == ',' ? std::string("\\1") : std::string(1, c);
  return out;
}

void append(std::string& bytes, const void* p, std::size_t n) { bytes.append(static_cast<const char*>(p), n); }

void appendSample(std::string& bytes, const std::string& format, double value) {
  if (format == "INT_16") {
    const auto v = static_cast<std::int16_t>(value);
    append(bytes, &v, 2);
  } else if (format == "INT_32") {
    const auto v = static_cast<std::int32_t>(value);
    append(bytes, &v, 4);
  } else {
    const auto v = static_cast<float>(value);
    append(bytes, &v, 4);
  }
}

}  // namespace

std::string brainVisionHeaderText(const BrainVisionTestFile& f, const std::string& base) {
  std::ostringstream out;
  out << "Brain Vision Data Exchange Header File Version 1.0\r\n; written by the tests\r\n\r\n"
      << "[Common Infos]\r\nCodepage=UTF-8\r\nDataFile=" << base << ".eeg\r\nMarkerFile=" << base << ".vmrk\r\n"
      << "DataFormat=BINARY\r\nDataOrientation=" << (f.vectorized ? "VECTORIZED" : "MULTIPLEXED") << "\r\n"
      << "NumberOfChannels=" << f.channels.size() << "\r\nSamplingInterval=" << f.samplingIntervalUs << "\r\n";
  if (f.statesDataPoints) out << "DataPoints=" << (f.channels.empty() ? 0 : f.channels[0].stored.size()) << "\r\n";
  out << "\r\n[Binary Infos]\r\nBinaryFormat=" << f.binaryFormat << "\r\n\r\n[Channel Infos]\r\n";
  for (std::size_t c = 0; c < f.channels.size(); ++c)
    out << "Ch" << c + 1 << "=" << escaped(f.channels[c].name) << ",," << f.channels[c].resolution << ","
        << f.channels[c].unit << "\r\n";
  bool coordinates = false;
  for (const auto& ch : f.channels) coordinates |= ch.coordinates.has_value();
  if (coordinates) {
    out << "\r\n[Coordinates]\r\n";
    for (std::size_t c = 0; c < f.channels.size(); ++c)
      if (const auto& p = f.channels[c].coordinates) out << "Ch" << c + 1 << "=" << (*p)[0] << "," << (*p)[1] << "," << (*p)[2] << "\r\n";
  }
  out << "\r\n[Comment]\r\nfree text, not key=value pairs\r\n[Impedance in kOhm\r\nFp1:   5\r\n";
  return out.str();
}

std::string brainVisionMarkerText(const BrainVisionTestFile& f, const std::string& base) {
  std::ostringstream out;
  out << "Brain Vision Data Exchange Marker File, Version 1.0\r\n\r\n[Common Infos]\r\nCodepage=UTF-8\r\nDataFile="
      << base << ".eeg\r\n\r\n[Marker Infos]\r\n; Mk<n>=type,description,position,size,channel\r\n"
      << "Mk1=New Segment,,1,1,0,20200101120000000000\r\n";
  for (std::size_t m = 0; m < f.markers.size(); ++m)
    out << "Mk" << m + 2 << "=" << f.markers[m].type << "," << escaped(f.markers[m].description) << ","
        << f.markers[m].position << ",1,0\r\n";
  return out.str();
}

std::string brainVisionDataBytes(const BrainVisionTestFile& f) {
  std::string bytes;
  const std::size_t count = f.channels.empty() ? 0 : f.channels[0].stored.size();
  if (f.vectorized) {
    for (const auto& ch : f.channels)
      for (double v : ch.stored) appendSample(bytes, f.binaryFormat, v);
  } else {
    for (std::size_t i = 0; i < count; ++i)
      for (const auto& ch : f.channels) appendSample(bytes, f.binaryFormat, ch.stored[i]);
  }
  return bytes;
}

std::string writeBrainVisionTestFiles(const std::string& folder, const std::string& base, const BrainVisionTestFile& f) {
  std::ofstream(folder + "/" + base + ".vhdr", std::ios::binary) << brainVisionHeaderText(f, base);
  std::ofstream(folder + "/" + base + ".vmrk", std::ios::binary) << brainVisionMarkerText(f, base);
  std::ofstream(folder + "/" + base + ".eeg", std::ios::binary) << brainVisionDataBytes(f);
  return folder + "/" + base + ".vhdr";
}
