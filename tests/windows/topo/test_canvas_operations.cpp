// The canvas as a person uses it: picking sensors in both orientations, the arrow keys at
// the ends of the range, the context menu's four commands, and what a paint shows.
#include "tests/windows/topo/TopoCanvas.h"

#include "platform/ui/CPaintDC.h"
#include "platform/ui/UserInput.h"
#include "resources/TopoResources.h"

using namespace topotest;

namespace {

// Sensors A (0, 0), B (10, 5), C just right of A, and an electrode on A's place, on a
// 320 × 220 canvas: A at (60, 40) nose up, (260, 40) in the radiology layout.
megdata::DatasetBuilder layout() {
  return megdata::DatasetBuilder()
      .meg(L"MLC11", 0, 0).meg(L"MRC11", 10, 5).meg(L"MLC12", 0.2, 0).eeg(L"Cz", 0, 0)
      .grid(40, 20).spectra(0, [](std::int64_t c, std::int64_t, std::int64_t, int) { return 1.0 + static_cast<double>(c); });
}

TEST(CanvasPicking, FirstSensorWithinTheSizeIsPickedInEitherLayout) {
  Bound b(layout(), 320, 220);
  ASSERT_EQ(b.draw(), 1);
  struct Case {
    int radiology;
    CPoint point;
    std::int64_t picked;  // -1: nothing
  };
  for (const Case& c : {Case{0, {60, 40}, 0},    // A and C overlap: the earlier one
                        Case{0, {65, 45}, 0},    // 5 pixels off on both axes
                        Case{0, {66, 40}, 2},    // 6 from A (not inside), 2 from C
                        Case{0, {60, 46}, -1},   // 6 below both
                        Case{0, {258, 139}, 1},  // B
                        Case{1, {260, 40}, 0},   // A mirrored to the right
                        Case{1, {60, 40}, -1}, Case{1, {62, 139}, 1}}) {
    SCOPED_TRACE(testing::Message() << "radiology " << c.radiology << " at " << c.point.x << "," << c.point.y);
    b.radiology = c.radiology;
    b.trial().setCurrentChannel(3);
    ASSERT_EQ(b.draw(), 1);
    EXPECT_EQ(b.canvas.pickSensor(c.point, 0, 0, 0), c.picked >= 0 ? 1 : 0);
    EXPECT_EQ(b.trial().getCurntChnlIndx(), c.picked >= 0 ? c.picked : 3);
    EXPECT_EQ(b.canvas.m_pOffscreenBitmap == nullptr, c.picked >= 0);  // a pick rebuilds the image
  }
  EXPECT_EQ(b.canvas.m_strChannelName, L"MRC11");
  // Picking can toggle the channel's selection and its show flag, hidden channels too.
  b.radiology = 0;
  ASSERT_EQ(b.draw(), 1);
  ASSERT_EQ(b.canvas.pickSensor(CPoint(260, 140), 1, 1, 0), 1);
  EXPECT_EQ(b.session().isSelectChnl4Alltrials(1), 1);
  EXPECT_EQ(b.session().isShowChnl4Alltrials(1), 0);
  ASSERT_EQ(b.draw(), 1);
  ASSERT_EQ(b.canvas.pickSensor(CPoint(260, 140), 1, 1, 0), 1);
  EXPECT_EQ(b.session().isSelectChnl4Alltrials(1), 0);
  EXPECT_EQ(b.session().isShowChnl4Alltrials(1), 1);
  // The electrode answers only for EEG; without a sensor size nothing is done.
  ASSERT_EQ(b.canvas.pickSensor(CPoint(60, 40), 0, 0, 1), 1);
  EXPECT_EQ(b.trial().getCurntChnlIndx(), 3);
  b.canvas.m_pSensorSize = nullptr;
  EXPECT_EQ(b.canvas.pickSensor(CPoint(260, 140), 0, 0, 0), 1);
  EXPECT_EQ(b.trial().getCurntChnlIndx(), 3);
}

// The canvas as the dialog's child window 2107, with the focus, so keys reach it.
struct Window : Bound {
  CWinApp app;
  CWnd parent;
  Window() : Bound(layout(), 320, 220) {
    parent.Create(nullptr, L"Flags", WS_POPUP | WS_VISIBLE, CRect(0, 0, 340, 240), nullptr, 0);
    canvas.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 330, 230), &parent, 2107);
    canvas.SetFocus();
    app.pumpUntilIdle();
  }
  ~Window() { canvas.DestroyWindow(); }
};

TEST(CanvasKeys, ArrowsStepTheWindowAndStopAtTheEnds) {
  Window w;  // T = 40, F = 20
  w.canvas.m_nStepX = 10;
  w.canvas.m_nStepY = 10;
  struct Case {
    UINT key;
    std::int64_t time, freq;  // before
    std::int64_t timeAfter, freqAfter;
  };
  for (const Case& c : {Case{VK_LEFT, 3, 0, 0, 0}, Case{VK_LEFT, 25, 0, 15, 0}, Case{VK_RIGHT, 35, 0, 39, 0},
                        Case{VK_RIGHT, 10, 0, 20, 0}, Case{VK_UP, 0, 15, 0, 19}, Case{VK_UP, 0, 2, 0, 12},
                        Case{VK_DOWN, 0, 7, 0, 0}, Case{VK_DOWN, 0, 19, 0, 9}, Case{VK_HOME, 5, 5, 5, 5}}) {
    w.engine.m_nWinTimeBegin = c.time;
    w.engine.m_nWinFreqBegin = c.freq;
    w.app.input().tapKey(c.key);
    EXPECT_EQ(w.engine.m_nWinTimeBegin, c.timeAfter) << "key " << c.key << " from " << c.time;
    EXPECT_EQ(w.engine.m_nWinFreqBegin, c.freqAfter) << "key " << c.key << " from " << c.freq;
  }
  // Without the class's spectra the keys change nothing.
  w.canvas.m_nSpctmClass = 1;
  w.app.input().tapKey(VK_RIGHT);
  EXPECT_EQ(w.engine.m_nWinTimeBegin, 5);
}

TEST(CanvasMenu, EachCommandChangesTheHostsFlags) {
  Window w;
  w.canvas.m_bFlagsMode = 0;
  w.canvas.m_nRadiusMode = 1;
  ASSERT_EQ(w.canvas.buildField(), 1);
  w.trial().setCurrentChannel(1);
  ScriptedServices& person = *w.app.scripted();
  const auto choose = [&](UINT command) {
    person.queuePopupCommand(command);
    w.canvas.showContextMenu(CPoint(100, 100));
    w.app.pumpUntilIdle();
  };
  choose(ID_CONTOURMAP_SETBADSENSOR);
  ASSERT_EQ(person.popups.size(), 1u);
  ASSERT_EQ(person.popups[0].items.size(), 4u);
  EXPECT_EQ(person.popups[0].items[0].text, L"Set Bad Sensor");
  EXPECT_EQ(person.popups[0].items[3].text, L"Switch Visibility");
  EXPECT_EQ(w.session().isGoodChnl4Alltrials(1), 0);
  EXPECT_EQ(w.canvas.m_grid.snsrCount, 2);  // the field was rebuilt without it
  choose(ID_CONTOURMAP_SETBADSENSOR);
  EXPECT_EQ(w.session().isGoodChnl4Alltrials(1), 1);
  EXPECT_EQ(w.canvas.m_grid.snsrCount, 3);

  choose(ID_CONTOURMAP_SWITCHSELECTION);  // the show flag
  EXPECT_EQ(w.session().isShowChnl4Alltrials(1), 0);
  choose(ID_CONTOURMAP_CLEANSELECTION);  // the current channel's selection
  EXPECT_EQ(w.session().isSelectChnl4Alltrials(1), 1);
  w.session().setSelectChnl4Alltrials(0, 1, 0);
  choose(ID_CONTOURMAP_SWITCHVISIBILITY);  // every selection cleared
  EXPECT_EQ(w.session().isSelectChnl4Alltrials(0), 0);
  EXPECT_EQ(w.session().isSelectChnl4Alltrials(1), 0);
  EXPECT_EQ(w.session().isShowChnl4Alltrials(1), 0);
  choose(0);  // dismissed
  EXPECT_EQ(w.session().isShowChnl4Alltrials(1), 0);
}

TEST(CanvasFont, ChosenFontColourAndSizeAreKeptOnlyOnOk) {
  Window w;
  ScriptedServices& person = *w.app.scripted();
  FontChoice choice;
  choice.faceName = L"Liberation Serif";
  choice.pointSizeTenths = 160;
  choice.color = RGB(1, 2, 3);
  person.queueFont(choice);
  ASSERT_EQ(w.canvas.chooseNameFont(), 1);
  ASSERT_EQ(person.fontDialogs.size(), 1u);
  EXPECT_EQ(person.fontDialogs[0].initial.color, RGB(255, 255, 125));  // the label colour first
  EXPECT_EQ(w.canvas.m_crLabel, RGB(1, 2, 3));
  EXPECT_EQ(w.canvas.m_nLabelPointSize, 160);
  EXPECT_EQ(CString(w.canvas.m_lfName.lfFaceName), L"Liberation Serif");
  LOGFONT made;
  ASSERT_GT(w.canvas.m_pNameFont->GetLogFont(&made), 0);
  EXPECT_EQ(CString(made.lfFaceName), L"Liberation Serif");
  person.queueFontCancel();
  EXPECT_EQ(w.canvas.chooseNameFont(), 0);
  EXPECT_EQ(w.canvas.m_crLabel, RGB(1, 2, 3));
}

TEST(CanvasPaint, ShowsTheImageOrTheFixedTexts) {
  Window w;
  w.canvas.m_bShowScale = 0;
  w.canvas.Invalidate(FALSE);
  w.app.pumpUntilIdle();
  // Painted: the off-screen image in one block, sensor A's patch at its place.
  ASSERT_NE(w.canvas.m_pOffscreenBitmap, nullptr);
  const PixelSurface* surface = windowSurface(w.parent);
  ASSERT_NE(surface, nullptr);
  CPoint client(0, 0);
  w.canvas.ClientToScreen(&client);
  CRect frame;
  w.parent.GetWindowRect(&frame);
  const CPoint origin = client - CSize(frame.left, frame.top);
  const CPoint a = w.sensor(0);
  EXPECT_EQ(surface->colorAt(origin.x + a.x + 2, origin.y + a.y + 2), w.at(a.x + 2, a.y + 2));

  // While the host computes, only the processing text.
  w.session().m_bProcessing = true;
  w.canvas.deleteOffscreenImage();
  w.canvas.Invalidate(FALSE);
  w.app.pumpUntilIdle();
  EXPECT_EQ(w.canvas.m_pOffscreenBitmap, nullptr);
  w.session().m_bProcessing = false;
  w.canvas.m_pDataSet = nullptr;
  w.canvas.m_pSession = nullptr;
  w.canvas.Invalidate(FALSE);
  w.app.pumpUntilIdle();
  EXPECT_EQ(w.canvas.m_pOffscreenBitmap, nullptr);
}

}  // namespace
