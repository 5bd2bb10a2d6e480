#include "app/DialogSnapshots.h"

#include "platform/ui/CPaintDC.h"
#include "windows/dialogs/CDlgSpctrMeasurements.h"
#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"

namespace spctmview {
namespace {

// As the single-channel window's "setting" button opens it: engine, dataset, class and
// kind handed over, then shown and refreshed.
template <class Dialog>
bool snapStdSet(SnapshotScene& scene, const std::string& out, std::string& error) {
  Dialog dlg;
  dlg.m_pSpctmDraw = &scene.face.m_draw;
  dlg.m_pSpctmFace = &scene.face;
  dlg.m_pDataSet = &scene.dataset;
  dlg.m_nSpctmClass = scene.spctmClass;
  dlg.m_nDataKind = scene.dataKind;
  if (!dlg.Create(Dialog::IDD)) {
    error = "cannot create the dialog from its template";
    return false;
  }
  dlg.ShowWindow(SW_SHOW);
  dlg.updateShowStdSet();
  return writeWindowPng(dlg, out, &error);
}

}  // namespace

bool snapStdSetMeg(SnapshotScene& scene, const std::string& out, std::string& error) {
  return snapStdSet<CDlgMegSpctmShowStdSet>(scene, out, error);
}

bool snapStdSetEeg(SnapshotScene& scene, const std::string& out, std::string& error) {
  return snapStdSet<CDlgEegSpctmShowStdSet>(scene, out, error);
}

bool snapMeasure(SnapshotScene& scene, const std::string& out, std::string& error) {
  CDlgSpctrMeasurements dlg;
  if (!dlg.Create(CDlgSpctrMeasurements::IDD)) {
    error = "cannot create the dialog from its template";
    return false;
  }
  dlg.ShowWindow(SW_SHOW);
  const CMEGSpctmDrawqv& draw = scene.face.m_draw;
  const CString name = draw.m_pSession ? CString(draw.m_pSession->getSessionName()) : CString();
  dlg.measureSpctmSM(draw.m_pDataSet, draw.m_pSession, draw.m_pTrial, draw.m_nDataSource, scene.spctmClass,
                     scene.dataKind, name);
  dlg.measureSpctmAllSns(draw.m_pDataSet, draw.m_pSession, draw.m_pTrial, draw.m_nDataSource, scene.spctmClass,
                         scene.dataKind, name);
  return writeWindowPng(dlg, out, &error);
}

}  // namespace spctmview
