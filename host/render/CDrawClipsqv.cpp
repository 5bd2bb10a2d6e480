#include "host/render/CDrawClipsqv.h"

#include <algorithm>

#include "host/render/DcPixelBlock.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/DcStateScope.h"
#include "platform/gdi/Raster.h"

CDrawClipsqv::CDrawClipsqv() { m_memDC.CreateCompatibleDC(nullptr); }

int CDrawClipsqv::initDcMemor(int width, int height, CDC* dc, COLORREF background,
                              COLORREF foreground) {
  if (m_bitmap.GetSafeHandle() == nullptr || m_bitmap.size() != CSize(width, height)) {
    m_bitmap.DeleteObject();
    if (!m_bitmap.CreateCompatibleBitmap(dc, width, height)) return 0;
    m_memDC.SelectObject(&m_bitmap);
  }
  m_crBack = background & 0x00FFFFFF;
  m_crFore = foreground & 0x00FFFFFF;
  m_memDC.FillSolidRect(0, 0, width, height, m_crFore);
  return 1;
}

int CDrawClipsqv::transparentClip(int x0, int y0, int x1, int y1, CDC* dc) {
  const PixelSurface* stencil = surface();
  if (stencil == nullptr || dc == nullptr || dc->GetSafeHdc() == nullptr) return 0;
  CRect rect(x0, y0, x1, y1);
  rect.NormalizeRect();

  // The stencil: frame in the background colour, the inscribed ellipse cut out of it with
  // the same rasterisation the DC uses for outlines, so a head outline drawn on this
  // rectangle runs along the cut.
  m_memDC.FillSolidRect(stencil->bounds(), m_crFore);
  m_memDC.FillSolidRect(rect, m_crBack);
  CPen pen(PS_SOLID, 1, m_crFore);
  CBrush brush(m_crFore);
  DcStateScope scope(m_memDC);
  scope.pen(&pen).brush(&brush);
  m_memDC.Ellipse(&rect);
  if (rect.IsRectEmpty()) return 1;

  CRect onStencil;
  if (!onStencil.IntersectRect(rect, stencil->bounds())) return 1;
  hostrender::DcPixelBlock block;
  if (!hostrender::visibleBlock(dc, onStencil.left, onStencil.top, onStencil.Width(),
                                onStencil.Height(), block)) {
    return 1;
  }
  // Copy the frame only: per row, the runs left and right of the ellipse's span.
  const raster::EllipseRows ellipse(rect.left, rect.top, rect.right, rect.bottom);
  const CRect& v = block.visible;
  for (LONG y = v.top; y < v.bottom; ++y) {
    const raster::Span inside = ellipse.row(y);
    const std::uint32_t* src = stencil->row(y);
    std::uint32_t* dst = block.row(y) - v.left;
    const std::int64_t right = v.right;
    const std::int64_t leftEnd = inside.empty() ? right : std::clamp<std::int64_t>(inside.first, v.left, right);
    const std::int64_t rightBegin = inside.empty() ? right : std::clamp<std::int64_t>(inside.last + 1, leftEnd, right);
    std::copy(src + v.left, src + leftEnd, dst + v.left);
    std::copy(src + rightBegin, src + v.right, dst + rightBegin);
  }
  return 1;
}

const PixelSurface* CDrawClipsqv::surface() const { return m_bitmap.surface(); }
