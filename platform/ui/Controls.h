// Control classes: CStatic, CButton, CEdit, CRichEditCtrl, CComboBox, CScrollBar and
// CSpinButtonCtrl. Each wraps a control window and talks to it with the control's
// messages, so an object attached to a template's control (DDX_Control) and one created
// with Create behave alike. Dialogs and canvases use them; results follow the framework
// (CB_ERR, -1 for no selection). Limits: what the platform's controls support, see
// platform/ui/ControlProcs.h.
#pragma once

#include "platform/ui/CWnd.h"

#include <memory>

class CStatic : public CWnd {
 public:
  BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);
};

class CButton : public CWnd {
 public:
  BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  int GetCheck() const;
  void SetCheck(int nCheck);
  UINT GetState() const;
  void SetState(BOOL bHighlight);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
  // The image of an icon button (BS_ICON); returns the previous one.
  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
};

class CEdit : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  // nStartChar -1 removes the selection; nEndChar -1 selects to the end.
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void GetSel(int& nStartChar, int& nEndChar) const;
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  int GetLineCount() const;
  int GetFirstVisibleLine() const;
  BOOL LineScroll(int nLines, int nChars = 0);
};

// The rich text box: a multi-line edit with scroll bars.
class CRichEditCtrl : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  void SetSel(long nStartChar, long nEndChar);
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  long GetTextLength() const;
  int GetLineCount() const;
  int GetFirstVisibleLine() const;
  void LineScroll(int nLines, int nChars = 0);
};

// Kept for hosts that load the rich text library before creating dialogs; the platform's
// rich text box is built in, so this always succeeds.
BOOL AfxInitRichEdit2();

class CComboBox : public CWnd {
 public:
  // The rectangle's height is that of the box with its list open.
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  int AddString(LPCTSTR lpszString);
  int InsertString(int nIndex, LPCTSTR lpszString);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetCount() const;
  // -1 (CB_ERR) when nothing is selected.
  int GetCurSel() const;
  // Selects without notifying the parent; an index out of range clears the selection
  // and returns CB_ERR.
  int SetCurSel(int nSelect);
  int GetLBTextLen(int nIndex) const;
  void GetLBText(int nIndex, CString& rString) const;
  LPARAM GetItemData(int nIndex) const;
  int SetItemData(int nIndex, LPARAM dwItemData);
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  void ShowDropDown(BOOL bShowIt = TRUE);
  BOOL GetDroppedState() const;
};

class CScrollBar : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  void GetScrollRange(int* lpMinPos, int* lpMaxPos) const;
  // Returns the previous position; the position is kept inside the range.
  int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
  int GetScrollPos() const;
  BOOL SetScrollInfo(SCROLLINFO* lpScrollInfo, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(SCROLLINFO* lpScrollInfo, UINT nMask = SIF_ALL) const;
};

class CSpinButtonCtrl : public CWnd {
 public:
  BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
  // Lower and upper bound; the upper one is where the up (or right) arrow leads.
  void SetRange32(int nLower, int nUpper);
  void GetRange32(int& nLower, int& nUpper) const;
  int SetPos32(int nPos);
  int GetPos32() const;
};

// An unattached object of the class that fits a control window (CWnd::FromHandle).
std::unique_ptr<CWnd> makeControlObject(ControlClass controlClass);
