// The spectral measurement dialog: one instance for the whole library, created by the
// first single-channel window that asks for a measurement and kept until the library is
// unloaded. The single-channel windows' measure buttons call its four measurements; the
// results accumulate as lines in its text box, which its own buttons extend ("Data
// Info...", "All Sensors"), clear, and save as the export file (SpctmTextExport.h). It
// also pushes its time–frequency window back into the spectrogram selection. UI thread
// only; the host objects and the source window are borrowed.
#pragma once

#include "draw/CMEGSpctmDrawqv.h"
#include "platform/ui/CDialog.h"
#include "resources/MeasureResources.h"
#include "windows/dialogs/SpctmMeasurement.h"

class CDlgSpctrMeasurements : public CDialogEx {
 public:
  enum { IDD = IDD_SPCTR_MEASUREMENTS };

  // Loads the rich text control's library (built into the platform).
  explicit CDlgSpctrMeasurements(CWnd* pParent = nullptr);
  ~CDlgSpctrMeasurements() override;

  // The library's one measurement dialog. With bCreate it is made on the first call and
  // its window created, hidden, from template 2144 (again whenever that window is gone);
  // the result is null when the window cannot be created. Without bCreate: the dialog if
  // one was made, else null. The dialog lives until the library is unloaded.
  static CDlgSpctrMeasurements* getSpctrMeasurementsDlg(bool bCreate);

  // The four measurements of the single-channel window's buttons ("AM", "SM", "All
  // Spctm", "All Sns"): SpctmMeasurement's, appended to the text, then the fields are
  // copied to the controls and the text box shows its end. 1 when something was
  // appended, else 0.
  int measureSpctmAM(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial, int nChnlSource,
                     int nSpctmClass, int nDataKind, const CString& strSessionName);
  int measureSpctmSM(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial, int nChnlSource,
                     int nSpctmClass, int nDataKind, const CString& strSessionName);
  int measureSpctmAll(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial, int nChnlSource,
                      int nSpctmClass, int nDataKind, const CString& strSessionName);
  int measureSpctmAllSns(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial, int nChnlSource,
                         int nSpctmClass, int nDataKind, const CString& strSessionName);
  int prepareValueBuffer() { return m_measure.prepareValueBuffer(); }

  // Records the single-channel canvas that asks for a measurement, with the draw engine
  // it draws with; "Set Select..." repaints it.
  void setSpctmWnd(CWnd* pCanvas, CMEGSpctmDrawqv* pCanvasDraw);
  // When pCanvas is the recorded canvas: clears the dataset, session and trial of the
  // dialog wherever they equal its draw state's m_pDataSet, m_pSession and m_pTrial, then
  // forgets the canvas, and returns 1. Otherwise 0. The canvas's window calls it when it
  // closes and when it is destroyed.
  int detachSpctmWnd(CWnd* pCanvas);

  SpctmMeasurement m_measure;  // mode, window, binding, value buffer
  CString m_strText;           // the text box's content
  int m_bPrecise = 0;          // "Precise": kept, read by no operation
  CComboBox m_comboMode;
  CRichEditCtrl m_richText;
  CWnd* m_pSpctmWnd = nullptr;              // the canvas that asked last
  CMEGSpctmDrawqv* m_pSpctmWndDraw = nullptr;  // and its draw engine

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnSize(UINT nType, int cx, int cy) override;
  void OnModeChange();
  void OnTimeChange();
  void OnFreqChange();
  void OnSetSelect();
  void OnDataInfo();
  void OnAllSensors();
  void OnUpdate() { showFields(); }
  void OnReset();
  void OnSave();
  DECLARE_MESSAGE_MAP()

 private:
  // Copies the fields to the controls. The edits' change handlers ignore what this writes.
  void showFields();
  // After a measurement: the fields shown and the text box scrolled to its end.
  int showMeasurement(int appended);

  bool m_bShowingFields = false;
};
