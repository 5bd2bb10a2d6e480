// Sensor facts of a channel: its modality (MEG sensor, EEG electrode or neither), its 3-D
// position and its 2-D layout positions. The topographic canvas reads the 2-D positions
// directly; the trial's projections (CMDTrial8Show) write them from the 3-D position.
#pragma once

#include "host/data/CMDChannel.h"

class CMDChannel0SensorInfo : public CMDChannel {
 public:
  enum SensorType { kMegSensor, kEegElectrode, kOtherChannel };

  explicit CMDChannel0SensorInfo(std::wstring name = {}, SensorType type = kOtherChannel)
      : CMDChannel(std::move(name)), m_nSensorType(type) {}

  // Non-zero for a measuring channel of that modality.
  int isMEGMeasureChannel() const;
  int isEEGMeasureChannel() const;
  SensorType getSensorType() const { return m_nSensorType; }

  // 2-D layout positions (layout units; +x toward the right ear, +y toward the back of
  // the head, see CMDTrial8Show). A MEG sensor uses the MEG pair, an EEG electrode the
  // EEG pair; the other pair stays 0.
  double m_dMeg2DX = 0.0;
  double m_dMeg2DY = 0.0;
  double m_dEeg2DX = 0.0;
  double m_dEeg2DY = 0.0;
  // 3-D position (head coordinates: +x right, +y nose, +z up), source of the projections.
  double m_dPos3D[3] = {0.0, 0.0, 0.0};

 protected:
  SensorType m_nSensorType;
};
