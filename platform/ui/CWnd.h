// CWnd, the object side of a window: tree, ID, text, placement, coordinate conversion,
// visibility, enabling, invalidation, focus, capture, timers, and the generic message
// entry OnWndMsg that dispatches to virtual handlers and, for WM_COMMAND and WM_NOTIFY,
// to each class's table of handlers by control ID (the message map, built with the
// BEGIN_MESSAGE_MAP macros below). Every window and control of the platform and of the
// display library derives from it. Limits: one UI thread; a CWnd is attached to at most
// one window and a window to at most one CWnd.
#pragma once

#include "platform/gdi/CString.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/Messages.h"

#include <functional>
#include <vector>

class CDC;
class CWnd;
class CScrollBar;

// ---- Message maps -------------------------------------------------------------------------
using MessageHandler = std::function<void(CWnd& self, UINT id, NMHDR* header, LRESULT* result)>;

struct MessageMapEntry {
  enum class Kind { Command, Notify };
  Kind kind = Kind::Command;
  UINT code = 0;  // notification code (BN_CLICKED, CBN_SELCHANGE, UDN_DELTAPOS ...); 0 for menus
  UINT idFirst = 0;
  UINT idLast = 0;
  MessageHandler handler;
};

struct MessageMap {
  const MessageMap* (*base)() = nullptr;
  std::vector<MessageMapEntry> entries;
};

template <class T>
MessageMapEntry afxCommandEntry(UINT code, UINT first, UINT last, void (T::*fn)()) {
  return {MessageMapEntry::Kind::Command, code, first, last,
          [fn](CWnd& w, UINT, NMHDR*, LRESULT*) { (static_cast<T&>(w).*fn)(); }};
}
template <class T>
MessageMapEntry afxCommandEntry(UINT code, UINT first, UINT last, void (T::*fn)(UINT)) {
  return {MessageMapEntry::Kind::Command, code, first, last,
          [fn](CWnd& w, UINT id, NMHDR*, LRESULT*) { (static_cast<T&>(w).*fn)(id); }};
}
template <class T>
MessageMapEntry afxNotifyEntry(UINT code, UINT id, void (T::*fn)(NMHDR*, LRESULT*)) {
  return {MessageMapEntry::Kind::Notify, code, id, id,
          [fn](CWnd& w, UINT, NMHDR* h, LRESULT* r) { (static_cast<T&>(w).*fn)(h, r); }};
}

// In the class body.
#define DECLARE_MESSAGE_MAP()                       \
 protected:                                         \
  static const ::MessageMap* GetThisMessageMap();   \
  const ::MessageMap* GetMessageMap() const override;

// In the source file.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
  const ::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }   \
  const ::MessageMap* theClass::GetThisMessageMap() {                                   \
    static const ::MessageMap map{&baseClass::GetThisMessageMap, {
#define END_MESSAGE_MAP() \
  }                       \
  }                       \
  ;                       \
  return &map;            \
  }

#define ON_CONTROL(code, id, memberFxn) ::afxCommandEntry(code, id, id, memberFxn),
#define ON_COMMAND(id, memberFxn) ::afxCommandEntry(0, id, id, memberFxn),
#define ON_COMMAND_RANGE(first, last, memberFxn) ::afxCommandEntry(0, first, last, memberFxn),
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_NOTIFY(code, id, memberFxn) ::afxNotifyEntry(code, id, memberFxn),

// ---- CWnd ------------------------------------------------------------------------------------
class CWnd {
 public:
  CWnd() = default;
  // Destroys the window if it still exists. Derived classes that handle WM_DESTROY
  // should call DestroyWindow in their own destructor, while their handlers still exist.
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The object attached to hwnd; a window nobody attached gets a wrapper of its class
  // (CButton, CEdit ...) owned by the window. Null for a dead handle.
  static CWnd* FromHandle(HWND hwnd);

  // Creates a plain window. rect is in the parent's client coordinates (screen ones for a
  // top-level window, pParentWnd null). The caption is the window text.
  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const CRect& rect,
              CWnd* pParentWnd, UINT nID);
  BOOL DestroyWindow();
  // Attaches this object to an existing window that has no object of its own.
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  // ---- Tree and identity
  CWnd* GetParent() const;
  CWnd* GetTopLevelParent() const;
  CWnd* GetDlgItem(int nID) const;
  int GetDlgCtrlID() const;
  // Child windows in creation order.
  std::vector<CWnd*> GetChildren() const;
  // The child whose window rectangle holds the point (client coordinates of this
  // window), hidden and disabled ones included; this when no child does; null when the
  // point lies outside the client area.
  CWnd* ChildWindowFromPoint(CPoint point) const;

  // ---- Text
  void SetWindowText(LPCTSTR text);
  void GetWindowText(CString& text) const;
  CString GetWindowText() const;
  int GetWindowTextLength() const;
  void SetDlgItemText(int nID, LPCTSTR text);
  void GetDlgItemText(int nID, CString& text) const;

  // ---- Placement (pixels)
  void MoveWindow(int x, int y, int width, int height, BOOL bRepaint = TRUE);
  void MoveWindow(const CRect& rect, BOOL bRepaint = TRUE);
  void MoveWindow(const CRect* rect, BOOL bRepaint = TRUE) {
    if (rect) MoveWindow(*rect, bRepaint);
  }
  void GetWindowRect(CRect* rect) const;  // screen coordinates
  void GetClientRect(CRect* rect) const;  // (0, 0, width, height)
  void ScreenToClient(CPoint* point) const;
  void ScreenToClient(CRect* rect) const;
  void ClientToScreen(CPoint* point) const;
  void ClientToScreen(CRect* rect) const;

  // ---- State
  // SW_HIDE hides; any other command shows. Returns whether it was visible before.
  BOOL ShowWindow(int nCmdShow);
  // Visible itself and every ancestor too.
  BOOL IsWindowVisible() const;
  // Returns whether it was disabled before.
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  DWORD GetStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd);
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  HICON GetIcon(BOOL bBigIcon) const;
  BOOL SetForegroundWindow();
  static CWnd* GetForegroundWindow();

  // ---- Painting
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(const CRect* rect, BOOL bErase = TRUE);
  // Paints this window now if it has a pending update.
  void UpdateWindow();
  // The pending update in client coordinates; FALSE when there is none.
  BOOL GetUpdateRect(CRect* rect) const;

  // ---- Input
  CWnd* SetFocus();
  static CWnd* GetFocus();
  CWnd* SetCapture();
  static CWnd* GetCapture();
  // The busy cursor, counted: shown until as many ends as begins.
  void BeginWaitCursor() { AfxGetApp()->BeginWaitCursor(); }
  void EndWaitCursor() { AfxGetApp()->EndWaitCursor(); }
  // Timers always arrive as WM_TIMER; a callback is not supported and must be null.
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);

  // ---- Messages
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // A message box owned by this window (see platform/ui/CommonDialogs.h); the button pressed.
  int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

  // Runs for key and mouse messages before they are dispatched, on the target window
  // and then on each ancestor; TRUE stops the message.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // OnWndMsg, then DefWindowProc when OnWndMsg did not handle the message.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Dispatches to the handlers below; FALSE for messages it has no handler for.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // The window class's built-in processing.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The message map lookup for WM_COMMAND: TRUE when a handler ran.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // The message map lookup for WM_NOTIFY: TRUE when a handler ran.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Called after the window is gone (m_hWnd already null).
  virtual void PostNcDestroy() {}

 protected:
  // The default processing of the message being handled (for handlers that add to it).
  LRESULT Default();

  // Message handlers. Each default runs Default().
  virtual void OnPaint();
  virtual BOOL OnEraseBkgnd(CDC* pDC);
  virtual void OnSize(UINT nType, int cx, int cy);
  virtual void OnClose();
  virtual void OnDestroy();
  virtual void OnLButtonDown(UINT nFlags, CPoint point);
  virtual void OnLButtonUp(UINT nFlags, CPoint point);
  virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
  virtual void OnRButtonDown(UINT nFlags, CPoint point);
  virtual void OnRButtonUp(UINT nFlags, CPoint point);
  virtual void OnMouseMove(UINT nFlags, CPoint point);
  virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual void OnTimer(UINT_PTR nIDEvent);
  virtual void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  virtual void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  virtual BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  virtual void OnContextMenu(CWnd* pWnd, CPoint pos);

  virtual const MessageMap* GetMessageMap() const;
  static const MessageMap* GetThisMessageMap();

  WindowRecord* record() const;

 private:
  // Runs the first matching entry of the message map chain.
  BOOL runMapEntry(MessageMapEntry::Kind kind, UINT code, UINT id, NMHDR* header, LRESULT* result);
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  CurrentMessage m_current{WM_NULL, 0, 0};
};
