// A user's 2-D layout file (LayoutFile.h) laid over a trial's topographic layouts: each
// modality with a channel named in the file takes the file's centres for its channels;
// its channels the file does not name go on a ring around the file's sensors. The layout
// is then scanned to `size` units like a projected one. RecordingDataset calls it for
// every trial after the projection, when the user gives --layout.
#pragma once

#include <string>
#include <vector>

#include "host/data/CMDTrialqv.h"
#include "host/io/LayoutFile.h"

struct LayoutOverride {
  std::vector<std::string> placed;  // channels (of either modality) given a centre by the file
  std::vector<std::string> onRing;  // channels of a laid-out modality the file does not name
};

// Returns what happened to the trial's channels; a modality none of whose channels the
// file names keeps its projected layout.
LayoutOverride overrideLayout(CMDTrialqv& trial, const LayoutFile& layout, double size);
