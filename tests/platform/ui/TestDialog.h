// A small test dialog built from a template, with one control of every kind the platform
// offers, a canvas that takes the mouse through its dialog, and handlers that record
// what reached them. Shared by the window, dialog and snapshot tests.
#pragma once

#include "platform/gdi/PngExport.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Controls.h"
#include "platform/ui/UserInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testdlg {

enum : int {
  kTemplate = 9100,
  kMenu = 9200,
  kCanvasMenu = 9210,
  kCursorSelect = 9300,
  kCursorMove = 9301,
  kIcon = 9400,

  kApply = 101,
  kCheck = 102,
  kRadio256 = 103,
  kRadio512 = 104,
  kRadio1024 = 105,
  kEditInt = 106,
  kEditInt64 = 107,
  kEditDouble = 108,
  kEditText = 109,
  kCombo = 110,
  kScroll = 111,
  kSpinVert = 112,
  kSpinHorz = 113,
  kCanvas = 114,
  kLabelCentre = 115,
  kLabelRight = 116,
  kReadOnly = 118,
  kRich = 119,
  kIconButton = 120,

  kZoomIn = 9201,
  kZoomOut = 9202,
  kCopy = 9203,
  kSetBad = 9211,
  kSwitchSel = 9212,
  kGrayed = 9213,
  kTimerId = 100,
};

// The module of resources the tests join to the chain as the application's own.
ResourceModule& testResources();

// The canvas: a bordered static without SS_NOTIFY, attached by DDX_Control. Mouse
// messages over it reach the dialog; commands of its pop-up menu reach it.
class TestCanvas : public CStatic {
 public:
  std::vector<UINT> commands;
  std::vector<UINT> preTranslatedKeys;
  std::vector<UINT> keyDowns;
  int paints = 0;

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnPaint() override;
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  void OnSetBad() { commands.push_back(kSetBad); }
  void OnSwitchSel() { commands.push_back(kSwitchSel); }
  DECLARE_MESSAGE_MAP()
};

class TestDialog : public CDialogEx {
 public:
  explicit TestDialog(CWnd* owner = nullptr) : CDialogEx(kTemplate, owner) {}

  // Fields exchanged with the controls.
  int m_check = 1;
  int m_radio = 1;
  int m_int = 7;
  std::int64_t m_int64 = 9007199254740993LL;
  double m_double = 0.25;
  CString m_text = L"Alpha";
  int m_comboIndex = 0;

  TestCanvas m_canvas;
  CComboBox m_combo;
  CScrollBar m_scroll;

  // What the handlers saw.
  std::vector<std::string> log;
  std::vector<std::pair<UINT, UINT>> scrolls;  // (code, position)
  std::vector<std::pair<int, int>> deltas;     // (control ID, iDelta)
  std::vector<int> selChanges;                 // combo selection at each CBN_SELCHANGE
  int editChanges = 0;
  int timerTicks = 0;
  int mouseMode = 0;
  struct MouseEvent {
    UINT message;
    UINT flags;
    CPoint point;
    bool overCanvas;
    bool capturing;
  };
  std::vector<MouseEvent> mouse;
  std::vector<CPoint> contextMenus;
  int initCalls = 0;
  int okCalls = 0;
  int cancelCalls = 0;

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnApply() { log.push_back("apply"); }
  void OnCheck() { log.push_back("check"); }
  void OnRadio() { log.push_back("radio"); }
  void OnIntChange() { ++editChanges; }
  void OnComboChange() { selChanges.push_back(m_combo.GetCurSel()); }
  void OnDelta(NMHDR* pNMHDR, LRESULT* pResult);
  void OnMenu(UINT id) { log.push_back("menu " + std::to_string(id)); }
  void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
  void OnTimer(UINT_PTR nIDEvent) override;
  void OnLButtonDown(UINT nFlags, CPoint point) override;
  void OnMouseMove(UINT nFlags, CPoint point) override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;
  void OnLButtonDblClk(UINT nFlags, CPoint point) override;
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
  void OnContextMenu(CWnd* pWnd, CPoint pos) override;
  DECLARE_MESSAGE_MAP()

 private:
  void record(UINT message, UINT flags, CPoint point);
};

// Every test gets its own application object and the test resources as the
// application's module; the dialog is created and shown.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  ScriptedServices& script() { return *app.scripted(); }
  UserInput& user() { return app.input(); }
  CWnd& item(int id) { return *dlg.GetDlgItem(id); }

  CWinApp app;
  TestDialog dlg;
};

}  // namespace testdlg
