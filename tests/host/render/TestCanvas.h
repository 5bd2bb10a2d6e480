// Test helper: a memory device context drawing on a bitmap of its own, as the topographic
// canvas's off-screen image is, with direct reads of its pixels and a PNG of them written
// into the test output folder for a person to look at.
#pragma once

#include <string>

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/PngExport.h"

struct TestCanvas {
  CBitmap bitmap;
  CDC dc;
  TestCanvas(int width, int height, COLORREF fill) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, fill);
  }
  const PixelSurface& pixels() const { return *bitmap.surface(); }
  COLORREF at(int x, int y) const { return pixels().colorAt(x, y); }
  // Writes SPCTM_TEST_OUTPUT_DIR/<name>; false, with the reason in `error`, on failure.
  bool writePng(const std::string& name, std::string& error) const {
    return ::writePng(pixels(), std::string(SPCTM_TEST_OUTPUT_DIR) + "/" + name, &error);
  }
};
