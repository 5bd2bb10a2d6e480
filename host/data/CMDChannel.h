// Measurement channel of a trial: its name and raw waveform. The trial owns its channels;
// the windows read the name directly (m_strName) and the waveform strip reads the samples.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CMDChannel {
 public:
  explicit CMDChannel(std::wstring name = {}) : m_strName(std::move(name)) {}
  CMDChannel(const CMDChannel&) = delete;
  CMDChannel& operator=(const CMDChannel&) = delete;

  // The raw samples (one double per raw sample), or null when the channel has none. All
  // channels of a trial with a waveform hold the same number of samples.
  const double* getDataWave() const;
  std::int64_t getDataWaveLength() const;

  std::wstring m_strName;  // channel name, e.g. "MLC11" or "Cz"

 protected:
  std::vector<double> m_wave;
};
