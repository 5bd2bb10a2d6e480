#include "platform/ui/Controls.h"

#include "platform/ui/ControlProcs.h"

#include <vector>

namespace {

LRESULT send(const CWnd* w, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return AfxGetApp()->sendMessage(w->m_hWnd, message, wParam, lParam);
}

LPARAM text(LPCTSTR s) { return reinterpret_cast<LPARAM>(s ? s : L""); }

WPARAM index(int i) { return static_cast<WPARAM>(static_cast<std::intptr_t>(i)); }

BOOL createAttached(CWnd& self, ControlClass cls, LPCTSTR caption, DWORD style, const CRect& rect,
                    CWnd* parent, UINT id) {
  if (self.m_hWnd || !parent || !parent->m_hWnd) return FALSE;
  const HWND h = createControlWindow(parent->m_hWnd, cls, caption ? caption : L"", style, rect, static_cast<int>(id));
  return h && self.SubclassWindow(h);
}

}  // namespace

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  return createAttached(*this, ControlClass::Static, lpszText, dwStyle, rect, pParentWnd, nID);
}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  return createAttached(*this, ControlClass::Button, lpszCaption, dwStyle, rect, pParentWnd, nID);
}
int CButton::GetCheck() const { return static_cast<int>(send(this, BM_GETCHECK)); }
void CButton::SetCheck(int nCheck) { send(this, BM_SETCHECK, index(nCheck)); }
UINT CButton::GetState() const { return static_cast<UINT>(send(this, BM_GETSTATE)); }
void CButton::SetState(BOOL bHighlight) { send(this, BM_SETSTATE, bHighlight ? 1 : 0); }
UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFFFFu; }
void CButton::SetButtonStyle(UINT nStyle, BOOL) { send(this, BM_SETSTYLE, nStyle); }
HICON CButton::SetIcon(HICON hIcon) {
  return reinterpret_cast<HICON>(send(this, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
}
HICON CButton::GetIcon() const { return reinterpret_cast<HICON>(send(this, BM_GETIMAGE, IMAGE_ICON)); }

BOOL CEdit::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  return createAttached(*this, ControlClass::Edit, L"", dwStyle, rect, pParentWnd, nID);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) { send(this, EM_SETSEL, index(nStartChar), nEndChar); }
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  DWORD s = 0, e = 0;
  send(this, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  nStartChar = static_cast<int>(s);
  nEndChar = static_cast<int>(e);
}
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL) { send(this, EM_REPLACESEL, 0, text(lpszNewText)); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return static_cast<BOOL>(send(this, EM_SETREADONLY, bReadOnly ? 1 : 0)); }
int CEdit::GetLineCount() const { return static_cast<int>(send(this, EM_GETLINECOUNT)); }
int CEdit::GetFirstVisibleLine() const { return static_cast<int>(send(this, EM_GETFIRSTVISIBLELINE)); }
BOOL CEdit::LineScroll(int nLines, int nChars) {
  return static_cast<BOOL>(send(this, EM_LINESCROLL, index(nChars), nLines));
}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  return createAttached(*this, ControlClass::RichEdit, L"", dwStyle, rect, pParentWnd, nID);
}
void CRichEditCtrl::SetSel(long nStartChar, long nEndChar) {
  send(this, EM_SETSEL, index(static_cast<int>(nStartChar)), nEndChar);
}
void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText, BOOL) { send(this, EM_REPLACESEL, 0, text(lpszNewText)); }
BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly) {
  return static_cast<BOOL>(send(this, EM_SETREADONLY, bReadOnly ? 1 : 0));
}
long CRichEditCtrl::GetTextLength() const { return GetWindowTextLength(); }
int CRichEditCtrl::GetLineCount() const { return static_cast<int>(send(this, EM_GETLINECOUNT)); }
int CRichEditCtrl::GetFirstVisibleLine() const { return static_cast<int>(send(this, EM_GETFIRSTVISIBLELINE)); }
void CRichEditCtrl::LineScroll(int nLines, int nChars) { send(this, EM_LINESCROLL, index(nChars), nLines); }

BOOL AfxInitRichEdit2() { return TRUE; }

BOOL CComboBox::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  return createAttached(*this, ControlClass::ComboBox, L"", dwStyle, rect, pParentWnd, nID);
}
int CComboBox::AddString(LPCTSTR s) { return static_cast<int>(send(this, CB_ADDSTRING, 0, text(s))); }
int CComboBox::InsertString(int nIndex, LPCTSTR s) {
  return static_cast<int>(send(this, CB_INSERTSTRING, index(nIndex), text(s)));
}
int CComboBox::DeleteString(UINT nIndex) { return static_cast<int>(send(this, CB_DELETESTRING, nIndex)); }
void CComboBox::ResetContent() { send(this, CB_RESETCONTENT); }
int CComboBox::GetCount() const { return static_cast<int>(send(this, CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return m_hWnd ? static_cast<int>(send(this, CB_GETCURSEL)) : CB_ERR; }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(send(this, CB_SETCURSEL, index(nSelect))); }
int CComboBox::GetLBTextLen(int nIndex) const {
  return m_hWnd ? static_cast<int>(send(this, CB_GETLBTEXTLEN, index(nIndex))) : CB_ERR;
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
  const int length = GetLBTextLen(nIndex);
  if (length < 0) {
    rString.Empty();
    return;
  }
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  send(this, CB_GETLBTEXT, index(nIndex), reinterpret_cast<LPARAM>(buffer.data()));
  rString = buffer.data();
}
LPARAM CComboBox::GetItemData(int nIndex) const {
  return m_hWnd ? send(this, CB_GETITEMDATA, index(nIndex)) : CB_ERR;
}
int CComboBox::SetItemData(int nIndex, LPARAM dwItemData) {
  return static_cast<int>(send(this, CB_SETITEMDATA, index(nIndex), dwItemData));
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
  return m_hWnd ? static_cast<int>(send(this, CB_FINDSTRINGEXACT, index(nIndexStart), text(lpszFind))) : CB_ERR;
}
void CComboBox::ShowDropDown(BOOL bShowIt) { send(this, CB_SHOWDROPDOWN, bShowIt ? 1 : 0); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(send(this, CB_GETDROPPEDSTATE)); }

BOOL CScrollBar::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  return createAttached(*this, ControlClass::ScrollBar, L"", dwStyle, rect, pParentWnd, nID);
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL) { send(this, SBM_SETRANGE, index(nMinPos), nMaxPos); }
void CScrollBar::GetScrollRange(int* lpMinPos, int* lpMaxPos) const {
  send(this, SBM_GETRANGE, reinterpret_cast<WPARAM>(lpMinPos), reinterpret_cast<LPARAM>(lpMaxPos));
}
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) {
  return static_cast<int>(send(this, SBM_SETPOS, index(nPos), bRedraw));
}
int CScrollBar::GetScrollPos() const { return static_cast<int>(send(this, SBM_GETPOS)); }
BOOL CScrollBar::SetScrollInfo(SCROLLINFO* lpScrollInfo, BOOL bRedraw) {
  if (!lpScrollInfo || !m_hWnd) return FALSE;
  send(this, SBM_SETSCROLLINFO, bRedraw ? 1 : 0, reinterpret_cast<LPARAM>(lpScrollInfo));
  return TRUE;
}
BOOL CScrollBar::GetScrollInfo(SCROLLINFO* lpScrollInfo, UINT nMask) const {
  if (!lpScrollInfo) return FALSE;
  lpScrollInfo->fMask = nMask;
  return static_cast<BOOL>(send(this, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpScrollInfo)));
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID) {
  return createAttached(*this, ControlClass::UpDown, L"", dwStyle, rect, pParentWnd, nID);
}
void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) { send(this, UDM_SETRANGE32, index(nLower), nUpper); }
void CSpinButtonCtrl::GetRange32(int& nLower, int& nUpper) const {
  send(this, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
}
int CSpinButtonCtrl::SetPos32(int nPos) { return static_cast<int>(send(this, UDM_SETPOS32, 0, nPos)); }
int CSpinButtonCtrl::GetPos32() const { return static_cast<int>(send(this, UDM_GETPOS32)); }

std::unique_ptr<CWnd> makeControlObject(ControlClass controlClass) {
  switch (controlClass) {
    case ControlClass::Button: return std::make_unique<CButton>();
    case ControlClass::Static: return std::make_unique<CStatic>();
    case ControlClass::Edit: return std::make_unique<CEdit>();
    case ControlClass::RichEdit: return std::make_unique<CRichEditCtrl>();
    case ControlClass::ComboBox: return std::make_unique<CComboBox>();
    case ControlClass::ScrollBar: return std::make_unique<CScrollBar>();
    case ControlClass::UpDown: return std::make_unique<CSpinButtonCtrl>();
  }
  return std::make_unique<CWnd>();
}
