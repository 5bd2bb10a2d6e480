// Text output and measurement of CDC. Glyph images and advances come from the selected
// font's FontFace; this file places the text cell, paints its background and underlines.
#include "platform/gdi/CDC.h"

#include "platform/gdi/CFont.h"
#include "platform/gdi/FontFace.h"

#include <algorithm>
#include <cwchar>
#include <string>

namespace {

// Removes the '&' marks of a caption: "&&" shows one '&', "&x" shows x underlined (the
// last such mark wins). Returns the shown text and the underlined index, or -1.
std::pair<std::wstring, int> stripPrefixes(std::wstring_view text) {
  std::wstring shown;
  shown.reserve(text.size());
  int underlined = -1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != L'&') underlined = static_cast<int>(shown.size());
    }
    shown += text[i];
  }
  return {shown, underlined};
}

}  // namespace

void CDC::drawTextAt(std::int64_t x, std::int64_t y, std::wstring_view text, UINT align,
                     int underlinedChar) {
  FontFace& face = *m_s.face;
  const FontFace::Metrics& m = face.metrics();
  const std::int64_t width = face.textWidth(text);
  std::int64_t left = x;
  std::int64_t top = y;
  if ((align & TA_CENTER) == TA_CENTER) {
    left -= width / 2;
  } else if ((align & TA_RIGHT) != 0) {
    left -= width;
  }
  if ((align & TA_BASELINE) == TA_BASELINE) {
    top -= m.ascent;
  } else if ((align & TA_BOTTOM) != 0) {
    top -= m.height;
  }
  // Glyph images may stick out of the cell by a little; a margin of one cell height keeps
  // them, and anything farther away cannot touch the clip rectangle.
  const CRect& c = m_s.clip;
  if (c.IsRectEmpty() || top - m.height >= c.bottom || top + 2 * m.height <= c.top ||
      left - m.height >= c.right || left + width + m.height <= c.left) {
    return;
  }
  const std::int64_t baseline = top + m.ascent;
  if (m_s.bkMode == OPAQUE) {
    fillSurfaceRect(left, top, left + width, top + m.height, PixelSurface::pixelOf(m_s.bkColor));
  }
  face.drawText(*m_s.surface, c, left, static_cast<int>(baseline), text,
                m_s.textColor);
  const std::uint32_t ink = PixelSurface::pixelOf(m_s.textColor);
  const std::int64_t lineTop = baseline + m.underlineOffset;
  const std::int64_t lineBottom = lineTop + m.underlineThickness;
  if (m_s.logFont.lfUnderline != 0) fillSurfaceRect(left, lineTop, left + width, lineBottom, ink);
  if (underlinedChar >= 0 && static_cast<std::size_t>(underlinedChar) < text.size()) {
    const auto index = static_cast<std::size_t>(underlinedChar);
    const std::int64_t from = left + face.textWidth(text.substr(0, index));
    fillSurfaceRect(from, lineTop, from + face.glyph(text[index]).advance, lineBottom, ink);
  }
}

BOOL CDC::TextOutW(int x, int y, LPCWSTR text, int count) {
  if (count < 0 || (text == nullptr && count > 0) || !m_s.face) return FALSE;
  if (count > 0) {
    drawTextAt(devX(x), devY(y), std::wstring_view(text, static_cast<std::size_t>(count)),
               m_s.textAlign, -1);
  }
  return TRUE;
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format) {
  if (rect == nullptr || !m_s.face || count < -1 || (text == nullptr && count != 0)) return 0;
  const std::size_t length =
      count == -1 ? std::wcslen(text) : static_cast<std::size_t>(count);
  const std::wstring_view given(text ? text : L"", length);
  auto [shown, underlined] = (format & DT_NOPREFIX) != 0
                                 ? std::make_pair(std::wstring(given), -1)
                                 : stripPrefixes(given);
  const CSize extent = GetTextExtent(shown.c_str(), static_cast<int>(shown.size()));
  if ((format & DT_CALCRECT) != 0) {
    rect->right = rect->left + extent.cx;
    rect->bottom = rect->top + extent.cy;
    return extent.cy;
  }
  LONG x = rect->left;
  if ((format & DT_CENTER) != 0) {
    x = rect->left + (rect->Width() - extent.cx) / 2;
  } else if ((format & DT_RIGHT) != 0) {
    x = rect->right - extent.cx;
  }
  LONG y = rect->top;
  if ((format & DT_VCENTER) != 0) {
    y = rect->top + (rect->Height() - extent.cy) / 2;
  } else if ((format & DT_BOTTOM) != 0) {
    y = rect->bottom - extent.cy;
  }
  const CRect savedClip = m_s.clip;
  if ((format & DT_NOCLIP) == 0) m_s.clip.IntersectRect(m_s.clip, surfaceRect(*rect));
  drawTextAt(devX(x), devY(y), shown, TA_LEFT | TA_TOP, underlined);
  m_s.clip = savedClip;
  return (format & (DT_VCENTER | DT_BOTTOM)) != 0 ? (y - rect->top) + extent.cy : extent.cy;
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const {
  if (count < 0 || (text == nullptr && count > 0) || !m_s.face) return {};
  const std::wstring_view view(text ? text : L"", static_cast<std::size_t>(count));
  return {m_s.face->textWidth(view), m_s.face->metrics().height};
}

BOOL CDC::GetTextExtentPoint32W(LPCWSTR text, int count, LPSIZE size) const {
  if (size == nullptr || count < 0 || (text == nullptr && count > 0) || !m_s.face) return FALSE;
  *size = GetTextExtent(text, count);
  return TRUE;
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const {
  if (metrics == nullptr || !m_s.face) return FALSE;
  const FontFace::Metrics& m = m_s.face->metrics();
  const LOGFONT& lf = m_s.logFont;
  *metrics = TEXTMETRIC{};
  metrics->tmHeight = m.height;
  metrics->tmAscent = m.ascent;
  metrics->tmDescent = m.descent;
  metrics->tmInternalLeading = m.internalLeading;
  metrics->tmExternalLeading = m.externalLeading;
  metrics->tmAveCharWidth = m.averageCharWidth;
  metrics->tmMaxCharWidth = m.maxCharWidth;
  metrics->tmWeight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
  metrics->tmItalic = lf.lfItalic;
  metrics->tmUnderlined = lf.lfUnderline;
  return TRUE;
}
