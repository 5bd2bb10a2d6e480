#include "windows/dialogs/CDlgSpctmShowStdSet.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/ui/CommonDialogs.h"
#include "resources/StdSetResources.h"

namespace {

constexpr int kScrollMax = 1024;
constexpr UINT kScrollPage = 102;
constexpr double kScrollUnit = 1.0 / 1024.0;

// The bar position for a magnitude in steps: truncated toward zero, kept inside int (the
// bar then keeps it inside its range).
int barPosition(double magnitude, double step) {
  return static_cast<int>(std::clamp(std::fabs(magnitude) / step, 0.0, static_cast<double>(INT_MAX)));
}

}  // namespace

BEGIN_MESSAGE_MAP(CDlgSpctmShowStdSet, CDialogEx)
  ON_BN_CLICKED(IDC_STD_GET_RANGE, &CDlgSpctmShowStdSet::OnGetDataRange)
  ON_BN_CLICKED(IDC_STD_TRIAL_TO_SELECT, &CDlgSpctmShowStdSet::OnSetTrialToSelect)
  ON_BN_CLICKED(IDC_STD_CHNL_TO_SELECT, &CDlgSpctmShowStdSet::OnSetChnlToSelect)
  ON_BN_CLICKED(IDC_STD_AUTOFIT_TRIAL, &CDlgSpctmShowStdSet::OnAutofitTrialData)
  ON_BN_CLICKED(IDC_STD_AUTOFIT_CHNL, &CDlgSpctmShowStdSet::OnAutofitChnlData)
  ON_BN_CLICKED(IDC_STD_CHECK_SPECTRUM, &CDlgSpctmShowStdSet::OnCheckSpectrum)
  ON_BN_CLICKED(IDC_STD_RAW_DATA, &CDlgSpctmShowStdSet::OnRawData)
  ON_BN_CLICKED(IDC_STD_REFRESH, &CDlgSpctmShowStdSet::OnRefresh)
  ON_BN_CLICKED(IDC_STD_UPDATE, &CDlgSpctmShowStdSet::OnUpdate)
  ON_BN_CLICKED(IDC_STD_APPLY, &CDlgSpctmShowStdSet::OnApplyOrDepth)
  ON_BN_CLICKED(IDC_STD_DEPTH_256, &CDlgSpctmShowStdSet::OnApplyOrDepth)
  ON_BN_CLICKED(IDC_STD_DEPTH_512, &CDlgSpctmShowStdSet::OnApplyOrDepth)
  ON_BN_CLICKED(IDC_STD_DEPTH_768, &CDlgSpctmShowStdSet::OnApplyOrDepth)
  ON_BN_CLICKED(IDC_STD_DEPTH_1024, &CDlgSpctmShowStdSet::OnApplyOrDepth)
  ON_BN_CLICKED(IDC_STD_POLARITY, &CDlgSpctmShowStdSet::OnPolarity)
  ON_CBN_SELCHANGE(IDC_STD_COMBO_CLASS, &CDlgSpctmShowStdSet::OnClassChange)
  ON_CBN_SELCHANGE(IDC_STD_COMBO_KIND, &CDlgSpctmShowStdSet::OnKindChange)
END_MESSAGE_MAP()

void CDlgSpctmShowStdSet::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_STD_COMBO_CLASS, m_comboClass);
  DDX_Control(pDX, IDC_STD_COMBO_KIND, m_comboKind);
  DDX_Control(pDX, IDC_STD_LOW_SCROLL, m_scrollLow);
  DDX_Control(pDX, IDC_STD_HIGH_SCROLL, m_scrollHigh);
  DDX_Check(pDX, IDC_STD_POLARITY, m_bPolarity);
  DDX_Text(pDX, IDC_STD_SELECT_MIN, m_dSelectMin);
  DDX_Text(pDX, IDC_STD_SELECT_MAX, m_dSelectMax);
  DDX_Text(pDX, IDC_STD_TRIAL_MIN, m_dTrialMin);
  DDX_Text(pDX, IDC_STD_TRIAL_MAX, m_dTrialMax);
  DDX_Text(pDX, IDC_STD_CHNL_MIN, m_dChnlMin);
  DDX_Text(pDX, IDC_STD_CHNL_MAX, m_dChnlMax);
  DDX_Text(pDX, IDC_STD_LOW_LABEL, m_strLowLabel);
  DDX_Text(pDX, IDC_STD_HIGH_LABEL, m_strHighLabel);
  DDX_Radio(pDX, IDC_STD_DEPTH_256, m_nColorDepthIndx);
}

BOOL CDlgSpctmShowStdSet::OnInitDialog() {
  CDialogEx::OnInitDialog();
  HICON icon = AfxGetApp()->LoadIcon(IDI_SPCTM_STD_SET);
  SetIcon(icon, TRUE);
  SetIcon(icon, FALSE);
  for (const wchar_t* text : {L"Active", L"Control", L"Results"}) m_comboClass.AddString(text);
  m_comboClass.SetCurSel(m_nSpctmClass);
  for (const wchar_t* text : {L"Real Data", L"Imag Data", L"Power/Phase"}) m_comboKind.AddString(text);
  m_comboKind.SetCurSel(m_nDataKind);
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = kScrollMax;
  info.nPage = kScrollPage;
  info.nPos = kScrollMax / 2;
  m_scrollLow.SetScrollInfo(&info);
  m_scrollHigh.SetScrollInfo(&info);
  updateShowStdSet();
  UpdateData(FALSE);
  return TRUE;
}

// ---- Registry of windows --------------------------------------------------------------------

int CDlgSpctmShowStdSet::addShowWnd(CWnd* pWnd) {
  if (!pWnd || std::find(m_pShowWnds.begin(), m_pShowWnds.end(), pWnd) != m_pShowWnds.end()) return 0;
  const auto empty = std::find(m_pShowWnds.begin(), m_pShowWnds.end(), nullptr);
  if (empty == m_pShowWnds.end()) {
    AfxMessageBox(L"Spectral settings control maximum 12 windows!");
    return 0;
  }
  *empty = pWnd;
  return 1;
}

void CDlgSpctmShowStdSet::invalidateShowWnds() {
  for (CWnd* wnd : m_pShowWnds) {
    if (wnd && wnd->GetSafeHwnd() && wnd->IsWindowVisible()) wnd->Invalidate(FALSE);
  }
}

// ---- Data and draw state ----------------------------------------------------------------------

void CDlgSpctmShowStdSet::refreshBinding() {
  if (m_pDataSet) m_pSession = m_pDataSet->getSessionData(-1);
  if (m_pSession) m_pTrial = m_pSession->getTrialqv(-1);
}

bool CDlgSpctmShowStdSet::trialRange(int flag, double& lo, double& hi) {
  double third = 0.0;
  m_pTrial->getSpctmRangeAllChann(lo, hi, third, flag, m_nSpctmClass, m_nDataKind);
  if (hi - lo <= 0.0) {
    AfxMessageBox(L"Spectral data range error!");
    return false;
  }
  return true;
}

void CDlgSpctmShowStdSet::chnlRange() {
  double third = 0.0;
  m_pTrial->getSpctmRange4OneChnlShow(m_nChnlSource, -1, m_dChnlMin, m_dChnlMax, third, true, m_nSpctmClass,
                                      m_nDataKind);
}

void CDlgSpctmShowStdSet::storeSelectRange() {
  m_pSpctmDraw->m_dStdMax = m_dSelectMax;
  m_pSpctmDraw->m_dStdMin = m_dSelectMin;
}

int CDlgSpctmShowStdSet::updateShowStdSet() {
  refreshBinding();
  if (!m_pSession || !m_pTrial) return 0;
  if (m_pSpctmDraw) {
    if (m_pTrial->getSpctmTrial(false, m_nSpctmClass)) {
      if (m_bFirstTime) {
        double lo = 0.0, hi = 0.0;
        if (!trialRange(1, lo, hi)) return 0;
        m_dTrialMin = lo;
        m_dTrialMax = hi;
        m_pTrial->findSpctmChnl4Show(m_nSpctmClass, m_nDataKind);
        chnlRange();
        m_dSelectMax = std::max(std::fabs(lo), std::fabs(hi));
        m_dSelectMin = lo <= 0.0 ? 0.5 * std::fabs(hi) : 0.5 * std::fabs(hi - lo);
        storeSelectRange();
        m_bFirstTime = 0;
      } else {
        m_dSelectMax = m_pSpctmDraw->m_dStdMax;
        m_dSelectMin = m_pSpctmDraw->m_dStdMin;
      }
    }
    m_comboClass.SetCurSel(m_nSpctmClass);
    m_comboKind.SetCurSel(m_nDataKind);
    m_strLowLabel.Format(L"select low:%0.3f", m_dSelectMin);
    m_strHighLabel.Format(L"select high:%0.3f", m_dSelectMax);
    syncScrollPos();
    switch (m_pSpctmDraw->m_nColorDepth) {
      case 256: m_nColorDepthIndx = 0; break;
      case 512: m_nColorDepthIndx = 1; break;
      case 768: m_nColorDepthIndx = 2; break;
      default: m_nColorDepthIndx = 3; break;
    }
  }
  UpdateData(FALSE);
  return 1;
}

int CDlgSpctmShowStdSet::applyShowStdSet() {
  UpdateData(TRUE);
  if (!m_pSpctmDraw) return 1;
  storeSelectRange();
  static constexpr UINT kDepths[] = {256, 512, 768};
  m_pSpctmDraw->m_nColorDepth = m_nColorDepthIndx >= 0 && m_nColorDepthIndx < 3 ? kDepths[m_nColorDepthIndx] : 1024;
  return 1;
}

void CDlgSpctmShowStdSet::setSelectRange(double low, double high) {
  m_dSelectMax = 0.5 * std::max(std::fabs(low), std::fabs(high));
  m_dSelectMin = low > 0.0 ? std::fabs(low) : 0.0;
  if (m_pSpctmDraw) storeSelectRange();
  syncScrollPos();
  invalidateShowWnds();
  UpdateData(FALSE);
}

void CDlgSpctmShowStdSet::syncScrollPos() {
  const double step = std::max(std::fabs(m_dTrialMin), std::fabs(m_dTrialMax)) * kScrollUnit;
  if (std::fabs(step) <= 1e-7) return;
  m_scrollLow.SetScrollPos(barPosition(m_dSelectMin, step));
  m_scrollHigh.SetScrollPos(barPosition(m_dSelectMax, step));
}

// The scroll code moves the bar as the table of codes says; the value scales the new
// position by the trial maximum's magnitude alone (syncScrollPos uses the larger bound).
void CDlgSpctmShowStdSet::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  UpdateData(TRUE);
  if (!m_pSpctmDraw || !pScrollBar) return;
  const int id = pScrollBar->GetDlgCtrlID();
  if (id != IDC_STD_LOW_SCROLL && id != IDC_STD_HIGH_SCROLL) return;
  SCROLLINFO info;
  pScrollBar->GetScrollInfo(&info, SIF_RANGE | SIF_PAGE | SIF_POS);
  const int page = static_cast<int>(info.nPage);
  int pos = info.nPos;
  switch (nSBCode) {
    case SB_LINELEFT: if (pos > info.nMin) --pos; break;
    case SB_LINERIGHT: if (pos < info.nMax) ++pos; break;
    case SB_PAGELEFT: if (pos > info.nMin) pos = std::max(pos - page, info.nMin); break;
    case SB_PAGERIGHT: if (pos < info.nMax) pos = std::min(pos + page, info.nMax); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = static_cast<int>(nPos); break;
    case SB_LEFT: pos = info.nMin; break;
    case SB_RIGHT: pos = info.nMax; break;
    default: break;
  }
  pScrollBar->SetScrollPos(pos);
  const double value = std::fabs(m_dTrialMax) * kScrollUnit * pos;
  if (id == IDC_STD_LOW_SCROLL) {
    m_dSelectMin = m_pSpctmDraw->m_dStdMin = value;
    m_strLowLabel.Format(L"Select Low:%0.3f", value);
  } else {
    m_dSelectMax = m_pSpctmDraw->m_dStdMax = value;
    m_strHighLabel.Format(L"Select High: %0.3f", value);
  }
  UpdateData(FALSE);
  invalidateShowWnds();
}
