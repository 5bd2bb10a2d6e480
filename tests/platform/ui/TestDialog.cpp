#include "tests/platform/ui/TestDialog.h"

namespace testdlg {

namespace {

DialogItemTemplate control(ControlClass cls, int id, const wchar_t* caption, int x, int y, int cx, int cy,
                           DWORD style) {
  return {cls, id, caption, x, y, cx, cy, WS_CHILD | WS_VISIBLE | style};
}

ResourceModule buildResources() {
  ResourceModule m(L"test");
  DialogTemplate t;
  t.id = kTemplate;
  t.caption = L"Test Dialog";
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_SETFONT;
  t.cx = 300;
  t.cy = 200;
  t.fontFace = L"MS Shell Dlg";
  t.pointSize = 8;
  t.menuId = kMenu;
  using C = ControlClass;
  t.items = {
      control(C::Button, kApply, L"Apply", 7, 7, 50, 14, BS_PUSHBUTTON | WS_TABSTOP),
      control(C::Button, kIconButton, L"setting", 60, 5, 35, 19, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP),
      control(C::Button, kCheck, L"Select...", 100, 9, 50, 10, BS_AUTOCHECKBOX | WS_TABSTOP),
      control(C::Button, -1, L"Color Scale", 7, 26, 150, 25, BS_GROUPBOX),
      control(C::Button, kRadio256, L"256", 16, 37, 33, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP),
      control(C::Button, kRadio512, L"512", 60, 37, 33, 10, BS_AUTORADIOBUTTON),
      control(C::Button, kRadio1024, L"1024", 104, 37, 40, 10, BS_AUTORADIOBUTTON),
      control(C::Edit, kEditInt, L"", 7, 56, 60, 14, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP),
      control(C::Edit, kEditInt64, L"", 70, 56, 80, 14, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP),
      control(C::Edit, kEditDouble, L"", 153, 56, 60, 14, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP),
      control(C::Edit, kEditText, L"", 216, 56, 77, 14, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP),
      control(C::ComboBox, kCombo, L"", 160, 7, 80, 60, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP),
      control(C::ScrollBar, kScroll, L"", 7, 76, 286, 11, SBS_HORZ),
      control(C::UpDown, kSpinVert, L"", 250, 5, 11, 18, UDS_ARROWKEYS),
      control(C::UpDown, kSpinHorz, L"", 265, 5, 17, 18, UDS_ARROWKEYS | UDS_HORZ),
      control(C::Static, kLabelCentre, L"Select Low:0.000", 7, 90, 140, 8, SS_CENTER),
      control(C::Static, kLabelRight, L"Trial Max", 150, 90, 62, 8, SS_RIGHT),
      control(C::Edit, kReadOnly, L"", 216, 88, 77, 14, WS_BORDER | ES_READONLY),
      control(C::Static, kCanvas, L"", 7, 106, 140, 70, SS_LEFT | WS_BORDER),
      control(C::RichEdit, kRich, L"", 153, 106, 140, 70,
              WS_BORDER | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP),
      control(C::Button, IDOK, L"OK", 190, 182, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP),
      control(C::Button, IDCANCEL, L"Cancel", 243, 182, 50, 14, BS_PUSHBUTTON | WS_TABSTOP),
  };
  m.addDialog(t);

  using M = MenuItemTemplate;
  m.addMenu({kMenu,
             {M::popupOf(L"View", {M::command(L"Zoom In", kZoomIn), M::separatorLine(), M::command(L"Zoom Out", kZoomOut)}),
              M::popupOf(L"Edit", {M::command(L"Copy", kCopy)})}});
  m.addMenu({kCanvasMenu,
             {M::popupOf(L"Canvas", {M::command(L"Set Bad Sensor", kSetBad), M::command(L"Switch Selection", kSwitchSel),
                                     M::separatorLine(), M::command(L"Disabled", kGrayed)})}});

  const std::map<char, std::uint32_t> palette = {{'#', 0xFF000000u}, {'o', 0xFFFFFFFFu}, {'r', 0xFFFF0000u}};
  CursorResource select;
  select.id = kCursorSelect;
  select.hotSpot = CPoint(1, 1);
  select.argb = ImageResource::pixelArt({"##", "#o#", "#oo#", "####"}, palette, select.width, select.height);
  m.addCursor(select);
  CursorResource move = select;
  move.id = kCursorMove;
  m.addCursor(move);
  IconResource icon;
  icon.id = kIcon;
  icon.argb = ImageResource::pixelArt({"rrrr", "r..r", "r..r", "rrrr"}, palette, icon.width, icon.height);
  m.addIcon(icon);
  return m;
}

}  // namespace

ResourceModule& testResources() {
  static ResourceModule module = buildResources();
  return module;
}

BEGIN_MESSAGE_MAP(TestCanvas, CStatic)
  ON_COMMAND(kSetBad, &TestCanvas::OnSetBad)
  ON_COMMAND(kSwitchSel, &TestCanvas::OnSwitchSel)
END_MESSAGE_MAP()

BOOL TestCanvas::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) preTranslatedKeys.push_back(static_cast<UINT>(pMsg->wParam));
  return CStatic::PreTranslateMessage(pMsg);
}

void TestCanvas::OnPaint() {
  ++paints;
  Default();
}

void TestCanvas::OnKeyDown(UINT nChar, UINT, UINT) {
  keyDowns.push_back(nChar);
  Default();
}

BEGIN_MESSAGE_MAP(TestDialog, CDialogEx)
  ON_BN_CLICKED(kApply, &TestDialog::OnApply)
  ON_BN_CLICKED(kCheck, &TestDialog::OnCheck)
  ON_BN_CLICKED(kRadio256, &TestDialog::OnRadio)
  ON_BN_CLICKED(kRadio512, &TestDialog::OnRadio)
  ON_BN_CLICKED(kRadio1024, &TestDialog::OnRadio)
  ON_EN_CHANGE(kEditInt, &TestDialog::OnIntChange)
  ON_CBN_SELCHANGE(kCombo, &TestDialog::OnComboChange)
  ON_NOTIFY(UDN_DELTAPOS, kSpinVert, &TestDialog::OnDelta)
  ON_NOTIFY(UDN_DELTAPOS, kSpinHorz, &TestDialog::OnDelta)
  ON_COMMAND_RANGE(kZoomIn, kCopy, &TestDialog::OnMenu)
END_MESSAGE_MAP()

void TestDialog::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, kCanvas, m_canvas);
  DDX_Control(pDX, kCombo, m_combo);
  DDX_Control(pDX, kScroll, m_scroll);
  DDX_Check(pDX, kCheck, m_check);
  DDX_Radio(pDX, kRadio256, m_radio);
  DDX_Text(pDX, kEditInt, m_int);
  DDX_Text(pDX, kEditInt64, m_int64);
  DDX_Text(pDX, kEditDouble, m_double);
  DDX_Text(pDX, kEditText, m_text);
  DDX_CBIndex(pDX, kCombo, m_comboIndex);
}

BOOL TestDialog::OnInitDialog() {
  ++initCalls;
  CDialogEx::OnInitDialog();
  SetIcon(AfxGetApp()->LoadIcon(kIcon), TRUE);
  static_cast<CButton*>(GetDlgItem(kIconButton))->SetIcon(AfxGetApp()->LoadIcon(kIcon));
  const wchar_t* kinds[] = {L"Real Data", L"Imag Data", L"Power/Phase"};
  for (int i = 0; i < 3; ++i) m_combo.SetItemData(m_combo.AddString(kinds[i]), 10 * (i + 1));
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  si.nMin = 0;
  si.nMax = 1024;
  si.nPage = 102;
  si.nPos = 512;
  m_scroll.SetScrollInfo(&si);
  UpdateData(FALSE);
  return TRUE;
}

void TestDialog::OnOK() {
  ++okCalls;
  CDialogEx::OnOK();
}

void TestDialog::OnCancel() {
  ++cancelCalls;
  CDialogEx::OnCancel();
}

void TestDialog::OnDelta(NMHDR* pNMHDR, LRESULT* pResult) {
  auto* nm = reinterpret_cast<NMUPDOWN*>(pNMHDR);
  deltas.emplace_back(static_cast<int>(pNMHDR->idFrom), nm->iDelta);
  *pResult = 0;
}

void TestDialog::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  if (pScrollBar != &m_scroll) return;
  scrolls.emplace_back(nSBCode, nPos);
  int lo = 0, hi = 0;
  m_scroll.GetScrollRange(&lo, &hi);
  SCROLLINFO si;
  m_scroll.GetScrollInfo(&si, SIF_PAGE);
  const int page = static_cast<int>(si.nPage);
  int p = m_scroll.GetScrollPos();
  switch (nSBCode) {
    case SB_LINELEFT: if (p > lo) --p; break;
    case SB_LINERIGHT: if (p < hi) ++p; break;
    case SB_PAGELEFT: p = std::max(p - page, lo); break;
    case SB_PAGERIGHT: p = std::min(p + page, hi); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: p = static_cast<int>(nPos); break;
    case SB_LEFT: p = lo; break;
    case SB_RIGHT: p = hi; break;
    default: return;
  }
  m_scroll.SetScrollPos(p);
}

void TestDialog::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kTimerId) ++timerTicks;
}

void TestDialog::record(UINT message, UINT flags, CPoint point) {
  mouse.push_back({message, flags, point, ChildWindowFromPoint(point) == &m_canvas, GetCapture() == this});
}

void TestDialog::OnLButtonDown(UINT nFlags, CPoint point) {
  record(WM_LBUTTONDOWN, nFlags, point);
  if (ChildWindowFromPoint(point) == &m_canvas) {
    SetCapture();
    m_canvas.SetFocus();
  }
  CDialogEx::OnLButtonDown(nFlags, point);
}

void TestDialog::OnMouseMove(UINT nFlags, CPoint point) {
  if (GetCapture() == this) record(WM_MOUSEMOVE, nFlags, point);
  CDialogEx::OnMouseMove(nFlags, point);
}

void TestDialog::OnLButtonUp(UINT nFlags, CPoint point) {
  record(WM_LBUTTONUP, nFlags, point);
  if (GetCapture() == this) ReleaseCapture();
  CDialogEx::OnLButtonUp(nFlags, point);
}

void TestDialog::OnLButtonDblClk(UINT nFlags, CPoint point) {
  record(WM_LBUTTONDBLCLK, nFlags, point);
  CDialogEx::OnLButtonDblClk(nFlags, point);
}

BOOL TestDialog::OnSetCursor(CWnd*, UINT, UINT) {
  SetCursor(AfxGetApp()->LoadCursor(mouseMode == 0 ? kCursorSelect : kCursorMove));
  return TRUE;
}

void TestDialog::OnContextMenu(CWnd*, CPoint pos) {
  contextMenus.push_back(pos);
  CPoint client = pos;
  ScreenToClient(&client);
  if (ChildWindowFromPoint(client) != &m_canvas) return;
  CMenu menu;
  menu.LoadMenu(kCanvasMenu);
  menu.EnableMenuItem(kGrayed, MF_BYCOMMAND | MF_GRAYED);
  menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, &m_canvas);
  menu.DestroyMenu();
}

void DialogTest::SetUp() {
  AfxSetResourceHandle(&testResources());
  ASSERT_TRUE(dlg.Create(kTemplate));
}

void DialogTest::TearDown() {
  dlg.DestroyWindow();
  AfxSetResourceHandle(nullptr);
}

}  // namespace testdlg
