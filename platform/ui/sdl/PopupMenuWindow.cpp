#include "platform/ui/sdl/PopupMenuWindow.h"

#include "platform/ui/CPaintDC.h"
#include "platform/ui/ControlLook.h"

#include <algorithm>

namespace {

constexpr int kRowHeight = 22;
constexpr int kSeparatorHeight = 7;
constexpr int kTextLeft = 26;  // room for a check mark

bool selectable(const MenuEntry& e) { return !e.separator && !e.grayed; }

}  // namespace

UINT PopupMenuWindow::track(CPoint screen, const RunUntil& runUntil) {
  m_runUntil = &runUntil;
  PixelSurface scratch(1, 1);
  CDC measure(scratch, CPoint(0, 0), scratch.bounds());
  measure.SelectObject(look::dialogFont());
  int y = 2;
  m_width = 120;
  for (const MenuEntry& e : m_entries) {
    m_tops.push_back(y);
    y += e.separator ? kSeparatorHeight : kRowHeight;
    if (!e.separator) m_width = std::max(m_width, static_cast<int>(measure.GetTextExtent(e.text).cx) + kTextLeft + 30);
  }
  m_tops.push_back(y);
  const CRect rect(screen.x, screen.y, screen.x + m_width + 2, screen.y + y + 4);
  if (!Create(nullptr, L"Menu", WS_POPUP | WS_VISIBLE, rect, nullptr, 0)) return 0;
  SetForegroundWindow();
  SetFocus();
  SetCapture();
  runUntil([this] { return m_done; });
  if (GetCapture() == this) ReleaseCapture();
  DestroyWindow();
  return m_command;
}

CRect PopupMenuWindow::rowRect(int row) const {
  return CRect(2, m_tops[static_cast<size_t>(row)], m_width, m_tops[static_cast<size_t>(row) + 1]);
}

int PopupMenuWindow::rowAt(CPoint client) const {
  for (int i = 0; i < static_cast<int>(m_entries.size()); ++i) {
    if (rowRect(i).PtInRect(client)) return i;
  }
  return -1;
}

void PopupMenuWindow::OnPaint() {
  CPaintDC dc(this);
  CRect all;
  GetClientRect(&all);
  dc.FillSolidRect(&all, look::kWindow);
  for (int i = 0; i < static_cast<int>(m_entries.size()); ++i) {
    const MenuEntry& e = m_entries[static_cast<size_t>(i)];
    const CRect r = rowRect(i);
    if (e.separator) {
      dc.FillSolidRect(r.left + 4, r.top + kSeparatorHeight / 2, r.Width() - 8, 1, look::kFrame);
      continue;
    }
    const bool hot = i == m_hot && selectable(e);
    if (hot) dc.FillSolidRect(&r, look::kAccent);
    const COLORREF ink = e.grayed ? look::kGrayText : hot ? look::kSelectionText : look::kText;
    if (e.checked) look::checkMark(dc, CRect(r.left + 6, r.top + 5, r.left + 18, r.top + 17), ink);
    look::text(dc, e.text, CRect(r.left + kTextLeft, r.top, r.right - 16, r.bottom), DT_LEFT | DT_VCENTER, ink,
               look::dialogFont());
    if (!e.popup.empty()) look::arrow(dc, CRect(r.right - 16, r.top, r.right - 4, r.bottom), look::Arrow::Right, ink);
  }
}

void PopupMenuWindow::OnMouseMove(UINT, CPoint point) {
  const int row = rowAt(point);
  if (row != m_hot) {
    m_hot = row;
    Invalidate(FALSE);
  }
}

void PopupMenuWindow::OnLButtonDown(UINT, CPoint point) {
  CRect all;
  GetClientRect(&all);
  if (!all.PtInRect(point)) finish(0);  // a press anywhere else dismisses the menu
}

void PopupMenuWindow::OnLButtonUp(UINT, CPoint point) { choose(rowAt(point)); }
void PopupMenuWindow::OnRButtonUp(UINT, CPoint point) { choose(rowAt(point)); }

void PopupMenuWindow::OnKeyDown(UINT nChar, UINT, UINT) {
  const int n = static_cast<int>(m_entries.size());
  if (nChar == VK_ESCAPE) {
    finish(0);
  } else if ((nChar == VK_DOWN || nChar == VK_UP) && n > 0) {
    const int step = nChar == VK_DOWN ? 1 : n - 1;
    int row = m_hot < 0 ? (nChar == VK_DOWN ? n - 1 : 0) : m_hot;
    for (int k = 0; k < n; ++k) {
      row = (row + step) % n;
      if (selectable(m_entries[static_cast<size_t>(row)])) break;
    }
    m_hot = row;
    Invalidate(FALSE);
  } else if (nChar == VK_RETURN || nChar == VK_RIGHT) {
    choose(m_hot);
  }
}

void PopupMenuWindow::choose(int row) {
  if (row < 0) return;
  const MenuEntry& e = m_entries[static_cast<size_t>(row)];
  if (!selectable(e)) return;
  if (e.popup.empty()) {
    finish(e.id);
    return;
  }
  // A sub-menu opens beside its row; dismissing it comes back here.
  CPoint at(rowRect(row).right, rowRect(row).top);
  ClientToScreen(&at);
  PopupMenuWindow sub(e.popup);
  const UINT command = sub.track(at, *m_runUntil);
  if (command) {
    finish(command);
  } else if (m_hWnd) {
    SetFocus();
    SetCapture();
  }
}

void PopupMenuWindow::finish(UINT command) {
  m_command = command;
  m_done = true;
}
