#include "host/data/CMDTrial8Show.h"

#include <cmath>

std::vector<CMDChannelqv*> CMDTrial8Show::measureChannels(Modality m) const {
  std::vector<CMDChannelqv*> channels;
  for (CMDChannelqv* ch : m_channelPtrs) {
    if (ch != nullptr && isMeasure(*ch, m)) channels.push_back(ch);
  }
  return channels;
}

std::vector<Point3> CMDTrial8Show::positions3D(const std::vector<CMDChannelqv*>& channels) {
  std::vector<Point3> points;
  points.reserve(channels.size());
  for (const CMDChannelqv* ch : channels) points.push_back({ch->m_dPos3D[0], ch->m_dPos3D[1], ch->m_dPos3D[2]});
  return points;
}

void CMDTrial8Show::store(Modality m, const std::vector<CMDChannelqv*>& channels, const Layout2D& layout) {
  for (std::size_t i = 0; i < channels.size(); ++i) {
    pos2DX(*channels[i], m) = layout.positions[i].x;
    pos2DY(*channels[i], m) = layout.positions[i].y;
  }
  update2DExtent(m);
}

int CMDTrial8Show::projectStd(Modality m, double scale, int markDone) {
  const std::vector<CMDChannelqv*> channels = measureChannels(m);
  if (channels.empty() || !(scale > 0.0) || !std::isfinite(scale)) return 0;
  store(m, channels, projectStandard(positions3D(channels), Point3{}, scale, true));
  if (markDone != 0) planeDone(m) = true;
  return 1;
}

int CMDTrial8Show::projectPro(Modality m, double scale, double depth) {
  const std::vector<CMDChannelqv*> channels = measureChannels(m);
  if (channels.empty()) return 0;
  const std::optional<Layout2D> layout = projectParameterised(positions3D(channels), {scale, depth});
  if (!layout) return 0;
  store(m, channels, *layout);
  return 1;
}

int CMDTrial8Show::scan2D(Modality m, double size) {
  const std::vector<CMDChannelqv*> channels = measureChannels(m);
  if (channels.empty()) return 0;
  Layout2D layout;
  for (CMDChannelqv* ch : channels) layout.positions.push_back({pos2DX(*ch, m), pos2DY(*ch, m)});
  // Left unscaled on failure, so the channels keep their positions.
  if (!scanToSize(layout, size)) return 0;
  store(m, channels, layout);
  planeDone(m) = true;
  return 1;
}
