// A pen: style (PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL), width in
// pixels (0 and 1 both mean one pixel) and colour. Lines, arcs and shape outlines use the
// pen selected into the device context.
#pragma once

#include "platform/gdi/CGdiObject.h"

class CPen : public CGdiObject {
 public:
  CPen() : CGdiObject(Kind::pen) {}
  // Created at once when the arguments are valid (see CreatePen).
  CPen(int style, int width, COLORREF color);

  // FALSE, with nothing changed, when the pen already holds one (DeleteObject first), the
  // style is unknown or the width negative.
  BOOL CreatePen(int style, int width, COLORREF color);

  int style() const { return m_style; }
  int width() const { return m_width; }
  COLORREF color() const { return m_color; }

 private:
  int m_style = PS_SOLID;
  int m_width = 1;
  COLORREF m_color = 0;
};
