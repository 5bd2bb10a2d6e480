// The desktop side of the interactive face: one desktop window (SDL2, software surface)
// per shown top-level window of the application, kept in step with the records (shown,
// hidden, moved, resized, destroyed, raised) and showing the record's pixel surface. After
// each pass only the rectangle whose pixels changed is copied and sent to the display.
// Also the mouse cursor. Mouse capture needs nothing of the desktop: while a button is
// held the display keeps sending the moves to the window pressed, even outside it.
// Used by InteractiveFace only; SDL stays here.
#pragma once

#include "platform/ui/CWinApp.h"

#include <cstdint>
#include <unordered_map>

struct SDL_Window;
struct SDL_Cursor;

class DesktopWindows {
 public:
  explicit DesktopWindows(CWinApp& app) : m_app(app) {}
  ~DesktopWindows();
  DesktopWindows(const DesktopWindows&) = delete;
  DesktopWindows& operator=(const DesktopWindows&) = delete;

  // Makes, shows, hides, moves, raises and destroys desktop windows to match the records.
  void sync();
  // Copies the changed pixels of every shown window to the display; the number of pixels
  // sent.
  std::int64_t present();
  // The cursor the application shows.
  void updatePointer();

  // The record behind a desktop window; null when none.
  HWND windowOf(std::uint32_t desktopId) const;
  // The whole window is sent again on the next present (the display lost its pixels).
  void exposed(HWND hwnd);
  // The desktop moved the window (a window manager, or a caption drag).
  void movedTo(HWND hwnd, CPoint screen);
  void raise(HWND hwnd);

 private:
  struct Desktop {
    SDL_Window* window = nullptr;
    bool shown = false;
    bool wholeNext = true;
    CRect placed;
  };
  Desktop* make(WindowRecord& r);
  std::int64_t copyChanged(WindowRecord& r, Desktop& d);

  CWinApp& m_app;
  std::unordered_map<HWND, Desktop> m_desktops;
  std::unordered_map<HCURSOR, SDL_Cursor*> m_cursors;
  HCURSOR m_shownCursor = nullptr;
  HWND m_top = nullptr;
};
