// Most-derived spectral channel: how the host (builder, spectral computation) stores the
// arrays. The display reads them through CSpctmChnl and CSpctmChnl03Process.
#pragma once

#include <vector>

#include "host/data/CSpctmChnl03Process.h"

class CSpctmChnlqv : public CSpctmChnl03Process {
 public:
  // Stores the T × F time-major array of a kind, replacing any earlier one. Returns 1, or
  // 0 (nothing stored) when the kind is not 0..2, T or F is below 1, or the array does not
  // hold exactly T·F values.
  int setSpctmData(int kind, std::int64_t T, std::int64_t F, std::vector<double> values);

  // Drops the array of a kind (all kinds for −1).
  void clearSpctmData(int kind);
};
