// Value types of the UI platform: integer aliases, colours, points, sizes and rectangles.
// Every layer that draws or lays out windows uses these; they carry no resources and
// have no behaviour beyond plain arithmetic. Rectangles are half-open: a rectangle holds
// the pixels left <= x < right and top <= y < bottom.
#pragma once

#include <algorithm>
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// A colour 0x00BBGGRR: red in the lowest byte, blue in the third.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

// a * b / c rounded to the nearest integer (halves away from zero); -1 when c is 0 or the
// result does not fit an int, as the framework's helper does.
constexpr int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t p = static_cast<std::int64_t>(a) * b;
  const std::int64_t absP = p < 0 ? -p : p;
  const std::int64_t absC = c < 0 ? -static_cast<std::int64_t>(c) : c;
  std::int64_t q = (absP + absC / 2) / absC;
  if ((p < 0) != (c < 0)) q = -q;
  if (q > INT32_MAX || q < INT32_MIN) return -1;
  return static_cast<int>(q);
}

struct CSize {
  LONG cx = 0;
  LONG cy = 0;
  constexpr CSize() = default;
  constexpr CSize(LONG w, LONG h) : cx(w), cy(h) {}
  friend constexpr bool operator==(const CSize&, const CSize&) = default;
};

struct CPoint {
  LONG x = 0;
  LONG y = 0;
  constexpr CPoint() = default;
  constexpr CPoint(LONG px, LONG py) : x(px), y(py) {}
  constexpr void Offset(LONG dx, LONG dy) { x += dx; y += dy; }
  constexpr CPoint operator+(CSize s) const { return {x + s.cx, y + s.cy}; }
  constexpr CPoint operator-(CSize s) const { return {x - s.cx, y - s.cy}; }
  constexpr CSize operator-(CPoint p) const { return {x - p.x, y - p.y}; }
  friend constexpr bool operator==(const CPoint&, const CPoint&) = default;
};

struct CRect {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;

  constexpr CRect() = default;
  constexpr CRect(LONG l, LONG t, LONG r, LONG b) : left(l), top(t), right(r), bottom(b) {}
  constexpr CRect(CPoint topLeft, CSize size)
      : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy) {}

  constexpr LONG Width() const { return right - left; }
  constexpr LONG Height() const { return bottom - top; }
  constexpr CSize Size() const { return {Width(), Height()}; }
  constexpr CPoint TopLeft() const { return {left, top}; }
  constexpr CPoint BottomRight() const { return {right, bottom}; }
  constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

  // Empty when it holds no pixel (zero or negative width or height).
  constexpr BOOL IsRectEmpty() const { return (right <= left || bottom <= top) ? TRUE : FALSE; }
  constexpr BOOL IsRectNull() const { return (left == 0 && top == 0 && right == 0 && bottom == 0) ? TRUE : FALSE; }
  constexpr BOOL PtInRect(CPoint p) const {
    return (p.x >= left && p.x < right && p.y >= top && p.y < bottom) ? TRUE : FALSE;
  }

  constexpr void SetRect(LONG l, LONG t, LONG r, LONG b) { left = l; top = t; right = r; bottom = b; }
  constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  constexpr void OffsetRect(LONG dx, LONG dy) { left += dx; right += dx; top += dy; bottom += dy; }
  constexpr void OffsetRect(CPoint p) { OffsetRect(p.x, p.y); }
  constexpr void InflateRect(LONG dx, LONG dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
  constexpr void DeflateRect(LONG dx, LONG dy) { InflateRect(-dx, -dy); }
  // Swaps the edges so that left <= right and top <= bottom.
  constexpr void NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
  }
  // This becomes the common part of a and b; TRUE when that part holds a pixel,
  // otherwise this becomes the null rectangle and the result is FALSE.
  constexpr BOOL IntersectRect(const CRect& a, const CRect& b) {
    CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom));
    if (r.IsRectEmpty()) {
      SetRectEmpty();
      return FALSE;
    }
    *this = r;
    return TRUE;
  }
  // This becomes the smallest rectangle holding a and b (an empty one counts for nothing).
  constexpr BOOL UnionRect(const CRect& a, const CRect& b) {
    if (a.IsRectEmpty()) { *this = b; }
    else if (b.IsRectEmpty()) { *this = a; }
    else {
      *this = CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                    std::max(a.bottom, b.bottom));
    }
    return IsRectEmpty() ? FALSE : TRUE;
  }
  friend constexpr bool operator==(const CRect&, const CRect&) = default;
};

// The framework's plain-record names for the same types; pointers stand for its LP types.
using POINT = CPoint;
using SIZE = CSize;
using RECT = CRect;
using LPPOINT = CPoint*;
using LPSIZE = CSize*;
using LPRECT = CRect*;
using LPCRECT = const CRect*;
