#include "windows/dialogs/CDlgSpctrMeasurements.h"

#include <memory>

#include "platform/ui/CommonDialogs.h"
#include "windows/dialogs/SpctmTextExport.h"

BEGIN_MESSAGE_MAP(CDlgSpctrMeasurements, CDialogEx)
  ON_CBN_SELCHANGE(IDC_MEAS_MODE, &CDlgSpctrMeasurements::OnModeChange)
  ON_EN_CHANGE(IDC_MEAS_TIME_BEGIN, &CDlgSpctrMeasurements::OnTimeChange)
  ON_EN_CHANGE(IDC_MEAS_TIME_END, &CDlgSpctrMeasurements::OnTimeChange)
  ON_EN_CHANGE(IDC_MEAS_FREQ_BEGIN, &CDlgSpctrMeasurements::OnFreqChange)
  ON_EN_CHANGE(IDC_MEAS_FREQ_END, &CDlgSpctrMeasurements::OnFreqChange)
  ON_BN_CLICKED(IDC_MEAS_SET_SELECT, &CDlgSpctrMeasurements::OnSetSelect)
  ON_BN_CLICKED(IDC_MEAS_DATA_INFO, &CDlgSpctrMeasurements::OnDataInfo)
  ON_BN_CLICKED(IDC_MEAS_ALL_SENSORS, &CDlgSpctrMeasurements::OnAllSensors)
  ON_BN_CLICKED(IDC_MEAS_UPDATE, &CDlgSpctrMeasurements::OnUpdate)
  ON_BN_CLICKED(IDC_MEAS_RESET, &CDlgSpctrMeasurements::OnReset)
  ON_BN_CLICKED(IDC_MEAS_SAVE, &CDlgSpctrMeasurements::OnSave)
END_MESSAGE_MAP()

CDlgSpctrMeasurements::CDlgSpctrMeasurements(CWnd* pParent) : CDialogEx(IDD, pParent) { AfxInitRichEdit2(); }

CDlgSpctrMeasurements::~CDlgSpctrMeasurements() = default;

CDlgSpctrMeasurements* CDlgSpctrMeasurements::getSpctrMeasurementsDlg(bool bCreate) {
  static std::unique_ptr<CDlgSpctrMeasurements> instance;
  if (!bCreate) return instance.get();
  if (!instance) instance = std::make_unique<CDlgSpctrMeasurements>();
  // The window goes with the application object that held it; the dialog and its text stay.
  if (!instance->GetSafeHwnd() && !instance->Create(IDD)) return nullptr;
  return instance.get();
}

void CDlgSpctrMeasurements::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MEAS_MODE, m_comboMode);
  DDX_Control(pDX, IDC_MEAS_TEXT, m_richText);
  DDX_Text(pDX, IDC_MEAS_TEXT, m_strText);
  DDX_Text(pDX, IDC_MEAS_TIME_BEGIN, m_measure.m_nTimeBegin);
  DDX_Text(pDX, IDC_MEAS_TIME_END, m_measure.m_nTimeEnd);
  DDX_Text(pDX, IDC_MEAS_TIME_BEGIN_MS, m_measure.m_dTimeBeginMs);
  DDX_Text(pDX, IDC_MEAS_TIME_END_MS, m_measure.m_dTimeEndMs);
  DDX_Text(pDX, IDC_MEAS_FREQ_BEGIN, m_measure.m_nFreqBegin);
  DDX_Text(pDX, IDC_MEAS_FREQ_END, m_measure.m_nFreqEnd);
  DDX_Text(pDX, IDC_MEAS_FREQ_BEGIN_HZ, m_measure.m_dFreqBeginHz);
  DDX_Text(pDX, IDC_MEAS_FREQ_END_HZ, m_measure.m_dFreqEndHz);
  DDX_Check(pDX, IDC_MEAS_SPCTM_CHNL, m_measure.m_bSpctmChnl);
  DDX_Check(pDX, IDC_MEAS_PRECISE, m_bPrecise);
}

void CDlgSpctrMeasurements::showFields() {
  m_bShowingFields = true;
  UpdateData(FALSE);
  m_bShowingFields = false;
}

BOOL CDlgSpctrMeasurements::OnInitDialog() {
  m_bShowingFields = true;  // the base class fills the controls too
  CDialogEx::OnInitDialog();
  m_bShowingFields = false;
  HICON icon = AfxGetApp()->LoadIcon(IDI_SPCTR_MEASUREMENTS);
  SetIcon(icon, TRUE);
  SetIcon(icon, FALSE);
  for (int mode = 0; mode < spctmtext::kMeasureModeCount; ++mode)
    m_comboMode.AddString(spctmtext::measureModeName(mode));
  m_comboMode.SetCurSel(m_measure.m_nMode);
  m_strText = spctmtext::measureHeader(m_measure.m_nMode).c_str();
  showFields();
  return TRUE;
}

// ---- The measurements -----------------------------------------------------------------------

int CDlgSpctrMeasurements::showMeasurement(int appended) {
  showFields();
  if (m_richText.GetSafeHwnd()) {
    m_richText.SetSel(-1, -1);
    m_richText.SendMessage(EM_SCROLLCARET);
  }
  return appended;
}

int CDlgSpctrMeasurements::measureSpctmAM(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial,
                                          int nChnlSource, int nSpctmClass, int nDataKind,
                                          const CString& strSessionName) {
  return showMeasurement(m_measure.measureSpctmAM(pDataSet, pSession, pTrial, nChnlSource, nSpctmClass, nDataKind,
                                                  strSessionName.str(), m_strText));
}

int CDlgSpctrMeasurements::measureSpctmSM(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial,
                                          int nChnlSource, int nSpctmClass, int nDataKind,
                                          const CString& strSessionName) {
  return showMeasurement(m_measure.measureSpctmSM(pDataSet, pSession, pTrial, nChnlSource, nSpctmClass, nDataKind,
                                                  strSessionName.str(), m_strText));
}

int CDlgSpctrMeasurements::measureSpctmAll(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial,
                                           int nChnlSource, int nSpctmClass, int nDataKind,
                                           const CString& strSessionName) {
  return showMeasurement(m_measure.measureSpctmAll(pDataSet, pSession, pTrial, nChnlSource, nSpctmClass, nDataKind,
                                                   strSessionName.str(), m_strText));
}

int CDlgSpctrMeasurements::measureSpctmAllSns(CArrayMEDataSetqv* pDataSet, CMEGDataqv* pSession, CMDTrialqv* pTrial,
                                              int nChnlSource, int nSpctmClass, int nDataKind,
                                              const CString& strSessionName) {
  return showMeasurement(m_measure.measureSpctmAllSns(pDataSet, pSession, pTrial, nChnlSource, nSpctmClass,
                                                      nDataKind, strSessionName.str(), m_strText));
}

// ---- Source window --------------------------------------------------------------------------

void CDlgSpctrMeasurements::setSpctmWnd(CWnd* pCanvas, CMEGSpctmDrawqv* pCanvasDraw) {
  m_pSpctmWnd = pCanvas;
  m_pSpctmWndDraw = pCanvasDraw;
}

int CDlgSpctrMeasurements::detachSpctmWnd(CWnd* pCanvas) {
  if (!pCanvas || pCanvas != m_pSpctmWnd) return 0;
  if (const CMEGSpctmDrawqv* draw = m_pSpctmWndDraw) {
    if (m_measure.m_pDataSet == draw->m_pDataSet) m_measure.m_pDataSet = nullptr;
    if (m_measure.m_pSession == draw->m_pSession) m_measure.m_pSession = nullptr;
    if (m_measure.m_pTrial == draw->m_pTrial) m_measure.m_pTrial = nullptr;
  }
  m_pSpctmWnd = nullptr;
  m_pSpctmWndDraw = nullptr;
  return 1;
}

// ---- Handlers -----------------------------------------------------------------------------

// A confirmed change (or one over an empty text) starts the text anew with the mode's
// header; a refused one keeps the text but the new mode.
void CDlgSpctrMeasurements::OnModeChange() {
  if (m_comboMode.GetCount() < 1) return;
  const int selected = m_comboMode.GetCurSel();
  if (selected < 0) return;
  m_measure.m_nMode = selected;
  if (!m_strText.IsEmpty() && AfxMessageBox(L"Would you like to reset the data?!", MB_YESNO) == IDNO) return;
  m_strText = spctmtext::measureHeader(selected).c_str();
  showFields();
}

void CDlgSpctrMeasurements::OnTimeChange() {
  if (m_bShowingFields) return;
  UpdateData(TRUE);
  m_measure.convertWindowTime();
  showFields();
}

void CDlgSpctrMeasurements::OnFreqChange() {
  if (m_bShowingFields) return;
  UpdateData(TRUE);
  m_measure.convertWindowFreq();
  showFields();
}

// The window typed into the edits becomes the selection of every class that has spectra.
void CDlgSpctrMeasurements::OnSetSelect() {
  UpdateData(TRUE);
  SpctmMeasurement& m = m_measure;
  if (m.m_pDataSet) m.m_pSession = m.m_pDataSet->getSessionData(-1);
  if (m.m_pSession) m.m_pTrial = m.m_pSession->getTrialqv(-1);
  if (!m.m_pSession || !m.m_pTrial) return;
  for (int cls = 0; cls < 3; ++cls) {
    if (CSpctmTrialqv* spctm = m.m_pTrial->getSpctmTrial(false, cls)) {
      spctm->setTrialSpctmSelectTimeFreqBB(m.m_nTimeBegin, m.m_nFreqBegin);
      spctm->setTrialSpctmSelectTimeFreqEE(m.m_nTimeEnd, m.m_nFreqEnd);
    }
  }
  if (m_pSpctmWnd && m_pSpctmWnd->GetSafeHwnd()) m_pSpctmWnd->Invalidate(TRUE);
}

void CDlgSpctrMeasurements::OnDataInfo() {
  UpdateData(TRUE);
  m_strText += spctmtext::measureInfoHeader(m_measure.m_nMode).c_str();
  showFields();
}

void CDlgSpctrMeasurements::OnAllSensors() {
  UpdateData(TRUE);
  const SpctmMeasurement& m = m_measure;
  measureSpctmAllSns(m.m_pDataSet, m.m_pSession, m.m_pTrial, m.m_nChnlSource, m.m_nSpctmClass, m.m_nDataKind, L"All");
}

void CDlgSpctrMeasurements::OnReset() {
  m_strText.Empty();
  showFields();
}

// The text box's content, typing included, goes to the chosen file. A name with neither
// ".doc" nor ".txt" in it gets ".doc". A file that cannot be written ends the export
// without a message; the text stays in the dialog.
void CDlgSpctrMeasurements::OnSave() {
  UpdateData(TRUE);
  CFileDialog dialog(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     L"Text file (*.doc)|*.doc|All Files(*.*)|*.*||", this);
  if (dialog.DoModal() != IDOK) return;
  CString path = dialog.GetPathName();
  if (path.Find(L".doc") < 0 && path.Find(L".txt") < 0) path += L".doc";
  writeSpctmTextExport(path, m_strText);
}

void CDlgSpctrMeasurements::OnSize(UINT nType, int cx, int cy) {
  CDialogEx::OnSize(nType, cx, cy);
  if (!m_richText.GetSafeHwnd()) return;
  CRect box;
  m_richText.GetWindowRect(&box);
  ScreenToClient(&box);
  box.right = cx - 10;
  box.bottom = cy - 10;
  m_richText.MoveWindow(&box);
}
