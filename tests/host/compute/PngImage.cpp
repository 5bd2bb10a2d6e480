#include "PngImage.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include <png.h>

PngImage::PngImage(int width, int height, Rgb background)
    : m_width(width), m_height(height),
      m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background) {}

void PngImage::set(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
  m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)] = c;
}

Rgb PngImage::at(int x, int y) const {
  return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)];
}

void PngImage::fillRect(int x0, int y0, int x1, int y1, Rgb c) {
  for (int y = std::max(y0, 0); y < std::min(y1, m_height); ++y) {
    for (int x = std::max(x0, 0); x < std::min(x1, m_width); ++x) set(x, y, c);
  }
}

void PngImage::disc(int cx, int cy, int radius, Rgb c) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      if (dx * dx + dy * dy <= radius * radius) set(cx + dx, cy + dy, c);
    }
  }
}

bool PngImage::save(const std::string& path) const {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(m_width), static_cast<png_uint_32>(m_height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < m_height; ++y) {
    auto* row = const_cast<Rgb*>(&m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width)]);
    png_write_row(png, reinterpret_cast<png_bytep>(row));
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}
