// `spctm-view render`: binds a draw engine to it, sets the draw state from saved settings and the options,
// draws the chosen view into an off-screen bitmap, writes it as PNG and saves the
// settings when asked. Called by main.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "app/RenderOptions.h"
#include "host/data/CArrayMEDataSetqv.h"

namespace spctmview {

// Runs the command on `dataset` (its current session and trial). Checks the outputs
// first, writes the picture and the settings together (all or none) and reports to `err`
// what was written or why nothing was. Returns the exit status: 0 written, 1 nothing
// was drawn, the settings could not be read or a file could not be written, 2 an option
// names something the dataset lacks (an unknown channel).
int runRender(const RenderOptions& options, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err);

// The whole command: parses the arguments after "render", prints the help or loads the
// dataset and runs; the exit status (2 for bad options).
int renderMain(const std::vector<std::string>& args);

}  // namespace spctmview
