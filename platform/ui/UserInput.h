// The headless person: mouse and keyboard actions turned into the messages a real
// display would produce (WM_SETCURSOR, button and move messages with key-state flags,
// key and character messages), delivered through the application's queue so
// PreTranslateMessage, capture and focus apply. Tests drive dialogs with it; an
// interactive face feeds the same entry points from its events. Every action pumps
// messages until idle before it returns. Double clicks happen only when asked for.
#pragma once

#include "platform/gdi/CString.h"
#include "platform/ui/Messages.h"

#include <functional>

class CWinApp;
class CWnd;
struct WindowRecord;

enum class MouseButton { Left, Right };

class UserInput {
 public:
  explicit UserInput(CWinApp& app) : m_app(app) {}

  // ---- Screen coordinates
  void moveMouse(CPoint screen);
  void pressButton(MouseButton button, CPoint screen, bool doubleClick = false);
  void releaseButton(MouseButton button, CPoint screen);
  void click(CPoint screen, MouseButton button = MouseButton::Left);
  void doubleClick(CPoint screen);
  // Turns the wheel by notches (positive away from the person): WM_MOUSEWHEEL with
  // 120 per notch to the focus window (or the foreground window), the point in screen
  // coordinates.
  void turnWheel(int notches, CPoint screen);
  // Key down and up go to the focus window (or the foreground window when none has the
  // focus). With Alt (VK_MENU) held, key downs are WM_SYSKEYDOWN.
  void pressKey(UINT vk);
  void releaseKey(UINT vk);
  void tapKey(UINT vk);
  // One WM_CHAR per character; "\n" is the Enter key.
  void typeText(const CString& text);

  // ---- Relative to a window (points in its client coordinates)
  CPoint toScreen(const CWnd& wnd, CPoint client) const;
  void clickAt(const CWnd& wnd, CPoint client, MouseButton button = MouseButton::Left);
  // Press at from, move in steps, release at to.
  void drag(const CWnd& wnd, CPoint from, CPoint to, int steps = 4);
  // A click in the middle of a dialog's control.
  bool clickControl(const CWnd& dialog, int id);
  // Opens a combo box's list with its arrow and clicks the item's row.
  bool chooseComboItem(const CWnd& dialog, int id, int index);
  // Clicks a part of a scroll bar: SB_LINELEFT, SB_LINERIGHT, SB_PAGELEFT or SB_PAGERIGHT.
  bool clickScrollBar(const CWnd& dialog, int id, UINT part);
  // Drags a scroll bar's thumb so that it ends at the given fraction of the track.
  bool dragScrollThumb(const CWnd& dialog, int id, double fraction);
  // Clicks the up (vertical) or right (horizontal) arrow of an up-down control, or the
  // other one.
  bool clickUpDown(const CWnd& dialog, int id, bool upOrRight);
  // Clicks the middle of a part (in the control's client coordinates) of a control.
  bool clickControlPart(const CWnd& dialog, int id, const std::function<CRect(const WindowRecord&)>& part);
  // Picks a command from the window's menu bar; false when the menu has no such command.
  bool chooseMenuCommand(const CWnd& topLevel, UINT id);

 private:
  HWND windowAt(CPoint screen) const;
  void deliverMouse(UINT message, CPoint screen);
  void deliverKey(UINT message, UINT vk);
  const WindowRecord* controlRecord(const CWnd& dialog, int id) const;

  CWinApp& m_app;
};
