// Group summary of one spectral class and data kind: six T × F time-major arrays computed
// by the host over the channels that have spectra. Read by the renderers for data sources
// 1 to 6 and by the range and measurement queries. The arrays are owned here.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

class CSumChnlSpctmData {
 public:
  // Data sources 1..6 index the arrays in this order.
  enum Array { kMin = 0, kMean, kMax, kAvgPositive, kAvgNegative, kRmsSign, kArrayCount };

  CSumChnlSpctmData() = default;

  std::int64_t getTimePt() const { return m_nTimePt; }
  std::int64_t getFreqPt() const { return m_nFreqPt; }

  const double* getMin() const { return array(kMin); }
  const double* getMean() const { return array(kMean); }
  const double* getMax() const { return array(kMax); }
  // Mean of the positive values at each bin; 0 where no channel is positive.
  const double* getAvgPositive() const { return array(kAvgPositive); }
  // Mean of the negative values at each bin; 0 where no channel is negative.
  const double* getAvgNegative() const { return array(kAvgNegative); }
  // Root mean square over the channels, carrying the sign of their mean (0 or + when the
  // mean is 0 or positive, − when it is negative).
  const double* getRmsSign() const { return array(kRmsSign); }

  // The array of a data source 1..6 (1 mean, 2 minimum, 3 maximum, 4 averaged positive,
  // 5 averaged negative, 6 signed RMS); null for any other source or an empty summary.
  const double* getArray4DataSource(int source) const;

  // Number of channels the summary was computed over.
  std::int64_t getChannelCount() const { return m_nChannels; }

 protected:
  const double* array(Array a) const;

  std::int64_t m_nTimePt = 0;
  std::int64_t m_nFreqPt = 0;
  std::int64_t m_nChannels = 0;
  std::array<std::vector<double>, kArrayCount> m_arrays;
};
