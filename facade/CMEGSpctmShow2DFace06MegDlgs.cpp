#include "facade/CMEGSpctmShow2DFace06MegDlgs.h"

#include "platform/ui/CommonDialogs.h"
#include "resources/TopoWindowResources.h"
#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/topo/CDlgSpctmContourFieldLine.h"

CMEGSpctmShow2DFace06MegDlgs::CMEGSpctmShow2DFace06MegDlgs() = default;
CMEGSpctmShow2DFace06MegDlgs::~CMEGSpctmShow2DFace06MegDlgs() = default;

int CMEGSpctmShow2DFace06MegDlgs::showMegSpctmSetStdDlg(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  if (!checkInitMegSpctmSetStdDlg()) {
    AfxMessageBox(L"Error creating Dialog!");
    return 0;
  }
  return showSpctmSetStdDlg(*m_pDlgMegSetStd, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace06MegDlgs::showTopoWindow(CDlgSpctmTopographicFlags* dlg, int nSpctmClass, int nChannelType,
                                                 BOOL bFlagsMode, CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  if (!dlg) {
    AfxMessageBox(L"Error creating Dialog!");
    return 0;
  }
  // The canvas, then the window.
  dlg->m_wndMap.m_nChannelType = nChannelType;
  dlg->m_wndMap.m_bFlagsMode = bFlagsMode;
  dlg->m_wndMap.m_pDataSet = pDataSet;
  dlg->m_wndMap.refreshBinding();
  dlg->setDrawEngine(&m_draw);
  dlg->setSpctmClass(nSpctmClass);
  dlg->m_pDataSet = pDataSet;
  dlg->m_pHostWnd = pHostWnd;
  dlg->m_pFace = this;
  dlg->m_pfnSpctmCallback = m_pfnSpctmCallback;
  dlg->ShowWindow(SW_SHOWNORMAL);
  dlg->updateSpctmDlg();
  dlg->m_cmbSpctmClass.EnableWindow(FALSE);  // the slot fixes the class

  CDlgSpctm1C* single = checkInitSpctmDlgSingleChnl(nSpctmClass) ? *oneChnlSlot(nSpctmClass) : nullptr;
  if (single) {
    dlg->m_pDlgOneChnl = single;
    single->setSpctmClass(nSpctmClass);
  }
  CDlgSpctmShowStdSet* setStd = nullptr;
  if (nChannelType == 0 && checkInitMegSpctmSetStdDlg()) {
    dlg->m_pDlgMegSetStd = m_pDlgMegSetStd;
    setStd = m_pDlgMegSetStd;
  } else if (nChannelType == 1 && checkInitEegSpctmSetStdDlg()) {
    dlg->m_pDlgEegSetStd = m_pDlgEegSetStd;
    setStd = m_pDlgEegSetStd;
  }
  if (setStd) {
    setStd->addShowWnd(&dlg->m_wndMap);
    if (single) setStd->addShowWnd(&single->m_wndSpctm);
  }
  return 1;
}

int CMEGSpctmShow2DFace06MegDlgs::updateSpectrumShow(CDlgSpctmTopographicFlags* dlg) {
  if (!dlg) return 0;
  if (dlg->m_pHostWnd && dlg->m_pHostWnd->GetSafeHwnd() && dlg->m_pHostWnd->IsWindowVisible())
    dlg->m_pHostWnd->Invalidate(FALSE);
  return 1;
}

int CMEGSpctmShow2DFace06MegDlgs::updateMegSpectrumShow() { return updateSpectrumShow(m_pDlgMegCntMpAct); }

int CMEGSpctmShow2DFace06MegDlgs::showMegSpctmDlgActCntMp(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgMegCntMpAct, IDD_MEG_TOPO_FLAGS, 0, 0, TRUE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace06MegDlgs::showMegSpctmDlgCtlCntMap(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgMegCntMpCtl, IDD_MEG_TOPO_FLAGS, 1, 0, TRUE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace06MegDlgs::showMegSpctmDlgRstCntMap(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgMegCntMpRst, IDD_MEG_TOPO_FLAGS, 2, 0, TRUE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace06MegDlgs::showMegSpctmDlgActCntMpFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgMegCntMpFieldLineAct, IDD_MEG_CONTOUR_FIELDLINE, 0, 0, FALSE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace06MegDlgs::showMegSpctmDlgCtlCntMapFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgMegCntMpFieldLineCtl, IDD_MEG_CONTOUR_FIELDLINE, 1, 0, FALSE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace06MegDlgs::showMegSpctmDlgRstCntMapFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgMegCntMpFieldLineRst, IDD_MEG_CONTOUR_FIELDLINE, 2, 0, FALSE, pDataSet, pHostWnd);
}
