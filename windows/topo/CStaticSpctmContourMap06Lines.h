// The contour window's contour lines: levels from m_dLineThreshold up to the field's
// largest magnitude at both signs, traced through the value grid by the host's
// contour-line map and drawn over (or instead of) the colour field with the pens of the
// line colour mode. Called by the paint link and by the contour dialog (recompute after
// a new window, kind, class or mode).
#pragma once

#include "host/render/CContourLineMapqv.h"
#include "platform/gdi/CPen.h"
#include "windows/topo/CStaticSpctmContourMap05Field.h"

class CStaticSpctmContourMap06Lines : public CStaticSpctmContourMap05Field {
 public:
  CStaticSpctmContourMap06Lines();

  // By m_nDisplayMode: 0 "Fields" the values; 1 "Lines" the values, then the lines; 2
  // "Both" the same as 1. Lines: with a value grid and m_nLineLevels ≥ 1, m_nLineLevels
  // levels from m_dLineThreshold to m_dFieldMaxAbs traced anew. Returns the value pass's
  // result.
  int recompute();

  // The traced lines (traced first when they are not yet) drawn in the field's mapping
  // with origin offset (left, top), cut to width × height. m_nLineColorMode 1: positive
  // levels red, negative blue, zero in a second blue; 0: positive dashed black, negative
  // and zero 2-pixel black. The DC's pen is kept. 1, or 0 when nothing could be traced.
  int drawLines(CDC* pDC, int left, int top, int width, int height, BOOL mirrored);

  int m_nLineColorMode = 1;  // 1 colour by sign, 0 black

 protected:
  // Traces the lines of the current values; 1 when traced.
  int traceLines();

  CContourLineMapqv m_contour;
  CPen m_penRed;          // solid, 1, RGB(255,0,0): positive levels in colour mode
  CPen m_penBlue;         // solid, 1, RGB(0,0,255): negative levels in colour mode
  CPen m_penBlueZero;     // solid, 1, RGB(0,0,239): the zero level in colour mode
  CPen m_penBlackDash;    // dashed, 1, black: positive levels in black mode
  CPen m_penBlack2;       // solid, 2, black: negative and zero levels in black mode
};
