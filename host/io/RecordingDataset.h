// A recording read from a file (RecordingFile.h) turned into the host dataset the viewer
// shows, as the demo dataset is built from the generated recording: epochs cut around the
// chosen events (Epoching.h), one session whose trial 0 "Average" holds the epochs' mean
// waveforms and their averaged spectra, trials "Epoch 1" … "Epoch n" computed on demand.
//
// Channels shown: one MEG type (magnetometers or planar gradiometers, never both at once:
// their units differ) and the EEG electrodes; EOG, stimulus and other channels are only
// read for rejection and `info`. Waveforms in display units: fT, fT/cm, µV. Channels the
// file marks bad are not good (kept out of the group statistics). 3-D positions from the
// file; else EEG positions from the standard montage by name; else a ring around the head,
// with a warning naming those channels; a layout file, when given, overrides the 2-D
// layouts. Called by the viewer's dataset source on a FILE.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/data/CArrayMEDataSetqv.h"
#include "host/data/MorletSpctmComputation.h"
#include "host/io/Epoching.h"
#include "host/io/Recording.h"

enum class MegChoice {
  Auto,  // magnetometers when the recording has any, else gradiometers
  Mag,
  Grad,
};

struct RecordingDatasetOptions {
  // Events, windows and rejection; the margin is set from the spectra settings (the reach
  // of the lowest frequency's wavelet), whatever it holds here.
  EpochingOptions epoching;
  SpctmComputationSettings spectra;  // frequencies, cycles, time step, baseline
  MegChoice meg = MegChoice::Auto;
  // A 2-D layout file (LayoutFile.h) that replaces the projected layouts of the modalities
  // whose channels it names; empty: none. Read here; its faults are RecordingErrors.
  std::string layoutPath;
  // Load progress: a stage and its percentage, as the demo dataset reports it.
  std::function<void(std::string_view stage, int percent)> progress;
  // What the user should know: the channels shown, the epochs kept and dropped, the
  // channels placed on the ring. One sentence per call.
  std::function<void(const std::string& message)> note;
};

// Samples the lowest frequency's wavelet reaches on either side (3 envelope sigmas).
std::int64_t transformMarginSamples(const MorletSettings& settings);

// Takes the recording by value and frees its samples once the epochs hold their copies,
// before the spectra are computed (move it in to keep one copy at a time). Throws
// std::invalid_argument when nothing can be shown (no channel of the kinds asked for, no
// epoch left, unusable windows or spectra settings) and std::runtime_error when the
// average's spectra cannot be computed.
std::unique_ptr<CArrayMEDataSetqv> buildRecordingDataset(Recording recording, const RecordingDatasetOptions& options);
