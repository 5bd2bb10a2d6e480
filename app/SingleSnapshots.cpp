#include "app/SingleSnapshots.h"

#include "platform/ui/UserInput.h"
#include "resources/Spctm1CResources.h"
#include "windows/single/CDlgSpctm1C.h"

namespace spctmview {
namespace {

CWnd* openSingle(SnapshotScene& scene, int spctmClass, FaceShowFn show, CDlgSpctm1C* CMEGSpctmShow2DFace::*slot,
                 std::string& error) {
  const SingleViewOptions& o = scene.single;
  CMEGSpctmDrawqv& draw = scene.face.m_draw;
  // What the host holds when it opens the window: the current channel and the selection.
  if (!applyHostChoices(scene, spctmClass, error)) return nullptr;
  draw.m_nDataSource = o.source;
  draw.m_bShowSelect = o.showSelect;
  draw.m_bShowSelectInfo = o.showInfo;

  if (!(scene.face.*show)(&scene.dataset, nullptr)) {
    error = "cannot create the single-channel window from its template";
    return nullptr;
  }
  // The person's choices in the window: kind and overlays.
  CDlgSpctm1C& dlg = *(scene.face.*slot);
  dlg.setDataKind(scene.dataKind);
  dlg.m_wndSpctm.m_bShowColorScale = o.showScale;
  dlg.m_wndSpctm.m_bShowMeasures = o.showMeasures;
  dlg.m_wndSpctm.m_bShowWave = o.showWave;
  dlg.updateSpctmDlg();
  // The picture at its zoom, placed as a person drags it into view (a window without
  // spectra of its class shows its empty canvas); the strip's zero line in the middle.
  CRect canvas;
  dlg.m_wndSpctm.GetClientRect(&canvas);
  draw.m_dZoom = o.zoom > 0 ? o.zoom : dlg.m_wndSpctm.getFitZoom4Rect(canvas);
  dlg.m_wndSpctm.placeSpctm4Zoom(canvas);
  draw.m_bRecentreWave = 1;
  if (o.autofit) AfxGetApp()->input().clickControl(dlg, IDC_SPCTM1C_AUTOFIT);
  return &dlg;
}

}  // namespace

CWnd* openSingleAct(SnapshotScene& scene, std::string& error) {
  return openSingle(scene, 0, &CMEGSpctmShow2DFaceqv::showSpctmDlgActOneChnl, &CMEGSpctmShow2DFace::m_pDlgOneChnlAct,
                    error);
}

CWnd* openSingleCtl(SnapshotScene& scene, std::string& error) {
  return openSingle(scene, 1, &CMEGSpctmShow2DFaceqv::showSpctmDlgCtlOneChnl, &CMEGSpctmShow2DFace::m_pDlgOneChnlCtl,
                    error);
}

CWnd* openSingleRst(SnapshotScene& scene, std::string& error) {
  return openSingle(scene, 2, &CMEGSpctmShow2DFaceqv::showSpctmDlgRstOneChnl, &CMEGSpctmShow2DFace::m_pDlgOneChnlRst,
                    error);
}

}  // namespace spctmview
