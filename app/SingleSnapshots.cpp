#include "app/SingleSnapshots.h"

#include "platform/ui/CPaintDC.h"
#include "platform/ui/UserInput.h"
#include "resources/Spctm1CResources.h"
#include "windows/single/CDlgSpctm1C.h"

namespace spctmview {
namespace {

bool snapSingle(SnapshotScene& scene, int spctmClass, const std::string& out, std::string& error) {
  const SingleViewOptions& o = scene.single;
  CMEGSpctmDrawqv& draw = scene.face.m_draw;
  // What the host holds when it opens the window: the current channel and the selection.
  try {
    if (!o.channel.empty()) selectChannel(*draw.m_pTrial, o.channel);
  } catch (const UsageError& e) {
    error = e.what();
    return false;
  }
  if (o.selectGiven) {
    if (CSpctmTrialqv* spctm = draw.m_pTrial->getSpctmTrial(false, spctmClass)) {
      spctm->setTrialSpctmSelectTime(o.select[0], o.select[1]);
      spctm->setTrialSpctmSelectFreq(o.select[2], o.select[3]);
    }
  }
  draw.m_nDataSource = o.source;
  draw.m_bShowSelect = o.showSelect;
  draw.m_bShowSelectInfo = o.showInfo;

  CDlgSpctm1C dlg;
  if (!dlg.Create(IDD_SPCTM_1C)) {
    error = "cannot create the single-channel window from its template";
    return false;
  }
  // Bound and shown as the facade shows it.
  dlg.setSpctmClass(spctmClass);
  dlg.m_wndSpctm.setShowMEGData(&scene.dataset);
  dlg.setDrawEngine(&draw);
  dlg.setDataKind(scene.dataKind);
  dlg.m_pDataSet = &scene.dataset;
  dlg.m_pFace = &scene.face;
  dlg.m_wndSpctm.m_bShowColorScale = o.showScale;
  dlg.m_wndSpctm.m_bShowMeasures = o.showMeasures;
  dlg.m_wndSpctm.m_bShowWave = o.showWave;
  dlg.ShowWindow(SW_SHOWNORMAL);
  dlg.updateSpctmDlg();
  dlg.GetDlgItem(IDC_SPCTM1C_CLASS)->EnableWindow(FALSE);
  // The picture at its zoom, placed as a person drags it into view (a window without
  // spectra of its class shows its empty canvas); the strip's zero line in the middle.
  CRect canvas;
  dlg.m_wndSpctm.GetClientRect(&canvas);
  draw.m_dZoom = o.zoom > 0 ? o.zoom : dlg.m_wndSpctm.getFitZoom4Rect(canvas);
  dlg.m_wndSpctm.placeSpctm4Zoom(canvas);
  draw.m_bRecentreWave = 1;
  if (o.autofit) AfxGetApp()->input().clickControl(dlg, IDC_SPCTM1C_AUTOFIT);
  return writeWindowPng(dlg, out, &error);
}

}  // namespace

bool snapSingleAct(SnapshotScene& scene, const std::string& out, std::string& error) {
  return snapSingle(scene, 0, out, error);
}

bool snapSingleCtl(SnapshotScene& scene, const std::string& out, std::string& error) {
  return snapSingle(scene, 1, out, error);
}

bool snapSingleRst(SnapshotScene& scene, const std::string& out, std::string& error) {
  return snapSingle(scene, 2, out, error);
}

}  // namespace spctmview
