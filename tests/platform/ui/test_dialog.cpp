// The test dialog driven as a person would: clicks, typing, combo choices, scroll codes,
// up-down arrows, a drag with capture, a right click with a pop-up, a timer.
#include "tests/platform/ui/TestDialog.h"

#include <tuple>

namespace testdlg {
namespace {

CPoint centreOf(const CWnd& w) {
  CRect r;
  w.GetWindowRect(&r);
  return r.CenterPoint();
}

std::vector<UINT> messages(const std::vector<TestDialog::MouseEvent>& events) {
  std::vector<UINT> out;
  for (const auto& e : events) out.push_back(e.message);
  return out;
}

TEST_F(DialogTest, TemplateBuildsEveryControlInDialogUnits) {
  EXPECT_EQ(dlg.initCalls, 1);
  EXPECT_TRUE(dlg.IsWindowVisible());
  EXPECT_EQ(dlg.GetWindowText(), L"Test Dialog");
  CRect client;
  dlg.GetClientRect(&client);
  // 6 x 12 pixels per 4 x 8 units for the 8-point dialog face: 300 x 200 units.
  EXPECT_EQ(dialogBaseUnitsFor(L"MS Shell Dlg", 8), CSize(6, 12));
  EXPECT_EQ(client, CRect(0, 0, 450, 300));
  CRect apply;
  item(kApply).GetWindowRect(&apply);
  dlg.ScreenToClient(&apply);
  EXPECT_EQ(apply, CRect(11, 11, 86, 32));  // (7, 7, 50, 14) units
  // A combo box keeps its closed height; the template height is that of the open list.
  CRect combo;
  item(kCombo).GetWindowRect(&combo);
  EXPECT_EQ(combo.Height(), 21);
  // The canvas has a one-pixel border outside its client area.
  CRect canvasClient;
  dlg.m_canvas.GetClientRect(&canvasClient);
  EXPECT_EQ(canvasClient, CRect(0, 0, 208, 103));
  EXPECT_EQ(item(kLabelRight).GetWindowText(), L"Trial Max");
  // OnInitDialog returned TRUE: the first tab stop has the focus.
  EXPECT_EQ(CWnd::GetFocus(), &item(kApply));
}

TEST_F(DialogTest, ButtonClicksReachTheirHandlers) {
  user().clickControl(dlg, kApply);
  user().clickControl(dlg, kCheck);
  EXPECT_EQ(dlg.log, (std::vector<std::string>{"apply", "check"}));
  EXPECT_EQ(static_cast<CButton&>(item(kCheck)).GetCheck(), BST_UNCHECKED);  // started checked
  user().clickControl(dlg, kCheck);
  EXPECT_EQ(static_cast<CButton&>(item(kCheck)).GetCheck(), BST_CHECKED);

  // A press that is released outside the button is no click.
  user().pressButton(MouseButton::Left, centreOf(item(kApply)));
  user().releaseButton(MouseButton::Left, centreOf(item(kCheck)));
  EXPECT_EQ(dlg.log.size(), 3u);

  // A disabled button takes no clicks.
  item(kApply).EnableWindow(FALSE);
  user().clickControl(dlg, kApply);
  EXPECT_EQ(dlg.log.size(), 3u);
}

TEST_F(DialogTest, RadioGroupKeepsOneCheckedAndExchangesItsIndex) {
  EXPECT_EQ(static_cast<CButton&>(item(kRadio512)).GetCheck(), BST_CHECKED);  // field starts at 1
  user().clickControl(dlg, kRadio1024);
  EXPECT_EQ(static_cast<CButton&>(item(kRadio512)).GetCheck(), BST_UNCHECKED);
  EXPECT_EQ(static_cast<CButton&>(item(kRadio1024)).GetCheck(), BST_CHECKED);
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_radio, 2);
  EXPECT_EQ(dlg.log, std::vector<std::string>{"radio"});
  // The check box outside the group was not touched by the radio clicks.
  EXPECT_EQ(dlg.m_check, 1);
  dlg.m_radio = 0;
  dlg.UpdateData(FALSE);
  EXPECT_EQ(static_cast<CButton&>(item(kRadio256)).GetCheck(), BST_CHECKED);
  EXPECT_EQ(static_cast<CButton&>(item(kRadio1024)).GetCheck(), BST_UNCHECKED);
}

TEST_F(DialogTest, TypingChangesEditsAndEveryChangeNotifies) {
  EXPECT_EQ(item(kEditInt).GetWindowText(), L"7");
  const int before = dlg.editChanges;
  user().clickControl(dlg, kEditInt);
  user().tapKey(VK_BACK);
  user().typeText(L"42");
  EXPECT_EQ(item(kEditInt).GetWindowText(), L"42");
  EXPECT_EQ(dlg.editChanges - before, 3);  // one deletion, two characters

  // Select all and type over it.
  user().pressKey(VK_CONTROL);
  user().tapKey('A');
  user().releaseKey(VK_CONTROL);
  user().typeText(L"-5");
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_int, -5);

  // The read-only edit refuses typing but takes text from the program.
  user().clickControl(dlg, kReadOnly);
  user().typeText(L"xyz");
  EXPECT_EQ(item(kReadOnly).GetWindowText(), L"");
  item(kReadOnly).SetWindowText(L"1.500");
  EXPECT_EQ(item(kReadOnly).GetWindowText(), L"1.500");
}

TEST_F(DialogTest, DataExchangeRoundTripsEveryFieldType) {
  EXPECT_EQ(item(kEditInt64).GetWindowText(), L"9007199254740993");
  EXPECT_EQ(item(kEditDouble).GetWindowText(), L"0.25");
  EXPECT_EQ(item(kEditText).GetWindowText(), L"Alpha");
  EXPECT_EQ(dlg.m_combo.GetCurSel(), 0);

  auto fields = [&] {
    return std::tie(dlg.m_check, dlg.m_radio, dlg.m_int, dlg.m_int64, dlg.m_double, dlg.m_text, dlg.m_comboIndex);
  };
  const auto chosen = std::make_tuple(0, 2, -2147483647 - 1, -9007199254740993LL, 0.3, CString(L"Spectral \u00e9"), 2);
  fields() = chosen;
  dlg.m_double = 0.1 + 0.2;  // shown with 15 significant digits, so read back as 0.3
  dlg.UpdateData(FALSE);
  EXPECT_EQ(item(kEditDouble).GetWindowText(), L"0.3");
  fields() = std::make_tuple(5, 5, 5, 5LL, 5.0, CString(L"5"), 5);
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(fields(), chosen);
}

TEST_F(DialogTest, RefusedNumbersKeepTheFieldAndWarn) {
  for (const wchar_t* bad : {L"12a", L"", L"99999999999"}) {
    item(kEditInt).SetWindowText(bad);
    dlg.m_int = 3;
    EXPECT_FALSE(dlg.UpdateData(TRUE)) << toUtf8(bad);
    EXPECT_EQ(dlg.m_int, 3);
    EXPECT_EQ(CWnd::GetFocus(), &item(kEditInt));
  }
  ASSERT_EQ(script().messageBoxes.size(), 3u);
  EXPECT_EQ(script().messageBoxes[0].text, L"Enter a whole number.");
  item(kEditInt).SetWindowText(L" 12 ");
  item(kEditDouble).SetWindowText(L"1e-3x");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(script().messageBoxes.back().text, L"Enter a number.");
  item(kEditDouble).SetWindowText(L"-2.5e-3");
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_int, 12);
  EXPECT_EQ(dlg.m_double, -2.5e-3);
}

TEST_F(DialogTest, ComboChoicesNotifyButSetCurSelDoesNot) {
  EXPECT_EQ(dlg.m_combo.GetItemData(2), 30);
  dlg.m_combo.SetCurSel(1);
  EXPECT_TRUE(dlg.selChanges.empty());
  EXPECT_EQ(dlg.m_combo.GetWindowText(), L"Imag Data");

  ASSERT_TRUE(user().chooseComboItem(dlg, kCombo, 2));
  EXPECT_EQ(dlg.selChanges, std::vector<int>{2});
  EXPECT_EQ(dlg.m_combo.GetWindowText(), L"Power/Phase");
  EXPECT_FALSE(dlg.m_combo.GetDroppedState());
  // Arrow keys on the focused box move the selection, within the list.
  user().tapKey(VK_UP);
  user().tapKey(VK_DOWN);
  user().tapKey(VK_DOWN);
  EXPECT_EQ(dlg.selChanges, (std::vector<int>{2, 1, 2}));

  EXPECT_EQ(dlg.m_combo.SetCurSel(7), CB_ERR);
  EXPECT_EQ(dlg.m_combo.GetCurSel(), -1);
  CString text;
  dlg.m_combo.GetLBText(0, text);
  EXPECT_EQ(text, L"Real Data");
  EXPECT_EQ(dlg.m_combo.FindStringExact(-1, L"power/phase"), 2);
  dlg.m_combo.ResetContent();
  EXPECT_EQ(dlg.m_combo.GetCount(), 0);
  EXPECT_EQ(dlg.m_combo.GetItemData(0), CB_ERR);
  EXPECT_EQ(dlg.selChanges.size(), 3u);
}

TEST_F(DialogTest, ScrollBarClicksAndThumbDragSendTheirCodes) {
  ASSERT_TRUE(user().clickScrollBar(dlg, kScroll, SB_LINELEFT));
  ASSERT_TRUE(user().clickScrollBar(dlg, kScroll, SB_PAGERIGHT));
  ASSERT_TRUE(user().clickScrollBar(dlg, kScroll, SB_LINERIGHT));
  using S = std::pair<UINT, UINT>;
  EXPECT_EQ(dlg.scrolls, (std::vector<S>{{SB_LINELEFT, 0}, {SB_ENDSCROLL, 0}, {SB_PAGERIGHT, 0}, {SB_ENDSCROLL, 0},
                                         {SB_LINERIGHT, 0}, {SB_ENDSCROLL, 0}}));
  EXPECT_EQ(dlg.m_scroll.GetScrollPos(), 512 - 1 + 102 + 1);

  dlg.scrolls.clear();
  ASSERT_TRUE(user().dragScrollThumb(dlg, kScroll, 0.0));
  ASSERT_GE(dlg.scrolls.size(), 3u);
  EXPECT_EQ(dlg.scrolls[0].first, static_cast<UINT>(SB_THUMBTRACK));
  EXPECT_EQ(dlg.scrolls[dlg.scrolls.size() - 2], (S{SB_THUMBPOSITION, 0}));
  EXPECT_EQ(dlg.scrolls.back().first, static_cast<UINT>(SB_ENDSCROLL));
  EXPECT_EQ(dlg.m_scroll.GetScrollPos(), 0);

  // Keys: End and Home when the bar has the focus.
  dlg.scrolls.clear();
  dlg.m_scroll.SetFocus();
  user().tapKey(VK_END);
  user().tapKey(VK_HOME);
  EXPECT_EQ(dlg.scrolls, (std::vector<S>{{SB_RIGHT, 0}, {SB_ENDSCROLL, 0}, {SB_LEFT, 0}, {SB_ENDSCROLL, 0}}));
  // The page keeps the thumb's last position at range maximum - page + 1.
  dlg.m_scroll.SetScrollPos(5000);
  EXPECT_EQ(dlg.m_scroll.GetScrollPos(), 1024 - 101);
}

TEST_F(DialogTest, UpDownArrowsReportTheirChange) {
  auto& vert = static_cast<CSpinButtonCtrl&>(item(kSpinVert));
  int lower = 0, upper = 0;
  vert.GetRange32(lower, upper);
  EXPECT_EQ(lower, 100);
  EXPECT_EQ(upper, 0);
  ASSERT_TRUE(user().clickUpDown(dlg, kSpinVert, true));
  ASSERT_TRUE(user().clickUpDown(dlg, kSpinVert, false));
  ASSERT_TRUE(user().clickUpDown(dlg, kSpinHorz, true));   // right arrow
  ASSERT_TRUE(user().clickUpDown(dlg, kSpinHorz, false));  // left arrow
  using D = std::pair<int, int>;
  EXPECT_EQ(dlg.deltas, (std::vector<D>{{kSpinVert, -1}, {kSpinVert, 1}, {kSpinHorz, -1}, {kSpinHorz, 1}}));
  // A range in the usual direction turns the signs round.
  vert.SetRange32(0, 10);
  user().clickUpDown(dlg, kSpinVert, true);
  EXPECT_EQ(dlg.deltas.back(), (D{kSpinVert, 1}));
  EXPECT_EQ(vert.GetPos32(), 2);  // 0 (clamped), 1, then 2
}

TEST_F(DialogTest, DragOverTheCanvasReachesTheDialogWithCapture) {
  CRect canvas;
  dlg.m_canvas.GetWindowRect(&canvas);
  dlg.ScreenToClient(&canvas);
  const CPoint from(40, 10), to(80, 30);  // canvas client pixels
  user().drag(dlg.m_canvas, from, to, 2);
  // Down and up over the canvas; one move leaves the canvas while captured.
  EXPECT_EQ(messages(dlg.mouse), (std::vector<UINT>{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_MOUSEMOVE, WM_LBUTTONUP}));
  ASSERT_EQ(dlg.mouse.size(), 4u);
  const CSize offset(canvas.left + 1, canvas.top + 1);  // border
  EXPECT_EQ(dlg.mouse[0].point, from + offset);
  EXPECT_TRUE(dlg.mouse[0].overCanvas);
  EXPECT_EQ(dlg.mouse[0].flags, static_cast<UINT>(MK_LBUTTON));
  EXPECT_TRUE(dlg.mouse[1].capturing);
  EXPECT_EQ(dlg.mouse[2].point, to + offset);
  EXPECT_EQ(dlg.mouse[3].flags, 0u);
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  EXPECT_EQ(CWnd::GetFocus(), &dlg.m_canvas);

  // Captured, the dialog keeps getting the mouse outside its canvas and even outside
  // itself; Shift shows in the flags and in GetKeyState.
  dlg.mouse.clear();
  user().pressKey(VK_SHIFT);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  user().pressButton(MouseButton::Left, user().toScreen(dlg.m_canvas, from));
  user().moveMouse(CPoint(-50, -50));
  user().releaseButton(MouseButton::Left, CPoint(-50, -50));
  user().releaseKey(VK_SHIFT);
  EXPECT_EQ(messages(dlg.mouse), (std::vector<UINT>{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}));
  ASSERT_EQ(dlg.mouse.size(), 3u);
  EXPECT_EQ(dlg.mouse[0].flags, static_cast<UINT>(MK_LBUTTON | MK_SHIFT));
  EXPECT_FALSE(dlg.mouse[2].overCanvas);
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);

  // A double click comes only when asked for.
  dlg.mouse.clear();
  user().doubleClick(user().toScreen(dlg.m_canvas, from));
  EXPECT_EQ(messages(dlg.mouse), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
}

TEST_F(DialogTest, CursorOverEveryControlComesFromTheDialog) {
  user().moveMouse(centreOf(item(kEditText)));
  EXPECT_EQ(GetCursor(), AfxGetApp()->LoadCursor(kCursorSelect));
  dlg.mouseMode = 1;
  user().moveMouse(centreOf(dlg.m_canvas));
  EXPECT_EQ(GetCursor(), AfxGetApp()->LoadCursor(kCursorMove));
  ASSERT_NE(GetCursor(), nullptr);
  EXPECT_EQ(GetCursor()->hotSpot, CPoint(1, 1));
  {
    CWaitCursor busy;
    EXPECT_EQ(app.shownCursor(), app.LoadStandardCursor(IDC_WAIT));
  }
  EXPECT_EQ(app.shownCursor(), AfxGetApp()->LoadCursor(kCursorMove));
}

TEST_F(DialogTest, RightClickOnTheCanvasOpensTheScriptedPopup) {
  script().queuePopupCommand(kSwitchSel);
  const CPoint at = user().toScreen(dlg.m_canvas, CPoint(20, 20));
  user().click(at, MouseButton::Right);
  ASSERT_EQ(script().popups.size(), 1u);
  const PopupMenuRequest& popup = script().popups[0];
  EXPECT_EQ(popup.screenPoint, at);
  EXPECT_EQ(popup.owner, dlg.m_canvas.m_hWnd);
  ASSERT_EQ(popup.items.size(), 4u);
  EXPECT_EQ(popup.items[1].text, L"Switch Selection");
  EXPECT_TRUE(popup.items[2].separator);
  EXPECT_TRUE(popup.items[3].grayed);
  EXPECT_EQ(dlg.m_canvas.commands, std::vector<UINT>{kSwitchSel});

  // Dismissed, or a grayed command: nothing reaches the canvas.
  script().queuePopupCommand(0);
  script().queuePopupCommand(kGrayed);
  user().click(at, MouseButton::Right);
  user().click(at, MouseButton::Right);
  EXPECT_EQ(dlg.m_canvas.commands.size(), 1u);
  // A right click beside the canvas opens nothing.
  user().clickAt(dlg, CPoint(5, 280), MouseButton::Right);
  EXPECT_EQ(dlg.contextMenus.size(), 4u);
  EXPECT_EQ(script().popups.size(), 3u);
}

TEST_F(DialogTest, TimerFiresOnTheVirtualClock) {
  ASSERT_EQ(dlg.SetTimer(kTimerId, 100), static_cast<UINT_PTR>(kTimerId));
  const auto ticksAfter = [&](std::uint64_t ms) {
    app.advanceClock(ms);
    return dlg.timerTicks;
  };
  EXPECT_EQ(ticksAfter(99), 0);
  EXPECT_EQ(ticksAfter(1), 1);
  EXPECT_EQ(ticksAfter(1000), 11);
  dlg.SetTimer(kTimerId, 250);  // a new period counts from now
  EXPECT_EQ(ticksAfter(249), 11);
  EXPECT_EQ(ticksAfter(1), 12);
  EXPECT_TRUE(dlg.KillTimer(kTimerId));
  EXPECT_FALSE(dlg.KillTimer(kTimerId));
  EXPECT_EQ(ticksAfter(10000), 12);
}

TEST_F(DialogTest, MenuBarCommandsAndDialogKeys) {
  EXPECT_TRUE(user().chooseMenuCommand(dlg, kZoomOut));
  EXPECT_FALSE(user().chooseMenuCommand(dlg, kSetBad));  // not in this window's menu
  EXPECT_EQ(dlg.log, std::vector<std::string>{"menu 9202"});

  // Tab moves to the next tab stop; Enter presses the default button (OK), which reads
  // the controls and hides the modeless dialog.
  user().tapKey(VK_TAB);
  EXPECT_EQ(CWnd::GetFocus(), &item(kIconButton));
  user().tapKey(VK_RETURN);
  EXPECT_EQ(dlg.okCalls, 1);
  EXPECT_FALSE(dlg.IsWindowVisible());
  dlg.ShowWindow(SW_SHOW);
  user().tapKey(VK_ESCAPE);
  EXPECT_EQ(dlg.cancelCalls, 1);
  dlg.ShowWindow(SW_SHOW);
  dlg.SendMessage(WM_CLOSE);
  EXPECT_EQ(dlg.cancelCalls, 2);
  EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
  // Enter in the multi-line text box is a line break, not OK.
  item(kRich).SetFocus();
  user().typeText(L"a\nb");
  EXPECT_EQ(item(kRich).GetWindowText(), L"a\nb");
  EXPECT_EQ(static_cast<CRichEditCtrl&>(item(kRich)).GetLineCount(), 2);
  EXPECT_EQ(dlg.okCalls, 1);
}

TEST_F(DialogTest, ArrowKeysOnTheFocusedCanvasArePreTranslated) {
  dlg.m_canvas.SetFocus();
  user().tapKey(VK_RIGHT);
  user().tapKey(VK_NUMPAD4);
  EXPECT_EQ(dlg.m_canvas.preTranslatedKeys, (std::vector<UINT>{VK_RIGHT, VK_NUMPAD4}));
  EXPECT_EQ(dlg.m_canvas.keyDowns, (std::vector<UINT>{VK_RIGHT, VK_NUMPAD4}));
}

TEST_F(DialogTest, InvalidationPaintsOnceAndHiddenWindowsNotAtAll) {
  app.pumpUntilIdle();
  const int before = dlg.m_canvas.paints;
  dlg.m_canvas.Invalidate(FALSE);
  dlg.m_canvas.Invalidate(FALSE);
  CRect pending;
  EXPECT_TRUE(dlg.m_canvas.GetUpdateRect(&pending));
  app.pumpUntilIdle();
  EXPECT_EQ(dlg.m_canvas.paints, before + 1);
  EXPECT_FALSE(dlg.m_canvas.GetUpdateRect(&pending));
  // A repainted dialog repaints its children over it.
  dlg.Invalidate();
  app.pumpUntilIdle();
  EXPECT_EQ(dlg.m_canvas.paints, before + 2);
  dlg.ShowWindow(SW_HIDE);
  dlg.m_canvas.Invalidate();
  app.pumpUntilIdle();
  EXPECT_EQ(dlg.m_canvas.paints, before + 2);
  EXPECT_FALSE(dlg.m_canvas.IsWindowVisible());
}

TEST_F(DialogTest, ResizingSendsTheNewClientSize) {
  struct Sized : CWnd {
    CSize last;
    void OnSize(UINT, int cx, int cy) override { last = CSize(cx, cy); }
  } child;
  ASSERT_TRUE(child.Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 266, 60, 296), &dlg, 500));
  EXPECT_EQ(child.last, CSize(48, 28));
  child.MoveWindow(10, 266, 100, 30);
  EXPECT_EQ(child.last, CSize(98, 28));
  EXPECT_EQ(dlg.ChildWindowFromPoint(CPoint(15, 270)), &child);
  EXPECT_EQ(dlg.ChildWindowFromPoint(CPoint(15, 15)), &item(kApply));
  EXPECT_EQ(dlg.ChildWindowFromPoint(CPoint(449, 299)), &dlg);
  EXPECT_EQ(dlg.ChildWindowFromPoint(CPoint(450, 10)), nullptr);
  CPoint p(3, 4);
  child.ClientToScreen(&p);
  dlg.ScreenToClient(&p);
  EXPECT_EQ(p, CPoint(14, 271));
}

TEST_F(DialogTest, DestroyingTheDialogDetachesMembersAndDropsItsMessages) {
  dlg.SetTimer(kTimerId, 100);
  dlg.PostMessage(WM_COMMAND, MAKEWPARAM(kApply, BN_CLICKED), 0);
  CWnd* combo = dlg.GetDlgItem(kCombo);
  EXPECT_EQ(combo, &dlg.m_combo);
  dlg.DestroyWindow();
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_EQ(dlg.m_canvas.m_hWnd, nullptr);
  EXPECT_EQ(dlg.m_combo.GetCurSel(), CB_ERR);
  app.advanceClock(1000);
  EXPECT_TRUE(dlg.log.empty());
  EXPECT_EQ(dlg.timerTicks, 0);
  EXPECT_EQ(app.timers().size(), 0u);
  // It can be made again from the same template.
  ASSERT_TRUE(dlg.Create(kTemplate));
  EXPECT_EQ(dlg.initCalls, 2);
  EXPECT_FALSE(dlg.Create(kTemplate));
}

}  // namespace
}  // namespace testdlg
