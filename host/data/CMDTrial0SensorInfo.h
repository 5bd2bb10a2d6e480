// Sensor facts of a trial: how many measuring MEG sensors and EEG electrodes it has and
// the 2-D extent of each modality's layout, which the topographic canvas reads directly
// to scale the layout to its client area.
//
// Host-defined meanings: getMeasureMegCoilADimension and getMeasureEegElctDimension count
// the measuring channels of the modality. An extent is (0, 0, 0, 0) when the modality has
// no measuring channel; update2DExtent recomputes it from the channels' 2-D positions.
#pragma once

#include "host/data/CMDTrial.h"

class CMDTrial0SensorInfo : public CMDTrial {
 public:
  enum Modality { kMeg, kEeg };

  using CMDTrial::CMDTrial;

  std::int64_t getMeasureMegCoilADimension() const { return countMeasureChannels(kMeg); }
  std::int64_t getMeasureEegElctDimension() const { return countMeasureChannels(kEeg); }

  // Recomputes a modality's extent from the 2-D positions of its measuring channels.
  void update2DExtent(Modality m);

  double m_dMeg2DXMin = 0.0;
  double m_dMeg2DXMax = 0.0;
  double m_dMeg2DYMin = 0.0;
  double m_dMeg2DYMax = 0.0;
  double m_dEeg2DXMin = 0.0;
  double m_dEeg2DXMax = 0.0;
  double m_dEeg2DYMin = 0.0;
  double m_dEeg2DYMax = 0.0;

 protected:
  std::int64_t countMeasureChannels(Modality m) const;
  static bool isMeasure(const CMDChannelqv& ch, Modality m);
  // The channel's 2-D position fields of the modality.
  static double& pos2DX(CMDChannelqv& ch, Modality m);
  static double& pos2DY(CMDChannelqv& ch, Modality m);
};
