#include "app/SingleViewOptions.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace spctmview {

bool parseSingleViewOption(SingleViewOptions& o, OptionArg& arg, const std::vector<std::string>& args,
                           std::size_t& next) {
  const std::string& option = arg.name;
  if (option == "--autofit") {
    o.autofit = true;
    return true;
  }
  if (option != "--channel" && option != "--source" && option != "--zoom" && option != "--select" &&
      option != "--overlays")
    return false;
  const std::string value = takeValue(arg, args, next);
  if (option == "--channel") {
    o.channel = channelOf(option, value);
  } else if (option == "--source") {
    o.source = static_cast<int>(integerIn(option, value, 0, 6));
  } else if (option == "--zoom") {
    o.zoom = zoomOf(option, value);
  } else if (option == "--select") {
    o.select = fourIn(option, value, 0, std::numeric_limits<std::int32_t>::max());
    o.selectGiven = true;
  } else {
    o.showSelect = o.showInfo = o.showScale = o.showMeasures = o.showWave = false;
    if (value == "none") return true;
    bool* switches[] = {&o.showSelect, &o.showInfo, &o.showScale, &o.showMeasures, &o.showWave};
    for (std::size_t from = 0; from <= value.size();) {
      const std::size_t at = std::min(value.find(',', from), value.size());
      *switches[oneOf(option, value.substr(from, at - from), {"select", "info", "scale", "measure", "wave"})] = true;
      from = at + 1;
    }
  }
  return true;
}

const char* singleViewOptionsHelp() {
  return "\n  For the single-* windows:\n"
         "  --channel NAME          the channel shown (default: the dataset's current channel)\n"
         "  --source 0..6           0 the channel; 1 group mean, 2 minimum, 3 maximum, 4 averaged\n"
         "                          positive, 5 averaged negative, 6 signed RMS (default 0)\n"
         "  --zoom N|fit            pixels per bin, 1 to 64; fit takes the largest that leaves the\n"
         "                          rulers and labels room in the canvas (default fit)\n"
         "  --select TB,TE,FB,FE    sets the class's selection to time points TB … TE and frequency\n"
         "                          points FB … FE first (default: the dataset's selection)\n"
         "  --overlays LIST|none    the window's overlay checks that are ticked, from\n"
         "                          select,info,scale,measure,wave (default select,scale,measure)\n"
         "  --autofit               presses the window's Autofit: the colours span the magnitudes\n"
         "                          of the channel (or statistic) shown\n\n";
}

}  // namespace spctmview
