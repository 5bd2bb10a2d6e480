#include "host/render/DcPixelBlock.h"

#include <algorithm>

namespace hostrender {

bool visibleBlock(CDC* dc, std::int64_t x, std::int64_t y, std::int64_t width,
                  std::int64_t height, DcPixelBlock& out) {
  if (dc == nullptr || dc->GetSafeHdc() == nullptr || dc->surface() == nullptr || width < 1 ||
      height < 1) {
    return false;
  }
  // The DC keeps its clip in surface coordinates and reports it in logical ones; the two
  // differ by the logical origin's place in the surface, which is all the mapping there is.
  CRect logicalClip;
  if (dc->GetClipBox(&logicalClip) != SIMPLEREGION) return false;
  const CRect& surfaceClip = dc->surfaceClip();
  const std::int64_t l = std::max<std::int64_t>(x, logicalClip.left);
  const std::int64_t t = std::max<std::int64_t>(y, logicalClip.top);
  const std::int64_t r = std::min<std::int64_t>(x + width, logicalClip.right);
  const std::int64_t b = std::min<std::int64_t>(y + height, logicalClip.bottom);
  if (l >= r || t >= b) return false;
  out.visible = CRect(static_cast<LONG>(l), static_cast<LONG>(t), static_cast<LONG>(r),
                      static_cast<LONG>(b));
  PixelSurface& surface = *dc->surface();
  out.stride = surface.stride();
  out.first = surface.row(static_cast<int>(t - logicalClip.top + surfaceClip.top)) +
              (l - logicalClip.left + surfaceClip.left);
  return true;
}

}  // namespace hostrender
