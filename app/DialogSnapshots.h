// Snapshot entries of the settings and measurement dialogs: each creates its dialog as its
// opener would, bound to the scene, and writes its picture. Listed in the snapshot
// command's table (app/SnapshotCommand.cpp).
#pragma once

#include "app/SnapshotCommand.h"

namespace spctmview {

// The standard display-parameter dialogs after their first refresh from the data.
bool snapStdSetMeg(SnapshotScene& scene, const std::string& out, std::string& error);
bool snapStdSetEeg(SnapshotScene& scene, const std::string& out, std::string& error);
// The measurement dialog after a single-channel window's "SM" (the current channel over the
// selection) and "All Sns" buttons; its text box shows the end of the text.
bool snapMeasure(SnapshotScene& scene, const std::string& out, std::string& error);

}  // namespace spctmview
