// Most-derived channel: how the host (builder, readers, spectral computation) creates a
// channel and stores its waveform and spectral channels. The display reads them through
// the links below.
#pragma once

#include <memory>
#include <vector>

#include "host/data/CMDChannel1Spctm.h"

class CMDChannelqv : public CMDChannel1Spctm {
 public:
  explicit CMDChannelqv(std::wstring name = {}, SensorType type = kOtherChannel)
      : CMDChannel1Spctm(std::move(name), type) {}

  void setDataWave(std::vector<double> samples) { m_wave = std::move(samples); }
  // Stores (or, with null, drops) the spectral channel of a class. Ignored for a bad class.
  void setSpctmChnl(int cls, std::unique_ptr<CSpctmChnlqv> spctm);
  void setPosition3D(double x, double y, double z);
};
