// The topographic flags window (templates 2146 and 2151, menu 2120): the topographic
// canvas in patch mode with the controls that move, animate and autofit the shared draw
// window, and the part the contour field/line window (CDlgSpctmContourFieldLine) shares
// with it: the check boxes, the buttons, the work modes and their menu, the animation on
// timer 100, the mouse and the link to the single-channel window. The facade creates one
// per modality and spectral class (the MEG and EEG twins below), binds it through the
// public fields and setters, and calls updateSpctmDlg. UI thread only; every pointer is
// borrowed.
#pragma once

#include "facade/CMEGSpctmShow2DFace.h"
#include "platform/ui/CDialog.h"
#include "windows/dialogs/CDlgSpctmShowStdSet.h"
#include "windows/single/CDlgSpctm1C.h"
#include "windows/topo/CStaticSpctmContourMapqv.h"

class CDlgSpctmTopographicFlags : public CDialog {
 public:
  static constexpr UINT_PTR kAnimationTimer = 100;

  explicit CDlgSpctmTopographicFlags(UINT nIDTemplate);
  ~CDlgSpctmTopographicFlags() override;

  // The refresh the facade calls: the caption by spectral class (titleOf), the kind
  // combo, the window's texts (refreshTexts), the autofit of all patches when asked for
  // at the next refresh (the canvas is painted first if it has a pending paint, so the
  // patches have their places), the controls. 1.
  int updateSpctmDlg();

  // The draw engine of the window and of its canvas.
  void setDrawEngine(CMEGSpctmDrawqv* pDraw);
  // The spectral class (0 Active, 1 Control, 2 Results) of the window and its canvas, also
  // selected in the class combo box (without a selection-change notification).
  void setSpctmClass(int nSpctmClass);
  // The data kind (0 real, 1 imaginary, 2 power) of the window and its canvas, selected in
  // the kind combo box without a selection-change notification.
  void setDataKind(int nDataKind);

  BOOL OnInitDialog() override;

  // ---- Given by the facade --------------------------------------------------------------
  CArrayMEDataSetqv* m_pDataSet = nullptr;
  CMEGSpctmDrawqv* m_pDraw = nullptr;
  CWnd* m_pHostWnd = nullptr;                          // kept for the host
  CMEGSpctmShow2DFace* m_pFace = nullptr;              // handed to the linked single-channel window
  SpctmCallbackFunction m_pfnSpctmCallback = nullptr;  // kept for the host, never called
  CDlgSpctm1C* m_pDlgOneChnl = nullptr;                // the linked single-channel window
  // The display-parameter dialogs; the MEG form uses the MEG one, the EEG form the EEG one.
  CDlgMegSpctmShowStdSet* m_pDlgMegSetStd = nullptr;
  CDlgEegSpctmShowStdSet* m_pDlgEegSetStd = nullptr;

  // ---- Fields (exchanged with the controls where noted) ---------------------------------
  int m_nSpctmClass = 0;    // combo 2081
  int m_nDataKind = 0;      // combo 2083
  int m_bShowLabel = 1;     // "Label", read by the canvas
  int m_bShowSensor = 1;    // "Sensor", read by the canvas
  int m_bRadiology = 1;     // "Radiology", read by the canvas
  int m_nSensorSize = 6;    // "Sensor Size", read by the canvas
  int m_bLinkOneSpctm = 0;  // "Link One Spctm": moves become the class's selection
  int m_nSpeed = 100;       // "Speed": the animation period in ms, taken at "Start->"
  int m_bAnimating = 0;
  int m_bAutofitNextRefresh = 1;
  CString m_strTitle = L"Spectral Topography-Unknown";
  CComboBox m_cmbSpctmClass;
  CComboBox m_cmbDataKind;
  CButton m_btnStart;
  CStaticSpctmContourMapqv m_wndMap;  // the canvas, control 2107
  CPoint m_ptLastMouse;               // canvas coordinates, for the move mode

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // The exchange of every control both windows bind the same way.
  void exchangeSharedControls(CDataExchange* pDX);
  // Fields to controls. Writing an edit's text notifies its change handler; the handlers
  // ignore notifications while this runs, so they never read half-written controls.
  void writeControls();
  bool isWritingControls() const { return m_bWritingControls; }
  DECLARE_MESSAGE_MAP()

  // The caption of a spectral class.
  virtual CString titleOf(int nSpctmClass) const;
  // Texts that follow the window's fields; the flags window has none.
  virtual void refreshTexts() {}
  // One animation tick's work; true when the window moved (else the animation stops).
  virtual bool animateOneStep();
  // A drag of (dx, dy) points in the move mode (the halved mouse movement, not both 0).
  virtual void dragWindow(int dx, int dy);
  // Called by "Start->" when an animation starts.
  virtual void onAnimationStart() {}
  // The modality's display-parameter dialog (null when not linked), and handing it to the
  // single-channel window.
  virtual CDlgSpctmShowStdSet* showStdSetDlg() const = 0;
  virtual void linkSetStdDlg(CDlgSpctm1C& single) = 0;

  // Every visible window registered in the display-parameter dialog is invalidated.
  void invalidateRegisteredWnds();
  // The class's spectral trial of the canvas's refreshed trial and its grid; null when
  // missing or when T or F is below 1.
  CSpctmTrialqv* spctmTrial4Window(std::int64_t& T, std::int64_t& F);

  // ---- Handlers (CDlgSpctmTopographicFlags.cpp) ----
  void OnSelchangeClass();
  void OnSelchangeKind();
  void OnViewChange();
  void OnRefresh() { m_wndMap.Invalidate(TRUE); }
  void OnApply();
  void OnSettings();
  void OnReset();
  void OnAutofit();
  void OnStart();
  void OnTimer(UINT_PTR nIDEvent) override;
  void OnSize(UINT nType, int cx, int cy) override;

  // ---- Work modes and menu (CDlgSpctmTopographicFlagsMenu.cpp) ----
  void OnSelectMode() { m_wndMap.m_nWorkMode = 0; }
  void OnMoveMode() { m_wndMap.m_nWorkMode = 1; }
  void OnSwitchSensorSelection();
  void OnSwitchSensorView();
  void OnSensorWide(UINT id);
  void OnNameColor(UINT id);
  void OnNameFont();
  void OnNameLength(UINT id);
  void OnSwitchFieldScale();
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
  void OnContextMenu(CWnd* pWnd, CPoint pos) override;

  // ---- Mouse (CDlgSpctmTopographicFlagsMouse.cpp) ----
  void OnLButtonDown(UINT nFlags, CPoint point) override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;
  void OnMouseMove(UINT nFlags, CPoint point) override;
  void OnLButtonDblClk(UINT nFlags, CPoint point) override;
  // A point of the dialog's client area in the canvas's client coordinates.
  CPoint canvasPoint(CPoint point) const;
  bool isOverCanvas(CPoint point) const;
  // The canvas is bound and the host is not computing: what every mouse action needs.
  bool mouseReady();

 private:
  bool m_bWritingControls = false;
};

// The MEG form (template 2146): a double click hands the single-channel window the MEG
// display-parameter dialog.
class CDlgMegSpctmTopographicFlags : public CDlgSpctmTopographicFlags {
 public:
  CDlgMegSpctmTopographicFlags();

 protected:
  CDlgSpctmShowStdSet* showStdSetDlg() const override { return m_pDlgMegSetStd; }
  void linkSetStdDlg(CDlgSpctm1C& single) override { single.m_pDlgMegSetStd = m_pDlgMegSetStd; }
};

// The EEG form (template 2151): a double click hands over the EEG dialog.
class CDlgEegSpctmTopographicFlags : public CDlgSpctmTopographicFlags {
 public:
  CDlgEegSpctmTopographicFlags();

 protected:
  CDlgSpctmShowStdSet* showStdSetDlg() const override { return m_pDlgEegSetStd; }
  void linkSetStdDlg(CDlgSpctm1C& single) override { single.m_pDlgEegSetStd = m_pDlgEegSetStd; }
};
