// What the person does to the topographic canvas with mouse and keys: picking the sensor
// under a point (which the owning dialog calls on a click) and stepping the draw window's
// start with the arrow keys (which the paint link's key handler calls).
#pragma once

#include "windows/topo/CStaticSpctmContourMap.h"

class CStaticSpctmContourMap01Process : public CStaticSpctmContourMap {
 public:
  // Picks the first non-null channel of the type, in array order (hidden ones too), whose
  // clamped sensor point lies less than the sensor size from `point` on both axes. The
  // hit becomes the trial's current channel and its name m_strChannelName; with
  // switchSelection its selection for all trials is toggled, then with switchVisibility
  // its show flag; the off-screen image is deleted and the canvas invalidated without
  // erasing. 1 on a hit; 0 with no hit or no binding (nothing changed). Without a sensor
  // size, 1 and nothing done. The mirrored form follows m_pRadiology.
  int pickSensor(CPoint point, BOOL switchSelection, BOOL switchVisibility, int nChannelType);

  // One arrow key's step of the engine's draw window start: Left −m_nStepX time points
  // (not below 0), Right +m_nStepX (T or beyond becomes T − 1), Up +m_nStepY frequency
  // points (F or beyond becomes F − 1), Down −m_nStepY (not below 0), for the spectral
  // trial of m_nSpctmClass. 1 when a step was applied; 0 for another key or without
  // binding, engine or spectral trial.
  int stepWindow4Key(UINT nChar);
};
