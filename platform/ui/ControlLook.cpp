#include "platform/ui/ControlLook.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/DcStateScope.h"

#include <map>
#include <memory>
#include <utility>

namespace look {

CFont* dialogFont(const CString& face, int pointSize) {
  // Controls draw on every paint; fonts are made once per face and size, and kept to the
  // end of the process (never destroyed, so no exit-time order with the font engine).
  static auto* cache = new std::map<std::pair<std::wstring, int>, std::unique_ptr<CFont>>;
  auto& slot = (*cache)[{face.str(), pointSize}];
  if (!slot) {
    slot = std::make_unique<CFont>();
    slot->CreatePointFont(pointSize * 10, face.GetString());
  }
  return slot.get();
}

void frame(CDC& dc, const CRect& r, COLORREF colour) { dc.Draw3dRect(&r, colour, colour); }

void arrow(CDC& dc, const CRect& r, Arrow direction, COLORREF colour) {
  // A triangle of rows (or columns) narrowing by two pixels: base 2n - 1 wide, n deep.
  const int room = std::min(r.Width(), r.Height());
  const int n = std::max(2, room / 3);
  const CPoint c = r.CenterPoint();
  for (int i = 0; i < n; ++i) {
    const int half = n - 1 - i;
    switch (direction) {
      case Arrow::Down: dc.FillSolidRect(c.x - half, c.y - n / 2 + i, 2 * half + 1, 1, colour); break;
      case Arrow::Up: dc.FillSolidRect(c.x - half, c.y + n / 2 - i, 2 * half + 1, 1, colour); break;
      case Arrow::Right: dc.FillSolidRect(c.x - n / 2 + i, c.y - half, 1, 2 * half + 1, colour); break;
      case Arrow::Left: dc.FillSolidRect(c.x + n / 2 - i, c.y - half, 1, 2 * half + 1, colour); break;
    }
  }
}

void checkMark(CDC& dc, const CRect& box, COLORREF colour) {
  CPen pen(PS_SOLID, 2, colour);
  DcStateScope scope(dc);
  scope.pen(&pen);
  const int w = box.Width(), h = box.Height();
  dc.MoveTo(box.left + w / 5, box.top + h / 2);
  dc.LineTo(box.left + w * 2 / 5, box.top + h * 3 / 4);
  dc.LineTo(box.left + w * 4 / 5, box.top + h / 4);
}

void text(CDC& dc, const CString& s, CRect r, UINT format, COLORREF colour, CFont* font) {
  if (s.IsEmpty()) return;
  DcStateScope scope(dc);
  scope.font(font).textColor(colour).bkMode(TRANSPARENT);
  dc.DrawText(s, &r, format | DT_SINGLELINE);
}

void buttonFace(CDC& dc, const CRect& r, bool pushed, bool emphasised) {
  dc.FillSolidRect(&r, pushed ? kButtonPushed : kButton);
  frame(dc, r, emphasised ? kAccent : kFrame);
  if (emphasised) {
    CRect inner = r;
    inner.DeflateRect(1, 1);
    frame(dc, inner, kAccent);
  }
}

void scrollBar(CDC& dc, const CRect& lineLeft, const CRect& lineRight, const CRect& track, const CRect& thumb,
               bool vertical) {
  dc.FillSolidRect(&track, kTrack);
  buttonFace(dc, lineLeft, false, false);
  buttonFace(dc, lineRight, false, false);
  arrow(dc, lineLeft, vertical ? Arrow::Up : Arrow::Left, kText);
  arrow(dc, lineRight, vertical ? Arrow::Down : Arrow::Right, kText);
  if (!thumb.IsRectEmpty()) {
    dc.FillSolidRect(&thumb, kThumb);
    frame(dc, thumb, kFrame);
  }
}

void image(CDC& dc, const ImageResource& img, int x, int y) {
  for (int row = 0; row < img.height; ++row) {
    const std::uint32_t* p = img.argb.data() + static_cast<size_t>(row) * static_cast<size_t>(img.width);
    for (int col = 0; col < img.width; ++col) {
      if ((p[col] >> 24) < 128) continue;
      dc.SetPixel(x + col, y + row, RGB((p[col] >> 16) & 0xFF, (p[col] >> 8) & 0xFF, p[col] & 0xFF));
    }
  }
}

}  // namespace look
