// The demo dataset the application opens on a machine without recordings: the seeded
// demo recording (DemoRecording.h: sensors, timing, effects) turned into a host dataset
// with the spectral computation installed. One call; same options, same dataset.
//
// One session, "Demo recording", with the MEG helmet then the EEG 10-10 channels (names,
// kinds, 3-D positions in metres, 2-D layouts from the session-parameterised projection
// scanned to 100 units, plane-done flags set), all shown, every channel good but the bad
// one (MRT21), waveform gains of 0.1 pixel per fT (MEG) and 1 pixel per µV (EEG). Trials:
//   0        "Average": the epochs' mean waveforms; its spectra are the epoch average
//            (power averaged = induced plus evoked power; real and imaginary parts
//            averaged = the phase-locked part). Current, and computed at load.
//   1 … n    "Epoch 1" … "Epoch n": the raw epochs, spectra computed on demand when one
//            becomes current (CMEGDataqv::setSpctmOnDemand) and dropped when left.
//   n + 1    "Segments" (unless switched off): the accumulated variant, segment spectra of
//            every epoch's windows one after another, also on demand.
// Resident memory with the defaults: the raw epochs (about 100 MB), the evoked averages
// (5 MB), the average's spectra (about 65 MB) and, while one is current, one more
// trial's (about 65 MB for an epoch or the segments).
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "host/data/CArrayMEDataSetqv.h"
#include "host/data/MorletSpctmComputation.h"
#include "host/io/DemoRecording.h"

struct DemoDatasetOptions {
  DemoSettings recording;            // seed and epoch count
  SpctmComputationSettings spectra;  // 4-80 Hz in 39 points, cycles f/2, step 10 ms
  bool segmentsTrial = true;         // add the accumulated "Segments" trial
  // Progress of the load: a stage ("Generating the recording", "Computing spectra") and
  // the percentage done of it, on the calling thread or a worker, never twice at once.
  std::function<void(std::string_view stage, int percent)> progress;
};

// Builds the demo dataset. Throws std::invalid_argument for unusable options and
// std::runtime_error when the average's spectra cannot be computed. The installed
// computation reports no progress after the load; set one with
// getSpctmComputation()->setProgress.
std::unique_ptr<CArrayMEDataSetqv> buildDemoDataset(const DemoDatasetOptions& options = {});
