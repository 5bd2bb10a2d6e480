// `spctm-view show`: the viewer on the desktop. Opens the display (the interactive face)
// and the main window at once, loads the dataset on a worker meanwhile (the main window
// shows how it goes), and runs until the main window is closed; every window of the
// library opens from there through the facade. Without a display it says so and points to
// the commands that draw the same windows into files. Called by main.
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

// Runs the viewer until its main window closes. Exit status 0, or 1 when no display can
// be opened or the dataset cannot be loaded (the reason on `err` and in a message box).
int runShow(const ShowOptions& options, std::ostream& err);

int showMain(const std::vector<std::string>& args);

}  // namespace spctmview
