// Spectral facts of the session's current trial: latencies of time points and counts of
// the modalities that have spectra. Called by the selection read-outs, the measurement
// dialog, the contour window's range texts and the single-channel channel list.
//
// Host-defined meanings: each operation reads the current trial's spectral trial of the
// class; the data kind is accepted for the calling order and does not change a latency.
// Conversions behave as CSpctmTrial's (index count = one past the last point, indices
// clamped into [0, count]); without a current trial or spectral trial they fail with 0
// and every out-parameter 0. getSpctmChnlMegEeg counts the current trial's measuring MEG
// and EEG channels that have a spectral channel of any class; 1, or 0 without a trial.
#pragma once

#include "host/data/CMEGData2Process.h"

class CMEGData3Spctm : public CMEGData2Process {
 public:
  using CMEGData2Process::CMEGData2Process;

  int getTrialSpctmGivenTime2LatencyMsec(std::int64_t t0, std::int64_t t1, double& ms0, double& ms1, int cls,
                                         int kind) const;
  // Latencies of the class's current selection (begin and end time points as stored).
  int getTrialSpctmSelectTime2LatencyMsec(double& ms0, double& ms1, int cls, int kind) const;
  double getLatencyMs4SpctmTimePt(std::int64_t t, int cls, int kind) const;
  int getSpctmChnlMegEeg(std::int64_t& nMeg, std::int64_t& nEeg) const;

 protected:
  // The current trial's spectral trial of a class, or null.
  CSpctmTrialqv* currentSpctmTrial(int cls) const;
};
