// `spctm-view show` on a private X server, driven by real input events: the main window
// opens the single-channel window through its button, a drag on the spectrogram sets the
// class's selection, the display-parameter dialog's range changes the spectrogram's
// pixels on the screen, the windows close in any order by the desktop's close request,
// and the program itself ends with status 0 when its main window is closed. Screenshots
// of the desktop windows go to the test-output folder.
#include "app/ViewerMainWindow.h"
#include "platform/gdi/PngExport.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/sdl/InteractiveFace.h"
#include "resources/StdSetResources.h"
#include "resources/TopoWindowResources.h"
#include "tests/support/DatasetBuilder.h"
#include "tests/x11/XTestServer.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/single/CDlgSpctm1C.h"
#include "windows/topo/CDlgSpctmTopographicFlags.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using spctmview::ViewerMainWindow;

namespace {

std::string str(long v) { return std::to_string(v); }

// Wakes the loop so the test's condition is looked at; past its deadline it presses
// Escape on every turn, ending any dialog left waiting, so a failure cannot hang.
class Ticker : public CWnd {
 public:
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::now() + std::chrono::seconds(40);
  void OnTimer(UINT_PTR) override {
    if (std::chrono::steady_clock::now() > deadline) AfxGetApp()->input().tapKey(VK_ESCAPE);
  }
};

CRect screenRect(const CWnd& w) {
  CRect r;
  w.GetWindowRect(&r);
  return r;
}

int differingPixels(const PixelSurface& a, const PixelSurface& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += (a.row(y)[x] & 0xFFFFFFu) != (b.row(y)[x] & 0xFFFFFFu);
  }
  return n;
}

class ViewerDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    server = XTestServer::start(why);
    if (!server) GTEST_SKIP() << why;
    face = InteractiveFace::install(app, why);
    ASSERT_NE(face, nullptr) << why;
    ticker.Create(nullptr, L"", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
    ticker.SetTimer(1, 20);
  }

  bool runUntil(const std::function<bool()>& done, int seconds = 20) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    face->runUntil([&] { return done() || std::chrono::steady_clock::now() > until; });
    return done();
  }
  // Lets the person act and waits until they are done and the windows have followed.
  void act(std::unique_ptr<ChildProcess> person) {
    ASSERT_TRUE(runUntil([&] { return person->finished(); })) << "xdotool did not finish";
    EXPECT_EQ(person->status(), 0);
    const std::uint64_t settled = app.now() + 200;
    runUntil([&] { return app.now() >= settled; });
  }
  void clickCentreOf(const CWnd& w) {
    const CPoint c = screenRect(w).CenterPoint();
    act(xdotool({"mousemove", str(c.x), str(c.y), "click", "1"}));
  }
  void screenshot(const CWnd& w, const std::string& name) {
    const PixelSurface shot = server->capture(screenRect(w));
    writePng(shot, std::string(SPCTM_TEST_OUTPUT_DIR) + "/desktop-" + name + ".png");
  }

  std::unique_ptr<XTestServer> server;
  CWinApp app;
  InteractiveFace* face = nullptr;
  Ticker ticker;
};

TEST_F(ViewerDesktopTest, SelectionDragRangeChangeAndClosingInAnyOrder) {
  auto data = megdata::DatasetBuilder()
                  .meg(L"A", 0, 0)
                  .meg(L"B", 1, 0)
                  .grid(60, 30)
                  .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) { return double(c + t + f) - 40.0; })
                  .build();
  ViewerMainWindow main;
  ASSERT_TRUE(main.open());
  main.setDataset(*data);
  runUntil([&] { return app.now() > 300; });
  screenshot(main, "main");

  // The single-channel window of the Active class, through the main window's button.
  const auto& windows = spctmview::snapshotWindows();
  const auto single = std::find_if(windows.begin(), windows.end(), [](const auto& w) { return std::string(w.name) == "single-act"; });
  clickCentreOf(*main.GetDlgItem(ViewerMainWindow::kFirstWindowButton + static_cast<int>(single - windows.begin())));
  CDlgSpctm1C* dlg = main.face().m_pDlgOneChnlAct;
  ASSERT_NE(dlg, nullptr);
  ASSERT_TRUE(dlg->IsWindowVisible());

  // A drag over the spectrogram: the class's selection follows it.
  CSpctmTrialqv* spctm = data->getSessionData(-1)->getCurrentTrialPt()->getSpctmTrial(false, 0);
  std::int64_t t0 = 0, t1 = 0, f0 = 0, f1 = 0;
  spctm->getTrialSpctmSelectTime(t0, t1);
  const CRect canvas = screenRect(dlg->m_wndSpctm);
  const PixelSurface beforeDrag = server->capture(canvas);
  const CPoint from(canvas.left + canvas.Width() * 3 / 10, canvas.top + canvas.Height() * 3 / 10);
  const CPoint to(canvas.left + canvas.Width() * 6 / 10, canvas.top + canvas.Height() * 6 / 10);
  act(xdotool({"mousemove", str(from.x), str(from.y), "mousedown", "1", "sleep", "0.1", "mousemove", str((from.x + to.x) / 2),
               str((from.y + to.y) / 2), "sleep", "0.1", "mousemove", str(to.x), str(to.y), "sleep", "0.1", "mouseup", "1"}));
  std::int64_t s0 = 0, s1 = 0;
  spctm->getTrialSpctmSelectTime(s0, s1);
  spctm->getTrialSpctmSelectFreq(f0, f1);
  EXPECT_NE(std::make_pair(s0, s1), std::make_pair(t0, t1)) << "the selection moved";
  EXPECT_LT(s0, s1) << "dragged to the right: later end";
  EXPECT_GT(s0, 0);
  EXPECT_LT(s1, 59);
  EXPECT_GT(differingPixels(beforeDrag, server->capture(canvas)), 100) << "the screen shows the new selection";
  screenshot(*dlg, "single-act");

  // The MEG display-parameter dialog: a new range, applied, changes the colours on screen.
  const auto stdset = std::find_if(windows.begin(), windows.end(), [](const auto& w) { return std::string(w.name) == "stdset-meg"; });
  clickCentreOf(*main.GetDlgItem(ViewerMainWindow::kFirstWindowButton + static_cast<int>(stdset - windows.begin())));
  CDlgMegSpctmShowStdSet* set = main.face().m_pDlgMegSetStd;
  ASSERT_NE(set, nullptr);
  ASSERT_TRUE(set->IsWindowVisible());
  screenshot(*set, "stdset-meg");
  const PixelSurface beforeRange = server->capture(canvas);
  const CPoint minEdit = screenRect(*set->GetDlgItem(IDC_STD_SELECT_MIN)).CenterPoint();
  const CPoint maxEdit = screenRect(*set->GetDlgItem(IDC_STD_SELECT_MAX)).CenterPoint();
  act(xdotool({"mousemove", str(minEdit.x), str(minEdit.y), "click", "1", "key", "ctrl+a", "key", "BackSpace", "key", "minus", "type", "2"}));
  act(xdotool({"mousemove", str(maxEdit.x), str(maxEdit.y), "click", "1", "key", "ctrl+a", "key", "BackSpace", "type", "2"}));
  clickCentreOf(*set->GetDlgItem(IDC_STD_APPLY));
  EXPECT_GT(differingPixels(beforeRange, server->capture(canvas)), 1000) << "the narrower range recolours the spectrogram";
  screenshot(*dlg, "single-act-range");

  // The desktop closes them in its own order: the dialog, the main window last but one
  // step before the single-channel window is gone.
  const std::string setTitle = set->GetWindowText().utf8(), singleTitle = dlg->GetWindowText().utf8();
  ASSERT_TRUE(server->requestClose(setTitle)) << setTitle;
  ASSERT_TRUE(runUntil([&] { return !set->IsWindowVisible(); }));
  ASSERT_TRUE(server->requestClose(singleTitle));
  ASSERT_TRUE(runUntil([&] { return !dlg->IsWindowVisible(); }));
  ASSERT_TRUE(server->requestClose("spctm-view"));
  EXPECT_TRUE(runUntil([&] { return main.m_hWnd == nullptr; }));
}

TEST_F(ViewerDesktopTest, TheTopographicFlagsAnimateBetweenStartAndStop) {
  auto data = megdata::DatasetBuilder()
                  .meg(L"A", -1, 0)
                  .meg(L"B", 1, 0)
                  .meg(L"C", 0, 1)
                  .grid(60, 30)
                  .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) { return double((c + 1) * t) - 30.0 + double(f); })
                  .build();
  ViewerMainWindow main;
  ASSERT_TRUE(main.open());
  main.setDataset(*data);
  runUntil([&] { return app.now() > 300; });
  const auto& windows = spctmview::snapshotWindows();
  const auto flagsEntry = std::find_if(windows.begin(), windows.end(), [](const auto& w) { return std::string(w.name) == "flags-meg-act"; });
  ASSERT_NE(flagsEntry, windows.end());
  clickCentreOf(*main.GetDlgItem(ViewerMainWindow::kFirstWindowButton + static_cast<int>(flagsEntry - windows.begin())));
  CDlgSpctmTopographicFlags* flags = main.face().m_pDlgMegCntMpAct;
  ASSERT_NE(flags, nullptr);
  ASSERT_TRUE(flags->IsWindowVisible());
  screenshot(*flags, "flags-meg-act");

  CWnd& start = *flags->GetDlgItem(IDC_TOPO_START);
  clickCentreOf(start);
  ASSERT_TRUE(flags->m_bAnimating) << "Start runs the animation";
  const CRect map = screenRect(flags->m_wndMap);
  const PixelSurface first = server->capture(map);
  const std::uint64_t later = app.now() + 1000;
  runUntil([&] { return app.now() >= later; });
  EXPECT_GT(differingPixels(first, server->capture(map)), 0) << "the flags moved on the screen";
  clickCentreOf(start);
  EXPECT_FALSE(flags->m_bAnimating) << "the same button stops it";
  const PixelSurface stopped = server->capture(map);
  const std::uint64_t still = app.now() + 500;
  runUntil([&] { return app.now() >= still; });
  EXPECT_EQ(differingPixels(stopped, server->capture(map)), 0) << "nothing moves after the stop";
  ASSERT_TRUE(server->requestClose("spctm-view"));
  EXPECT_TRUE(runUntil([&] { return main.m_hWnd == nullptr; }));
}

TEST_F(ViewerDesktopTest, TheProgramEndsWithStatusZeroWhenItsMainWindowCloses) {
  ChildProcess viewer({SPCTM_VIEW_PROGRAM, "show", "--demo"});
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(40);
  while (!server->requestClose("spctm-view") && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_LT(std::chrono::steady_clock::now(), until) << "the main window did not appear";
  EXPECT_EQ(viewer.waitFor(20000), 0);
}

}  // namespace
