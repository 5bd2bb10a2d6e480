#include "platform/wndrecord.h"

#include "platform/afxapp.h"

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
    case WM_ERASEBKGND:
      return 1;
    case WM_SETICON: {
      HICON& slot = wParam == ICON_BIG ? r.bigIcon : r.smallIcon;
      HICON previous = slot;
      slot = reinterpret_cast<HICON>(lParam);
      return reinterpret_cast<LRESULT>(previous);
    }
    case WM_PAINT:
      r.update.SetRectEmpty();
      return 0;
    default:
      return 0;
  }
}
