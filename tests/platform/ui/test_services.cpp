// The resource chain, the message loop and timers, and the scripted service face:
// message boxes, file and font dialogs, pop-up menus and modal dialogs.
#include "tests/platform/ui/TestDialog.h"

#include "platform/gdi/CFont.h"

#include <dlfcn.h>

#include <cwchar>

namespace testdlg {
namespace {

TEST(ResourceChain, LibraryJoinsOnLoadAndLeavesOnUnload) {
  CWinApp app;
  EXPECT_EQ(ResourceChain::instance().findDialog(9501), nullptr);
  void* lib = dlopen(SPCTM_TEST_RESOURCE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(lib, nullptr) << dlerror();
  const DialogTemplate* t = ResourceChain::instance().findDialog(9501);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->caption, L"From the library");
  ASSERT_EQ(ResourceChain::instance().libraries().size(), 1u);
  EXPECT_FALSE(ResourceChain::instance().libraries()[0]->m_bSystem);
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(9502));
  CString text;
  menu.GetMenuString(2117, text, MF_BYCOMMAND);
  EXPECT_EQ(text, L"Root Strip");

  // The application's own module is searched first.
  EXPECT_EQ(ResourceChain::instance().findDialog(kTemplate)->caption, L"Shadowed");
  AfxSetResourceHandle(&testResources());
  EXPECT_EQ(ResourceChain::instance().findDialog(kTemplate)->caption, L"Test Dialog");
  AfxSetResourceHandle(nullptr);

  // A dialog made from the library's template.
  CDialog dlg;
  ASSERT_TRUE(dlg.Create(9501));
  EXPECT_EQ(dlg.GetWindowText(), L"From the library");
  dlg.DestroyWindow();

  dlclose(lib);
  EXPECT_EQ(ResourceChain::instance().findDialog(9501), nullptr);
  EXPECT_TRUE(ResourceChain::instance().libraries().empty());
  EXPECT_FALSE(dlg.Create(9501));  // a clear failure, not a crash
  EXPECT_FALSE(menu.LoadMenu(9502));
}

TEST(ResourceChain, ExtensionModuleNeedsAModuleAndStandardCursorsAreAlwaysThere) {
  AFX_EXTENSION_MODULE state;
  EXPECT_FALSE(AfxInitExtensionModule(state, nullptr));
  ResourceModule module(L"m");
  ASSERT_TRUE(AfxInitExtensionModule(state, &module));
  auto* lib = new CDynLinkLibrary(state);
  EXPECT_EQ(lib->m_hResource, &module);
  AfxTermExtensionModule(state);
  EXPECT_TRUE(ResourceChain::instance().libraries().empty());
  for (UINT id : {IDC_ARROW, IDC_WAIT, IDC_IBEAM, IDC_CROSS, IDC_HAND}) {
    HCURSOR c = LoadCursor(nullptr, id);
    ASSERT_NE(c, nullptr) << id;
    EXPECT_EQ(c->argb.size(), static_cast<size_t>(c->width * c->height));
    EXPECT_TRUE(CRect(0, 0, c->width, c->height).PtInRect(c->hotSpot)) << id;
  }
}

TEST(PixelArt, PadsShortRowsWithTransparency) {
  int w = 0, h = 0;
  const auto px = ImageResource::pixelArt({"ab", "a"}, {{'a', 1u}, {'b', 2u}}, w, h);
  EXPECT_EQ(w, 2);
  EXPECT_EQ(h, 2);
  EXPECT_EQ(px, (std::vector<std::uint32_t>{1u, 2u, 1u, 0u}));
}

TEST(Timers, EarliestFirstTiesInSettingOrderAndAMinimumPeriod) {
  TimerTable t;
  const auto a = reinterpret_cast<HWND>(1), b = reinterpret_cast<HWND>(2);
  t.set(a, 1, 100, 0);
  t.set(b, 1, 50, 50);
  t.set(a, 2, 0, 0);  // raised to 10 ms
  EXPECT_EQ(t.nextDue(5), std::nullopt);
  EXPECT_EQ(t.nextDue(1000)->id, 2u);
  t.reschedule(a, 2, 10);
  t.kill(a, 2);
  auto next = t.nextDue(1000);
  ASSERT_TRUE(next);
  EXPECT_EQ(next->hwnd, a);  // both due at 100; a was set first
  EXPECT_EQ(next->due, 100u);
  t.killAll(a);
  EXPECT_EQ(t.nextDue(1000)->hwnd, b);
  EXPECT_FALSE(t.isRunning(a, 1));
}

// A plain window that records the messages it handles.
struct Recorder : CWnd {
  std::vector<UINT> seen;
  bool swallowKeys = false;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message >= WM_USER || message == WM_KEYDOWN) seen.push_back(message);
    if (message == WM_USER + 1) SendMessage(WM_USER + 2);  // sent: handled at once
    if (message == WM_USER + 3) PostMessage(WM_USER + 4);  // posted: after the queue
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
  }
  BOOL PreTranslateMessage(MSG* pMsg) override { return swallowKeys && pMsg->message == WM_KEYDOWN; }
};

TEST(MessageLoop, SentMessagesRunAtOncePostedOnesInOrder) {
  CWinApp app;
  Recorder w;
  ASSERT_TRUE(w.Create(nullptr, L"w", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0));
  w.PostMessage(WM_USER + 3);
  w.PostMessage(WM_USER + 1);
  w.PostMessage(WM_USER + 5);
  EXPECT_EQ(app.queuedMessages(), 3u);
  app.pumpUntilIdle();
  EXPECT_EQ(w.seen, (std::vector<UINT>{WM_USER + 3, WM_USER + 1, WM_USER + 2, WM_USER + 5, WM_USER + 4}));

  // PreTranslateMessage sees a key first and may stop it.
  w.seen.clear();
  w.SetFocus();
  app.input().tapKey(VK_LEFT);
  w.swallowKeys = true;
  app.input().tapKey(VK_LEFT);
  EXPECT_EQ(w.seen, std::vector<UINT>{WM_KEYDOWN});

  // Messages for a window that is gone are dropped; sending to it gives 0.
  w.PostMessage(WM_USER + 9);
  const HWND dead = w.m_hWnd;
  w.DestroyWindow();
  app.pumpUntilIdle();
  EXPECT_EQ(app.sendMessage(dead, WM_USER + 9), 0);
  EXPECT_FALSE(w.PostMessage(WM_USER + 9));
}

TEST(MessageLoop, FocusAndCaptureFollowTheirWindows) {
  CWinApp app;
  CWnd top, a, b;
  ASSERT_TRUE(top.Create(nullptr, L"top", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  ASSERT_TRUE(a.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &top, 1));
  ASSERT_TRUE(b.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 0, 20, 10), &top, 2));
  EXPECT_EQ(a.SetFocus(), nullptr);
  EXPECT_EQ(b.SetFocus(), &a);
  EXPECT_EQ(CWnd::GetFocus(), &b);
  a.SetCapture();
  EXPECT_EQ(CWnd::GetCapture(), &a);
  a.EnableWindow(FALSE);  // disabling releases the capture
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  b.DestroyWindow();
  EXPECT_EQ(CWnd::GetFocus(), nullptr);
  EXPECT_EQ(top.GetDlgItem(1), &a);
  EXPECT_EQ(top.GetDlgItem(2), nullptr);
  EXPECT_FALSE(a.IsWindowEnabled());
  EXPECT_TRUE(a.EnableWindow(TRUE));  // it was disabled
}

TEST_F(DialogTest, MessageBoxesRecordAndAnswerFromTheScript) {
  EXPECT_EQ(AfxMessageBox(L"Spectral data range error!"), IDOK);
  script().queueMessageBoxAnswer(IDNO);
  EXPECT_EQ(AfxMessageBox(L"Would you like to reset the data?!", MB_YESNO), IDNO);
  EXPECT_EQ(AfxMessageBox(L"Again?", MB_YESNO), IDYES);  // the default: the first button
  EXPECT_EQ(dlg.MessageBox(L"Owned", L"Caption", MB_OKCANCEL), IDOK);
  ASSERT_EQ(script().messageBoxes.size(), 4u);
  EXPECT_EQ(script().messageBoxes[1].text, L"Would you like to reset the data?!");
  EXPECT_EQ(script().messageBoxes[1].type, static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(script().messageBoxes[3].owner, dlg.m_hWnd);
  EXPECT_EQ(script().messageBoxes[3].caption, L"Caption");
}

TEST_F(DialogTest, FileDialogTakesThePresetPathOrCancel) {
  CFileDialog save(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                   L"Text file (*.doc)|*.doc|All Files(*.*)|*.*||", &dlg);
  EXPECT_EQ(save.DoModal(), IDCANCEL);  // nothing scripted
  script().queueFilePath(L"/tmp/data/run");
  ASSERT_EQ(save.DoModal(), IDOK);
  EXPECT_EQ(save.GetPathName(), L"/tmp/data/run");
  EXPECT_EQ(save.GetFileName(), L"run");
  EXPECT_EQ(save.GetFileExt(), L"");
  const FileDialogRequest& asked = script().fileDialogs.back();
  EXPECT_FALSE(asked.open);
  EXPECT_EQ(asked.flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  ASSERT_EQ(asked.filters.size(), 2u);
  EXPECT_EQ(asked.filters[0], (std::pair<CString, CString>(L"Text file (*.doc)", L"*.doc")));
  EXPECT_EQ(asked.filters[1].second, L"*.*");

  CFileDialog withExt(FALSE, L"txt");
  script().queueFilePath(L"C:\\a.doc\\b");
  ASSERT_EQ(withExt.DoModal(), IDOK);
  EXPECT_EQ(withExt.GetPathName(), L"C:\\a.doc\\b.txt");
  script().queueFileCancel();
  EXPECT_EQ(withExt.DoModal(), IDCANCEL);
}

TEST_F(DialogTest, FontDialogTakesThePresetFontAndColour) {
  LOGFONT record;
  record.lfHeight = -16;  // 12 points
  std::wcscpy(record.lfFaceName, L"Arial");
  CFontDialog fonts(&record);
  fonts.m_cf.rgbColors = RGB(255, 255, 125);
  EXPECT_EQ(fonts.DoModal(), IDCANCEL);
  const FontDialogRequest& asked = script().fontDialogs[0];
  EXPECT_EQ(asked.initial.color, RGB(255, 255, 125));
  EXPECT_EQ(asked.initial.faceName, L"Arial");
  EXPECT_EQ(asked.initial.pointSizeTenths, 120);
  EXPECT_EQ(record.lfHeight, -16);  // untouched on cancel

  FontChoice chosen = asked.initial;
  chosen.faceName = L"Liberation Serif";
  chosen.pointSizeTenths = 90;
  chosen.weight = FW_BOLD;
  chosen.color = RGB(0, 128, 255);
  script().queueFont(chosen);
  ASSERT_EQ(fonts.DoModal(), IDOK);
  EXPECT_EQ(fonts.GetFaceName(), L"Liberation Serif");
  EXPECT_EQ(fonts.GetSize(), 90);
  EXPECT_EQ(fonts.GetColor(), RGB(0, 128, 255));
  LOGFONT current;
  fonts.GetCurrentFont(&current);
  EXPECT_EQ(current.lfHeight, -12);
  EXPECT_EQ(current.lfWeight, FW_BOLD);
  EXPECT_EQ(std::wstring(record.lfFaceName), L"Liberation Serif");  // copied back on OK
  CFont font;
  EXPECT_TRUE(font.CreateFontIndirect(&current));

  // Without effects there is no colour to choose.
  CFontDialog plain(&record, CF_SCREENFONTS);
  plain.m_cf.rgbColors = RGB(1, 2, 3);
  script().queueFont(chosen);
  plain.DoModal();
  EXPECT_EQ(plain.GetColor(), RGB(1, 2, 3));
}

TEST_F(DialogTest, MenusLoadFromTemplatesAndTrackTheScriptedChoice) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(kMenu));
  ASSERT_EQ(menu.GetMenuItemCount(), 2u);
  CMenu* view = menu.GetSubMenu(0);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(menu.GetSubMenu(1)->GetMenuItemID(0), static_cast<UINT>(kCopy));
  EXPECT_EQ(view->GetMenuItemID(1), 0u);  // separator
  EXPECT_EQ(menu.GetMenuItemID(0), 0xFFFFFFFFu);  // popup
  EXPECT_EQ(menu.CheckMenuItem(kZoomOut, MF_BYCOMMAND | MF_CHECKED), static_cast<UINT>(MF_UNCHECKED));
  EXPECT_TRUE(view->entries()[2].checked);
  EXPECT_EQ(menu.CheckMenuItem(12345, MF_CHECKED), 0xFFFFFFFFu);

  script().queuePopupCommand(kZoomIn);
  EXPECT_EQ(view->TrackPopupMenu(TPM_RETURNCMD, 5, 6, &dlg), static_cast<BOOL>(kZoomIn));
  app.pumpUntilIdle();
  EXPECT_TRUE(dlg.log.empty());  // TPM_RETURNCMD sends nothing
  script().queuePopupCommand(kZoomIn);
  EXPECT_TRUE(view->TrackPopupMenu(TPM_LEFTALIGN, 5, 6, &dlg));
  app.pumpUntilIdle();
  EXPECT_EQ(dlg.log, std::vector<std::string>{"menu 9201"});
  script().queuePopupCommand(kCopy);  // not in this popup
  EXPECT_FALSE(view->TrackPopupMenu(TPM_LEFTALIGN, 5, 6, &dlg));

  CMenu built;
  ASSERT_TRUE(built.CreatePopupMenu());
  built.AppendMenu(MF_STRING, 7, L"Seven");
  built.AppendMenu(MF_SEPARATOR);
  built.AppendMenu(MF_STRING | MF_GRAYED, 8, L"Eight");
  EXPECT_EQ(built.GetMenuItemCount(), 3u);
  EXPECT_TRUE(built.entries()[2].grayed);
  EXPECT_TRUE(built.DestroyMenu());
  EXPECT_FALSE(built.AppendMenu(MF_STRING, 9, L"Nine"));
}

// A modal dialog from the same template: the script plays the person.
TEST_F(DialogTest, ModalDialogsNeverBlockAndDisableTheirOwner) {
  TestDialog modal(&dlg);
  bool ownerDisabledDuringRun = false;
  script().queueModalScript([&](CDialog& d) {
    ownerDisabledDuringRun = !dlg.IsWindowEnabled();
    // Moved aside, the modal dialog uncovers its owner, whose controls still take no
    // clicks while it runs.
    CRect r;
    d.GetWindowRect(&r);
    d.MoveWindow(800, 0, r.Width(), r.Height());
    app.input().clickControl(dlg, kApply);
    app.input().clickControl(d, kCheck);
    d.SetDlgItemText(kEditText, L"Typed");
    app.input().clickControl(d, IDOK);
  });
  EXPECT_EQ(modal.DoModal(), IDOK);
  EXPECT_TRUE(ownerDisabledDuringRun);
  EXPECT_TRUE(dlg.IsWindowEnabled());
  EXPECT_TRUE(dlg.log.empty());
  EXPECT_EQ(modal.m_check, 0);
  EXPECT_EQ(modal.m_text, L"Typed");
  EXPECT_EQ(modal.m_hWnd, nullptr);

  // Without a script the run ends at once with IDCANCEL.
  EXPECT_EQ(modal.DoModal(), IDCANCEL);
  EXPECT_EQ(script().modalDialogsRun, 2);
  CDialog missing(4242);
  EXPECT_EQ(missing.DoModal(), -1);
}

}  // namespace
}  // namespace testdlg
