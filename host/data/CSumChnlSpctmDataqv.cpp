#include "host/data/CSumChnlSpctmDataqv.h"

#include <algorithm>
#include <cmath>

#include "host/data/SpctmDefs.h"

std::unique_ptr<CSumChnlSpctmDataqv> CSumChnlSpctmDataqv::compute(std::int64_t T, std::int64_t F,
                                                                  const std::vector<const double*>& arrays) {
  if (T < 1 || F < 1 || arrays.empty()) return nullptr;
  auto sum = std::make_unique<CSumChnlSpctmDataqv>();
  sum->m_nTimePt = T;
  sum->m_nFreqPt = F;
  sum->m_nChannels = static_cast<std::int64_t>(arrays.size());
  const std::size_t bins = megdata::at(T * F);
  for (auto& a : sum->m_arrays) a.assign(bins, 0.0);

  const double n = static_cast<double>(arrays.size());
  for (std::size_t i = 0; i < bins; ++i) {
    double lo = arrays.front()[i], hi = lo, total = 0.0, squares = 0.0;
    double pos = 0.0, neg = 0.0;
    int nPos = 0, nNeg = 0;
    for (const double* a : arrays) {
      const double v = a[i];
      lo = std::min(lo, v);
      hi = std::max(hi, v);
      total += v;
      squares += v * v;
      if (v > 0.0) {
        pos += v;
        ++nPos;
      } else if (v < 0.0) {
        neg += v;
        ++nNeg;
      }
    }
    const double mean = total / n;
    const double rms = std::sqrt(squares / n);
    sum->m_arrays[kMin][i] = lo;
    sum->m_arrays[kMean][i] = mean;
    sum->m_arrays[kMax][i] = hi;
    sum->m_arrays[kAvgPositive][i] = nPos > 0 ? pos / nPos : 0.0;
    sum->m_arrays[kAvgNegative][i] = nNeg > 0 ? neg / nNeg : 0.0;
    sum->m_arrays[kRmsSign][i] = mean < 0.0 ? -rms : rms;
  }
  return sum;
}
