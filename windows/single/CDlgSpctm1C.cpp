#include "windows/single/CDlgSpctm1C.h"

#include "resources/Spctm1CResources.h"

namespace {

// The group statistics in data-source order (1 … 6), after the channel entry.
constexpr const wchar_t* kStatistics[] = {L"Group Mean",       L"Group Min",        L"Group Max",
                                          L"Average Positive", L"Average Negative", L"Root-Mean-Square"};

}  // namespace

CDlgSpctm1C::CDlgSpctm1C() : CDialog(IDD_SPCTM_1C) {}

CDlgSpctm1C::~CDlgSpctm1C() {
  detachMeasurements();
  DestroyWindow();
}

BEGIN_MESSAGE_MAP(CDlgSpctm1C, CDialog)
  ON_BN_CLICKED(IDC_SPCTM1C_SELECT, &CDlgSpctm1C::OnSelectCheck)
  ON_BN_CLICKED(IDC_SPCTM1C_INFO, &CDlgSpctm1C::OnInfoCheck)
  ON_BN_CLICKED(IDC_SPCTM1C_SCALE, &CDlgSpctm1C::OnScaleCheck)
  ON_BN_CLICKED(IDC_SPCTM1C_MEASURE, &CDlgSpctm1C::OnMeasureCheck)
  ON_BN_CLICKED(IDC_SPCTM1C_WAVE, &CDlgSpctm1C::OnWaveCheck)
  ON_BN_CLICKED(IDC_SPCTM1C_NORMAL, &CDlgSpctm1C::OnNormal)
  ON_BN_CLICKED(IDC_SPCTM1C_MOVE, &CDlgSpctm1C::OnMove)
  ON_BN_CLICKED(IDC_SPCTM1C_MOVE_WAVE, &CDlgSpctm1C::OnMoveWave)
  ON_BN_CLICKED(IDC_SPCTM1C_ZOOM_IN, &CDlgSpctm1C::OnZoomIn)
  ON_BN_CLICKED(IDC_SPCTM1C_ZOOM_OUT, &CDlgSpctm1C::OnZoomOut)
  ON_BN_CLICKED(IDC_SPCTM1C_AUTOFIT, &CDlgSpctm1C::OnAutofit)
  ON_BN_CLICKED(IDC_SPCTM1C_UPDATE, &CDlgSpctm1C::OnUpdate)
  ON_BN_CLICKED(IDC_SPCTM1C_REFRESH, &CDlgSpctm1C::OnRefresh)
  ON_BN_CLICKED(IDC_SPCTM1C_RESET, &CDlgSpctm1C::OnReset)
  ON_BN_CLICKED(IDC_SPCTM1C_SETTING, &CDlgSpctm1C::OnSetting)
  ON_BN_CLICKED(IDC_SPCTM1C_LINK_MAP, &CDlgSpctm1C::OnLinkMapSelect)
  ON_BN_CLICKED(IDC_SPCTM1C_AM, &CDlgSpctm1C::OnMeasureAM)
  ON_BN_CLICKED(IDC_SPCTM1C_SM, &CDlgSpctm1C::OnMeasureSM)
  ON_BN_CLICKED(IDC_SPCTM1C_ALL_SPCTM, &CDlgSpctm1C::OnMeasureAll)
  ON_BN_CLICKED(IDC_SPCTM1C_ALL_SNS, &CDlgSpctm1C::OnMeasureAllSns)
  ON_COMMAND(ID_SPCTM1C_LINK_CONTOUR_MAP, &CDlgSpctm1C::OnLinkContourMap)
  ON_CBN_SELCHANGE(IDC_SPCTM1C_CLASS, &CDlgSpctm1C::OnSelchangeClass)
  ON_CBN_SELCHANGE(IDC_SPCTM1C_KIND, &CDlgSpctm1C::OnSelchangeKind)
  ON_CBN_SELCHANGE(IDC_SPCTM1C_STATISTIC, &CDlgSpctm1C::OnSelchangeStatistic)
  ON_CBN_SELCHANGE(IDC_SPCTM1C_CHANNEL, &CDlgSpctm1C::OnSelchangeChannel)
  ON_NOTIFY(UDN_DELTAPOS, IDC_SPCTM1C_TIME_SPIN, &CDlgSpctm1C::OnDeltaposTime)
  ON_NOTIFY(UDN_DELTAPOS, IDC_SPCTM1C_FREQ_SPIN, &CDlgSpctm1C::OnDeltaposFreq)
  ON_NOTIFY(UDN_DELTAPOS, IDC_SPCTM1C_ZOOM_SPIN, &CDlgSpctm1C::OnDeltaposZoom)
END_MESSAGE_MAP()

void CDlgSpctm1C::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SPCTM1C_CANVAS, m_wndSpctm);
  DDX_Control(pDX, IDC_SPCTM1C_SETTING, m_btnSetting);
  DDX_Control(pDX, IDC_SPCTM1C_NORMAL, m_btnNormal);
  DDX_Control(pDX, IDC_SPCTM1C_MOVE, m_btnMove);
  DDX_Control(pDX, IDC_SPCTM1C_ZOOM_IN, m_btnZoomIn);
  DDX_Control(pDX, IDC_SPCTM1C_ZOOM_OUT, m_btnZoomOut);
  DDX_Control(pDX, IDC_SPCTM1C_MOVE_WAVE, m_btnMoveWave);
  DDX_Control(pDX, IDC_SPCTM1C_SM, m_btnSM);
  DDX_Control(pDX, IDC_SPCTM1C_AM, m_btnAM);
  DDX_Control(pDX, IDC_SPCTM1C_ALL_SNS, m_btnAllSns);
  DDX_Control(pDX, IDC_SPCTM1C_CLASS, m_cmbSpctmClass);
  DDX_Control(pDX, IDC_SPCTM1C_KIND, m_cmbDataKind);
  DDX_Control(pDX, IDC_SPCTM1C_STATISTIC, m_cmbChnlStatistic);
  DDX_Control(pDX, IDC_SPCTM1C_CHANNEL, m_cmbChnlList);
  DDX_Check(pDX, IDC_SPCTM1C_SELECT, m_bShowSelect);
  DDX_Check(pDX, IDC_SPCTM1C_INFO, m_bShowSelectInfo);
  DDX_Check(pDX, IDC_SPCTM1C_SCALE, m_bShowColorScale);
  DDX_Check(pDX, IDC_SPCTM1C_MEASURE, m_wndSpctm.m_bShowMeasures);
  DDX_Check(pDX, IDC_SPCTM1C_WAVE, m_bShowWave);
  DDX_Check(pDX, IDC_SPCTM1C_LINK_MAP, m_bLinkMapSelect);
}

BOOL CDlgSpctm1C::OnInitDialog() {
  CDialog::OnInitDialog();
  CWinApp* app = AfxGetApp();
  SetIcon(app->LoadIcon(IDI_SPCTM1C_WINDOW), TRUE);
  SetIcon(app->LoadIcon(IDI_SPCTM1C_WINDOW), FALSE);
  const std::pair<CButton*, UINT> icons[] = {
      {&m_btnSetting, IDI_SPCTM1C_SETTING},     {&m_btnNormal, IDI_SPCTM1C_NORMAL}, {&m_btnMove, IDI_SPCTM1C_MOVE},
      {&m_btnZoomIn, IDI_SPCTM1C_ZOOM_IN},      {&m_btnZoomOut, IDI_SPCTM1C_ZOOM_OUT},
      {&m_btnMoveWave, IDI_SPCTM1C_MOVE_WAVE}, {&m_btnAM, IDI_SPCTM1C_AM},         {&m_btnSM, IDI_SPCTM1C_SM},
      {&m_btnAllSns, IDI_SPCTM1C_ALL_SNS}};
  for (const auto& [button, icon] : icons) button->SetIcon(app->LoadIcon(icon));

  fillStatisticList(L"Sensor");
  for (const wchar_t* name : {L"Active", L"Control", L"MixActCtl"}) m_cmbSpctmClass.AddString(name);
  m_cmbSpctmClass.SetCurSel(m_nSpctmClass);
  for (const wchar_t* name : {L"Real Data", L"Imag Data", L"Power/Phase"}) m_cmbDataKind.AddString(name);
  m_cmbDataKind.SetCurSel(m_nDataKind);
  UpdateData(FALSE);
  return TRUE;
}

void CDlgSpctm1C::fillStatisticList(const wchar_t* first) {
  m_cmbChnlStatistic.ResetContent();
  m_cmbChnlStatistic.AddString(first);
  for (const wchar_t* name : kStatistics) m_cmbChnlStatistic.AddString(name);
  m_cmbChnlStatistic.SetCurSel(m_nChnlStatistic);
}

void CDlgSpctm1C::updateMEGData() {
  if (m_pDataSet) m_pSession = m_pDataSet->getSessionData(-1);
  if (m_pSession) m_pTrial = m_pSession->getTrialqv(-1);
}

int CDlgSpctm1C::updateSpctmDlg() {
  if (m_pDraw) {
    m_bShowSelect = m_pDraw->m_bShowSelect ? 1 : 0;
    m_bShowSelectInfo = m_pDraw->m_bShowSelectInfo ? 1 : 0;
    m_nChnlStatistic = m_pDraw->m_nDataSource;
    m_bShowWave = m_wndSpctm.m_bShowWave ? 1 : 0;
    m_bShowColorScale = m_wndSpctm.m_bShowColorScale ? 1 : 0;
  }
  switch (m_nSpctmClass) {
    case 0: m_strTitle = L"Spectrogram: Active  time window"; break;
    case 1: m_strTitle = L"Spectrogram: Control time window"; break;
    case 2: m_strTitle = L"Spectrogram:Results from Active/Control time windows"; break;
    default: m_strTitle = L"Spectrogram channel:Unknown spectral class";
  }
  SetWindowText(m_strTitle);
  m_cmbSpctmClass.SetCurSel(m_nSpctmClass);
  m_cmbDataKind.SetCurSel(m_nDataKind);
  m_cmbChnlStatistic.SetCurSel(m_nChnlStatistic);
  fillChnlList();
  UpdateData(FALSE);
  return 1;
}

int CDlgSpctm1C::fillChnlList() {
  m_cmbChnlList.ResetContent();
  updateMEGData();
  if (!m_pSession || !m_pTrial) {
    m_cmbChnlList.SetCurSel(0);
    return 1;
  }
  CMDChannelqv* const* channels = m_pTrial->getAllChannelPt();
  if (!channels) return 0;
  const std::int64_t current = m_pTrial->getCurntChnlIndx();
  int currentItem = -1;
  for (std::int64_t i = 0; i < m_pTrial->getTotalChannel(); ++i) {
    CMDChannelqv* channel = channels[i];
    if (!channel || !channel->getSpctmChnl(false, m_nSpctmClass)) continue;
    const int item = m_cmbChnlList.AddString(CString(channel->m_strName.c_str()));
    if (item < 0) return 0;
    m_cmbChnlList.SetItemData(item, static_cast<LPARAM>(i));
    if (i == current) currentItem = item;
  }
  m_cmbChnlList.SetCurSel(currentItem >= 0 ? currentItem : 0);

  std::int64_t nMeg = 0, nEeg = 0;
  m_pSession->getSpctmChnlMegEeg(nMeg, nEeg);
  fillStatisticList(nMeg > 0 && nEeg > 0 ? L"MEG-EEG Sensor"
                    : nMeg > 0           ? L"MEG Sensor"
                    : nEeg > 0           ? L"EEG Electrode"
                                         : L"Sensor");
  return 1;
}

void CDlgSpctm1C::setDrawEngine(CMEGSpctmDrawqv* pDraw) {
  m_pDraw = pDraw;
  m_wndSpctm.m_pDraw = pDraw;
}

void CDlgSpctm1C::setSpctmClass(int nSpctmClass) {
  m_nSpctmClass = nSpctmClass;
  m_wndSpctm.m_nSpctmClass = nSpctmClass;
}

void CDlgSpctm1C::setDataKind(int nDataKind) {
  m_nDataKind = nDataKind;
  m_wndSpctm.m_nDataKind = nDataKind;
  if (m_cmbDataKind.GetSafeHwnd()) m_cmbDataKind.SetCurSel(nDataKind);
}

BOOL CDlgSpctm1C::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if ((message == WM_PAINT || message == WM_KEYDOWN) && m_wndSpctm.GetSafeHwnd()) {
    LRESULT canvasResult = 0;
    m_wndSpctm.OnWndMsg(message, wParam, lParam, &canvasResult);
  }
  return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}

void CDlgSpctm1C::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  if (!m_wndSpctm.GetSafeHwnd()) return;
  // The canvas keeps its top-left corner and follows the window's size, 10 pixels in.
  CRect rect;
  m_wndSpctm.GetWindowRect(&rect);
  ScreenToClient(&rect);
  rect.right = cx - 10;
  rect.bottom = cy - 10;
  m_wndSpctm.MoveWindow(&rect);
  m_wndSpctm.releaseMemDC();
  if (m_pDraw) {
    m_pDraw->m_bRecentre = true;
    m_pDraw->m_bRecentreWave = 1;
  }
  m_wndSpctm.Invalidate(FALSE);
}
