// PNG files of what was drawn: a whole surface, a part of it, a bitmap, or the area a DC
// draws into. The demo, the application's snapshots and tests that leave images for a
// person to look at use it. Writes 8-bit RGB with fast compression; the unused pixel byte
// is dropped.
#pragma once

#include "platform/gdi/PixelSurface.h"

#include <string>

class CBitmap;
class CDC;

// Each returns false, with a one-line reason in *error when given, if there is nothing to
// write (empty surface or part) or the file cannot be written.
bool writePng(const PixelSurface& surface, const std::string& path, std::string* error = nullptr);
// `part` is cut to the surface.
bool writePng(const PixelSurface& surface, const CRect& part, const std::string& path,
              std::string* error = nullptr);
bool writePng(const CBitmap& bitmap, const std::string& path, std::string* error = nullptr);
// The DC's clip rectangle on its surface: a whole bitmap for a memory DC, unless narrowed.
bool writePng(const CDC& dc, const std::string& path, std::string* error = nullptr);
