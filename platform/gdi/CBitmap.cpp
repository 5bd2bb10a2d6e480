#include "platform/gdi/CBitmap.h"

BOOL CBitmap::CreateCompatibleBitmap(CDC* /*dc*/, int width, int height) {
  if (isCreated()) return FALSE;
  auto surface = std::make_shared<PixelSurface>(width, height);
  if (surface->empty()) return FALSE;
  m_surface = std::move(surface);
  setCreated();
  return TRUE;
}

int CBitmap::GetBitmap(BITMAP* out) const {
  if (out == nullptr || !m_surface) return 0;
  out->bmWidth = m_surface->width();
  out->bmHeight = m_surface->height();
  out->bmWidthBytes = static_cast<LONG>(m_surface->stride() * 4);
  out->bmBits = const_cast<std::uint32_t*>(m_surface->bits());
  return static_cast<int>(sizeof(BITMAP));
}

CSize CBitmap::size() const {
  return m_surface ? CSize(m_surface->width(), m_surface->height()) : CSize();
}
