// Pictures of the test dialog: every control drawn in the platform's look, read back by
// pixel, and written as PNG for a person to look at.
#include "platform/afxpaint.h"
#include "platform/ctldraw.h"
#include "platform/ctlprocs.h"

#include "testdialog.h"

#include <cstdlib>
#include <string>

namespace testdlg {
namespace {

std::string outputPath(const char* name) {
  const char* dir = std::getenv("SPCTM_TEST_OUTPUT_DIR");
  return std::string(dir ? dir : SPCTM_TEST_OUTPUT_DIR) + "/" + name;
}

TEST_F(DialogTest, SnapshotShowsEveryControl) {
  dlg.SetDlgItemText(kRich, L"Dataset_Name Trial_Number  TimeB  TimeE\nS T 10 20 3 5 0.000000\nsecond line");
  dlg.SetDlgItemText(kReadOnly, L"1.500");
  std::string error;
  ASSERT_TRUE(writeWindowPng(dlg, outputPath("platform_test_dialog.png"), &error)) << error;
  ASSERT_TRUE(user().clickControlPart(dlg, kCombo, comboButtonRect));
  ASSERT_TRUE(writeWindowPng(dlg, outputPath("platform_test_dialog_combo_open.png"), &error)) << error;
}

}  // namespace
}  // namespace testdlg
