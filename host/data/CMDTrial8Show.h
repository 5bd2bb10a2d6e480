// 2-D sensor layout of a trial for the topographic windows: the "2-D plane done" flags and
// the projections and scan that fill the channels' 2-D positions and the trial's 2-D
// extents (CMDTrial0SensorInfo). Called by the topographic canvas before it draws.
//
// Host-defined geometry (3-D head coordinates: +x right, +y nose, +z up):
// - project…3Dto2Dstd(scale, markDone): a view from above, 2-D = scale·(x, y). A non-zero
//   markDone sets the modality's plane-done flag.
// - project…3Dto2Dpro(scale, depth): an azimuthal equidistant projection about the vertical
//   axis through the sensors' centroid, seen from a centre `depth` below the centroid:
//   2-D = scale·θ·(dx, dy)/|(dx, dy)|, θ the angle between the sensor's direction from the
//   centre and +z. The session holds the two values (m_dProj2DScale, m_dProj2DDepth).
// - scan…2Dsz(size): moves and scales the 2-D positions uniformly so that the layout starts
//   at (0, 0) and its larger side spans `size`; sets the plane-done flag.
// Each returns 1, or 0 (positions unchanged) when the modality has no measuring channel,
// or, for the scan, when size ≤ 0 or the layout is a single point. Each recomputes the
// modality's extent.
#pragma once

#include "host/data/CMDTrial4Spctm.h"

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
};
