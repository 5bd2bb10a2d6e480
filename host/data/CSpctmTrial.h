// Spectral trial: the spectral data of one trial and one spectral class. Holds the grid
// (T time points × F frequency points), the time step, the latency of each time point in
// ms, the frequency of each frequency point in Hz, the selection shared by every window,
// and one group summary per data kind. The trial (CMDTrial4Spctm) owns it.
//
// Host-defined meanings:
// - Axis conversions accept every index from 0 to the count (the count itself is one past
//   the last point, extrapolated with the last step; with a single point the step is 0).
//   Indices outside [0, count] are clamped into it. Only a missing axis (count 0) fails:
//   then the result is 0 (or 0.0) and every out-parameter is 0.
// - Selection setters: an end given as −1 keeps its stored value; any other value is
//   clamped into [0, count − 1] (0 without an axis). Begin and end are stored as given, so
//   a selection dragged backwards has begin > end; getSelectWindow orders it.
// - A new grid (setGrid) selects the whole grid and drops the summaries.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/data/CSumChnlSpctmDataqv.h"
#include "host/data/SpctmDefs.h"
#include "host/data/SpctmWindow.h"

class CSpctmTrial {
 public:
  CSpctmTrial() = default;
  CSpctmTrial(const CSpctmTrial&) = delete;
  CSpctmTrial& operator=(const CSpctmTrial&) = delete;

  std::int64_t getTrialSpctmTimePt() const { return m_nTimePt; }
  std::int64_t getTrialSpctmFreqPt() const { return m_nFreqPt; }
  // Raw samples per spectral time point (at least 1).
  std::int64_t getTrialSpctmTimeStep() const { return m_nTimeStep; }

  // Frequency in Hz of point f (f = F gives one past the last point).
  double getSpctmFreq4FreqIndex(std::int64_t f) const;
  // Latency in ms of time point t (t = T gives one past the last point).
  double getSpctmLatencyMs4TimeIndex(std::int64_t t) const;
  // Frequencies of the first and the last frequency point. 1, or 0 without frequencies.
  int getSpctmFreqRangeHz(double& low, double& high) const;
  // Frequencies of two points (each as getSpctmFreq4FreqIndex). 1, or 0 without an axis.
  int getTrialSpctmGivenFreqID4Hz(std::int64_t f0, std::int64_t f1, double& hz0, double& hz1) const;
  // Latencies of two time points (each as getSpctmLatencyMs4TimeIndex). 1, or 0 without an axis.
  int getTrialSpctmGivenTime2LatencyMs(std::int64_t t0, std::int64_t t1, double& ms0, double& ms1) const;

  // The selection: time points and frequency points, begin and end, inclusive.
  void getTrialSpctmSelectTime(std::int64_t& begin, std::int64_t& end) const;
  void setTrialSpctmSelectTime(std::int64_t begin, std::int64_t end);
  void getTrialSpctmSelectFreq(std::int64_t& begin, std::int64_t& end) const;
  void setTrialSpctmSelectFreq(std::int64_t begin, std::int64_t end);
  // Frequencies in Hz of the selection's begin and end points. 1, or 0 without an axis.
  int getTrialSpctmSelectFreqHz(double& begin, double& end) const;
  // The selection's begin corner (time, frequency), and setters of each corner.
  void getTrialSpctmSelectTimeFreqBB(std::int64_t& time, std::int64_t& freq) const;
  void setTrialSpctmSelectTimeFreqBB(std::int64_t time, std::int64_t freq);
  void setTrialSpctmSelectTimeFreqEE(std::int64_t time, std::int64_t freq);
  // The selection with each pair ordered (begin ≤ end), as a window.
  megdata::SpctmWindow getSelectWindow() const;

  // Group summary of a data kind, or null when it has not been computed (or kind is bad).
  CSumChnlSpctmDataqv* getSumChnlSpctmData(int kind) const;

 protected:
  static std::int64_t clampEnd(std::int64_t value, std::int64_t stored, std::int64_t count);

  std::int64_t m_nTimePt = 0;
  std::int64_t m_nFreqPt = 0;
  std::int64_t m_nTimeStep = 1;
  std::vector<double> m_latencyMs;
  std::vector<double> m_freqHz;
  std::int64_t m_nSelTimeBegin = 0;
  std::int64_t m_nSelTimeEnd = 0;
  std::int64_t m_nSelFreqBegin = 0;
  std::int64_t m_nSelFreqEnd = 0;
  std::array<std::unique_ptr<CSumChnlSpctmDataqv>, megdata::kDataKindCount> m_summaries;
};
