// The facade's end: with every window it can open shown, deleting the facade deletes them
// in its fixed order while the draw engine still holds its binding, and leaves only the
// host's windows (the sanitizer build checks that nothing of them leaks).
#include "tests/facade/FacadeTest.h"

#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/single/CDlgSpctm1C.h"
#include "windows/topo/CDlgSpctmContourFieldLine.h"

namespace facadetest {
namespace {

// A child window that notes, when its parent is destroyed, which window that was and
// whether the draw engine still held its binding.
class DestroyProbe : public CWnd {
 public:
  DestroyProbe(CWnd& parent, std::string name, const CMEGSpctmDrawqv& draw, std::vector<std::string>& log)
      : m_name(std::move(name)), m_draw(draw), m_log(log) {
    Create(nullptr, L"probe", WS_CHILD, CRect(0, 0, 1, 1), &parent, 0);
  }

 protected:
  void OnDestroy() override {
    m_log.push_back(m_draw.m_pDataSet ? m_name : m_name + " after the engine");
    CWnd::OnDestroy();
  }

 private:
  std::string m_name;
  const CMEGSpctmDrawqv& m_draw;
  std::vector<std::string>& m_log;
};

TEST_F(FacadeTest, DeletesEveryWindowInTheFixedOrderBeforeTheEngine) {
  const auto data = headDataset();
  HostWnd host;
  auto facade = std::make_unique<CMEGSpctmShow2DFaceqv>();
  CMEGSpctmShow2DFaceqv& f = *facade;
  for (const TopoShow& s : kTopoShows) ASSERT_EQ((f.*s.show)(data.get(), &host), 1);
  for (const OneChnlShow& s : kOneChnlShows) ASSERT_EQ((f.*s.show)(data.get(), &host), 1);
  ASSERT_EQ(f.showEegSpctmSetStdDlg(data.get(), &host), 1);
  ASSERT_EQ(f.showMegSpctmSetStdDlg(data.get(), &host), 1);
  app.pumpUntilIdle();  // every window painted: back buffers, fields and fonts made
  ASSERT_EQ(app.topLevelWindows().size(), 18u);

  // Probed in an order of their own, so only the facade's order can come out.
  const std::pair<CWnd*, const char*> windows[] = {
      {f.m_pDlgEegCntMpFieldLineRst, "EEG contour Rst"}, {f.m_pDlgEegCntMpRst, "EEG flags Rst"},
      {f.m_pDlgEegCntMpFieldLineCtl, "EEG contour Ctl"}, {f.m_pDlgEegCntMpCtl, "EEG flags Ctl"},
      {f.m_pDlgEegCntMpFieldLineAct, "EEG contour Act"}, {f.m_pDlgEegCntMpAct, "EEG flags Act"},
      {f.m_pDlgEegSetStd, "EEG settings"},               {f.m_pDlgOneChnlRst, "single Rst"},
      {f.m_pDlgOneChnlCtl, "single Ctl"},                {f.m_pDlgOneChnlAct, "single Act"},
      {f.m_pDlgMegCntMpFieldLineRst, "MEG contour Rst"}, {f.m_pDlgMegCntMpRst, "MEG flags Rst"},
      {f.m_pDlgMegCntMpFieldLineCtl, "MEG contour Ctl"}, {f.m_pDlgMegCntMpCtl, "MEG flags Ctl"},
      {f.m_pDlgMegCntMpFieldLineAct, "MEG contour Act"}, {f.m_pDlgMegCntMpAct, "MEG flags Act"},
      {f.m_pDlgMegSetStd, "MEG settings"},
  };
  std::vector<std::string> log;
  std::vector<std::unique_ptr<DestroyProbe>> probes;
  for (const auto& [wnd, name] : windows) probes.push_back(std::make_unique<DestroyProbe>(*wnd, name, f.m_draw, log));
  facade.reset();
  EXPECT_EQ(log, (std::vector<std::string>{
                     "MEG settings", "MEG flags Act", "MEG contour Act", "single Act", "MEG flags Ctl",
                     "MEG contour Ctl", "single Ctl", "MEG flags Rst", "MEG contour Rst", "single Rst",
                     "EEG settings", "EEG flags Act", "EEG contour Act", "EEG flags Ctl", "EEG contour Ctl",
                     "EEG flags Rst", "EEG contour Rst"}));
  EXPECT_EQ(app.topLevelWindows(), std::vector<HWND>{host.GetSafeHwnd()});
}

}  // namespace
}  // namespace facadetest
