// The interactive face on a private X server, driven by real input events (xdotool): the
// points, buttons, capture and keys a window receives, timers on the real clock, the
// desktop's close request, and the service windows (message box, pop-up menu, file and
// font dialogs) answered by mouse and keyboard. The desktop's pixels are the platform's.
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/PngExport.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/sdl/InteractiveFace.h"
#include "tests/x11/XTestServer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace {

std::string str(int v) { return std::to_string(v); }

// A top-level window that records what reaches it and takes the capture while the left
// button is down.
class Recorder : public CWnd {
 public:
  struct Mouse {
    UINT message;
    CPoint point;
    UINT flags;
  };
  std::vector<Mouse> mouse;
  std::vector<UINT> keys, sysKeys, chars;
  std::vector<std::uint64_t> ticks;
  bool closeAsked = false;

  void OnLButtonDown(UINT flags, CPoint p) override {
    mouse.push_back({WM_LBUTTONDOWN, p, flags});
    SetCapture();
  }
  void OnMouseMove(UINT flags, CPoint p) override { mouse.push_back({WM_MOUSEMOVE, p, flags}); }
  void OnLButtonUp(UINT flags, CPoint p) override {
    mouse.push_back({WM_LBUTTONUP, p, flags});
    ReleaseCapture();
  }
  void OnKeyDown(UINT c, UINT, UINT) override { keys.push_back(c); }
  void OnSysKeyDown(UINT c, UINT, UINT) override { sysKeys.push_back(c); }
  void OnChar(UINT c, UINT, UINT) override { chars.push_back(c); }
  void OnTimer(UINT_PTR) override { ticks.push_back(AfxGetApp()->now()); }
  void OnClose() override {
    closeAsked = true;
    DestroyWindow();
  }
};

// Wakes the loop every 20 ms so the test's condition is looked at; past its deadline it
// presses Escape on every turn, which ends any menu or dialog left waiting for a person
// who never came, so a failing test fails instead of hanging.
class Ticker : public CWnd {
 public:
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  std::function<void()> onTick;
  void OnTimer(UINT_PTR) override {
    if (onTick) onTick();
    if (std::chrono::steady_clock::now() > deadline) AfxGetApp()->input().tapKey(VK_ESCAPE);
  }
};

class InteractiveFaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    server = XTestServer::start(why);
    if (!server) GTEST_SKIP() << why;
    face = InteractiveFace::install(app, why);
    ASSERT_NE(face, nullptr) << why;
    // The loop sleeps while nothing happens; a ticking hidden window wakes it to look at
    // the test's condition.
    ticker.Create(nullptr, L"", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
    ticker.SetTimer(1, 20);
  }

  // Runs the loop until done() holds or 20 seconds pass; whether it held.
  bool runUntil(const std::function<bool()>& done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    face->runUntil([&] { return done() || std::chrono::steady_clock::now() > until; });
    return done();
  }

  void openRecorder() {
    ASSERT_TRUE(rec.Create(nullptr, L"Recorder", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, CRect(100, 100, 500, 400),
                           nullptr, 0));
    rec.SetForegroundWindow();
    // On the screen for a moment, as a window is before anyone works with it.
    const std::uint64_t shown = app.now() + 300;
    runUntil([&] { return app.now() >= shown; });
  }

  // Steps of a person working with windows the test cannot reach itself (they live in a
  // modal loop): when the window titled `title` has been on the screen for a moment, its
  // screenshot goes to the test-output folder as desktop-NAME.png and xdotool runs with
  // the arguments made from the window's screen rectangle. Steps run in order.
  struct Step {
    CString title;
    std::string name;
    std::function<std::vector<std::string>(const CRect&)> args;
  };
  void whenShown(std::vector<Step> steps) {
    auto queue = std::make_shared<std::vector<Step>>(std::move(steps));
    auto seen = std::make_shared<std::uint64_t>(0);
    ticker.onTick = [=, this] {
      if (queue->empty()) return;
      for (HWND h : app.topLevelWindows()) {
        const WindowRecord* r = app.record(h);
        if (!r->visibleSelf() || r->text != queue->front().title) continue;
        if (*seen == 0) *seen = app.now();
        if (app.now() < *seen + 300) return;
        writePng(server->capture(r->rect), std::string(SPCTM_TEST_OUTPUT_DIR) + "/desktop-" + queue->front().name + ".png");
        persons.push_back(xdotool(queue->front().args(r->rect)));
        queue->erase(queue->begin());
        *seen = 0;
        return;
      }
    };
  }

  CPoint screenOf(CWnd& w, CPoint client) {
    w.ClientToScreen(&client);
    return client;
  }

  std::unique_ptr<XTestServer> server;
  CWinApp app;
  InteractiveFace* face = nullptr;
  Ticker ticker;
  Recorder rec;
  std::vector<std::unique_ptr<ChildProcess>> persons;
};

TEST_F(InteractiveFaceTest, ADragReachesTheWindowAtItsPointsAndFollowsTheCaptureOutside) {
  openRecorder();
  const CPoint a = screenOf(rec, CPoint(50, 60)), b = screenOf(rec, CPoint(250, 150));
  auto person = xdotool({"sleep", "0.3", "mousemove", str(a.x), str(a.y), "mousedown", "1", "sleep", "0.2", "mousemove",
                         str(b.x), str(b.y), "sleep", "0.2", "mousemove", "900", "700", "sleep", "0.2", "mouseup", "1"});
  ASSERT_TRUE(runUntil([&] { return !rec.mouse.empty() && rec.mouse.back().message == WM_LBUTTONUP; }));
  EXPECT_TRUE(person->waitFor(5000) == 0);

  const auto down = std::find_if(rec.mouse.begin(), rec.mouse.end(), [](const auto& m) { return m.message == WM_LBUTTONDOWN; });
  ASSERT_NE(down, rec.mouse.end());
  EXPECT_EQ(down->point, CPoint(50, 60));
  bool sawMiddle = false;
  for (const auto& m : rec.mouse) {
    if (m.message == WM_MOUSEMOVE && m.point == CPoint(250, 150)) sawMiddle = (m.flags & MK_LBUTTON) != 0;
  }
  EXPECT_TRUE(sawMiddle) << "the move inside the window with the button held";
  // Outside the window the capture still brings the moves and the release, in the
  // window's coordinates.
  const CPoint outside = CPoint(900, 700) - CSize(screenOf(rec, CPoint(0, 0)).x, screenOf(rec, CPoint(0, 0)).y);
  EXPECT_EQ(rec.mouse.back().point, outside);
  EXPECT_EQ(app.capture(), nullptr);
}

TEST_F(InteractiveFaceTest, KeysArriveAsKeyAndCharacterMessagesWithTheSystemKey) {
  openRecorder();
  const CPoint a = screenOf(rec, CPoint(20, 20));
  auto person = xdotool({"sleep", "0.3", "mousemove", str(a.x), str(a.y), "click", "1", "key", "Left", "key", "alt+x", "type",
                         "ab"});
  ASSERT_TRUE(runUntil([&] { return rec.chars.size() >= 2; }));
  EXPECT_EQ(rec.chars, (std::vector<UINT>{'a', 'b'}));
  EXPECT_NE(std::find(rec.keys.begin(), rec.keys.end(), VK_LEFT), rec.keys.end());
  EXPECT_EQ(rec.sysKeys.back(), UINT('X'));
}

TEST_F(InteractiveFaceTest, TimersFollowTheRealClock) {
  openRecorder();
  const auto start = std::chrono::steady_clock::now();
  const std::uint64_t set = app.now();
  rec.SetTimer(7, 100);
  ASSERT_TRUE(runUntil([&] { return rec.ticks.size() >= 10; }));
  // Ten turns of a 100 ms timer cannot come sooner than a second of real time, and no
  // turn comes before its time on the beat.
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(990));
  for (size_t i = 0; i < rec.ticks.size(); ++i) EXPECT_GE(rec.ticks[i], set + 100 * (i + 1)) << "turn " << i;
}

TEST_F(InteractiveFaceTest, TheDesktopsCloseRequestAsksTheWindow) {
  openRecorder();
  ASSERT_TRUE(runUntil([&] { return server->requestClose("Recorder"); }));
  ASSERT_TRUE(runUntil([&] { return rec.closeAsked; }));
  EXPECT_EQ(rec.m_hWnd, nullptr);
}

TEST_F(InteractiveFaceTest, TheDesktopShowsExactlyThePlatformsPicture) {
  openRecorder();
  CRect r;
  rec.GetWindowRect(&r);
  const PixelSurface shown = server->capture(r);
  const PixelSurface& own = *app.record(rec.m_hWnd)->surface;
  ASSERT_EQ(shown.width(), own.width());
  int differing = 0;
  for (int y = 0; y < own.height(); ++y) {
    for (int x = 0; x < own.width(); ++x) differing += (shown.row(y)[x] & 0xFFFFFFu) != (own.row(y)[x] & 0xFFFFFFu);
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(InteractiveFaceTest, AMessageBoxIsAnsweredByKey) {
  openRecorder();
  whenShown({{L"Question", "message-box",
              [](const CRect& r) { return std::vector<std::string>{"mousemove", str(r.left + 40), str(r.top + 40), "key", "n"}; }}});
  const int answer = app.services().messageBox({rec.m_hWnd, L"Replace the file?", L"Question", MB_YESNO});
  EXPECT_EQ(answer, IDNO);
  EXPECT_TRUE(rec.IsWindowEnabled()) << "the owner takes input again";
}

TEST_F(InteractiveFaceTest, APopupMenuChoosesTheClickedRowAndSkipsGrayedOnes) {
  openRecorder();
  PopupMenuRequest request;
  request.owner = rec.m_hWnd;
  request.screenPoint = CPoint(300, 300);
  auto entry = [](const wchar_t* text, UINT id) {
    MenuEntry e;
    e.text = text;
    e.id = id;
    e.separator = id == 0;
    return e;
  };
  MenuEntry first = entry(L"First", 101), line = entry(L"", 0), second = entry(L"Second", 102), grayed = entry(L"Grayed", 103);
  grayed.grayed = true;
  request.items = {first, line, second, grayed};
  // Rows of 22 pixels under the 1-pixel frame and a 2-pixel margin; the separator takes 7.
  // A press on the owner, outside the menu, dismisses a menu still open.
  const CPoint owner = screenOf(rec, CPoint(20, 20));
  auto clickRow = [&](int y) {
    return Step{L"Menu", "popup-menu", [=](const CRect& r) {
                  return std::vector<std::string>{"mousemove", str(r.left + 30), str(r.top + y), "click", "1", "sleep", "0.3",
                                                  "mousemove", str(owner.x), str(owner.y), "click", "1"};
                }};
  };
  // Rows of 22 pixels under the 1-pixel frame and a 2-pixel margin; the separator takes 7.
  whenShown({clickRow(1 + 2 + 22 + 7 + 11)});
  EXPECT_EQ(app.services().popupMenu(request), 102u);
  whenShown({clickRow(1 + 2 + 22 + 7 + 22 + 11)});
  EXPECT_EQ(app.services().popupMenu(request), 0u) << "a grayed row is no choice; a press elsewhere dismisses";
}

TEST_F(InteractiveFaceTest, TheSaveDialogAsksBeforeReplacingAFile) {
  openRecorder();
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("spctm-x11-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "shot.png") << "old";
  FileDialogRequest request;
  request.owner = rec.m_hWnd;
  request.fileName = CString((dir / "shot").wstring().c_str());
  request.defaultExt = L"png";
  request.flags = OFN_OVERWRITEPROMPT;
  request.filters = parseFileFilter(L"PNG image (*.png)|*.png||");
  whenShown({{L"Save As", "save-dialog",
              [](const CRect& r) { return std::vector<std::string>{"mousemove", str(r.left + 60), str(r.top + 15), "key", "Return"}; }},
             {L"Confirm Save As", "save-dialog-question",
              [](const CRect& r) { return std::vector<std::string>{"mousemove", str(r.left + 40), str(r.top + 40), "key", "y"}; }}});
  const std::optional<CString> chosen = app.services().fileDialog(request);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->utf8(), (dir / "shot").string()) << "the caller adds the extension";
  std::filesystem::remove_all(dir);
}

TEST_F(InteractiveFaceTest, TheFontDialogGivesBackTheChosenStyle) {
  openRecorder();
  FontDialogRequest request;
  request.owner = rec.m_hWnd;
  request.flags = CF_EFFECTS | CF_SCREENFONTS;
  request.initial.faceName = L"Arial";
  request.initial.pointSizeTenths = 100;
  // The Bold box sits at (193, 17) dialog units: 290 x 26 pixels into the client area,
  // below a 1-pixel frame and the 22-pixel caption.
  whenShown({{L"Font", "font-dialog", [](const CRect& r) {
                return std::vector<std::string>{"mousemove", str(r.left + 296), str(r.top + 54), "click", "1", "sleep", "0.3",
                                                "key", "Return"};
              }}});
  const std::optional<FontChoice> chosen = app.services().fontDialog(request);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->weight, FW_BOLD);
  EXPECT_EQ(chosen->pointSizeTenths, 100);
  EXPECT_EQ(chosen->faceName, CString(L"Arial"));
}

}  // namespace
