#include "platform/gdi/StockObjects.h"

#include <cwchar>

namespace {

// SYSTEM_FONT: the bold face of window text; DEFAULT_GUI_FONT: the 8-point dialog face.
LOGFONT stockFont(int id) {
  LOGFONT lf;
  std::wcsncpy(lf.lfFaceName, L"MS Shell Dlg", LF_FACESIZE - 1);
  if (id == SYSTEM_FONT) {
    lf.lfHeight = 16;
    lf.lfWeight = FW_BOLD;
  } else {
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
  }
  return lf;
}

}  // namespace

CGdiObject* StockObjects::get(int id) {
  auto makeBrush = [](COLORREF c) {
    auto* b = new CBrush(c);
    b->m_stock = true;
    return b;
  };
  auto makePen = [](int style, COLORREF c) {
    auto* p = new CPen(style, 1, c);
    p->m_stock = true;
    return p;
  };
  auto makeFont = [](int fontId) {
    auto* f = new CFont;
    const LOGFONT lf = stockFont(fontId);
    f->CreateFontIndirect(&lf);
    f->m_stock = true;
    return f;
  };
  // Deliberately never freed: DCs may hand these out until the very end of the process.
  switch (id) {
    case WHITE_BRUSH: { static CBrush* o = makeBrush(RGB(255, 255, 255)); return o; }
    case LTGRAY_BRUSH: { static CBrush* o = makeBrush(RGB(192, 192, 192)); return o; }
    case GRAY_BRUSH: { static CBrush* o = makeBrush(RGB(128, 128, 128)); return o; }
    case DKGRAY_BRUSH: { static CBrush* o = makeBrush(RGB(64, 64, 64)); return o; }
    case BLACK_BRUSH: { static CBrush* o = makeBrush(RGB(0, 0, 0)); return o; }
    case NULL_BRUSH: {
      static CBrush* o = [] {
        auto* b = new CBrush;
        b->createHollow();
        b->m_stock = true;
        return b;
      }();
      return o;
    }
    case WHITE_PEN: { static CPen* o = makePen(PS_SOLID, RGB(255, 255, 255)); return o; }
    case BLACK_PEN: { static CPen* o = makePen(PS_SOLID, RGB(0, 0, 0)); return o; }
    case NULL_PEN: { static CPen* o = makePen(PS_NULL, RGB(0, 0, 0)); return o; }
    case SYSTEM_FONT: { static CFont* o = makeFont(SYSTEM_FONT); return o; }
    case DEFAULT_GUI_FONT: { static CFont* o = makeFont(DEFAULT_GUI_FONT); return o; }
    default: return nullptr;
  }
}

CPen* StockObjects::pen(int id) {
  CGdiObject* o = get(id);
  return (o && o->kind() == CGdiObject::Kind::pen) ? static_cast<CPen*>(o) : nullptr;
}

CBrush* StockObjects::brush(int id) {
  CGdiObject* o = get(id);
  return (o && o->kind() == CGdiObject::Kind::brush) ? static_cast<CBrush*>(o) : nullptr;
}

CFont* StockObjects::font(int id) {
  CGdiObject* o = get(id);
  return (o && o->kind() == CGdiObject::Kind::font) ? static_cast<CFont*>(o) : nullptr;
}

CBitmap* StockObjects::memoryDcBitmap() {
  static CBitmap* o = [] {
    auto* b = new CBitmap;
    b->CreateCompatibleBitmap(nullptr, 1, 1);
    b->m_stock = true;
    return b;
  }();
  return o;
}
