#include "facade/CMEGSpctmShow2DFace04AllDlg.h"

#include "platform/ui/CommonDialogs.h"
#include "resources/Spctm1CResources.h"
#include "windows/single/CDlgSpctm1C.h"
#include "windows/topo/CDlgSpctmContourFieldLine.h"

CMEGSpctmShow2DFace04AllDlg::CMEGSpctmShow2DFace04AllDlg() = default;
CMEGSpctmShow2DFace04AllDlg::~CMEGSpctmShow2DFace04AllDlg() = default;

int CMEGSpctmShow2DFace04AllDlg::showSpctmDlgActOneChnl(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return showSpctmDlgOneChnl(0, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace04AllDlg::showSpctmDlgCtlOneChnl(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return showSpctmDlgOneChnl(1, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace04AllDlg::showSpctmDlgRstOneChnl(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return showSpctmDlgOneChnl(2, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace04AllDlg::showSpctmDlgOneChnl(int nSpctmClass, CArrayMEDataSetqv* pDataSet,
                                                     CWnd* pHostWnd) {
  if (!checkInitSpctmDlgSingleChnl(nSpctmClass)) {
    AfxMessageBox(L"Error creating Dialog!");
    return 0;
  }
  CDlgSpctm1C& dlg = **oneChnlSlot(nSpctmClass);
  dlg.m_wndSpctm.setShowMEGData(pDataSet);
  dlg.setDrawEngine(&m_draw);
  dlg.m_pHostWnd = pHostWnd;
  dlg.setSpctmClass(nSpctmClass);
  dlg.m_pDataSet = pDataSet;
  dlg.m_pFace = this;
  dlg.m_pfnSpctmCallback = m_pfnSpctmCallback;
  dlg.ShowWindow(SW_SHOWNORMAL);
  dlg.updateSpctmDlg();
  dlg.m_cmbSpctmClass.EnableWindow(FALSE);  // the slot fixes the class
  if (checkInitMegSpctmSetStdDlg()) {
    dlg.m_pDlgMegSetStd = m_pDlgMegSetStd;
    m_pDlgMegSetStd->addShowWnd(&dlg.m_wndSpctm);
  }
  if (checkInitEegSpctmSetStdDlg()) {
    dlg.m_pDlgEegSetStd = m_pDlgEegSetStd;
    m_pDlgEegSetStd->addShowWnd(&dlg.m_wndSpctm);
  }
  return 1;
}

int CMEGSpctmShow2DFace04AllDlg::sendMessageX(int nCode, int a, int b) {
  if (nCode == SPCTM_MSG_SET_DATA_KIND) setDataKindAll(b);
  if (nCode == SPCTM_MSG_MAP_SELECT) takeMapSelect(a);
  return 1;
}

// The MEG topographic windows and the single-channel windows, in that order; the EEG
// topographic windows keep their kinds.
void CMEGSpctmShow2DFace04AllDlg::setDataKindAll(int nDataKind) {
  for (CDlgSpctmTopographicFlags* dlg : {m_pDlgMegCntMpAct, m_pDlgMegCntMpCtl, m_pDlgMegCntMpRst}) {
    if (dlg) dlg->setDataKind(nDataKind);
  }
  for (CDlgSpctmTopographicFlags* dlg :
       {m_pDlgMegCntMpFieldLineAct, m_pDlgMegCntMpFieldLineCtl, m_pDlgMegCntMpFieldLineRst}) {
    if (!dlg) continue;
    dlg->setDataKind(nDataKind);
    dlg->m_wndMap.Invalidate(FALSE);
  }
  for (CDlgSpctm1C* dlg : {m_pDlgOneChnlAct, m_pDlgOneChnlCtl, m_pDlgOneChnlRst}) {
    if (dlg) dlg->setDataKind(nDataKind);
  }
}

void CMEGSpctmShow2DFace04AllDlg::takeMapSelect(int nSpctmClass) {
  CDlgMegSpctmTopographicFlags* const flags[] = {m_pDlgMegCntMpAct, m_pDlgMegCntMpCtl, m_pDlgMegCntMpRst};
  CDlgMegSpctmContourFieldLine* const contour[] = {m_pDlgMegCntMpFieldLineAct, m_pDlgMegCntMpFieldLineCtl,
                                                   m_pDlgMegCntMpFieldLineRst};
  if (nSpctmClass < 0 || nSpctmClass > 2) return;
  if (CDlgMegSpctmTopographicFlags* dlg = flags[nSpctmClass]) {
    dlg->UpdateData(TRUE);
    dlg->updateSpctmDlg();
    dlg->m_wndMap.Invalidate(FALSE);
  }
  if (CDlgMegSpctmContourFieldLine* dlg = contour[nSpctmClass]) dlg->takeEngineWindow();
}
