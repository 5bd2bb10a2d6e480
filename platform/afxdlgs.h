// The standard service dialogs: message boxes (AfxMessageBox, CWnd::MessageBox), the
// file dialog and the font dialog. Each asks the application's current service face,
// so headless runs get scripted answers and never block (platform/afxservices.h).
// Limits: one file per file dialog; the font dialog chooses screen fonts only.
#pragma once

#include "platform/afxservices.h"
#include "platform/afxwnd.h"

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

class CFontDialog {
 public:
  // initial: the font shown first (its colour too); null for the face's default.
  explicit CFontDialog(const FontChoice* initial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                       CWnd* pParentWnd = nullptr);
  // IDOK with a font chosen, else IDCANCEL.
  INT_PTR DoModal();
  const FontChoice& GetChoice() const { return m_choice; }
  CString GetFaceName() const { return m_choice.faceName; }
  // Size in tenths of a point.
  int GetSize() const { return m_choice.pointSizeTenths; }
  COLORREF GetColor() const { return m_choice.color; }
  LONG GetWeight() const { return m_choice.weight; }
  BOOL IsItalic() const { return m_choice.italic ? TRUE : FALSE; }

  FontDialogRequest m_request;

 private:
  FontChoice m_choice;
};
