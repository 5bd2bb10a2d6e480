// CWnd's placement, coordinate conversion, visibility, enabling, style, icons, invalidation,
// focus, capture and timers.
#include "platform/ui/CWnd.h"

#include <algorithm>

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
    WindowRecord* parent = AfxGetApp()->record(again->parent);
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
  if (const WindowRecord* p = AfxGetApp()->record(r->parent)) {
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
      WindowRecord* parent = AfxGetApp()->record(again->parent);
      if (show) invalidateRecord(*again, nullptr, true);
      else if (parent) invalidateRecord(*parent, nullptr, true);
    }
  }
  if (show && r->parent == nullptr && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE)
    AfxGetApp()->setForeground(m_hWnd);
  return wasVisible ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const {
  for (const WindowRecord* r = record(); r; r = AfxGetApp()->record(r->parent)) {
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
  if (!bEnable && AfxGetApp()->capture() == m_hWnd) AfxGetApp()->releaseCapture();
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
  AfxGetApp()->setForeground(top->m_hWnd);
  return TRUE;
}

CWnd* CWnd::GetForegroundWindow() { return FromHandle(AfxGetApp()->foreground()); }

void CWnd::Invalidate(BOOL bErase) { InvalidateRect(nullptr, bErase); }

void CWnd::InvalidateRect(const CRect* rect, BOOL bErase) {
  if (WindowRecord* r = record()) invalidateRecord(*r, rect, bErase != FALSE);
}

void CWnd::UpdateWindow() {
  if (m_hWnd) AfxGetApp()->paintWindow(m_hWnd);
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

CWnd* CWnd::SetFocus() { return m_hWnd ? FromHandle(AfxGetApp()->setFocus(m_hWnd)) : nullptr; }
CWnd* CWnd::GetFocus() { return FromHandle(AfxGetApp()->focus()); }
CWnd* CWnd::SetCapture() { return m_hWnd ? FromHandle(AfxGetApp()->setCapture(m_hWnd)) : nullptr; }
CWnd* CWnd::GetCapture() { return FromHandle(AfxGetApp()->capture()); }

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer) {
  if (lpfnTimer) return 0;
  return AfxGetApp()->setTimer(m_hWnd, nIDEvent, nElapse);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return AfxGetApp()->killTimer(m_hWnd, nIDEvent); }
