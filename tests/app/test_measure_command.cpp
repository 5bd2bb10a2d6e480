// The measure command: its options (every mistake a message), and its three outputs of
// one measurement, the dialog's text, its export file and CSV, character for character,
// with the failures that leave nothing measured.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/MeasureCommand.h"
#include "tests/support/MeasureDataset.h"
#include "windows/dialogs/SpctmTextExport.h"

using namespace spctmview;

namespace {

std::string mistake(const std::vector<std::string>& args) {
  try {
    parseMeasureOptions(args);
  } catch (const UsageError& e) {
    return e.what();
  }
  return "accepted";
}

struct Outcome {
  int status;
  std::string out, err;
};

Outcome run(const std::vector<std::string>& args) {
  auto data = megdata::measureDataset();
  std::ostringstream out, err;
  const int status = runMeasure(parseMeasureOptions(args), *data, out, err);
  return {status, out.str(), err.str()};
}

const std::string kHeader0 =
    "Dataset_Name Trial_Number      TimeB   TimeE   FreqB   FreqE  TimeB(ms) TimeE(ms) FreqB(Hz), FreqE(Hz)  "
    "Minimum   Mean  Maximum   RMS  \n\n";
const std::string kLineA =
    "2 4 1 2 -80.000000 -60.000000 10.000000 12.000000 12.000000 18.000000 24.000000 18.699376 \n";
const std::string kLineB =
    "2 4 1 2 -80.000000 -60.000000 10.000000 12.000000 112.000000 118.000000 124.000000 118.108707 \n";

}  // namespace

TEST(MeasureOptions, ParsesEveryOptionAndRefusesWhatMeasuresNothing) {
  const MeasureOptions o = parseMeasureOptions({"--class=rst", "--kind", "imag", "--source", "4", "--channel", "B",
                                                "--mode", "all-freq-rms", "--select", "1,2,3,4", "--format", "csv",
                                                "--out", "m.csv", "--demo"});
  EXPECT_EQ(std::make_tuple(o.spctmClass, o.dataKind, o.dataSource, o.mode), std::make_tuple(2, 1, 4, 6));
  EXPECT_EQ(o.channel, L"B");
  EXPECT_TRUE(o.selectGiven && o.dataset.demo);
  EXPECT_EQ(o.select, (std::array<long long, 4>{1, 2, 3, 4}));
  EXPECT_EQ(o.format, MeasureFormat::Csv);
  EXPECT_EQ(o.out, "m.csv");
  const MeasureOptions all = parseMeasureOptions({"--all-channels", "--list-missing", "--mode", "mmmr"});
  EXPECT_TRUE(all.allChannels && all.listMissing && !all.table);

  const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes = {
      {{"--mode", "peak"}, "--mode needs one of mmmr|freq-peak|freq-mean|freq-rms|all-freq-peak|all-freq-mean|"
                           "all-freq-rms, got 'peak'"},
      {{"--table", "--all-channels"}, "--table and --all-channels measure different things; choose one"},
      {{"--all-channels", "--mode", "freq-rms"}, "--all-channels does not take a per-frequency --mode (only mmmr)"},
      {{"--table", "--mode", "freq-peak"}, "--table does not take a per-frequency --mode (only mmmr)"},
      {{"--table", "--format", "csv"}, "--table has no CSV form; use --format text"},
      {{"--format", "export"}, "--format export needs --out FILE"},
      {{"--format", "xml"}, "--format needs one of text|export|csv, got 'xml'"},
      {{"--select", "1,2,3"}, "--select needs four numbers joined by ',', got '1,2,3'"},
      {{"--source", "7"}, "--source needs a whole number from 0 to 6, got '7'"},
      {{"--channel="}, "--channel needs a channel name"},
      {{"--out"}, "--out needs a value"},
      {{"run.fif", "stray"}, "unexpected argument 'stray'"},
  };
  for (const auto& [args, message] : mistakes) EXPECT_EQ(mistake(args), message) << args[0];
  EXPECT_TRUE(parseMeasureOptions({"--help"}).help);
}

TEST(MeasureCommand, TextIsTheDialogsTextOfTheMeasurement) {
  EXPECT_EQ(run({"--kind", "real"}).out, kHeader0 + "S T " + kLineA);
  EXPECT_EQ(run({"--kind", "real", "--channel", "B"}).out, kHeader0 + "S T " + kLineB);
  EXPECT_EQ(run({"--kind", "real", "--mode", "freq-peak", "--select", "0,9,2,4"}).out,
            "Dataset_Name Trial_Number      TimeB   TimeE   FreqB   FreqE   Peak_For_Each_Freq  \n\n"
            "S T 0 9 2 4  29.000000 39.000000 49.000000\n");
  const std::string allSensors =
      "\nnTrialName ChnlName TimeB TimeE FreqB  FreqE  TimeB(ms) TimeE(ms) FreqB(Hz), FreqE(Hz)  Minimum   Mean  "
      "Maximum   RMS\n";
  EXPECT_EQ(run({"--kind", "real", "--all-channels"}).out, kHeader0 + allSensors + "T A " + kLineA + "T B " + kLineB);
  EXPECT_EQ(run({"--kind", "real", "--all-channels", "--list-missing"}).out,
            kHeader0 + allSensors + "T A " + kLineA + "T B " + kLineB + "T C no spectral data \n");
  const std::string table = run({"--kind", "real", "--table"}).out;
  EXPECT_EQ(table.substr(0, kHeader0.size() + 17), kHeader0 + "Freq(Hz)/Time(ms)");
}

TEST(MeasureCommand, ExportAndCsvCarryTheSameMeasurement) {
  const std::filesystem::path folder = std::filesystem::path(SPCTM_TEST_OUTPUT_DIR) / "measure-command";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string file = (folder / "m.doc").string();
  const Outcome exported = run({"--kind", "real", "--format", "export", "--out", file});
  EXPECT_EQ(exported.status, 0);
  EXPECT_EQ(exported.out, "spctm-view: wrote " + file + "\n");
  std::ifstream in(file, std::ios::binary);
  const std::vector<BYTE> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(bytes, spctmTextExportBytes(CString((kHeader0 + "S T " + kLineA).c_str())));

  const std::string columns =
      "session,trial,channel,time_begin,time_end,freq_begin,freq_end,time_begin_ms,time_end_ms,freq_begin_hz,"
      "freq_end_hz,points";
  EXPECT_EQ(run({"--kind", "real", "--format", "csv"}).out,
            columns + ",minimum,mean,maximum,rms\nS,T,A,2,4,1,2,-80,-60,10,12,6,12,18,24,18.6993761\n");
  EXPECT_EQ(run({"--kind", "real", "--format", "csv", "--all-channels", "--list-missing"}).out,
            columns + ",minimum,mean,maximum,rms\n" + "S,T,A,2,4,1,2,-80,-60,10,12,6,12,18,24,18.6993761\n" +
                "S,T,B,2,4,1,2,-80,-60,10,12,6,112,118,124,118.108707\n" + "S,T,C,2,4,1,2,-80,-60,10,12,6,,,,\n");
  EXPECT_EQ(run({"--kind", "real", "--format", "csv", "--mode", "freq-mean", "--source", "3"}).out,
            columns + ",mean_10.000Hz,mean_12.000Hz\nS,T,Group Max,2,4,1,2,-80,-60,10,12,6,113,123\n");
}

TEST(MeasureCommand, NothingToMeasureOrToWriteIsAFailureThatSaysWhy) {
  const std::vector<std::tuple<std::vector<std::string>, int, std::string>> cases = {
      {{"--channel", "C"}, 1, "spctm-view measure: channel C has no act power spectrum\n"},
      {{"--class", "ctl"}, 1, "spctm-view measure: the trial has no spectra of the class ctl\n"},
      {{"--channel", "Z"}, 2, "spctm-view measure: no channel named 'Z'; the dataset has: A B C\n"},
  };
  for (const auto& [args, status, message] : cases) {
    const Outcome r = run(args);
    EXPECT_EQ(r.status, status) << args[1];
    EXPECT_EQ(r.err, message);
    EXPECT_EQ(r.out, "");
  }
  const Outcome unwritable = run({"--out", "/nonexistent-folder/m.txt"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("/nonexistent-folder/m.txt"), std::string::npos) << unwritable.err;
}
