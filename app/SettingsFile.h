// The draw settings of `spctm-view render` kept in a file between figures: the engine's
// settings record, read before a figure is drawn and made after it (the command writes it
// with its other outputs). Called by the render command. Every failure of reading is told
// on `err` with the file's name and why.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "draw/CMEGSpctmDrawqv.h"

namespace spctmview {

// Reads the record in `path` into the engine. False when the file cannot be opened, is
// not a settings record (the engine's own message is the reason), has another version
// or ends before the record does; the values read before an early end stay loaded.
bool loadDrawSettings(CMEGSpctmDrawqv& engine, const std::string& path, std::ostream& err);

// The bytes of the engine's record.
std::vector<unsigned char> drawSettingsRecord(CMEGSpctmDrawqv& engine);

}  // namespace spctmview
