// A device context: draws into a PixelSurface with the selected pen, brush, font, colours
// and modes, through a viewport origin and one clip rectangle. The window layer makes DCs
// over its surfaces (the constructor taking a surface, or setTarget from a derived class);
// a memory DC (CreateCompatibleDC) draws on the bitmap selected into it.
//
// Coordinates: callers pass logical coordinates; device = logical + viewport origin, and
// device (0, 0) lies at the target's origin in the surface. The clip rectangle is kept in
// the surface and never extends past it, so nothing is ever written outside the surface.
// Rectangles are half-open (right and bottom edges excluded). Every primitive clips once
// and then writes rows by pointer; SetPixel and FillSolidRect are inline for the renderers'
// per-bin loops. Not copyable; UI thread only.
#pragma once

#include "platform/gdi/CString.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/PixelSurface.h"

#include <memory>
#include <string_view>
#include <vector>

class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;
class FontFace;
class CDC;
using HDC = CDC*;

class CDC {
 public:
  // A DC with nothing to draw on (every drawing call does nothing) until it gets a target
  // or becomes a memory DC.
  CDC();
  // A DC over `surface` whose device origin lies at `origin` in the surface and which draws
  // only inside `clip` (device coordinates), cut to the surface.
  CDC(PixelSurface& surface, CPoint origin, const CRect& clip);
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC();

  // Non-null while the DC can be drawn with (has a target or is a memory DC).
  HDC m_hDC = nullptr;
  HDC GetSafeHdc() const { return m_hDC; }

  // ---- Target ----------------------------------------------------------------------
  // (Re)points the DC at a surface as the constructor does (a memory DC becomes a plain
  // one); resets the viewport origin and drops any saved states. The surface must outlive
  // the DC or the next setTarget.
  void setTarget(PixelSurface* surface, CPoint origin, const CRect& clip);
  // Makes this a memory DC holding a 1 x 1 placeholder bitmap; it draws on whatever bitmap
  // is selected next. `other` may be null. FALSE when this DC already has a target.
  BOOL CreateCompatibleDC(CDC* other);
  // Back to the state of CDC(): no target, stock objects, default attributes.
  BOOL DeleteDC();
  bool isMemoryDC() const { return m_memory; }
  PixelSurface* surface() const { return m_s.surface; }
  // The clip rectangle in surface coordinates (empty without a surface); setSurfaceClip
  // puts back one that surfaceClip returned (cut to the surface).
  const CRect& surfaceClip() const { return m_s.clip; }
  void setSurfaceClip(const CRect& clip);

  // ---- Coordinates, clipping, saved states -------------------------------------------
  // Each returns the previous viewport origin.
  CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(CPoint p) { return SetViewportOrg(p.x, p.y); }
  CPoint OffsetViewportOrg(int dx, int dy);
  CPoint GetViewportOrg() const { return m_s.viewportOrg; }
  // Narrows the clip rectangle to its common part with the logical rectangle; returns
  // NULLREGION when nothing is left, else SIMPLEREGION.
  int IntersectClipRect(int left, int top, int right, int bottom);
  int IntersectClipRect(LPCRECT rect);
  // The clip rectangle in logical coordinates; NULLREGION or SIMPLEREGION.
  int GetClipBox(LPRECT rect) const;
  // Saves objects, attributes, origin, clip, current position and target; returns the
  // new depth (1 for the first save).
  int SaveDC();
  // saved < 0 goes back that many saves (-1: the last); saved > 0 goes back to the state
  // that SaveDC returned `saved` for. Later saves are dropped. FALSE when no such save.
  BOOL RestoreDC(int saved);
  // LOGPIXELSX/Y: 96; HORZRES/VERTRES: the surface size; BITSPIXEL: 32; otherwise 0.
  int GetDeviceCaps(int index) const;

  // ---- Objects -----------------------------------------------------------------------
  // Each returns the object selected before, or null (and changes nothing) when the object
  // is null or holds no resource. Bitmaps can be selected into memory DCs only; selecting
  // one resets the viewport origin and makes the whole bitmap the clip rectangle.
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  CGdiObject* SelectObject(CGdiObject* object);
  // Selects WHITE_BRUSH, BLACK_PEN, SYSTEM_FONT ...; returns the previous object of that
  // kind, or null for an unknown identifier.
  CGdiObject* SelectStockObject(int id);
  CPen* GetCurrentPen() const { return m_s.pen; }
  CBrush* GetCurrentBrush() const { return m_s.brush; }
  CFont* GetCurrentFont() const { return m_s.font; }
  CBitmap* GetCurrentBitmap() const { return m_s.bitmap; }

  // ---- Attributes (each setter returns the previous value) ---------------------------
  COLORREF SetTextColor(COLORREF c);
  COLORREF GetTextColor() const { return m_s.textColor; }
  COLORREF SetBkColor(COLORREF c);
  COLORREF GetBkColor() const { return m_s.bkColor; }
  // OPAQUE (default) or TRANSPARENT; 0 and no change for another value.
  int SetBkMode(int mode);
  int GetBkMode() const { return m_s.bkMode; }
  // TA_LEFT/TA_CENTER/TA_RIGHT combined with TA_TOP/TA_BASELINE/TA_BOTTOM.
  UINT SetTextAlign(UINT align);
  UINT GetTextAlign() const { return m_s.textAlign; }
  // BLACKONWHITE (default), WHITEONBLACK, COLORONCOLOR or HALFTONE; 0 and no change for
  // another value. All modes sample the nearest source pixel.
  int SetStretchBltMode(int mode);
  int GetStretchBltMode() const { return m_s.stretchMode; }

  // ---- Pixels and rectangles ---------------------------------------------------------
  // Sets one pixel; returns the colour set, or CLR_INVALID (nothing written) outside the
  // clip rectangle.
  COLORREF SetPixel(int x, int y, COLORREF color) {
    const unsigned dx = static_cast<unsigned>(x) + m_biasX;
    const unsigned dy = static_cast<unsigned>(y) + m_biasY;
    if (dx >= m_clipW || dy >= m_clipH) return CLR_INVALID;
    m_clipBits[static_cast<std::ptrdiff_t>(dy) * m_stride + dx] = PixelSurface::pixelOf(color);
    return color & 0x00FFFFFF;
  }
  COLORREF SetPixel(CPoint p, COLORREF color) { return SetPixel(p.x, p.y, color); }
  BOOL SetPixelV(int x, int y, COLORREF color) {
    return SetPixel(x, y, color) == CLR_INVALID ? FALSE : TRUE;
  }
  // The colour at a point, or CLR_INVALID outside the clip rectangle.
  COLORREF GetPixel(int x, int y) const;
  COLORREF GetPixel(CPoint p) const { return GetPixel(p.x, p.y); }

  // Fills the rectangle (x, y, x + cx, y + cy) with `color`, whatever pen or brush is
  // selected; a negative size fills nothing. Like the framework, it leaves `color` as
  // the DC's background colour.
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    m_s.bkColor = color & 0x00FFFFFF;
    const std::int64_t l = std::max<std::int64_t>(std::int64_t{x} + m_biasXs, 0);
    const std::int64_t t = std::max<std::int64_t>(std::int64_t{y} + m_biasYs, 0);
    const std::int64_t r = std::min<std::int64_t>(std::int64_t{x} + m_biasXs + cx, m_clipW);
    const std::int64_t b = std::min<std::int64_t>(std::int64_t{y} + m_biasYs + cy, m_clipH);
    if (l >= r || t >= b) return;
    const std::uint32_t pixel = PixelSurface::pixelOf(color);
    std::uint32_t* row = m_clipBits + t * m_stride + l;
    for (std::int64_t n = b - t; n > 0; --n, row += m_stride) std::fill_n(row, r - l, pixel);
  }
  void FillSolidRect(const CRect& rect, COLORREF color) {
    FillSolidRect(rect.left, rect.top, rect.Width(), rect.Height(), color);
  }
  void FillSolidRect(LPCRECT rect, COLORREF color) {
    if (rect) FillSolidRect(*rect, color);
  }
  // Fills with a brush's colour (nothing for a hollow or null brush). The background
  // colour is not changed.
  void FillRect(LPCRECT rect, CBrush* brush);
  // A one-pixel frame: top and left edges in `topLeft`, bottom and right in `bottomRight`.
  void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
  // Replaces every pixel of the rectangle by its inverse (each colour byte b -> 255 - b);
  // inverting twice restores the surface.
  void InvertRect(LPCRECT rect);

  // ---- Lines and shapes (selected pen; shapes fill with the selected brush) ----------
  // Moves the current position; returns the previous one.
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(CPoint p) { return MoveTo(p.x, p.y); }
  CPoint GetCurrentPosition() const { return m_s.position; }
  // Draws from the current position to (x, y) and makes (x, y) current. One-pixel pens
  // (width 0 or 1) set every pixel of the path except the end point, so consecutive
  // segments meet without overlap; patterned pens run their pattern across consecutive
  // LineTo calls (restarting at MoveTo) and, in OPAQUE mode, fill its gaps with the
  // background colour. Wider pens draw solid, w pixels across, with round ends that cover
  // both end points. A line to the current position itself, or with a PS_NULL pen, draws
  // nothing but still moves the position.
  BOOL LineTo(int x, int y);
  BOOL LineTo(CPoint p) { return LineTo(p.x, p.y); }
  // Outline with the pen along the edge pixels of (left, top, right, bottom) (edges
  // normalised); interior with the brush. Pens of width w > 1 draw a w-pixel frame
  // centred on the edge pixels. The current position is not used.
  BOOL Rectangle(int left, int top, int right, int bottom);
  BOOL Rectangle(LPCRECT rect);
  // The ellipse inscribed in the rectangle: outline with the pen (the edge pixels of the
  // filled ellipse, w pixels across for wider pens, centred on it), interior with the brush.
  // Symmetric about both axes of the rectangle; patterned pens draw solid.
  BOOL Ellipse(int left, int top, int right, int bottom);
  BOOL Ellipse(LPCRECT rect);
  // The part of that ellipse's outline running counter-clockwise (on screen) from the ray
  // through (xStart, yStart) to the ray through (xEnd, yEnd); equal rays give the whole
  // ellipse. No fill; the current position is neither used nor changed.
  BOOL Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd);
  BOOL Arc(LPCRECT rect, CPoint start, CPoint end);
  // A line from the current position to the start of a circular arc, then the arc: centre
  // (x, y), radius r, from startAngle through sweepAngle degrees (counter-clockwise on
  // screen when positive; 360 or more gives the whole circle). The arc's end becomes the
  // current position. FALSE for a negative radius.
  BOOL AngleArc(int x, int y, int radius, float startAngle, float sweepAngle);

  // ---- Text (selected font, text colour; OPAQUE fills the text cell with the background
  // colour first, TRANSPARENT leaves it) -------------------------------------------------
  // Draws count characters positioned by the text alignment (default: cell's top-left
  // corner at (x, y)). FALSE when text is null with count > 0, count < 0, or the selected
  // font could not be created.
  BOOL TextOutW(int x, int y, LPCWSTR text, int count);
  BOOL TextOut(int x, int y, LPCTSTR text, int count) { return TextOutW(x, y, text, count); }
  BOOL TextOut(int x, int y, const CString& text) {
    return TextOutW(x, y, text.GetString(), text.GetLength());
  }
  // One line placed in *rect by DT_LEFT/DT_CENTER/DT_RIGHT and DT_TOP/DT_VCENTER/DT_BOTTOM,
  // clipped to the rectangle unless DT_NOCLIP. "&x" underlines x and "&&" shows "&"
  // unless DT_NOPREFIX. DT_CALCRECT draws nothing and sets rect's right and bottom to fit
  // the text. count -1 means up to the terminating zero. Returns the text height, or with
  // DT_VCENTER/DT_BOTTOM the distance from rect->top to the text's bottom; 0 on failure.
  int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
  int DrawText(const CString& text, LPRECT rect, UINT format) {
    return DrawText(text.GetString(), text.GetLength(), rect, format);
  }
  // cx: the width the text is drawn with (sum of advances); cy: the font's cell height.
  // (0, 0) when count < 0 or no font could be created.
  CSize GetTextExtent(LPCTSTR text, int count) const;
  CSize GetTextExtent(const CString& text) const {
    return GetTextExtent(text.GetString(), text.GetLength());
  }
  BOOL GetTextExtentPoint32W(LPCWSTR text, int count, LPSIZE size) const;
  BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

  // ---- Blocks ------------------------------------------------------------------------
  // Copies a width x height block from (xSrc, ySrc) of `source` (logical coordinates of
  // that DC) to (x, y). Operations SRCCOPY, SRCPAINT, SRCAND, SRCINVERT use the source;
  // PATCOPY (brush), BLACKNESS, WHITENESS, DSTINVERT do not. The block is cut to this
  // DC's clip rectangle and to the source surface. FALSE for another operation, a
  // negative size, or a missing source.
  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
  // Scales the source rectangle of a 32-bit BI_RGB image onto the destination rectangle
  // (nearest source pixel). For a bottom-up image (biHeight > 0) ySrc counts from the
  // image's bottom edge, as the framework does. Returns the number of source rows used;
  // 0 for an unsupported header, a source rectangle outside the image, non-positive
  // sizes, or an operation other than SRCCOPY.
  int StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info,
                    UINT usage, DWORD rop);

 private:
  struct State {
    std::shared_ptr<PixelSurface> surfaceKeep;  // set while a bitmap is selected
    PixelSurface* surface = nullptr;
    CBitmap* bitmap = nullptr;
    CPoint deviceOrg;
    CPoint viewportOrg;
    CRect clip;  // surface coordinates, within the surface
    CPen* pen = nullptr;
    int penStyle = PS_SOLID;
    int penWidth = 1;
    std::uint32_t penPixel = 0;
    CBrush* brush = nullptr;
    bool brushHollow = false;
    std::uint32_t brushPixel = 0;
    CFont* font = nullptr;
    std::shared_ptr<FontFace> face;
    LOGFONT logFont;  // of the selected font, kept in case the font object goes away
    COLORREF textColor = 0;
    COLORREF bkColor = 0x00FFFFFF;
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int stretchMode = BLACKONWHITE;
    CPoint position;
    int stylePhase = 0;  // pixels of the pen pattern already used since MoveTo
  };

  void resetState();
  // Recomputes the inline fast-path fields from m_s.
  void syncTarget();
  // A logical rectangle in surface coordinates, cut to a range around the surface.
  CRect surfaceRect(const CRect& logical) const;
  // Surface coordinates of a logical point, widened so no sum overflows.
  std::int64_t devX(int x) const { return std::int64_t{x} + m_s.deviceOrg.x + m_s.viewportOrg.x; }
  std::int64_t devY(int y) const { return std::int64_t{y} + m_s.deviceOrg.y + m_s.viewportOrg.y; }
  // Helpers below take surface coordinates and clip to m_s.clip themselves.
  // Cuts [l, r) x [t, b) to the clip rectangle; false when nothing is left.
  bool cutToClip(std::int64_t& l, std::int64_t& t, std::int64_t& r, std::int64_t& b) const;
  void fillSurfaceRect(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b,
                       std::uint32_t pixel);
  void invertSurfaceRect(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b);
  void fillSpan(std::int64_t y, std::int64_t xFirst, std::int64_t xLast, std::uint32_t pixel);
  void drawThinLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
  void drawWideLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
  void drawSegment(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
  // Outline band and optional interior of the ellipse in [l, r) x [t, b); with
  // `sweep` < 2*pi only the band pixels whose angle lies in [start, start + sweep].
  void drawEllipseShape(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b,
                        bool fillInterior, double start, double sweep);
  // Draws text with the selected font inside the clip rectangle, (x, y) in surface
  // coordinates placed by `align`; underlinedChar >= 0 underlines that one character.
  void drawTextAt(std::int64_t x, std::int64_t y, std::wstring_view text, UINT align,
                  int underlinedChar);

  State m_s;
  std::vector<State> m_saved;
  bool m_memory = false;

  // Fast-path mirror of the target and clip: pixel (dx, dy) of the clip rectangle is
  // m_clipBits[dy * m_stride + dx]; a logical x maps to dx = x + m_biasX (mod 2^32).
  std::uint32_t* m_clipBits = nullptr;
  std::ptrdiff_t m_stride = 0;
  unsigned m_clipW = 0;
  unsigned m_clipH = 0;
  unsigned m_biasX = 0;
  unsigned m_biasY = 0;
  std::int64_t m_biasXs = 0;  // the same biases as signed 64-bit values
  std::int64_t m_biasYs = 0;
};

// The framework's free-function forms, for code holding an HDC.
BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size);
int SetStretchBltMode(HDC dc, int mode);
int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                  int ySrc, int srcWidth, int srcHeight, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop);
