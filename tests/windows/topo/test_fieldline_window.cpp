// The contour field/line window as a person uses it: the typed time–frequency window and
// its range texts, the animation's own stepping (widths taken at the start, the wrap at the
// end of the time axis), its failure on a zero step, dragging, and the display choices.
#include "host/render/HostRenderResources.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/UiServices.h"
#include "tests/windows/topo/TopoWindowTest.h"

namespace topowindows {
namespace {

class FieldLineWindowTest : public TopoWindowTest {
 protected:
  CDlgMegSpctmContourFieldLine& open() {
    EXPECT_EQ(face.showMegSpctmDlgActCntMpFieldLine(data.get(), nullptr), 1);
    app.pumpUntilIdle();
    return *face.m_pDlgMegCntMpFieldLineAct;
  }
  // Types the four indices: time begin, end, frequency begin, end.
  static void typeWindow(CDlgMegSpctmContourFieldLine& dlg, const wchar_t* tb, const wchar_t* te, const wchar_t* fb,
                         const wchar_t* fe) {
    typeInto(dlg, IDC_CONTOUR_TIME_BEGIN, tb);
    typeInto(dlg, IDC_CONTOUR_TIME_END, te);
    typeInto(dlg, IDC_CONTOUR_FREQ_BEGIN, fb);
    typeInto(dlg, IDC_CONTOUR_FREQ_END, fe);
  }
};

TEST_F(FieldLineWindowTest, OpensWithItsCaptionCombosAndEmptyRanges) {
  CDlgMegSpctmContourFieldLine& dlg = open();
  EXPECT_EQ(dlg.GetWindowText(), CString(L"Spectral Contourmap: Active  time window"));
  EXPECT_EQ(textOf(dlg, IDC_CONTOUR_DISPLAY), CString(L"Fields"));
  EXPECT_EQ(textOf(dlg, IDC_CONTOUR_TIME_RANGE), CString(L"-100.000~-100.000ms"));
  EXPECT_EQ(textOf(dlg, IDC_CONTOUR_FREQ_RANGE), CString(L"2.000~2.000Hz"));
  EXPECT_FALSE(dlg.GetDlgItem(IDC_TOPO_CLASS)->IsWindowEnabled());
  EXPECT_EQ(dlg.m_wndMap.m_bFlagsMode, 0);
  writeWindowPng(dlg, outputPath("topo-fieldline-open.png"));
}

TEST_F(FieldLineWindowTest, TypingTheWindowUpdatesTheRangeTextsButNotTheEngineWindow) {
  CDlgMegSpctmContourFieldLine& dlg = open();
  typeWindow(dlg, L"5", L"9", L"2", L"4");
  EXPECT_EQ(textOf(dlg, IDC_CONTOUR_TIME_RANGE), CString(L"-50.000~-10.000ms"));
  EXPECT_EQ(textOf(dlg, IDC_CONTOUR_FREQ_RANGE), CString(L"6.000~10.000Hz"));
  EXPECT_EQ(face.m_draw.m_nWinTimeBegin, 0);
  EXPECT_EQ(face.m_draw.m_nWinTimeEnd, 0);
}

TEST_F(FieldLineWindowTest, AnimationKeepsTheWidthsOfTheStartAndWrapsTimeIntoTheNextFrequencyStep) {
  CDlgMegSpctmContourFieldLine& dlg = open();
  typeWindow(dlg, L"30", L"33", L"0", L"2");
  typeInto(dlg, IDC_TOPO_STEP_X, L"8");
  typeInto(dlg, IDC_TOPO_STEP_Y, L"3");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  EXPECT_EQ(dlg.m_nAnimTimeWidth, 4);
  EXPECT_EQ(dlg.m_nAnimFreqWidth, 3);
  app.advanceClock(100);
  EXPECT_EQ(dlg.m_nTimeBegin, 38);
  EXPECT_EQ(dlg.m_nTimeEnd, 39) << "cut to the grid";
  EXPECT_EQ(face.m_draw.m_nWinTimeBegin, 38);
  EXPECT_EQ(textOf(dlg, IDC_CONTOUR_TIME_BEGIN), CString(L"38"));
  app.advanceClock(100);
  EXPECT_EQ(dlg.m_nTimeBegin, 0);
  EXPECT_EQ(dlg.m_nTimeEnd, 4);
  EXPECT_EQ(dlg.m_nFreqBegin, 3);
  EXPECT_EQ(dlg.m_nFreqEnd, 6);
  EXPECT_EQ(face.m_draw.m_nWinFreqBegin, 3);
  EXPECT_EQ(face.m_draw.m_nWinFreqEnd, 6);
  EXPECT_EQ(textOf(dlg, IDC_CONTOUR_FREQ_RANGE), CString(L"8.000~14.000Hz"));
  EXPECT_EQ(textOf(dlg, IDC_TOPO_START), CString(L"Stop..."));
}

TEST_F(FieldLineWindowTest, AZeroStepFailsTheFirstTickAndStops) {
  CDlgMegSpctmContourFieldLine& dlg = open();
  typeInto(dlg, IDC_TOPO_STEP_X, L"0");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  app.advanceClock(100);
  EXPECT_EQ(textOf(dlg, IDC_TOPO_START), CString(L"Start"));
  EXPECT_EQ(dlg.m_nTimeBegin, 0);
}

TEST_F(FieldLineWindowTest, AnimationRecomputesTheField) {
  CDlgMegSpctmContourFieldLine& dlg = open();
  const double before = dlg.m_wndMap.m_dSensorMax;
  typeInto(dlg, IDC_TOPO_STEP_X, L"10");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_START));
  app.advanceClock(100);
  // Sensor values are window means, which grow by 0.1 per time point: the window's 31
  // points from time 0 had mean time 15, from time 10 (cut at 39) 24.5.
  EXPECT_NEAR(dlg.m_wndMap.m_dSensorMax - before, 0.95, 1e-9);
}

TEST_F(FieldLineWindowTest, DragMovesTheBeginsKeepingTheWidths) {
  CDlgMegSpctmContourFieldLine& dlg = open();
  typeWindow(dlg, L"4", L"8", L"15", L"18");
  ASSERT_TRUE(user().clickControl(dlg, IDC_TOPO_MOVE));
  // Four moves of 3 pixels right (one point each) and about 2.5 up.
  dragOnCanvas(dlg, CPoint(100, 200), CPoint(112, 190));
  EXPECT_EQ(dlg.m_nTimeBegin, 8);
  EXPECT_EQ(dlg.m_nTimeEnd, 12);
  // Up by 4 would pass the top: the frequency window ends at the last point instead.
  EXPECT_EQ(dlg.m_nFreqBegin, 16);
  EXPECT_EQ(dlg.m_nFreqEnd, 19);
  EXPECT_EQ(face.m_draw.m_nWinTimeBegin, 8);
  EXPECT_EQ(face.m_draw.m_nWinFreqEnd, 19);
}

TEST_F(FieldLineWindowTest, DisplayAndKindChoicesRecomputeTheField) {
  CDlgMegSpctmContourFieldLine& dlg = open();
  ASSERT_TRUE(user().chooseComboItem(dlg, IDC_CONTOUR_DISPLAY, 2));  // "Both"
  EXPECT_EQ(dlg.m_wndMap.m_nDisplayMode, 2);
  ASSERT_TRUE(user().chooseComboItem(dlg, IDC_TOPO_KIND, 1));  // "Imag Data": values negated
  EXPECT_EQ(dlg.m_nDataKind, 1);
  EXPECT_LT(dlg.m_wndMap.m_dSensorMax, 0.0);
  app.pumpUntilIdle();
  writeWindowPng(dlg, outputPath("topo-fieldline-both-imag.png"));
}

TEST_F(FieldLineWindowTest, ViewMenuCommandsChangeTheCanvasAndTheFrameSizeOnlyWhenAccepted) {
  CDlgMegSpctmContourFieldLine& dlg = open();
  CStaticSpctmContourMapqv& map = dlg.m_wndMap;
  ASSERT_TRUE(user().chooseMenuCommand(dlg, ID_CONTOUR_SWITCH_LINE_COLOR));
  EXPECT_EQ(map.m_nLineColorMode, 0);
  ASSERT_TRUE(user().chooseMenuCommand(dlg, ID_CONTOUR_SHOW_HEAD_SHAPE));
  EXPECT_EQ(map.m_bShowHeadShape, 1);

  // The frame-size dialog: cancelled first, then a new size accepted.
  const int size = map.m_nProjection2DSize;
  script().queueModalScript([this](CDialog& d) { user().clickControl(d, IDCANCEL); });
  ASSERT_TRUE(user().chooseMenuCommand(dlg, ID_CONTOUR_SET_FRAME_SIZE));
  EXPECT_EQ(map.m_nProjection2DSize, size);
  script().queueModalScript([this](CDialog& d) {
    d.GetDlgItem(IDC_FRAME_2D_SIZE)->SetWindowText(L"240");
    user().clickControl(d, IDOK);
  });
  ASSERT_TRUE(user().chooseMenuCommand(dlg, ID_CONTOUR_SET_FRAME_SIZE));
  EXPECT_EQ(map.m_nProjection2DSize, 240);
  EXPECT_EQ(script().modalDialogsRun, 2);
  app.pumpUntilIdle();
  writeWindowPng(dlg, outputPath("topo-fieldline-head-black-lines.png"));

  // The outline rings the rebuilt field, mirrored as the field is: on a row between the
  // first two sensor rows, the outermost lit pixel on either side is the outline's, and
  // the field's outermost pixel lies just inside it.
  ASSERT_NE(dlg.m_bRadiology, 0);
  const int y = (sensorOnCanvas(dlg, 0).y + sensorOnCanvas(dlg, 3).y) / 2;
  const auto pixel = [&map, y](int x) { return map.m_pOffscreenDC->GetPixel(x, y); };
  const auto isField = [&](int x) { return pixel(x) != map.m_crBack && pixel(x) != map.m_crFore; };
  const int width = static_cast<int>(map.m_nCanvasWidth);
  int outlineLeft = 0, outlineRight = width - 1;
  while (outlineLeft < width && pixel(outlineLeft) == map.m_crBack) ++outlineLeft;
  while (outlineRight >= 0 && pixel(outlineRight) == map.m_crBack) --outlineRight;
  ASSERT_LT(outlineLeft, outlineRight);
  EXPECT_EQ(pixel(outlineLeft), map.m_crFore);
  EXPECT_EQ(pixel(outlineRight), map.m_crFore);
  int fieldLeft = outlineLeft, fieldRight = outlineRight;
  while (fieldLeft < outlineRight && !isField(fieldLeft)) ++fieldLeft;
  while (fieldRight > outlineLeft && !isField(fieldRight)) --fieldRight;
  EXPECT_LE(fieldLeft - outlineLeft, 2) << "outline from " << outlineLeft << ", field from " << fieldLeft;
  EXPECT_LE(outlineRight - fieldRight, 2) << "outline to " << outlineRight << ", field to " << fieldRight;
}

}  // namespace
}  // namespace topowindows
