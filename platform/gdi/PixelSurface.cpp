#include "platform/gdi/PixelSurface.h"

#include <algorithm>
#include <utility>

namespace {

bool sizeAccepted(int width, int height) {
  return width > 0 && height > 0 && width <= PixelSurface::kMaxSide &&
         height <= PixelSurface::kMaxSide &&
         std::int64_t{width} * height <= PixelSurface::kMaxPixels;
}

}  // namespace

PixelSurface::PixelSurface(int width, int height, COLORREF fill) {
  if (!sizeAccepted(width, height)) return;
  m_owned.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                 pixelOf(fill));
  m_bits = m_owned.data();
  m_width = width;
  m_height = height;
  m_stride = width;
}

PixelSurface::PixelSurface(std::uint32_t* pixels, int width, int height,
                           std::ptrdiff_t strideBytes) {
  if (pixels == nullptr || !sizeAccepted(width, height) || strideBytes % 4 != 0 ||
      strideBytes < std::ptrdiff_t{4} * width) {
    return;
  }
  m_bits = pixels;
  m_width = width;
  m_height = height;
  m_stride = strideBytes / 4;
}

PixelSurface::PixelSurface(const PixelSurface& other) { copyFrom(other); }

PixelSurface& PixelSurface::operator=(const PixelSurface& other) {
  if (this != &other) copyFrom(other);
  return *this;
}

PixelSurface::PixelSurface(PixelSurface&& other) noexcept
    : m_owned(std::move(other.m_owned)),
      m_bits(std::exchange(other.m_bits, nullptr)),
      m_width(std::exchange(other.m_width, 0)),
      m_height(std::exchange(other.m_height, 0)),
      m_stride(std::exchange(other.m_stride, 0)) {}

PixelSurface& PixelSurface::operator=(PixelSurface&& other) noexcept {
  if (this != &other) {
    m_owned = std::move(other.m_owned);
    m_bits = std::exchange(other.m_bits, nullptr);
    m_width = std::exchange(other.m_width, 0);
    m_height = std::exchange(other.m_height, 0);
    m_stride = std::exchange(other.m_stride, 0);
  }
  return *this;
}

void PixelSurface::copyFrom(const PixelSurface& other) {
  m_owned.resize(static_cast<std::size_t>(other.m_width) *
                 static_cast<std::size_t>(other.m_height));
  m_width = other.m_width;
  m_height = other.m_height;
  m_stride = other.m_width;
  m_bits = m_owned.empty() ? nullptr : m_owned.data();
  for (int y = 0; y < m_height; ++y) std::copy_n(other.row(y), m_width, row(y));
}

COLORREF PixelSurface::colorAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0xFFFFFFFF;
  return colorOf(row(y)[x]);
}

void PixelSurface::fill(COLORREF c) {
  const std::uint32_t p = pixelOf(c);
  for (int y = 0; y < m_height; ++y) std::fill_n(row(y), m_width, p);
}

bool operator==(const PixelSurface& a, const PixelSurface& b) {
  if (a.m_width != b.m_width || a.m_height != b.m_height) return false;
  for (int y = 0; y < a.m_height; ++y) {
    const std::uint32_t* ra = a.row(y);
    const std::uint32_t* rb = b.row(y);
    for (int x = 0; x < a.m_width; ++x) {
      if (((ra[x] ^ rb[x]) & 0x00FFFFFFu) != 0) return false;
    }
  }
  return true;
}
