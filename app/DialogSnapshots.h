// Snapshot entries of the settings and measurement dialogs: each opens its dialog as its
// opener would, bound to the scene, for the snapshot command to draw. Listed in its table
// (app/SnapshotCommand.cpp).
#pragma once

#include "app/SnapshotCommand.h"

namespace spctmview {

// The standard display-parameter dialogs opened by the facade for the scene's class and
// kind, refreshed from the data.
CWnd* openStdSetMeg(SnapshotScene& scene, std::string& error);
CWnd* openStdSetEeg(SnapshotScene& scene, std::string& error);
// The library's measurement dialog after a single-channel window's "SM" (the single-view
// options' channel or statistic over their selection) and "All Sns" buttons; its text box
// shows the end of the text.
CWnd* openMeasure(SnapshotScene& scene, std::string& error);

}  // namespace spctmview
