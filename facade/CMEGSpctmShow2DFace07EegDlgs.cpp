#include "facade/CMEGSpctmShow2DFace07EegDlgs.h"

#include "platform/ui/CommonDialogs.h"
#include "resources/TopoWindowResources.h"
#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/topo/CDlgSpctmContourFieldLine.h"

CMEGSpctmShow2DFace07EegDlgs::CMEGSpctmShow2DFace07EegDlgs() = default;
CMEGSpctmShow2DFace07EegDlgs::~CMEGSpctmShow2DFace07EegDlgs() = default;

int CMEGSpctmShow2DFace07EegDlgs::showEegSpctmSetStdDlg(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  if (!checkInitEegSpctmSetStdDlg()) {
    AfxMessageBox(L"Error creating Dialog!");
    return 0;
  }
  return showSpctmSetStdDlg(*m_pDlgEegSetStd, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace07EegDlgs::updateEegSpectrumShow() { return updateSpectrumShow(m_pDlgEegCntMpAct); }

int CMEGSpctmShow2DFace07EegDlgs::showEegSpctmDlgActCntMp(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgEegCntMpAct, IDD_EEG_TOPO_FLAGS, 0, 1, TRUE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace07EegDlgs::showEegSpctmDlgCtlCntMap(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgEegCntMpCtl, IDD_EEG_TOPO_FLAGS, 1, 1, TRUE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace07EegDlgs::showEegSpctmDlgRstCntMap(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgEegCntMpRst, IDD_EEG_TOPO_FLAGS, 2, 1, TRUE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace07EegDlgs::showEegSpctmDlgActCntMpFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgEegCntMpFieldLineAct, IDD_EEG_CONTOUR_FIELDLINE, 0, 1, FALSE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace07EegDlgs::showEegSpctmDlgCtlCntMapFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgEegCntMpFieldLineCtl, IDD_EEG_CONTOUR_FIELDLINE, 1, 1, FALSE, pDataSet, pHostWnd);
}

int CMEGSpctmShow2DFace07EegDlgs::showEegSpctmDlgRstCntMapFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  return openTopoWindow(m_pDlgEegCntMpFieldLineRst, IDD_EEG_CONTOUR_FIELDLINE, 2, 1, FALSE, pDataSet, pHostWnd);
}
