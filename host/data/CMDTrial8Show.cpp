#include "host/data/CMDTrial8Show.h"

#include <algorithm>
#include <cmath>

int CMDTrial8Show::projectStd(Modality m, double scale, int markDone) {
  if (countMeasureChannels(m) == 0) return 0;
  for (CMDChannelqv* ch : m_channelPtrs) {
    if (ch == nullptr || !isMeasure(*ch, m)) continue;
    pos2DX(*ch, m) = scale * ch->m_dPos3D[0];
    pos2DY(*ch, m) = scale * ch->m_dPos3D[1];
  }
  update2DExtent(m);
  if (markDone != 0) planeDone(m) = true;
  return 1;
}

int CMDTrial8Show::projectPro(Modality m, double scale, double depth) {
  const std::int64_t n = countMeasureChannels(m);
  if (n == 0) return 0;
  double centre[3] = {0.0, 0.0, 0.0};
  for (const CMDChannelqv* ch : m_channelPtrs) {
    if (ch == nullptr || !isMeasure(*ch, m)) continue;
    for (int i = 0; i < 3; ++i) centre[i] += ch->m_dPos3D[i] / static_cast<double>(n);
  }
  centre[2] -= depth;
  for (CMDChannelqv* ch : m_channelPtrs) {
    if (ch == nullptr || !isMeasure(*ch, m)) continue;
    const double dx = ch->m_dPos3D[0] - centre[0], dy = ch->m_dPos3D[1] - centre[1];
    const double dz = ch->m_dPos3D[2] - centre[2];
    const double horizontal = std::hypot(dx, dy);
    // A sensor straight above the centre has no azimuth; it lands on the layout's centre.
    const double theta = std::atan2(horizontal, dz);
    pos2DX(*ch, m) = horizontal > 0.0 ? scale * theta * dx / horizontal : 0.0;
    pos2DY(*ch, m) = horizontal > 0.0 ? scale * theta * dy / horizontal : 0.0;
  }
  update2DExtent(m);
  return 1;
}

int CMDTrial8Show::scan2D(Modality m, double size) {
  if (countMeasureChannels(m) == 0 || !(size > 0.0)) return 0;
  update2DExtent(m);
  const double xMin = m == kMeg ? m_dMeg2DXMin : m_dEeg2DXMin, xMax = m == kMeg ? m_dMeg2DXMax : m_dEeg2DXMax;
  const double yMin = m == kMeg ? m_dMeg2DYMin : m_dEeg2DYMin, yMax = m == kMeg ? m_dMeg2DYMax : m_dEeg2DYMax;
  const double span = std::max(xMax - xMin, yMax - yMin);
  if (!(span > 0.0)) return 0;
  const double k = size / span;
  for (CMDChannelqv* ch : m_channelPtrs) {
    if (ch == nullptr || !isMeasure(*ch, m)) continue;
    pos2DX(*ch, m) = (pos2DX(*ch, m) - xMin) * k;
    pos2DY(*ch, m) = (pos2DY(*ch, m) - yMin) * k;
  }
  update2DExtent(m);
  planeDone(m) = true;
  return 1;
}
