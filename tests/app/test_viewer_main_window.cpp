// The viewer's main window under the headless face: its buttons open the library's
// windows through the facade, Save as PNG writes the chosen window's picture where the
// file dialog says, the draw settings saved and loaded again come back, and the trial
// choice reaches the open windows.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ViewerMainWindow.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/UserInput.h"
#include "tests/support/DatasetBuilder.h"
#include "tests/support/FileTesting.h"
#include "windows/single/CDlgSpctm1C.h"

using spctmview::ViewerMainWindow;

namespace {

class ViewerMainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data = megdata::DatasetBuilder()
               .meg(L"A", 0, 0)
               .grid(20, 10)
               .spectra(0, [](std::int64_t, std::int64_t t, std::int64_t f, int) { return double(t + f); })
               .trial(L"Second")
               .spectra(0, [](std::int64_t, std::int64_t t, std::int64_t, int) { return -double(t); })
               .currentTrial(0)
               .build();
    ASSERT_TRUE(main.open());
    main.setDataset(*data);
  }

  int buttonOf(const std::string& name) {
    const auto& w = spctmview::snapshotWindows();
    const auto it = std::find_if(w.begin(), w.end(), [&](const auto& e) { return name == e.name; });
    return ViewerMainWindow::kFirstWindowButton + static_cast<int>(it - w.begin());
  }

  CWinApp app;
  std::unique_ptr<CArrayMEDataSetqv> data;
  ViewerMainWindow main;
  filetesting::ScratchFolder folder;  // a fresh folder per test: the tests run in parallel processes
};

TEST_F(ViewerMainWindowTest, ControlsWaitForTheDatasetAndButtonsOpenWindows) {
  {
    ViewerMainWindow loading;
    ASSERT_TRUE(loading.open());
    EXPECT_FALSE(loading.GetDlgItem(buttonOf("single-act"))->IsWindowEnabled()) << "nothing to open before the dataset";
    EXPECT_TRUE(loading.GetDlgItem(IDCANCEL)->IsWindowEnabled()) << "Quit always works";
  }

  ASSERT_TRUE(app.input().clickControl(main, buttonOf("single-act")));
  ASSERT_EQ(main.openWindows().size(), 1u);
  EXPECT_TRUE(main.face().m_pDlgOneChnlAct->IsWindowVisible());
  ASSERT_TRUE(app.input().clickControl(main, buttonOf("single-act")));
  EXPECT_EQ(main.openWindows().size(), 1u) << "a window opened again is listed once";
}

TEST_F(ViewerMainWindowTest, SaveAsPngWritesTheChosenWindowWhereTheDialogSays) {
  ASSERT_TRUE(app.input().clickControl(main, buttonOf("single-act")));
  const std::string path = folder / "single.png";
  app.scripted()->queueFilePath(CString(path.c_str()));
  ASSERT_TRUE(app.input().clickControl(main, ViewerMainWindow::kSavePng));
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_GT(std::filesystem::file_size(path), 1000u);
  EXPECT_EQ(app.scripted()->fileDialogs.back().defaultExt, CString(L"png"));
}

TEST_F(ViewerMainWindowTest, SavedDrawSettingsComeBackWhenLoaded) {
  const std::string path = folder / "draw.settings";
  CMEGSpctmDrawqv& engine = main.face().m_draw;
  engine.m_dColorMax = 7.5;
  app.scripted()->queueFilePath(CString(path.c_str()));
  ASSERT_TRUE(app.input().clickControl(main, ViewerMainWindow::kSaveSettings));
  ASSERT_TRUE(std::filesystem::exists(path));
  engine.m_dColorMax = 1.0;
  app.scripted()->queueFilePath(CString(path.c_str()));
  ASSERT_TRUE(app.input().clickControl(main, ViewerMainWindow::kLoadSettings));
  EXPECT_EQ(engine.m_dColorMax, 7.5);
  for (const MessageBoxRequest& box : app.scripted()->messageBoxes) ADD_FAILURE() << box.text.utf8();
}

TEST_F(ViewerMainWindowTest, AnotherTrialReachesTheOpenWindows) {
  ASSERT_TRUE(app.input().clickControl(main, buttonOf("single-act")));
  ASSERT_TRUE(main.chooseTrial(1));
  EXPECT_EQ(main.face().m_draw.m_pTrial, data->getSessionData(-1)->getTrialqv(1));
  EXPECT_FALSE(main.chooseTrial(2)) << "no third trial";
}

}  // namespace
