// Test helper: an image in memory that tests fill pixel by pixel and write as PNG into the
// test output folder for a person to look at. Pixels are surface pixels (0x00RRGGBB, blue
// in the lowest byte), as the scaling kernel and the device contexts write them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/PixelSurface.h"

struct PngTestImage {
  PixelSurface surface;

  PngTestImage(int w, int h, std::uint32_t fill) : surface(w, h, PixelSurface::colorOf(fill)) {}
  int width() const { return surface.width(); }
  std::uint32_t& at(int x, int y) { return surface.row(y)[x]; }
  void fillRect(int x0, int y0, int x1, int y1, std::uint32_t value);  // half-open, cut to the image

  // Writes SPCTM_TEST_OUTPUT_DIR/<name>; false (and a message on stderr) on failure.
  bool write(const std::string& name) const { return writeTestPng(surface, name); }
  static bool writeTestPng(const PixelSurface& surface, const std::string& name);
};
