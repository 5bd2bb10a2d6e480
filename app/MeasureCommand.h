// `spctm-view measure`: measures the dataset's spectra with the measurement dialog's own
// composer (SpctmMeasurement) and writes its text, its export file or a CSV table of the
// same numbers. Called by main.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "app/MeasureOptions.h"
#include "host/data/CArrayMEDataSetqv.h"

namespace spctmview {

// Runs the command on `dataset` (its current session and trial; the selection of the
// class is set first when the options give one). Writes the result to `out` or to the
// --out file, the reason for failing to `err`. Returns the exit status: 0 measured,
// 1 nothing to measure (no trial, no spectra of the class, a channel without them) or the
// file could not be written, 2 an option names something the dataset lacks.
int runMeasure(const MeasureOptions& options, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err);

// The whole command: options, help or dataset, run; the exit status.
int measureMain(const std::vector<std::string>& args);

}  // namespace spctmview
