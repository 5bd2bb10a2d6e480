// Messages between the windows through the facade: a new data kind reaches every
// single-channel window that exists and, sent from a display-parameter dialog, repaints
// them all; the other codes change nothing here.
#include "tests/facade/FacadeTest.h"

#include "platform/ui/CPaintDC.h"
#include "resources/Spctm1CResources.h"
#include "resources/StdSetResources.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/single/CDlgSpctm1C.h"

namespace facadetest {
namespace {

// The canvas point of a time and frequency bin in the picture as last drawn.
CPoint binPoint(const CMEGSpctmDrawqv& draw, std::int64_t t, std::int64_t f) {
  return {static_cast<int>(static_cast<double>(t - draw.m_nFirstTime) * draw.m_dZoom + static_cast<double>(draw.m_nOriginX)),
          static_cast<int>(static_cast<double>(draw.m_nOriginY) - static_cast<double>(f - draw.m_nFirstFreq) * draw.m_dZoom)};
}

CString kindShown(CDlgSpctm1C& dlg) { return dlg.GetDlgItem(IDC_SPCTM1C_KIND)->GetWindowText(); }

TEST_F(FacadeTest, DataKindReachesOnlyTheSingleChannelWindowsThatExist) {
  const auto data = spectraDataset();
  ASSERT_EQ(face.showSpctmDlgCtlOneChnl(data.get(), nullptr), 1);
  CDlgSpctm1C& ctl = *face.m_pDlgOneChnlCtl;
  EXPECT_EQ(face.sendMessageX(SPCTM_MSG_SET_DATA_KIND, 0, 2), 1);
  EXPECT_EQ(ctl.m_nDataKind, 2);
  EXPECT_EQ(ctl.m_wndSpctm.m_nDataKind, 2);
  EXPECT_EQ(kindShown(ctl), CString(L"Power/Phase"));
  EXPECT_EQ(face.m_pDlgOneChnlAct, nullptr);
  EXPECT_EQ(face.m_pDlgOneChnlRst, nullptr);

  // Map selections concern the topographic windows; unknown codes nobody.
  for (auto [code, a] : {std::pair{int{SPCTM_MSG_MAP_SELECT}, 1}, {int{SPCTM_MSG_MAP_SELECT}, 3}, {6, 1}}) {
    EXPECT_EQ(face.sendMessageX(code, a, 0), 1) << code;
    EXPECT_EQ(ctl.m_nDataKind, 2) << code;
    EXPECT_EQ(kindShown(ctl), CString(L"Power/Phase")) << code;
  }
}

TEST_F(FacadeTest, KindChosenInTheSettingDialogRepaintsEverySingleChannelWindow) {
  const auto data = spectraDataset();
  for (const OneChnlShow& s : kOneChnlShows) ASSERT_EQ((face.*s.show)(data.get(), nullptr), 1);
  ASSERT_EQ(face.showMegSpctmSetStdDlg(data.get(), nullptr), 1);
  app.pumpUntilIdle();
  // The middle bin, real value 2.0, imaginary −2.0.
  const CPoint middle = binPoint(face.m_draw, 12, 8);
  std::vector<COLORREF> before;
  for (const OneChnlShow& s : kOneChnlShows) before.push_back(canvasPixel((face.*s.slot)->m_wndSpctm, middle));

  ASSERT_TRUE(user().chooseComboItem(*face.m_pDlgMegSetStd, IDC_STD_COMBO_KIND, 1));  // "Imag Data"
  writeWindowPng(*face.m_pDlgOneChnlRst, outputPath("facade-single-rst-imag.png"));
  for (const OneChnlShow& s : kOneChnlShows) {
    CDlgSpctm1C& w = *(face.*s.slot);
    EXPECT_EQ(w.m_wndSpctm.m_nDataKind, 1) << s.spctmClass;
    EXPECT_EQ(kindShown(w), CString(L"Imag Data")) << s.spctmClass;
    EXPECT_NE(canvasPixel(w.m_wndSpctm, middle), before[static_cast<size_t>(s.spctmClass)])
        << "class " << s.spctmClass;
  }
}

}  // namespace
}  // namespace facadetest
