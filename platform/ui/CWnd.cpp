#include "platform/ui/CWnd.h"

#include "platform/ui/Controls.h"

namespace {

CWinApp& app() { return *AfxGetApp(); }

CPoint pointOf(LPARAM lp) { return CPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); }

}  // namespace

CWnd::~CWnd() {
  if (m_hWnd) DestroyWindow();
}

WindowRecord* CWnd::record() const { return app().record(m_hWnd); }

CWnd* CWnd::FromHandle(HWND hwnd) {
  WindowRecord* r = app().record(hwnd);
  if (!r) return nullptr;
  if (r->wnd) return r->wnd;
  if (!r->ownedWrapper) {
    ControlClass cc;
    r->ownedWrapper = r->classProc && r->classProc->isControl(cc) ? makeControlObject(cc)
                                                                 : std::make_unique<CWnd>();
  }
  r->ownedWrapper->m_hWnd = hwnd;
  r->wnd = r->ownedWrapper.get();
  return r->wnd;
}

BOOL CWnd::Create(LPCTSTR /*lpszClassName*/, LPCTSTR lpszWindowName, DWORD dwStyle, const CRect& rect,
                  CWnd* pParentWnd, UINT nID) {
  if (m_hWnd) return FALSE;
  const HWND parent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
  if ((pParentWnd && !parent) || ((dwStyle & WS_CHILD) && !parent)) return FALSE;
  WindowRecord& r = app().createRecord(parent);
  r.wnd = this;
  m_hWnd = r.hwnd;
  r.id = static_cast<int>(nID);
  r.style = dwStyle;
  r.text = lpszWindowName ? lpszWindowName : L"";
  r.rect = rect;
  const CRect client = clientRect(r);
  SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
  if (WindowRecord* again = record()) invalidateRecord(*again, nullptr, true);
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  app().destroyWindow(m_hWnd);
  return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  WindowRecord* r = app().record(hwnd);
  if (!r || m_hWnd) return FALSE;
  if (r->wnd && r->wnd != r->ownedWrapper.get()) return FALSE;
  // A wrapper handed out earlier stays alive but detached, so old pointers to it do
  // nothing instead of touching the window behind this object's back.
  if (r->wnd) r->wnd->m_hWnd = nullptr;
  r->wnd = this;
  m_hWnd = hwnd;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (!pParent) return FALSE;
  CWnd* item = pParent->GetDlgItem(static_cast<int>(nID));
  return item ? SubclassWindow(item->m_hWnd) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  WindowRecord* r = record();
  if (!r) return nullptr;
  r->wnd = nullptr;
  const HWND h = m_hWnd;
  m_hWnd = nullptr;
  return h;
}

CWnd* CWnd::GetParent() const {
  const WindowRecord* r = record();
  return r ? FromHandle(r->parent) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
  const WindowRecord* r = record();
  if (!r) return nullptr;
  while (r->parent) r = app().record(r->parent);
  return FromHandle(r->hwnd);
}

CWnd* CWnd::GetDlgItem(int nID) const {
  const WindowRecord* r = record();
  if (!r) return nullptr;
  for (HWND c : r->children) {
    if (app().record(c)->id == nID) return FromHandle(c);
  }
  return nullptr;
}

int CWnd::GetDlgCtrlID() const {
  const WindowRecord* r = record();
  return r ? r->id : 0;
}

std::vector<CWnd*> CWnd::GetChildren() const {
  std::vector<CWnd*> out;
  if (const WindowRecord* r = record()) {
    for (HWND c : r->children) out.push_back(FromHandle(c));
  }
  return out;
}

CWnd* CWnd::ChildWindowFromPoint(CPoint point) const {
  const WindowRecord* r = record();
  if (!r || !clientRect(*r).PtInRect(point)) return nullptr;
  for (HWND c : r->children) {
    if (app().record(c)->rect.PtInRect(point)) return FromHandle(c);
  }
  return const_cast<CWnd*>(this);
}

void CWnd::SetWindowText(LPCTSTR text) { SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L"")); }

void CWnd::GetWindowText(CString& text) const {
  const WindowRecord* r = record();
  text = r ? r->text : CString();
}

CString CWnd::GetWindowText() const {
  CString s;
  GetWindowText(s);
  return s;
}

int CWnd::GetWindowTextLength() const {
  const WindowRecord* r = record();
  return r ? r->text.GetLength() : 0;
}

void CWnd::SetDlgItemText(int nID, LPCTSTR text) {
  if (CWnd* item = GetDlgItem(nID)) item->SetWindowText(text);
}

void CWnd::GetDlgItemText(int nID, CString& text) const {
  if (CWnd* item = GetDlgItem(nID)) item->GetWindowText(text);
  else text.Empty();
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL bRepaint) {
  WindowRecord* r = record();
  if (!r) return;
  const CSize oldClient = clientRect(*r).Size();
  r->rect = CRect(x, y, x + std::max(0, width), y + std::max(0, height));
  const CRect client = clientRect(*r);
  if (client.Size() != oldClient) SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
  if (!bRepaint) return;
  if (WindowRecord* again = record()) {
    // The parent repaints the uncovered area and, through the paint pass, this window.
    WindowRecord* parent = app().record(again->parent);
    invalidateRecord(parent ? *parent : *again, nullptr, true);
  }
}

void CWnd::MoveWindow(const CRect& rect, BOOL bRepaint) {
  MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), bRepaint);
}

void CWnd::GetWindowRect(CRect* rect) const {
  const WindowRecord* r = record();
  if (!rect) return;
  if (!r) {
    rect->SetRectEmpty();
    return;
  }
  *rect = r->rect;
  if (const WindowRecord* p = app().record(r->parent)) {
    const CPoint o = clientOriginOnScreen(*p);
    rect->OffsetRect(o);
  }
}

void CWnd::GetClientRect(CRect* rect) const {
  const WindowRecord* r = record();
  if (rect) *rect = r ? clientRect(*r) : CRect();
}

void CWnd::ScreenToClient(CPoint* point) const {
  const WindowRecord* r = record();
  if (!r || !point) return;
  const CPoint o = clientOriginOnScreen(*r);
  point->Offset(-o.x, -o.y);
}

void CWnd::ScreenToClient(CRect* rect) const {
  const WindowRecord* r = record();
  if (!r || !rect) return;
  const CPoint o = clientOriginOnScreen(*r);
  rect->OffsetRect(-o.x, -o.y);
}

void CWnd::ClientToScreen(CPoint* point) const {
  const WindowRecord* r = record();
  if (!r || !point) return;
  const CPoint o = clientOriginOnScreen(*r);
  point->Offset(o.x, o.y);
}

void CWnd::ClientToScreen(CRect* rect) const {
  const WindowRecord* r = record();
  if (!r || !rect) return;
  rect->OffsetRect(clientOriginOnScreen(*r));
}

BOOL CWnd::ShowWindow(int nCmdShow) {
  WindowRecord* r = record();
  if (!r) return FALSE;
  const bool wasVisible = r->visibleSelf();
  const bool show = nCmdShow != SW_HIDE;
  if (show != wasVisible) {
    if (show) r->style |= WS_VISIBLE;
    else r->style &= ~WS_VISIBLE;
    SendMessage(WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (WindowRecord* again = record()) {
      WindowRecord* parent = app().record(again->parent);
      if (show) invalidateRecord(*again, nullptr, true);
      else if (parent) invalidateRecord(*parent, nullptr, true);
    }
  }
  if (show && r->parent == nullptr && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE)
    app().setForeground(m_hWnd);
  return wasVisible ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const {
  for (const WindowRecord* r = record(); r; r = app().record(r->parent)) {
    if (!r->visibleSelf()) return FALSE;
  }
  return m_hWnd && record() ? TRUE : FALSE;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
  WindowRecord* r = record();
  if (!r) return FALSE;
  const bool wasDisabled = !r->enabledSelf();
  if (wasDisabled == !bEnable) return wasDisabled ? TRUE : FALSE;
  if (bEnable) r->style &= ~WS_DISABLED;
  else r->style |= WS_DISABLED;
  if (!bEnable && app().capture() == m_hWnd) app().releaseCapture();
  SendMessage(WM_ENABLE, bEnable ? TRUE : FALSE, 0);
  if (WindowRecord* again = record()) invalidateRecord(*again, nullptr, true);
  return wasDisabled ? TRUE : FALSE;
}

BOOL CWnd::IsWindowEnabled() const {
  const WindowRecord* r = record();
  return r && r->enabledSelf() ? TRUE : FALSE;
}

DWORD CWnd::GetStyle() const {
  const WindowRecord* r = record();
  return r ? r->style : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd) {
  WindowRecord* r = record();
  if (!r) return FALSE;
  const DWORD before = r->style;
  r->style = (r->style & ~dwRemove) | dwAdd;
  if (r->style != before) invalidateRecord(*r, nullptr, true);
  return r->style != before ? TRUE : FALSE;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
  const WindowRecord* r = record();
  if (!r) return nullptr;
  return bBigIcon ? r->bigIcon : r->smallIcon;
}

BOOL CWnd::SetForegroundWindow() {
  CWnd* top = GetTopLevelParent();
  if (!top) return FALSE;
  app().setForeground(top->m_hWnd);
  return TRUE;
}

CWnd* CWnd::GetForegroundWindow() { return FromHandle(app().foreground()); }

void CWnd::Invalidate(BOOL bErase) { InvalidateRect(nullptr, bErase); }

void CWnd::InvalidateRect(const CRect* rect, BOOL bErase) {
  if (WindowRecord* r = record()) invalidateRecord(*r, rect, bErase != FALSE);
}

void CWnd::UpdateWindow() {
  if (m_hWnd) app().paintWindow(m_hWnd);
}

BOOL CWnd::GetUpdateRect(CRect* rect) const {
  const WindowRecord* r = record();
  if (!r || r->update.IsRectEmpty()) {
    if (rect) rect->SetRectEmpty();
    return FALSE;
  }
  if (rect) *rect = r->update;
  return TRUE;
}

CWnd* CWnd::SetFocus() { return m_hWnd ? FromHandle(app().setFocus(m_hWnd)) : nullptr; }
CWnd* CWnd::GetFocus() { return FromHandle(app().focus()); }
CWnd* CWnd::SetCapture() { return m_hWnd ? FromHandle(app().setCapture(m_hWnd)) : nullptr; }
CWnd* CWnd::GetCapture() { return FromHandle(app().capture()); }

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer) {
  if (lpfnTimer) return 0;
  return app().setTimer(m_hWnd, nIDEvent, nElapse);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return app().killTimer(m_hWnd, nIDEvent); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return app().sendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return app().postMessage(m_hWnd, message, wParam, lParam);
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
