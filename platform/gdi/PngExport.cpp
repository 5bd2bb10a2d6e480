#include "platform/gdi/PngExport.h"

#include "platform/gdi/AtomicFile.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

#include <png.h>

#include <cstring>
#include <new>

namespace {

// No row filter and zlib level 3: libpng's fast mode.
constexpr int kFilters = PNG_FILTER_NONE;
constexpr int kLevel = 3;

void appendBytes(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  try {
    out->insert(out->end(), data, data + size);
  } catch (const std::bad_alloc&) {
    png_error(png, "out of memory");
  }
}

void noFlush(png_structp) {}

void keepMessage(png_structp png, png_const_charp message) {
  *static_cast<std::string*>(png_get_error_ptr(png)) = message;
  png_longjmp(png, 1);
}

// libpng reports errors by a long jump back here, so this frame holds no object with a
// destructor. Rows are handed over as the surface holds them: B, G, R and a filler byte.
bool writeImage(png_structp png, png_infop info, const PixelSurface& surface, const CRect& area) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(area.Width()), static_cast<png_uint_32>(area.Height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kFilters);
  png_set_compression_level(png, kLevel);
  png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  png_write_info(png, info);
  png_set_bgr(png);
  png_set_filler(png, 0, PNG_FILLER_AFTER);
  for (int y = area.top; y < area.bottom; ++y)
    png_write_row(png, reinterpret_cast<png_const_bytep>(surface.row(y) + area.left));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::vector<unsigned char> encodePng(const PixelSurface& surface, const CRect& part, std::string* error) {
  CRect area;
  if (!area.IntersectRect(part, surface.bounds())) {
    if (error) *error = "nothing to write (empty image)";
    return {};
  }
  std::string why;
  std::vector<unsigned char> bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &why, keepMessage, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool written = false;
  if (info) {
    png_set_write_fn(png, &bytes, appendBytes, noFlush);
    written = writeImage(png, info, surface, area);
  }
  png_destroy_write_struct(&png, &info);
  if (written) return bytes;
  if (error) *error = why.empty() ? "libpng failed" : why;
  return {};
}

bool writePng(const PixelSurface& surface, const CRect& part, const std::string& path, std::string* error) {
  std::string why;
  const std::vector<unsigned char> bytes = encodePng(surface, part, &why);
  try {
    if (!bytes.empty()) {
      AtomicFile file(path);
      file.write(bytes.data(), bytes.size());
      file.commit();
      return true;
    }
  } catch (const CFileException& e) {
    why = e.m_lOsError ? std::strerror(static_cast<int>(e.m_lOsError)) : e.what();
  }
  if (error) *error = "cannot write \"" + path + "\": " + why;
  return false;
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
