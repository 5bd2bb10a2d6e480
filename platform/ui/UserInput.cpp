#include "platform/ui/UserInput.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/ControlProcs.h"

#include <cstdio>

namespace {

bool menuHasCommand(const std::vector<MenuItemTemplate>& items, UINT id) {
  for (const MenuItemTemplate& item : items) {
    if ((!item.separator && !item.isPopup() && item.id == id) || menuHasCommand(item.popup, id)) return true;
  }
  return false;
}

UINT buttonKey(MouseButton b) { return b == MouseButton::Left ? VK_LBUTTON : VK_RBUTTON; }

}  // namespace

HWND UserInput::windowAt(CPoint screen) const {
  const auto& tops = m_app.topLevelWindows();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    const WindowRecord* r = m_app.record(*it);
    if (!r->visibleSelf() || !r->rect.PtInRect(screen)) continue;
    const CPoint origin = clientOriginOnScreen(*r);
    CPoint client(screen.x - origin.x, screen.y - origin.y);
    if (!clientRect(*r).PtInRect(client)) return nullptr;  // frame or caption
    // Descend to the deepest child under the point that takes the mouse.
    for (bool found = true; found;) {
      found = false;
      for (HWND c : r->children) {
        const WindowRecord* cr = m_app.record(c);
        if (!cr->visibleSelf() || (cr->classProc && cr->classProc->mouseTransparent(*cr))) continue;
        if (cr->rect.PtInRect(client)) {
          r = cr;
          client = client - CSize(cr->rect.left, cr->rect.top) -
                   CSize(nonClientInsets(*cr).left, nonClientInsets(*cr).top);
          found = true;
          break;
        }
      }
    }
    return r->hwnd;
  }
  return nullptr;
}

void UserInput::deliverMouse(UINT message, CPoint screen) {
  m_app.setCursorPos(screen);
  const HWND captured = m_app.capture();
  const HWND target = captured ? captured : windowAt(screen);
  const WindowRecord* r = m_app.record(target);
  if (!r) return;
  const WindowRecord* top = r;
  while (top->parent) top = m_app.record(top->parent);
  if (!top->enabledSelf()) return;  // a modal dialog's owner takes no input
  const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_LBUTTONDBLCLK;
  if (press) m_app.setForeground(top->hwnd);
  if (!captured) {
    m_app.sendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, static_cast<int>(message)));
    r = m_app.record(target);
    if (!r) return;
  }
  if (!r->enabledSelf()) return;
  const CPoint origin = clientOriginOnScreen(*r);
  m_app.postMessage(target, message, m_app.mouseKeyFlags(), MAKELPARAM(screen.x - origin.x, screen.y - origin.y));
  m_app.pumpUntilIdle();
}

void UserInput::moveMouse(CPoint screen) { deliverMouse(WM_MOUSEMOVE, screen); }

void UserInput::pressButton(MouseButton button, CPoint screen, bool doubleClick) {
  m_app.setKeyDown(buttonKey(button), true);
  const bool left = button == MouseButton::Left;
  deliverMouse(left ? (doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                    : (doubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN),
               screen);
}

void UserInput::releaseButton(MouseButton button, CPoint screen) {
  m_app.setKeyDown(buttonKey(button), false);
  deliverMouse(button == MouseButton::Left ? WM_LBUTTONUP : WM_RBUTTONUP, screen);
}

void UserInput::click(CPoint screen, MouseButton button) {
  pressButton(button, screen);
  releaseButton(button, screen);
}

void UserInput::doubleClick(CPoint screen) {
  click(screen);
  pressButton(MouseButton::Left, screen, true);
  releaseButton(MouseButton::Left, screen);
}

void UserInput::turnWheel(int notches, CPoint screen) {
  m_app.setCursorPos(screen);
  const HWND target = m_app.focus() ? m_app.focus() : m_app.foreground();
  if (!m_app.isWindow(target) || notches == 0) return;
  const auto delta = static_cast<WORD>(static_cast<short>(notches * 120));
  m_app.postMessage(target, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<unsigned>(m_app.mouseKeyFlags()), delta), MAKELPARAM(screen.x, screen.y));
  m_app.pumpUntilIdle();
}

void UserInput::deliverKey(UINT message, UINT vk) {
  const HWND target = m_app.focus() ? m_app.focus() : m_app.foreground();
  if (!m_app.isWindow(target)) return;
  const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
  m_app.postMessage(target, message, vk, up ? static_cast<LPARAM>(0xC0000001u) : 1);
  m_app.pumpUntilIdle();
}

void UserInput::pressKey(UINT vk) {
  m_app.setKeyDown(vk, true);
  deliverKey(m_app.isKeyDown(VK_MENU) ? WM_SYSKEYDOWN : WM_KEYDOWN, vk);
}

void UserInput::releaseKey(UINT vk) {
  const bool alt = m_app.isKeyDown(VK_MENU);
  m_app.setKeyDown(vk, false);
  deliverKey(alt ? WM_SYSKEYUP : WM_KEYUP, vk);
}

void UserInput::tapKey(UINT vk) {
  pressKey(vk);
  releaseKey(vk);
}

void UserInput::typeText(const CString& text) {
  for (int i = 0; i < text.GetLength(); ++i) {
    const wchar_t ch = text.GetAt(i);
    if (ch == L'\n') tapKey(VK_RETURN);
    else deliverKey(WM_CHAR, static_cast<UINT>(ch));
  }
}

CPoint UserInput::toScreen(const CWnd& wnd, CPoint client) const {
  wnd.ClientToScreen(&client);
  return client;
}

void UserInput::clickAt(const CWnd& wnd, CPoint client, MouseButton button) { click(toScreen(wnd, client), button); }

void UserInput::drag(const CWnd& wnd, CPoint from, CPoint to, int steps) {
  pressButton(MouseButton::Left, toScreen(wnd, from));
  const int n = std::max(1, steps);
  for (int i = 1; i <= n; ++i) {
    const CPoint p(from.x + (to.x - from.x) * i / n, from.y + (to.y - from.y) * i / n);
    moveMouse(toScreen(wnd, p));
  }
  releaseButton(MouseButton::Left, toScreen(wnd, to));
}

const WindowRecord* UserInput::controlRecord(const CWnd& dialog, int id) const {
  const CWnd* control = dialog.GetDlgItem(id);
  if (!control) {
    std::fprintf(stderr, "user input: the window has no control %d\n", id);
    return nullptr;
  }
  return m_app.record(control->m_hWnd);
}

bool UserInput::clickControlPart(const CWnd& dialog, int id, const std::function<CRect(const WindowRecord&)>& part) {
  const WindowRecord* r = controlRecord(dialog, id);
  if (!r) return false;
  const CRect area = part(*r);
  if (area.IsRectEmpty()) return false;
  const CPoint origin = clientOriginOnScreen(*r);
  click(area.CenterPoint() + CSize(origin.x, origin.y));
  return true;
}

bool UserInput::clickControl(const CWnd& dialog, int id) {
  return clickControlPart(dialog, id, [](const WindowRecord& r) { return clientRect(r); });
}

bool UserInput::chooseComboItem(const CWnd& dialog, int id, int index) {
  if (!clickControlPart(dialog, id, comboButtonRect)) return false;
  return clickControlPart(dialog, id, [index](const WindowRecord& r) { return comboListItemRect(r, index); });
}

bool UserInput::clickScrollBar(const CWnd& dialog, int id, UINT part) {
  return clickControlPart(dialog, id, [part](const WindowRecord& r) {
    const ScrollBarParts parts = scrollBarParts(r);
    switch (part) {
      case SB_LINELEFT: return parts.lineLeft;
      case SB_LINERIGHT: return parts.lineRight;
      case SB_PAGELEFT: return parts.pageLeft;
      case SB_PAGERIGHT: return parts.pageRight;
      default: return CRect();
    }
  });
}

bool UserInput::dragScrollThumb(const CWnd& dialog, int id, double fraction) {
  const WindowRecord* r = controlRecord(dialog, id);
  if (!r) return false;
  const ScrollBarParts parts = scrollBarParts(*r);
  const bool vertical = (r->style & SBS_VERT) != 0;
  const CPoint from = parts.thumb.CenterPoint();
  const int start = vertical ? parts.lineLeft.bottom : parts.lineLeft.right;
  const int end = vertical ? parts.lineRight.top : parts.lineRight.left;
  const int thumb = vertical ? parts.thumb.Height() : parts.thumb.Width();
  const int centre = start + thumb / 2 + static_cast<int>(fraction * (end - start - thumb) + 0.5);
  const CPoint to = vertical ? CPoint(from.x, centre) : CPoint(centre, from.y);
  drag(*CWnd::FromHandle(r->hwnd), from, to);
  return true;
}

bool UserInput::clickUpDown(const CWnd& dialog, int id, bool upOrRight) {
  return clickControlPart(dialog, id, [upOrRight](const WindowRecord& r) { return upDownArrowRect(r, upOrRight); });
}

bool UserInput::chooseMenuCommand(const CWnd& topLevel, UINT id) {
  const WindowRecord* r = m_app.record(topLevel.m_hWnd);
  if (!r || !r->menu || !menuHasCommand(r->menu->items, id)) {
    std::fprintf(stderr, "user input: the window's menu has no command %u\n", id);
    return false;
  }
  m_app.postMessage(r->hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  m_app.pumpUntilIdle();
  return true;
}
