// The platform's own record of a window (what a handle names): tree links, ID, style,
// text, placement, update region, icons, and the built-in class behaviour that answers
// the messages a CWnd leaves to its default processing. Internal to the platform: the
// application object owns the records, CWnd and the control classes work on them.
// Limits: placement is rectangular; the update region is a bounding rectangle.
#pragma once

#include "platform/gdi/CString.h"
#include "platform/gdi/PixelSurface.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Resources.h"

#include <memory>
#include <vector>

class CDC;
class CFont;
class CWnd;
struct WindowRecord;

// Built-in behaviour of a window class (button, edit, dialog ...): the default
// processing of messages. Class behaviours for messages they do not know call
// defaultWindowProc.
class WindowClassProc {
 public:
  virtual ~WindowClassProc() = default;
  virtual LRESULT proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Statics without SS_NOTIFY and group boxes let the mouse through to their parent.
  virtual bool mouseTransparent(const WindowRecord&) const { return false; }
  // The control class of this behaviour; false for plain windows and dialogs.
  virtual bool isControl(ControlClass& out) const { (void)out; return false; }
  // Whether a dialog's Enter key belongs to this control (multi-line edits).
  virtual bool wantsReturn(const WindowRecord&) const { return false; }
  // Draws the client area (dc is clipped to it, origin at its top-left).
  virtual void paint(const WindowRecord&, CDC&) {}
  // Draws what lies over other windows (an open drop-down list); dc covers the client
  // area's coordinates of this window but may draw anywhere on its top-level window.
  virtual void paintOverlay(const WindowRecord&, CDC&) {}
  // Draws scroll bars outside the client area; dc has its origin at the client area's
  // top-left and may draw over the whole window.
  virtual void paintFrame(const WindowRecord&, CDC&) {}
};

struct WindowRecord {
  HWND hwnd = nullptr;
  HWND parent = nullptr;
  std::vector<HWND> children;  // creation order, which is also hit-test order

  CWnd* wnd = nullptr;                   // the object messages go to; may be null
  std::unique_ptr<CWnd> ownedWrapper;    // made on demand for windows nobody attached
  std::unique_ptr<WindowClassProc> classProc;

  int id = 0;
  DWORD style = 0;
  CString text;
  // Window rectangle: in the parent's client coordinates for child windows, in screen
  // coordinates for top-level ones.
  CRect rect;

  CRect update;            // part of the client area waiting for a paint (empty: none)
  bool eraseBackground = false;

  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  const MenuTemplate* menu = nullptr;  // menu bar of a top-level window
  CSize dialogBaseUnits;                // of a dialog: pixels per 4 horizontal, 8 vertical units
  UINT cursorId = IDC_ARROW;            // standard cursor shown over the client area
  CFont* font = nullptr;                // text of the window and its controls
  std::unique_ptr<PixelSurface> surface;  // top-level windows: what the window shows
  bool destroying = false;

  bool isChild() const { return parent != nullptr; }
  bool visibleSelf() const { return (style & WS_VISIBLE) != 0; }
  bool enabledSelf() const { return (style & WS_DISABLED) == 0; }
};

// Thickness of the frame, caption, menu bar and scroll bars around the client area.
CRect nonClientInsets(const WindowRecord& r);
// Client rectangle in the record's own client coordinates: (0, 0, width, height).
CRect clientRect(const WindowRecord& r);

// Top-left of the client area in screen coordinates.
CPoint clientOriginOnScreen(const WindowRecord& r);
// Adds a part of the client area (all of it when area is null) to the pending update.
void invalidateRecord(WindowRecord& r, const CRect* area, bool erase);
// Sends a notification to the parent: WM_COMMAND with the control's ID and the code.
// Returns false when the control no longer exists afterwards.
bool notifyParent(HWND control, UINT code);

// The top-level window a window belongs to (itself when it is one).
WindowRecord* topLevelOf(WindowRecord& r);
// A DC over the window's part of its top-level surface, origin at the client area's
// top-left, clipped to the client area and to every ancestor's; with paint set it is
// clipped to the pending update too, and the update is cleared (a paint begins).
void attachWindowDC(CDC& dc, WindowRecord& r, bool paint);
// Draws the frame, caption and menu bar of a top-level window, and the border and
// scroll bars of a child.
void paintNonClient(WindowRecord& r);

// Default processing shared by every window class.
LRESULT defaultWindowProc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam);

// Layout constants of the non-client area, in pixels.
constexpr int kFrameWidth = 1;
constexpr int kCaptionHeight = 22;
constexpr int kMenuBarHeight = 20;
constexpr int kScrollBarSize = 16;
