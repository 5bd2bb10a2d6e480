// Opening a recording file of any supported format: the reader is chosen by the file's
// extension (.fif: FIF; .edf, .bdf: EDF/BDF with or without annotations; .vhdr: the
// BrainVision header next to its marker and data files), case-insensitively. Called by the
// viewer's commands on the FILE they are given.
#pragma once

#include <string>

#include "host/io/Recording.h"

// The recording in `path`. Throws RecordingError for an extension no reader takes (naming
// the known ones) and for whatever the format's reader refuses.
Recording readRecording(const std::string& path);

// The known extensions, for messages: ".fif, .edf, .bdf, .vhdr".
const char* knownRecordingExtensions();
