#include "host/data/CMDChannel0SensorInfo.h"

int CMDChannel0SensorInfo::isMEGMeasureChannel() const { return m_nSensorType == kMegSensor ? 1 : 0; }

int CMDChannel0SensorInfo::isEEGMeasureChannel() const { return m_nSensorType == kEegElectrode ? 1 : 0; }
