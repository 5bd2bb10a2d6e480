// The high-quality bitmap drawer: draws a 32-bit pixel array smoothly scaled (bilinear)
// into a device context. The topographic canvas draws its colour field with it and falls
// back to the DC's nearest-pixel StretchDIBits when it fails. Writes the DC's surface
// directly inside its clip rectangle; no raster operations other than a plain copy.
#pragma once

#include <cstdint>

#include "host/render/BilinearScale.h"
#include "platform/gdi/CDC.h"

class CBitmapHighQualityDrawqv {
 public:
  // Draws the srcWidth × srcHeight image `pixels` (rows packed, srcWidth pixels each;
  // bytes blue, green, red, unused, as a 32-bit device-independent bitmap stores them)
  // scaled to destWidth × destHeight with its top-left corner at logical (destX, destY)
  // of `dc`. Only the part inside the DC's clip rectangle is written.
  //
  // The two trailing arguments select the sampling:
  //   rowOrder    1: the first stored row is the bottom row of the image (a bottom-up
  //               bitmap, as the canvas's field bitmap is); 0: it is the top row.
  //   weightBits  fractional bits of the interpolation weights, 1 to 12; the canvas
  //               passes 12, the finest. Fewer bits give coarser steps between colours.
  // Scaling as hostrender::scaleBilinear: pixel centres aligned, clamped at the edges, so
  // a constant image stays exact and nothing outside the array is read.
  //
  // Returns 1 when drawn, also when the destination lies wholly outside the clip
  // rectangle; 0, drawing nothing, for a null or target-less dc, null pixels, a size
  // below 1, or a trailing argument out of range.
  int drawHighQualityImage(CDC* dc, const std::uint32_t* pixels, int srcWidth, int srcHeight,
                           int destWidth, int destHeight, int destX, int destY, int rowOrder,
                           int weightBits);

  // Releases what the last drawing kept: its sampling tables (one entry per visible
  // destination column and row), which a following drawing would otherwise reuse.
  void cleanData();

 private:
  hostrender::ScaleWorkspace m_work;
};
