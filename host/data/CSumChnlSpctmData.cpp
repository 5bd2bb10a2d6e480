#include "host/data/CSumChnlSpctmData.h"

const double* CSumChnlSpctmData::array(Array a) const {
  const std::vector<double>& v = m_arrays[static_cast<std::size_t>(a)];
  return v.empty() ? nullptr : v.data();
}

const double* CSumChnlSpctmData::getArray4DataSource(int source) const {
  // The display's data-source order (mean first) differs from the storage order (min first).
  switch (source) {
    case 1: return getMean();
    case 2: return getMin();
    case 3: return getMax();
    case 4: return getAvgPositive();
    case 5: return getAvgNegative();
    case 6: return getRmsSign();
    default: return nullptr;
  }
}
