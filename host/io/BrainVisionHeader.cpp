#include "host/io/BrainVisionHeader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>

#include "host/io/TextParsing.h"
#include "host/io/Recording.h"

namespace {

// One "key=value" line of the INI-like text, with its line number.
struct Entry {
  std::string value;
  int line = 0;
};
using Section = std::map<std::string, Entry>;

// The text split into sections by "[Name]" lines; ';' starts a comment line. The first line
// (the file's identification) is checked by the caller and not part of any section.
struct IniText {
  std::string firstLine;
  std::map<std::string, Section> sections;
};

IniText splitSections(const std::string& path, std::string_view text) {
  IniText ini;
  std::string current;
  int number = 0;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string line = trimmed(text.substr(at, end - at));
    ++number;
    at = end + 1;
    if (number == 1) {
      if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // a byte-order mark
      ini.firstLine = line;
      continue;
    }
    if (line.empty() || line[0] == ';') continue;
    // The comment section holds free text (impedance tables and the like) up to the next
    // section.
    const bool freeText = current == "Comment";
    if (line[0] == '[' && line.back() == ']') {
      current = line.substr(1, line.size() - 2);
      continue;
    }
    if (freeText) continue;
    if (line[0] == '[') throw RecordingError(path, "line " + std::to_string(number), "a section name without its closing ']'");
    const auto eq = line.find('=');
    if (eq == std::string::npos)
      throw RecordingError(path, "line " + std::to_string(number), "expected key=value, found \"" + line.substr(0, 60) + "\"");
    ini.sections[current][trimmed(std::string_view(line).substr(0, eq))] = {trimmed(std::string_view(line).substr(eq + 1)), number};
  }
  return ini;
}

[[noreturn]] void failAt(const std::string& path, int line, const std::string& why) {
  throw RecordingError(path, line > 0 ? "line " + std::to_string(line) : "", why);
}

const Entry& required(const std::string& path, const IniText& ini, const char* section, const char* key) {
  const auto s = ini.sections.find(section);
  if (s != ini.sections.end()) {
    const auto e = s->second.find(key);
    if (e != s->second.end()) return e->second;
  }
  failAt(path, 0, std::string("no ") + key + " in the [" + section + "] section");
}

const Entry* optional(const IniText& ini, const char* section, const char* key) {
  const auto s = ini.sections.find(section);
  if (s == ini.sections.end()) return nullptr;
  const auto e = s->second.find(key);
  return e == s->second.end() ? nullptr : &e->second;
}

// Comma-separated fields; "\1" in a field stands for a comma.
std::vector<std::string> fieldsOf(std::string_view text) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ',') {
      fields.emplace_back();
    } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '1') {
      fields.back() += ',';
      ++i;
    } else {
      fields.back() += text[i];
    }
  }
  return fields;
}

bool hasPrefix(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

// Radius, theta (from the vertex, negative on the left) and phi (azimuth from the right
// ear toward the nose), in degrees: the direction in the head frame.
Point3 directionOf(double theta, double phi) {
  const double t = theta * std::numbers::pi / 180.0, p = phi * std::numbers::pi / 180.0;
  return {std::sin(t) * std::cos(p), std::sin(t) * std::sin(p), std::cos(t)};
}

}  // namespace

BrainVisionHeader parseBrainVisionHeader(const std::string& path, std::string_view text) {
  const IniText ini = splitSections(path, text);
  if (!hasPrefix(ini.firstLine, "Brain Vision Data Exchange Header File") &&
      !hasPrefix(ini.firstLine, "BrainVision Data Exchange Header File"))
    failAt(path, 1, "not a BrainVision header (the first line is \"" + ini.firstLine.substr(0, 60) + "\")");
  BrainVisionHeader h;
  h.dataFile = required(path, ini, "Common Infos", "DataFile").value;
  if (h.dataFile.empty()) failAt(path, required(path, ini, "Common Infos", "DataFile").line, "DataFile is empty");
  if (const Entry* e = optional(ini, "Common Infos", "MarkerFile")) h.markerFile = e->value;
  if (const Entry* e = optional(ini, "Common Infos", "DataFormat"); e && e->value != "BINARY")
    failAt(path, e->line, "DataFormat " + e->value + ": only BINARY data can be read");
  if (const Entry* e = optional(ini, "Common Infos", "DataType"); e && e->value != "TIMEDOMAIN")
    failAt(path, e->line, "DataType " + e->value + ": only TIMEDOMAIN data can be read");
  if (const Entry* e = optional(ini, "Common Infos", "DataOrientation")) {
    if (e->value == "MULTIPLEXED") h.orientation = BrainVisionHeader::Orientation::Multiplexed;
    else if (e->value == "VECTORIZED") h.orientation = BrainVisionHeader::Orientation::Vectorized;
    else failAt(path, e->line, "DataOrientation " + e->value + " (MULTIPLEXED or VECTORIZED)");
  }
  const Entry& count = required(path, ini, "Common Infos", "NumberOfChannels");
  const auto channels = integerOf(count.value);
  if (!channels || *channels < 1 || *channels > 65536)
    failAt(path, count.line, "NumberOfChannels " + count.value + " (1 to 65536)");
  const Entry& interval = required(path, ini, "Common Infos", "SamplingInterval");
  const auto us = numberOf(interval.value);
  if (!us || *us <= 0.0) failAt(path, interval.line, "SamplingInterval " + interval.value + " is not a positive number of microseconds");
  h.samplingIntervalUs = *us;
  if (const Entry* e = optional(ini, "Common Infos", "DataPoints")) {
    const auto points = integerOf(e->value);
    if (!points || *points < 0) failAt(path, e->line, "DataPoints " + e->value + " is not a count");
    h.dataPoints = *points;
  }
  const Entry& format = required(path, ini, "Binary Infos", "BinaryFormat");
  if (format.value == "INT_16") h.binary = BrainVisionHeader::Binary::Int16;
  else if (format.value == "INT_32") h.binary = BrainVisionHeader::Binary::Int32;
  else if (format.value == "IEEE_FLOAT_32") h.binary = BrainVisionHeader::Binary::Float32;
  else failAt(path, format.line, "BinaryFormat " + format.value + " (INT_16, INT_32 or IEEE_FLOAT_32)");

  h.channels.resize(static_cast<std::size_t>(*channels));
  for (std::size_t c = 0; c < h.channels.size(); ++c) {
    const std::string key = "Ch" + std::to_string(c + 1);
    const Entry& info = required(path, ini, "Channel Infos", key.c_str());
    const std::vector<std::string> f = fieldsOf(info.value);
    BrainVisionChannel& ch = h.channels[c];
    ch.name = trimmed(f[0]);
    if (ch.name.empty()) failAt(path, info.line, key + " has no name");
    if (f.size() > 1) ch.reference = trimmed(f[1]);
    if (f.size() > 2 && !trimmed(f[2]).empty()) {
      const auto r = numberOf(f[2]);
      if (!r || *r == 0.0) failAt(path, info.line, key + ": resolution \"" + f[2] + "\" is not a non-zero number");
      ch.resolution = *r;
    }
    if (f.size() > 3 && !trimmed(f[3]).empty()) ch.unit = trimmed(f[3]);
    if (const Entry* pos = optional(ini, "Coordinates", key.c_str())) {
      const std::vector<std::string> p = fieldsOf(pos->value);
      const auto radius = p.size() == 3 ? numberOf(p[0]) : std::nullopt;
      const auto theta = p.size() == 3 ? numberOf(p[1]) : std::nullopt;
      const auto phi = p.size() == 3 ? numberOf(p[2]) : std::nullopt;
      if (!radius || !theta || !phi) failAt(path, pos->line, key + ": coordinates must be radius,theta,phi");
      ch.hasDirection = *radius > 0.0;
      ch.direction = directionOf(*theta, *phi);
    }
  }
  return h;
}

std::vector<BrainVisionMarker> parseBrainVisionMarkers(const std::string& path, std::string_view text) {
  const IniText ini = splitSections(path, text);
  if (!hasPrefix(ini.firstLine, "Brain Vision Data Exchange Marker File") &&
      !hasPrefix(ini.firstLine, "BrainVision Data Exchange Marker File"))
    failAt(path, 1, "not a BrainVision marker file (the first line is \"" + ini.firstLine.substr(0, 60) + "\")");
  // By position, then in the order of their numbers (Mk2 before Mk10).
  std::vector<std::pair<std::int64_t, BrainVisionMarker>> numbered;
  const auto section = ini.sections.find("Marker Infos");
  if (section == ini.sections.end()) return {};
  for (const auto& [key, entry] : section->second) {
    const auto number = hasPrefix(key, "Mk") ? integerOf(std::string_view(key).substr(2)) : std::nullopt;
    if (!number) continue;
    const std::vector<std::string> f = fieldsOf(entry.value);
    if (f.size() < 3) failAt(path, entry.line, key + ": expected type,description,position,size,channel");
    const auto position = integerOf(f[2]);
    if (!position || *position < 1) failAt(path, entry.line, key + ": position \"" + f[2] + "\" is not a sample number from 1");
    BrainVisionMarker m{trimmed(f[0]), trimmed(f[1]), *position - 1, 1, 0};
    if (f.size() > 3 && !trimmed(f[3]).empty()) {
      const auto points = integerOf(f[3]);
      if (!points || *points < 0) failAt(path, entry.line, key + ": size \"" + f[3] + "\" is not a count");
      m.points = *points;
    }
    if (f.size() > 4 && !trimmed(f[4]).empty()) {
      const auto channel = integerOf(f[4]);
      if (!channel || *channel < 0 || *channel > 65536) failAt(path, entry.line, key + ": channel \"" + f[4] + "\" is not a channel number");
      m.channel = static_cast<int>(*channel);
    }
    numbered.emplace_back(*number, std::move(m));
  }
  std::sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) {
    return a.second.position != b.second.position ? a.second.position < b.second.position : a.first < b.first;
  });
  std::vector<BrainVisionMarker> markers;
  for (auto& [number, m] : numbered) markers.push_back(std::move(m));
  return markers;
}

std::int64_t brainVisionMarkerCode(std::string_view description) {
  if (description.size() < 2 || !std::isalpha(static_cast<unsigned char>(description[0]))) return 0;
  const auto code = integerOf(description.substr(1));
  return code && *code >= 0 ? *code : 0;
}
