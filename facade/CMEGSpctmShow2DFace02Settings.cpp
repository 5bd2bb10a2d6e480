#include "facade/CMEGSpctmShow2DFace02Settings.h"

#include "resources/Spctm1CResources.h"
#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/single/CDlgSpctm1C.h"

CMEGSpctmShow2DFace02Settings::CMEGSpctmShow2DFace02Settings() = default;
CMEGSpctmShow2DFace02Settings::~CMEGSpctmShow2DFace02Settings() = default;

int CMEGSpctmShow2DFace02Settings::checkInitMegSpctmSetStdDlg() {
  if (!fillSlot(m_pDlgMegSetStd, CDlgMegSpctmShowStdSet::IDD)) return 0;
  m_pDlgMegSetStd->m_pSpctmFace = this;
  return 1;
}

int CMEGSpctmShow2DFace02Settings::checkInitEegSpctmSetStdDlg() {
  if (!fillSlot(m_pDlgEegSetStd, CDlgEegSpctmShowStdSet::IDD)) return 0;
  m_pDlgEegSetStd->m_pSpctmFace = this;
  return 1;
}

int CMEGSpctmShow2DFace02Settings::checkInitSpctmDlgSingleChnl(int nSpctmClass) {
  CDlgSpctm1C** slot = oneChnlSlot(nSpctmClass);
  return slot && fillSlot(*slot, IDD_SPCTM_1C) ? 1 : 0;
}

int CMEGSpctmShow2DFace02Settings::showSpctmSetStdDlg(CDlgSpctmShowStdSet& dlg, CArrayMEDataSetqv* pDataSet,
                                                      CWnd* pHostWnd) {
  m_draw.setDrawMEGData(pDataSet);
  dlg.m_pSpctmFace = this;
  dlg.m_pSpctmDraw = &m_draw;
  dlg.m_pDataSet = pDataSet;
  dlg.addShowWnd(pHostWnd);
  dlg.ShowWindow(SW_SHOWNORMAL);
  dlg.updateShowStdSet();
  return 1;
}

CDlgSpctm1C** CMEGSpctmShow2DFace02Settings::oneChnlSlot(int nSpctmClass) {
  switch (nSpctmClass) {
    case 0: return &m_pDlgOneChnlAct;
    case 1: return &m_pDlgOneChnlCtl;
    case 2: return &m_pDlgOneChnlRst;
    default: return nullptr;
  }
}
