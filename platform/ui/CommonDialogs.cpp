#include "platform/ui/CommonDialogs.h"

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

namespace {

FontChoice choiceOf(const LOGFONT& lf, COLORREF colour) {
  FontChoice c;
  if (lf.lfFaceName[0]) c.faceName = lf.lfFaceName;
  // A negative height is the character height, a positive one the cell height; both are
  // taken as the point size's pixels on the 96-pixel-per-inch screen.
  if (lf.lfHeight != 0) c.pointSizeTenths = MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 720, 96);
  if (lf.lfWeight) c.weight = lf.lfWeight;
  c.italic = lf.lfItalic != 0;
  c.underline = lf.lfUnderline != 0;
  c.strikeOut = lf.lfStrikeOut != 0;
  c.color = colour;
  return c;
}

LOGFONT logFontOf(const FontChoice& c) {
  LOGFONT lf;
  lf.lfHeight = -MulDiv(c.pointSizeTenths, 96, 720);
  lf.lfWeight = c.weight;
  lf.lfItalic = c.italic ? 1 : 0;
  lf.lfUnderline = c.underline ? 1 : 0;
  lf.lfStrikeOut = c.strikeOut ? 1 : 0;
  const std::wstring& face = c.faceName.str();
  const size_t n = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
  std::copy_n(face.begin(), n, lf.lfFaceName);
  lf.lfFaceName[n] = L'\0';
  return lf;
}

}  // namespace

CFontDialog::CFontDialog(LPLOGFONT lplfInitial, DWORD dwFlags, CDC*, CWnd* pParentWnd) {
  m_cf.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
  m_cf.lpLogFont = lplfInitial;
  m_cf.Flags = dwFlags;
  if (lplfInitial) m_lf = *lplfInitial;
}

INT_PTR CFontDialog::DoModal() {
  FontDialogRequest request;
  request.owner = m_cf.hwndOwner;
  request.flags = m_cf.Flags;
  request.initial = choiceOf(m_cf.lpLogFont ? *m_cf.lpLogFont : m_lf, m_cf.rgbColors);
  const std::optional<FontChoice> chosen = AfxGetApp()->services().fontDialog(request);
  if (!chosen) return IDCANCEL;
  m_lf = logFontOf(*chosen);
  m_cf.iPointSize = chosen->pointSizeTenths;
  // Without effects the dialog offers no colour: the initial one stays.
  if (m_cf.Flags & CF_EFFECTS) m_cf.rgbColors = chosen->color;
  if (m_cf.lpLogFont) *m_cf.lpLogFont = m_lf;
  return IDOK;
}

void CFontDialog::GetCurrentFont(LPLOGFONT lplf) const {
  if (lplf) *lplf = m_lf;
}
