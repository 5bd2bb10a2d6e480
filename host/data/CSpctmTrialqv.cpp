#include "host/data/CSpctmTrialqv.h"

#include <algorithm>
#include <utility>

void CSpctmTrialqv::setGrid(std::int64_t T, std::int64_t F) {
  m_nTimePt = std::max<std::int64_t>(T, 0);
  m_nFreqPt = std::max<std::int64_t>(F, 0);
  m_latencyMs.resize(megdata::at(m_nTimePt));
  m_freqHz.resize(megdata::at(m_nFreqPt));
  for (std::size_t i = 0; i < m_latencyMs.size(); ++i) m_latencyMs[i] = static_cast<double>(i);
  for (std::size_t i = 0; i < m_freqHz.size(); ++i) m_freqHz[i] = static_cast<double>(i);
  m_nSelTimeBegin = m_nSelFreqBegin = 0;
  m_nSelTimeEnd = std::max<std::int64_t>(m_nTimePt - 1, 0);
  m_nSelFreqEnd = std::max<std::int64_t>(m_nFreqPt - 1, 0);
  for (auto& s : m_summaries) s.reset();
}

int CSpctmTrialqv::setTimeStep(std::int64_t step) {
  if (step < 1) return 0;
  m_nTimeStep = step;
  return 1;
}

int CSpctmTrialqv::setLatencies(std::vector<double> ms) {
  if (ms.size() != megdata::at(m_nTimePt)) return 0;
  m_latencyMs = std::move(ms);
  return 1;
}

int CSpctmTrialqv::setFrequencies(std::vector<double> hz) {
  if (hz.size() != megdata::at(m_nFreqPt)) return 0;
  m_freqHz = std::move(hz);
  return 1;
}

void CSpctmTrialqv::setWaveRange(std::int64_t firstSample, std::int64_t waveSamples) {
  m_nFirstSample = firstSample;
  m_nWaveSamples = waveSamples;
}

void CSpctmTrialqv::setSumChnlSpctmData(int kind, std::unique_ptr<CSumChnlSpctmDataqv> summary) {
  if (megdata::isDataKind(kind)) m_summaries[megdata::at(kind)] = std::move(summary);
}
