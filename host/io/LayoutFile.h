// A user's 2-D sensor layout in the common text formats: one sensor a line as
// "index x y width height name" (whitespace or tabs; the name is the rest of the line and
// may hold spaces), optionally after a first line of four numbers giving the box
// "xmin xmax ymin ymax". Replaces the positions of the file or the standard montage in the
// topographic views. Coordinates are kept as written (in these formats y grows toward the nose).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/data/SensorGeometry.h"

struct LayoutEntry {
  int index = 0;
  std::string name;
  Point2 centre;
  double width = 0.0;
  double height = 0.0;
};

struct LayoutFile {
  bool hasBox = false;
  Extent2 box;  // from the first line when hasBox
  std::vector<LayoutEntry> entries;

  const LayoutEntry* find(std::string_view name) const;  // exact name, else case-insensitive
};

// Throw RecordingError(path, "line N", why) for a line that is not an entry, a negative
// size, a name given twice or a file without entries.
LayoutFile parseLayoutText(const std::string& path, std::string_view text);
LayoutFile readLayoutFile(const std::string& path);
