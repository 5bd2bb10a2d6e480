// Processing facts of a spectral trial: whether its spectrum is accumulated (time axis
// counted in segments, not latencies) and which raw samples the waveform strip draws.
// Called by the selection read-out and the waveform strip.
//
// Host-defined meaning of getSelectBE4DrawWave: the raw samples under the whole spectral
// time axis, from the raw sample of time point 0 to the last sample of time point T − 1
// (first + T·step − 1), cut to the raw waveform's length. Sample b lines up with time
// point 0, so the strip matches the spectrogram when its first drawn time point is 0.
#pragma once

#include "host/data/CSpctmTrial.h"

class CSpctmTrial03Process : public CSpctmTrial {
 public:
  // Non-zero when the spectrum is accumulated.
  int isAccumSpctm() const { return m_bAccum ? 1 : 0; }

  // Raw-sample range to draw (inclusive). 1, or 0 with b = e = 0 when there is nothing to
  // draw (no time points, no raw samples, or time point 0 lies past the waveform's end).
  int getSelectBE4DrawWave(std::int64_t& b, std::int64_t& e) const;

 protected:
  bool m_bAccum = false;
  std::int64_t m_nFirstSample = 0;   // raw sample of time point 0
  std::int64_t m_nWaveSamples = 0;   // length of the trial's raw waveforms
};
