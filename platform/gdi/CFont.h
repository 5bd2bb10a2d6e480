// A font made from a logical description (LOGFONT): resolved through fontconfig to an
// installed file and opened with FreeType when created. Text drawing and measuring use the
// font selected into the device context. A face name that cannot be served makes creation
// fail with a readable reason; it never crashes later drawing.
#pragma once

#include "platform/gdi/CGdiObject.h"

#include <memory>
#include <string>

class CDC;
class FontFace;

class CFont : public CGdiObject {
 public:
  CFont() : CGdiObject(Kind::font) {}

  // FALSE, with nothing changed, when lf is null or the font already holds one; FALSE when
  // no installed font can serve the description, with the reason in creationError()
  // (also written once to standard error, as it means the machine lacks a font package).
  BOOL CreateFontIndirect(const LOGFONT* lf);
  // The same from the description's fields, in LOGFONT order.
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight,
                  BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                  BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                  const wchar_t* faceName);
  // A font of pointSize10 tenths of a point on the platform's 96-pixel-per-inch screen
  // (em height = pointSize10 * 96 / 720 pixels, rounded). `dc` is accepted and unused:
  // every device has the same resolution.
  BOOL CreatePointFont(int pointSize10, const wchar_t* faceName, CDC* dc = nullptr);

  // Copies the description into *lf; returns sizeof(LOGFONT), or 0 when the font holds
  // none or lf is null.
  int GetLogFont(LOGFONT* lf) const;

  const std::shared_ptr<FontFace>& face() const { return m_face; }
  const std::string& creationError() const { return m_error; }

 protected:
  void releaseResource() override;

 private:
  LOGFONT m_logFont;
  std::shared_ptr<FontFace> m_face;
  std::string m_error;
};
