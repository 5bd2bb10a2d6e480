#include "platform/gdi/CFont.h"

#include "platform/gdi/FontEngine.h"

#include <cstdio>
#include <cwchar>
#include <set>

namespace {

// A missing font is a machine set-up problem that would otherwise only show as blank
// labels, so it is reported once on standard error as well as to the caller.
void reportOnce(const std::string& message) {
  static std::set<std::string> reported;
  if (reported.insert(message).second) std::fprintf(stderr, "platform: %s\n", message.c_str());
}

}  // namespace

BOOL CFont::CreateFontIndirect(const LOGFONT* lf) {
  if (lf == nullptr || isCreated()) return FALSE;
  std::string error;
  auto face = FontEngine::instance().open(*lf, &error);
  if (!face) {
    m_error = error;
    reportOnce(error);
    return FALSE;
  }
  m_logFont = *lf;
  m_logFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
  m_face = std::move(face);
  m_error.clear();
  setCreated();
  return TRUE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, const wchar_t* faceName) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = italic;
  lf.lfUnderline = underline;
  lf.lfStrikeOut = strikeOut;
  lf.lfCharSet = charSet;
  lf.lfOutPrecision = outPrecision;
  lf.lfClipPrecision = clipPrecision;
  lf.lfQuality = quality;
  lf.lfPitchAndFamily = pitchAndFamily;
  if (faceName) std::wcsncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int pointSize10, const wchar_t* faceName, CDC* /*dc*/) {
  LOGFONT lf;
  lf.lfHeight = -MulDiv(pointSize10, 96, 720);
  if (faceName) std::wcsncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* lf) const {
  if (lf == nullptr || !isCreated()) return 0;
  *lf = m_logFont;
  return static_cast<int>(sizeof(LOGFONT));
}

void CFont::releaseResource() {
  m_face.reset();
  m_logFont = LOGFONT{};
}
