// The marks and texts the topographic canvas draws over its content: a circle per sensor
// coloured by the channel's state, the sensor names (mono-colour or coloured by
// hemisphere and region), the time–frequency window's text and the colour scale. Called
// by the paint link's drawAll on the off-screen image after the scale is known.
#pragma once

#include "windows/topo/CStaticSpctmContourMap01Process.h"

class CStaticSpctmContourMap02Basic : public CStaticSpctmContourMap01Process {
 public:
  // Label colour of a sensor name in the spatial mode, by its second character (region:
  // C, F, O, P) and first character (hemisphere: L, R), e.g. "LC11" RGB(0,255,153).
  static COLORREF spatialLabelColor(const CString& label);

  // Sensor circles, only when "Sensor" is ticked: for every measuring channel of the type,
  // shown or hidden, a circle of radius *m_pSensorSize around its sensor point with a pen
  // of width m_nSensorPenWidth: yellow when selected, red for the shown current channel,
  // m_crFore for other shown channels, grey when hidden. 1 when drawn or not asked for;
  // 0 without binding or sensor size, or for a bad type. The mirrored form follows
  // m_pRadiology.
  int drawSensors(CDC* pDC, int nChannelType);

  // Sensor names, only when "Label" is ticked, in the name font on a transparent
  // background, each with its bottom-right corner at its sensor point. Normal layout: the
  // last four characters (m_nNameLengthMode 1), the first four (2) or all (3), in
  // m_crLabel (m_nNameColorMode 0) or the spatial colour (1). Radiology layout: always the
  // last four characters in the spatial colour. 1 when drawn or not asked for; 0 without
  // binding or for a bad type. The DC's text colour, background mode and font are kept.
  int drawLabels(CDC* pDC, int nChannelType);

  // With m_bShowInfo: "Time:%0.1f~%0.1fms(%I64d->%I64d); Freq:%0.1f~%0.1fHz (%I64d->%I64d)"
  // of the window from the engine's start over m_nPatchTimePoints and m_nPatchFreqPoints
  // (latencies and frequencies of its ends, each bracket the start index and the class's
  // point count), white on black in the name font, at the canvas's bottom-left. 1 when
  // drawn, 0 without binding, engine or spectral trial.
  int drawTimeFreqInfo(CDC* pDC);

  // With m_bShowScale and outside the Lines display: the engine's horizontal standard
  // legend in the bottom 20 pixels over the full width, or else the vertical one (standard
  // or window/peak by m_bStdRender) from 90 to 60 pixels left of the right edge, 20 steps.
  void drawColorScale(CDC* pDC);
};
