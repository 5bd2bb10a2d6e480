// Saves a Recording (typically the demo, tests/support/DemoAsRecording.h) as an EDF+/BDF+
// or a BrainVision recording, so tests and visual checks can read the same data back from
// each format. EDF+/BDF+: one signal per channel, 16 or 24 bits spanning the channel's
// range, EEG labels with their type word ("EEG Oz"), the others by name (MEG known by its
// unit, fT or fT/cm), EEG in µV; events with a text become annotations, trigger channels
// stay channels.
// BrainVision: 32-bit floats in µV / fT, trigger channels left out, events as Stimulus
// markers "S  <code>" or comments.
#pragma once

#include <string>

#include "host/io/Recording.h"

void writeRecordingAsEdf(const Recording& recording, const std::string& path, bool bdf);

// Writes base.vhdr, base.vmrk and base.eeg into `folder`; returns the header's path.
std::string writeRecordingAsBrainVision(const Recording& recording, const std::string& folder, const std::string& base);
