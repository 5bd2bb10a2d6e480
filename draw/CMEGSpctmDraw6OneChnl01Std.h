// Standard single-channel renderers of the draw engine: colouring by magnitude in the
// standard range, with one table or with the polarity pair chosen by the value's sign.
// Called by the show dispatch and by hosts through drawOneSpctmColumnStd; placement,
// raster and results as the window and peak view of CMEGSpctmDraw6OneChnl.
#pragma once

#include "draw/CMEGSpctmDraw6OneChnl.h"

namespace spctmdraw {
struct MagnitudeColour;
}

class CMEGSpctmDraw6OneChnl01Std : public CMEGSpctmDraw6OneChnl {
 public:
  // Fills `rect` with m_crBackground (when a device context is given), then draws with
  // the absolute-value renderer when m_bPolarity is clear, else with the polarity
  // renderer; returns that renderer's result.
  int drawOneSpctmColumnStd(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // |value| in the standard range [m_dStdMin, m_dStdMax] mapped onto the single table.
  int drawOneSpctmColumn01AbsoluteValue(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // |value| in the standard range mapped onto the positive table for values ≥ 0 and the
  // negative table for values < 0.
  int drawOneSpctmColumn2PolarityValue(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);

 private:
  // The common preamble and raster of both, with the rule of the one that calls.
  int drawOneSpctmMagnitude(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind,
                            const spctmdraw::MagnitudeColour& colour);
};
