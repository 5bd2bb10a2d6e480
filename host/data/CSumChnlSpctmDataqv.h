// Most-derived group summary: how the host builds one from the channels' arrays.
// Called by the session's summary computation (CMEGData4SpctmProcess); the display
// only reads the arrays through CSumChnlSpctmData.
#pragma once

#include <memory>
#include <vector>

#include "host/data/CSumChnlSpctmData.h"

class CSumChnlSpctmDataqv : public CSumChnlSpctmData {
 public:
  // Summary of the given T × F arrays, bin by bin: minimum, mean, maximum, mean of the
  // positive values, mean of the negative values, signed RMS. Null when T or F is below
  // 1 or no array is given; null entries of `arrays` are not allowed.
  static std::unique_ptr<CSumChnlSpctmDataqv> compute(std::int64_t T, std::int64_t F,
                                                      const std::vector<const double*>& arrays);
};
