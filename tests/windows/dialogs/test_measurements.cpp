// The measurement dialog driven as a person and the single-channel window would: its
// template, the headers of every mode, mode changes with and without the question, the
// four measurements character for character, "Set Select...", "Data Info...", "All
// Sensors", "Reset", "Update", resizing, detaching a window, and the one shared dialog.
#include "platform/ui/CPaintDC.h"
#include "tests/support/MeasureDataset.h"
#include "tests/windows/dialogs/DialogsTest.h"
#include "windows/dialogs/CDlgSpctrMeasurements.h"

namespace dialogtest {
namespace {

class MeasureTest : public DialogsTest {
 protected:
  void SetUp() override {
    data = megdata::measureDataset();
    session = data->getSessionData(-1);
    trial = session->getTrialqv(-1);
    ASSERT_TRUE(dlg.Create(CDlgSpctrMeasurements::IDD));
    dlg.ShowWindow(SW_SHOW);
  }
  CString text(int id) { return dlg.GetDlgItem(id)->GetWindowText(); }
  // The text appended since the header the dialog started with.
  void chooseMode(int mode) { user().chooseComboItem(dlg, IDC_MEAS_MODE, mode); }
  int am() { return dlg.measureSpctmAM(data.get(), session, trial, 0, 0, 0, L"S"); }
  int sm() { return dlg.measureSpctmSM(data.get(), session, trial, 0, 0, 0, L"S"); }

  std::unique_ptr<CArrayMEDataSetqv> data;
  CMEGDataqv* session = nullptr;
  CMDTrialqv* trial = nullptr;
  CDlgSpctrMeasurements dlg;
};

// Opening fills the mode list and the text box with the first mode's header, asks nothing,
// and no control covers another (the captions and first values are left to the pictures).
TEST_F(MeasureTest, OpensOnTheFirstModesHeader) {
  EXPECT_EQ(dlg.m_comboMode.GetCount(), 7);
  EXPECT_EQ(dlg.m_comboMode.GetCurSel(), 0);
  EXPECT_EQ(text(IDC_MEAS_TEXT).str(), spctmtext::measureHeader(0));
  EXPECT_TRUE(boxTexts().empty());  // filling the edits asked nothing
  EXPECT_EQ(overlappingControls(dlg), std::vector<std::string>{});
}

// The headers written out word by word with their runs of blanks.
TEST(MeasureText, HeadersHoldTheirRunsOfBlanks) {
  const auto join = [](std::vector<std::pair<const wchar_t*, int>> words) {
    std::wstring s;
    for (const auto& [word, blanks] : words) s += word + std::wstring(static_cast<std::size_t>(blanks), L' ');
    return s;
  };
  const std::wstring mmmr =
      join({{L"Dataset_Name", 1}, {L"Trial_Number", 6}, {L"TimeB", 3}, {L"TimeE", 3}, {L"FreqB", 3}, {L"FreqE", 2},
            {L"TimeB(ms)", 1}, {L"TimeE(ms)", 1}, {L"FreqB(Hz),", 1}, {L"FreqE(Hz)", 2}, {L"Minimum", 3},
            {L"Mean", 2}, {L"Maximum", 3}, {L"RMS", 2}}) + L"\n\n";
  const auto window = [&](const wchar_t* name) {
    return join({{L"Dataset_Name", 1}, {L"Trial_Number", 6}, {L"TimeB", 3}, {L"TimeE", 3}, {L"FreqB", 3},
                 {L"FreqE", 3}, {name, 2}}) + L"\n\n";
  };
  const auto all = [&](const wchar_t* name) {
    return join({{L"Dataset_Name", 1}, {L"Trial_Number", 6}, {L"All_points", 3}, {name, 2}}) + L"\n\n";
  };
  const std::vector<std::wstring> headers = {mmmr,
                                             window(L"Peak_For_Each_Freq"),
                                             window(L"Mean_For_Each_Freq"),
                                             window(L"RMS_For_Each_Freq"),
                                             all(L"Peak_For_Each_Freq"),
                                             all(L"Mean_For_Each_Freq"),
                                             all(L"RMS_For_Each_Freq"),
                                             L"Unknown Mode \n\n"};
  for (int mode = 0; mode < 8; ++mode) {
    const std::wstring& h = headers[static_cast<std::size_t>(mode)];
    EXPECT_EQ(spctmtext::measureHeader(mode), h) << mode;
    EXPECT_EQ(spctmtext::measureInfoHeader(mode), mode == 0 ? h : L"\n " + h) << mode;
  }
  EXPECT_EQ(std::wstring(spctmtext::allSensorsHeader()),
            L"\nn" + join({{L"TrialName", 1}, {L"ChnlName", 1}, {L"TimeB", 1}, {L"TimeE", 1}, {L"FreqB", 2},
                           {L"FreqE", 2}, {L"TimeB(ms)", 1}, {L"TimeE(ms)", 1}, {L"FreqB(Hz),", 1},
                           {L"FreqE(Hz)", 2}, {L"Minimum", 3}, {L"Mean", 2}, {L"Maximum", 3}, {L"RMS", 0}}) +
                L"\n");
}

TEST_F(MeasureTest, ModeChangeAsksBeforeReplacingText) {
  script().queueMessageBoxAnswer(IDNO);
  chooseMode(2);
  ASSERT_EQ(script().messageBoxes.size(), 1u);
  EXPECT_EQ(script().messageBoxes[0].text, L"Would you like to reset the data?!");
  EXPECT_EQ(script().messageBoxes[0].type & MB_TYPEMASK, MB_YESNO);
  EXPECT_EQ(dlg.m_measure.m_nMode, 2);  // the mode is taken even so
  EXPECT_EQ(text(IDC_MEAS_TEXT).str(), spctmtext::measureHeader(0));
  script().queueMessageBoxAnswer(IDYES);
  chooseMode(4);
  EXPECT_EQ(text(IDC_MEAS_TEXT).str(), spctmtext::measureHeader(4));
  // Over an empty text the header comes without a question.
  user().clickControl(dlg, IDC_MEAS_RESET);
  EXPECT_EQ(text(IDC_MEAS_TEXT), L"");
  chooseMode(1);
  EXPECT_EQ(script().messageBoxes.size(), 2u);
  EXPECT_EQ(text(IDC_MEAS_TEXT).str(), spctmtext::measureHeader(1));
  user().clickControl(dlg, IDC_MEAS_DATA_INFO);
  EXPECT_EQ(text(IDC_MEAS_TEXT).str(), spctmtext::measureHeader(1) + spctmtext::measureInfoHeader(1));
}

TEST_F(MeasureTest, TypedWindowIsConvertedAsItIsTypedAndMeasuredByAM) {
  dlg.measureSpctmAM(data.get(), session, trial, 0, 0, 0, L"S");  // binds the dialog (W 0 1 0 1)
  typeInto(dlg, IDC_MEAS_TIME_BEGIN, L"10");
  typeInto(dlg, IDC_MEAS_TIME_END, L"20");
  typeInto(dlg, IDC_MEAS_FREQ_BEGIN, L"3");
  typeInto(dlg, IDC_MEAS_FREQ_END, L"5");
  EXPECT_EQ(text(IDC_MEAS_TIME_BEGIN_MS), L"0");
  EXPECT_EQ(text(IDC_MEAS_TIME_END_MS), L"100");
  EXPECT_EQ(text(IDC_MEAS_FREQ_BEGIN_HZ), L"14");
  EXPECT_EQ(text(IDC_MEAS_FREQ_END_HZ), L"18");
  EXPECT_TRUE(boxTexts().empty());
  user().clickControl(dlg, IDC_MEAS_RESET);
  EXPECT_EQ(am(), 1);
  EXPECT_EQ(text(IDC_MEAS_TEXT),
            L"S T 10 20 3 5 0.000000 100.000000 14.000000 18.000000 40.000000 55.000000 70.000000 55.692609 \n");
}

TEST_F(MeasureTest, PerFrequencyModesWriteOneValuePerFrequencyPoint) {
  chooseMode(2);  // the scripted person answers the question with Yes
  dlg.m_measure.m_nTimeBegin = 0;
  dlg.m_measure.m_nTimeEnd = 9;
  dlg.m_measure.m_nFreqBegin = 2;
  dlg.m_measure.m_nFreqEnd = 4;
  user().clickControl(dlg, IDC_MEAS_RESET);
  EXPECT_EQ(am(), 1);
  EXPECT_EQ(text(IDC_MEAS_TEXT), L"S T 0 9 2 4  24.500000 34.500000 44.500000\n");
  EXPECT_EQ(dlg.m_measure.valueCount(), 3);
  const double* buffer = dlg.m_measure.values();
  EXPECT_EQ(am(), 1);
  EXPECT_EQ(dlg.m_measure.values(), buffer);  // same count: the buffer is reused

  // Mode 4: the whole spectrum, its point count after the names, the latencies and
  // frequencies of the window before it.
  user().clickControl(dlg, IDC_MEAS_RESET);
  dlg.m_measure.m_nMode = 4;
  EXPECT_EQ(am(), 1);
  EXPECT_EQ(text(IDC_MEAS_TEXT),
            L"S T 126  20.000000 30.000000 40.000000 50.000000 60.000000 70.000000\n");
  EXPECT_EQ(std::make_tuple(text(IDC_MEAS_TIME_END), text(IDC_MEAS_FREQ_END), text(IDC_MEAS_TIME_END_MS)),
            std::make_tuple(CString(L"20"), CString(L"5"), CString(L"-10")));
  // Modes 1, 3 and 4 and a mode without a measurement, over the selection (SM).
  user().clickControl(dlg, IDC_MEAS_RESET);
  for (int mode : {1, 3, 4, 7}) {
    dlg.m_measure.m_nMode = mode;
    EXPECT_EQ(sm(), mode == 7 ? 0 : 1);
  }
  EXPECT_EQ(text(IDC_MEAS_TEXT),
            L"S T 2 4 1 2  14.000000 24.000000\nS T 2 4 1 2  13.025616 23.014488\nS T 6  14.000000 24.000000\n");
  // An empty window writes nothing in the per-frequency modes.
  dlg.m_measure.m_nMode = 2;
  dlg.m_measure.m_nFreqBegin = 3;
  dlg.m_measure.m_nFreqEnd = 2;
  EXPECT_EQ(dlg.prepareValueBuffer(), 0);
  const CString before = text(IDC_MEAS_TEXT);
  EXPECT_EQ(dlg.measureSpctmAM(data.get(), session, trial, 0, 0, 0, L"S"), 0);
  EXPECT_EQ(text(IDC_MEAS_TEXT), before);
}

TEST_F(MeasureTest, SelectionAndWholeSpectrumMeasurements) {
  user().clickControl(dlg, IDC_MEAS_RESET);
  EXPECT_EQ(sm(), 1);
  EXPECT_EQ(text(IDC_MEAS_TEXT),
            L"S T 2 4 1 2 -80.000000 -60.000000 10.000000 12.000000 12.000000 18.000000 24.000000 18.699376 \n");
  // Group statistic 2 (the group minimum: channel A's values) in the window form.
  user().clickControl(dlg, IDC_MEAS_RESET);
  EXPECT_EQ(dlg.measureSpctmSM(data.get(), session, trial, 2, 0, 0, L"S"), 1);
  EXPECT_EQ(text(IDC_MEAS_TEXT),
            L"S T 2 4 1 2 -80.000000 -60.000000 10.000000 12.000000 12.000000 18.000000 24.000000 18.699376 \n");

  // All Spctm: the host's table of the whole spectrum, unchanged.
  user().clickControl(dlg, IDC_MEAS_RESET);
  EXPECT_EQ(dlg.measureSpctmAll(data.get(), session, trial, 0, 0, 0, L"S"), 1);
  EXPECT_EQ(text(IDC_MEAS_TEXT).str(), trial->getSelectSpctmValue2Txt(0, 0, 0, -1, 0, 20, 0, 5));

  // Without a trial nothing is measured or appended.
  user().clickControl(dlg, IDC_MEAS_RESET);
  EXPECT_EQ(dlg.measureSpctmAM(data.get(), session, nullptr, 0, 0, 0, L"S"), 0);
  EXPECT_EQ(dlg.measureSpctmSM(nullptr, nullptr, nullptr, 0, 0, 0, L"S"), 0);
  EXPECT_EQ(dlg.measureSpctmAll(nullptr, nullptr, nullptr, 0, 0, 0, L"S"), 0);
  EXPECT_EQ(dlg.measureSpctmAllSns(nullptr, nullptr, nullptr, 0, 0, 0, L"S"), 0);
  EXPECT_EQ(text(IDC_MEAS_TEXT), L"");
}

TEST_F(MeasureTest, AllSensorsListsEveryChannelOfTheSelection) {
  const std::wstring window = L" 2 4 1 2 -80.000000 -60.000000 10.000000 12.000000 ";
  const std::wstring a = L"T A" + window + L"12.000000 18.000000 24.000000 18.699376 \n";
  const std::wstring b = L"T B" + window + L"112.000000 118.000000 124.000000 118.108707 \n";
  user().clickControl(dlg, IDC_MEAS_RESET);
  // The statistic passed is stored, but every channel is asked for itself.
  EXPECT_EQ(dlg.measureSpctmAllSns(data.get(), session, trial, 3, 0, 0, L"S"), 1);
  EXPECT_EQ(text(IDC_MEAS_TEXT).str(), spctmtext::allSensorsHeader() + a + b);
  // With "Spectral Channel" cleared, C is listed as missing; the button repeats the
  // measurement with the stored binding.
  user().clickControl(dlg, IDC_MEAS_SPCTM_CHNL);
  user().clickControl(dlg, IDC_MEAS_ALL_SENSORS);
  EXPECT_EQ(text(IDC_MEAS_TEXT).str(), spctmtext::allSensorsHeader() + a + b + spctmtext::allSensorsHeader() + a + b +
                                           L"T C no spectral data \n");
  EXPECT_EQ(dlg.m_measure.m_nChnlSource, 3);
  // A class without spectra: no channel measured.
  user().clickControl(dlg, IDC_MEAS_RESET);
  dlg.measureSpctmAllSns(data.get(), session, trial, 0, 1, 0, L"S");
  EXPECT_TRUE(text(IDC_MEAS_TEXT).str().ends_with(L"T C no spectral data \nNo spectral data \n"));
  // The text box shows the end of a long text.
  for (int i = 0; i < 10; ++i) dlg.measureSpctmAllSns(data.get(), session, trial, 0, 0, 0, L"S");
  EXPECT_GT(dlg.m_richText.GetFirstVisibleLine(), 20);
}

TEST_F(MeasureTest, SetSelectPushesTheWindowIntoEveryClassAndRepaintsTheSource) {
  CountingWnd canvas;
  CMEGSpctmDrawqv engine;
  dlg.setSpctmWnd(&canvas, &engine);
  dlg.measureSpctmSM(data.get(), session, trial, 0, 0, 0, L"S");
  app.pumpUntilIdle();
  canvas.paints = canvas.erases = 0;
  typeInto(dlg, IDC_MEAS_TIME_BEGIN, L"7");
  typeInto(dlg, IDC_MEAS_TIME_END, L"9");
  typeInto(dlg, IDC_MEAS_FREQ_BEGIN, L"5");
  typeInto(dlg, IDC_MEAS_FREQ_END, L"0");
  user().clickControl(dlg, IDC_MEAS_SET_SELECT);
  const megdata::SpctmWindow w = trial->getSpctmTrial(false, 0)->getSelectWindow();
  EXPECT_EQ(std::make_tuple(w.timeBegin, w.timeEnd, w.freqBegin, w.freqEnd), std::make_tuple(7, 9, 0, 5));
  EXPECT_EQ(std::make_tuple(canvas.paints, canvas.erases), std::make_tuple(1, 1));
  // "Update" puts the fields back over unread typing in the text box.
  const CString measured = text(IDC_MEAS_TEXT);
  dlg.GetDlgItem(IDC_MEAS_TEXT)->SetWindowText(L"typed");
  user().clickControl(dlg, IDC_MEAS_UPDATE);
  EXPECT_EQ(text(IDC_MEAS_TEXT), measured);
}

TEST_F(MeasureTest, DetachForgetsTheCanvasAndItsBinding) {
  CountingWnd canvas, other;
  CMEGSpctmDrawqv engine;
  engine.setDrawMEGData(data.get());
  dlg.setSpctmWnd(&canvas, &engine);
  dlg.measureSpctmSM(data.get(), session, trial, 0, 0, 0, L"S");
  EXPECT_EQ(dlg.detachSpctmWnd(&other), 0);
  EXPECT_EQ(dlg.m_measure.m_pTrial, trial);
  EXPECT_EQ(dlg.detachSpctmWnd(&canvas), 1);
  EXPECT_EQ(dlg.m_pSpctmWnd, nullptr);
  EXPECT_EQ(std::make_tuple(dlg.m_measure.m_pDataSet, dlg.m_measure.m_pSession, dlg.m_measure.m_pTrial),
            std::make_tuple(nullptr, nullptr, nullptr));
  EXPECT_EQ(dlg.detachSpctmWnd(&canvas), 0);
  // A binding the canvas's engine does not share stays.
  auto second = megdata::measureDataset();
  engine.setDrawMEGData(second.get());
  dlg.setSpctmWnd(&canvas, &engine);
  dlg.measureSpctmSM(data.get(), session, trial, 0, 0, 0, L"S");
  EXPECT_EQ(dlg.detachSpctmWnd(&canvas), 1);
  EXPECT_EQ(dlg.m_measure.m_pTrial, trial);
}

TEST_F(MeasureTest, TextBoxFollowsTheWindowSize) {
  dlg.MoveWindow(0, 0, 1000, 600);
  CRect client, box;
  dlg.GetClientRect(&client);
  dlg.m_richText.GetWindowRect(&box);
  dlg.ScreenToClient(&box);
  EXPECT_EQ(box.right, client.right - 10);
  EXPECT_EQ(box.bottom, client.bottom - 10);
  EXPECT_EQ(box.TopLeft(), CPoint(11, 68));  // 7, 45 dialog units, kept
}

TEST_F(MeasureTest, OneDialogIsSharedByTheWholeLibrary) {
  CDlgSpctrMeasurements* shared = CDlgSpctrMeasurements::getSpctrMeasurementsDlg(true);
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(CDlgSpctrMeasurements::getSpctrMeasurementsDlg(true), shared);
  EXPECT_EQ(CDlgSpctrMeasurements::getSpctrMeasurementsDlg(false), shared);
  EXPECT_FALSE(shared->IsWindowVisible());  // its opener shows it
  EXPECT_EQ(shared->GetWindowText(), L"Spectral Measurement");
}

}  // namespace
}  // namespace dialogtest
