// Turns a logical font (LOGFONT) into an open FontFace: fontconfig resolves face name,
// weight and slant to a file, FreeType opens it. CFont calls it; faces are shared between
// fonts asking for the same file and height. UI thread only.
//
// The project's fontconfig aliases (platform/fonts/spctm-fonts.conf, built into the
// library) map "Arial", "MS Sans Serif", "MS Shell Dlg" and "MS Shell Dlg 2" to
// Liberation Sans, whose advances match Arial's.
#pragma once

#include "platform/gdi/FontFace.h"
#include "platform/gdi/GdiDefs.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>

class FontEngine {
 public:
  // The process's engine (installed fonts plus the project's aliases), made on first use.
  static FontEngine& instance();

  // withInstalledFonts false gives an engine that knows no font file at all: every open
  // fails with a message. It exists so that failure handling can be exercised.
  explicit FontEngine(bool withInstalledFonts);
  ~FontEngine();
  FontEngine(const FontEngine&) = delete;
  FontEngine& operator=(const FontEngine&) = delete;

  // The face serving `lf`, or null with a one-line reason in *error. An empty face name
  // asks for "MS Shell Dlg". A name the project aliases fails when Liberation Sans is not
  // installed, rather than silently falling back to a font of other widths.
  std::shared_ptr<FontFace> open(const LOGFONTW& lf, std::string* error);

 private:
  struct Resolved {
    std::string path;
    int index = 0;
  };
  bool resolve(const LOGFONTW& lf, Resolved* out, std::string* error);

  struct Config;
  std::unique_ptr<Config> m_config;
  std::shared_ptr<FT_LibraryRec_> m_library;
  std::map<std::tuple<std::string, int, int>, std::weak_ptr<FontFace>> m_faces;
};
