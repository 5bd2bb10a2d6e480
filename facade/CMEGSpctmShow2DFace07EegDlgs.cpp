#include "facade/CMEGSpctmShow2DFace07EegDlgs.h"

#include "platform/ui/CommonDialogs.h"
#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"

CMEGSpctmShow2DFace07EegDlgs::CMEGSpctmShow2DFace07EegDlgs() = default;
CMEGSpctmShow2DFace07EegDlgs::~CMEGSpctmShow2DFace07EegDlgs() = default;

int CMEGSpctmShow2DFace07EegDlgs::showEegSpctmSetStdDlg(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  if (!checkInitEegSpctmSetStdDlg()) {
    AfxMessageBox(L"Error creating Dialog!");
    return 0;
  }
  return showSpctmSetStdDlg(*m_pDlgEegSetStd, pDataSet, pHostWnd);
}
