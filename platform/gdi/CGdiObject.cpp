#include "platform/gdi/CGdiObject.h"

BOOL CGdiObject::DeleteObject() {
  if (!m_created || m_stock) return FALSE;
  releaseResource();
  m_created = false;
  return TRUE;
}
