// The facade's topographic windows: each show operation creates its window once, binds it
// and links it to the single-channel window of its class and the display-parameter
// dialog of its modality; data-kind messages reach the MEG topographic and single-channel
// windows but not the EEG ones; map-selection messages keep the MEG windows of a class in
// step with the draw window; the repaint requests.
#include "facade/SpctmLibraryEntry.h"
#include "resources/Spctm1CResources.h"
#include "resources/SpctmResources.h"
#include "resources/TopoWindowResources.h"
#include "tests/facade/FacadeTest.h"
#include "tests/support/DatasetBuilder.h"
#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/single/CDlgSpctm1C.h"
#include "windows/topo/CDlgSpctmContourFieldLine.h"

#include <algorithm>
#include <set>

namespace facadetest {
namespace {

// The twelve slots in the order of kTopoShows.
std::vector<CDlgSpctmTopographicFlags*> topoSlots(const CMEGSpctmShow2DFace& f) {
  return {f.m_pDlgMegCntMpAct,          f.m_pDlgMegCntMpCtl,          f.m_pDlgMegCntMpRst,
          f.m_pDlgMegCntMpFieldLineAct, f.m_pDlgMegCntMpFieldLineCtl, f.m_pDlgMegCntMpFieldLineRst,
          f.m_pDlgEegCntMpAct,          f.m_pDlgEegCntMpCtl,          f.m_pDlgEegCntMpRst,
          f.m_pDlgEegCntMpFieldLineAct, f.m_pDlgEegCntMpFieldLineCtl, f.m_pDlgEegCntMpFieldLineRst};
}

bool registered(const CDlgSpctmShowStdSet& dlg, const CWnd* wnd) {
  return std::find(dlg.m_pShowWnds.begin(), dlg.m_pShowWnds.end(), wnd) != dlg.m_pShowWnds.end();
}

CDlgSpctm1C* oneChnl(const CMEGSpctmShow2DFace& f, int spctmClass) {
  CDlgSpctm1C* const slots[] = {f.m_pDlgOneChnlAct, f.m_pDlgOneChnlCtl, f.m_pDlgOneChnlRst};
  return slots[spctmClass];
}

TEST_F(FacadeTest, EveryTopographicShowOpensItsWindowOnceBoundAndLinked) {
  const auto data = headDataset();
  HostWnd host;
  for (const TopoShow& s : kTopoShows) ASSERT_EQ((face.*s.show)(data.get(), &host), 1);
  const std::vector<CDlgSpctmTopographicFlags*> first = topoSlots(face);
  EXPECT_EQ(std::set<CDlgSpctmTopographicFlags*>(first.begin(), first.end()).size(), 12u);
  // Showing again re-binds the same windows to the new dataset.
  const auto other = headDataset(1.0);
  for (const TopoShow& s : kTopoShows) ASSERT_EQ((face.*s.show)(other.get(), nullptr), 1);
  EXPECT_EQ(topoSlots(face), first);

  for (size_t i = 0; i < first.size(); ++i) {
    const TopoShow& s = kTopoShows[i];
    CDlgSpctmTopographicFlags& dlg = *first[i];
    SCOPED_TRACE(i);
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.GetWindowText(), CString(s.title));
    EXPECT_EQ(dlg.m_nSpctmClass, s.spctmClass);
    EXPECT_EQ(dlg.m_wndMap.m_nSpctmClass, s.spctmClass);
    EXPECT_EQ(dlg.m_wndMap.m_nChannelType, s.channelType);
    EXPECT_EQ(dlg.m_wndMap.m_bFlagsMode, s.flags ? 1 : 0);
    EXPECT_EQ(dlg.m_pDataSet, other.get());
    EXPECT_EQ(dlg.m_wndMap.m_pDataSet, other.get());
    EXPECT_EQ(dlg.m_pHostWnd, nullptr);
    EXPECT_EQ(dlg.m_pFace, &face);
    EXPECT_EQ(dlg.m_pDraw, &face.m_draw);
    EXPECT_FALSE(dlg.GetDlgItem(IDC_TOPO_CLASS)->IsWindowEnabled());
    const wchar_t* const classNames[] = {L"Active", L"Control", L"Results"};
    EXPECT_EQ(dlg.GetDlgItem(IDC_TOPO_CLASS)->GetWindowText(), CString(classNames[s.spctmClass]));
    // Linked to the class's single-channel window (created hidden) and the modality's dialog.
    CDlgSpctm1C* single = oneChnl(face, s.spctmClass);
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(dlg.m_pDlgOneChnl, single);
    EXPECT_FALSE(single->IsWindowVisible());
    const CDlgSpctmShowStdSet* setStd = s.channelType == 0 ? static_cast<CDlgSpctmShowStdSet*>(face.m_pDlgMegSetStd)
                                                           : face.m_pDlgEegSetStd;
    ASSERT_NE(setStd, nullptr);
    EXPECT_EQ(s.channelType == 0 ? static_cast<CDlgSpctmShowStdSet*>(dlg.m_pDlgMegSetStd) : dlg.m_pDlgEegSetStd, setStd);
    EXPECT_TRUE(registered(*setStd, &dlg.m_wndMap));
    EXPECT_TRUE(registered(*setStd, &single->m_wndSpctm));
  }
  // Six canvases and three single-channel canvases per modality: within the dialog's 12.
  for (const std::wstring& text : boxTexts()) ADD_FAILURE() << CString(text).utf8();
}

// Without the library's templates in the resource chain no window can be created.
class TopoWithoutTemplates : public FacadeTest {
 protected:
  TopoWithoutTemplates() { spctmLibraryEntry(spctmResources(), DLL_PROCESS_DETACH, nullptr); }
  ~TopoWithoutTemplates() override {
    AfxSetResourceHandle(nullptr);
    spctmLibraryEntry(spctmResources(), DLL_PROCESS_ATTACH, nullptr);
  }
};

TEST_F(TopoWithoutTemplates, EveryTopographicShowSaysTheWindowCannotBeCreated) {
  const auto data = headDataset();
  for (const TopoShow& s : kTopoShows) EXPECT_EQ((face.*s.show)(data.get(), nullptr), 0);
  EXPECT_EQ(boxTexts(), std::vector<std::wstring>(12, L"Error creating Dialog!"));
  for (CDlgSpctmTopographicFlags* dlg : topoSlots(face)) EXPECT_EQ(dlg, nullptr);
}

TEST_F(FacadeTest, DataKindReachesTheMegTopographicAndSingleChannelWindowsButNotTheEegOnes) {
  const auto data = headDataset();
  ASSERT_EQ(face.showMegSpctmDlgCtlCntMap(data.get(), nullptr), 1);
  ASSERT_EQ(face.showMegSpctmDlgRstCntMapFieldLine(data.get(), nullptr), 1);
  ASSERT_EQ(face.showEegSpctmDlgCtlCntMap(data.get(), nullptr), 1);
  ASSERT_EQ(face.showEegSpctmDlgRstCntMapFieldLine(data.get(), nullptr), 1);
  app.pumpUntilIdle();
  EXPECT_EQ(face.sendMessageX(SPCTM_MSG_SET_DATA_KIND, 0, 2), 1);
  for (CDlgSpctmTopographicFlags* dlg : {static_cast<CDlgSpctmTopographicFlags*>(face.m_pDlgMegCntMpCtl),
                                         static_cast<CDlgSpctmTopographicFlags*>(face.m_pDlgMegCntMpFieldLineRst)}) {
    EXPECT_EQ(dlg->m_nDataKind, 2);
    EXPECT_EQ(dlg->m_wndMap.m_nDataKind, 2);
    EXPECT_EQ(dlg->GetDlgItem(IDC_TOPO_KIND)->GetWindowText(), CString(L"Power/Phase"));
  }
  // The contour canvas is repainted by the facade itself.
  CRect pending;
  EXPECT_TRUE(face.m_pDlgMegCntMpFieldLineRst->m_wndMap.GetUpdateRect(&pending));
  for (CDlgSpctm1C* single : {face.m_pDlgOneChnlCtl, face.m_pDlgOneChnlRst}) EXPECT_EQ(single->m_nDataKind, 2);
  for (CDlgSpctmTopographicFlags* dlg : {static_cast<CDlgSpctmTopographicFlags*>(face.m_pDlgEegCntMpCtl),
                                         static_cast<CDlgSpctmTopographicFlags*>(face.m_pDlgEegCntMpFieldLineRst)}) {
    EXPECT_EQ(dlg->m_nDataKind, 0);
    EXPECT_EQ(dlg->m_wndMap.m_nDataKind, 0);
    EXPECT_EQ(dlg->GetDlgItem(IDC_TOPO_KIND)->GetWindowText(), CString(L"Real Data"));
  }
}

TEST_F(FacadeTest, LinkMapSelectBringsTheMegContourWindowOfTheClassToTheDrawWindow) {
  const auto data = headDataset();
  ASSERT_EQ(face.showMegSpctmDlgCtlCntMapFieldLine(data.get(), nullptr), 1);
  ASSERT_EQ(face.showEegSpctmDlgCtlCntMapFieldLine(data.get(), nullptr), 1);
  ASSERT_EQ(face.showMegSpctmDlgActCntMpFieldLine(data.get(), nullptr), 1);
  ASSERT_EQ(face.showSpctmDlgCtlOneChnl(data.get(), nullptr), 1);
  app.pumpUntilIdle();
  face.m_draw.m_nWinTimeBegin = 3;
  face.m_draw.m_nWinTimeEnd = 7;
  face.m_draw.m_nWinFreqBegin = 2;
  face.m_draw.m_nWinFreqEnd = 5;
  // The person ticks "Link Map Select" in the Control single-channel window.
  ASSERT_TRUE(user().clickControl(*face.m_pDlgOneChnlCtl, IDC_SPCTM1C_LINK_MAP));

  CDlgMegSpctmContourFieldLine& ctl = *face.m_pDlgMegCntMpFieldLineCtl;
  EXPECT_EQ(ctl.m_nTimeBegin, 3);
  EXPECT_EQ(ctl.m_nTimeEnd, 7);
  EXPECT_EQ(ctl.m_nFreqBegin, 2);
  EXPECT_EQ(ctl.m_nFreqEnd, 5);
  EXPECT_EQ(ctl.GetDlgItem(IDC_CONTOUR_TIME_BEGIN)->GetWindowText(), CString(L"3"));
  EXPECT_EQ(ctl.GetDlgItem(IDC_CONTOUR_TIME_RANGE)->GetWindowText(), CString(L"3.000~7.000ms"));
  EXPECT_EQ(ctl.GetDlgItem(IDC_CONTOUR_FREQ_RANGE)->GetWindowText(), CString(L"3.000~6.000Hz"));
  // Other classes and the EEG window keep their windows.
  EXPECT_EQ(face.m_pDlgMegCntMpFieldLineAct->m_nTimeBegin, 0);
  EXPECT_EQ(face.m_pDlgEegCntMpFieldLineCtl->m_nTimeBegin, 0);
  // A class outside 0 … 2 and unknown codes change nothing.
  face.m_draw.m_nWinTimeBegin = 9;
  EXPECT_EQ(face.sendMessageX(SPCTM_MSG_MAP_SELECT, 3, 0), 1);
  EXPECT_EQ(face.sendMessageX(6, 1, 0), 1);
  EXPECT_EQ(ctl.m_nTimeBegin, 3);
}

TEST_F(FacadeTest, MapSelectRefreshesTheMegFlagsWindowOfTheClassFromItsControls) {
  const auto data = headDataset();
  ASSERT_EQ(face.showMegSpctmDlgRstCntMap(data.get(), nullptr), 1);
  CDlgMegSpctmTopographicFlags& rst = *face.m_pDlgMegCntMpRst;
  app.pumpUntilIdle();
  rst.GetDlgItem(IDC_TOPO_SPEED)->SetWindowText(L"70");  // read by the message, not by a handler
  EXPECT_EQ(face.sendMessageX(SPCTM_MSG_MAP_SELECT, 2, 0), 1);
  EXPECT_EQ(rst.m_nSpeed, 70);
  CRect pending;
  EXPECT_TRUE(rst.m_wndMap.GetUpdateRect(&pending));
}

TEST_F(FacadeTest, RepaintRequestsNeedTheActiveFlagsWindowAndAVisibleHost) {
  const auto data = headDataset();
  EXPECT_EQ(face.updateMegSpectrumShow(), 0);
  EXPECT_EQ(face.updateEegSpectrumShow(), 0);
  HostWnd host;
  app.pumpUntilIdle();
  ASSERT_EQ(face.showMegSpctmDlgActCntMp(data.get(), &host), 1);
  app.pumpUntilIdle();
  CRect pending;
  ASSERT_FALSE(host.GetUpdateRect(&pending));
  EXPECT_EQ(face.updateMegSpectrumShow(), 1);
  EXPECT_TRUE(host.GetUpdateRect(&pending));
  app.pumpUntilIdle();
  host.ShowWindow(SW_HIDE);
  EXPECT_EQ(face.updateMegSpectrumShow(), 1);
  EXPECT_FALSE(host.GetUpdateRect(&pending));
  EXPECT_EQ(face.updateEegSpectrumShow(), 0);
}

}  // namespace
}  // namespace facadetest
