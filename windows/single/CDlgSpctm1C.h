// The single-channel spectrogram window: a modeless, resizable dialog from template 2147
// holding the canvas CStaticSpctm1C and a tool row. From the row a person chooses the
// channel, a group statistic and the data kind, switches the overlays, zooms, moves the
// picture or the waveform strip, and links the selection to the topographic windows; a
// mouse drag on the canvas sets the host's selection. The facade keeps one per spectral
// class, binds and shows it (setDrawEngine, setSpctmClass, setDataKind, the public
// fields, updateSpctmDlg). Most of its state is the shared draw engine's. UI thread only;
// every pointer is borrowed.
#pragma once

#include "facade/CMEGSpctmShow2DFace.h"
#include "platform/ui/CDialog.h"
#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgSpctrMeasurements.h"
#include "windows/single/CStaticSpctm1C.h"

#include <vector>

class CDlgSpctm1C : public CDialog {
 public:
  CDlgSpctm1C();
  // Detaches the canvas from the measurement dialog, as closing does.
  ~CDlgSpctm1C() override;

  // Brings the window up to date with the draw state: the overlay checks and the
  // statistic from the engine (when set) and the canvas, the caption by spectral class,
  // the combo selections, the channel list (fillChnlList) and the controls. 1.
  int updateSpctmDlg();
  // Refills the channel list with the current trial's channels that have a spectrum of
  // this class (item data: the channel's index in the trial), selects the current
  // channel's item (else the first), and names the statistic list's first entry after
  // the session's MEG and EEG spectral channels. 1; 0 without a channel array or when an
  // item cannot be added. Without a session or trial the list stays empty.
  int fillChnlList();

  // The draw engine of the dialog and of its canvas (null allowed).
  void setDrawEngine(CMEGSpctmDrawqv* pDraw);
  // The spectral class (0 Active, 1 Control, 2 Results) of the dialog and its canvas.
  void setSpctmClass(int nSpctmClass);
  // The data kind (0 real, 1 imaginary, 2 power/phase) of the dialog and its canvas, also
  // selected in the kind combo box (without a selection-change notification).
  void setDataKind(int nDataKind);

  BOOL OnInitDialog() override;
  // Paint and key-down messages reach the canvas's own handlers first (its message map
  // holds only those two), then the dialog's.
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  // ---- Fields (exchanged with the controls where noted) ----
  int m_bShowSelect = 0;       // "Select...": draw the selection
  int m_bShowSelectInfo = 0;   // "Info...": draw the selection read-out
  int m_bShowColorScale = 1;   // "Scale...": draw the colour scale
  int m_bShowWave = 0;         // "Wave...": draw the waveform strip
  int m_nMouseMode = 0;        // 0 select, 1 move the picture, 2 move the waveform strip
  int m_nSpctmClass = 0;       // 0 Active, 1 Control, 2 Results
  int m_nDataKind = 0;         // 0 "Real Data", 1 "Imag Data", 2 "Power/Phase"
  int m_nChnlStatistic = 0;    // 0 the current channel, 1..6 a group statistic
  CString m_strTitle;          // the caption composed by updateSpctmDlg
  CArrayMEDataSetqv* m_pDataSet = nullptr;
  CMEGDataqv* m_pSession = nullptr;  // re-fetched at every use
  CMDTrialqv* m_pTrial = nullptr;    // re-fetched at every use
  SpctmCallbackFunction m_pfnSpctmCallback = nullptr;  // kept for the host, never called
  CWnd* m_pHostWnd = nullptr;                          // kept for the host
  CMEGSpctmDrawqv* m_pDraw = nullptr;
  CMEGSpctmShow2DFace* m_pFace = nullptr;  // receives sendMessageX of linked actions
  CStaticSpctm1C m_wndSpctm;               // the canvas, control 2020
  CDlgMegSpctmShowStdSet* m_pDlgMegSetStd = nullptr;  // display-parameter dialogs, may be absent
  CDlgEegSpctmShowStdSet* m_pDlgEegSetStd = nullptr;
  CPoint m_ptLastMouse;                    // canvas coordinates, for the two move modes
  CButton m_btnSetting, m_btnNormal, m_btnMove, m_btnZoomIn, m_btnZoomOut, m_btnMoveWave, m_btnSM, m_btnAM,
      m_btnAllSns;
  CComboBox m_cmbSpctmClass, m_cmbDataKind, m_cmbChnlStatistic, m_cmbChnlList;
  int m_bLinkMapSelect = 0;  // "Link Map Select"

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

  // ---- Tool row (CDlgSpctm1CTools.cpp) ----
  void OnSelectCheck();
  void OnInfoCheck();
  void OnScaleCheck();
  void OnMeasureCheck();
  void OnWaveCheck();
  void OnNormal() { m_nMouseMode = 0; }
  void OnMove() { m_nMouseMode = 1; }
  void OnMoveWave() { m_nMouseMode = 2; }
  void OnZoomIn();
  void OnZoomOut();
  void OnAutofit();
  void OnUpdate();
  void OnSelchangeClass();
  void OnSelchangeKind();
  void OnSelchangeStatistic();
  void OnSelchangeChannel();
  void OnDeltaposTime(NMHDR* pNMHDR, LRESULT* pResult);
  void OnDeltaposFreq(NMHDR* pNMHDR, LRESULT* pResult);
  void OnDeltaposZoom(NMHDR* pNMHDR, LRESULT* pResult);

  // ---- Links to the other windows (CDlgSpctm1CLinks.cpp) ----
  void OnRefresh();
  void OnReset();
  void OnSetting();
  void OnLinkMapSelect();
  void OnLinkContourMap();
  void OnMeasureAM() { measureSpctm(&CDlgSpctrMeasurements::measureSpctmAM); }
  void OnMeasureSM() { measureSpctm(&CDlgSpctrMeasurements::measureSpctmSM); }
  void OnMeasureAll() { measureSpctm(&CDlgSpctrMeasurements::measureSpctmAll); }
  void OnMeasureAllSns() { measureSpctm(&CDlgSpctrMeasurements::measureSpctmAllSns); }

  // ---- Mouse (CDlgSpctm1CMouse.cpp) ----
  void OnLButtonDown(UINT nFlags, CPoint point) override;
  void OnMouseMove(UINT nFlags, CPoint point) override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;

  // ---- Window ----
  void OnSize(UINT nType, int cx, int cy) override;
  // Detaches the canvas from the measurement dialog, then closes as dialogs do (hides).
  void OnClose() override;

 private:
  // Refreshes the dialog's binding: the dataset's current session, its current trial.
  void updateMEGData();
  // The display-parameter dialogs that are set, the MEG one first.
  std::vector<CDlgSpctmShowStdSet*> showStdSetDlgs() const;
  // A measurement button: the library's one measurement dialog, made on first use
  // ("Initialize measurement dialog error!" when it cannot be), shown in front; with a
  // draw engine, this canvas becomes its source and the operation measures the draw
  // state's binding, data source, last class and kind.
  using MeasureOperation = int (CDlgSpctrMeasurements::*)(CArrayMEDataSetqv*, CMEGDataqv*, CMDTrialqv*, int, int, int,
                                                          const CString&);
  void measureSpctm(MeasureOperation operation);
  // Forgets this canvas in the measurement dialog, if there is one.
  void detachMeasurements();
  // Refills the statistic combo: `first` (the channel entry) and the six statistics,
  // then selects the channel statistic.
  void fillStatisticList(const wchar_t* first);
  // For the up-down arrows: the class's spectral trial of the host's current trial, with
  // session and draw engine present; null otherwise.
  CSpctmTrialqv* spctmTrial4Spin();
  // One up-down step of the selection along one axis, read and written with `get` and
  // `set`; then the canvas is repainted. Nothing without that spectral trial.
  using SelectionGetter = void (CSpctmTrial::*)(std::int64_t&, std::int64_t&) const;
  using SelectionSetter = void (CSpctmTrial::*)(std::int64_t, std::int64_t);
  void stepSelection(NMHDR* pNMHDR, SelectionGetter get, SelectionSetter set);
  // For the mouse: the class's spectral trial of the canvas's refreshed trial, with the
  // draw engine present; null otherwise.
  CSpctmTrialqv* spctmTrial4Mouse();
  // A point of the dialog's client area in the canvas's client coordinates.
  CPoint canvasPoint(CPoint point) const;
  // Whether the child window under a point of the dialog's client area is the canvas.
  bool isOverCanvas(CPoint point) const;
  // The time and frequency point under a point of the dialog's client area, through the
  // picture geometry of the draw state; (0, 0) when the engine has no trial.
  void mapPoint2Spctm(CPoint point, std::int64_t& timePt, std::int64_t& freqPt);
  // A drag's moving point over the canvas: it gives the selection's time end and
  // frequency begin; the canvas is repainted and takes the focus.
  void dragSelection2Point(CSpctmTrialqv* spctm, CPoint point);
  bool isCapturing() const;
};
