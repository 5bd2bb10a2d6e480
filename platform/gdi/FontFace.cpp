#include "platform/gdi/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace {

// Light hinting snaps stems vertically only, keeping shapes close to the outlines at label
// sizes; it is the single hinting mode, so metrics never depend on a caller's choice.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT;

// A 16-pixel cell stands in for "any height" (lfHeight 0).
constexpr int kDefaultCellHeight = 16;

int roundToInt(double v) { return static_cast<int>(std::lround(v)); }

// Mixes source and destination bytes by coverage a (0..255); exact at both ends.
inline std::uint32_t blendChannel(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
  return (s * a + d * (255 - a) + 127) / 255;
}

inline std::uint32_t blendPixel(std::uint32_t src, std::uint32_t dst, std::uint32_t a) {
  const std::uint32_t b = blendChannel(src & 0xFF, dst & 0xFF, a);
  const std::uint32_t g = blendChannel((src >> 8) & 0xFF, (dst >> 8) & 0xFF, a);
  const std::uint32_t r = blendChannel((src >> 16) & 0xFF, (dst >> 16) & 0xFF, a);
  return b | (g << 8) | (r << 16);
}

}  // namespace

FontFace::FontFace(std::shared_ptr<FT_LibraryRec_> library, FT_FaceRec_* face)
    : m_library(std::move(library)), m_face(face) {}

FontFace::~FontFace() { FT_Done_Face(m_face); }

std::shared_ptr<FontFace> FontFace::open(std::shared_ptr<FT_LibraryRec_> library,
                                         const std::string& path, int index, int lfHeight,
                                         std::string* error) {
  auto fail = [&](const std::string& why) -> std::shared_ptr<FontFace> {
    if (error) *error = why;
    return nullptr;
  };
  FT_Face raw = nullptr;
  if (FT_New_Face(library.get(), path.c_str(), index, &raw) != 0) {
    return fail("cannot open font file \"" + path + "\"");
  }
  std::shared_ptr<FontFace> face(new FontFace(std::move(library), raw));
  if (!FT_IS_SCALABLE(raw) || raw->units_per_EM == 0) {
    return fail("font file \"" + path + "\" holds no scalable font");
  }
  face->m_family = raw->family_name ? raw->family_name : "";
  face->m_style = raw->style_name ? raw->style_name : "";

  // The cell spans the font's clipping ascent and descent (the OS/2 "win" values when
  // present), which is how the framework measures a line of text.
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(raw, FT_SFNT_OS2));
  double winAscent = os2 ? os2->usWinAscent : raw->ascender;
  double winDescent = os2 ? os2->usWinDescent : -raw->descender;
  if (winAscent + winDescent <= 0) {
    winAscent = raw->ascender;
    winDescent = -raw->descender;
  }
  const double unitsPerEm = raw->units_per_EM;
  const double cellUnits = winAscent + winDescent;
  if (cellUnits <= 0) return fail("font file \"" + path + "\" has no vertical metrics");

  Metrics& m = face->m_metrics;
  double emPixels = 0;
  if (lfHeight >= 0) {
    m.height = lfHeight == 0 ? kDefaultCellHeight : lfHeight;
    emPixels = m.height * unitsPerEm / cellUnits;
    m.ascent = roundToInt(m.height * winAscent / cellUnits);
    m.descent = m.height - m.ascent;
  } else {
    emPixels = -static_cast<double>(lfHeight);
    m.ascent = roundToInt(winAscent * emPixels / unitsPerEm);
    m.descent = roundToInt(winDescent * emPixels / unitsPerEm);
    m.height = m.ascent + m.descent;
  }
  const double scale = emPixels / unitsPerEm;
  m.internalLeading = std::max(0, m.height - roundToInt(emPixels));
  m.externalLeading = std::max(0, roundToInt((raw->height - cellUnits) * scale));
  m.maxCharWidth = roundToInt(raw->max_advance_width * scale);
  m.underlineOffset = std::max(1, roundToInt(-raw->underline_position * scale));
  m.underlineThickness = std::max(1, roundToInt(raw->underline_thickness * scale));

  const auto size26 = static_cast<FT_F26Dot6>(std::lround(emPixels * 64.0));
  if (size26 <= 0 || FT_Set_Char_Size(raw, 0, size26, 72, 72) != 0) {
    return fail("font file \"" + path + "\" cannot be scaled to the asked height");
  }
  m.averageCharWidth = (os2 && os2->xAvgCharWidth > 0) ? roundToInt(os2->xAvgCharWidth * scale)
                                                       : face->glyph(L'x').advance;
  return face;
}

const FontFace::Glyph& FontFace::glyph(wchar_t ch) {
  if (ch >= 0 && ch < 256) {
    const auto i = static_cast<std::size_t>(ch);
    if (!m_latinReady[i]) {
      render(ch, m_latin[i]);
      m_latinReady[i] = true;
    }
    return m_latin[i];
  }
  auto [it, inserted] = m_others.try_emplace(ch);
  if (inserted) render(ch, it->second);
  return it->second;
}

void FontFace::render(wchar_t ch, Glyph& out) {
  out = Glyph{};
  const FT_UInt index = FT_Get_Char_Index(m_face, static_cast<FT_ULong>(ch));
  // A glyph that fails to load or render is drawn as nothing with no advance; the text
  // around it stays in place.
  if (FT_Load_Glyph(m_face, index, kLoadFlags | FT_LOAD_RENDER) != 0) return;
  const FT_GlyphSlot slot = m_face->glyph;
  out.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  const FT_Bitmap& bm = slot->bitmap;
  if (bm.pixel_mode != FT_PIXEL_MODE_GRAY || bm.width == 0 || bm.rows == 0) return;
  out.left = slot->bitmap_left;
  out.top = slot->bitmap_top;
  out.width = static_cast<int>(bm.width);
  out.height = static_cast<int>(bm.rows);
  out.coverage.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
  const int levels = std::max(2, static_cast<int>(bm.num_grays));
  for (int y = 0; y < out.height; ++y) {
    const unsigned char* src = bm.buffer + y * bm.pitch;
    std::uint8_t* dst = out.coverage.data() + static_cast<std::size_t>(y * out.width);
    for (int x = 0; x < out.width; ++x) {
      dst[x] = static_cast<std::uint8_t>(src[x] * 255 / (levels - 1));
    }
  }
}

int FontFace::textWidth(std::wstring_view text) {
  std::int64_t width = 0;
  for (wchar_t ch : text) width += glyph(ch).advance;
  return static_cast<int>(std::min<std::int64_t>(width, INT32_MAX));
}

void FontFace::drawText(PixelSurface& surface, const CRect& clip, std::int64_t x, int baseline,
                        std::wstring_view text, COLORREF color) {
  const std::uint32_t pixel = PixelSurface::pixelOf(color);
  std::int64_t penX = x;
  for (wchar_t ch : text) {
    // No glyph reaches a cell height left of its pen position: the rest is out of sight.
    if (penX - m_metrics.height > clip.right) break;
    const Glyph& g = glyph(ch);
    const std::int64_t gx = penX + g.left;
    const int gy = baseline - g.top;
    penX += g.advance;
    const auto x0 = static_cast<int>(std::max<std::int64_t>(gx, clip.left));
    const auto x1 = static_cast<int>(std::min<std::int64_t>(gx + g.width, clip.right));
    const int y0 = std::max(gy, static_cast<int>(clip.top));
    const int y1 = std::min(gy + g.height, static_cast<int>(clip.bottom));
    if (x0 >= x1 || y0 >= y1) continue;
    for (int y = y0; y < y1; ++y) {
      const std::uint8_t* cov =
          g.coverage.data() + static_cast<std::ptrdiff_t>(y - gy) * g.width + (x0 - gx);
      std::uint32_t* dst = surface.row(y) + x0;
      for (int i = 0, n = x1 - x0; i < n; ++i) {
        const std::uint32_t a = cov[i];
        if (a == 255) {
          dst[i] = pixel;
        } else if (a != 0) {
          dst[i] = blendPixel(pixel, dst[i], a);
        }
      }
    }
  }
}
