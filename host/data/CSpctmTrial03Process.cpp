#include "host/data/CSpctmTrial03Process.h"

#include <algorithm>

int CSpctmTrial03Process::getSelectBE4DrawWave(std::int64_t& b, std::int64_t& e) const {
  b = e = 0;
  if (m_nTimePt < 1 || m_nFirstSample < 0 || m_nFirstSample >= m_nWaveSamples) return 0;
  b = m_nFirstSample;
  e = std::min(m_nFirstSample + m_nTimePt * m_nTimeStep, m_nWaveSamples) - 1;
  return 1;
}
