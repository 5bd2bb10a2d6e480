// Dialogs made from templates of the resource chain: CDialog and CDialogEx, modeless
// (Create) or modal (DoModal), with OnInitDialog, OnOK/OnCancel, the dialog keys (Enter,
// Escape, Tab) and data exchange between member fields and controls (DoDataExchange,
// DDX_*, UpdateData). Dialog units become pixels through the template font's base
// units. Used by every window of the display library and the host's modal dialogs.
// Limits: controls come only from the template or Create calls; no dialog-unit fonts
// other than the template's.
#pragma once

#include "platform/ui/CWnd.h"
#include "platform/ui/Controls.h"

#include <cstdint>

class CDialog;

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct DataExchangeFailure {};

class CDataExchange {
 public:
  CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  // The control's handle; a dialog without that control fails the exchange.
  HWND PrepareCtrl(int nIDC);
  // Ends the exchange: UpdateData returns FALSE.
  [[noreturn]] void Fail();

  BOOL m_bSaveAndValidate;  // TRUE: controls to fields
  CDialog* m_pDlgWnd;
  HWND m_hWndLastControl = nullptr;
};

// Check box state (BST_UNCHECKED / BST_CHECKED).
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Index of the checked radio button in the group that starts at nIDC; -1 when none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Text of an edit. Numbers are read whole (surrounding blanks allowed); text that is not a
// number shows a message box, gives the control the focus and fails the exchange.
// Doubles are shown with 15 significant digits.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, std::int64_t& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Current selection of a combo box; -1 when none.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Attaches the member object to the template's control the first time.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Pixels per 4 horizontal and per 8 vertical dialog units for a template font, from
// the font's metrics (8-point dialog faces: 6 x 12).
CSize dialogBaseUnitsFor(const CString& faceName, int pointSize);

class CDialog : public CWnd {
 public:
  CDialog() = default;
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
      : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}
  ~CDialog() override;

  // Modeless: builds the window and its controls from the template found in the
  // resource chain, runs OnInitDialog and shows the window when the template says
  // WS_VISIBLE. FALSE (and a line on standard error) when the template is missing or the
  // window exists already. pParentWnd is the owner; templates with WS_CHILD become its
  // children.
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  // Modal: creates the dialog from the template given to the constructor, disables the
  // owner's top-level window, lets the current service face run the dialog, destroys it
  // and returns the code passed to EndDialog (-1 when it could not be created).
  virtual INT_PTR DoModal();
  // Modeless or modal from a template the caller owns instead of one of the chain (the
  // platform's own dialogs, whose layout depends on their text). The template must
  // outlive the window's creation.
  BOOL CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);
  void InitModalIndirect(const DialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);
  // Modal: ends the loop with nResult. Modeless: hides the dialog.
  void EndDialog(int nResult);
  bool isModalRunning() const { return m_modal && !m_modalEnded; }

  // TRUE: controls to fields; FALSE: fields to controls. FALSE when a value was refused.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  // Dialog units to pixels, by this dialog's font.
  void MapDialogRect(CRect* rect) const;

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  DECLARE_MESSAGE_MAP()

  UINT m_nIDTemplate = 0;
  CWnd* m_pParentWnd = nullptr;

 private:
  BOOL createFromTemplate(UINT nIDTemplate, CWnd* pParentWnd);
  BOOL createFrom(const DialogTemplate& t, CWnd* pParentWnd);
  // Tab and Shift+Tab: the next or previous visible, enabled control with WS_TABSTOP.
  void moveFocus(bool backwards);

  const DialogTemplate* m_pIndirect = nullptr;
  bool m_modal = false;
  bool m_modalEnded = false;
  int m_modalResult = -1;
};

// The extended dialog: the same behaviour under its own name.
class CDialogEx : public CDialog {
 public:
  CDialogEx() = default;
  explicit CDialogEx(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CDialog(nIDTemplate, pParentWnd) {}
};
