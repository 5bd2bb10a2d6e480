#include "platform/gdi/PngExport.h"

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

#include <png.h>

#include <cstring>
#include <vector>

bool writePng(const PixelSurface& surface, const CRect& part, const std::string& path,
              std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = "cannot write \"" + path + "\": " + why;
    return false;
  };
  CRect area;
  if (!area.IntersectRect(part, surface.bounds())) return fail("nothing to write (empty image)");

  // The simplified API wants packed components, so the rows are repacked as B, G, R.
  const auto width = static_cast<std::size_t>(area.Width());
  const auto height = static_cast<std::size_t>(area.Height());
  std::vector<png_byte> packed(width * height * 3);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint32_t* src = surface.row(area.top + static_cast<int>(y)) + area.left;
    png_byte* dst = packed.data() + y * width * 3;
    for (std::size_t x = 0; x < width; ++x) {
      dst[3 * x] = static_cast<png_byte>(src[x] & 0xFF);
      dst[3 * x + 1] = static_cast<png_byte>((src[x] >> 8) & 0xFF);
      dst[3 * x + 2] = static_cast<png_byte>((src[x] >> 16) & 0xFF);
    }
  }
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_BGR;
  image.flags = PNG_IMAGE_FLAG_FAST;
  if (png_image_write_to_file(&image, path.c_str(), 0, packed.data(),
                              static_cast<png_int_32>(width * 3), nullptr) == 0) {
    const std::string why = image.message;
    png_image_free(&image);
    return fail(why.empty() ? "libpng failed" : why);
  }
  return true;
}

bool writePng(const PixelSurface& surface, const std::string& path, std::string* error) {
  return writePng(surface, surface.bounds(), path, error);
}

bool writePng(const CBitmap& bitmap, const std::string& path, std::string* error) {
  if (bitmap.surface() == nullptr) {
    if (error) *error = "cannot write \"" + path + "\": the bitmap holds no pixels";
    return false;
  }
  return writePng(*bitmap.surface(), path, error);
}

bool writePng(const CDC& dc, const std::string& path, std::string* error) {
  if (dc.surface() == nullptr) {
    if (error) *error = "cannot write \"" + path + "\": the device context has no surface";
    return false;
  }
  return writePng(*dc.surface(), dc.surfaceClip(), path, error);
}
