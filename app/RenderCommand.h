// `spctm-view render`: binds a draw engine to the dataset, sets its draw state from the
// options, draws the chosen view into an off-screen bitmap and writes it as PNG.
#pragma once

#include <iosfwd>

#include "app/RenderOptions.h"

namespace spctmview {

// Runs the command; reports to `out` what was written and to `err` why nothing was.
// Returns the exit status: 0 written, 1 nothing to draw or the file could not be written,
// 2 an option names something the dataset lacks (an unknown channel).
int runRender(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace spctmview
