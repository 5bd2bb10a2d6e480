// Direct access to the pixels a device context draws on, for the drawers here that write
// whole blocks by pointer (smooth image drawing, transparent clips) rather than pixel by
// pixel through the DC. A logical rectangle is cut once to the DC's clip rectangle.
// The block is valid until the DC changes its target, origin or clip.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/CDC.h"

namespace hostrender {

struct DcPixelBlock {
  CRect visible;                  // the visible part, in the DC's logical coordinates
  std::uint32_t* first = nullptr;  // surface pixel of visible's top-left corner
  std::ptrdiff_t stride = 0;       // pixels from one surface row to the next

  std::uint32_t* row(LONG logicalY) const { return first + (logicalY - visible.top) * stride; }
};

// The part of the logical rectangle (x, y, x + width, y + height) that `dc` may draw on.
// False when dc is null or has nothing to draw on, the size is not positive, or nothing
// of the rectangle lies inside the clip rectangle. 64-bit arguments so no sum overflows.
bool visibleBlock(CDC* dc, std::int64_t x, std::int64_t y, std::int64_t width,
                  std::int64_t height, DcPixelBlock& out);

}  // namespace hostrender
