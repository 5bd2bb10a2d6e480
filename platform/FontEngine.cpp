#include "platform/FontEngine.h"

#include "platform/FontAliases.h"
#include "platform/afxstr.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>

namespace {

// The family every project alias points at; a request that resolves to it must get it.
constexpr const char* kAliasTarget = "Liberation Sans";
constexpr const wchar_t* kDefaultFace = L"MS Shell Dlg";

std::string faceNameOf(const LOGFONTW& lf) {
  const wchar_t* name = lf.lfFaceName;
  const std::size_t n = wcsnlen(name, LF_FACESIZE);
  return toUtf8(n == 0 ? std::wstring_view(kDefaultFace) : std::wstring_view(name, n));
}

std::string stringOf(FcPattern* p, const char* object) {
  FcChar8* s = nullptr;
  if (FcPatternGetString(p, object, 0, &s) != FcResultMatch || s == nullptr) return {};
  return reinterpret_cast<const char*>(s);
}

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

}  // namespace

struct FontEngine::Config {
  FcConfig* fc = nullptr;
  ~Config() {
    if (fc) FcConfigDestroy(fc);
  }
};

FontEngine& FontEngine::instance() {
  static FontEngine engine(true);
  return engine;
}

FontEngine::FontEngine(bool withInstalledFonts) : m_config(std::make_unique<Config>()) {
  m_config->fc = withInstalledFonts ? FcInitLoadConfigAndFonts() : FcConfigCreate();
  if (m_config->fc) {
    FcConfigParseAndLoadFromMemory(m_config->fc,
                                   reinterpret_cast<const FcChar8*>(kFontAliasesXml), FcTrue);
  }
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) == 0) {
    m_library = std::shared_ptr<FT_LibraryRec_>(lib, [](FT_Library l) { FT_Done_FreeType(l); });
  }
}

FontEngine::~FontEngine() = default;

bool FontEngine::resolve(const LOGFONTW& lf, Resolved* out, std::string* error) {
  const std::string family = faceNameOf(lf);
  auto fail = [&](const std::string& why) {
    if (error) *error = "font \"" + family + "\": " + why;
    return false;
  };
  if (!m_config->fc) return fail("fontconfig could not be initialised");

  PatternPtr pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  const double weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
  FcPatternAddDouble(pattern.get(), FC_WEIGHT, FcWeightFromOpenTypeDouble(weight));
  FcPatternAddInteger(pattern.get(), FC_SLANT, lf.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(m_config->fc, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  const std::string preferred = stringOf(pattern.get(), FC_FAMILY);

  FcResult result = FcResultNoMatch;
  PatternPtr match(FcFontMatch(m_config->fc, pattern.get(), &result));
  const std::string path = match ? stringOf(match.get(), FC_FILE) : std::string();
  if (path.empty()) return fail("no installed font can serve it (is fontconfig set up?)");

  // fontconfig always offers some font; for the aliased faces a stand-in of other widths
  // would silently change every extent and layout, so it counts as missing.
  const std::string got = stringOf(match.get(), FC_FAMILY);
  if (preferred == kAliasTarget && got != kAliasTarget) {
    return fail(std::string("needs ") + kAliasTarget +
                ", which is not installed (Debian package fonts-liberation2); found only \"" +
                got + "\"");
  }
  int index = 0;
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
  out->path = path;
  out->index = index;
  return true;
}

std::shared_ptr<FontFace> FontEngine::open(const LOGFONTW& lf, std::string* error) {
  if (!m_library) {
    if (error) *error = "FreeType could not be initialised";
    return nullptr;
  }
  Resolved where;
  if (!resolve(lf, &where, error)) return nullptr;
  const auto key = std::make_tuple(where.path, where.index, static_cast<int>(lf.lfHeight));
  if (auto shared = m_faces[key].lock()) return shared;
  auto face = FontFace::open(m_library, where.path, where.index, lf.lfHeight, error);
  if (face) m_faces[key] = face;
  return face;
}
