// Test helper: an RGB image in memory that tests fill pixel by pixel and write as PNG into
// the test output folder for a person to look at. Pixels are 32-bit surface values, blue
// in the lowest byte, as the scaling kernel reads and writes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/afxtypes.h"

struct PngTestImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // rows top-down, width values per row

  PngTestImage(int w, int h, std::uint32_t fill);
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
  void fillRect(int x0, int y0, int x1, int y1, std::uint32_t value);  // half-open

  // Writes SPCTM_TEST_OUTPUT_DIR/<name>; false (and a message on stderr) on failure.
  bool write(const std::string& name) const;
};

// COLORREF 0x00BBGGRR to a surface pixel 0x00RRGGBB.
constexpr std::uint32_t surfacePixel(COLORREF c) {
  return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}
