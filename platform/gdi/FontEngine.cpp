#include "platform/gdi/FontEngine.h"

#include "platform/gdi/CString.h"
#include "platform/gdi/FontAliases.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H

#include <cstdlib>
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

// FreeType's usual start-up reads FREETYPE_PROPERTIES from the environment, which can
// change hinting and so every text extent. Building the library from its parts leaves that
// step out: the one hinting choice of FontFace holds whatever the environment says.
void* ftAlloc(FT_Memory, long size) { return std::malloc(static_cast<std::size_t>(size)); }
void ftFree(FT_Memory, void* block) { std::free(block); }
void* ftRealloc(FT_Memory, long, long size, void* block) {
  return std::realloc(block, static_cast<std::size_t>(size));
}
FT_MemoryRec_ gMemory{nullptr, ftAlloc, ftFree, ftRealloc};

std::shared_ptr<FT_LibraryRec_> newFreeType() {
  FT_Library lib = nullptr;
  if (FT_New_Library(&gMemory, &lib) != 0) return nullptr;
  FT_Add_Default_Modules(lib);
  return std::shared_ptr<FT_LibraryRec_>(lib, [](FT_Library l) { FT_Done_Library(l); });
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
  m_library = newFreeType();
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
