// A pop-up menu drawn by the platform in its own top-level window: the entries in rows
// (separators, checks, grayed items, sub-menus opening beside their row), the row under
// the mouse highlighted. It holds the mouse capture while open, so a press outside
// dismisses it; Up, Down, Right, Return and Escape work too. InteractiveFace opens it for
// pop-up requests and for menu-bar titles. Limits: no keyboard mnemonics, no scrolling; a press
// outside every window of the program does not reach it.
#pragma once

#include "platform/ui/CWnd.h"
#include "platform/ui/UiServices.h"

#include <functional>
#include <vector>

class PopupMenuWindow : public CWnd {
 public:
  // Runs the loop until a pass says the condition holds.
  using RunUntil = std::function<void(const std::function<bool()>&)>;

  explicit PopupMenuWindow(std::vector<MenuEntry> entries) : m_entries(std::move(entries)) {}
  // Shows the menu with its top-left at the screen point and lets the person choose:
  // the command, or 0 when dismissed.
  UINT track(CPoint screen, const RunUntil& runUntil);

  // The row under a client point, or -1.
  int rowAt(CPoint client) const;
  // A row's rectangle in client coordinates.
  CRect rowRect(int row) const;

  void OnPaint() override;
  void OnMouseMove(UINT nFlags, CPoint point) override;
  void OnLButtonDown(UINT nFlags, CPoint point) override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;
  void OnRButtonUp(UINT nFlags, CPoint point) override;
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

 private:
  void choose(int row);
  void finish(UINT command);

  std::vector<MenuEntry> m_entries;
  std::vector<int> m_tops;  // top of each row, and the bottom of the last
  int m_width = 0;
  int m_hot = -1;
  bool m_done = false;
  UINT m_command = 0;
  const RunUntil* m_runUntil = nullptr;
};
