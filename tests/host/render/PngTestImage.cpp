#include "PngTestImage.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>

PngTestImage::PngTestImage(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w * h), fill) {}

void PngTestImage::fillRect(int x0, int y0, int x1, int y1, std::uint32_t value) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (x >= 0 && y >= 0 && x < width && y < height) at(x, y) = value;
}

bool PngTestImage::write(const std::string& name) const {
  const char* dir = std::getenv("SPCTM_TEST_OUTPUT_DIR");
  const std::string path = std::string(dir ? dir : SPCTM_TEST_OUTPUT_DIR) + "/" + name;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb;
  rgb.reserve(pixels.size() * 3);
  for (std::uint32_t p : pixels) {
    rgb.push_back(static_cast<png_byte>(p >> 16));
    rgb.push_back(static_cast<png_byte>(p >> 8));
    rgb.push_back(static_cast<png_byte>(p));
  }
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
    std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), image.message);
    return false;
  }
  return true;
}
