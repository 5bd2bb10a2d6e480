#include "host/io/LayoutFile.h"

#include <cmath>
#include <map>
#include <optional>

#include "host/io/TextParsing.h"
#include "host/io/Recording.h"

namespace {

constexpr std::uintmax_t kMaxLayoutBytes = 16u << 20;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The next whitespace-separated word of `line` from `at`, moving `at` past it.
std::string_view nextWord(std::string_view line, std::size_t& at) {
  while (at < line.size() && isSpace(line[at])) ++at;
  const std::size_t start = at;
  while (at < line.size() && !isSpace(line[at])) ++at;
  return line.substr(start, at - start);
}

// The words of a line that are all numbers, or nothing when one is not.
std::optional<std::vector<double>> allNumbers(std::string_view line) {
  std::vector<double> values;
  std::size_t at = 0;
  for (std::string_view w = nextWord(line, at); !w.empty(); w = nextWord(line, at)) {
    const auto v = numberOf(w);
    if (!v) return std::nullopt;
    values.push_back(*v);
  }
  return values;
}

}  // namespace

const LayoutEntry* LayoutFile::find(std::string_view name) const {
  for (const LayoutEntry& e : entries)
    if (e.name == name) return &e;
  for (const LayoutEntry& e : entries)
    if (equalsIgnoringCase(e.name, name)) return &e;
  return nullptr;
}

LayoutFile parseLayoutText(const std::string& path, std::string_view text) {
  LayoutFile layout;
  std::map<std::string, int> lineOfName;
  int number = 0;
  bool first = true;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string line = trimmed(text.substr(at, end - at));
    at = end + 1;
    ++number;
    if (line.empty() || line[0] == '#') continue;
    const std::string where = "line " + std::to_string(number);
    if (first) {
      first = false;
      if (const auto box = allNumbers(line); box && box->size() == 4) {
        layout.hasBox = true;
        layout.box = {(*box)[0], (*box)[1], (*box)[2], (*box)[3]};
        if (layout.box.xMax <= layout.box.xMin || layout.box.yMax <= layout.box.yMin)
          throw RecordingError(path, where, "the box \"" + line + "\" is empty (xmin xmax ymin ymax)");
        continue;
      }
    }
    std::size_t pos = 0;
    double fields[5];
    for (double& field : fields) {
      const std::string_view word = nextWord(line, pos);
      const auto v = numberOf(word);
      if (!v) throw RecordingError(path, where, "expected \"index x y width height name\", found \"" + line.substr(0, 80) + "\"");
      field = *v;
    }
    LayoutEntry e;
    e.name = trimmed(std::string_view(line).substr(pos));
    if (e.name.empty()) throw RecordingError(path, where, "a sensor without a name");
    if (fields[0] != std::floor(fields[0]) || std::fabs(fields[0]) > 1e9)
      throw RecordingError(path, where, "the index is not a whole number");
    if (fields[3] < 0.0 || fields[4] < 0.0) throw RecordingError(path, where, "a negative width or height");
    e.index = static_cast<int>(fields[0]);
    e.centre = {fields[1], fields[2]};
    e.width = fields[3];
    e.height = fields[4];
    if (const auto [it, fresh] = lineOfName.emplace(e.name, number); !fresh)
      throw RecordingError(path, where, "\"" + e.name + "\" is already on line " + std::to_string(it->second));
    layout.entries.push_back(std::move(e));
  }
  if (layout.entries.empty()) throw RecordingError(path, "", "no sensors in the layout");
  return layout;
}

LayoutFile readLayoutFile(const std::string& path) { return parseLayoutText(path, readTextFile(path, kMaxLayoutBytes)); }
