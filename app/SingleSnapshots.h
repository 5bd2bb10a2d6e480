// Snapshot entries of the single-channel window, one per spectral class: each sets what
// the host holds (channel, selection), opens the window with the facade's show operation
// and makes the choices the single view options ask for, for the snapshot command to draw.
// Listed in its table (app/SnapshotCommand.cpp).
#pragma once

#include "app/SnapshotCommand.h"

namespace spctmview {

CWnd* openSingleAct(SnapshotScene& scene, std::string& error);
CWnd* openSingleCtl(SnapshotScene& scene, std::string& error);
CWnd* openSingleRst(SnapshotScene& scene, std::string& error);

}  // namespace spctmview
