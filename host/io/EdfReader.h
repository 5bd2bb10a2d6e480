// Reading EDF, EDF+, BDF and BDF+ recordings through EDFlib: every ordinary signal at the
// recording's main sampling rate becomes a channel (type from the label's type word, unit
// scaled to SI), EDF+/BDF+ annotations become events with their text, and a Status or
// trigger channel gives events at its rising edges (StimEvents.h; BDF Status: low 16 bits).
// Called by readRecording(); thread-safe (opening and closing are serialised).
#pragma once

#include <string>

#include "host/io/Recording.h"

// The whole recording. A file cut short inside its data records gives the complete
// records, with `truncated` set and a warning; a header that breaks the format, a
// discontinuous EDF+D/BDF+D file and unreadable files throw RecordingError naming the
// path, the byte where it can be told, and the reason.
Recording readEdf(const std::string& path);
