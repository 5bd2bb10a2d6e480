// Test helper: a memory device context drawing on a bitmap of its own, as the topographic
// canvas's off-screen image is, with direct reads of its pixels.
#pragma once

#include "platform/CBitmap.h"
#include "platform/CDC.h"

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
};
