// Text helpers of the draw engine's legends, read-outs, measures and waveform strip: output
// and measurement at 64-bit positions (narrowed with saturation, see DrawNumbers.h).
#pragma once

#include <cstdint>
#include <string>

#include "draw/DrawNumbers.h"
#include "platform/gdi/CDC.h"

namespace spctmdraw {

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
