// Built-in behaviour of the platform's controls: state, keyboard and mouse handling,
// and the notifications each sends to its parent (BN_CLICKED, CBN_SELCHANGE, EN_CHANGE,
// WM_HSCROLL codes, UDN_DELTAPOS). Internal to the platform: dialogs create controls
// through createControlWindow; the wrappers of platform/ui/Controls.h talk to them with
// messages; the headless user and the drawing code use the geometry functions, so a
// click lands where the part is drawn. Limits: no sorting, owner drawing or undo.
#pragma once

#include "platform/ui/WindowRecord.h"

#include <memory>

// Creates a control window under parent. For combo boxes height is the height of the
// box with its list open, as templates give it; the window itself takes the closed
// height. Returns the handle, or null when parent is not a window.
HWND createControlWindow(HWND parent, ControlClass controlClass, const CString& text, DWORD style,
                         const CRect& rect, int id);

// The behaviour of each class, one object per window (it holds the control's state).
std::unique_ptr<WindowClassProc> makeButtonProc();
std::unique_ptr<WindowClassProc> makeStaticProc();
std::unique_ptr<WindowClassProc> makeEditProc(bool rich);
std::unique_ptr<WindowClassProc> makeComboProc(int listHeight);
std::unique_ptr<WindowClassProc> makeScrollBarProc();
std::unique_ptr<WindowClassProc> makeUpDownProc();

// Geometry in the control's client coordinates.
constexpr int kComboClosedHeight = 21;
constexpr int kComboItemHeight = 16;
constexpr int kComboButtonWidth = 17;
// The open list shows every item, up to this many, whatever the template's list height.
constexpr int kComboMinVisibleItems = 30;
// The drop-down arrow of a combo box.
CRect comboButtonRect(const WindowRecord& combo);
// Row of item index in the open list (below the box); empty when the item is scrolled
// out of view or does not exist.
CRect comboListItemRect(const WindowRecord& combo, int index);

struct ScrollBarParts {
  CRect lineLeft, pageLeft, thumb, pageRight, lineRight;
};
ScrollBarParts scrollBarParts(const WindowRecord& bar);

// The arrow of an up-down control that moves toward its upper bound: up for a vertical
// control, right for a horizontal one.
CRect upDownArrowRect(const WindowRecord& upDown, bool towardUpper);
