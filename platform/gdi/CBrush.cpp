#include "platform/gdi/CBrush.h"

CBrush::CBrush(COLORREF color) : CGdiObject(Kind::brush) { CreateSolidBrush(color); }

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  if (isCreated()) return FALSE;
  m_color = color & 0x00FFFFFF;
  m_hollow = false;
  setCreated();
  return TRUE;
}

BOOL CBrush::createHollow() {
  if (isCreated()) return FALSE;
  m_hollow = true;
  setCreated();
  return TRUE;
}
