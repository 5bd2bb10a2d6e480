// `spctm-view show`: the viewer on the desktop. Opens the display (the interactive face),
// the main window over the dataset, and runs until the main window is closed; every
// window of the library opens from there through the facade. Without a display it says
// so and points to the commands that draw the same windows into files. Called by main.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "app/DatasetSource.h"

namespace spctmview {

struct ShowOptions {
  bool help = false;
  bool figures = false;  // report the event loop's figures on exit
  DatasetOptions dataset;
};

// The options after the word "show". Throws UsageError for a mistake.
ShowOptions parseShowOptions(const std::vector<std::string>& args);
std::string showHelp();

// Runs the viewer over `dataset` until its main window closes. Exit status 0, or 1 when
// no display can be opened.
int runShow(const ShowOptions& options, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err);

int showMain(const std::vector<std::string>& args);

}  // namespace spctmview
