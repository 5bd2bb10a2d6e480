// The host's spectral computation: rebuilds a trial's three spectral classes from raw
// waveforms. Installed on a session (CMEGData4SpctmProcess::setSpctmComputation), which
// calls it from computTrialSpctm / computTrialSpctmAllPro and then recomputes the group
// summaries. Channels are transformed in parallel; only the windows kept are stored.
//
// For each channel that has a raw waveform in every source (the trial's source trials,
// or the trial itself), by the trial's epoch timing:
// - Wavelet mode (default): the complex Morlet transform of the whole epoch (settings'
//   frequency grid, cycles and time step; sampling rate from the epoch timing), time
//   point k at raw sample k·step. Class 0 (Active) keeps the time points whose sample
//   lies in the Active window, class 1 (Control) those in the Control window; with
//   several sources the real parts, imaginary parts and powers are each averaged over
//   them. Latencies are those of the kept samples (ms from the stimulus), the time step
//   is `step`, and the waveform strip's range starts at the first kept sample.
// - Accumulated mode (CMDTrialqv::isAccumulatedSpctm): segment spectra (SegmentSpectrum)
//   of consecutive `segmentLength`-sample segments of each source's Active window (class
//   0) and Control window (class 1), the sources' segments following each other. The
//   time axis counts segments: latency of time point t is t, the time step is the segment
//   length, the spectral trials are marked accumulated and have no waveform range.
// - Class 2 (Results) has the Active grid and axes and is derived by deriveResults: power
//   compared with Control per frequency by the settings' baseline (relative change by
//   default), real and imaginary parts as differences against the Control mean.
// A spectral trial whose grid keeps its size keeps its selection. Channels without a
// waveform lose their spectral channels. Fails (trial unchanged, lastError says why)
// when no channel has a waveform, sources disagree in channel count or waveform length,
// the timing is unknown or a window holds no time point, or the settings are unusable.
#pragma once

#include <cstdint>

#include "host/compute/MorletSettings.h"
#include "host/compute/SpctmResults.h"
#include "host/data/SpctmComputation.h"

struct SpctmComputationSettings {
  MorletSettings morlet;             // samplingRateHz is replaced by each trial's own
  std::int64_t segmentLength = 200;  // accumulated mode: raw samples per segment
  Baseline baseline = Baseline::RelativeChange;  // how Results power compares with Control
  unsigned threads = 0;              // 0: one per available core
};

class MorletSpctmComputation : public megdata::SpctmComputation {
 public:
  explicit MorletSpctmComputation(SpctmComputationSettings settings = {});

  const SpctmComputationSettings& settings() const { return m_settings; }
  bool computeTrialSpectra(CMDTrialqv& trial) override;

 private:
  SpctmComputationSettings m_settings;
};
