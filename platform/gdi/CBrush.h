// A brush: a solid colour that fills shape interiors, or hollow (the NULL_BRUSH stock
// object), which leaves interiors untouched.
#pragma once

#include "platform/gdi/CGdiObject.h"

class CBrush : public CGdiObject {
 public:
  CBrush() : CGdiObject(Kind::brush) {}
  explicit CBrush(COLORREF color);

  // FALSE when the brush already holds one.
  BOOL CreateSolidBrush(COLORREF color);

  COLORREF color() const { return m_color; }
  bool isHollow() const { return m_hollow; }

 private:
  friend class StockObjects;
  BOOL createHollow();

  COLORREF m_color = 0;
  bool m_hollow = false;
};
