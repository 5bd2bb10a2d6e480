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
//          35 degrees): from +150 to +650 ms its amplitude drops to 0.35 (power -88 %).
//          Strongest at MZO01, MLO34, MRO34 and POz, Oz.
//   beta   20 Hz, ongoing (MEG 45 fT, EEG 4.5 uV), two sources over left and right
//          central cortex (width 22 degrees): from +500 to +800 ms its amplitude rises
//          to 2 times (power +300 %), the post-movement rebound. Strongest at MLC32,
//          MRC32, MLC23 and C1, C2.
//   gamma  60 Hz, only from +100 to +300 ms (MEG 25 fT, EEG 2.5 uV), a narrow source low
//          on the occipital pole (width 15 degrees): a few occipital sensors, strongest
//          at MZO02, MLO44, MRO44 and Oz. Seen through a 60 Hz wavelet of 30 cycles
//          (envelope sigma 80 ms), it spreads over about 0 to 400 ms.
// Each change is fully on between the stated times and ramps in over the 50 ms before
// and out over the 50 ms after them (raised cosine). With the default 20 epochs, the
// epoch average's Results (relative change against Control) read about -0.8 for alpha,
// +2.5 to +3.5 for beta and +3 to +5 for gamma at those sensors; over all channels and
// bins, 90 % of the values lie within +-0.5 and 99 % within +-1.2 (the Control mean of
// 300 ms x 20 epochs is itself uncertain by about 20 % at the higher frequencies).
// Bad channel: exactly one, MRT21, with eight times the noise and a slow drift.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "host/data/EpochTiming.h"
#include "host/data/SensorGeometry.h"

struct DemoSettings {
  std::uint64_t seed = 20080120;
  std::int64_t epochs = 20;
};

struct DemoChannel {
  std::string name;
  SensorKind kind = SensorKind::Eeg;
  Point3 position;     // metres, head frame
  Point3 orientation;  // unit outward normal
  bool bad = false;
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
  // 1 kHz, stimulus at sample 600, Active samples 600..1599, Control 250..549.
  megdata::EpochTiming timing{1000.0, 600, {600, 1600}, {250, 550}};
  std::int64_t epochCount = 0;
  std::int64_t samplesPerEpoch = 2000;
  std::vector<DemoChannel> channels;
  std::vector<DemoEffect> effects;  // alpha, beta, gamma in that order
  // Raw samples, epoch by epoch, channel by channel within an epoch.
  std::vector<double> samples;

  std::span<const double> wave(std::int64_t epoch, std::int64_t channel) const;
  // Index of the channel with this name, or -1.
  std::int64_t channelIndex(const std::string& name) const;
};

// Same settings give the same recording, byte for byte. Throws std::invalid_argument for
// fewer than one epoch.
DemoRecording generateDemoRecording(const DemoSettings& settings = {});
