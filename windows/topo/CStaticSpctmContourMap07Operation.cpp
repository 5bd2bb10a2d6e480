#include "windows/topo/CStaticSpctmContourMap07Operation.h"

#include "platform/ui/CMenu.h"
#include "resources/TopoResources.h"

BEGIN_MESSAGE_MAP(CStaticSpctmContourMap07Operation, CStaticSpctmContourMap06Lines)
ON_COMMAND(ID_CONTOURMAP_SETBADSENSOR, &CStaticSpctmContourMap07Operation::OnSetBadSensor)
ON_COMMAND(ID_CONTOURMAP_SWITCHSELECTION, &CStaticSpctmContourMap07Operation::OnSwitchSelection)
ON_COMMAND(ID_CONTOURMAP_CLEANSELECTION, &CStaticSpctmContourMap07Operation::OnCleanSelection)
ON_COMMAND(ID_CONTOURMAP_SWITCHVISIBILITY, &CStaticSpctmContourMap07Operation::OnSwitchVisibility)
END_MESSAGE_MAP()

void CStaticSpctmContourMap07Operation::showContextMenu(CPoint screenPoint) {
  CMenu menu;
  if (!menu.LoadMenu(IDR_MENU_CONTOURMAP)) return;
  if (CMenu* popup = menu.GetSubMenu(0)) popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, this);
  menu.DestroyMenu();
}

void CStaticSpctmContourMap07Operation::OnSetBadSensor() {
  if (!refreshBinding()) return;
  CWaitCursor wait;
  const std::int64_t current = m_pTrial->getCurntChnlIndx();
  m_pSession->setGoodChnl4Alltrials(current, !m_pSession->isGoodChnl4Alltrials(current));
  m_grid.cleanDataGridRect();
  m_grid.cleanSnsrLoc2D();
  buildField();
  if (m_nDisplayMode != 0) traceLines();
  Invalidate(TRUE);
}

void CStaticSpctmContourMap07Operation::OnSwitchSelection() {
  if (!refreshBinding()) return;
  const std::int64_t current = m_pTrial->getCurntChnlIndx();
  m_pSession->setShowChnl4Alltrials(current, !m_pSession->isShowChnl4Alltrials(current));
  Invalidate(TRUE);
}

void CStaticSpctmContourMap07Operation::OnCleanSelection() {
  if (!refreshBinding()) return;
  const std::int64_t current = m_pTrial->getCurntChnlIndx();
  m_pSession->setSelectChnl4Alltrials(current, !m_pSession->isSelectChnl4Alltrials(current), 0);
  Invalidate(TRUE);
}

void CStaticSpctmContourMap07Operation::OnSwitchVisibility() {
  if (!refreshBinding()) return;
  m_pSession->setSelectChnl4Alltrials(0, 0, 1);
  Invalidate(TRUE);
}
