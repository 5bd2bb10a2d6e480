#include <gtest/gtest.h>

#include <string>

#include "host/render/CMEGShow2DFaceqv.h"
#include "host/render/HostRenderResources.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/UiServices.h"
#include "platform/ui/UserInput.h"

// The scripted person ticks the check box, types a size and presses a button; the dialog
// opens on the caller's values and hands back only accepted ones.
TEST(FrameSizeDialog, AcceptedValuesAreReturnedAndCancelLeavesThemAlone) {
  CWinApp app;
  CMEGShow2DFaceqv face;
  int useStd = 0, size = 100;
  const auto person = [&app](const wchar_t* typed, int button) {
    app.scripted()->queueModalScript([&app, typed, button](CDialog& d) {
      app.input().clickControl(d, IDC_FRAME_STD_PROJECTION);
      d.SetDlgItemText(IDC_FRAME_2D_SIZE, typed);
      app.input().clickControl(d, button);
    });
  };
  std::string error;
  app.scripted()->queueModalScript([&](CDialog& d) {
    CString text;
    d.GetDlgItemText(IDC_FRAME_2D_SIZE, text);
    EXPECT_EQ(text, L"100");
    EXPECT_TRUE(writeWindowPng(d, std::string(SPCTM_TEST_OUTPUT_DIR) + "/frame_size_dialog.png", &error)) << error;
  });
  person(L"250", IDOK);
  EXPECT_EQ(face.showDlgMapFramSiz(useStd, size), 0);  // the first script closes nothing: cancelled
  EXPECT_NE(face.showDlgMapFramSiz(useStd, size), 0);
  EXPECT_EQ(useStd, 1);
  EXPECT_EQ(size, 250);
  person(L"300", IDCANCEL);
  EXPECT_EQ(face.showDlgMapFramSiz(useStd, size), 0);
  EXPECT_EQ(useStd * 1000 + size, 1250);

  // A size out of range or not a number keeps the dialog open with a message.
  for (const wchar_t* bad : {L"5", L"2001", L"abc"}) {
    bool stillOpen = false;
    app.scripted()->queueModalScript([&](CDialog& d) {
      d.SetDlgItemText(IDC_FRAME_2D_SIZE, bad);
      app.input().clickControl(d, IDOK);
      stillOpen = d.isModalRunning();
    });
    const std::size_t boxes = app.scripted()->messageBoxes.size();
    EXPECT_EQ(face.showDlgMapFramSiz(useStd, size), 0);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(app.scripted()->messageBoxes.size(), boxes + 1);
    EXPECT_EQ(useStd * 1000 + size, 1250);
  }
}
