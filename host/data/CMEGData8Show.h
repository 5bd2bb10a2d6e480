// Display queries of a session over its current trial: one channel's spectrum with its
// counts (column view), display names of channels and group statistics, and the waveform
// strip's vertical gain per channel. Index −1 is the current trial's current channel.
//
// Host-defined meanings:
// - getChnlSpctmData(index, shownOnly, cls, kind, T, F): the channel's array of the class
//   and kind; with shownOnly true a channel the session does not show gives null.
//   T and F receive the counts (0 with null).
// - getChnlName_PhycVirt(index, physical): true gives the name of the channel at that
//   index (empty for none); false names a "virtual" channel, the group statistic of data
//   source 1..6: "Group Mean", "Group Min", "Group Max", "Average Positive",
//   "Average Negative", "RMS-sign" (empty for any other index).
// - getShowZoomChnl / setShowZoomChnl: the gain in pixels per unit of the raw signal, per
//   channel for all trials, 1.0 until set. The getter gives 0.0 for no channel; the setter
//   takes only finite values above 0 (else 0, unchanged).
#pragma once

#include <string>

#include "host/data/CMEGData4SpctmProcess.h"

class CMEGData8Show : public CMEGData4SpctmProcess {
 public:
  using CMEGData4SpctmProcess::CMEGData4SpctmProcess;

  const double* getChnlSpctmData(std::int64_t index, bool shownOnly, int cls, int kind, std::int64_t& T,
                                 std::int64_t& F);
  std::wstring getChnlName_PhycVirt(std::int64_t index, bool physical) const;
  double getShowZoomChnl(std::int64_t index) const;
  int setShowZoomChnl(std::int64_t index, double gain);
};
