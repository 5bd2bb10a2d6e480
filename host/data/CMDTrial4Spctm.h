// Spectral side of a trial: one spectral trial per spectral class (owned here), and the
// range and measurement queries of the colour-range dialogs, the single-channel window and
// the measurement dialog. Every query reads the class's spectral trial and either one
// channel's spectrum or the group summary, by data source.
//
// Host-defined meanings, fixed once for every query below:
// - The leading bool of getSpctmTrial (the display passes false): true creates an empty
//   spectral trial for the class when it is missing.
// - Data source: 0 the channel given by the channel index (−1: the current channel);
//   1..6 the group summary's array (1 mean, 2 minimum, 3 maximum, 4 averaged positive,
//   5 averaged negative, 6 signed RMS), the channel index then being ignored.
// - Windows (tb, te, fb, fe) are inclusive point indices. An end given as −1 takes that
//   end of the current selection (with the selection's pairs ordered). The window is then
//   cut to the grid; an inverted window, or one outside the grid, is empty.
// - Failure (missing spectral trial, channel, array or summary; bad class, kind or source;
//   empty window) returns 0 (or an empty text) and sets every out-parameter to 0.
// - Statistics are over the signed values unless the name says Abs; RMS is the root of the
//   mean square; the third result of the range queries is the mean.
// - getSpctmRangeAllChann's flag: non-zero takes only channels that the session shows and
//   keeps good (for all trials); 0 takes every channel with spectra. Always the whole grid.
// - The bool of getSpctmRange4OneChnlShow(Abs): true the whole grid, false the selection.
// - getSpctmSize counts time–frequency points: (te − tb + 1)·(fe − fb + 1) of the window it
//   returns, the whole grid (true) or the ordered selection cut to the grid (false).
// - getSelectSpctmValueXX modes: 1 (and 4) largest magnitude, 2 (and 5) mean magnitude,
//   3 (and 6) RMS, each over the window's time points at one frequency point. values[k]
//   belongs to frequency point fb + k; points outside the grid get 0.0.
// - getSelectSpctmValueX_PhyVirt sums the signed values over the window ("physical"
//   channel or "virtual" group statistic, by data source) and counts them.
// - getSelectSpctmValue2Txt: a table in text. First line "Freq(Hz)/Time(ms)" and the
//   latency of each time point of the window (" %0.3f"); then one line per frequency point
//   of the window, lowest first: its frequency ("%0.3f") and the values (" %f"). Lines end
//   with "\n".
// - findSpctmChnl4Show: makes sure the current channel has a spectrum of the class and
//   kind, else makes the first channel that has one current. 1 when the current channel
//   has one afterwards, else 0 (current channel unchanged).
// - reloadSpctmDataAll: drops the group summaries of every class, so the next computation
//   (computTrialSpctm*, on the session) rebuilds them. 1 when the trial has spectral data.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "host/data/CMDTrial0SensorInfo.h"
#include "host/data/CSpctmTrialqv.h"

class CMDTrial4Spctm : public CMDTrial0SensorInfo {
 public:
  using CMDTrial0SensorInfo::CMDTrial0SensorInfo;

  CSpctmTrialqv* getSpctmTrial(bool bCreate, int cls);

  int getSpctmRangeAllChann(double& lo, double& hi, double& mean, int flag, int cls, int kind);
  int getSpctmRange4OneChnlShow(int source, std::int64_t chnl, double& lo, double& hi, double& mean, bool bWhole,
                                int cls, int kind);
  // As getSpctmRange4OneChnlShow over the magnitudes |v|.
  int getSpctmRange4OneChnlShowAbs(int source, std::int64_t chnl, double& lo, double& hi, double& mean,
                                   bool bWhole, int cls, int kind);
  int findSpctmChnl4Show(int cls, int kind);
  // 1 when the channel (−1: current) has a spectrum of the class and kind.
  int hasSpctmData4Chnl(int cls, int kind, std::int64_t chnl);
  std::int64_t getSpctmSize(bool bAll, std::int64_t& tb, std::int64_t& te, std::int64_t& fb, std::int64_t& fe,
                            int cls);

  // Minimum, mean, maximum and RMS over the window.
  int getSelectSpctmValueMMMR(int source, int cls, int kind, std::int64_t chnl, std::int64_t tb, std::int64_t te,
                              std::int64_t fb, std::int64_t fe, double& mn, double& mean, double& mx, double& rms);
  // One value per frequency point into values[0 .. count − 1] (all set, 0.0 on failure).
  int getSelectSpctmValueXX(int source, int cls, int kind, int mode, std::int64_t chnl, std::int64_t tb,
                            std::int64_t te, std::int64_t fb, std::int64_t fe, std::int64_t count, double* values);
  std::wstring getSelectSpctmValue2Txt(int source, int cls, int kind, std::int64_t chnl, std::int64_t tb,
                                       std::int64_t te, std::int64_t fb, std::int64_t fe);
  int getSelectSpctmValueX_PhyVirt(int source, std::int64_t chnl, std::int64_t tb, std::int64_t te, std::int64_t fb,
                                   std::int64_t fe, double& sum, std::int64_t& points, int cls, int kind);
  int reloadSpctmDataAll();

  // The one answer to "which array does data source N mean", for the queries above, the
  // single-channel renderers and their callers: the spectrum of the class and kind of the
  // channel (−1: current) with its own counts for source 0; the class's group summary
  // array of the kind with the summary's counts for 1..6. Null and T = F = 0 when a piece
  // is missing or the source lies outside 0..6. The array belongs to the trial.
  const double* sourceArray(int source, std::int64_t chnl, int cls, int kind, std::int64_t& T, std::int64_t& F);

 protected:
  // The window with −1 ends taken from the class's selection (not yet cut to the grid).
  megdata::SpctmWindow resolveWindow(int cls, std::int64_t tb, std::int64_t te, std::int64_t fb,
                                     std::int64_t fe) const;
  // Statistics of a data source over a resolved window cut to its grid.
  megdata::SpctmStats sourceStats(int source, std::int64_t chnl, int cls, int kind,
                                  const megdata::SpctmWindow& window);
  // Statistics of a data source over the whole grid (bWhole) or the selection.
  megdata::SpctmStats rangeStats(int source, std::int64_t chnl, bool bWhole, int cls, int kind);

  std::array<std::unique_ptr<CSpctmTrialqv>, megdata::kSpctmClassCount> m_spctmTrials;
};
