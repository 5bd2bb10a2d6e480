// The flags window's content: one small spectrogram patch per shown sensor, one pixel per
// time and frequency point of the draw window, at the sensor's place on the layout, and
// the automatic colour range over all of them. Called by the paint link (patches) and by
// the flags dialog (autofit).
#pragma once

#include "windows/topo/CStaticSpctmContourMap02Basic.h"

class CStaticSpctmContourMap03Patch : public CStaticSpctmContourMap02Basic {
 public:
  // One patch per non-null, shown channel of the type that has spectral data of
  // m_nSpctmClass, drawn by the engine's showSpctmContourMap (m_nSpctmClass, m_nDataKind)
  // from the draw window's start. The patch is m_nPatchTimePoints wide and
  // m_nPatchFreqPoints high with the unclamped sensor point as its lower-left corner;
  // under m_bNoseUp both its edges are reflected as sensor points are, so the sensor
  // point is then its upper-left corner and frequency still grows upward. Every edge is
  // clamped into the canvas. The mirrored form (m_pRadiology) draws with a green 1-pixel
  // pen selected. 1, or 0 without binding or engine, or for a bad type.
  int drawPatches(CDC* pDC, int nChannelType);

  // Fits the engine's standard range to every patch the normal (not mirrored) layout
  // draws: m_dStdMax = the largest |outer maximum| and m_dStdMin = the smallest |outer
  // minimum| of the patches the engine's autoFitStdViewRng4CrntShowPro fits; both 0 when
  // none fits. 1, or 0 without binding or engine, or for a bad type.
  int autofitAllPatches(int nChannelType);

 protected:
  // The patch rectangle of a channel: left and right columns, bottom (first frequency
  // row) and top (last allowed row), clamped into the canvas.
  CRect patchRect(const CMDChannelqv& channel, int nChannelType, bool mirrored) const;
  // The channel's spectral data when its patch is drawn: non-null, of the type, shown,
  // with spectral data of the class; else null.
  CSpctmChnlqv* patchSpectrum(CMDChannelqv* channel, std::int64_t index, int nChannelType) const;
};
