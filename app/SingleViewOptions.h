// What the single-channel window shows in a snapshot (spctm-view snapshot --window
// single-act|single-ctl|single-rst): the channel or group statistic, the zoom, the
// selection and the overlays the window's checks switch. Parsed with the snapshot
// command's other options; mistakes are UsageErrors naming the option.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/OptionValues.h"

namespace spctmview {

struct SingleViewOptions {
  std::wstring channel;      // the channel made current (empty: the dataset's current one)
  int source = 0;            // 0 the channel, 1..6 a group statistic over all channels
  int zoom = 0;              // pixels per bin; 0 fits the picture to the canvas
  bool selectGiven = false;  // the class's selection is set to `select` first
  std::array<long long, 4> select{};  // first and last time point, first and last frequency point
  // The overlays, as the window's checks "Select...", "Info...", "Scale...", "Measure..."
  // and "Wave..." switch them; the defaults are those of a newly opened window.
  bool showSelect = true;
  bool showInfo = false;
  bool showScale = true;
  bool showMeasures = true;
  bool showWave = false;
  bool autofit = false;  // the window's "Autofit" pressed once the window is open
};

// Takes the argument `arg` (the command line's args[next]) if it is an option of the
// single view, with its value (moving `next` past a value given as the next argument);
// false when it is not one. Throws UsageError for a missing or bad value.
bool parseSingleViewOption(SingleViewOptions& options, OptionArg& arg, const std::vector<std::string>& args,
                           std::size_t& next);

// The help lines of these options.
const char* singleViewOptionsHelp();

}  // namespace spctmview
