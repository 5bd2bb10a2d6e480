#include "host/data/CMDChannel.h"

const double* CMDChannel::getDataWave() const { return m_wave.empty() ? nullptr : m_wave.data(); }

std::int64_t CMDChannel::getDataWaveLength() const { return static_cast<std::int64_t>(m_wave.size()); }
