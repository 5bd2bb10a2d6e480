#include "PngTestImage.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/PngExport.h"

void PngTestImage::fillRect(int x0, int y0, int x1, int y1, std::uint32_t value) {
  for (int y = std::max(y0, 0); y < std::min(y1, surface.height()); ++y)
    for (int x = std::max(x0, 0); x < std::min(x1, surface.width()); ++x) at(x, y) = value;
}

bool PngTestImage::writeTestPng(const PixelSurface& surface, const std::string& name) {
  const char* dir = std::getenv("SPCTM_TEST_OUTPUT_DIR");
  const std::string path = std::string(dir ? dir : SPCTM_TEST_OUTPUT_DIR) + "/" + name;
  std::string error;
  if (writePng(surface, path, &error)) return true;
  std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), error.c_str());
  return false;
}
