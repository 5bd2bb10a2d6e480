// 2-D sensor layout of a trial for the topographic windows: the "2-D plane done" flags and
// the projections and scan that fill the channels' 2-D positions and the trial's 2-D
// extents (CMDTrial0SensorInfo) from the channels' 3-D positions. Called by the
// topographic canvas before it draws; the geometry itself is Projection2D's.
//
// Layout convention: +x toward the right ear, +y toward the BACK of the head, so the nose
// has the smallest y. The canvas draws larger layout y higher on screen and, with its
// "Nose Up" option (on by default), reflects y, drawing larger y lower: the nose then
// lies at the top of the picture and the left sensors on the left.
//
// Host-defined geometry (3-D head coordinates, metres: +x right, +y nose, +z up, origin
// at the centre of the head sphere):
// - project…3Dto2Dstd(scale, markDone): azimuthal equidistant about the vertical axis
//   through the head origin, scale·10 layout units per radian (scale 1: centimetres of
//   arc on a 10 cm sphere), moved so the extent starts at (0, 0) as the canvas, which
//   runs no scan after it, needs. A non-zero markDone sets the plane-done flag.
// - project…3Dto2Dpro(scale, depth): the session-parameterised projection; the session
//   holds the two values (CMEGData::m_dProj2DScale, m_dProj2DDepth). Azimuthal
//   equidistant about the vertical axis through a centre `depth` metres below the head
//   origin, `scale` layout units per radian, not moved (the canvas scans afterwards).
//   Does not set the flag.
// - scan…2Dsz(size): moves and scales the 2-D positions uniformly so that the layout starts
//   at (0, 0) and its larger side spans `size`; sets the plane-done flag.
// Each returns 1, or 0 (positions unchanged) when the modality has no measuring channel,
// when the projection's values are unusable (scale ≤ 0, not finite, a sensor at the
// centre), or, for the scan, when size ≤ 0 or the layout is a single point. Each
// recomputes the modality's extent.
#pragma once

#include <vector>

#include "host/data/CMDTrial4Spctm.h"
#include "host/data/Projection2D.h"

class CMDTrial8Show : public CMDTrial4Spctm {
 public:
  using CMDTrial4Spctm::CMDTrial4Spctm;

  int isMegSnsr2dPlaneDone() const { return m_bMegSnsr2dPlaneDone ? 1 : 0; }
  int isEegElectrod2dPlaneDone() const { return m_bEegElectrod2dPlaneDone ? 1 : 0; }

  int projectMegMeasureSns3Dto2Dstd(double scale, int markDone) { return projectStd(kMeg, scale, markDone); }
  int projectEegMeasureElectrode3Dto2Dstd(double scale, int markDone) { return projectStd(kEeg, scale, markDone); }
  int projectMegMeasureSns3Dto2Dpro(double scale, double depth) { return projectPro(kMeg, scale, depth); }
  int projectEegMeasureSns3Dto2Dpro(double scale, double depth) { return projectPro(kEeg, scale, depth); }
  int scanMegMeasureSns2Dsz(double size) { return scan2D(kMeg, size); }
  int scanEegMeasureSns2Dsz(double size) { return scan2D(kEeg, size); }

  bool m_bMegSnsr2dPlaneDone = false;
  bool m_bEegElectrod2dPlaneDone = false;

 protected:
  int projectStd(Modality m, double scale, int markDone);
  int projectPro(Modality m, double scale, double depth);
  int scan2D(Modality m, double size);
  bool& planeDone(Modality m) { return m == kMeg ? m_bMegSnsr2dPlaneDone : m_bEegElectrod2dPlaneDone; }
  // The measuring channels of a modality in array order, and their 3-D or 2-D positions.
  std::vector<CMDChannelqv*> measureChannels(Modality m) const;
  static std::vector<Point3> positions3D(const std::vector<CMDChannelqv*>& channels);
  // Writes a layout's positions to the channels (same order) and recomputes the extent.
  void store(Modality m, const std::vector<CMDChannelqv*>& channels, const Layout2D& layout);
};
