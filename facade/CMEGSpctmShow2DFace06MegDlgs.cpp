#include "facade/CMEGSpctmShow2DFace06MegDlgs.h"

#include "platform/ui/CommonDialogs.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"

CMEGSpctmShow2DFace06MegDlgs::CMEGSpctmShow2DFace06MegDlgs() = default;
CMEGSpctmShow2DFace06MegDlgs::~CMEGSpctmShow2DFace06MegDlgs() = default;

int CMEGSpctmShow2DFace06MegDlgs::showMegSpctmSetStdDlg(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
  if (!checkInitMegSpctmSetStdDlg()) {
    AfxMessageBox(L"Error creating Dialog!");
    return 0;
  }
  return showSpctmSetStdDlg(*m_pDlgMegSetStd, pDataSet, pHostWnd);
}
