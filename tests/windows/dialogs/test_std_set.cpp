// The standard display-parameter dialogs driven as a person would: their templates, the
// range derived at the first refresh, the two scroll bars at and past their ends, typed
// ranges and the colour-depth radio group, the combo boxes and the facade, the range
// buttons, and the registry of windows to repaint.
#include <algorithm>
#include <tuple>

#include "platform/ui/CPaintDC.h"
#include "tests/support/DatasetBuilder.h"
#include "tests/windows/dialogs/DialogsTest.h"
#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"

namespace dialogtest {
namespace {

class StdSetTest : public DialogsTest {
 protected:
  // Binds the dialog to a dataset (the range dataset of the given channels), creates and
  // shows it, and registers the counting window.
  void open(const std::vector<std::pair<double, double>>& channels) {
    data = rangeDataset(channels);
    dlg.m_pSpctmDraw = &engine;
    dlg.m_pSpctmFace = &face;
    dlg.m_pDataSet = data.get();
    ASSERT_TRUE(dlg.Create(CDlgMegSpctmShowStdSet::IDD));
    dlg.ShowWindow(SW_SHOW);
    dlg.addShowWnd(&view);
    app.pumpUntilIdle();
    view.paints = view.erases = 0;
  }
  CString text(int id) { return dlg.GetDlgItem(id)->GetWindowText(); }
  CScrollBar& bar(int id) { return *static_cast<CScrollBar*>(dlg.GetDlgItem(id)); }
  void scroll(int id, UINT code, int thumb = 0) {
    dlg.SendMessage(WM_HSCROLL, MAKEWPARAM(code, static_cast<unsigned>(thumb)),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(id)->GetSafeHwnd()));
    app.pumpUntilIdle();
  }
  int checked(int id) { return static_cast<CButton*>(dlg.GetDlgItem(id))->GetCheck(); }
  // Select min and max as the dialog, the draw state and the edits hold them.
  std::tuple<double, double> drawRange() const { return {engine.m_dStdMin, engine.m_dStdMax}; }

  CMEGSpctmDrawqv engine;
  FaceRecorder face;
  CountingWnd view;
  std::unique_ptr<CArrayMEDataSetqv> data;
  CDlgMegSpctmShowStdSet dlg;
};

// Each twin is made from its own template (the EEG one names its polarity check
// differently), and no control covers another; the captions are left to the pictures.
TEST_F(StdSetTest, EachTwinHasItsTemplateWithoutOverlap) {
  open({{0, 1}});
  CDlgEegSpctmShowStdSet eeg;
  ASSERT_TRUE(eeg.Create(CDlgEegSpctmShowStdSet::IDD));
  EXPECT_NE(eeg.GetDlgItem(IDC_STD_POLARITY)->GetWindowText(), text(IDC_STD_POLARITY));
  EXPECT_EQ(overlappingControls(dlg), std::vector<std::string>{});
  EXPECT_EQ(overlappingControls(eeg), std::vector<std::string>{});
}

TEST_F(StdSetTest, FirstRefreshDerivesTheSelectRangeLaterOnesTakeTheDrawState) {
  struct Case {
    double lo, hi, selectMax, selectMin;
    const wchar_t *lowLabel, *highLabel;
    int lowBar;
  };
  // The high bar goes to 1024, kept by the bar at 1024 - 102 + 1 (its page).
  for (const Case& c : {Case{-1, 3, 3, 1.5, L"select low:1.500", L"select high:3.000", 512},
                        Case{1, 3, 3, 1.0, L"select low:1.000", L"select high:3.000", 341}}) {
    CMEGSpctmDrawqv fresh;
    CDlgMegSpctmShowStdSet d;
    auto ds = rangeDataset({{c.lo, c.hi}});
    d.m_pSpctmDraw = &fresh;
    d.m_pDataSet = ds.get();
    ASSERT_TRUE(d.Create(CDlgMegSpctmShowStdSet::IDD));
    EXPECT_EQ(std::make_tuple(d.m_dSelectMin, d.m_dSelectMax), std::make_tuple(c.selectMin, c.selectMax));
    EXPECT_EQ(std::make_tuple(fresh.m_dStdMin, fresh.m_dStdMax), std::make_tuple(c.selectMin, c.selectMax));
    EXPECT_EQ(std::make_tuple(d.m_dTrialMin, d.m_dTrialMax, d.m_dChnlMin, d.m_dChnlMax),
              std::make_tuple(c.lo, c.hi, c.lo, c.hi));
    EXPECT_EQ(d.GetDlgItem(IDC_STD_LOW_LABEL)->GetWindowText(), c.lowLabel);
    EXPECT_EQ(d.GetDlgItem(IDC_STD_HIGH_LABEL)->GetWindowText(), c.highLabel);
    EXPECT_EQ(d.m_scrollLow.GetScrollPos(), c.lowBar);
    EXPECT_EQ(d.m_scrollHigh.GetScrollPos(), 923);
    EXPECT_EQ(d.m_bFirstTime, 0);
  }
  // Later refreshes show what the draw state holds.
  open({{-1, 3}});
  engine.m_dStdMin = 0.25;
  engine.m_dStdMax = 2.5;
  user().clickControl(dlg, IDC_STD_UPDATE);
  EXPECT_EQ(text(IDC_STD_SELECT_MIN), L"0.25");
  EXPECT_EQ(text(IDC_STD_SELECT_MAX), L"2.5");
  EXPECT_EQ(text(IDC_STD_LOW_LABEL), L"select low:0.250");
  EXPECT_TRUE(boxTexts().empty());
}

TEST_F(StdSetTest, EmptyTrialRangeWarnsAndTheNextRefreshTriesAgain) {
  open({{2, 2}});
  EXPECT_EQ(boxTexts(), std::vector<std::wstring>{L"Spectral data range error!"});
  EXPECT_EQ(dlg.m_bFirstTime, 1);
  EXPECT_EQ(drawRange(), std::make_tuple(0.0, 1.0));  // untouched engine defaults
  auto good = rangeDataset({{-1, 3}});
  dlg.m_pDataSet = good.get();
  user().clickControl(dlg, IDC_STD_UPDATE);
  EXPECT_EQ(dlg.m_bFirstTime, 0);
  EXPECT_EQ(drawRange(), std::make_tuple(1.5, 3.0));
  // Without a session the refresh fails and leaves the controls alone.
  CArrayMEDataSetqv empty;
  dlg.m_pDataSet = &empty;
  EXPECT_EQ(dlg.updateShowStdSet(), 0);
  EXPECT_EQ(text(IDC_STD_SELECT_MAX), L"3");
}

TEST_F(StdSetTest, ScrollCodesMoveTheBarsAtAndPastTheirEnds) {
  open({{-1, 2}});  // trial max 2: one bar step is 2/1024
  struct Case {
    int start;
    UINT code;
    int thumb;
    int newPos;   // the position the value is computed from
    int shownPos;  // where the bar stays (1024 - 102 + 1 at most)
  };
  const Case cases[] = {
      {0, SB_LINELEFT, 0, 0, 0},          {0, SB_PAGELEFT, 0, 0, 0},         {5, SB_PAGELEFT, 0, 0, 0},
      {500, SB_PAGERIGHT, 0, 602, 602},   {500, SB_LINERIGHT, 0, 501, 501},  {923, SB_LINERIGHT, 0, 924, 923},
      {923, SB_PAGERIGHT, 0, 1024, 923},  {300, SB_RIGHT, 0, 1024, 923},     {300, SB_LEFT, 0, 0, 0},
      {300, SB_THUMBTRACK, 700, 700, 700}, {300, SB_ENDSCROLL, 0, 300, 300}, {300, SB_THUMBPOSITION, 512, 512, 512},
  };
  for (const Case& c : cases) {
    bar(IDC_STD_LOW_SCROLL).SetScrollPos(c.start);
    scroll(IDC_STD_LOW_SCROLL, c.code, c.thumb);
    const double value = 2.0 / 1024 * c.newPos;
    EXPECT_EQ(bar(IDC_STD_LOW_SCROLL).GetScrollPos(), c.shownPos) << c.start << " code " << c.code;
    EXPECT_EQ(engine.m_dStdMin, value) << c.start << " code " << c.code;
    EXPECT_EQ(dlg.m_dSelectMin, value);
  }
  // Thumb at 512: select min 1.0, and syncing puts the bar back at 512.
  EXPECT_EQ(text(IDC_STD_LOW_LABEL), L"Select Low:1.000");
  EXPECT_EQ(text(IDC_STD_SELECT_MIN), L"1");
  bar(IDC_STD_LOW_SCROLL).SetScrollPos(0);
  dlg.syncScrollPos();
  EXPECT_EQ(bar(IDC_STD_LOW_SCROLL).GetScrollPos(), 512);
  // Every move repainted the registered window, without erasing it.
  EXPECT_EQ(view.paints, static_cast<int>(std::size(cases)));
  EXPECT_EQ(view.erases, 0);

  // A person's click on the right arrow moves the bar by one.
  user().clickScrollBar(dlg, IDC_STD_LOW_SCROLL, SB_LINERIGHT);
  EXPECT_EQ(bar(IDC_STD_LOW_SCROLL).GetScrollPos(), 513);
  EXPECT_EQ(engine.m_dStdMin, 2.0 / 1024 * 513);
}

TEST_F(StdSetTest, HighBarScalesByTrialMaxAndSyncsByTheLargerBound) {
  open({{-4, 2}});
  scroll(IDC_STD_HIGH_SCROLL, SB_RIGHT);
  EXPECT_EQ(engine.m_dStdMax, 2.0);
  EXPECT_EQ(text(IDC_STD_HIGH_LABEL), L"Select High: 2.000");
  dlg.syncScrollPos();
  EXPECT_EQ(bar(IDC_STD_HIGH_SCROLL).GetScrollPos(), 512);  // the step uses |trial min| = 4
  // Without a draw engine a scroll code changes nothing.
  dlg.m_pSpctmDraw = nullptr;
  bar(IDC_STD_HIGH_SCROLL).SetScrollPos(10);
  scroll(IDC_STD_HIGH_SCROLL, SB_LEFT);
  EXPECT_EQ(bar(IDC_STD_HIGH_SCROLL).GetScrollPos(), 10);
  EXPECT_EQ(dlg.m_dSelectMax, 2.0);
}

TEST_F(StdSetTest, RegistryKeepsTwelveDistinctWindowsAndRepaintsTheVisibleOnes) {
  open({{0, 1}});
  EXPECT_EQ(dlg.addShowWnd(nullptr), 0);
  EXPECT_EQ(dlg.addShowWnd(&view), 0);  // registered by open()
  std::vector<std::unique_ptr<CountingWnd>> more;
  for (int i = 1; i < CDlgSpctmShowStdSet::kMaxShowWnds; ++i) {
    more.push_back(std::make_unique<CountingWnd>());
    EXPECT_EQ(dlg.addShowWnd(more.back().get()), 1);
  }
  EXPECT_TRUE(boxTexts().empty());
  CountingWnd thirteenth;
  EXPECT_EQ(dlg.addShowWnd(&thirteenth), 0);
  EXPECT_EQ(boxTexts(), std::vector<std::wstring>{L"Spectral settings control maximum 12 windows!"});
  EXPECT_EQ(std::count(dlg.m_pShowWnds.begin(), dlg.m_pShowWnds.end(), &thirteenth), 0);

  more[0]->ShowWindow(SW_HIDE);
  app.pumpUntilIdle();
  for (auto& w : more) w->paints = 0;
  thirteenth.paints = view.paints = 0;
  user().clickControl(dlg, IDC_STD_REFRESH);
  EXPECT_EQ(view.paints, 1);
  EXPECT_EQ(more[0]->paints, 0);
  EXPECT_EQ(more[1]->paints, 1);
  EXPECT_EQ(thirteenth.paints, 0);
}

TEST_F(StdSetTest, TypedRangeAndColourDepthReachTheDrawStateOnEveryRadioClick) {
  open({{0, 1}});
  typeInto(dlg, IDC_STD_SELECT_MIN, L"0.125");
  typeInto(dlg, IDC_STD_SELECT_MAX, L"0.75");
  EXPECT_EQ(drawRange(), std::make_tuple(0.5, 1.0));  // derived at the first refresh; nothing applied yet
  for (const auto& [id, depth] : {std::pair{IDC_STD_DEPTH_512, 512u}, std::pair{IDC_STD_DEPTH_256, 256u},
                                  std::pair{IDC_STD_DEPTH_768, 768u}, std::pair{IDC_STD_DEPTH_1024, 1024u}}) {
    user().clickControl(dlg, id);
    EXPECT_EQ(engine.m_nColorDepth, depth);
  }
  EXPECT_EQ(drawRange(), std::make_tuple(0.125, 0.75));
  EXPECT_EQ(view.paints, 4);

  // A depth the dialog does not offer shows as 1024, and applying stores 1024.
  engine.m_nColorDepth = 300;
  user().clickControl(dlg, IDC_STD_UPDATE);
  EXPECT_EQ(checked(IDC_STD_DEPTH_1024), BST_CHECKED);
  EXPECT_EQ(checked(IDC_STD_DEPTH_256) + checked(IDC_STD_DEPTH_512) + checked(IDC_STD_DEPTH_768), 0);
  user().clickControl(dlg, IDC_STD_APPLY);
  EXPECT_EQ(engine.m_nColorDepth, 1024u);

  // A refused number keeps the draw state and says why.
  typeInto(dlg, IDC_STD_SELECT_MAX, L"big");
  user().clickControl(dlg, IDC_STD_APPLY);
  EXPECT_EQ(boxTexts().back(), L"Enter a number.");
  EXPECT_EQ(engine.m_dStdMax, 0.75);
}

TEST_F(StdSetTest, PolarityCheckAndComboChoicesReachTheDrawStateAndTheFacade) {
  open({{0, 1}});
  EXPECT_EQ(checked(IDC_STD_POLARITY), BST_CHECKED);
  user().clickControl(dlg, IDC_STD_POLARITY);
  EXPECT_EQ(engine.m_bPolarity, 0);
  user().clickControl(dlg, IDC_STD_POLARITY);
  EXPECT_EQ(engine.m_bPolarity, 1);
  EXPECT_EQ(view.paints, 2);

  user().chooseComboItem(dlg, IDC_STD_COMBO_CLASS, 2);
  EXPECT_EQ(dlg.m_nSpctmClass, 2);
  EXPECT_TRUE(face.sent.empty());
  user().chooseComboItem(dlg, IDC_STD_COMBO_KIND, 1);
  EXPECT_EQ(dlg.m_nDataKind, 1);
  EXPECT_EQ(face.sent, (std::vector<std::vector<int>>{{SPCTM_MSG_SET_DATA_KIND, 2, 1}}));
  // Without a facade the kind is still taken.
  dlg.m_pSpctmFace = nullptr;
  user().chooseComboItem(dlg, IDC_STD_COMBO_KIND, 2);
  EXPECT_EQ(dlg.m_nDataKind, 2);
  EXPECT_EQ(face.sent.size(), 1u);
  EXPECT_EQ(view.paints, 5);
}

TEST_F(StdSetTest, RangeButtonsTakeTheTrialOrTheChannel) {
  // The current channel spans 1 … 2; a bad channel, left out of the shown trial range
  // (flag 1) but counted by "Set Trial  to Select" (flag 0), spans -2 … 6.
  data = megdata::DatasetBuilder().meg(L"A", 0, 0).meg(L"B", 1, 0).bad().grid(4, 3)
             .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) {
               const double u = static_cast<double>(t * 3 + f) / 11.0;
               return c == 0 ? 1.0 + u : -2.0 + 8.0 * u;
             })
             .build();
  dlg.m_pSpctmDraw = &engine;
  dlg.m_pDataSet = data.get();
  ASSERT_TRUE(dlg.Create(CDlgMegSpctmShowStdSet::IDD));
  dlg.ShowWindow(SW_SHOW);
  auto range = [&] {
    return std::make_tuple(dlg.m_dTrialMin, dlg.m_dTrialMax, dlg.m_dChnlMin, dlg.m_dChnlMax, dlg.m_dSelectMin,
                           dlg.m_dSelectMax, engine.m_dStdMin, engine.m_dStdMax);
  };
  EXPECT_EQ(range(), std::make_tuple(1.0, 2.0, 1.0, 2.0, 0.5, 2.0, 0.5, 2.0));
  user().clickControl(dlg, IDC_STD_TRIAL_TO_SELECT);
  EXPECT_EQ(range(), std::make_tuple(-2.0, 6.0, 1.0, 2.0, 0.0, 6.0, 0.0, 6.0));
  user().clickControl(dlg, IDC_STD_GET_RANGE);  // ranges only; the select range stays
  EXPECT_EQ(range(), std::make_tuple(1.0, 2.0, 1.0, 2.0, 0.0, 6.0, 0.0, 6.0));
  user().clickControl(dlg, IDC_STD_CHNL_TO_SELECT);
  EXPECT_EQ(range(), std::make_tuple(1.0, 2.0, 1.0, 2.0, 1.0, 2.0, 1.0, 2.0));
  user().clickControl(dlg, IDC_STD_AUTOFIT_CHNL);  // half the larger magnitude
  EXPECT_EQ(range(), std::make_tuple(1.0, 2.0, 1.0, 2.0, 1.0, 1.0, 1.0, 1.0));
  EXPECT_EQ(text(IDC_STD_SELECT_MAX), L"1");

  // Autofit Trial Data with lo = -2, hi = 6 (every channel good now).
  auto wide = rangeDataset({{-2, 6}});
  dlg.m_pDataSet = wide.get();
  user().clickControl(dlg, IDC_STD_AUTOFIT_TRIAL);
  EXPECT_EQ(range(), std::make_tuple(-2.0, 6.0, 1.0, 2.0, 0.0, 3.0, 0.0, 3.0));
  EXPECT_EQ(bar(IDC_STD_HIGH_SCROLL).GetScrollPos(), 512);
  EXPECT_TRUE(boxTexts().empty());
}

TEST_F(StdSetTest, SpectrumButtonsNeedDataAndRangeButtonsTheEngine) {
  CDlgMegSpctmShowStdSet bare;
  ASSERT_TRUE(bare.Create(CDlgMegSpctmShowStdSet::IDD));
  bare.ShowWindow(SW_SHOW);
  user().clickControl(bare, IDC_STD_CHECK_SPECTRUM);
  user().clickControl(bare, IDC_STD_RAW_DATA);
  EXPECT_EQ(boxTexts(), (std::vector<std::wstring>{L"Is there any MEG data?!", L"Is there any MEG data?!"}));
  bare.ShowWindow(SW_HIDE);

  auto ds = rangeDataset({{-1, 3}});
  bare.m_pDataSet = ds.get();
  for (int id : {IDC_STD_GET_RANGE, IDC_STD_TRIAL_TO_SELECT, IDC_STD_CHNL_TO_SELECT, IDC_STD_AUTOFIT_TRIAL,
                 IDC_STD_AUTOFIT_CHNL})
    user().clickControl(bare, id);
  EXPECT_EQ(std::make_tuple(bare.m_dTrialMax, bare.m_dSelectMax), std::make_tuple(0.0, 1.0));

  // With data, Raw Data has the host recompute and repaints the windows.
  open({{-1, 3}});
  user().clickControl(dlg, IDC_STD_RAW_DATA);
  EXPECT_EQ(view.paints, 1);
  user().clickControl(dlg, IDC_STD_CHECK_SPECTRUM);
  EXPECT_EQ(view.paints, 1);
  EXPECT_EQ(boxTexts().size(), 2u);
}

}  // namespace
}  // namespace dialogtest
