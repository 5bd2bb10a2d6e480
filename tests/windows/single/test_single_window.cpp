// The single-channel window driven as a person drives it: the tool row's buttons, checks,
// lists and arrows, drags in the three mouse modes, keys on the canvas, resizing; checked
// by what the host and the draw state then hold and by what the window shows.
#include "tests/windows/single/SingleWindowTest.h"

#include <set>

namespace single {
namespace {

CString comboText(CComboBox& combo, int index) {
  CString text;
  combo.GetLBText(index, text);
  return text;
}

std::vector<CString> comboItems(CComboBox& combo) {
  std::vector<CString> items;
  for (int i = 0; i < combo.GetCount(); ++i) items.push_back(comboText(combo, i));
  return items;
}

TEST_F(SingleWindowTest, ToolRowCarriesItsIconsAndTheCanvasFillsTheRest) {
  dataset = smallDataset();
  open(dataset.get());
  ASSERT_TRUE(writeWindowPng(dlg, outputPath("single-window-tools.png")));
  EXPECT_NE(dlg.GetIcon(TRUE), nullptr);
  // Every icon button shows a picture of its own, inside its frame.
  std::set<HICON> pictures;
  for (CWnd* control : dlg.GetChildren()) {
    auto* button = dynamic_cast<CButton*>(control);
    if (!button || !(button->GetStyle() & BS_ICON)) continue;
    HICON shown = button->GetIcon();
    ASSERT_NE(shown, nullptr) << control->GetDlgCtrlID();
    pictures.insert(shown);
    CRect frame;
    control->GetClientRect(&frame);
    EXPECT_LE(shown->width, frame.Width() - 4);
    EXPECT_LE(shown->height, frame.Height() - 4);
  }
  EXPECT_EQ(pictures.size(), 9u);
  // The two rows of tools stand above the canvas, inside the client area.
  CRect client, canvas;
  dlg.GetClientRect(&client);
  dlg.m_wndSpctm.GetWindowRect(&canvas);
  dlg.ScreenToClient(&canvas);
  for (CWnd* control : dlg.GetChildren()) {
    if (control == &dlg.m_wndSpctm) continue;
    CRect r;
    control->GetWindowRect(&r);
    dlg.ScreenToClient(&r);
    EXPECT_LE(r.bottom, canvas.top) << control->GetDlgCtrlID();
    EXPECT_LE(r.right, client.right) << control->GetDlgCtrlID();
  }
}

TEST_F(SingleWindowTest, OpeningFillsTheListsByTheDatasetAndTitlesByClass) {
  dataset = smallDataset();
  open(dataset.get(), 1);
  EXPECT_EQ(comboItems(dlg.m_cmbSpctmClass), (std::vector<CString>{L"Active", L"Control", L"MixActCtl"}));
  EXPECT_EQ(dlg.m_cmbSpctmClass.GetCurSel(), 1);
  EXPECT_FALSE(dlg.m_cmbSpctmClass.IsWindowEnabled());
  EXPECT_EQ(comboItems(dlg.m_cmbDataKind), (std::vector<CString>{L"Real Data", L"Imag Data", L"Power/Phase"}));
  EXPECT_EQ(comboItems(dlg.m_cmbChnlStatistic),
            (std::vector<CString>{L"MEG-EEG Sensor", L"Group Mean", L"Group Min", L"Group Max", L"Average Positive",
                                  L"Average Negative", L"Root-Mean-Square"}));
  // MLC11 has no Control spectrum: the list holds the others, with their trial indices.
  // Binding the canvas made the first channel with one current.
  EXPECT_EQ(comboItems(dlg.m_cmbChnlList), (std::vector<CString>{L"MRC11", L"Cz"}));
  EXPECT_EQ(dlg.m_cmbChnlList.GetItemData(0), 1);
  EXPECT_EQ(dlg.m_cmbChnlList.GetItemData(1), 2);
  EXPECT_EQ(dlg.m_cmbChnlList.GetCurSel(), 0);
  // The overlay checks show the draw state and the canvas.
  EXPECT_EQ(static_cast<CButton*>(dlg.GetDlgItem(IDC_SPCTM1C_SELECT))->GetCheck(), BST_CHECKED);
  EXPECT_EQ(static_cast<CButton*>(dlg.GetDlgItem(IDC_SPCTM1C_SCALE))->GetCheck(), BST_CHECKED);
  EXPECT_EQ(static_cast<CButton*>(dlg.GetDlgItem(IDC_SPCTM1C_MEASURE))->GetCheck(), BST_CHECKED);
  EXPECT_EQ(static_cast<CButton*>(dlg.GetDlgItem(IDC_SPCTM1C_WAVE))->GetCheck(), BST_UNCHECKED);

  const std::pair<int, const wchar_t*> titles[] = {{0, L"Spectrogram: Active  time window"},
                                                   {1, L"Spectrogram: Control time window"},
                                                   {2, L"Spectrogram:Results from Active/Control time windows"},
                                                   {3, L"Spectrogram channel:Unknown spectral class"}};
  for (const auto& [cls, title] : titles) {
    dlg.setSpctmClass(cls);
    dlg.updateSpctmDlg();
    EXPECT_EQ(dlg.GetWindowText(), title);
  }
}

TEST_F(SingleWindowTest, StatisticListIsHeadedByTheSessionsSensorKinds) {
  const auto headOf = [this](megdata::DatasetBuilder builder) {
    dataset = builder.grid(4, 4).spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 1.0; }).build();
    open(dataset.get());
    return comboText(dlg.m_cmbChnlStatistic, 0);
  };
  EXPECT_EQ(headOf(megdata::DatasetBuilder().meg(L"MLC11", 0, 0)), L"MEG Sensor");
  EXPECT_EQ(headOf(megdata::DatasetBuilder().eeg(L"Cz", 0, 0)), L"EEG Electrode");
  EXPECT_EQ(headOf(megdata::DatasetBuilder().other(L"STI")), L"Sensor");
  EXPECT_EQ(dlg.m_cmbChnlStatistic.GetCount(), 7);
}

TEST_F(SingleWindowTest, DragInSelectModeSetsTheHostsSelection) {
  dataset = smallDataset();
  open(dataset.get());
  place(2, 0, 100);  // time point t at x = 2t, frequency point f at y = 100 − 2f
  const Picture before = canvasPicture();
  user().drag(dlg, onCanvas(40, 10), onCanvas(80, 30));
  // The press set both corners to (20, 45); the moves and the release give the time end
  // and the frequency begin.
  EXPECT_EQ(selection(), (std::array<std::int64_t, 4>{20, 40, 35, 45}));
  // The window shows the box inverted: time point 30, frequency point 40, off the cross.
  EXPECT_EQ(canvasPicture().at(60, 20), before.at(60, 20) ^ 0xFFFFFFu);
  EXPECT_EQ(CWnd::GetFocus(), &dlg.m_wndSpctm);
  EXPECT_EQ(CWnd::GetCapture(), nullptr);

  // Released outside the canvas: the end stays where the last move over it put it.
  user().pressButton(MouseButton::Left, user().toScreen(dlg, onCanvas(10, 60)));
  user().moveMouse(user().toScreen(dlg, onCanvas(30, 50)));
  user().releaseButton(MouseButton::Left, user().toScreen(dlg, CPoint(5, 5)));
  EXPECT_EQ(selection(), (std::array<std::int64_t, 4>{5, 15, 25, 20}));
  EXPECT_TRUE(face.messages.empty());
}

TEST_F(SingleWindowTest, MoveModePansThePictureAtHalfTheMouseSpeed) {
  dataset = smallDataset();
  open(dataset.get());
  user().clickControl(dlg, IDC_SPCTM1C_MOVE);
  place(2, 100, 300);
  const Picture before = canvasPicture();
  const auto origin = [this] { return std::make_pair(draw().m_nOriginX, draw().m_nOriginY); };
  user().pressButton(MouseButton::Left, user().toScreen(dlg, onCanvas(50, 50)));
  user().moveMouse(user().toScreen(dlg, onCanvas(51, 50)));  // half a pixel: nothing yet
  EXPECT_EQ(origin(), std::make_pair(std::int64_t{100}, std::int64_t{300}));
  user().moveMouse(user().toScreen(dlg, onCanvas(53, 50)));  // 3 from the last point: 1
  EXPECT_EQ(origin(), std::make_pair(std::int64_t{101}, std::int64_t{300}));
  user().moveMouse(user().toScreen(dlg, onCanvas(43, 70)));
  user().releaseButton(MouseButton::Left, user().toScreen(dlg, onCanvas(43, 70)));
  EXPECT_EQ(origin(), std::make_pair(std::int64_t{96}, std::int64_t{310}));
  // The picture followed: 5 pixels left and 10 down.
  const Picture moved = canvasPicture();
  EXPECT_EQ(moved.at(150, 250), before.at(155, 240));
  EXPECT_NE(moved.at(150, 250), before.at(150, 250));
  EXPECT_EQ(selection(), (std::array<std::int64_t, 4>{5, 10, 2, 4}));  // no selection made
}

TEST_F(SingleWindowTest, MoveWaveModeMovesTheStripOnlyWhileItIsShown) {
  dataset = smallDataset();
  open(dataset.get());
  user().clickControl(dlg, IDC_SPCTM1C_MOVE_WAVE);
  const auto dragDown = [this] {
    const std::int64_t before = draw().m_nWaveOffsetY;
    user().drag(dlg, onCanvas(200, 100), onCanvas(240, 120), 1);
    return draw().m_nWaveOffsetY - before;
  };
  EXPECT_EQ(dragDown(), 0);
  user().clickControl(dlg, IDC_SPCTM1C_WAVE);
  EXPECT_TRUE(dlg.m_wndSpctm.m_bShowWave);
  // The strip's zero line went to the canvas's middle row when it was drawn.
  CRect canvas;
  dlg.m_wndSpctm.GetClientRect(&canvas);
  EXPECT_EQ(draw().m_nWaveOffsetY, canvas.Height() / 2);
  EXPECT_EQ(canvasPicture().at(2, canvas.Height() / 2), RGB(255, 20, 20));
  EXPECT_EQ(dragDown(), 10);
  EXPECT_EQ(canvasPicture().at(2, canvas.Height() / 2 + 10), RGB(255, 20, 20));
}

TEST_F(SingleWindowTest, ZoomButtonsStepByOneNotBelowOne) {
  dataset = smallDataset();
  open(dataset.get());
  place(1, 100, 300);
  // The picture's right edge: the last bin ends at origin + 64 × zoom.
  const auto rightEdge = [this] {
    const Picture p = canvasPicture();
    int x = 100;
    while (x < p.width && p.at(x, 290) != RGB(255, 255, 255)) ++x;
    return x;
  };
  const std::pair<UINT, double> steps[] = {
      {IDC_SPCTM1C_ZOOM_OUT, 1.0}, {IDC_SPCTM1C_ZOOM_IN, 2.0}, {IDC_SPCTM1C_ZOOM_IN, 3.0}, {IDC_SPCTM1C_ZOOM_OUT, 2.0}};
  for (const auto& [button, zoom] : steps) {
    user().clickControl(dlg, static_cast<int>(button));
    EXPECT_EQ(draw().m_dZoom, zoom);
    EXPECT_EQ(rightEdge(), 100 + 64 * static_cast<int>(zoom));
  }
}

TEST_F(SingleWindowTest, EachOverlayCheckSwitchesItsLayer) {
  dataset = smallDataset();
  open(dataset.get());
  place(3, 100, 300);
  CRect canvas;
  dlg.m_wndSpctm.GetClientRect(&canvas);
  struct Case {
    UINT check;
    std::function<bool()> state;  // the switch the check writes, after one click
    CRect region;                 // where the picture may change
  };
  const Case cases[] = {
      // The cross through the selection's begin corner (time 5, frequency 2) and its texts.
      {IDC_SPCTM1C_SELECT, [this] { return !draw().m_bShowSelect; }, canvas},
      // Latencies and frequencies at the ends of both axes.
      {IDC_SPCTM1C_INFO, [this] { return draw().m_bShowSelectInfo; }, canvas},
      // The legend in the bottom 20 rows.
      {IDC_SPCTM1C_SCALE, [this] { return !dlg.m_wndSpctm.m_bShowColorScale; },
       CRect(0, canvas.bottom - 40, canvas.right, canvas.bottom)},
      // The rulers 12 pixels outside the picture's bottom and left edges, with labels.
      {IDC_SPCTM1C_MEASURE, [this] { return !dlg.m_wndSpctm.m_bShowMeasures; }, CRect(0, 140, 100 + 64 * 3 + 100, 340)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.check);
    const Picture before = canvasPicture();
    user().clickControl(dlg, static_cast<int>(c.check));
    EXPECT_TRUE(c.state());
    const CRect changed = changedBox(before, canvasPicture());
    EXPECT_FALSE(changed.IsRectEmpty());
    CRect outside;
    EXPECT_TRUE(outside.UnionRect(changed, c.region) && outside == c.region) << changed.left << "," << changed.top
                                                                              << "," << changed.right << ","
                                                                              << changed.bottom;
    user().clickControl(dlg, static_cast<int>(c.check));
    EXPECT_TRUE(changedBox(before, canvasPicture()).IsRectEmpty());
  }
  // The strip places the picture and its zero line anew from the first points.
  draw().m_nFirstTime = 7;
  user().clickControl(dlg, IDC_SPCTM1C_WAVE);
  EXPECT_TRUE(dlg.m_wndSpctm.m_bShowWave);
  EXPECT_EQ(draw().m_nFirstTime, 0);
  EXPECT_FALSE(draw().m_bRecentre);  // cleared by the placement of the repaint
  EXPECT_EQ(draw().m_bRecentreWave, 0);
}

TEST_F(SingleWindowTest, ChannelStatisticAndKindChoicesRedrawTheirData) {
  dataset = smallDataset();
  open(dataset.get());
  CMDTrialqv* trial = dataset->getSessionData(-1)->getTrialqv(-1);
  Picture last = canvasPicture();
  const auto changed = [&] {
    const Picture now = canvasPicture();
    const bool differs = !changedBox(last, now).IsRectEmpty();
    last = now;
    return differs;
  };
  ASSERT_TRUE(user().chooseComboItem(dlg, IDC_SPCTM1C_CHANNEL, 2));
  EXPECT_EQ(trial->getCurntChnlIndx(), 2);  // Cz
  EXPECT_TRUE(changed());                   // its name in the title
  ASSERT_TRUE(user().chooseComboItem(dlg, IDC_SPCTM1C_STATISTIC, 5));
  EXPECT_EQ(dlg.m_nChnlStatistic, 5);
  EXPECT_EQ(draw().m_nDataSource, 5);
  EXPECT_TRUE(changed());
  ASSERT_TRUE(user().chooseComboItem(dlg, IDC_SPCTM1C_KIND, 2));
  EXPECT_EQ(dlg.m_nDataKind, 2);
  EXPECT_EQ(dlg.m_wndSpctm.m_nDataKind, 2);
}

TEST_F(SingleWindowTest, LinkMapSelectSendsTheMapSelectionToTheFacade) {
  dataset = smallDataset();
  open(dataset.get(), 2);
  dlg.setDataKind(1);
  place(2, 0, 100);
  user().clickControl(dlg, IDC_SPCTM1C_LINK_MAP);
  EXPECT_EQ(face.messages, (std::vector<std::tuple<int, int, int>>{{SPCTM_MSG_MAP_SELECT, 2, 1}}));
  user().clickControl(dlg, IDC_SPCTM1C_LINK_MAP);  // unticked: nothing sent
  EXPECT_EQ(face.messages.size(), 1u);
  user().clickControl(dlg, IDC_SPCTM1C_LINK_MAP);
  face.messages.clear();
  // While linked, every move of a drag passes the selected times, over the lowest two
  // frequency points, to the draw window and on.
  user().drag(dlg, onCanvas(40, 10), onCanvas(80, 30), 2);
  EXPECT_EQ(face.messages.size(), 2u);
  EXPECT_EQ(face.messages.back(), std::make_tuple(SPCTM_MSG_MAP_SELECT, 2, 1));
  EXPECT_EQ((std::array<std::int64_t, 4>{draw().m_nWinTimeBegin, draw().m_nWinTimeEnd, draw().m_nWinFreqBegin,
                                         draw().m_nWinFreqEnd}),
            (std::array<std::int64_t, 4>{20, 40, 0, 1}));
  EXPECT_EQ(selection(2), (std::array<std::int64_t, 4>{20, 40, 35, 1}));  // the release sets the ends
}

TEST_F(SingleWindowTest, UpDownArrowsStepTheSelectionAndTheStripsGain) {
  dataset = smallDataset();
  open(dataset.get());
  CMEGDataqv* session = dataset->getSessionData(-1);
  struct Case {
    UINT spin;
    bool upOrRight;
    std::array<std::int64_t, 4> selection;
    double gain;
  };
  const double gain = session->getShowZoomChnl(-1);
  const Case cases[] = {
      {IDC_SPCTM1C_TIME_SPIN, true, {6, 11, 2, 4}, gain},  // the right arrow reports −1
      {IDC_SPCTM1C_TIME_SPIN, false, {5, 10, 2, 4}, gain},
      {IDC_SPCTM1C_FREQ_SPIN, true, {5, 10, 3, 5}, gain},
      {IDC_SPCTM1C_ZOOM_SPIN, true, {5, 10, 3, 5}, 2 * gain},
      {IDC_SPCTM1C_ZOOM_SPIN, false, {5, 10, 3, 5}, gain},
      {IDC_SPCTM1C_ZOOM_SPIN, false, {5, 10, 3, 5}, gain / 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.spin << (c.upOrRight ? " up" : " down"));
    ASSERT_TRUE(user().clickUpDown(dlg, static_cast<int>(c.spin), c.upOrRight));
    EXPECT_EQ(selection(), c.selection);
    EXPECT_EQ(session->getShowZoomChnl(-1), c.gain);
  }
}

TEST_F(SingleWindowTest, ArrowAndKeypadKeysScrollTheFirstPointsWithinTheGrid) {
  dataset = smallDataset();  // 64 time points, 48 frequency points; steps of 40
  open(dataset.get());
  place(2, 0, 100);
  user().clickAt(dlg, onCanvas(300, 300));  // focus on the canvas
  ASSERT_EQ(CWnd::GetFocus(), &dlg.m_wndSpctm);
  struct Case {
    UINT key;
    std::int64_t firstTime, firstFreq;
  };
  const Case cases[] = {{VK_RIGHT, 40, 0},   {VK_RIGHT, 63, 0},   {VK_LEFT, 23, 0},    {VK_NUMPAD4, 0, 0},
                        {VK_DOWN, 0, 0},     {VK_UP, 0, 40},      {VK_NUMPAD8, 0, 47}, {VK_UP, 0, 47},
                        {VK_NUMPAD2, 0, 7},  {VK_NUMPAD6, 40, 7}, {VK_HOME, 40, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    user().tapKey(c.key);
    EXPECT_EQ(draw().m_nFirstTime, c.firstTime);
    EXPECT_EQ(draw().m_nFirstFreq, c.firstFreq);
  }
}

TEST_F(SingleWindowTest, ResizingLaysTheCanvasOutAnew) {
  dataset = smallDataset();
  open(dataset.get());
  CRect frame;
  dlg.GetWindowRect(&frame);
  dlg.MoveWindow(frame.left, frame.top, frame.Width() + 200, frame.Height() + 100);
  EXPECT_EQ(dlg.m_wndSpctm.getMemBitmap(), nullptr);
  EXPECT_TRUE(draw().m_bRecentre);
  app.pumpUntilIdle();
  CRect client, canvas;
  dlg.GetClientRect(&client);
  dlg.m_wndSpctm.GetWindowRect(&canvas);
  dlg.ScreenToClient(&canvas);
  EXPECT_EQ(canvas.right, client.right - 10);
  EXPECT_EQ(canvas.bottom, client.bottom - 10);
  dlg.m_wndSpctm.GetClientRect(&canvas);
  ASSERT_NE(dlg.m_wndSpctm.getMemBitmap(), nullptr);
  EXPECT_EQ(dlg.m_wndSpctm.getMemBitmap()->size(), canvas.Size());
  // The picture was centred anew in the larger canvas (one pixel per bin).
  EXPECT_EQ(draw().m_nOriginX, (canvas.Width() - 64) / 2);
  ASSERT_TRUE(writeWindowPng(dlg, outputPath("single-window-resized.png")));
}

TEST_F(SingleWindowTest, CursorShowsTheMouseModeOverTheWholeWindow) {
  dataset = smallDataset();
  open(dataset.get());
  struct Case {
    UINT button;
    UINT cursor;
    CPoint hotSpot;
  };
  const Case cases[] = {{IDC_SPCTM1C_MOVE, IDC_SPCTM1C_CURSOR_MOVE, {17, 13}},
                        {IDC_SPCTM1C_MOVE_WAVE, IDC_SPCTM1C_CURSOR_MOVE_WAVE, {17, 13}},
                        {IDC_SPCTM1C_NORMAL, IDC_SPCTM1C_CURSOR_NORMAL, {12, 3}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    user().clickControl(dlg, static_cast<int>(c.button));
    for (CPoint at : {onCanvas(100, 100), CPoint(3, 3)}) {  // the canvas, then the dialog's corner
      user().moveMouse(user().toScreen(dlg, at));
      ASSERT_NE(app.currentCursor(), nullptr);
      EXPECT_EQ(app.currentCursor(), AfxGetApp()->LoadCursor(c.cursor));
      EXPECT_EQ(app.currentCursor()->hotSpot, c.hotSpot);
    }
  }
}

TEST_F(SingleWindowTest, AutofitTakesTheMagnitudesOfTheShownData) {
  dataset = smallDataset();  // (t + f) / 100 over 64 × 48 points
  open(dataset.get());
  user().clickControl(dlg, IDC_SPCTM1C_AUTOFIT);
  EXPECT_DOUBLE_EQ(draw().m_dStdMin, 0.0);
  EXPECT_DOUBLE_EQ(draw().m_dStdMax, 1.10);
}

}  // namespace
}  // namespace single
