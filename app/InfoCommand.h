// `spctm-view info FILE`: what a recording holds, so users can choose the dataset options:
// its format, sampling rate and duration, its channels by type (bad ones named), its
// events with their counts and the reader's warnings. Called by main.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "host/io/Recording.h"

namespace spctmview {

// The description of `recording`, lines of at most about 80 characters.
void printRecordingInfo(const Recording& recording, std::ostream& out);

// The whole command: arguments, help, reading, printing; the exit status (0 printed,
// 1 the file cannot be read, 2 bad arguments).
int infoMain(const std::vector<std::string>& args);

}  // namespace spctmview
