// One scope guard for a device context's drawing state, used by every drawing operation
// that changes pens, brushes, fonts, colours, background mode or the clip rectangle: each
// change goes through the scope, and when the scope ends (on every return path) each
// attribute it changed gets back the value it had before the scope's first change of it.
// What the scope did not change (the current position unless kept, a fill's background
// colour, a colour set on purpose directly through the context) is left as the operation
// made it.
#pragma once

#include <optional>

#include "platform/gdi/CDC.h"

class DcStateScope {
 public:
  explicit DcStateScope(CDC& dc) : m_dc(dc) {}
  ~DcStateScope();
  DcStateScope(const DcStateScope&) = delete;
  DcStateScope& operator=(const DcStateScope&) = delete;

  // Each selects or sets one attribute and returns the scope, so several chain. A null
  // object (or one holding no resource) and an unknown mode change nothing, as in CDC.
  DcStateScope& pen(CPen* pen);
  DcStateScope& brush(CBrush* brush);
  DcStateScope& font(CFont* font);
  DcStateScope& textColor(COLORREF color);
  DcStateScope& bkColor(COLORREF color);
  DcStateScope& bkMode(int mode);
  // Narrows the clip rectangle to its common part with `rect` (logical coordinates).
  DcStateScope& intersectClip(const CRect& rect);
  // Puts the current position back at the end, wherever the operation's lines leave it
  // (as a MoveTo there, so a pen pattern restarts).
  DcStateScope& keepPosition();

 private:
  CDC& m_dc;
  CPen* m_pen = nullptr;
  CBrush* m_brush = nullptr;
  CFont* m_font = nullptr;
  std::optional<COLORREF> m_textColor;
  std::optional<COLORREF> m_bkColor;
  std::optional<int> m_bkMode;
  std::optional<CRect> m_clip;  // surface coordinates
  std::optional<CPoint> m_position;
};
