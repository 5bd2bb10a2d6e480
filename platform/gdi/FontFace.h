// One font file at one pixel size: cell metrics and a cache of rendered glyphs. It is what a
// CFont stands for and what a DC draws and measures text with; FontEngine creates and
// shares faces. No kerning, no shaping: one glyph per character. UI thread only.
//
// Hinting is fixed (FreeType's light hinting, advances rounded to whole pixels), so a text
// always measures the same and is drawn exactly as wide as it measures.
#pragma once

#include "platform/gdi/PixelSurface.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

class FontFace {
 public:
  struct Glyph {
    int advance = 0;  // pen movement in whole pixels
    int left = 0;     // columns from the pen position to the image's left edge
    int top = 0;      // rows of the image above the baseline
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width * height grey levels, 0 none .. 255 full
  };

  // Pixel metrics of the cell every character sits in.
  struct Metrics {
    int ascent = 0;            // rows above the baseline
    int descent = 0;           // rows from the baseline down
    int height = 0;            // ascent + descent: the text extent's cy
    int internalLeading = 0;   // height minus the em height
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int underlineOffset = 1;   // rows below the baseline of the underline's first row
    int underlineThickness = 1;
  };

  // Opens face `index` of the file at `path`. lfHeight follows LOGFONT: > 0 is the cell
  // height, < 0 the em height, 0 a 16-pixel cell. Null, with the reason in *error, when
  // the file cannot be opened or holds no scalable font.
  static std::shared_ptr<FontFace> open(std::shared_ptr<FT_LibraryRec_> library,
                                        const std::string& path, int index, int lfHeight,
                                        std::string* error);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const Metrics& metrics() const { return m_metrics; }
  const std::string& familyName() const { return m_family; }
  const std::string& styleName() const { return m_style; }

  // The rendered glyph of a character (the font's missing-glyph shape when it has none);
  // rendered on first use and kept.
  const Glyph& glyph(wchar_t ch);
  // Sum of the advances: the width a text is drawn with.
  int textWidth(std::wstring_view text);
  // Blends the glyphs of `text` in `color` over `surface`: the pen starts at x, the
  // baseline is row `baseline`, and only pixels inside `clip` (surface coordinates, lying
  // within the surface) change.
  void drawText(PixelSurface& surface, const CRect& clip, std::int64_t x, int baseline,
                std::wstring_view text, COLORREF color);

 private:
  FontFace(std::shared_ptr<FT_LibraryRec_> library, FT_FaceRec_* face);
  void render(wchar_t ch, Glyph& out);

  std::shared_ptr<FT_LibraryRec_> m_library;  // outlives m_face
  FT_FaceRec_* m_face = nullptr;
  Metrics m_metrics;
  std::string m_family;
  std::string m_style;
  std::array<Glyph, 256> m_latin;       // characters below 256, the labels' usual range
  std::array<bool, 256> m_latinReady{};
  std::unordered_map<wchar_t, Glyph> m_others;
};
