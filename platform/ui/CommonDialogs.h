// The standard service dialogs: message boxes (AfxMessageBox, CWnd::MessageBox), the
// file dialog and the font dialog. Each asks the application's current service face,
// so headless runs get scripted answers and never block (platform/ui/UiServices.h).
// Limits: one file per file dialog; the font dialog chooses screen fonts only.
#pragma once

#include "platform/gdi/GdiDefs.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/UiServices.h"

// Shows a message box owned by the foreground window; returns the button pressed.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

class CFileDialog {
 public:
  // lpszFilter: "description|pattern|...||". With a default extension, a chosen name
  // whose last part has no extension gets "." and the extension appended.
  explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                       CWnd* pParentWnd = nullptr);
  // IDOK with a path chosen, else IDCANCEL.
  INT_PTR DoModal();
  CString GetPathName() const { return m_path; }
  // The last part of the path.
  CString GetFileName() const;
  // The extension of the last part, without the dot; empty when there is none.
  CString GetFileExt() const;

  FileDialogRequest m_request;

 private:
  CString m_path;
};

// What the font dialog starts from and gives back, as the framework keeps it.
struct CHOOSEFONT {
  HWND hwndOwner = nullptr;
  LPLOGFONT lpLogFont = nullptr;  // filled with the chosen font on OK
  int iPointSize = 0;             // tenths of a point, set on OK
  DWORD Flags = 0;
  COLORREF rgbColors = 0;         // initial colour; the chosen one on OK (with CF_EFFECTS)
};

class CFontDialog {
 public:
  // lplfInitial: the font shown first, and where the chosen one is copied on OK.
  explicit CFontDialog(LPLOGFONT lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                       CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);
  // IDOK with a font chosen, else IDCANCEL. Set m_cf.rgbColors before for the initial
  // colour.
  INT_PTR DoModal();
  void GetCurrentFont(LPLOGFONT lplf) const;
  CString GetFaceName() const { return m_lf.lfFaceName; }
  // Size in tenths of a point.
  int GetSize() const { return m_cf.iPointSize; }
  COLORREF GetColor() const { return m_cf.rgbColors; }
  LONG GetWeight() const { return m_lf.lfWeight; }
  BOOL IsItalic() const { return m_lf.lfItalic ? TRUE : FALSE; }

  CHOOSEFONT m_cf;
  LOGFONT m_lf;
};
