// The contour field/line window (templates 2148 and 2149, menu 2133): the topographic
// canvas drawing the interpolated colour field and its contour lines for a time–frequency
// window that the person types (time and frequency begin and end indices), drags or
// animates. Everything not stated here behaves as in the flags window it derives from.
// The facade creates one per modality and spectral class (the twins below); the MEG form
// also takes the shared draw window when a single-channel window links its selection.
// UI thread only.
#pragma once

#include <cstdint>

#include "windows/topo/CDlgSpctmTopographicFlags.h"

class CDlgSpctmContourFieldLine : public CDlgSpctmTopographicFlags {
 public:
  explicit CDlgSpctmContourFieldLine(UINT nIDTemplate);

  BOOL OnInitDialog() override;

  // ---- Fields (exchanged with the controls) ----
  std::int64_t m_nTimeBegin = 0;  // "Time" row: begin and end time points
  std::int64_t m_nTimeEnd = 0;
  std::int64_t m_nFreqBegin = 0;  // "Freq" row: begin and end frequency points
  std::int64_t m_nFreqEnd = 0;
  CString m_strTimeRange = L"0~0ms";  // "Range(ms,Hz)" of the time row
  CString m_strFreqRange = L"0~0Hz";  // and of the frequency row
  std::int64_t m_nAnimTimeWidth = 0;  // taken when the animation starts
  std::int64_t m_nAnimFreqWidth = 0;
  CComboBox m_cmbDisplayMode;         // combo 2085: "Fields", "Lines", "Both"

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

  CString titleOf(int nSpctmClass) const override;
  // With a trial, the range texts of the four indices ("%0.3f~%0.3fms", "%0.3f~%0.3fHz").
  void refreshTexts() override;
  // The four indices into the engine's draw window and, with "Link One Spctm", into the
  // class's selection.
  void storeWindow(CSpctmTrialqv& spctm);

  // One animation step along time, then up one frequency step at the end of the time
  // axis; the window keeps the widths taken at the start. The field is recomputed.
  bool animateOneStep() override;
  // Moves the begin indices by the drag (the window keeps its widths), repaints the
  // canvas, the linked single-channel canvas and the registered windows; the field keeps
  // its values until the next recomputation.
  void dragWindow(int dx, int dy) override;
  void onAnimationStart() override;

  void OnSelchangeKindField();
  void OnSelchangeDisplay();
  void OnFieldViewChange();
  void OnIndexChange();
  void OnSwitchLineColor();
  void OnSetFrameSize();
  void OnShowHeadShape();
};

// The MEG form (template 2148).
class CDlgMegSpctmContourFieldLine : public CDlgSpctmContourFieldLine {
 public:
  CDlgMegSpctmContourFieldLine();
  // The facade's map-selection message: the controls read, the engine's draw window
  // copied into the four indices, the window refreshed and the canvas invalidated without
  // erasing. 1.
  int takeEngineWindow();

 protected:
  CDlgSpctmShowStdSet* showStdSetDlg() const override { return m_pDlgMegSetStd; }
  void linkSetStdDlg(CDlgSpctm1C& single) override { single.m_pDlgMegSetStd = m_pDlgMegSetStd; }
};

// The EEG form (template 2149).
class CDlgEegSpctmContourFieldLine : public CDlgSpctmContourFieldLine {
 public:
  CDlgEegSpctmContourFieldLine();

 protected:
  CDlgSpctmShowStdSet* showStdSetDlg() const override { return m_pDlgEegSetStd; }
  void linkSetStdDlg(CDlgSpctm1C& single) override { single.m_pDlgEegSetStd = m_pDlgEegSetStd; }
};
