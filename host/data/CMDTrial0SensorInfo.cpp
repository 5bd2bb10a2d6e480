#include "host/data/CMDTrial0SensorInfo.h"

#include <algorithm>

bool CMDTrial0SensorInfo::isMeasure(const CMDChannelqv& ch, Modality m) {
  return (m == kMeg ? ch.isMEGMeasureChannel() : ch.isEEGMeasureChannel()) != 0;
}

double& CMDTrial0SensorInfo::pos2DX(CMDChannelqv& ch, Modality m) { return m == kMeg ? ch.m_dMeg2DX : ch.m_dEeg2DX; }

double& CMDTrial0SensorInfo::pos2DY(CMDChannelqv& ch, Modality m) { return m == kMeg ? ch.m_dMeg2DY : ch.m_dEeg2DY; }

std::int64_t CMDTrial0SensorInfo::countMeasureChannels(Modality m) const {
  return std::count_if(m_channelPtrs.begin(), m_channelPtrs.end(),
                       [m](const CMDChannelqv* ch) { return ch != nullptr && isMeasure(*ch, m); });
}

void CMDTrial0SensorInfo::update2DExtent(Modality m) {
  double ext[4] = {0.0, 0.0, 0.0, 0.0};  // x min, x max, y min, y max
  bool first = true;
  for (CMDChannelqv* ch : m_channelPtrs) {
    if (ch == nullptr || !isMeasure(*ch, m)) continue;
    const double x = pos2DX(*ch, m), y = pos2DY(*ch, m);
    if (first) {
      ext[0] = ext[1] = x;
      ext[2] = ext[3] = y;
      first = false;
    } else {
      ext[0] = std::min(ext[0], x);
      ext[1] = std::max(ext[1], x);
      ext[2] = std::min(ext[2], y);
      ext[3] = std::max(ext[3], y);
    }
  }
  double* fields[4] = {&m_dMeg2DXMin, &m_dMeg2DXMax, &m_dMeg2DYMin, &m_dMeg2DYMax};
  if (m == kEeg) {
    fields[0] = &m_dEeg2DXMin;
    fields[1] = &m_dEeg2DXMax;
    fields[2] = &m_dEeg2DYMin;
    fields[3] = &m_dEeg2DYMax;
  }
  for (int i = 0; i < 4; ++i) *fields[i] = ext[i];
}
