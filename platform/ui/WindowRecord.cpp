#include "platform/ui/WindowRecord.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/ControlLook.h"

CRect nonClientInsets(const WindowRecord& r) {
  CRect in(0, 0, 0, 0);
  if (!r.isChild()) {
    if (r.style & (WS_BORDER | WS_THICKFRAME)) in = CRect(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
    if ((r.style & WS_CAPTION) == WS_CAPTION) in.top += kCaptionHeight;
    if (r.menu) in.top += kMenuBarHeight;
  } else if (r.style & WS_BORDER) {
    in = CRect(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
  }
  if (r.style & WS_VSCROLL) in.right += kScrollBarSize;
  if (r.style & WS_HSCROLL) in.bottom += kScrollBarSize;
  return in;
}

CRect clientRect(const WindowRecord& r) {
  const CRect in = nonClientInsets(r);
  return CRect(0, 0, std::max(0, r.rect.Width() - in.left - in.right),
               std::max(0, r.rect.Height() - in.top - in.bottom));
}

CPoint clientOriginOnScreen(const WindowRecord& r) {
  const CRect in = nonClientInsets(r);
  CPoint origin(r.rect.left + in.left, r.rect.top + in.top);
  if (r.parent) {
    if (const WindowRecord* p = AfxGetApp()->record(r.parent)) {
      const CPoint po = clientOriginOnScreen(*p);
      origin.Offset(po.x, po.y);
    }
  }
  return origin;
}

void invalidateRecord(WindowRecord& r, const CRect* area, bool erase) {
  const CRect client = clientRect(r);
  CRect part = client;
  if (area && !part.IntersectRect(client, *area)) return;
  if (part.IsRectEmpty()) return;
  r.update.UnionRect(r.update, part);
  if (erase) r.eraseBackground = true;
}

bool notifyParent(HWND control, UINT code) {
  CWinApp* app = AfxGetApp();
  const WindowRecord* r = app->record(control);
  if (!r || !r->parent) return r != nullptr;
  app->sendMessage(r->parent, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(r->id), code),
                   reinterpret_cast<LPARAM>(control));
  return app->isWindow(control);
}

WindowRecord* topLevelOf(WindowRecord& r) {
  WindowRecord* top = &r;
  while (top->parent) {
    WindowRecord* p = AfxGetApp()->record(top->parent);
    if (!p) break;
    top = p;
  }
  return top;
}

namespace {

// Where a window's client area (or whole window) lies on its top-level surface, and the
// part of it that its ancestors' client areas leave visible.
void placeOnSurface(WindowRecord& r, bool wholeWindow, CPoint& origin, CRect& visible) {
  WindowRecord* top = topLevelOf(r);
  const CPoint topLeft = top->rect.TopLeft();
  CPoint screen = clientOriginOnScreen(r);
  CRect area(CPoint(0, 0), clientRect(r).Size());
  if (wholeWindow) {
    const CRect in = nonClientInsets(r);
    screen.Offset(-in.left, -in.top);
    area = CRect(0, 0, r.rect.Width(), r.rect.Height());
  }
  origin = CPoint(screen.x - topLeft.x, screen.y - topLeft.y);
  visible = area;
  visible.OffsetRect(origin);
  for (WindowRecord* a = AfxGetApp()->record(r.parent); a; a = AfxGetApp()->record(a->parent)) {
    const CPoint ao = clientOriginOnScreen(*a);
    const CRect client(CPoint(ao.x - topLeft.x, ao.y - topLeft.y), clientRect(*a).Size());
    if (!visible.IntersectRect(visible, client)) return;
  }
}

}  // namespace

void attachWindowDC(CDC& dc, WindowRecord& r, bool paint) {
  WindowRecord* top = topLevelOf(r);
  CPoint origin;
  CRect visible;
  placeOnSurface(r, false, origin, visible);
  if (paint) {
    CRect update = r.update;
    update.OffsetRect(origin);
    if (!visible.IntersectRect(visible, update)) visible.SetRectEmpty();
    r.update.SetRectEmpty();
  }
  visible.OffsetRect(-origin.x, -origin.y);
  dc.setTarget(top->surface.get(), origin, visible);
  dc.SelectObject(r.font ? r.font : look::dialogFont());
}

void paintNonClient(WindowRecord& r) {
  WindowRecord* top = topLevelOf(r);
  if (!top->surface) return;
  CPoint origin;
  CRect visible;
  placeOnSurface(r, true, origin, visible);
  visible.OffsetRect(-origin.x, -origin.y);
  CDC dc(*top->surface, origin, visible);
  const CRect whole(0, 0, r.rect.Width(), r.rect.Height());
  const CRect in = nonClientInsets(r);
  if (!r.isChild()) {
    dc.FillSolidRect(&whole, look::kFace);
    look::frame(dc, whole, look::kFrame);
    int y = kFrameWidth;
    if ((r.style & WS_CAPTION) == WS_CAPTION) {
      const CRect caption(kFrameWidth, y, whole.right - kFrameWidth, y + kCaptionHeight);
      dc.FillSolidRect(&caption, look::kCaption);
      int x = caption.left + 6;
      if (HICON icon = r.smallIcon ? r.smallIcon : r.bigIcon; icon && icon->height <= kCaptionHeight) {
        look::image(dc, *icon, x, caption.top + (kCaptionHeight - icon->height) / 2);
        x += icon->width + 6;
      }
      look::text(dc, r.text, CRect(x, caption.top, caption.right, caption.bottom), DT_LEFT | DT_VCENTER | DT_NOPREFIX,
                 look::kCaptionText, look::dialogFont());
      y += kCaptionHeight;
    }
    if (r.menu) {
      int x = kFrameWidth + 6;
      for (const MenuItemTemplate& item : r.menu->items) {
        CRect title(x, y, x, y + kMenuBarHeight);
        dc.DrawText(item.text, &title, DT_CALCRECT | DT_SINGLELINE);
        title = CRect(x, y, x + title.Width() + 12, y + kMenuBarHeight);
        look::text(dc, item.text, title, DT_CENTER | DT_VCENTER, look::kText, look::dialogFont());
        x = title.right;
      }
      dc.FillSolidRect(kFrameWidth, y + kMenuBarHeight - 1, whole.Width() - 2 * kFrameWidth, 1, look::kFrame);
    }
  } else if (r.style & WS_BORDER) {
    look::frame(dc, whole, look::kFrame);
  }
  if (r.classProc && (in.right > kFrameWidth || in.bottom > kFrameWidth)) {
    dc.SetViewportOrg(in.left, in.top);  // the class draws its bars around its client area
    r.classProc->paintFrame(r, dc);
  }
}

LRESULT defaultWindowProc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
  CWinApp* app = AfxGetApp();
  const HWND self = r.hwnd;
  switch (message) {
    case WM_SETTEXT:
      r.text = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
      invalidateRecord(r, nullptr, true);
      return TRUE;
    case WM_GETTEXTLENGTH:
      return r.text.GetLength();
    case WM_CLOSE:
      app->destroyWindow(self);
      return 0;
    case WM_SETCURSOR: {
      // The parent decides first, so a dialog can set one cursor over all its controls.
      if (r.parent && app->sendMessage(r.parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
      const WindowRecord* again = app->record(self);
      if (!again || LOWORD(static_cast<std::uintptr_t>(lParam)) != HTCLIENT) return FALSE;
      app->setCursor(app->LoadStandardCursor(again->cursorId));
      return TRUE;
    }
    case WM_RBUTTONUP: {
      CPoint p(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      const CPoint origin = clientOriginOnScreen(r);
      p.Offset(origin.x, origin.y);
      app->sendMessage(self, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(self), MAKELPARAM(p.x, p.y));
      return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
      if (r.parent) return app->sendMessage(r.parent, message, wParam, lParam);
      return 0;
    case WM_ERASEBKGND: {
      if (auto* dc = reinterpret_cast<CDC*>(wParam)) {
        const CRect client = clientRect(r);
        dc->FillSolidRect(&client, look::kFace);
      }
      return 1;
    }
    case WM_SETICON: {
      HICON& slot = wParam == ICON_BIG ? r.bigIcon : r.smallIcon;
      HICON previous = slot;
      slot = reinterpret_cast<HICON>(lParam);
      return reinterpret_cast<LRESULT>(previous);
    }
    case WM_PAINT: {
      CDC dc;
      attachWindowDC(dc, r, true);
      if (r.classProc) r.classProc->paint(r, dc);
      return 0;
    }
    default:
      return 0;
  }
}
