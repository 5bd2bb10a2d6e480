// `spctm-view render`: builds the demo dataset (its epoch average is the current trial),
// binds a draw engine to it, sets the draw state from saved settings and the options,
// draws the chosen view into an off-screen bitmap, writes it as PNG and saves the
// settings when asked. Called by main.
#pragma once

#include <iosfwd>
#include <memory>

#include "app/RenderOptions.h"
#include "host/data/CArrayMEDataSetqv.h"

namespace spctmview {

// The dataset the options ask for (today always the demo dataset), with its load progress
// rewritten in place on one line of `err` when `showProgress` (a terminal); null, with
// the reason on `err`, when it cannot be built.
std::unique_ptr<CArrayMEDataSetqv> loadDataset(const RenderOptions& options, std::ostream& err,
                                               bool showProgress);

// Runs the command on `dataset` (its current session and trial); reports to `out` what
// was written and to `err` why nothing was. Returns the exit status: 0 written, 1 nothing
// was drawn, the settings could not be read or a file could not be written, 2 an option
// names something the dataset lacks (an unknown channel).
int runRender(const RenderOptions& options, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err);

}  // namespace spctmview
