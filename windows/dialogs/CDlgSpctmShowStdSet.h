// What the two standard display-parameter dialogs (CDlgMegSpctmShowStdSet and
// CDlgEegSpctmShowStdSet) share: every field, the one message map and every handler. They
// set the standard colour range, colour depth and polarity view of the draw engine shared
// by all spectral windows, derive candidate ranges from the trial or one channel, and
// repaint up to 12 registered windows after each change. Opened by the facade and by the
// single-channel, flags and contour-map windows; UI thread only.
#pragma once

#include <array>

#include "draw/CMEGSpctmDrawqv.h"
#include "facade/CMEGSpctmShow2DFace.h"
#include "platform/ui/CDialog.h"

class CDlgSpctmShowStdSet : public CDialogEx {
 public:
  static constexpr int kMaxShowWnds = 12;

  // Registers a window to repaint after every change. 0 for a null window or one already
  // registered; 1 when it took the first empty slot; with all 12 slots taken it shows
  // "Spectral settings control maximum 12 windows!" and returns 0. Windows are never
  // removed: they are long-lived windows of the facade (borrowed, never deleted here).
  int addShowWnd(CWnd* pWnd);
  // Invalidates, without erasing, every registered window that exists and is visible.
  void invalidateShowWnds();
  // Fills the controls from the data and the draw state. The first call that finds the
  // class's spectral trial derives the select range from the trial's range and writes
  // it to the draw state; later calls take the draw state's m_dStdMin / m_dStdMax.
  // 0 without a current session or trial, or when the trial's range is empty (after
  // "Spectral data range error!"); else 1.
  int updateShowStdSet();
  // Reads the controls and writes the select range and the colour depth (256, 512, 768
  // or 1024) to the draw state; without a draw engine it only reads. Always 1.
  int applyShowStdSet();
  // Autofit: select max = half the larger of |low| and |high|, select min = low when
  // positive else 0; both into the draw state; then the bars, the windows, the controls.
  void setSelectRange(double low, double high);
  // Places both bars from the select range, in steps of 1/1024 of the larger trial
  // bound's magnitude; leaves them alone when that step is 1e-7 or less.
  void syncScrollPos();

  // Set by the openers before the dialog is shown (all borrowed).
  CMEGSpctmDrawqv* m_pSpctmDraw = nullptr;    // the draw engine whose fields the dialog writes
  CMEGSpctmShow2DFace* m_pSpctmFace = nullptr;  // told about data-kind changes; may be null
  CArrayMEDataSetqv* m_pDataSet = nullptr;    // session and trial are fetched from it at every use
  CMEGDataqv* m_pSession = nullptr;
  CMDTrialqv* m_pTrial = nullptr;
  int m_nSpctmClass = 0;   // 0 Active, 1 Control, 2 Results
  int m_nDataKind = 0;     // 0 real, 1 imaginary, 2 power/phase
  int m_nChnlSource = 0;   // data source of the one-channel range queries (0: the current channel)

  // Fields exchanged with the controls.
  int m_bPolarity = 1;
  double m_dSelectMin = 0.0;
  double m_dSelectMax = 1.0;
  double m_dTrialMin = 0.0;
  double m_dTrialMax = 0.0;
  double m_dChnlMin = 0.0;
  double m_dChnlMax = 0.0;
  CString m_strLowLabel;
  CString m_strHighLabel;
  int m_nColorDepthIndx = 0;  // 0 = 256, 1 = 512, 2 = 768, 3 = 1024 colours
  int m_bFirstTime = 1;       // the next successful update derives the select range from the data

  CComboBox m_comboClass;
  CComboBox m_comboKind;
  CScrollBar m_scrollLow;
  CScrollBar m_scrollHigh;
  std::array<CWnd*, kMaxShowWnds> m_pShowWnds{};

  BOOL OnInitDialog() override;

 protected:
  explicit CDlgSpctmShowStdSet(UINT nIDTemplate, CWnd* pParent) : CDialogEx(nIDTemplate, pParent) {}

  void DoDataExchange(CDataExchange* pDX) override;
  void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
  void OnGetDataRange();
  void OnSetTrialToSelect();
  void OnSetChnlToSelect();
  void OnAutofitTrialData();
  void OnAutofitChnlData();
  void OnCheckSpectrum();
  void OnRawData();
  void OnRefresh() { invalidateShowWnds(); }
  void OnUpdate() { updateShowStdSet(); }
  void OnApplyOrDepth();
  void OnPolarity();
  void OnClassChange();
  void OnKindChange();
  DECLARE_MESSAGE_MAP()

 private:
  // Re-fetches the current session (when a dataset is set) and its current trial.
  void refreshBinding();
  // Reads the controls and refreshes the binding: what the range buttons do first. True
  // when there are a trial and a draw engine to work with.
  bool readControlsWithData();
  // The trial's range over all channels for the dialog's class and kind (first and
  // second results of getSpctmRangeAllChann; the third is ignored). False, after
  // "Spectral data range error!", when hi − lo ≤ 0.
  bool trialRange(int flag, double& lo, double& hi);
  // The current channel's (or statistic's) range over the whole grid into the channel fields.
  void chnlRange();
  // The select range into the draw state.
  void storeSelectRange();
};
