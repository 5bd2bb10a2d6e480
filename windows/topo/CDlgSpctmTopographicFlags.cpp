#include "windows/topo/CDlgSpctmTopographicFlags.h"

#include <algorithm>

#include "platform/ui/CommonDialogs.h"
#include "resources/StdSetResources.h"
#include "resources/TopoWindowResources.h"

CDlgSpctmTopographicFlags::CDlgSpctmTopographicFlags(UINT nIDTemplate) : CDialog(nIDTemplate) {
  m_wndMap.m_pShowLabel = &m_bShowLabel;
  m_wndMap.m_pShowSensor = &m_bShowSensor;
  m_wndMap.m_pRadiology = &m_bRadiology;
  m_wndMap.m_pSensorSize = &m_nSensorSize;
}

CDlgSpctmTopographicFlags::~CDlgSpctmTopographicFlags() { DestroyWindow(); }

CDlgMegSpctmTopographicFlags::CDlgMegSpctmTopographicFlags() : CDlgSpctmTopographicFlags(IDD_MEG_TOPO_FLAGS) {}
CDlgEegSpctmTopographicFlags::CDlgEegSpctmTopographicFlags() : CDlgSpctmTopographicFlags(IDD_EEG_TOPO_FLAGS) {}

BEGIN_MESSAGE_MAP(CDlgSpctmTopographicFlags, CDialog)
  ON_CBN_SELCHANGE(IDC_TOPO_CLASS, &CDlgSpctmTopographicFlags::OnSelchangeClass)
  ON_CBN_SELCHANGE(IDC_TOPO_KIND, &CDlgSpctmTopographicFlags::OnSelchangeKind)
  ON_BN_CLICKED(IDC_TOPO_LABEL, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_BN_CLICKED(IDC_TOPO_SENSOR, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_BN_CLICKED(IDC_TOPO_RADIOLOGY, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_BN_CLICKED(IDC_TOPO_NOSE_UP, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_BN_CLICKED(IDC_TOPO_SCALE, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_BN_CLICKED(IDC_TOPO_INFO, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_BN_CLICKED(IDC_TOPO_AUTOFIT_COLOR, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_EN_CHANGE(IDC_TOPO_SENSOR_SIZE, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_EN_CHANGE(IDC_TOPO_STEP_X, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_EN_CHANGE(IDC_TOPO_STEP_Y, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_EN_CHANGE(IDC_TOPO_EDIT_A, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_EN_CHANGE(IDC_TOPO_EDIT_B, &CDlgSpctmTopographicFlags::OnViewChange)
  ON_BN_CLICKED(IDC_TOPO_REFRESH, &CDlgSpctmTopographicFlags::OnRefresh)
  ON_BN_CLICKED(IDC_TOPO_APPLY, &CDlgSpctmTopographicFlags::OnApply)
  ON_BN_CLICKED(IDC_TOPO_SETTINGS, &CDlgSpctmTopographicFlags::OnSettings)
  ON_BN_CLICKED(IDC_TOPO_RESET, &CDlgSpctmTopographicFlags::OnReset)
  ON_BN_CLICKED(IDC_TOPO_AUTOFIT, &CDlgSpctmTopographicFlags::OnAutofit)
  ON_BN_CLICKED(IDC_TOPO_START, &CDlgSpctmTopographicFlags::OnStart)
  ON_BN_CLICKED(IDC_TOPO_MOVE, &CDlgSpctmTopographicFlags::OnMoveMode)
  ON_BN_CLICKED(IDC_TOPO_SELECT, &CDlgSpctmTopographicFlags::OnSelectMode)
  ON_COMMAND(ID_TOPO_TYPICAL_VIEW, &CDlgSpctmTopographicFlags::OnMoveMode)
  ON_COMMAND(ID_TOPO_SWITCH_SENSOR_SELECTION, &CDlgSpctmTopographicFlags::OnSwitchSensorSelection)
  ON_COMMAND(ID_TOPO_SWITCH_SENSOR_VIEW, &CDlgSpctmTopographicFlags::OnSwitchSensorView)
  ON_COMMAND_RANGE(ID_TOPO_SENSOR_WIDE_1, ID_TOPO_SENSOR_WIDE_4, &CDlgSpctmTopographicFlags::OnSensorWide)
  ON_COMMAND(ID_TOPO_NAME_MONO_COLOR, &CDlgSpctmTopographicFlags::OnNameColor)
  ON_COMMAND(ID_TOPO_NAME_SPATIAL_COLOR, &CDlgSpctmTopographicFlags::OnNameColor)
  ON_COMMAND(ID_TOPO_NAME_FONT, &CDlgSpctmTopographicFlags::OnNameFont)
  ON_COMMAND_RANGE(ID_TOPO_NAME_RIGHT_4, ID_TOPO_NAME_ALL, &CDlgSpctmTopographicFlags::OnNameLength)
  ON_COMMAND(ID_TOPO_SWITCH_FIELD_SCALE, &CDlgSpctmTopographicFlags::OnSwitchFieldScale)
END_MESSAGE_MAP()

void CDlgSpctmTopographicFlags::exchangeSharedControls(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_TOPO_CANVAS, m_wndMap);
  DDX_Control(pDX, IDC_TOPO_CLASS, m_cmbSpctmClass);
  DDX_Control(pDX, IDC_TOPO_KIND, m_cmbDataKind);
  DDX_Control(pDX, IDC_TOPO_START, m_btnStart);
  DDX_Check(pDX, IDC_TOPO_LABEL, m_bShowLabel);
  DDX_Check(pDX, IDC_TOPO_SENSOR, m_bShowSensor);
  DDX_Check(pDX, IDC_TOPO_RADIOLOGY, m_bRadiology);
  DDX_Check(pDX, IDC_TOPO_LINK_ONE, m_bLinkOneSpctm);
  DDX_Text(pDX, IDC_TOPO_SENSOR_SIZE, m_nSensorSize);
  DDX_Text(pDX, IDC_TOPO_SPEED, m_nSpeed);
  if (!m_wndMap.GetSafeHwnd()) return;
  DDX_Check(pDX, IDC_TOPO_NOSE_UP, m_wndMap.m_bNoseUp);
  DDX_Check(pDX, IDC_TOPO_SCALE, m_wndMap.m_bShowScale);
  DDX_Check(pDX, IDC_TOPO_INFO, m_wndMap.m_bShowInfo);
  DDX_Check(pDX, IDC_TOPO_AUTOFIT_COLOR, m_wndMap.m_bAutofitColor);
  DDX_Text(pDX, IDC_TOPO_STEP_X, m_wndMap.m_nStepX);
  DDX_Text(pDX, IDC_TOPO_STEP_Y, m_wndMap.m_nStepY);
}

void CDlgSpctmTopographicFlags::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  exchangeSharedControls(pDX);
  if (!m_wndMap.GetSafeHwnd()) return;
  DDX_Text(pDX, IDC_TOPO_EDIT_A, m_wndMap.m_nPatchTimePoints);
  DDX_Text(pDX, IDC_TOPO_EDIT_B, m_wndMap.m_nPatchFreqPoints);
}

void CDlgSpctmTopographicFlags::writeControls() {
  m_bWritingControls = true;
  UpdateData(FALSE);
  m_bWritingControls = false;
}

BOOL CDlgSpctmTopographicFlags::OnInitDialog() {
  m_bWritingControls = true;  // the framework's first exchange writes the controls
  CDialog::OnInitDialog();
  m_bWritingControls = false;
  CWinApp* app = AfxGetApp();
  SetIcon(app->LoadIcon(IDI_TOPO_WINDOW), TRUE);
  SetIcon(app->LoadIcon(IDI_TOPO_WINDOW), FALSE);
  for (const wchar_t* name : {L"Active", L"Control", L"Results"}) m_cmbSpctmClass.AddString(name);
  m_cmbSpctmClass.SetCurSel(m_nSpctmClass);
  for (const wchar_t* name : {L"Real Data", L"Imag Data", L"Power/Phase"}) m_cmbDataKind.AddString(name);
  m_cmbDataKind.SetCurSel(m_nDataKind);
  writeControls();
  return TRUE;
}

CString CDlgSpctmTopographicFlags::titleOf(int nSpctmClass) const {
  switch (nSpctmClass) {
    case 0: return L"Spectral Topography: Active  time window";
    case 1: return L"Spectral Topography: Control time window";
    case 2: return L"Spectral Topography:Results from Active/Control time windows";
    default: return L"Spectral Topography:Unknown spectral class";
  }
}

int CDlgSpctmTopographicFlags::updateSpctmDlg() {
  m_strTitle = titleOf(m_nSpctmClass);
  SetWindowText(m_strTitle);
  m_cmbDataKind.SetCurSel(m_nDataKind);
  refreshTexts();
  if (m_bAutofitNextRefresh) {
    // The patches' places come from the last drawing; a window just shown draws first.
    m_wndMap.UpdateWindow();
    m_wndMap.autofitAllPatches(m_wndMap.m_nChannelType);
    m_wndMap.Invalidate(FALSE);
    m_bAutofitNextRefresh = 0;
  }
  writeControls();
  return 1;
}

void CDlgSpctmTopographicFlags::setDrawEngine(CMEGSpctmDrawqv* pDraw) {
  m_pDraw = pDraw;
  m_wndMap.m_pDraw = pDraw;
}

void CDlgSpctmTopographicFlags::setSpctmClass(int nSpctmClass) {
  m_nSpctmClass = nSpctmClass;
  m_wndMap.m_nSpctmClass = nSpctmClass;
  if (m_cmbSpctmClass.GetSafeHwnd()) m_cmbSpctmClass.SetCurSel(nSpctmClass);
}

void CDlgSpctmTopographicFlags::setDataKind(int nDataKind) {
  m_nDataKind = nDataKind;
  m_wndMap.m_nDataKind = nDataKind;
  if (m_cmbDataKind.GetSafeHwnd()) m_cmbDataKind.SetCurSel(nDataKind);
}

void CDlgSpctmTopographicFlags::invalidateRegisteredWnds() {
  if (CDlgSpctmShowStdSet* dialog = showStdSetDlg()) dialog->invalidateShowWnds();
}

CSpctmTrialqv* CDlgSpctmTopographicFlags::spctmTrial4Window(std::int64_t& T, std::int64_t& F) {
  T = F = 0;
  if (!m_wndMap.refreshBinding()) return nullptr;
  CSpctmTrialqv* spctm = m_wndMap.m_pTrial->getSpctmTrial(false, m_nSpctmClass);
  if (!spctm) return nullptr;
  T = spctm->getTrialSpctmTimePt();
  F = spctm->getTrialSpctmFreqPt();
  return T < 1 || F < 1 ? nullptr : spctm;
}

void CDlgSpctmTopographicFlags::OnSelchangeClass() {
  m_nSpctmClass = m_cmbSpctmClass.GetCurSel();
  m_wndMap.m_nSpctmClass = m_nSpctmClass;
  m_wndMap.Invalidate(TRUE);
}

void CDlgSpctmTopographicFlags::OnSelchangeKind() {
  m_nDataKind = m_cmbDataKind.GetCurSel();
  m_wndMap.m_nDataKind = m_nDataKind;
  m_wndMap.Invalidate(TRUE);
}

void CDlgSpctmTopographicFlags::OnViewChange() {
  if (isWritingControls()) return;
  UpdateData(TRUE);
  m_wndMap.Invalidate(TRUE);
}

void CDlgSpctmTopographicFlags::OnApply() {
  UpdateData(TRUE);
  m_wndMap.m_grid.cleanDataGridRect();
  m_wndMap.m_grid.cleanSnsrLoc2D();
  m_wndMap.deleteOffscreenImage();
  m_wndMap.Invalidate(TRUE);
  writeControls();
}

void CDlgSpctmTopographicFlags::OnSettings() {
  CDlgSpctmShowStdSet* dialog = showStdSetDlg();
  if (!dialog) return;
  dialog->m_pSpctmDraw = m_pDraw;
  dialog->m_pDataSet = m_pDataSet;
  dialog->m_nSpctmClass = m_nSpctmClass;
  dialog->m_nDataKind = m_nDataKind;
  dialog->addShowWnd(&m_wndMap);
  if (m_pDlgOneChnl) dialog->addShowWnd(&m_pDlgOneChnl->m_wndSpctm);
  dialog->ShowWindow(SW_SHOW);
  dialog->updateShowStdSet();
  dialog->SetForegroundWindow();
}

void CDlgSpctmTopographicFlags::OnReset() {
  if (!m_pDraw) return;
  m_pDraw->m_nWinTimeBegin = 0;
  m_pDraw->m_nWinFreqBegin = 0;
  m_wndMap.Invalidate(TRUE);
  invalidateRegisteredWnds();
}

// With a display-parameter dialog its "Autofit Trial Data" fits the range on this
// window's class and kind; without one the window fits it from the trial itself.
void CDlgSpctmTopographicFlags::OnAutofit() {
  if (CDlgSpctmShowStdSet* dialog = showStdSetDlg()) {
    dialog->m_pDataSet = m_pDataSet;
    dialog->m_pSpctmDraw = m_pDraw;
    dialog->m_nSpctmClass = m_nSpctmClass;
    dialog->m_nDataKind = m_nDataKind;
    if (dialog->m_comboClass.GetSafeHwnd()) dialog->m_comboClass.SetCurSel(m_nSpctmClass);
    if (dialog->m_comboKind.GetSafeHwnd()) dialog->m_comboKind.SetCurSel(m_nDataKind);
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_STD_AUTOFIT_TRIAL, BN_CLICKED), 0);
    return;
  }
  UpdateData(TRUE);
  if (!m_pDraw || !m_wndMap.refreshBinding()) return;
  double low = 0.0, high = 0.0, mean = 0.0;
  m_wndMap.m_pTrial->getSpctmRangeAllChann(low, high, mean, 1, m_nSpctmClass, m_nDataKind);
  if (high - low <= 0.0) {
    AfxMessageBox(L"Spectral data range error!");
    return;
  }
  m_pDraw->m_dStdMax = 0.5 * std::max(std::abs(high), std::abs(low));
  m_pDraw->m_dStdMin = low > 0.0 ? std::abs(low) : 0.0;
  m_wndMap.Invalidate(TRUE);
}

void CDlgSpctmTopographicFlags::OnStart() {
  UpdateData(TRUE);
  KillTimer(kAnimationTimer);
  if (m_bAnimating) {
    m_btnStart.SetWindowText(L"Start");
    m_bAnimating = 0;
  } else {
    SetTimer(kAnimationTimer, static_cast<UINT>(std::max(m_nSpeed, 0)));
    m_btnStart.SetWindowText(L"Stop");
    m_bAnimating = 1;
    onAnimationStart();
  }
  writeControls();
}

void CDlgSpctmTopographicFlags::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kAnimationTimer) {
    CDialog::OnTimer(nIDEvent);
    return;
  }
  if (IsWindowVisible() && animateOneStep()) {
    m_btnStart.SetWindowText(m_bAnimating ? L"Stop..." : L"Start?!");
  } else {
    KillTimer(kAnimationTimer);
    m_bAnimating = 0;
    m_btnStart.SetWindowText(L"Start");
  }
}

bool CDlgSpctmTopographicFlags::animateOneStep() {
  if (!m_pDraw || !m_pDraw->animateSpctm(m_wndMap.m_nStepX, m_wndMap.m_nStepY, m_nSpctmClass, m_bLinkOneSpctm))
    return false;
  if (m_wndMap.m_bAutofitColor) m_wndMap.autofitAllPatches(m_wndMap.m_nChannelType);
  m_wndMap.Invalidate(TRUE);
  return true;
}

// The engine moves the begin point by the drag, then the window moves by it once more and
// is kept whole inside the grid at the patch size.
void CDlgSpctmTopographicFlags::dragWindow(int dx, int dy) {
  if (!m_pDraw) return;
  m_pDraw->mouseMoveSpctm(dx, dy, m_nSpctmClass);
  std::int64_t T = 0, F = 0;
  if (CSpctmTrialqv* spctm = spctmTrial4Window(T, F)) {
    CMEGSpctmDrawqv& d = *m_pDraw;
    const std::int64_t width = m_wndMap.m_nPatchTimePoints, height = m_wndMap.m_nPatchFreqPoints;
    d.m_nWinTimeBegin += dx;
    if (d.m_nWinTimeBegin + width >= T) d.m_nWinTimeBegin = T - width - 1;
    if (d.m_nWinTimeBegin < 0) d.m_nWinTimeBegin = 0;
    d.m_nWinFreqBegin += dy;
    if (d.m_nWinFreqBegin + height >= F) d.m_nWinFreqBegin = F - height - 1;
    if (d.m_nWinFreqBegin < 0) d.m_nWinFreqBegin = 0;
    d.m_nWinTimeEnd = std::clamp<std::int64_t>(d.m_nWinTimeBegin + width - 1, 0, T - 1);
    d.m_nWinFreqEnd = std::clamp<std::int64_t>(d.m_nWinFreqBegin + height - 1, 0, F - 1);
    if (m_bLinkOneSpctm) {
      spctm->setTrialSpctmSelectTime(d.m_nWinTimeBegin, d.m_nWinTimeEnd);
      spctm->setTrialSpctmSelectFreq(d.m_nWinFreqBegin, d.m_nWinFreqEnd);
    }
  }
  if (m_wndMap.m_bAutofitColor) m_wndMap.autofitAllPatches(m_wndMap.m_nChannelType);
  m_wndMap.Invalidate(TRUE);
  invalidateRegisteredWnds();
}

void CDlgSpctmTopographicFlags::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  if (!m_wndMap.GetSafeHwnd()) return;
  // The canvas keeps its top-left corner and follows the window's size, 10 pixels in.
  CRect rect;
  m_wndMap.GetWindowRect(&rect);
  ScreenToClient(&rect);
  rect.right = cx - 10;
  rect.bottom = cy - 10;
  m_wndMap.MoveWindow(&rect);
  m_wndMap.deleteOffscreenImage();
  m_wndMap.Invalidate(FALSE);
}
