#include "platform/gdi/DcStateScope.h"

namespace {

// Keeps the value from before the scope's first change: later changes only replace the
// context's value, never what the scope will restore.
template <class T>
void keepFirst(std::optional<T>& kept, T before) {
  if (!kept) kept = before;
}

template <class T>
void keepFirst(T*& kept, T* before) {
  if (kept == nullptr) kept = before;
}

}  // namespace

DcStateScope::~DcStateScope() {
  if (m_clip) m_dc.setSurfaceClip(*m_clip);
  if (m_pen) m_dc.SelectObject(m_pen);
  if (m_brush) m_dc.SelectObject(m_brush);
  if (m_font) m_dc.SelectObject(m_font);
  if (m_textColor) m_dc.SetTextColor(*m_textColor);
  if (m_bkColor) m_dc.SetBkColor(*m_bkColor);
  if (m_bkMode) m_dc.SetBkMode(*m_bkMode);
  if (m_position) m_dc.MoveTo(*m_position);
}

DcStateScope& DcStateScope::pen(CPen* pen) {
  keepFirst(m_pen, m_dc.SelectObject(pen));
  return *this;
}

DcStateScope& DcStateScope::brush(CBrush* brush) {
  keepFirst(m_brush, m_dc.SelectObject(brush));
  return *this;
}

DcStateScope& DcStateScope::font(CFont* font) {
  keepFirst(m_font, m_dc.SelectObject(font));
  return *this;
}

DcStateScope& DcStateScope::textColor(COLORREF color) {
  keepFirst(m_textColor, m_dc.SetTextColor(color));
  return *this;
}

DcStateScope& DcStateScope::bkColor(COLORREF color) {
  keepFirst(m_bkColor, m_dc.SetBkColor(color));
  return *this;
}

DcStateScope& DcStateScope::bkMode(int mode) {
  if (const int before = m_dc.SetBkMode(mode); before != 0) keepFirst(m_bkMode, before);
  return *this;
}

DcStateScope& DcStateScope::intersectClip(const CRect& rect) {
  keepFirst(m_clip, m_dc.surfaceClip());
  m_dc.IntersectClipRect(&rect);
  return *this;
}

DcStateScope& DcStateScope::keepPosition() {
  keepFirst(m_position, m_dc.GetCurrentPosition());
  return *this;
}
