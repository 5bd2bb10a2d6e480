// A 32-bit pixel buffer: what every device context draws into. Bitmaps own one, window
// back-ends own one per top-level window, tests read pixels from it directly. Pixels are
// bytes blue, green, red, unused (0), rows top-down `stride` pixels apart. Single-threaded.
//
// A surface either owns its pixels or borrows memory that the lender keeps alive and
// unmoved for the surface's lifetime.
#pragma once

#include "platform/gdi/BasicTypes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "pixels are stored as little-endian 32-bit words (bytes B, G, R, unused)");

class PixelSurface {
 public:
  // Largest side and area accepted; larger requests make an empty surface.
  static constexpr int kMaxSide = 1 << 15;
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

  // COLORREF 0x00BBGGRR <-> pixel word 0x00RRGGBB: the one place colours change order.
  static constexpr std::uint32_t pixelOf(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
  }
  static constexpr COLORREF colorOf(std::uint32_t p) {
    return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
  }

  PixelSurface() = default;
  // An owned surface filled with `fill`; empty (0 x 0) when a side is not positive or the
  // size exceeds the limits above.
  PixelSurface(int width, int height, COLORREF fill = 0);
  // Borrows `pixels` (`strideBytes` apart, a multiple of 4 and at least 4 * width).
  // Empty when the arguments do not describe a valid buffer.
  PixelSurface(std::uint32_t* pixels, int width, int height, std::ptrdiff_t strideBytes);

  // A copy always owns its pixels, whatever the source did.
  PixelSurface(const PixelSurface& other);
  PixelSurface& operator=(const PixelSurface& other);
  PixelSurface(PixelSurface&& other) noexcept;
  PixelSurface& operator=(PixelSurface&& other) noexcept;
  ~PixelSurface() = default;

  int width() const { return m_width; }
  int height() const { return m_height; }
  bool empty() const { return m_width == 0 || m_height == 0; }
  // Distance between rows, in pixels.
  std::ptrdiff_t stride() const { return m_stride; }
  CRect bounds() const { return {0, 0, m_width, m_height}; }

  std::uint32_t* bits() { return m_bits; }
  const std::uint32_t* bits() const { return m_bits; }
  std::uint32_t* row(int y) { return m_bits + y * m_stride; }
  const std::uint32_t* row(int y) const { return m_bits + y * m_stride; }

  // Colour at (x, y), or CLR_INVALID (0xFFFFFFFF) outside the surface.
  COLORREF colorAt(int x, int y) const;
  void fill(COLORREF c);

  // Same size and same colours (the unused byte is ignored).
  friend bool operator==(const PixelSurface& a, const PixelSurface& b);

 private:
  void copyFrom(const PixelSurface& other);

  std::vector<std::uint32_t> m_owned;
  std::uint32_t* m_bits = nullptr;
  int m_width = 0;
  int m_height = 0;
  std::ptrdiff_t m_stride = 0;
};
