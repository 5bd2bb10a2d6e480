#include "windows/topo/CDlgSpctmContourFieldLine.h"

#include <algorithm>

#include "host/render/CMEGShow2DFaceqv.h"
#include "resources/TopoWindowResources.h"

CDlgSpctmContourFieldLine::CDlgSpctmContourFieldLine(UINT nIDTemplate) : CDlgSpctmTopographicFlags(nIDTemplate) {
  m_strTitle = L"Spectral Contourmap-Field/Line";
}

CDlgMegSpctmContourFieldLine::CDlgMegSpctmContourFieldLine() : CDlgSpctmContourFieldLine(IDD_MEG_CONTOUR_FIELDLINE) {}
CDlgEegSpctmContourFieldLine::CDlgEegSpctmContourFieldLine() : CDlgSpctmContourFieldLine(IDD_EEG_CONTOUR_FIELDLINE) {}

BEGIN_MESSAGE_MAP(CDlgSpctmContourFieldLine, CDlgSpctmTopographicFlags)
  ON_CBN_SELCHANGE(IDC_TOPO_KIND, &CDlgSpctmContourFieldLine::OnSelchangeKindField)
  ON_CBN_SELCHANGE(IDC_CONTOUR_DISPLAY, &CDlgSpctmContourFieldLine::OnSelchangeDisplay)
  ON_EN_CHANGE(IDC_TOPO_SENSOR_SIZE, &CDlgSpctmContourFieldLine::OnFieldViewChange)
  ON_EN_CHANGE(IDC_TOPO_EDIT_A, &CDlgSpctmContourFieldLine::OnFieldViewChange)
  ON_EN_CHANGE(IDC_TOPO_EDIT_B, &CDlgSpctmContourFieldLine::OnFieldViewChange)
  ON_EN_CHANGE(IDC_CONTOUR_TIME_BEGIN, &CDlgSpctmContourFieldLine::OnIndexChange)
  ON_EN_CHANGE(IDC_CONTOUR_TIME_END, &CDlgSpctmContourFieldLine::OnIndexChange)
  ON_EN_CHANGE(IDC_CONTOUR_FREQ_BEGIN, &CDlgSpctmContourFieldLine::OnIndexChange)
  ON_EN_CHANGE(IDC_CONTOUR_FREQ_END, &CDlgSpctmContourFieldLine::OnIndexChange)
  ON_COMMAND(ID_CONTOUR_SWITCH_LINE_COLOR, &CDlgSpctmContourFieldLine::OnSwitchLineColor)
  ON_COMMAND(ID_CONTOUR_SET_FRAME_SIZE, &CDlgSpctmContourFieldLine::OnSetFrameSize)
  ON_COMMAND(ID_CONTOUR_SHOW_HEAD_SHAPE, &CDlgSpctmContourFieldLine::OnShowHeadShape)
END_MESSAGE_MAP()

void CDlgSpctmContourFieldLine::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  exchangeSharedControls(pDX);
  DDX_Control(pDX, IDC_CONTOUR_DISPLAY, m_cmbDisplayMode);
  DDX_Text(pDX, IDC_CONTOUR_TIME_BEGIN, m_nTimeBegin);
  DDX_Text(pDX, IDC_CONTOUR_TIME_END, m_nTimeEnd);
  DDX_Text(pDX, IDC_CONTOUR_FREQ_BEGIN, m_nFreqBegin);
  DDX_Text(pDX, IDC_CONTOUR_FREQ_END, m_nFreqEnd);
  DDX_Text(pDX, IDC_CONTOUR_TIME_RANGE, m_strTimeRange);
  DDX_Text(pDX, IDC_CONTOUR_FREQ_RANGE, m_strFreqRange);
  if (!m_wndMap.GetSafeHwnd()) return;
  DDX_Text(pDX, IDC_TOPO_EDIT_A, m_wndMap.m_dLineThreshold);
  DDX_Text(pDX, IDC_TOPO_EDIT_B, m_wndMap.m_nLineLevels);
}

BOOL CDlgSpctmContourFieldLine::OnInitDialog() {
  CDlgSpctmTopographicFlags::OnInitDialog();
  for (const wchar_t* name : {L"Fields", L"Lines", L"Both"}) m_cmbDisplayMode.AddString(name);
  m_cmbDisplayMode.SetCurSel(m_wndMap.m_nDisplayMode);
  return TRUE;
}

CString CDlgSpctmContourFieldLine::titleOf(int nSpctmClass) const {
  switch (nSpctmClass) {
    case 0: return L"Spectral Contourmap: Active  time window";
    case 1: return L"Spectral Contourmap: Control time window";
    case 2: return L"Spectral Contourmap:Results from Active/Control time windows";
    default: return L"Spectral Contourmap:Unknown spectral class";
  }
}

void CDlgSpctmContourFieldLine::refreshTexts() {
  if (!m_wndMap.refreshBinding()) return;
  double ms0 = 0.0, ms1 = 0.0;
  m_wndMap.m_pSession->getTrialSpctmGivenTime2LatencyMsec(m_nTimeBegin, m_nTimeEnd, ms0, ms1, m_nSpctmClass,
                                                          m_nDataKind);
  m_strTimeRange.Format(L"%0.3f~%0.3fms", ms0, ms1);
  double hz0 = 0.0, hz1 = 0.0;
  if (CSpctmTrialqv* spctm = m_wndMap.m_pTrial->getSpctmTrial(false, m_nSpctmClass))
    spctm->getTrialSpctmGivenFreqID4Hz(m_nFreqBegin, m_nFreqEnd, hz0, hz1);
  m_strFreqRange.Format(L"%0.3f~%0.3fHz", hz0, hz1);
}

void CDlgSpctmContourFieldLine::storeWindow(CSpctmTrialqv& spctm) {
  if (m_pDraw) {
    m_pDraw->m_nWinTimeBegin = m_nTimeBegin;
    m_pDraw->m_nWinTimeEnd = m_nTimeEnd;
    m_pDraw->m_nWinFreqBegin = m_nFreqBegin;
    m_pDraw->m_nWinFreqEnd = m_nFreqEnd;
  }
  if (m_bLinkOneSpctm) {
    spctm.setTrialSpctmSelectTime(m_nTimeBegin, m_nTimeEnd);
    spctm.setTrialSpctmSelectFreq(m_nFreqBegin, m_nFreqEnd);
  }
}

void CDlgSpctmContourFieldLine::onAnimationStart() {
  m_nAnimTimeWidth = m_nTimeEnd - m_nTimeBegin + 1;
  m_nAnimFreqWidth = m_nFreqEnd - m_nFreqBegin + 1;
}

bool CDlgSpctmContourFieldLine::animateOneStep() {
  UpdateData(TRUE);
  std::int64_t T = 0, F = 0;
  CSpctmTrialqv* spctm = spctmTrial4Window(T, F);
  if (m_wndMap.m_nStepX < 1 || m_wndMap.m_nStepY < 1 || !spctm) return false;
  // The colour range follows the field as it was before this step.
  const double fieldMax = m_wndMap.m_dFieldMaxAbs, fieldMin = m_wndMap.m_dFieldMinAbs;
  m_nTimeBegin += m_wndMap.m_nStepX;
  if (m_nTimeBegin >= T) {
    m_nTimeBegin = 0;
    m_nFreqBegin += m_wndMap.m_nStepY;
    if (m_nFreqBegin >= F) m_nFreqBegin = 0;
  }
  m_nTimeEnd = std::clamp<std::int64_t>(m_nTimeBegin + m_nAnimTimeWidth, 0, T - 1);
  m_nFreqEnd = std::clamp<std::int64_t>(m_nFreqBegin + m_nAnimFreqWidth, 0, F - 1);
  refreshTexts();
  storeWindow(*spctm);
  if (m_wndMap.m_bAutofitColor && m_pDraw) {
    m_pDraw->m_dStdMax = fieldMax;
    m_pDraw->m_dStdMin = fieldMin;
  }
  m_wndMap.recompute();
  m_wndMap.Invalidate(FALSE);
  writeControls();
  return true;
}

// The time window keeps its width too: its end follows the begin, cut to the grid.
void CDlgSpctmContourFieldLine::dragWindow(int dx, int dy) {
  std::int64_t T = 0, F = 0;
  CSpctmTrialqv* spctm = spctmTrial4Window(T, F);
  if (!spctm) return;
  const std::int64_t timeWidth = m_nTimeEnd - m_nTimeBegin, freqWidth = m_nFreqEnd - m_nFreqBegin;
  m_nTimeBegin = std::clamp<std::int64_t>(m_nTimeBegin + dx, 0, T - 1);
  m_nTimeEnd = std::clamp<std::int64_t>(m_nTimeBegin + timeWidth, 0, T - 1);
  m_nFreqBegin += dy;
  if (m_nFreqBegin + freqWidth >= F) m_nFreqBegin = F - freqWidth - 1;
  if (m_nFreqBegin < 0) m_nFreqBegin = 0;
  m_nFreqEnd = std::clamp<std::int64_t>(m_nFreqBegin + freqWidth, 0, F - 1);
  refreshTexts();
  storeWindow(*spctm);
  if (m_wndMap.m_bAutofitColor && m_pDraw) {
    m_pDraw->m_dStdMax = m_wndMap.m_dFieldMaxAbs;
    m_pDraw->m_dStdMin = m_wndMap.m_dFieldMinAbs;
  }
  m_wndMap.Invalidate(FALSE);
  if (m_bLinkOneSpctm && m_pDlgOneChnl && m_pDlgOneChnl->m_wndSpctm.GetSafeHwnd() &&
      m_pDlgOneChnl->m_wndSpctm.IsWindowVisible())
    m_pDlgOneChnl->m_wndSpctm.Invalidate(TRUE);
  invalidateRegisteredWnds();
  writeControls();
}

void CDlgSpctmContourFieldLine::OnSelchangeKindField() {
  m_nDataKind = m_cmbDataKind.GetCurSel();
  m_wndMap.m_nDataKind = m_nDataKind;
  m_wndMap.recompute();
  m_wndMap.Invalidate(TRUE);
}

void CDlgSpctmContourFieldLine::OnSelchangeDisplay() {
  m_wndMap.m_nDisplayMode = m_cmbDisplayMode.GetCurSel();
  m_wndMap.recompute();
  m_wndMap.deleteOffscreenImage();
  m_wndMap.Invalidate(FALSE);
}

void CDlgSpctmContourFieldLine::OnFieldViewChange() {
  if (isWritingControls()) return;
  UpdateData(TRUE);
  m_wndMap.Invalidate(FALSE);
}

// A typed index changes only the texts; the engine's window follows at the next drag or
// animation step.
void CDlgSpctmContourFieldLine::OnIndexChange() {
  if (isWritingControls()) return;
  const std::int64_t before[] = {m_nTimeBegin, m_nTimeEnd, m_nFreqBegin, m_nFreqEnd};
  UpdateData(TRUE);
  const std::int64_t after[] = {m_nTimeBegin, m_nTimeEnd, m_nFreqBegin, m_nFreqEnd};
  if (!std::equal(std::begin(before), std::end(before), std::begin(after))) updateSpctmDlg();
}

void CDlgSpctmContourFieldLine::OnSwitchLineColor() {
  m_wndMap.m_nLineColorMode = m_wndMap.m_nLineColorMode ? 0 : 1;
  m_wndMap.deleteOffscreenImage();
  m_wndMap.Invalidate(FALSE);
}

void CDlgSpctmContourFieldLine::OnSetFrameSize() {
  CMEGShow2DFaceqv host;
  if (!host.showDlgMapFramSiz(m_wndMap.m_bUseStdProjection, m_wndMap.m_nProjection2DSize, this)) return;
  m_wndMap.buildField();
  m_wndMap.Invalidate(FALSE);
}

void CDlgSpctmContourFieldLine::OnShowHeadShape() {
  m_wndMap.m_bShowHeadShape = m_wndMap.m_bShowHeadShape ? 0 : 1;
  m_wndMap.Invalidate(FALSE);
}

int CDlgMegSpctmContourFieldLine::takeEngineWindow() {
  UpdateData(TRUE);
  if (m_pDraw) {
    m_nTimeBegin = m_pDraw->m_nWinTimeBegin;
    m_nTimeEnd = m_pDraw->m_nWinTimeEnd;
    m_nFreqBegin = m_pDraw->m_nWinFreqBegin;
    m_nFreqEnd = m_pDraw->m_nWinFreqEnd;
  }
  updateSpctmDlg();
  m_wndMap.Invalidate(FALSE);
  return 1;
}
