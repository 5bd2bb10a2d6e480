// The measurement text export: the file's bytes, "Save" with the scripted save dialog
// (the name rules, a cancelled dialog, typing in the text box), and failures that must
// leave what was on disk as it was.
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/windows/dialogs/DialogsTest.h"
#include "windows/dialogs/CDlgSpctrMeasurements.h"
#include "windows/dialogs/SpctmTextExport.h"

namespace dialogtest {
namespace {

namespace fs = std::filesystem;

std::vector<BYTE> fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder of its own for each test.
fs::path scratchFolder(const char* name) {
  const fs::path folder = fs::path(SPCTM_TEST_OUTPUT_DIR) / "measure-export" / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

TEST(MeasureExport, CountThenLittleEndianUtf16ThenZero) {
  EXPECT_EQ(spctmTextExportBytes(L"ab"), (std::vector<BYTE>{3, 0, 0, 0, 0, 0, 0, 0, 0x61, 0, 0x62, 0, 0, 0}));
  EXPECT_EQ(spctmTextExportBytes(L""), (std::vector<BYTE>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  // A character beyond 16 bits takes two units; the count says 16-bit characters.
  EXPECT_EQ(spctmTextExportBytes(L"\U0001D11E\n"),
            (std::vector<BYTE>{4, 0, 0, 0, 0, 0, 0, 0, 0x34, 0xD8, 0x1E, 0xDD, 0x0A, 0, 0, 0}));
  // 300 characters: the count's second byte is used too.
  const std::vector<BYTE> long300 = spctmTextExportBytes(CString(L'x', 300));
  ASSERT_EQ(long300.size(), 8u + 2 * 301);
  EXPECT_EQ(std::vector<BYTE>(long300.begin(), long300.begin() + 8), (std::vector<BYTE>{0x2D, 1, 0, 0, 0, 0, 0, 0}));
}

class ExportTest : public DialogsTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dlg.Create(CDlgSpctrMeasurements::IDD));
    dlg.ShowWindow(SW_SHOW);
    user().clickControl(dlg, IDC_MEAS_RESET);
  }
  // Types into the text box and saves to the path the scripted person chooses.
  void saveAs(const fs::path& chosen) {
    script().queueFilePath(CString(chosen.c_str()));
    user().clickControl(dlg, IDC_MEAS_SAVE);
  }
  CDlgSpctrMeasurements dlg;
};

TEST_F(ExportTest, SaveWritesTheTextBoxAsTheChosenFile) {
  const fs::path folder = scratchFolder("save");
  user().clickControl(dlg, IDC_MEAS_TEXT);
  user().typeText(L"ab");
  saveAs(folder / "run.txt");
  EXPECT_EQ(fileBytes(folder / "run.txt"), spctmTextExportBytes(L"ab"));
  ASSERT_EQ(script().fileDialogs.size(), 1u);
  const FileDialogRequest& request = script().fileDialogs[0];
  EXPECT_FALSE(request.open);
  EXPECT_TRUE(request.defaultExt.IsEmpty());
  EXPECT_TRUE(request.fileName.IsEmpty());
  EXPECT_EQ(request.flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0], std::make_pair(CString(L"Text file (*.doc)"), CString(L"*.doc")));
  EXPECT_EQ(request.filters[1], std::make_pair(CString(L"All Files(*.*)"), CString(L"*.*")));
  EXPECT_TRUE(script().messageBoxes.empty());
}

TEST_F(ExportTest, NamesWithoutDocOrTxtGetDoc) {
  const fs::path folder = scratchFolder("names");
  fs::create_directory(folder / "a.doc");
  struct Case {
    fs::path chosen, written;
  };
  const Case cases[] = {{folder / "run.txt", folder / "run.txt"},
                        {folder / "a.doc" / "b", folder / "a.doc" / "b"},
                        {folder / "run", folder / "run.doc"},
                        {folder / "notes.TXT", folder / "notes.TXT.doc"},
                        {folder / "x.docx", folder / "x.docx"}};
  dlg.m_strText = L"measured";
  dlg.UpdateData(FALSE);
  for (const Case& c : cases) {
    saveAs(c.chosen);
    EXPECT_EQ(fileBytes(c.written), spctmTextExportBytes(L"measured")) << c.chosen;
  }
}

TEST_F(ExportTest, CancelledDialogWritesNothing) {
  const fs::path folder = scratchFolder("cancel");
  script().queueFileCancel();
  user().clickControl(dlg, IDC_MEAS_SAVE);
  EXPECT_EQ(script().fileDialogs.size(), 1u);
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(ExportTest, UnwritableTargetsLeaveTheDiskAsItWas) {
  const fs::path folder = scratchFolder("fail");
  dlg.m_strText = L"new text";
  dlg.UpdateData(FALSE);
  // A folder in the way, a folder that does not exist.
  fs::create_directory(folder / "taken.doc");
  saveAs(folder / "taken.doc");
  EXPECT_TRUE(fs::is_directory(folder / "taken.doc"));
  saveAs(folder / "missing" / "run.txt");
  EXPECT_FALSE(fs::exists(folder / "missing"));
  std::string error;
  EXPECT_FALSE(writeSpctmTextExport(CString((folder / "missing" / "run.txt").c_str()), L"x", &error));
  EXPECT_NE(error.find((folder / "missing" / "run.txt").string()), std::string::npos) << error;

  // An existing file whose new content cannot be written in full (the process may write
  // no more than 4 bytes into any file) keeps its old content byte for byte.
  const fs::path old = folder / "old.txt";
  ASSERT_TRUE(writeSpctmTextExport(CString(old.c_str()), L"old text"));
  const std::vector<BYTE> before = fileBytes(old);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4;
  setrlimit(RLIMIT_FSIZE, &small);
  saveAs(old);
  const bool written = writeSpctmTextExport(CString(old.c_str()), L"new text", &error);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(fileBytes(old), before);
  // Only the files the test made are there: nothing half-written was left behind.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"old.txt", "taken.doc"}));
  EXPECT_TRUE(script().messageBoxes.empty());  // the export ends without a message
}

}  // namespace
}  // namespace dialogtest
