// The work modes and the view commands of menu 2120 (and of the contour window's 2133),
// the mouse cursor of each work mode and the canvas's context menu.
#include "windows/topo/CDlgSpctmTopographicFlags.h"

#include "resources/TopoWindowResources.h"

void CDlgSpctmTopographicFlags::OnSwitchSensorSelection() {
  m_wndMap.m_nWorkMode = 2;
  m_wndMap.m_nSensorPenWidth = 4;
}

void CDlgSpctmTopographicFlags::OnSwitchSensorView() {
  m_wndMap.m_nWorkMode = 3;
  m_wndMap.m_nSensorPenWidth = 4;
}

void CDlgSpctmTopographicFlags::OnSensorWide(UINT id) {
  m_wndMap.m_nSensorPenWidth = static_cast<int>(id - ID_TOPO_SENSOR_WIDE_1) + 1;
  m_wndMap.Invalidate(TRUE);
}

void CDlgSpctmTopographicFlags::OnNameColor(UINT id) {
  m_wndMap.m_nNameColorMode = id == ID_TOPO_NAME_SPATIAL_COLOR ? 1 : 0;
  m_wndMap.Invalidate(TRUE);
}

void CDlgSpctmTopographicFlags::OnNameFont() {
  m_wndMap.chooseNameFont();
  m_wndMap.Invalidate(TRUE);
}

void CDlgSpctmTopographicFlags::OnNameLength(UINT id) {
  m_wndMap.m_nNameLengthMode = static_cast<int>(id - ID_TOPO_NAME_RIGHT_4) + 1;
  m_wndMap.Invalidate(TRUE);
}

void CDlgSpctmTopographicFlags::OnSwitchFieldScale() {
  m_wndMap.m_bShowScale = m_wndMap.m_bShowScale ? 0 : 1;
  m_wndMap.Invalidate(TRUE);
}

BOOL CDlgSpctmTopographicFlags::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  UINT cursor = 0;
  switch (m_wndMap.m_nWorkMode) {
    case 0:
    case 2: cursor = IDC_TOPO_CURSOR_SELECT; break;
    case 1: cursor = IDC_TOPO_CURSOR_MOVE; break;
    case 3: cursor = IDC_TOPO_CURSOR_SENSOR_VIEW; break;
    default: return CDialog::OnSetCursor(pWnd, nHitTest, message);
  }
  ::SetCursor(AfxGetApp()->LoadCursor(cursor));
  return TRUE;
}

void CDlgSpctmTopographicFlags::OnContextMenu(CWnd*, CPoint pos) {
  if (!m_wndMap.GetSafeHwnd()) return;
  CRect canvas;
  m_wndMap.GetWindowRect(&canvas);
  if (canvas.PtInRect(pos)) m_wndMap.showContextMenu(pos);
}
