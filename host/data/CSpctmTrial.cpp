#include "host/data/CSpctmTrial.h"

#include <algorithm>

namespace {

// Value of an axis at index i in [0, n], n being one past the last point.
double axisValue(const std::vector<double>& axis, std::int64_t i) {
  const auto n = static_cast<std::int64_t>(axis.size());
  if (n == 0) return 0.0;
  i = std::clamp<std::int64_t>(i, 0, n);
  if (i < n) return axis[megdata::at(i)];
  const double step = n >= 2 ? axis[megdata::at(n - 1)] - axis[megdata::at(n - 2)] : 0.0;
  return axis.back() + step;
}

}  // namespace

double CSpctmTrial::getSpctmFreq4FreqIndex(std::int64_t f) const { return axisValue(m_freqHz, f); }

double CSpctmTrial::getSpctmLatencyMs4TimeIndex(std::int64_t t) const { return axisValue(m_latencyMs, t); }

int CSpctmTrial::getSpctmFreqRangeHz(double& low, double& high) const {
  return getTrialSpctmGivenFreqID4Hz(0, m_nFreqPt - 1, low, high);
}

int CSpctmTrial::getTrialSpctmGivenFreqID4Hz(std::int64_t f0, std::int64_t f1, double& hz0, double& hz1) const {
  hz0 = axisValue(m_freqHz, f0);
  hz1 = axisValue(m_freqHz, f1);
  return m_freqHz.empty() ? 0 : 1;
}

int CSpctmTrial::getTrialSpctmGivenTime2LatencyMs(std::int64_t t0, std::int64_t t1, double& ms0,
                                                  double& ms1) const {
  ms0 = axisValue(m_latencyMs, t0);
  ms1 = axisValue(m_latencyMs, t1);
  return m_latencyMs.empty() ? 0 : 1;
}

std::int64_t CSpctmTrial::clampEnd(std::int64_t value, std::int64_t stored, std::int64_t count) {
  if (value == -1) return stored;
  return std::clamp<std::int64_t>(value, 0, std::max<std::int64_t>(count - 1, 0));
}

void CSpctmTrial::getTrialSpctmSelectTime(std::int64_t& begin, std::int64_t& end) const {
  begin = m_nSelTimeBegin;
  end = m_nSelTimeEnd;
}

void CSpctmTrial::setTrialSpctmSelectTime(std::int64_t begin, std::int64_t end) {
  m_nSelTimeBegin = clampEnd(begin, m_nSelTimeBegin, m_nTimePt);
  m_nSelTimeEnd = clampEnd(end, m_nSelTimeEnd, m_nTimePt);
}

void CSpctmTrial::getTrialSpctmSelectFreq(std::int64_t& begin, std::int64_t& end) const {
  begin = m_nSelFreqBegin;
  end = m_nSelFreqEnd;
}

void CSpctmTrial::setTrialSpctmSelectFreq(std::int64_t begin, std::int64_t end) {
  m_nSelFreqBegin = clampEnd(begin, m_nSelFreqBegin, m_nFreqPt);
  m_nSelFreqEnd = clampEnd(end, m_nSelFreqEnd, m_nFreqPt);
}

int CSpctmTrial::getTrialSpctmSelectFreqHz(double& begin, double& end) const {
  return getTrialSpctmGivenFreqID4Hz(m_nSelFreqBegin, m_nSelFreqEnd, begin, end);
}

void CSpctmTrial::getTrialSpctmSelectTimeFreqBB(std::int64_t& time, std::int64_t& freq) const {
  time = m_nSelTimeBegin;
  freq = m_nSelFreqBegin;
}

void CSpctmTrial::setTrialSpctmSelectTimeFreqBB(std::int64_t time, std::int64_t freq) {
  m_nSelTimeBegin = clampEnd(time, m_nSelTimeBegin, m_nTimePt);
  m_nSelFreqBegin = clampEnd(freq, m_nSelFreqBegin, m_nFreqPt);
}

void CSpctmTrial::setTrialSpctmSelectTimeFreqEE(std::int64_t time, std::int64_t freq) {
  m_nSelTimeEnd = clampEnd(time, m_nSelTimeEnd, m_nTimePt);
  m_nSelFreqEnd = clampEnd(freq, m_nSelFreqEnd, m_nFreqPt);
}

megdata::SpctmWindow CSpctmTrial::getSelectWindow() const {
  return megdata::SpctmWindow{std::min(m_nSelTimeBegin, m_nSelTimeEnd), std::max(m_nSelTimeBegin, m_nSelTimeEnd),
                              std::min(m_nSelFreqBegin, m_nSelFreqEnd), std::max(m_nSelFreqBegin, m_nSelFreqEnd)};
}

CSumChnlSpctmDataqv* CSpctmTrial::getSumChnlSpctmData(int kind) const {
  return megdata::isDataKind(kind) ? m_summaries[megdata::at(kind)].get() : nullptr;
}
