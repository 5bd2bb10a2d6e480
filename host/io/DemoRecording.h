// The demo recording: a seeded, deterministic MEG + EEG recording with known oscillatory
// effects, what the application shows on a machine without data. Generates plain arrays
// (channels with names, kinds, 3-D positions, a bad flag, raw samples per epoch); the
// host's data model turns them into sessions, trials and channels.
//
// Layout. The channels are the sensors of megHelmet() (axial MEG, values in fT) followed
// by the electrodes of eegMontage1010() (EEG, values in microvolts), in that order.
// Sampled at 1 kHz; every epoch is 2000 samples from -600 ms to +1400 ms, the stimulus at
// sample 600 (0 ms). Control window: -350 to -50 ms (samples 250..549); Active window:
// 0 to +1000 ms (samples 600..1599). Both stay 240 samples clear of the epoch's ends, the
// reach of a 4-80 Hz transform with cycles = f/2, so edges do not bias them.
//
// Background: 1/f noise per channel (MEG 60 fT, EEG 6 uV standard deviation), 30 % of its
// power shared with neighbouring channels through six smooth sources around the head.
//
// Effects (each an oscillation whose amplitude at a channel is the effect's peak
// amplitude times the channel's weight: exp(-a^2 / 2w^2) for the angle a between the
// channel's direction from the head centre and the effect's source direction; phase
// random per epoch, shared by all channels; amplitude jitters +-20 % between epochs):
//   alpha  10 Hz, ongoing (MEG 150 fT, EEG 15 uV), source at the occipital pole (width
//          35 degrees): from +150 to +650 ms its amplitude drops to 0.35 (power -88 %);
//   beta   20 Hz, ongoing (MEG 45 fT, EEG 4.5 uV), two sources over left and right
//          central cortex (width 22 degrees): from +500 to +800 ms its amplitude rises
//          to 2.5 times (power +525 %), the post-movement rebound;
//   gamma  60 Hz, only from +100 to +300 ms (MEG 40 fT, EEG 4 uV), a narrow source low
//          on the occipital pole (width 15 degrees): a few occipital sensors.
// Each change is fully on between the stated times and ramps in over the 50 ms before
// and out over the 50 ms after them (raised cosine).
// Bad channel: exactly one, MRT21, with eight times the noise and a slow drift.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "host/data/SensorGeometry.h"

struct DemoSettings {
  std::uint64_t seed = 20080120;
  std::int64_t epochs = 12;
};

struct DemoChannel {
  std::string name;
  SensorKind kind = SensorKind::Eeg;
  Point3 position;     // metres, head frame
  Point3 orientation;  // unit outward normal
  bool bad = false;
};

// A span of an epoch in samples, [begin, end).
struct SampleWindow {
  std::int64_t begin = 0;
  std::int64_t end = 0;
};

struct DemoEffect {
  std::string name;        // "alpha", "beta", "gamma"
  double frequencyHz = 0;  // of the oscillation
  double beginMs = 0;      // when the change is fully on, relative to the stimulus
  double endMs = 0;
  double amplitudeFactor = 0;  // amplitude during the change relative to before (gamma:
                               // 0 before, so the factor is infinite: it only appears)
  std::vector<double> weight;  // per channel, 0..1; the effect's sensors have >= 0.5
};

struct DemoRecording {
  double samplingRateHz = 1000.0;
  std::int64_t epochCount = 0;
  std::int64_t samplesPerEpoch = 2000;
  std::int64_t stimulusSample = 600;
  SampleWindow control{250, 550};
  SampleWindow active{600, 1600};
  std::vector<DemoChannel> channels;
  std::vector<DemoEffect> effects;  // alpha, beta, gamma in that order
  // Raw samples, epoch by epoch, channel by channel within an epoch.
  std::vector<double> samples;

  std::span<const double> wave(std::int64_t epoch, std::int64_t channel) const;
  double latencyMs(std::int64_t sample) const {
    return static_cast<double>(sample - stimulusSample) * 1000.0 / samplingRateHz;
  }
  // Index of the channel with this name, or -1.
  std::int64_t channelIndex(const std::string& name) const;
};

// Same settings give the same recording, byte for byte. Throws std::invalid_argument for
// fewer than one epoch.
DemoRecording generateDemoRecording(const DemoSettings& settings = {});
