#include "app/DialogSnapshots.h"

#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgSpctrMeasurements.h"

namespace spctmview {
namespace {

using FaceCheckInit = int (CMEGSpctmShow2DFaceqv::*)();

// As the single-channel window's "setting" button opens it: class and kind chosen, then
// the facade's show operation hands over the engine and the dataset, shows the dialog and
// refreshes it from the data.
template <class Dialog>
CWnd* openStdSet(SnapshotScene& scene, FaceCheckInit checkInit, FaceShowFn show, Dialog* CMEGSpctmShow2DFace::*slot,
                 std::string& error) {
  CMEGSpctmShow2DFaceqv& face = scene.face;
  if (!(face.*checkInit)()) {
    error = "cannot create the dialog from its template";
    return nullptr;
  }
  Dialog& dlg = *(face.*slot);
  dlg.m_nSpctmClass = scene.spctmClass;
  dlg.m_nDataKind = scene.dataKind;
  dlg.m_comboClass.SetCurSel(scene.spctmClass);
  dlg.m_comboKind.SetCurSel(scene.dataKind);
  (face.*show)(&scene.dataset, nullptr);
  return &dlg;
}

}  // namespace

CWnd* openStdSetMeg(SnapshotScene& scene, std::string& error) {
  return openStdSet(scene, &CMEGSpctmShow2DFaceqv::checkInitMegSpctmSetStdDlg,
                    &CMEGSpctmShow2DFaceqv::showMegSpctmSetStdDlg, &CMEGSpctmShow2DFace::m_pDlgMegSetStd, error);
}

CWnd* openStdSetEeg(SnapshotScene& scene, std::string& error) {
  return openStdSet(scene, &CMEGSpctmShow2DFaceqv::checkInitEegSpctmSetStdDlg,
                    &CMEGSpctmShow2DFaceqv::showEegSpctmSetStdDlg, &CMEGSpctmShow2DFace::m_pDlgEegSetStd, error);
}

CWnd* openMeasure(SnapshotScene& scene, std::string& error) {
  if (!applyHostChoices(scene, scene.spctmClass, error)) return nullptr;
  CDlgSpctrMeasurements* dlg = CDlgSpctrMeasurements::getSpctrMeasurementsDlg(true);
  if (!dlg) {
    error = "cannot create the dialog from its template";
    return nullptr;
  }
  dlg->ShowWindow(SW_SHOW);
  const CMEGSpctmDrawqv& draw = scene.face.m_draw;
  const CString name = draw.m_pSession ? CString(draw.m_pSession->getSessionName()) : CString();
  const int source = scene.single.source;
  dlg->measureSpctmSM(draw.m_pDataSet, draw.m_pSession, draw.m_pTrial, source, scene.spctmClass, scene.dataKind,
                      name);
  dlg->measureSpctmAllSns(draw.m_pDataSet, draw.m_pSession, draw.m_pTrial, source, scene.spctmClass, scene.dataKind,
                          name);
  return dlg;
}

}  // namespace spctmview
