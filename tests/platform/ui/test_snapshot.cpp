// Pictures of the test dialog: controls drawn in the platform's look, read back by pixel
// at known places, and written as PNG for a person to look at.
#include "platform/ui/CPaintDC.h"
#include "platform/ui/ControlLook.h"
#include "platform/ui/ControlProcs.h"

#include "tests/platform/ui/TestDialog.h"

#include <set>
#include <string>
#include <vector>

namespace testdlg {
namespace {

std::string outputPath(const char* name) { return std::string(SPCTM_TEST_OUTPUT_DIR) + "/" + name; }

// The colour shown at a point of a window's client area.
COLORREF shown(CWnd& wnd, CPoint client) {
  const PixelSurface* surface = windowSurface(wnd);
  CRect top;
  wnd.GetTopLevelParent()->GetWindowRect(&top);
  wnd.ClientToScreen(&client);
  return surface ? surface->colorAt(client.x - top.left, client.y - top.top) : CLR_INVALID;
}

// Paints its client area red through a paint DC and tries to draw far outside it.
struct RedCanvas : CWnd {
  int paints = 0;
  CRect lastPaint;
  void OnPaint() override {
    CPaintDC dc(this);
    ++paints;
    lastPaint = dc.m_ps.rcPaint;
    dc.FillSolidRect(-50, -50, 1000, 1000, RGB(255, 0, 0));
  }
};

TEST_F(DialogTest, SnapshotShowsEveryControl) {
  dlg.SetDlgItemText(kRich, L"Dataset_Name Trial_Number  TimeB  TimeE\nS T 10 20 3 5 0.000000\nsecond line");
  dlg.SetDlgItemText(kReadOnly, L"1.500");
  std::string error;
  ASSERT_TRUE(writeWindowPng(dlg, outputPath("platform_test_dialog.png"), &error)) << error;
  ASSERT_TRUE(user().clickControlPart(dlg, kCombo, comboButtonRect));
  ASSERT_TRUE(writeWindowPng(dlg, outputPath("platform_test_dialog_combo_open.png"), &error)) << error;
  EXPECT_FALSE(writeWindowPng(dlg, "/nonexistent-dir/x.png", &error));
  EXPECT_FALSE(error.empty());
}

TEST_F(DialogTest, CheckBoxShowsItsStateInsideItsFrame) {
  CWnd& check = item(kCheck);
  CRect client;
  check.GetClientRect(&client);
  const int top = (client.Height() - 13) / 2;  // the 13-pixel box, centred vertically
  EXPECT_EQ(shown(check, CPoint(0, top + 6)), look::kFrame);
  EXPECT_EQ(shown(check, CPoint(12, top + 6)), look::kFrame);
  EXPECT_EQ(shown(check, CPoint(2, top + 2)), look::kWindow);  // guard inside the box
  EXPECT_EQ(shown(check, CPoint(5, top + 9)), look::kText);    // the mark's corner
  user().clickControl(dlg, kCheck);
  EXPECT_EQ(shown(check, CPoint(5, top + 9)), look::kWindow);
  // The focused box takes the accent colour on its frame.
  EXPECT_EQ(shown(check, CPoint(0, top + 6)), look::kAccent);
}

TEST_F(DialogTest, PaintDCIsClippedToTheWindowAndItsUpdate) {
  RedCanvas canvas;
  ASSERT_TRUE(canvas.Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 266, 60, 296), &dlg, 600));
  app.pumpUntilIdle();
  EXPECT_EQ(canvas.paints, 1);
  EXPECT_EQ(shown(canvas, CPoint(0, 0)), RGB(255, 0, 0));
  EXPECT_EQ(shown(canvas, CPoint(47, 27)), RGB(255, 0, 0));
  // Guards: its border, and the dialog around it, stay as they were.
  EXPECT_EQ(shown(canvas, CPoint(-1, 5)), look::kFrame);
  EXPECT_EQ(shown(canvas, CPoint(48, 5)), look::kFrame);
  EXPECT_EQ(shown(dlg, CPoint(8, 276)), look::kFace);
  EXPECT_EQ(shown(dlg, CPoint(62, 276)), look::kFace);

  // A part invalidated alone is the only part painted again.
  CClientDC client(&canvas);
  client.FillSolidRect(0, 0, 48, 28, RGB(0, 0, 255));
  const CRect part(10, 5, 20, 15);
  canvas.InvalidateRect(&part, FALSE);
  app.pumpUntilIdle();
  EXPECT_EQ(canvas.lastPaint, part);
  EXPECT_EQ(shown(canvas, CPoint(10, 5)), RGB(255, 0, 0));
  EXPECT_EQ(shown(canvas, CPoint(19, 14)), RGB(255, 0, 0));
  EXPECT_EQ(shown(canvas, CPoint(9, 5)), RGB(0, 0, 255));
  EXPECT_EQ(shown(canvas, CPoint(20, 14)), RGB(0, 0, 255));
}

TEST_F(DialogTest, OpenComboListLiesOverTheDialogAndGoesWhenClosed) {
  dlg.m_combo.SetCurSel(1);
  ASSERT_TRUE(user().clickControlPart(dlg, kCombo, comboButtonRect));
  const WindowRecord* combo = app.record(dlg.m_combo.m_hWnd);
  const CRect current = comboListItemRect(*combo, 1);
  const CRect other = comboListItemRect(*combo, 2);
  const CPoint atCurrent(current.right - 3, current.top + 2);
  const CPoint atOther(other.right - 3, other.top + 2);
  EXPECT_EQ(shown(dlg.m_combo, atCurrent), look::kAccent);
  EXPECT_EQ(shown(dlg.m_combo, atOther), look::kWindow);
  user().tapKey(VK_ESCAPE);  // closes the list, not the dialog
  EXPECT_TRUE(dlg.IsWindowVisible());
  EXPECT_EQ(shown(dlg.m_combo, atCurrent), look::kFace);
  EXPECT_EQ(dlg.selChanges.size(), 0u);
}

// The rows in which a control's picture with `marked` differs from its picture with `plain`.
std::set<int> rowsThatDiffer(CDialog& dlg, int id, const wchar_t* plain, const wchar_t* marked) {
  CWnd& control = *dlg.GetDlgItem(id);
  CRect client;
  control.GetClientRect(&client);
  const auto picture = [&](const wchar_t* text) {
    control.SetWindowText(text);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.Height(); ++y)
      for (int x = 0; x < client.Width(); ++x) pixels.push_back(shown(control, CPoint(x, y)));
    return pixels;
  };
  const std::vector<COLORREF> a = picture(plain), b = picture(marked);
  std::set<int> rows;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) rows.insert(static_cast<int>(i) / client.Width());
  return rows;
}

TEST_F(DialogTest, LabelsUnderlineTheirAccessKeyWhileEditsShowTheAmpersand) {
  // A button's "&Yes" reads "Yes" with the Y underlined: one or two rows differ, under the text.
  const std::set<int> button = rowsThatDiffer(dlg, kApply, L"Yes", L"&Yes");
  ASSERT_FALSE(button.empty());
  EXPECT_LE(button.size(), 2u);
  // An edit's text is data: the ampersand is a character of it, drawn over the glyphs' height.
  EXPECT_GT(rowsThatDiffer(dlg, kEditText, L"Yes", L"&Yes").size(), 4u);
}

TEST_F(DialogTest, CaptionCarriesTheTitleOnItsBar) {
  const PixelSurface* surface = windowSurface(dlg);
  ASSERT_NE(surface, nullptr);
  CRect window;
  dlg.GetWindowRect(&window);
  EXPECT_EQ(surface->width(), window.Width());
  EXPECT_EQ(surface->colorAt(0, 0), look::kFrame);
  EXPECT_EQ(surface->colorAt(window.Width() - 3, 3), look::kCaption);
  // Some pixels of the title differ from the bar: the text is there.
  int ink = 0;
  for (int x = 20; x < 120; ++x) ink += surface->colorAt(x, 12) != look::kCaption ? 1 : 0;
  EXPECT_GT(ink, 5);
}

}  // namespace
}  // namespace testdlg

namespace testdlg {
namespace {

TEST_F(DialogTest, WideTextScrollsSidewaysAndTheCaretLineIntoView) {
  auto& rich = static_cast<CRichEditCtrl&>(item(kRich));
  std::wstring text;
  for (int line = 0; line < 20; ++line) text += std::wstring(40, L'W') + std::wstring(150, L' ') + L"\n";
  rich.SetWindowText(text.c_str());
  app.pumpUntilIdle();
  CRect client;
  rich.GetClientRect(&client);
  const auto inked = [&] {
    for (int y = 2; y < client.bottom - 2; ++y)
      for (int x = 1; x < client.right - 1; ++x)
        if (shown(rich, CPoint(x, y)) != look::kWindow) return true;
    return false;
  };
  const CPoint thumbLeft(kScrollBarSize + 3, client.bottom + 8);
  const CPoint thumbRight(client.right - kScrollBarSize - 4, client.bottom + 8);
  EXPECT_TRUE(inked());
  EXPECT_EQ(shown(rich, thumbLeft), look::kThumb);
  // Pages to the right until only the blanks at the lines' ends are in view.
  for (int i = 0; i < 10; ++i) user().clickAt(rich, thumbRight);
  EXPECT_FALSE(inked());
  EXPECT_EQ(shown(rich, thumbRight), look::kThumb);
  EXPECT_NE(shown(rich, thumbLeft), look::kThumb);
  user().clickAt(rich, CPoint(4, client.bottom + 8));  // the left arrow moves a little back
  EXPECT_NE(shown(rich, thumbRight), look::kThumb);

  // The caret at the end brings the last line into view, at the start the first.
  CClientDC dc(&rich);
  TEXTMETRIC tm;
  ASSERT_TRUE(dc.GetTextMetrics(&tm));
  const int visible = client.Height() / tm.tmHeight;
  rich.SetSel(-1, -1);
  rich.SendMessage(EM_SCROLLCARET);
  EXPECT_EQ(rich.GetFirstVisibleLine(), 20 - visible + 1);
  rich.SetSel(0, 0);
  rich.SendMessage(EM_SCROLLCARET);
  EXPECT_EQ(rich.GetFirstVisibleLine(), 0);
}

}  // namespace
}  // namespace testdlg
