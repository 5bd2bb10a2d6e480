// A bitmap: an owned 32-bit pixel surface, all black when created. Selected into a memory
// device context it becomes what that DC draws on; the DC shares the pixels, so deleting
// the bitmap while selected leaves the DC drawing on a surface nobody else sees.
#pragma once

#include "platform/gdi/CGdiObject.h"
#include "platform/gdi/PixelSurface.h"

#include <memory>

class CDC;

// Description returned by CBitmap::GetBitmap.
struct BITMAP {
  LONG bmType = 0;
  LONG bmWidth = 0;
  LONG bmHeight = 0;
  LONG bmWidthBytes = 0;
  WORD bmPlanes = 1;
  WORD bmBitsPixel = 32;
  void* bmBits = nullptr;
};

class CBitmap : public CGdiObject {
 public:
  CBitmap() : CGdiObject(Kind::bitmap) {}

  // A width x height bitmap. FALSE when the bitmap already holds one or a side is not
  // positive or beyond PixelSurface's limits. `dc` is accepted and unused: every bitmap is
  // 32-bit whatever device it is made for.
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);

  // Size and pixel pointer; 0 when the bitmap holds nothing.
  int GetBitmap(BITMAP* out) const;
  CSize size() const;
  // The pixels (null when the bitmap holds nothing).
  PixelSurface* surface() { return m_surface.get(); }
  const PixelSurface* surface() const { return m_surface.get(); }
  const std::shared_ptr<PixelSurface>& sharedSurface() const { return m_surface; }

 protected:
  void releaseResource() override { m_surface.reset(); }

 private:
  friend class StockObjects;
  std::shared_ptr<PixelSurface> m_surface;
};
