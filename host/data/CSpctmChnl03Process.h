// Window statistics of one spectral channel: the value the topographic contour field takes
// per sensor, and the statistics the trial's range and measurement queries gather.
// Windows are inclusive point indices, cut to the grid; inverted windows are empty.
#pragma once

#include "host/data/CSpctmChnl.h"
#include "host/data/SpctmWindow.h"

class CSpctmChnl03Process : public CSpctmChnl {
 public:
  // Mean of the kind's values over time points t0..t1 and frequency points f0..f1. The
  // window is cut to the grid; 0.0 when it is then empty (inverted, outside) or the kind
  // is missing.
  double getSelectSpctmValue(std::int64_t t0, std::int64_t t1, std::int64_t f0, std::int64_t f1, int kind) const;

  // Statistics of the kind's values over the window cut to the grid (count 0 when empty).
  megdata::SpctmStats getSpctmStats(int kind, const megdata::SpctmWindow& window) const;
};
