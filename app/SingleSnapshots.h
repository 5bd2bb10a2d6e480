// Snapshot entries of the single-channel window, one per spectral class: each opens the
// window as the facade's show operation does, shows what the single view options ask for
// and writes its picture. Listed in the snapshot command's table (app/SnapshotCommand.cpp).
#pragma once

#include "app/SnapshotCommand.h"

namespace spctmview {

bool snapSingleAct(SnapshotScene& scene, const std::string& out, std::string& error);
bool snapSingleCtl(SnapshotScene& scene, const std::string& out, std::string& error);
bool snapSingleRst(SnapshotScene& scene, const std::string& out, std::string& error);

}  // namespace spctmview
