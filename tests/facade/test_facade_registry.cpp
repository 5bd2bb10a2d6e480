// The facade's window registry as the host uses it: one window per slot however often it
// is shown, re-bound on every show; the display-parameter dialogs made hidden by the
// single-channel shows and told about each window; failures to create a window (the
// facade's end: test_facade_lifecycle.cpp).
#include "tests/facade/FacadeTest.h"

#include <algorithm>

#include "facade/SpctmLibraryEntry.h"
#include "resources/Spctm1CResources.h"
#include "resources/SpctmResources.h"
#include "tests/support/DatasetBuilder.h"
#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/single/CDlgSpctm1C.h"

namespace facadetest {
namespace {

// The windows registered with a display-parameter dialog, in slot order.
std::vector<CWnd*> registered(const CDlgSpctmShowStdSet* dlg) {
  std::vector<CWnd*> wnds;
  for (CWnd* w : dlg->m_pShowWnds) {
    if (w) wnds.push_back(w);
  }
  return wnds;
}

TEST_F(FacadeTest, SingleChannelShowKeepsOneWindowPerClassAndRebindsIt) {
  const auto first = spectraDataset(), second = spectraDataset(1.0);
  HostWnd host1, host2;
  for (const OneChnlShow& s : kOneChnlShows) {
    ASSERT_EQ((face.*s.show)(first.get(), &host1), 1);
    CDlgSpctm1C* dlg = face.*s.slot;
    ASSERT_NE(dlg, nullptr);
    dlg->ShowWindow(SW_HIDE);  // the person closed it
    ASSERT_EQ((face.*s.show)(second.get(), &host2), 1);
    EXPECT_EQ(face.*s.slot, dlg) << "the same window, shown again";
    EXPECT_TRUE(dlg->IsWindowVisible());
    EXPECT_EQ(dlg->m_pDataSet, second.get());
    EXPECT_EQ(dlg->m_wndSpctm.m_pDataSet, second.get());
    EXPECT_EQ(dlg->m_wndSpctm.m_pTrial, second->getSessionData(-1)->getTrialqv(-1));
    EXPECT_EQ(dlg->m_pHostWnd, &host2);
    EXPECT_EQ(dlg->m_pDraw, &face.m_draw);
    EXPECT_EQ(dlg->m_wndSpctm.m_pDraw, &face.m_draw);
    EXPECT_EQ(dlg->m_pFace, &face);
    EXPECT_EQ(dlg->m_wndSpctm.m_nSpctmClass, s.spctmClass);
    EXPECT_FALSE(dlg->GetDlgItem(IDC_SPCTM1C_CLASS)->IsWindowEnabled());
    EXPECT_NE(dlg->GetWindowText().str().find(s.className), std::wstring::npos) << dlg->GetWindowText().utf8();
  }
  EXPECT_TRUE(script().messageBoxes.empty());
}

TEST_F(FacadeTest, SingleChannelShowsMakeTheSettingDialogsHiddenAndRegisterWithThem) {
  const auto data = spectraDataset();
  std::vector<CWnd*> canvases;
  for (const OneChnlShow& s : kOneChnlShows) {
    (face.*s.show)(data.get(), nullptr);
    (face.*s.show)(data.get(), nullptr);  // registers once however often shown
    canvases.push_back(&(face.*s.slot)->m_wndSpctm);
  }
  for (CDlgSpctmShowStdSet* setStd : std::initializer_list<CDlgSpctmShowStdSet*>{face.m_pDlgMegSetStd, face.m_pDlgEegSetStd}) {
    ASSERT_NE(setStd, nullptr);
    EXPECT_FALSE(setStd->IsWindowVisible());
    EXPECT_EQ(setStd->m_pSpctmFace, &face);
    EXPECT_EQ(registered(setStd), canvases);
  }
  for (const OneChnlShow& s : kOneChnlShows) {
    EXPECT_EQ((face.*s.slot)->m_pDlgMegSetStd, face.m_pDlgMegSetStd);
    EXPECT_EQ((face.*s.slot)->m_pDlgEegSetStd, face.m_pDlgEegSetStd);
  }
}

TEST_F(FacadeTest, CheckInitCreatesHiddenWindowsForTheThreeClassesOnly) {
  for (int cls : {3, -1}) EXPECT_EQ(face.checkInitSpctmDlgSingleChnl(cls), 0) << cls;
  for (const OneChnlShow& s : kOneChnlShows) {
    EXPECT_EQ(face.checkInitSpctmDlgSingleChnl(s.spctmClass), 1);
    CDlgSpctm1C* dlg = face.*s.slot;
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(dlg->IsWindowVisible());
    EXPECT_EQ(face.checkInitSpctmDlgSingleChnl(s.spctmClass), 1);
    EXPECT_EQ(face.*s.slot, dlg);
  }
  EXPECT_EQ(face.m_pDlgMegSetStd, nullptr) << "made by the show operations, not by checkInit";
}

TEST_F(FacadeTest, SettingDialogShowBindsTheEngineAndRegistersTheHostWindow) {
  const auto data = spectraDataset(0.5);
  HostWnd host;
  struct SetStdShow {
    ShowFn show;
    CDlgSpctmShowStdSet* (*slot)(CMEGSpctmShow2DFaceqv&);
  };
  const SetStdShow shows[] = {
      {&CMEGSpctmShow2DFaceqv::showMegSpctmSetStdDlg, [](CMEGSpctmShow2DFaceqv& f) -> CDlgSpctmShowStdSet* { return f.m_pDlgMegSetStd; }},
      {&CMEGSpctmShow2DFaceqv::showEegSpctmSetStdDlg, [](CMEGSpctmShow2DFaceqv& f) -> CDlgSpctmShowStdSet* { return f.m_pDlgEegSetStd; }},
  };
  for (const SetStdShow& s : shows) {
    ASSERT_EQ((face.*s.show)(data.get(), &host), 1);
    CDlgSpctmShowStdSet* dlg = s.slot(face);
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->IsWindowVisible());
    EXPECT_EQ(dlg->m_pSpctmDraw, &face.m_draw);
    EXPECT_EQ(dlg->m_pSpctmFace, &face);
    EXPECT_EQ(registered(dlg), std::vector<CWnd*>{&host});
    // Refreshed from the data: the trial's range over all channels (real part, Active).
    EXPECT_DOUBLE_EQ(dlg->m_dTrialMin, 0.5);
    EXPECT_DOUBLE_EQ(dlg->m_dTrialMax, 4.3);
    ASSERT_EQ((face.*s.show)(data.get(), &host), 1);
    EXPECT_EQ(s.slot(face), dlg);
    EXPECT_EQ(registered(dlg).size(), 1u);
  }
  EXPECT_EQ(face.m_draw.m_pDataSet, data.get());
  EXPECT_EQ(face.m_pDlgOneChnlAct, nullptr);
}

TEST_F(FacadeTest, DataWithoutSessionOrTrialStillOpensTheWindows) {
  const auto noSession = megdata::DatasetBuilder().meg(L"M1", 0, 0).grid(2, 2).currentSession(-1).build();
  for (CArrayMEDataSetqv* data : {static_cast<CArrayMEDataSetqv*>(nullptr), noSession.get()}) {
    EXPECT_EQ(face.showSpctmDlgActOneChnl(data, nullptr), 1);
    EXPECT_EQ(face.showMegSpctmSetStdDlg(data, nullptr), 1);
    EXPECT_TRUE(face.m_pDlgOneChnlAct->IsWindowVisible());
    EXPECT_EQ(face.m_pDlgOneChnlAct->m_wndSpctm.m_pTrial, nullptr);
  }
  EXPECT_TRUE(script().messageBoxes.empty());
}

// The library's templates leave the resource chain with its entry's detach and come back
// with its attach; creation then fails for want of a template.
class WithoutTemplates : public FacadeTest {
 protected:
  WithoutTemplates() { spctmLibraryEntry(spctmResources(), DLL_PROCESS_DETACH, nullptr); }
  ~WithoutTemplates() override {
    AfxSetResourceHandle(nullptr);
    spctmLibraryEntry(spctmResources(), DLL_PROCESS_ATTACH, nullptr);
  }
};

TEST_F(WithoutTemplates, ShowOperationsSayTheWindowCannotBeCreated) {
  const auto data = spectraDataset();
  for (const OneChnlShow& s : kOneChnlShows) EXPECT_EQ((face.*s.show)(data.get(), nullptr), 0);
  EXPECT_EQ(face.showMegSpctmSetStdDlg(data.get(), nullptr), 0);
  EXPECT_EQ(face.showEegSpctmSetStdDlg(data.get(), nullptr), 0);
  EXPECT_EQ(boxTexts(), std::vector<std::wstring>(5, L"Error creating Dialog!"));
  EXPECT_EQ(face.checkInitMegSpctmSetStdDlg(), 0);
  EXPECT_EQ(face.checkInitEegSpctmSetStdDlg(), 0);
  EXPECT_EQ(face.checkInitSpctmDlgSingleChnl(0), 0);
  EXPECT_EQ(script().messageBoxes.size(), 5u) << "lazy creation fails without a word";
  for (const OneChnlShow& s : kOneChnlShows) EXPECT_EQ(face.*s.slot, nullptr);
  EXPECT_EQ(face.m_pDlgMegSetStd, nullptr);
  EXPECT_EQ(face.m_pDlgEegSetStd, nullptr);
  EXPECT_TRUE(app.topLevelWindows().empty());
}

TEST_F(WithoutTemplates, SingleChannelWindowOpensWithoutTheSettingDialogs) {
  // A host module with only the single-channel window's template.
  ResourceModule only(L"host");
  only.addDialog(*spctmResources()->findDialog(IDD_SPCTM_1C));
  AfxSetResourceHandle(&only);
  const auto data = spectraDataset();
  EXPECT_EQ(face.showSpctmDlgCtlOneChnl(data.get(), nullptr), 1);
  ASSERT_NE(face.m_pDlgOneChnlCtl, nullptr);
  EXPECT_TRUE(face.m_pDlgOneChnlCtl->IsWindowVisible());
  EXPECT_EQ(face.m_pDlgOneChnlCtl->m_pDlgMegSetStd, nullptr);
  EXPECT_EQ(face.m_pDlgOneChnlCtl->m_pDlgEegSetStd, nullptr);
  EXPECT_EQ(face.m_pDlgMegSetStd, nullptr);
  EXPECT_TRUE(script().messageBoxes.empty());
}

}  // namespace
}  // namespace facadetest
