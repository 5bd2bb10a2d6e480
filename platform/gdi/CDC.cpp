// Target, state, objects, attributes and rectangles of CDC. Lines and shapes are in
// CDCShapes.cpp, text in CDCText.cpp, block transfers in CDCBlocks.cpp.
#include "platform/gdi/CDC.h"

#include "platform/gdi/StockObjects.h"

#include <algorithm>
#include <utility>

CDC::CDC() { resetState(); }

CDC::CDC(PixelSurface& surface, CPoint origin, const CRect& clip) {
  resetState();
  setTarget(&surface, origin, clip);
}

CDC::~CDC() = default;

void CDC::resetState() {
  m_s = State{};
  m_saved.clear();
  m_memory = false;
  m_hDC = nullptr;
  // A fresh DC draws with the stock objects, as the framework's do.
  SelectObject(StockObjects::pen(BLACK_PEN));
  SelectObject(StockObjects::brush(WHITE_BRUSH));
  SelectObject(StockObjects::font(SYSTEM_FONT));
  syncTarget();
}

void CDC::setTarget(PixelSurface* surface, CPoint origin, const CRect& clip) {
  m_saved.clear();
  m_memory = false;
  m_s.surfaceKeep.reset();
  m_s.bitmap = nullptr;
  m_s.surface = surface;
  m_s.deviceOrg = origin;
  m_s.viewportOrg = CPoint();
  m_s.clip = CRect();
  if (surface) {
    CRect onSurface = clip;
    onSurface.OffsetRect(origin);
    m_s.clip.IntersectRect(onSurface, surface->bounds());
    m_hDC = this;
  }
  syncTarget();
}

BOOL CDC::CreateCompatibleDC(CDC* /*other*/) {
  if (m_s.surface != nullptr || m_memory) return FALSE;
  m_memory = true;
  m_hDC = this;
  SelectObject(StockObjects::memoryDcBitmap());
  return TRUE;
}

BOOL CDC::DeleteDC() {
  const bool held = m_hDC != nullptr;
  resetState();
  return held ? TRUE : FALSE;
}

void CDC::syncTarget() {
  PixelSurface* s = m_s.surface;
  const CRect& c = m_s.clip;
  if (s == nullptr || c.IsRectEmpty()) {
    m_clipBits = nullptr;
    m_stride = 0;
    m_clipW = m_clipH = 0;
    return;
  }
  m_stride = s->stride();
  m_clipBits = s->row(c.top) + c.left;
  m_clipW = static_cast<unsigned>(c.Width());
  m_clipH = static_cast<unsigned>(c.Height());
  m_biasXs = std::int64_t{m_s.deviceOrg.x} + m_s.viewportOrg.x - c.left;
  m_biasYs = std::int64_t{m_s.deviceOrg.y} + m_s.viewportOrg.y - c.top;
  m_biasX = static_cast<unsigned>(m_biasXs);
  m_biasY = static_cast<unsigned>(m_biasYs);
}

// ---- Coordinates, clipping, saved states ----------------------------------------------

CPoint CDC::SetViewportOrg(int x, int y) {
  const CPoint old = m_s.viewportOrg;
  m_s.viewportOrg = CPoint(x, y);
  syncTarget();
  return old;
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
  return SetViewportOrg(m_s.viewportOrg.x + dx, m_s.viewportOrg.y + dy);
}

CRect CDC::surfaceRect(const CRect& logical) const {
  // Coordinates far off the surface are pulled in; what lies on the surface is unchanged.
  auto near = [](std::int64_t v) {
    return static_cast<LONG>(
        std::clamp<std::int64_t>(v, -PixelSurface::kMaxSide, 2 * PixelSurface::kMaxSide));
  };
  return {near(devX(logical.left)), near(devY(logical.top)), near(devX(logical.right)),
          near(devY(logical.bottom))};
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
  m_s.clip.IntersectRect(m_s.clip, surfaceRect(CRect(left, top, right, bottom)));
  syncTarget();
  return m_s.clip.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(LPCRECT rect) {
  return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : 0;
}

void CDC::setSurfaceClip(const CRect& clip) {
  m_s.clip = CRect();
  if (m_s.surface) m_s.clip.IntersectRect(clip, m_s.surface->bounds());
  syncTarget();
}

int CDC::GetClipBox(LPRECT rect) const {
  if (rect == nullptr) return 0;
  *rect = m_s.clip;
  rect->OffsetRect(-(m_s.deviceOrg.x + m_s.viewportOrg.x), -(m_s.deviceOrg.y + m_s.viewportOrg.y));
  return m_s.clip.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::SaveDC() {
  m_saved.push_back(m_s);
  return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int saved) {
  const auto depth = static_cast<int>(m_saved.size());
  const int level = saved < 0 ? depth + 1 + saved : saved;
  if (saved == 0 || level < 1 || level > depth) return FALSE;
  m_s = m_saved[static_cast<std::size_t>(level - 1)];
  m_saved.resize(static_cast<std::size_t>(level - 1));
  syncTarget();
  return TRUE;
}

int CDC::GetDeviceCaps(int index) const {
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case HORZRES: return m_s.surface ? m_s.surface->width() : 0;
    case VERTRES: return m_s.surface ? m_s.surface->height() : 0;
    case BITSPIXEL: return 32;
    default: return 0;
  }
}

// ---- Objects ------------------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pen) {
  if (pen == nullptr || pen->GetSafeHandle() == nullptr) return nullptr;
  CPen* old = m_s.pen;
  m_s.pen = pen;
  m_s.penStyle = pen->style();
  m_s.penWidth = std::max(1, pen->width());
  m_s.penPixel = PixelSurface::pixelOf(pen->color());
  m_s.stylePhase = 0;
  return old;
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (brush == nullptr || brush->GetSafeHandle() == nullptr) return nullptr;
  CBrush* old = m_s.brush;
  m_s.brush = brush;
  m_s.brushHollow = brush->isHollow();
  m_s.brushPixel = PixelSurface::pixelOf(brush->color());
  return old;
}

CFont* CDC::SelectObject(CFont* font) {
  if (font == nullptr || font->GetSafeHandle() == nullptr) return nullptr;
  CFont* old = m_s.font;
  m_s.font = font;
  m_s.face = font->face();
  font->GetLogFont(&m_s.logFont);
  return old;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  if (!m_memory || bitmap == nullptr || bitmap->GetSafeHandle() == nullptr) return nullptr;
  CBitmap* old = m_s.bitmap;
  m_s.bitmap = bitmap;
  m_s.surfaceKeep = bitmap->sharedSurface();
  m_s.surface = m_s.surfaceKeep.get();
  m_s.deviceOrg = CPoint();
  m_s.viewportOrg = CPoint();
  m_s.clip = m_s.surface->bounds();
  syncTarget();
  return old;
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
  if (object == nullptr) return nullptr;
  switch (object->kind()) {
    case CGdiObject::Kind::pen: return SelectObject(static_cast<CPen*>(object));
    case CGdiObject::Kind::brush: return SelectObject(static_cast<CBrush*>(object));
    case CGdiObject::Kind::font: return SelectObject(static_cast<CFont*>(object));
    case CGdiObject::Kind::bitmap: return SelectObject(static_cast<CBitmap*>(object));
  }
  return nullptr;
}

CGdiObject* CDC::SelectStockObject(int id) { return SelectObject(StockObjects::get(id)); }

// ---- Attributes ---------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF c) {
  return std::exchange(m_s.textColor, c & 0x00FFFFFF);
}

COLORREF CDC::SetBkColor(COLORREF c) { return std::exchange(m_s.bkColor, c & 0x00FFFFFF); }

int CDC::SetBkMode(int mode) {
  if (mode != OPAQUE && mode != TRANSPARENT) return 0;
  return std::exchange(m_s.bkMode, mode);
}

UINT CDC::SetTextAlign(UINT align) { return std::exchange(m_s.textAlign, align); }

int CDC::SetStretchBltMode(int mode) {
  if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return std::exchange(m_s.stretchMode, mode);
}

// ---- Pixels and rectangles ----------------------------------------------------------

COLORREF CDC::GetPixel(int x, int y) const {
  const unsigned dx = static_cast<unsigned>(x) + m_biasX;
  const unsigned dy = static_cast<unsigned>(y) + m_biasY;
  if (dx >= m_clipW || dy >= m_clipH) return CLR_INVALID;
  return PixelSurface::colorOf(m_clipBits[static_cast<std::ptrdiff_t>(dy) * m_stride + dx]);
}

bool CDC::cutToClip(std::int64_t& l, std::int64_t& t, std::int64_t& r, std::int64_t& b) const {
  const CRect& c = m_s.clip;
  l = std::max<std::int64_t>(l, c.left);
  t = std::max<std::int64_t>(t, c.top);
  r = std::min<std::int64_t>(r, c.right);
  b = std::min<std::int64_t>(b, c.bottom);
  return l < r && t < b;
}

void CDC::fillSurfaceRect(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b,
                          std::uint32_t pixel) {
  if (!cutToClip(l, t, r, b)) return;
  for (auto y = t; y < b; ++y) {
    std::fill_n(m_s.surface->row(static_cast<int>(y)) + l, r - l, pixel);
  }
}

void CDC::fillSpan(std::int64_t y, std::int64_t xFirst, std::int64_t xLast, std::uint32_t pixel) {
  fillSurfaceRect(xFirst, y, xLast + 1, y + 1, pixel);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
  if (rect == nullptr || brush == nullptr || brush->GetSafeHandle() == nullptr ||
      brush->isHollow()) {
    return;
  }
  fillSurfaceRect(devX(rect->left), devY(rect->top), devX(rect->right), devY(rect->bottom),
                  PixelSurface::pixelOf(brush->color()));
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
  const std::uint32_t tl = PixelSurface::pixelOf(topLeft);
  const std::uint32_t br = PixelSurface::pixelOf(bottomRight);
  const std::int64_t l = devX(x), t = devY(y), r = l + cx, b = t + cy;
  fillSurfaceRect(l, t, r - 1, t + 1, tl);
  fillSurfaceRect(l, t, l + 1, b - 1, tl);
  fillSurfaceRect(r - 1, t, r, b, br);
  fillSurfaceRect(l, b - 1, r, b, br);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
  if (rect) Draw3dRect(rect->left, rect->top, rect->Width(), rect->Height(), topLeft, bottomRight);
}

void CDC::invertSurfaceRect(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
  if (!cutToClip(l, t, r, b)) return;
  for (auto y = t; y < b; ++y) {
    std::uint32_t* row = m_s.surface->row(static_cast<int>(y));
    for (auto x = l; x < r; ++x) row[x] ^= 0x00FFFFFFu;
  }
}

void CDC::InvertRect(LPCRECT rect) {
  if (rect == nullptr) return;
  invertSurfaceRect(devX(rect->left), devY(rect->top), devX(rect->right), devY(rect->bottom));
}

// ---- Free-function forms ------------------------------------------------------------

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size) {
  return dc ? dc->GetTextExtentPoint32W(text, count, size) : FALSE;
}

int SetStretchBltMode(HDC dc, int mode) { return dc ? dc->SetStretchBltMode(mode) : 0; }

int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                  int ySrc, int srcWidth, int srcHeight, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop) {
  return dc ? dc->StretchDIBits(xDest, yDest, destWidth, destHeight, xSrc, ySrc, srcWidth,
                                srcHeight, bits, info, usage, rop)
            : 0;
}
