// Spectral data of a channel: one spectral channel per spectral class (0 Active, 1 Control,
// 2 Results), owned here. Called by the renderers, the channel list and the trial's queries.
//
// Host-defined meaning of the leading bool of getSpctmChnl (the display passes false):
// true creates an empty spectral channel for the class when it is missing.
#pragma once

#include <array>
#include <memory>

#include "host/data/CMDChannel0SensorInfo.h"
#include "host/data/CSpctmChnlqv.h"
#include "host/data/SpctmDefs.h"

class CMDChannel1Spctm : public CMDChannel0SensorInfo {
 public:
  using CMDChannel0SensorInfo::CMDChannel0SensorInfo;

  // The spectral channel of a class, or null when the channel has none (or the class is
  // not 0..2).
  CSpctmChnlqv* getSpctmChnl(bool bCreate, int cls);

 protected:
  std::array<std::unique_ptr<CSpctmChnlqv>, megdata::kSpctmClassCount> m_spctm;
};
