// The application object: the one UI thread's state. It owns every window record, the
// posted-message queue, the timers and the clock, keyboard focus, mouse capture, the
// cursor, the key states, and the current service face. Windows reach it through
// AfxGetApp(). Headless runs use a virtual clock that only advanceClock moves; an
// interactive face advances it from the real clock. Limits: one thread; no message
// filtering by range; timers are delivered when the queue is empty, as WM_TIMER.
#pragma once

#include "platform/ui/Messages.h"
#include "platform/ui/Resources.h"
#include "platform/ui/TimerTable.h"
#include "platform/ui/UiServices.h"
#include "platform/ui/WindowRecord.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class CWnd;
class UserInput;

class CWinApp {
 public:
  // The newest living application object is the current one; destroying it makes the
  // previous one current again. Without any, AfxGetApp() gives a default object.
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // --- Windows -----------------------------------------------------------------------
  // Makes a record; parent null for a top-level window. The caller fills it.
  WindowRecord& createRecord(HWND parent);
  WindowRecord* record(HWND hwnd) const;
  bool isWindow(HWND hwnd) const { return record(hwnd) != nullptr; }
  // Destroys the window and its children: WM_DESTROY to each (parents first), then
  // timers, capture, focus and queued messages of each are dropped.
  void destroyWindow(HWND hwnd);
  // Top-level windows, bottom first.
  const std::vector<HWND>& topLevelWindows() const { return m_topLevel; }
  void bringToTop(HWND topLevel);

  // Delivers a message now: to the attached object's WindowProc, or to the class
  // behaviour when no object is attached. 0 for a dead handle.
  LRESULT sendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL postMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // --- Loop --------------------------------------------------------------------------
  // Handles one posted message (after PreTranslateMessage from the target up through
  // its ancestors) or, with an empty queue, one paint pass. FALSE when idle.
  BOOL PumpMessage();
  // Pumps until idle.
  void pumpUntilIdle();
  // Sends WM_ERASEBKGND (when asked) and WM_PAINT to every visible window with a
  // pending update, parents before children; a painted window's children are painted
  // after it. True when anything was painted.
  bool paintPass();
  // The same for one window and its children.
  bool paintWindow(HWND hwnd, bool parentPainted = false);
  // Messages waiting in the queue.
  size_t queuedMessages() const { return m_queue.size(); }

  // --- Clock and timers ----------------------------------------------------------------
  DWORD GetTickCount() const { return static_cast<DWORD>(m_now); }
  std::uint64_t now() const { return m_now; }
  // Moves the clock forward by ms, firing every timer that falls due on the way at its
  // own time and pumping messages after each.
  void advanceClock(std::uint64_t ms);
  // The real clock's step, for an interactive face: moves the clock to `now` (never
  // back) and fires each timer that fell due once, however many periods were missed,
  // as a desktop coalesces late timer messages. Its next turn is one period after the
  // turn it fired for, or after now when it was late by a period or more.
  void catchUpClock(std::uint64_t now);
  // When the earliest running timer is due, or nothing when none runs.
  std::optional<std::uint64_t> nextTimerDue() const;
  UINT_PTR setTimer(HWND hwnd, UINT_PTR id, UINT elapse);
  BOOL killTimer(HWND hwnd, UINT_PTR id);
  const TimerTable& timers() const { return m_timers; }

  // --- Focus, capture, activation --------------------------------------------------------
  HWND focus() const { return m_focus; }
  // Sends WM_KILLFOCUS to the old and WM_SETFOCUS to the new window; returns the old.
  HWND setFocus(HWND hwnd);
  HWND capture() const { return m_capture; }
  HWND setCapture(HWND hwnd);
  void releaseCapture();
  HWND foreground() const { return m_foreground; }
  void setForeground(HWND topLevel);

  // --- Cursor, mouse and keys ------------------------------------------------------------
  HCURSOR LoadCursor(UINT id) const { return ResourceChain::instance().findCursor(id); }
  HCURSOR LoadStandardCursor(UINT id) const { return platformStandardResources().findCursor(id); }
  HICON LoadIcon(UINT id) const { return ResourceChain::instance().findIcon(id); }
  HCURSOR setCursor(HCURSOR cursor);
  // The cursor a person sees: the busy cursor while a wait is in progress.
  HCURSOR shownCursor() const;
  HCURSOR currentCursor() const { return m_cursor; }
  void BeginWaitCursor();
  void EndWaitCursor();
  bool isWaitCursorShown() const { return m_waitCount > 0; }
  CPoint cursorPos() const { return m_mousePos; }
  void setCursorPos(CPoint screen) { m_mousePos = screen; }
  bool isKeyDown(UINT vk) const { return vk < 256 && m_keys[vk]; }
  void setKeyDown(UINT vk, bool down) {
    if (vk < 256) m_keys[vk] = down;
  }
  // MK_ flags for a mouse message from the current key and button states.
  WPARAM mouseKeyFlags() const;

  // --- Services ----------------------------------------------------------------------------
  UiServices& services() { return *m_services; }
  void setServices(std::unique_ptr<UiServices> face) { m_services = std::move(face); }
  // The scripted face, or null when another face is in use.
  ScriptedServices* scripted() { return dynamic_cast<ScriptedServices*>(m_services.get()); }
  // The headless person: mouse and keyboard actions turned into messages.
  UserInput& input() { return *m_input; }

 private:
  void dispatch(const MSG& msg);
  // Lets every window of a top-level window draw what lies over the others.
  void paintOverlays(WindowRecord& r);
  void destroyTree(HWND hwnd, std::vector<std::unique_ptr<WindowRecord>>& dead);

  CWinApp* m_previous;
  std::unordered_map<HWND, std::unique_ptr<WindowRecord>> m_records;
  std::uintptr_t m_nextHandle = 0x1000;
  std::vector<HWND> m_topLevel;
  std::deque<MSG> m_queue;
  TimerTable m_timers;
  std::uint64_t m_now = 0;
  HWND m_focus = nullptr;
  HWND m_capture = nullptr;
  HWND m_foreground = nullptr;
  HCURSOR m_cursor = nullptr;
  int m_waitCount = 0;
  CPoint m_mousePos;
  std::array<bool, 256> m_keys{};
  std::unique_ptr<UiServices> m_services;
  std::unique_ptr<UserInput> m_input;
};

CWinApp* AfxGetApp();

// Free functions of the windowing layer, acting on the current application.
SHORT GetKeyState(int nVirtKey);  // negative while the key is down
HCURSOR SetCursor(HCURSOR cursor);  // returns the previous cursor
HCURSOR GetCursor();
BOOL ReleaseCapture();
BOOL GetCursorPos(CPoint* point);
BOOL IsWindow(HWND hwnd);
// Standard cursors: LoadCursor(nullptr, IDC_WAIT).
HCURSOR LoadCursor(HINSTANCE module, UINT id);

// Shows the busy cursor for its lifetime.
class CWaitCursor {
 public:
  CWaitCursor() { AfxGetApp()->BeginWaitCursor(); }
  ~CWaitCursor() { AfxGetApp()->EndWaitCursor(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};
