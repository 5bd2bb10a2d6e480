// The topographic flags window as a person uses it: the animation on the virtual clock
// (its steps, its wrap at the ends of the grid, its period, its stop), dragging the draw
// window, the autofit's message, and the double click that opens the single-channel window
// of the same class.
#include <numeric>

#include "platform/ui/CPaintDC.h"
#include "resources/TopoResources.h"
#include "tests/windows/topo/TopoWindowTest.h"

namespace topowindows {
namespace {

class FlagsWindowTest : public TopoWindowTest {
 protected:
  CDlgMegSpctmTopographicFlags& open(int spctmClass = 0) {
    using Show = int (CMEGSpctmShow2DFaceqv::*)(CArrayMEDataSetqv*, CWnd*);
    const Show shows[] = {&CMEGSpctmShow2DFaceqv::showMegSpctmDlgActCntMp, &CMEGSpctmShow2DFaceqv::showMegSpctmDlgCtlCntMap,
                          &CMEGSpctmShow2DFaceqv::showMegSpctmDlgRstCntMap};
    const Show show = shows[spctmClass];
    const int shown = (face.*show)(data.get(), nullptr);
    EXPECT_EQ(shown, 1);
    CDlgMegSpctmTopographicFlags* slots[] = {face.m_pDlgMegCntMpAct, face.m_pDlgMegCntMpCtl, face.m_pDlgMegCntMpRst};
    app.pumpUntilIdle();
    return *slots[spctmClass];
  }
  std::int64_t timeBegin() const { return face.m_draw.m_nWinTimeBegin; }
  std::int64_t freqBegin() const { return face.m_draw.m_nWinFreqBegin; }
};

TEST_F(FlagsWindowTest, StartStepsTheWindowOnEveryTickAndWrapsAtTheEndsOfTheGrid) {
  CDlgMegSpctmTopographicFlags& dlg = open();
  typeInto(dlg, IDC_TOPO_STEP_X, L"15");
  typeInto(dlg, IDC_TOPO_STEP_Y, L"8");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  EXPECT_EQ(textOf(dlg, IDC_TOPO_START), CString(L"Stop"));
  EXPECT_EQ(timeBegin(), 0);

  app.advanceClock(100);  // default speed 100 ms
  EXPECT_EQ(timeBegin(), 15);
  EXPECT_EQ(textOf(dlg, IDC_TOPO_START), CString(L"Stop..."));
  app.advanceClock(100);
  EXPECT_EQ(timeBegin(), 30);
  // 45 is past the 40 time points: back to time 0, one frequency step up.
  app.advanceClock(100);
  EXPECT_EQ(timeBegin(), 0);
  EXPECT_EQ(freqBegin(), 8);
  app.advanceClock(300);
  EXPECT_EQ(freqBegin(), 16);
  // 24 is past the 20 frequency points: back to 0.
  app.advanceClock(300);
  EXPECT_EQ(timeBegin(), 0);
  EXPECT_EQ(freqBegin(), 0);
  EXPECT_EQ(dlg.m_bAnimating, 1);
}

TEST_F(FlagsWindowTest, AZeroStepStopsTheAnimationAtItsFirstTick) {
  CDlgMegSpctmTopographicFlags& dlg = open();
  typeInto(dlg, IDC_TOPO_STEP_X, L"0");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  app.advanceClock(100);
  EXPECT_EQ(textOf(dlg, IDC_TOPO_START), CString(L"Start"));
  EXPECT_EQ(dlg.m_bAnimating, 0);
  typeInto(dlg, IDC_TOPO_STEP_X, L"5");
  app.advanceClock(1000);
  EXPECT_EQ(timeBegin(), 0) << "the timer was killed";
}

TEST_F(FlagsWindowTest, TheSpeedTypedBeforeStartIsThePeriodAndStopKillsTheTimer) {
  CDlgMegSpctmTopographicFlags& dlg = open();
  typeInto(dlg, IDC_TOPO_STEP_X, L"1");
  typeInto(dlg, IDC_TOPO_SPEED, L"250");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  app.advanceClock(249);
  EXPECT_EQ(timeBegin(), 0);
  app.advanceClock(1);
  EXPECT_EQ(timeBegin(), 1);
  app.advanceClock(500);
  EXPECT_EQ(timeBegin(), 3);

  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  EXPECT_EQ(textOf(dlg, IDC_TOPO_START), CString(L"Start"));
  app.advanceClock(2000);
  EXPECT_EQ(timeBegin(), 3);

  // A new speed takes effect at the next start.
  typeInto(dlg, IDC_TOPO_SPEED, L"40");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  app.advanceClock(200);
  EXPECT_EQ(timeBegin(), 8);
}

TEST_F(FlagsWindowTest, LinkOneSpctmMakesEveryAnimationStepTheClassSelection) {
  CDlgMegSpctmTopographicFlags& dlg = open(1);
  face.m_draw.m_nWinTimeEnd = 4;
  face.m_draw.m_nWinFreqEnd = 2;
  typeInto(dlg, IDC_TOPO_STEP_X, L"10");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_LINK_ONE));
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  app.advanceClock(100);
  CSpctmTrialqv* spctm = data->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, 1);
  std::int64_t tb = 0, te = 0, fb = 0, fe = 0;
  spctm->getTrialSpctmSelectTime(tb, te);
  spctm->getTrialSpctmSelectFreq(fb, fe);
  // The window's time span is the drawn patches' width (30 points), cut to the grid.
  EXPECT_EQ((std::array<std::int64_t, 4>{tb, te, fb, fe}), (std::array<std::int64_t, 4>{10, 39, 0, 2}));
}

TEST_F(FlagsWindowTest, TicksRepaintThePatches) {
  CDlgMegSpctmTopographicFlags& dlg = open();
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_AUTOFIT_COLOR));  // off: the range stays
  const auto image = [&dlg] {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < dlg.m_wndMap.m_nCanvasHeight; ++y)
      for (int x = 0; x < dlg.m_wndMap.m_nCanvasWidth; ++x) pixels.push_back(dlg.m_wndMap.m_pOffscreenDC->GetPixel(x, y));
    return pixels;
  };
  const std::vector<COLORREF> before = image();
  writeWindowPng(dlg, outputPath("topo-flags-before.png"));
  typeInto(dlg, IDC_TOPO_STEP_X, L"20");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  app.advanceClock(100);
  writeWindowPng(dlg, outputPath("topo-flags-after-tick.png"));
  const std::vector<COLORREF> after = image();
  ASSERT_EQ(after.size(), before.size());
  EXPECT_GT(std::inner_product(after.begin(), after.end(), before.begin(), 0, std::plus<>(), std::not_equal_to<>()), 500);
}

TEST_F(FlagsWindowTest, DraggingInMoveModeMovesTheWindowTwiceTheHalvedDistanceAndOnePixelNothing) {
  CDlgMegSpctmTopographicFlags& dlg = open();
  typeInto(dlg, IDC_TOPO_EDIT_A, L"10");  // patch 10 × 5 points
  typeInto(dlg, IDC_TOPO_EDIT_B, L"5");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_MOVE));
  const CPoint start(100, 200);
  dragOnCanvas(dlg, start, CPoint(101, 199));
  EXPECT_EQ(timeBegin(), 0);
  EXPECT_EQ(freqBegin(), 0);

  // Right by 8 pixels and up by 8 in four moves of 2: each move is one point, which the
  // engine's step and the window's own move each add.
  dragOnCanvas(dlg, start, CPoint(108, 192));
  EXPECT_EQ(timeBegin(), 8);
  EXPECT_EQ(freqBegin(), 8);
  EXPECT_EQ(face.m_draw.m_nWinFreqEnd, 12);

  // Far to the right: the patch stays whole inside the 40 time points.
  dragOnCanvas(dlg, start, CPoint(300, 200));
  EXPECT_EQ(timeBegin(), 40 - 10 - 1);
}

TEST_F(FlagsWindowTest, AutofitOnEqualValuesSaysTheRangeIsWrong) {
  data = flatDataset();
  face.m_draw.setDrawMEGData(data.get());
  CDlgMegSpctmTopographicFlags& dlg = open();
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_AUTOFIT));
  expectedBoxes = {L"Spectral data range error!"};
}

TEST_F(FlagsWindowTest, DoubleClickOnASensorOpensTheSingleChannelWindowOfTheClassOnIt) {
  CDlgMegSpctmTopographicFlags& dlg = open(2);
  ASSERT_NE(face.m_pDlgOneChnlRst, nullptr);
  CDlgSpctm1C& single = *face.m_pDlgOneChnlRst;
  EXPECT_FALSE(single.IsWindowVisible());
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_SELECT));
  user().doubleClick(screenOf(dlg, sensorOnCanvas(dlg, 7)));

  EXPECT_TRUE(single.IsWindowVisible());
  EXPECT_EQ(single.m_nSpctmClass, 2);
  EXPECT_EQ(single.m_pDraw, &face.m_draw);
  EXPECT_EQ(single.m_pDlgMegSetStd, face.m_pDlgMegSetStd);
  EXPECT_EQ(single.m_pFace, &face);
  EXPECT_EQ(data->getSessionData(-1)->getTrialqv(-1)->getCurntChnlIndx(), 7);
  EXPECT_EQ(dlg.m_wndMap.m_strChannelName, CString(L"M21"));
  EXPECT_EQ(face.m_pDlgOneChnlAct, nullptr) << "only the class's window";
}

TEST_F(FlagsWindowTest, WorkModesChooseTheirCursorsAndSensorViewTogglesVisibility) {
  CDlgMegSpctmTopographicFlags& dlg = open();
  ASSERT_TRUE(user().chooseMenuCommand(dlg, ID_TOPO_SWITCH_SENSOR_VIEW));
  EXPECT_EQ(dlg.m_wndMap.m_nWorkMode, 3);
  EXPECT_EQ(dlg.m_wndMap.m_nSensorPenWidth, 4);
  CMEGDataqv& session = *data->getSessionData(-1);
  const bool shown = session.isShowChnl4Alltrials(2);
  user().click(screenOf(dlg, sensorOnCanvas(dlg, 2)));
  EXPECT_NE(session.isShowChnl4Alltrials(2), shown);
  user().moveMouse(screenOf(dlg, CPoint(50, 50)));
  EXPECT_EQ(app.currentCursor(), app.LoadCursor(IDC_TOPO_CURSOR_SENSOR_VIEW));
  ASSERT_TRUE(user().chooseMenuCommand(dlg, ID_TOPO_TYPICAL_VIEW));
  user().moveMouse(screenOf(dlg, CPoint(60, 50)));
  EXPECT_EQ(app.currentCursor(), app.LoadCursor(IDC_TOPO_CURSOR_MOVE));
}

TEST_F(FlagsWindowTest, ARightClickOnTheCanvasOpensItsMenuAndNowhereElse) {
  CDlgMegSpctmTopographicFlags& dlg = open();
  CMEGDataqv& session = *data->getSessionData(-1);
  const std::int64_t current = session.getTrialqv(-1)->getCurntChnlIndx();
  const bool shown = session.isShowChnl4Alltrials(current);
  script().queuePopupCommand(ID_CONTOURMAP_SWITCHSELECTION);
  user().click(screenOf(dlg, CPoint(40, 40)), MouseButton::Right);
  ASSERT_EQ(script().popups.size(), 1u);
  EXPECT_NE(session.isShowChnl4Alltrials(current), shown);
  // Over the buttons: no menu.
  CRect button;
  dlg.GetDlgItem(IDC_TOPO_APPLY)->GetWindowRect(&button);
  user().click(button.CenterPoint(), MouseButton::Right);
  EXPECT_EQ(script().popups.size(), 1u);
}

TEST_F(FlagsWindowTest, TheCanvasFollowsTheWindowsSizeTenPixelsIn) {
  CDlgMegSpctmTopographicFlags& dlg = open();
  CRect before;
  dlg.m_wndMap.GetWindowRect(&before);
  dlg.ScreenToClient(&before);
  dlg.MoveWindow(0, 0, 900, 800);
  app.pumpUntilIdle();
  CRect client, canvas;
  dlg.GetClientRect(&client);
  dlg.m_wndMap.GetWindowRect(&canvas);
  dlg.ScreenToClient(&canvas);
  EXPECT_EQ(canvas.TopLeft(), before.TopLeft());
  EXPECT_EQ(canvas.right, client.right - 10);
  EXPECT_EQ(canvas.bottom, client.bottom - 10);
  CRect inside;
  dlg.m_wndMap.GetClientRect(&inside);
  EXPECT_EQ(dlg.m_wndMap.m_nCanvasWidth, inside.Width()) << "drawn anew at the new size";
}

}  // namespace
}  // namespace topowindows
