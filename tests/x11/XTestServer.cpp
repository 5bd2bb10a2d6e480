#include "tests/x11/XTestServer.h"

#include <X11/Xatom.h>
#include <fcntl.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace {

Display* connectionOf(void* p) { return static_cast<Display*>(p); }

// A window that goes away while the helpers look at it is no failure of theirs; Xlib's
// own handler would end the process.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

pid_t spawn(const std::vector<std::string>& argv, bool quiet) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (quiet) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

bool onPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  for (size_t start = 0; start <= dirs.size();) {
    const size_t stop = std::min(dirs.find(':', start), dirs.size());
    if (access((dirs.substr(start, stop - start) + "/" + program).c_str(), X_OK) == 0) return true;
    start = stop + 1;
  }
  return false;
}

Window findWindow(Display* d, Window under, const std::string& title) {
  char* name = nullptr;
  if (XFetchName(d, under, &name) && name) {
    const bool match = title == name;
    XFree(name);
    XWindowAttributes a;
    if (match && XGetWindowAttributes(d, under, &a) && a.map_state == IsViewable) return under;
  }
  Window root = 0, parent = 0, *children = nullptr;
  unsigned n = 0;
  Window found = 0;
  if (XQueryTree(d, under, &root, &parent, &children, &n)) {
    for (unsigned i = 0; i < n && !found; ++i) found = findWindow(d, children[i], title);
    if (children) XFree(children);
  }
  return found;
}

}  // namespace

std::unique_ptr<XTestServer> XTestServer::start(std::string& why) {
  if (!onPath("Xvfb")) {
    why = "Xvfb is not installed (scripts/install-deps.sh installs the xvfb package)";
    return nullptr;
  }
  // A display number no other server (or test running at the same time) holds.
  // Each start takes a new number: a server just stopped may still hold its old one.
  static int next = 90 + static_cast<int>(getpid() % 400);
  for (int n = next; n < 1000; ++n) {
    next = n + 1;
    const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
    struct stat st{};
    if (stat(lock.c_str(), &st) == 0 || stat(socket.c_str(), &st) == 0) continue;
    std::unique_ptr<XTestServer> server(new XTestServer);
    server->m_display = ":" + std::to_string(n);
    server->m_server = spawn({"Xvfb", server->m_display, "-screen", "0", "1600x1000x24", "-nolisten", "tcp", "-noreset"}, true);
    if (server->m_server < 0) continue;
    for (int tries = 0; tries < 100 && !server->m_connection; ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      server->m_connection = XOpenDisplay(server->m_display.c_str());
      int status = 0;
      if (!server->m_connection && waitpid(server->m_server, &status, WNOHANG) == server->m_server) {
        server->m_server = -1;  // taken meanwhile: try the next number
        break;
      }
    }
    if (!server->m_connection) continue;
    XSetErrorHandler(ignoreXError);
    setenv("DISPLAY", server->m_display.c_str(), 1);
    return server;
  }
  why = "Xvfb did not start on any free display number";
  return nullptr;
}

XTestServer::~XTestServer() {
  if (m_connection) XCloseDisplay(connectionOf(m_connection));
  if (m_server > 0) {
    kill(m_server, SIGTERM);
    waitpid(m_server, nullptr, 0);
  }
}

PixelSurface XTestServer::capture(const CRect& area) const {
  Display* d = connectionOf(m_connection);
  XSync(d, False);
  XImage* image = XGetImage(d, DefaultRootWindow(d), area.left, area.top, static_cast<unsigned>(area.Width()),
                            static_cast<unsigned>(area.Height()), AllPlanes, ZPixmap);
  PixelSurface out(area.Width(), area.Height());
  if (!image) return out;
  for (int y = 0; y < area.Height(); ++y) {
    for (int x = 0; x < area.Width(); ++x) out.row(y)[x] = static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFFu;
  }
  XDestroyImage(image);
  return out;
}

bool XTestServer::requestClose(const std::string& title) const {
  Display* d = connectionOf(m_connection);
  const Window w = findWindow(d, DefaultRootWindow(d), title);
  if (!w) return false;
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, w, False, NoEventMask, &e);
  XFlush(d);
  return true;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
  m_pid = spawn(argv, false);
  m_done = m_pid < 0;
}

ChildProcess::~ChildProcess() {
  if (!m_done) waitFor(0);
}

bool ChildProcess::finished() {
  if (m_done) return true;
  int status = 0;
  if (waitpid(m_pid, &status, WNOHANG) != m_pid) return false;
  m_done = true;
  m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return true;
}

int ChildProcess::waitFor(int ms) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!finished() && std::chrono::steady_clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  if (!finished()) {
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_done = true;
    m_status = -1;
  }
  return m_status;
}

std::unique_ptr<ChildProcess> xdotool(const std::vector<std::string>& args) {
  std::vector<std::string> argv{"xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  return std::make_unique<ChildProcess>(argv);
}
