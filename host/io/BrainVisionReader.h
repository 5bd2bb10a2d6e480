// Reading a BrainVision recording from its header (.vhdr), which names the binary data
// (.eeg: 16- or 32-bit integers or 32-bit floats, multiplexed or vectorised) and the
// markers (.vmrk). Samples are scaled by each channel's resolution into SI units; Stimulus
// and Response markers become events with their code and text. Called by readRecording().
#pragma once

#include <string>

#include "host/io/Recording.h"

// The whole recording; the data and marker files are looked for next to the header unless
// their paths are absolute. A data file cut short gives what was read (`truncated` and a
// warning saying how much); a missing or broken marker file gives a warning and no events.
// Throws RecordingError naming the file and the line (texts) or byte (data).
Recording readBrainVision(const std::string& vhdrPath);
