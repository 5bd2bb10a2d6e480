// The buttons, check box and combo boxes of the standard display-parameter dialogs.
#include <algorithm>
#include <cmath>

#include "platform/ui/CommonDialogs.h"
#include "windows/dialogs/CDlgSpctmShowStdSet.h"

namespace {

constexpr const wchar_t* kNoDataText = L"Is there any MEG data?!";

}  // namespace

bool CDlgSpctmShowStdSet::readControlsWithData() {
  UpdateData(TRUE);
  refreshBinding();
  return m_pTrial && m_pSpctmDraw;
}

void CDlgSpctmShowStdSet::OnGetDataRange() {
  if (!readControlsWithData()) return;
  double lo = 0.0, hi = 0.0;
  if (!trialRange(1, lo, hi)) return;
  m_dTrialMin = lo;
  m_dTrialMax = hi;
  m_pTrial->findSpctmChnl4Show(m_nSpctmClass, m_nDataKind);
  chnlRange();
  syncScrollPos();
  invalidateShowWnds();
  UpdateData(FALSE);
}

void CDlgSpctmShowStdSet::OnSetTrialToSelect() {
  if (!readControlsWithData()) return;
  double lo = 0.0, hi = 0.0;
  if (!trialRange(0, lo, hi)) return;
  m_dTrialMin = lo;
  m_dTrialMax = hi;
  m_dSelectMax = std::max(std::fabs(lo), std::fabs(hi));
  m_dSelectMin = lo > 0.0 ? std::fabs(lo) : 0.0;
  storeSelectRange();
  UpdateData(FALSE);
}

void CDlgSpctmShowStdSet::OnSetChnlToSelect() {
  if (!readControlsWithData()) return;
  chnlRange();
  m_dSelectMax = std::max(std::fabs(m_dChnlMin), std::fabs(m_dChnlMax));
  m_dSelectMin = m_dChnlMin > 0.0 ? std::fabs(m_dChnlMin) : 0.0;
  storeSelectRange();
  UpdateData(FALSE);
}

void CDlgSpctmShowStdSet::OnAutofitTrialData() {
  if (!readControlsWithData() || !m_pTrial->getSpctmTrial(false, m_nSpctmClass)) return;
  double lo = 0.0, hi = 0.0;
  if (!trialRange(1, lo, hi)) return;
  m_dTrialMin = lo;
  m_dTrialMax = hi;
  setSelectRange(lo, hi);
}

void CDlgSpctmShowStdSet::OnAutofitChnlData() {
  if (!readControlsWithData()) return;
  m_pTrial->findSpctmChnl4Show(m_nSpctmClass, m_nDataKind);
  double first = 0.0, second = 0.0, third = 0.0;
  m_pTrial->getSpctmRange4OneChnlShowAbs(m_nChnlSource, -1, first, second, third, true, m_nSpctmClass, m_nDataKind);
  m_dChnlMin = first;
  m_dChnlMax = second;
  setSelectRange(first, second);
}

// The host recomputes the spectra of the current trial; the windows are not repainted.
void CDlgSpctmShowStdSet::OnCheckSpectrum() {
  refreshBinding();
  if (!m_pSession || !m_pTrial) {
    AfxMessageBox(kNoDataText);
    return;
  }
  CWaitCursor wait;
  m_pSession->computTrialSpctmAllPro(m_pTrial, true);
}

// The host drops the trial's summaries and recomputes every trial of the session.
void CDlgSpctmShowStdSet::OnRawData() {
  refreshBinding();
  if (!m_pSession || !m_pTrial) {
    AfxMessageBox(kNoDataText);
    return;
  }
  {
    CWaitCursor wait;
    m_pTrial->reloadSpctmDataAll();
    m_pSession->computTrialSpctmAllPro(nullptr, true);
  }
  invalidateShowWnds();
}

// A colour depth takes effect as soon as its radio button is clicked, together with
// whatever stands in the two select edits.
void CDlgSpctmShowStdSet::OnApplyOrDepth() {
  applyShowStdSet();
  invalidateShowWnds();
}

void CDlgSpctmShowStdSet::OnPolarity() {
  UpdateData(TRUE);
  if (m_pSpctmDraw) m_pSpctmDraw->m_bPolarity = m_bPolarity;
  invalidateShowWnds();
}

void CDlgSpctmShowStdSet::OnClassChange() {
  applyShowStdSet();
  const int selected = m_comboClass.GetCurSel();
  if (selected < 0) return;
  m_nSpctmClass = selected;
  invalidateShowWnds();
}

// The other windows take the new kind through the facade (the EEG windows ignore it).
void CDlgSpctmShowStdSet::OnKindChange() {
  applyShowStdSet();
  const int selected = m_comboKind.GetCurSel();
  if (selected < 0) return;
  m_nDataKind = selected;
  if (m_pSpctmFace) m_pSpctmFace->sendMessageX(SPCTM_MSG_SET_DATA_KIND, m_nSpctmClass, m_nDataKind);
  invalidateShowWnds();
}
