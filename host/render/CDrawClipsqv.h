// The clip drawer: an off-screen stencil the size of the canvas that masks the colour field
// outside the sensor area. The topographic canvas prepares it after drawing the field
// (initDcMemor) and lays it over the field's rectangle (transparentClip). The sensor area
// is the ellipse inscribed in that rectangle; nothing outside the rectangle is touched.
#pragma once

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

// What the off-screen surface holds:
//   after initDcMemor      every pixel in the foreground colour (nothing masked yet);
//   after transparentClip  the frame of the clip rectangle, i.e. its pixels outside the
//                          ellipse inscribed in it, in the background colour; the ellipse
//                          (the sensor area) and everything outside the rectangle in the
//                          foreground colour.
// transparentClip copies only the frame onto the DC: the sensor area and everything outside
// the rectangle are transparent, so the DC keeps its pixels there, and the field's corners
// outside the sensor area take the canvas background colour (the colour the canvas fills
// itself with, so the field ends in a clean ellipse). The frame is chosen by geometry, not
// by colour, so it masks even when both colours are equal (the Lines view on white passes
// white for both). Surface pixel (x, y) lands on logical (x, y) of the DC.
class CDrawClipsqv {
 public:
  CDrawClipsqv();
  CDrawClipsqv(const CDrawClipsqv&) = delete;
  CDrawClipsqv& operator=(const CDrawClipsqv&) = delete;

  // Prepares a width × height surface (a bitmap in a memory DC compatible with `dc`; dc
  // may be null) cleared to `foreground`, and keeps both colours for transparentClip. The
  // bitmap is reused while the size stays. Returns 1, or 0 (and no surface) for a size
  // below 1 or beyond what a bitmap can hold.
  int initDcMemor(int width, int height, CDC* dc, COLORREF background, COLORREF foreground);

  // Draws the stencil for the rectangle with corners (x0, y0) and (x1, y1), given in any
  // order and half-open once ordered as the framework's rectangles are, then copies its
  // frame (the rectangle outside the inscribed ellipse) to `dc`, cut to the DC's clip.
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
