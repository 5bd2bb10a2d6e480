// The demo recording (host/io/DemoRecording.h) laid out as a file reader delivers a real
// one: epochs joined into one continuous recording, samples in SI units (MEG in tesla, EEG
// in volts), one trigger event of code 1 at each epoch's stimulus sample and, optionally,
// a stimulus channel carrying the same triggers. Used by the reader round-trip tests (to
// write the demo in each format) and by the epoching tests, which must find the demo's
// epochs again.
#pragma once

#include <cstdint>

#include "host/io/DemoRecording.h"
#include "host/io/Recording.h"

struct DemoAsRecordingOptions {
  DemoSettings demo;                   // seed and epoch count of the generated recording
  bool stimulusChannel = true;         // add "STI 014" after the sensors
  std::int64_t triggerSamples = 5;     // how long the stimulus channel holds each trigger
  std::int64_t triggerCode = 1;        // the events' code and the stimulus channel's value
};

// The name of the stimulus channel the conversion adds.
inline constexpr const char* kDemoStimulusChannel = "STI 014";

// Epoch e's stimulus is at sample e * samplesPerEpoch + timing.stimulusSample of the
// result; channel c of the demo is channel c here, with its position, orientation and bad
// flag. Format "demo", path empty.
Recording demoAsRecording(const DemoRecording& demo, const DemoAsRecordingOptions& options = {});
// Generates the demo recording of `options.demo` and converts it.
Recording demoAsRecording(const DemoAsRecordingOptions& options = {});
