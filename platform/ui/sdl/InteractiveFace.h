// The interactive face: the platform's windows on a real display. It opens the display
// (SDL2, software surfaces), becomes the application's service face, and runs the event
// loop: desktop input becomes the platform's messages through UserInput (buttons, double
// clicks, moves, wheel, keys with the system key, close, focus, caption drags and the
// menu bar), timers run on the real clock while the process sleeps in the display's wait
// when nothing is due, and only changed pixels reach the display. Message boxes, the
// file and font dialogs and pop-up menus are the platform's own windows (PlatformDialogs,
// PopupMenuWindow) in modal loops. Windows never learn which face runs: installing this
// one is the switch. Limits: one display, one UI thread; no drag and drop, no clipboard.
#pragma once

#include "platform/ui/CWinApp.h"
#include "platform/ui/UiServices.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class DesktopWindows;
union SDL_Event;

class InteractiveFace : public UiServices {
 public:
  // Opens the display named by $DISPLAY and installs a new face as app's services (the
  // application owns it). Null, with the display's reason in `error`, when no display
  // can be opened; the application keeps its face then.
  static InteractiveFace* install(CWinApp& app, std::string& error);
  ~InteractiveFace() override;

  // Runs the loop until done() holds; it is asked after every pass.
  void runUntil(const std::function<bool()>& done);
  // Runs until no top-level window is shown any more.
  void runWhileWindowsShown();

  // What the loop has done, for the figures of a measured run.
  struct Figures {
    std::int64_t passes = 0;        // times the loop woke up
    std::int64_t presents = 0;      // passes that sent pixels to the display
    std::int64_t pixelsSent = 0;
    std::int64_t inputBatches = 0;  // passes woken by mouse or key input
    double busyMs = 0;              // time spent in passes, not waiting for the display
    // Input to updated window: from the first event of a pass to its pixels sent.
    double inputToScreenMaxMs = 0;
    double inputToScreenSumMs = 0;
  };
  const Figures& figures() const { return m_figures; }

  int messageBox(const MessageBoxRequest& request) override;
  std::optional<CString> fileDialog(const FileDialogRequest& request) override;
  std::optional<FontChoice> fontDialog(const FontDialogRequest& request) override;
  UINT popupMenu(const PopupMenuRequest& request) override;
  void runModal(CDialog& dialog) override;

 private:
  explicit InteractiveFace(CWinApp& app);
  std::uint64_t clockNow() const;
  // Waits for events until the next timer is due and handles them; true when any was
  // mouse or key input.
  bool waitAndHandle();
  void handle(const SDL_Event& e);
  void handleWindowEvent(const SDL_Event& e);
  // A press on a top-level window's caption or menu bar; true when it was one.
  bool nonClientPress(HWND top, CPoint local);
  CPoint screenPoint(std::uint32_t desktopId, int x, int y, HWND* top = nullptr) const;

  CWinApp& m_app;
  std::unique_ptr<DesktopWindows> m_desktops;
  std::int64_t m_clockOffset = 0;
  HWND m_moving = nullptr;  // a window dragged by its caption
  CPoint m_grab;            // the mouse's offset from its top-left
  Figures m_figures;
};
