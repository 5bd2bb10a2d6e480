// CWnd's lifetime, attachment, tree and text. Placement, state and input are in
// CWndState.cpp, messages and their dispatch in CWndMessages.cpp.
#include "platform/ui/CWnd.h"

#include "platform/ui/Controls.h"

CWnd::~CWnd() {
  if (m_hWnd) DestroyWindow();
}

WindowRecord* CWnd::record() const { return AfxGetApp()->record(m_hWnd); }

CWnd* CWnd::FromHandle(HWND hwnd) {
  WindowRecord* r = AfxGetApp()->record(hwnd);
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
  WindowRecord& r = AfxGetApp()->createRecord(parent);
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
  AfxGetApp()->destroyWindow(m_hWnd);
  return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  WindowRecord* r = AfxGetApp()->record(hwnd);
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
  while (r->parent) r = AfxGetApp()->record(r->parent);
  return FromHandle(r->hwnd);
}

CWnd* CWnd::GetDlgItem(int nID) const {
  const WindowRecord* r = record();
  if (!r) return nullptr;
  for (HWND c : r->children) {
    if (AfxGetApp()->record(c)->id == nID) return FromHandle(c);
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
    if (AfxGetApp()->record(c)->rect.PtInRect(point)) return FromHandle(c);
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
