// CWnd's messages: sending and posting, the window procedure, the dispatch of OnWndMsg to
// the virtual handlers and to the message maps, and the handlers' default processing.
#include "platform/ui/CWnd.h"

#include <cstdint>

#include "platform/ui/Controls.h"

namespace {

CPoint pointOf(LPARAM lp) { return CPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); }

}  // namespace

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return AfxGetApp()->sendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return AfxGetApp()->postMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* item = GetDlgItem(nID);
  return item ? item->SendMessage(message, wParam, lParam) : 0;
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* r = record();
  if (!r) return 0;
  if (r->classProc) return r->classProc->proc(*r, message, wParam, lParam);
  return defaultWindowProc(*r, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  // Handlers may call Default(), which needs the message being handled; nested
  // messages save and restore it.
  const CurrentMessage saved = m_current;
  m_current = {message, wParam, lParam};
  struct Restore {
    CWnd* self;
    CurrentMessage saved;
    ~Restore() { self->m_current = saved; }
  } restore{this, saved};

  LRESULT result = 0;
  BOOL handled = TRUE;
  const UINT flags = static_cast<UINT>(wParam);
  switch (message) {
    case WM_COMMAND: handled = OnCommand(wParam, lParam); break;
    case WM_NOTIFY: handled = OnNotify(wParam, lParam, &result); break;
    case WM_PAINT: OnPaint(); break;
    case WM_ERASEBKGND: result = OnEraseBkgnd(reinterpret_cast<CDC*>(wParam)); break;
    case WM_SIZE: OnSize(flags, LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam))); break;
    case WM_CLOSE: OnClose(); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_LBUTTONDOWN: OnLButtonDown(flags, pointOf(lParam)); break;
    case WM_LBUTTONUP: OnLButtonUp(flags, pointOf(lParam)); break;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(flags, pointOf(lParam)); break;
    case WM_RBUTTONDOWN: OnRButtonDown(flags, pointOf(lParam)); break;
    case WM_RBUTTONUP: OnRButtonUp(flags, pointOf(lParam)); break;
    case WM_MOUSEMOVE: OnMouseMove(flags, pointOf(lParam)); break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR: {
      const auto lp = static_cast<std::uintptr_t>(lParam);
      if (message == WM_KEYDOWN) OnKeyDown(flags, LOWORD(lp), HIWORD(lp));
      else if (message == WM_SYSKEYDOWN) OnSysKeyDown(flags, LOWORD(lp), HIWORD(lp));
      else OnChar(flags, LOWORD(lp), HIWORD(lp));
      break;
    }
    case WM_TIMER: OnTimer(wParam); break;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      auto* bar = dynamic_cast<CScrollBar*>(FromHandle(reinterpret_cast<HWND>(lParam)));
      const UINT code = LOWORD(wParam), pos = HIWORD(wParam);
      if (message == WM_HSCROLL) OnHScroll(code, pos, bar);
      else OnVScroll(code, pos, bar);
      break;
    }
    case WM_SETCURSOR:
      result = OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(static_cast<std::uintptr_t>(lParam)),
                           HIWORD(static_cast<std::uintptr_t>(lParam)));
      break;
    case WM_CONTEXTMENU: OnContextMenu(FromHandle(reinterpret_cast<HWND>(wParam)), pointOf(lParam)); break;
    default: handled = FALSE;
  }
  if (handled && pResult) *pResult = result;
  return handled;
}

BOOL CWnd::runMapEntry(MessageMapEntry::Kind kind, UINT code, UINT id, NMHDR* header, LRESULT* result) {
  for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
    for (const MessageMapEntry& e : map->entries) {
      if (e.kind == kind && e.code == code && id >= e.idFirst && id <= e.idLast) {
        e.handler(*this, id, header, result);
        return TRUE;
      }
    }
  }
  return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
  return runMapEntry(MessageMapEntry::Kind::Command, HIWORD(wParam), LOWORD(wParam), nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* pResult) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header) return FALSE;
  return runMapEntry(MessageMapEntry::Kind::Notify, header->code, static_cast<UINT>(header->idFrom), header,
                     pResult);
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const MessageMap* CWnd::GetThisMessageMap() {
  static const MessageMap map{nullptr, {}};
  return &map;
}

void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
