// PNG files of what was drawn: a whole surface, a part of it, a bitmap, or the area a DC
// draws into. The demo, the viewer and tests that leave images for a person to look at
// use it. Writes 8-bit sRGB (the unused pixel byte is dropped), compressed with zlib's
// fastest level in bands of rows on several cores at once; files are written through the
// atomic writer (platform/gdi/AtomicFile.h), so a failed write keeps the earlier file.
#pragma once

#include "platform/gdi/PixelSurface.h"

#include <string>
#include <vector>

class CBitmap;
class CDC;

// The bytes of a PNG file of `part` (cut to the surface). Empty, with a one-line reason in
// *error when given, if there is nothing to write.
std::vector<unsigned char> encodePng(const PixelSurface& surface, const CRect& part, std::string* error = nullptr);

// Each returns false, with a one-line reason naming the file in *error when given, if
// there is nothing to write (empty surface or part) or the file cannot be written.
bool writePng(const PixelSurface& surface, const std::string& path, std::string* error = nullptr);
// `part` is cut to the surface.
bool writePng(const PixelSurface& surface, const CRect& part, const std::string& path,
              std::string* error = nullptr);
bool writePng(const CBitmap& bitmap, const std::string& path, std::string* error = nullptr);
// The DC's clip rectangle on its surface: a whole bitmap for a memory DC, unless narrowed.
bool writePng(const CDC& dc, const std::string& path, std::string* error = nullptr);
