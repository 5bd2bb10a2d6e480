// Most-derived spectral trial: how the host (builder, spectral computation, summary
// computation) sets the grid, the axes, the flags and the group summaries. The display
// reads them through CSpctmTrial and CSpctmTrial03Process.
#pragma once

#include <memory>
#include <vector>

#include "host/data/CSpctmTrial03Process.h"

class CSpctmTrialqv : public CSpctmTrial03Process {
 public:
  // A new T × F grid (counts below 0 become 0): latencies 0, 1, … ms and frequencies
  // 0, 1, … Hz until set, the whole grid selected, the summaries dropped.
  void setGrid(std::int64_t T, std::int64_t F);
  // Raw samples per time point. 1, or 0 (unchanged) when below 1.
  int setTimeStep(std::int64_t step);
  // One latency (ms) per time point. 1, or 0 (unchanged) when the size is not T.
  int setLatencies(std::vector<double> ms);
  // One frequency (Hz) per frequency point. 1, or 0 (unchanged) when the size is not F.
  int setFrequencies(std::vector<double> hz);
  void setAccumSpctm(bool accumulated) { m_bAccum = accumulated; }
  // Raw sample of time point 0 and the length of the trial's raw waveforms.
  void setWaveRange(std::int64_t firstSample, std::int64_t waveSamples);
  // Stores (or, with null, drops) the group summary of a kind. Ignored for a bad kind.
  void setSumChnlSpctmData(int kind, std::unique_ptr<CSumChnlSpctmDataqv> summary);
};
