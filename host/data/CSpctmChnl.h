// Spectral channel: one channel's spectra of one spectral class, a T × F time-major array
// (element t·F + f) per data kind (0 real, 1 imaginary, 2 power). The renderers read the
// arrays through getSpctmDataPtr; the channel object (CMDChannel1Spctm) owns this one.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "host/data/SpctmDefs.h"

class CSpctmChnl {
 public:
  CSpctmChnl() = default;

  // The array of a data kind, or null when the channel has none of that kind (or the kind
  // is not 0, 1 or 2). T and F receive the array's counts when given (0 with a null result).
  const double* getSpctmDataPtr(int kind, std::int64_t* T = nullptr, std::int64_t* F = nullptr) const;

  // Whether an array of the kind is present.
  int hasSpctmData(int kind) const { return getSpctmDataPtr(kind) != nullptr ? 1 : 0; }

 protected:
  struct KindArray {
    std::int64_t timePt = 0;
    std::int64_t freqPt = 0;
    std::vector<double> values;
  };
  std::array<KindArray, megdata::kDataKindCount> m_kinds;
};
