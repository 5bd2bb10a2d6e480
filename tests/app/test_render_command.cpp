// The render command: its option parser (every mistake is a message, never a guess), the
// fitted ranges, the failures and the saved settings.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/RenderCommand.h"
#include "app/TopoViewRender.h"
#include "app/ViewRender.h"
#include "platform/ui/CWinApp.h"
#include "tests/support/DatasetBuilder.h"

using namespace spctmview;

namespace {

RenderOptions parse(std::vector<std::string> args) { return parseRenderOptions(args); }

std::string mistake(std::vector<std::string> args) {
  try {
    parseRenderOptions(args);
  } catch (const UsageError& e) {
    return e.what();
  }
  return "accepted";
}

}  // namespace

TEST(RenderOptions, ParsesEveryOptionInBothSpellings) {
  const RenderOptions o = parse({"--view", "fieldlines", "--class=rst", "--kind", "imag", "--source", "6", "--channel",
                                 "Cz", "--modality=eeg", "--colour", "peak", "--zoom", "64", "--size", "16x8192",
                                 "--begin", "3,4", "--select", "2,30,4,9", "--wave", "--plain", "--columns", "8",
                                 "--grid", "--settings", "in.bin", "--save-settings=out.bin", "--out", "x.png", "--demo"});
  EXPECT_EQ(o.view, RenderView::FieldLines);
  EXPECT_EQ(o.spctmClass, 2);
  EXPECT_EQ(o.dataKind, 1);
  EXPECT_EQ(o.dataSource, 6);
  EXPECT_EQ(o.channel, L"Cz");
  EXPECT_EQ(o.modality, Modality::Eeg);
  EXPECT_EQ(o.colouring, Colouring::Peak);
  EXPECT_EQ(o.zoom, 64);
  EXPECT_EQ(o.width, 16);
  EXPECT_EQ(o.height, 8192);
  EXPECT_EQ(o.timeBegin, 3);
  EXPECT_EQ(o.freqBegin, 4);
  EXPECT_TRUE(o.selectGiven);
  EXPECT_EQ(o.select, (std::array<long long, 4>{2, 30, 4, 9}));
  EXPECT_TRUE(o.wave && o.plain && o.grid && o.dataset.demo);
  EXPECT_EQ(o.columns, 8);
  EXPECT_EQ(o.settingsIn, "in.bin");
  EXPECT_EQ(o.settingsOut, "out.bin");
  EXPECT_EQ(o.out, "x.png");
  EXPECT_TRUE(o.has("--columns"));
  EXPECT_TRUE(o.has("--save-settings"));
  EXPECT_FALSE(o.has("--range"));
  EXPECT_EQ(parse({"--view", "columns", "--out", "x"}).view, RenderView::Columns);
  EXPECT_FALSE(parse({"--out", "x.png"}).selectGiven);
  EXPECT_TRUE(parse({"--help"}).help);  // no --out needed
}

TEST(RenderOptions, MistakesNameTheOptionAndWhatItAccepts) {
  const std::pair<std::vector<std::string>, std::string> withOut[] = {
      {{"--zoom", "0"}, "--zoom needs fit or a whole number from 1 to 64, got '0'"},
      {{"--zoom", "2.5"}, "--zoom needs fit or a whole number from 1 to 64, got '2.5'"},
      {{"--source", "7"}, "--source needs a whole number from 0 to 6, got '7'"},
      {{"--columns", "0"}, "--columns needs a whole number from 1 to 64, got '0'"},
      {{"--class", "act2"}, "--class needs one of act|ctl|rst, got 'act2'"},
      {{"--view", "column"}, "--view needs one of single|columns|flags|field|lines|fieldlines, got 'column'"},
      {{"--size", "640"}, "--size needs two numbers joined by 'x', got '640'"},
      {{"--size", "640x9"}, "--size needs a whole number from 16 to 8192, got '9'"},
      {{"--range", "1,1"}, "--range needs auto or two numbers LO,HI with LO below HI, got '1,1'"},
      {{"--range", "0,nan"}, "--range needs auto or two numbers LO,HI with LO below HI, got '0,nan'"},
      {{"--select", "1,2,3"}, "--select needs four numbers joined by ',', got '1,2,3'"},
      {{"--select", "1,2,3,-4"}, "--select needs a whole number from 0 to 2147483647, got '-4'"},
      {{"--settings="}, "--settings needs a file name"},
      {{"--color", "peak"}, "unknown option '--color'"},
  };
  for (auto [args, message] : withOut) {
    args.insert(args.end(), {"--out", "x"});
    EXPECT_EQ(mistake(args), message);
  }
  EXPECT_EQ(mistake({"--out"}), "--out needs a value");
  EXPECT_EQ(mistake({"--kind", "power"}), "--out FILE.png is required");
  EXPECT_EQ(mistake({"run.fif", "out.png"}), "unexpected argument 'out.png'");  // one FILE
}

TEST(RenderCommand, UnknownChannelIsAUsageMistakeAndNothingToDrawAFailure) {
  const auto ds = megdata::DatasetBuilder().meg(L"MLC11", 0, 0).eeg(L"Cz", 1, 1).grid(2, 2).build();
  RenderOptions o;
  o.channel = L"MXX99";
  o.out = "unused.png";
  std::ostringstream out, err;
  EXPECT_EQ(runRender(o, *ds, out, err), 2);
  EXPECT_EQ(err.str(), "spctm-view render: no channel named 'MXX99'; the dataset has: MLC11 Cz\n");
  o.channel = L"Cz";  // it has no spectra
  EXPECT_EQ(runRender(o, *ds, out, err), 1);
  EXPECT_EQ(out.str(), "");
}

TEST(RenderCommand, RangesFitTheDataDrawnOrTheOptions) {
  const auto ds = megdata::DatasetBuilder()
                      .meg(L"A", 0, 0).meg(L"B", 1, 0).grid(2, 2)
                      .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t, int) { return c == 0 ? 3.0 - static_cast<double>(t) : -8.0; })
                      .build();
  CMEGSpctmDrawqv engine;
  engine.setDrawMEGData(ds.get());
  RenderOptions o;  // auto, single view of channel A: values 2 … 3
  applyRanges(engine, o);
  EXPECT_EQ(engine.m_dStdMax, 3.0);
  EXPECT_EQ(engine.m_dColorMin, 2.0);
  o.view = RenderView::Flags;  // every channel: −8 … 3
  o.colouring = Colouring::Peak;
  applyRanges(engine, o);
  EXPECT_EQ(engine.m_dStdMax, 8.0);
  EXPECT_EQ(engine.m_dColorMin, -4.0);
  EXPECT_EQ(engine.m_dOuterMax, 8.0);
  o = parse({"--range", "-1.5,0.5", "--out", "x"});
  applyRanges(engine, o);
  EXPECT_EQ(engine.m_dStdMin, 0.0);  // magnitudes: across zero, from 0 to the larger end
  EXPECT_EQ(engine.m_dStdMax, 1.5);
  EXPECT_EQ(engine.m_dColorMin, -1.5);
  EXPECT_EQ(engine.m_dColorMax, 0.5);
  EXPECT_EQ(engine.m_dOuterMin, -2.5);
  EXPECT_EQ(engine.m_dOuterMax, 1.5);
  applyRanges(engine, parse({"--range", "-3,-1", "--out", "x"}));
  EXPECT_EQ(engine.m_dStdMin, 1.0);
  EXPECT_EQ(engine.m_dStdMax, 3.0);
}

namespace {

std::string outPath(const std::string& name) { return std::string(SPCTM_TEST_OUTPUT_DIR) + "/" + name; }

std::vector<unsigned char> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <class T>
T valueAt(const std::vector<unsigned char>& bytes, std::size_t offset) {
  T v{};
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

// Four MEG channels with Active spectra, one hidden.
std::unique_ptr<CArrayMEDataSetqv> columnsDataset() {
  return megdata::DatasetBuilder()
      .meg(L"MLC11", 0, 0).meg(L"MLC12", 1, 0).meg(L"MRC11", 2, 0).hidden().meg(L"MRC12", 3, 0)
      .grid(30, 12)
      .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int) { return 0.1 * static_cast<double>(c + t - f); })
      .build();
}

int run(const std::vector<std::string>& args, CArrayMEDataSetqv& ds, std::string* errText = nullptr) {
  std::ostringstream out, err;
  const int status = runRender(parse(args), ds, out, err);
  if (errText) *errText = err.str();
  return status;
}

}  // namespace

TEST(RenderCommand, ColumnsViewWithNoShownChannelIsAFailure) {
  const auto hidden = megdata::DatasetBuilder().meg(L"A", 0, 0).hidden().grid(4, 4).build();
  std::string why;
  EXPECT_EQ(run({"--view", "columns", "--out", outPath("render-none.png")}, *hidden, &why), 1);
  EXPECT_EQ(why, "spctm-view render: nothing to draw for this class, kind, source and channel\n");
}

TEST(RenderCommand, TopographicViewsStartAtTheNearestPointsOrSayWhyNot) {
  CWinApp app;  // the canvas's messages go to its scripted face
  const auto ds = megdata::DatasetBuilder()
                      .meg(L"A", 0, 0).meg(L"B", 4, 0).meg(L"C", 0, 3).eeg(L"Cz", 1, 1)
                      .grid(30, 12).latencies(-100, 10).frequencies(4, 2)
                      .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t, int) { return static_cast<double>(c - t); })
                      .build();
  CMEGSpctmDrawqv engine;
  engine.setDrawMEGData(ds.get());
  EXPECT_EQ(nearestTimePoint(engine, 0, 44.0), 14);  // 40 ms
  EXPECT_EQ(nearestTimePoint(engine, 0, -1e9), 0);
  EXPECT_EQ(nearestFreqPoint(engine, 0, 11.2), 4);   // 12 Hz
  EXPECT_EQ(nearestFreqPoint(engine, 1, 11.2), -1);  // no Control spectra
  for (const char* view : {"flags", "field", "lines", "fieldlines"})
    EXPECT_EQ(run({"--view", view, "--at-ms", "40", "--window-time", "0,5", "--out", outPath("render-topo.png")}, *ds), 0)
        << view;
  EXPECT_GT(fileBytes(outPath("render-topo.png")).size(), 100u);
  std::string why;
  EXPECT_EQ(run({"--view", "flags", "--modality", "eeg", "--out", outPath("render-none.png")}, *ds, &why), 1);
  EXPECT_EQ(why, "spctm-view render: EEG electrode location error: Contourmap size <= 0!?\n");
  EXPECT_EQ(run({"--view", "field", "--modality", "eeg", "--out", outPath("render-none.png")}, *ds, &why), 1);
  EXPECT_EQ(why.rfind("spctm-view render: no field:", 0), 0u) << why;
}

TEST(RenderCommand, SettingsPersistBetweenFiguresUnlessAnOptionReplacesThem) {
  const auto ds = columnsDataset();
  const std::string a = outPath("settings-a.bin"), b = outPath("settings-b.bin"), c = outPath("settings-c.bin");
  const std::string png = outPath("render-settings.png");
  std::remove(png.c_str());
  ASSERT_EQ(run({"--view", "columns", "--colour", "peak", "--zoom", "3", "--columns", "5", "--grid", "--range",
                 "-2,2", "--begin", "4,1", "--out", png, "--save-settings", a},
                *ds),
            0);
  EXPECT_GT(fileBytes(png).size(), 100u);
  const auto first = fileBytes(a);
  ASSERT_EQ(first.size(), 302u);
  EXPECT_EQ(valueAt<int>(first, 161), 2);         // view mode: peak
  EXPECT_EQ(valueAt<double>(first, 218), 3.0);    // zoom
  EXPECT_EQ(valueAt<int>(first, 274), 5);         // columns
  EXPECT_EQ(first[64], 1);                        // time grid
  EXPECT_EQ(valueAt<double>(first, 81), 2.0);     // colour range maximum
  EXPECT_EQ(valueAt<std::int64_t>(first, 145), 4);  // draw window's first time point

  // Started from a's settings with no option naming them: the same settings come out.
  ASSERT_EQ(run({"--view", "columns", "--settings", a, "--save-settings", b, "--out", png}, *ds), 0);
  EXPECT_EQ(fileBytes(b), first);

  // Named options replace what the settings hold; the others stay.
  ASSERT_EQ(run({"--view", "columns", "--settings", a, "--zoom", "2", "--colour", "window", "--save-settings", c,
                 "--out", png},
                *ds),
            0);
  const auto third = fileBytes(c);
  EXPECT_EQ(valueAt<double>(third, 218), 2.0);
  EXPECT_EQ(valueAt<int>(third, 161), 0);
  EXPECT_EQ(valueAt<int>(third, 274), 5);
  EXPECT_EQ(valueAt<double>(third, 81), 2.0);
}

TEST(RenderCommand, UnreadableSettingsStopTheFigureWithTheReason) {
  const auto ds = columnsDataset();
  const std::string png = outPath("render-unread.png");
  const std::string good = outPath("settings-good.bin");
  ASSERT_EQ(run({"--save-settings", good, "--out", png}, *ds), 0);
  const auto record = fileBytes(good);
  const auto writeBytes = [](const std::string& path, std::vector<unsigned char> bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  };
  std::vector<unsigned char> wrongSignature = record, wrongVersion = record;
  wrongSignature[4] = 'N';
  wrongVersion[28] = 0;
  const std::string sig = writeBytes(outPath("settings-sig.bin"), wrongSignature);
  const std::string ver = writeBytes(outPath("settings-ver.bin"), wrongVersion);
  const std::string cut = writeBytes(outPath("settings-cut.bin"), {record.begin(), record.begin() + 100});
  const std::string missing = outPath("settings-missing.bin");
  std::remove(missing.c_str());

  CWinApp app;  // message boxes answered and recorded by the scripted face
  std::string why;
  EXPECT_EQ(run({"--settings", sig, "--out", png}, *ds, &why), 1);
  EXPECT_EQ(why, "spctm-view render: settings " + sig + ": MEG spectral draw file is corrupted!\n");
  EXPECT_EQ(run({"--settings", ver, "--out", png}, *ds, &why), 1);
  EXPECT_EQ(why, "spctm-view render: settings " + ver + ": Wrong spectral draw  wave file format!!?\n");
  EXPECT_EQ(run({"--settings", cut, "--out", png}, *ds, &why), 1);
  EXPECT_EQ(why, "spctm-view render: settings " + cut + ": the file ends before the settings record does\n");
  EXPECT_EQ(run({"--settings", missing, "--out", png}, *ds, &why), 1);
  EXPECT_NE(why.find("spctm-view render: settings " + missing + ": "), std::string::npos);
  EXPECT_EQ(run({"--save-settings", outPath("no-such-dir/s.bin"), "--out", png}, *ds, &why), 1);
  EXPECT_NE(why.find("no-such-dir/s.bin"), std::string::npos);
}
