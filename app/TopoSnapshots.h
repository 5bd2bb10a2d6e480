// Snapshot entries of the topographic windows: the flags and contour field/line windows
// of both modalities and the three spectral classes (flags-meg-act … field-eeg-rst). Each
// opens its window with the facade's show operation and makes the person's choices the
// options ask for (data kind, time–frequency window, autofit), then lets the animation run
// the asked number of timer ticks on the virtual clock. Listed after the other windows in
// the snapshot command's table.
#pragma once

#include <vector>

#include "app/SnapshotCommand.h"

namespace spctmview {

// The twelve entries, MEG before EEG, flags before field, Act, Ctl, Rst.
const std::vector<SnapshotWindow>& topoSnapshotWindows();

}  // namespace spctmview
