// The clip drawer: an off-screen stencil the size of the canvas that masks the colour field
// outside the sensor area. The topographic canvas prepares it after drawing the field
// (initDcMemor) and lays it over the field's rectangle (transparentClip). The sensor area
// is the ellipse inscribed in that rectangle; nothing outside the rectangle is touched.
#pragma once

#include "platform/CBitmap.h"
#include "platform/CDC.h"

// What the off-screen surface holds:
//   after initDcMemor      every pixel in the background colour (a clear stencil);
//   after transparentClip  the frame of the clip rectangle, i.e. its pixels outside the
//                          ellipse inscribed in it, in the foreground colour; the ellipse
//                          and everything outside the rectangle in the background colour.
// transparentClip copies the surface onto the DC with background-coloured pixels left
// transparent, so the DC keeps its pixels inside the sensor area and outside the rectangle,
// and the frame covers the field in the foreground colour. Surface pixel (x, y) lands on
// logical (x, y) of the DC. With equal colours the stencil is all transparent.
class CDrawClipsqv {
 public:
  CDrawClipsqv();
  CDrawClipsqv(const CDrawClipsqv&) = delete;
  CDrawClipsqv& operator=(const CDrawClipsqv&) = delete;

  // Prepares a width × height surface (a bitmap in a memory DC compatible with `dc`; dc
  // may be null) cleared to `background`, and keeps both colours for transparentClip. The
  // bitmap is reused while the size stays. Returns 1, or 0 (and no surface) for a size
  // below 1 or beyond what a bitmap can hold.
  int initDcMemor(int width, int height, CDC* dc, COLORREF background, COLORREF foreground);

  // Draws the stencil for the rectangle with corners (x0, y0) and (x1, y1), given in any
  // order and half-open once ordered as the framework's rectangles are, then copies its
  // non-background pixels inside that rectangle to `dc`, cut to the DC's clip rectangle.
  // Returns 1 (also when nothing is visible), or 0 without a surface or with a null or
  // target-less dc.
  int transparentClip(int x0, int y0, int x1, int y1, CDC* dc);

  // The stencil as last drawn, for inspection; null before a successful initDcMemor.
  const PixelSurface* surface() const;

 private:
  CBitmap m_bitmap;
  CDC m_memDC;
  COLORREF m_crBack = 0;
  COLORREF m_crFore = 0;
};
