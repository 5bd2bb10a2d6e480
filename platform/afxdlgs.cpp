#include "platform/afxdlgs.h"

#include <algorithm>

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT /*nIDHelp*/) {
  CWinApp* app = AfxGetApp();
  return app->services().messageBox({app->foreground(), lpszText ? lpszText : L"", CString(), nType});
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
  return AfxGetApp()->services().messageBox(
      {m_hWnd, lpszText ? lpszText : L"", lpszCaption ? lpszCaption : L"", nType});
}

namespace {

int lastSeparator(const CString& path) { return std::max(path.ReverseFind(L'/'), path.ReverseFind(L'\\')); }

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd) {
  m_request.owner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
  m_request.open = bOpenFileDialog != FALSE;
  m_request.defaultExt = lpszDefExt ? lpszDefExt : L"";
  m_request.fileName = lpszFileName ? lpszFileName : L"";
  m_request.flags = dwFlags;
  m_request.filters = parseFileFilter(lpszFilter ? lpszFilter : L"");
}

INT_PTR CFileDialog::DoModal() {
  const std::optional<CString> chosen = AfxGetApp()->services().fileDialog(m_request);
  if (!chosen || chosen->IsEmpty()) return IDCANCEL;
  m_path = *chosen;
  if (!m_request.defaultExt.IsEmpty() && GetFileExt().IsEmpty()) m_path += L"." + m_request.defaultExt;
  return IDOK;
}

CString CFileDialog::GetFileName() const { return m_path.Mid(lastSeparator(m_path) + 1); }

CString CFileDialog::GetFileExt() const {
  const CString name = GetFileName();
  const int dot = name.ReverseFind(L'.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CFontDialog::CFontDialog(const FontChoice* initial, DWORD dwFlags, CWnd* pParentWnd) {
  m_request.owner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
  if (initial) m_request.initial = *initial;
  m_request.flags = dwFlags;
  m_choice = m_request.initial;
}

INT_PTR CFontDialog::DoModal() {
  const std::optional<FontChoice> chosen = AfxGetApp()->services().fontDialog(m_request);
  if (!chosen) return IDCANCEL;
  m_choice = *chosen;
  // Without effects the dialog offers no colour: the initial one stays.
  if (!(m_request.flags & CF_EFFECTS)) m_choice.color = m_request.initial.color;
  return IDOK;
}
