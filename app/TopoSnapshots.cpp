#include "app/TopoSnapshots.h"

#include "platform/ui/UserInput.h"
#include "resources/TopoWindowResources.h"
#include "windows/topo/CDlgSpctmContourFieldLine.h"

namespace spctmview {
namespace {

// Types a number into an edit of the window, as a person would.
void typeNumber(CWnd& dlg, int id, long long value) { dlg.GetDlgItem(id)->SetWindowText(CString(std::to_wstring(value))); }

CWnd* openTopo(SnapshotScene& scene, int spctmClass, FaceShowFn show, CDlgSpctmTopographicFlags* (*slot)(CMEGSpctmShow2DFace&),
               std::string& error) {
  const SingleViewOptions& o = scene.single;
  if (!applyHostChoices(scene, spctmClass, error)) return nullptr;
  if (!(scene.face.*show)(&scene.dataset, nullptr)) {
    error = "cannot create the topographic window from its template";
    return nullptr;
  }
  CDlgSpctmTopographicFlags& dlg = *slot(scene.face);
  UserInput& person = AfxGetApp()->input();
  person.chooseComboItem(dlg, IDC_TOPO_KIND, scene.dataKind);
  if (o.selectGiven) {
    // The time–frequency window: the draw window all topographic windows share, typed
    // into the contour window's indices; "Apply" draws the field anew for it.
    CMEGSpctmDrawqv& draw = scene.face.m_draw;
    draw.m_nWinTimeBegin = o.select[0];
    draw.m_nWinTimeEnd = o.select[1];
    draw.m_nWinFreqBegin = o.select[2];
    draw.m_nWinFreqEnd = o.select[3];
    if (dynamic_cast<CDlgSpctmContourFieldLine*>(&dlg)) {
      const int ids[] = {IDC_CONTOUR_TIME_BEGIN, IDC_CONTOUR_TIME_END, IDC_CONTOUR_FREQ_BEGIN, IDC_CONTOUR_FREQ_END};
      for (int i = 0; i < 4; ++i) typeNumber(dlg, ids[i], o.select[static_cast<size_t>(i)]);
    } else {
      typeNumber(dlg, IDC_TOPO_EDIT_A, o.select[1] - o.select[0] + 1);
      typeNumber(dlg, IDC_TOPO_EDIT_B, o.select[3] - o.select[2] + 1);
    }
    person.clickControl(dlg, IDC_TOPO_APPLY);
  }
  if (o.autofit) person.clickControl(dlg, IDC_TOPO_AUTOFIT);
  if (scene.animate > 0) {
    person.clickControl(dlg, IDC_TOPO_START);
    AfxGetApp()->advanceClock(static_cast<std::uint64_t>(dlg.m_nSpeed) * static_cast<std::uint64_t>(scene.animate));
  }
  AfxGetApp()->pumpUntilIdle();
  return &dlg;
}

// The entry of a window: its class, the facade's show operation and the facade's slot.
template <int Class, auto Show, auto Slot>
CWnd* open(SnapshotScene& scene, std::string& error) {
  return openTopo(scene, Class, static_cast<FaceShowFn>(Show),
                  [](CMEGSpctmShow2DFace& f) -> CDlgSpctmTopographicFlags* { return f.*Slot; }, error);
}

using F = CMEGSpctmShow2DFace;
using Q = CMEGSpctmShow2DFaceqv;

}  // namespace

const std::vector<SnapshotWindow>& topoSnapshotWindows() {
  static const std::vector<SnapshotWindow> windows = {
      {"flags-meg-act", "the MEG topographic flags window, Active", open<0, &Q::showMegSpctmDlgActCntMp, &F::m_pDlgMegCntMpAct>},
      {"flags-meg-ctl", "the MEG topographic flags window, Control", open<1, &Q::showMegSpctmDlgCtlCntMap, &F::m_pDlgMegCntMpCtl>},
      {"flags-meg-rst", "the MEG topographic flags window, Results", open<2, &Q::showMegSpctmDlgRstCntMap, &F::m_pDlgMegCntMpRst>},
      {"field-meg-act", "the MEG contour field/line window, Active",
       open<0, &Q::showMegSpctmDlgActCntMpFieldLine, &F::m_pDlgMegCntMpFieldLineAct>},
      {"field-meg-ctl", "the MEG contour field/line window, Control",
       open<1, &Q::showMegSpctmDlgCtlCntMapFieldLine, &F::m_pDlgMegCntMpFieldLineCtl>},
      {"field-meg-rst", "the MEG contour field/line window, Results",
       open<2, &Q::showMegSpctmDlgRstCntMapFieldLine, &F::m_pDlgMegCntMpFieldLineRst>},
      {"flags-eeg-act", "the EEG topographic flags window, Active", open<0, &Q::showEegSpctmDlgActCntMp, &F::m_pDlgEegCntMpAct>},
      {"flags-eeg-ctl", "the EEG topographic flags window, Control", open<1, &Q::showEegSpctmDlgCtlCntMap, &F::m_pDlgEegCntMpCtl>},
      {"flags-eeg-rst", "the EEG topographic flags window, Results", open<2, &Q::showEegSpctmDlgRstCntMap, &F::m_pDlgEegCntMpRst>},
      {"field-eeg-act", "the EEG contour field/line window, Active",
       open<0, &Q::showEegSpctmDlgActCntMpFieldLine, &F::m_pDlgEegCntMpFieldLineAct>},
      {"field-eeg-ctl", "the EEG contour field/line window, Control",
       open<1, &Q::showEegSpctmDlgCtlCntMapFieldLine, &F::m_pDlgEegCntMpFieldLineCtl>},
      {"field-eeg-rst", "the EEG contour field/line window, Results",
       open<2, &Q::showEegSpctmDlgRstCntMapFieldLine, &F::m_pDlgEegCntMpFieldLineRst>},
  };
  return windows;
}

}  // namespace spctmview
