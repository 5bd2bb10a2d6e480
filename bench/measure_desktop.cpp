// Figures of the viewer on a real display, measured on a private Xvfb (not a test: it
// prints numbers and checks nothing). `make measure-desktop` builds and runs it.
//   1. start-up: `spctm-view show --demo` launched until its main window is on the
//      screen, then until the demo's spectra are loaded (its CPU use settles), then the
//      idle process's CPU use over 5 s;
//   2. in this process, the viewer's main window over the demo dataset: a selection drag
//      by xdotool on the Results single-channel window, input to updated window per pass;
//   3. the MEG topographic flags window animating with a 16 ms period for 3 s: frames
//      sent to the display per second.
#include "app/DatasetSource.h"
#include "app/ViewerMainWindow.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/sdl/InteractiveFace.h"
#include "resources/TopoWindowResources.h"
#include "tests/x11/XTestServer.h"
#include "windows/single/CDlgSpctm1C.h"
#include "windows/topo/CDlgSpctmTopographicFlags.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

// User plus system CPU time of a process, in seconds.
double cpuSeconds(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string f;
  double utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> f; ++i) {
    if (i == 14) utime = std::stod(f);
    if (i == 15) stime = std::stod(f);
  }
  return (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

pid_t newestChild(const std::string& name) {
  // The viewer is the one child of this process running `name`.
  for (int tries = 0; tries < 50; ++tries) {
    std::ifstream in("/proc/" + std::to_string(getpid()) + "/task/" + std::to_string(getpid()) + "/children");
    pid_t pid = 0;
    while (in >> pid) {
      std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
      std::string c;
      comm >> c;
      if (c == name) return pid;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return 0;
}

void startUp(XTestServer& server) {
  const auto launched = Clock::now();
  ChildProcess viewer({SPCTM_VIEW_PROGRAM, "show", "--demo", "--figures"});
  const pid_t pid = newestChild("spctm-view");
  auto wait = xdotool({"search", "--sync", "--onlyvisible", "--name", "^spctm-view$"});
  wait->waitFor(60000);
  std::printf("start-up: main window on the screen %.0f ms after launch (xdotool's view)\n", msSince(launched));
  // Loaded when a whole second passes with under 5 % of a core in use.
  double last = cpuSeconds(pid);
  for (int i = 0; i < 240; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const double now = cpuSeconds(pid);
    if (now - last < 0.025 && i > 1) break;
    last = now;
  }
  std::printf("start-up: dataset loaded in the background after %.0f ms (%.2f s of CPU)\n", msSince(launched), cpuSeconds(pid));
  const double before = cpuSeconds(pid);
  std::this_thread::sleep_for(std::chrono::seconds(5));
  std::printf("idle: %.2f %% of one core over 5 s\n", 100.0 * (cpuSeconds(pid) - before) / 5.0);
  server.requestClose("spctm-view");
  std::printf("viewer ended with status %d\n", viewer.waitFor(20000));
}

}  // namespace

int main() {
  std::string why;
  auto server = XTestServer::start(why);
  if (!server) {
    std::fprintf(stderr, "measure_desktop: %s\n", why.c_str());
    return 1;
  }
  startUp(*server);

  CWinApp app;
  InteractiveFace* face = InteractiveFace::install(app, why);
  if (!face) {
    std::fprintf(stderr, "measure_desktop: %s\n", why.c_str());
    return 1;
  }
  spctmview::DatasetOptions options;
  options.demo = true;
  auto dataset = spctmview::loadDataset(options, "measure", std::cerr, false);
  if (!dataset) return 1;
  spctmview::ViewerMainWindow main;
  main.open();
  main.setDataset(*dataset);
  CDlgSpctm1C* single = static_cast<CDlgSpctm1C*>(main.openWindow("single-rst"));
  face->runUntil([] { return true; });

  // A drag of 40 steps across the spectrogram, 10 ms apart.
  CRect canvas;
  single->m_wndSpctm.GetWindowRect(&canvas);
  std::vector<std::string> args{"mousemove", std::to_string(canvas.left + canvas.Width() / 4),
                                std::to_string(canvas.top + canvas.Height() / 4), "mousedown", "1"};
  for (int i = 1; i <= 40; ++i) {
    args.insert(args.end(), {"sleep", "0.01", "mousemove", std::to_string(canvas.left + canvas.Width() / 4 + i * canvas.Width() / 100),
                             std::to_string(canvas.top + canvas.Height() / 4 + i * canvas.Height() / 100)});
  }
  args.insert(args.end(), {"mouseup", "1"});
  const InteractiveFace::Figures beforeDrag = face->figures();
  auto person = xdotool(args);
  face->runUntil([&] { return person->finished(); });
  const InteractiveFace::Figures& f = face->figures();
  const auto batches = static_cast<double>(f.inputBatches - beforeDrag.inputBatches);
  std::printf("selection drag: %.0f input passes, input to updated window mean %.2f ms (max over the run %.2f ms)\n", batches,
              (f.inputToScreenSumMs - beforeDrag.inputToScreenSumMs) / std::max(1.0, batches), f.inputToScreenMaxMs);

  // The topographic flags animating with a 16 ms period.
  auto* flags = static_cast<CDlgSpctmTopographicFlags*>(main.openWindow("flags-meg-rst"));
  face->runUntil([] { return true; });
  flags->SetDlgItemText(IDC_TOPO_SPEED, L"16");
  app.input().clickControl(*flags, IDC_TOPO_START);
  const std::int64_t presents = face->figures().presents;
  const double busy = face->figures().busyMs;
  const auto start = Clock::now();
  face->runUntil([&] { return msSince(start) >= 3000; });
  const auto frames = static_cast<double>(face->figures().presents - presents);
  std::printf("animation: %.1f frames per second sent to the display (16 ms period), %.2f ms of work per frame\n",
              frames / (msSince(start) / 1000.0), (face->figures().busyMs - busy) / std::max(1.0, frames));
  app.input().clickControl(*flags, IDC_TOPO_START);
  return 0;
}
