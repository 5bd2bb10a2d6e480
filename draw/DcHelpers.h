// Device-context helpers of the draw engine's legends, read-outs, measures and waveform
// strip: a scope that selects an operation's drawing attributes and restores the previous
// ones on every return path, and text output and measurement at 64-bit positions (narrowed
// with saturation, see DrawNumbers.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "draw/DrawNumbers.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

namespace spctmdraw {

// Selects the label font, a pen, the text colour and, when given, the text background
// colour; the destructor puts the previous ones back. A pen selected later through the
// context is also replaced by the original one at the end.
class DcAttributeScope {
 public:
  DcAttributeScope(CDC& dc, CFont* font, CPen* pen, COLORREF text,
                   std::optional<COLORREF> textBk = std::nullopt)
      : m_dc(dc),
        m_oldText(dc.SetTextColor(text)),
        m_oldTextBk(textBk ? std::optional<COLORREF>(dc.SetBkColor(*textBk)) : std::nullopt),
        m_oldFont(dc.SelectObject(font)),
        m_oldPen(dc.SelectObject(pen)) {}
  ~DcAttributeScope() {
    if (m_oldPen) m_dc.SelectObject(m_oldPen);
    if (m_oldTextBk) m_dc.SetBkColor(*m_oldTextBk);
    m_dc.SetTextColor(m_oldText);
    if (m_oldFont) m_dc.SelectObject(m_oldFont);
  }
  DcAttributeScope(const DcAttributeScope&) = delete;
  DcAttributeScope& operator=(const DcAttributeScope&) = delete;

 private:
  CDC& m_dc;
  COLORREF m_oldText;
  std::optional<COLORREF> m_oldTextBk;
  CFont* m_oldFont;
  CPen* m_oldPen;
};

// Draws text with its top-left corner at (x, y).
inline void textOut(CDC& dc, std::int64_t x, std::int64_t y, const std::wstring& text) {
  dc.TextOutW(toInt(x), toInt(y), text.c_str(), static_cast<int>(text.size()));
}

// Width and height of text in the selected font.
inline CSize textExtent(const CDC& dc, const std::wstring& text) {
  CSize size;
  dc.GetTextExtentPoint32W(text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

}  // namespace spctmdraw
