// A private X server for the tests that run windows on a real display: Xvfb on a free
// display number, started for a test and stopped after it. Helpers do what a person and
// a window manager would: real input events through xdotool (run beside the event loop),
// the close request a window manager sends, and the screen's pixels read back. Used by
// the tests of the interactive face and of `spctm-view show`.
#pragma once

#include "platform/gdi/PixelSurface.h"

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

class XTestServer {
 public:
  // Starts Xvfb (1600 x 1000, 24 bits) and points $DISPLAY at it. Null, with the reason
  // in `why`, when Xvfb is missing or does not start.
  static std::unique_ptr<XTestServer> start(std::string& why);
  ~XTestServer();
  XTestServer(const XTestServer&) = delete;
  XTestServer& operator=(const XTestServer&) = delete;

  const std::string& display() const { return m_display; }
  // The screen's pixels in a rectangle (screen coordinates).
  PixelSurface capture(const CRect& area) const;
  // Sends the window named `title` the close request a window manager sends (the
  // WM_DELETE_WINDOW protocol); false when no such window is mapped.
  bool requestClose(const std::string& title) const;

 private:
  XTestServer() = default;
  pid_t m_server = -1;
  std::string m_display;
  void* m_connection = nullptr;  // the X connection of the helpers
};

// A program running beside the test's event loop (xdotool, the viewer).
class ChildProcess {
 public:
  explicit ChildProcess(const std::vector<std::string>& argv);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // True once it has ended; its exit status then in status() (-1 when killed or not run).
  bool finished();
  int status() const { return m_status; }
  // Waits up to `ms` for it to end; kills it after that. Its exit status, or -1.
  int waitFor(int ms);

 private:
  pid_t m_pid = -1;
  int m_status = -1;
  bool m_done = false;
};

// xdotool with the given arguments, beside the loop.
std::unique_ptr<ChildProcess> xdotool(const std::vector<std::string>& args);
