// Reader of FIF files (raw recordings of MEG and EEG systems): the tag structure and its
// directory, the measurement info (channels, kinds, units, calibration, positions in the
// head frame, bad channels, sampling rate), the raw data buffers in every public sample
// type with skips as zeros, and events from the stimulus channels. Used by readRecording
// for ".fif" files and by `spctm-view info`. Evoked and epochs files are not read.
// Every error says file, byte offset and why; a file that ends early gives what it holds,
// marked truncated. Corrupt sizes are checked against the bytes there are before use.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "host/io/Recording.h"

Recording readFif(const std::string& path);

// The same from bytes in memory (`path` only names them in messages); the fuzz target and
// the tests of damaged files use it.
Recording readFifBytes(std::span<const std::uint8_t> bytes, const std::string& path);
