#include "platform/gdi/CPen.h"

CPen::CPen(int style, int width, COLORREF color) : CGdiObject(Kind::pen) {
  CreatePen(style, width, color);
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  if (isCreated() || style < PS_SOLID || style > PS_NULL || width < 0) return FALSE;
  m_style = style;
  m_width = width;
  m_color = color & 0x00FFFFFF;
  setCreated();
  return TRUE;
}
