// Block transfers of CDC: BitBlt with its raster operations and StretchDIBits from a
// 32-bit device-independent image, both cut once to the clip rectangle, rows by pointer.
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool ropUsesSource(DWORD rop) {
  return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT;
}

bool ropKnown(DWORD rop) {
  return ropUsesSource(rop) || rop == PATCOPY || rop == DSTINVERT || rop == BLACKNESS ||
         rop == WHITENESS;
}

void combineRow(std::uint32_t* dst, const std::uint32_t* src, std::int64_t n, DWORD rop) {
  switch (rop) {
    case SRCPAINT: for (std::int64_t i = 0; i < n; ++i) dst[i] |= src[i]; break;
    case SRCAND: for (std::int64_t i = 0; i < n; ++i) dst[i] &= src[i]; break;
    case SRCINVERT: for (std::int64_t i = 0; i < n; ++i) dst[i] ^= src[i]; break;
    default: std::memmove(dst, src, static_cast<std::size_t>(n) * sizeof(std::uint32_t)); break;
  }
}

}  // namespace

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                 DWORD rop) {
  if (!ropKnown(rop) || width < 0 || height < 0) return FALSE;
  const bool usesSource = ropUsesSource(rop);
  if (usesSource && (source == nullptr || source->m_s.surface == nullptr)) return FALSE;
  if (m_s.surface == nullptr) return TRUE;

  // Destination block in this surface, cut to the clip rectangle; the source block moves
  // with every cut so that corresponding pixels stay paired.
  std::int64_t l = devX(x), t = devY(y), r = l + width, b = t + height;
  std::int64_t sl = 0, st = 0;
  if (usesSource) {
    sl = source->devX(xSrc);
    st = source->devY(ySrc);
  }
  auto cut = [&](std::int64_t lo, std::int64_t to, std::int64_t hi, std::int64_t bo) {
    const std::int64_t dl = std::max<std::int64_t>(0, lo - l);
    const std::int64_t dt = std::max<std::int64_t>(0, to - t);
    l += dl; sl += dl; t += dt; st += dt;
    r = std::min(r, hi);
    b = std::min(b, bo);
  };
  const CRect& c = m_s.clip;
  cut(c.left, c.top, c.right, c.bottom);
  if (usesSource) {
    const PixelSurface& src = *source->m_s.surface;
    cut(l - sl, t - st, l - sl + src.width(), t - st + src.height());
  }
  if (l >= r || t >= b) return TRUE;

  switch (rop) {
    case BLACKNESS: fillSurfaceRect(l, t, r, b, 0); return TRUE;
    case WHITENESS: fillSurfaceRect(l, t, r, b, 0x00FFFFFF); return TRUE;
    case PATCOPY:
      if (!m_s.brushHollow) fillSurfaceRect(l, t, r, b, m_s.brushPixel);
      return TRUE;
    case DSTINVERT: invertSurfaceRect(l, t, r, b); return TRUE;
    default: break;
  }
  // Rows are taken in the order that keeps an overlapping copy within one surface correct.
  PixelSurface& src = *source->m_s.surface;
  const bool upward = (&src == m_s.surface) && st < t;
  for (std::int64_t i = 0, rows = b - t; i < rows; ++i) {
    const std::int64_t row = upward ? rows - 1 - i : i;
    combineRow(m_s.surface->row(static_cast<int>(t + row)) + l,
               src.row(static_cast<int>(st + row)) + sl, r - l, rop);
  }
  return TRUE;
}

int CDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                       int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info,
                       UINT usage, DWORD rop) {
  if (bits == nullptr || info == nullptr || usage != DIB_RGB_COLORS || rop != SRCCOPY) return 0;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biBitCount != 32 ||
      h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0) {
    return 0;
  }
  if (destWidth <= 0 || destHeight <= 0 || srcWidth <= 0 || srcHeight <= 0) return 0;
  const std::int64_t imageW = h.biWidth;
  const bool bottomUp = h.biHeight > 0;
  const std::int64_t imageH = bottomUp ? std::int64_t{h.biHeight} : -std::int64_t{h.biHeight};
  // Source rectangle in top-down image rows.
  const std::int64_t sx0 = xSrc;
  const std::int64_t sy0 = bottomUp ? imageH - ySrc - srcHeight : ySrc;
  if (sx0 < 0 || sy0 < 0 || sx0 + srcWidth > imageW || sy0 + srcHeight > imageH) return 0;
  if (m_s.surface == nullptr) return srcHeight;

  const std::int64_t dl = devX(xDest), dt = devY(yDest);
  std::int64_t l = dl, t = dt, r = dl + destWidth, b = dt + destHeight;
  if (!cutToClip(l, t, r, b)) return srcHeight;

  // Each destination pixel takes the source pixel under its centre.
  auto sourceIndex = [](std::int64_t d, std::int64_t srcSize, std::int64_t destSize) {
    return ((2 * d + 1) * srcSize) / (2 * destSize);
  };
  std::vector<std::int64_t> columns(static_cast<std::size_t>(r - l));
  for (std::int64_t x = l; x < r; ++x) {
    columns[static_cast<std::size_t>(x - l)] = sx0 + sourceIndex(x - dl, srcWidth, destWidth);
  }
  const auto* image = static_cast<const std::uint32_t*>(bits);
  for (std::int64_t y = t; y < b; ++y) {
    const std::int64_t topDownRow = sy0 + sourceIndex(y - dt, srcHeight, destHeight);
    const std::int64_t memoryRow = bottomUp ? imageH - 1 - topDownRow : topDownRow;
    const std::uint32_t* src = image + memoryRow * imageW;
    std::uint32_t* dst = m_s.surface->row(static_cast<int>(y)) + l;
    for (std::size_t i = 0; i < columns.size(); ++i) dst[i] = src[columns[i]] & 0x00FFFFFFu;
  }
  return srcHeight;
}
