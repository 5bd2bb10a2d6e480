// The render command: its option parser (every mistake is a message, never a guess), the
// patch grid's cells, and the example dataset's effects where its header puts them, as the
// single-channel view and the patch grid draw them.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/ExampleDataset.h"
#include "app/RenderCommand.h"
#include "app/ViewRender.h"

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
  const RenderOptions o = parse({"--view", "patches", "--class=rst", "--kind", "imag", "--source", "6", "--channel",
                                 "Cz", "--modality=eeg", "--colour", "peak", "--zoom", "64", "--size", "16x8192",
                                 "--begin", "3,4", "--out", "x.png", "--demo"});
  EXPECT_EQ(o.view, RenderView::Patches);
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
  EXPECT_EQ(o.out, "x.png");
  EXPECT_TRUE(parse({"--help"}).help);  // no --out needed
}

TEST(RenderOptions, MistakesNameTheOptionAndWhatItAccepts) {
  EXPECT_EQ(mistake({"--zoom", "0", "--out", "x"}), "--zoom needs a whole number from 1 to 64, got '0'");
  EXPECT_EQ(mistake({"--zoom", "2.5", "--out", "x"}), "--zoom needs a whole number from 1 to 64, got '2.5'");
  EXPECT_EQ(mistake({"--source", "7", "--out", "x"}), "--source needs a whole number from 0 to 6, got '7'");
  EXPECT_EQ(mistake({"--class", "act2", "--out", "x"}), "--class needs one of act|ctl|rst, got 'act2'");
  EXPECT_EQ(mistake({"--size", "640", "--out", "x"}), "--size needs two numbers joined by 'x', got '640'");
  EXPECT_EQ(mistake({"--size", "640x9", "--out", "x"}), "--size needs a whole number from 16 to 8192, got '9'");
  EXPECT_EQ(mistake({"--out"}), "--out needs a value");
  EXPECT_EQ(mistake({"--kind", "power"}), "--out FILE.png is required");
  EXPECT_EQ(mistake({"--color", "peak", "--out", "x"}), "unknown option '--color'");
  EXPECT_EQ(mistake({"out.png"}), "unexpected argument 'out.png'");
}

TEST(RenderCommand, UnknownChannelIsAUsageMistake) {
  RenderOptions o;
  o.channel = L"MXX99";
  o.out = "unused.png";
  std::ostringstream out, err;
  EXPECT_EQ(runRender(o, out, err), 2);
  EXPECT_NE(err.str().find("no channel named 'MXX99'; the dataset has: MLF11"), std::string::npos);
}

TEST(PatchGrid, CellsTileTheImageRowByRow) {
  const std::vector<CRect> cells = gridCells(20, 800, 500);  // 6 columns of 133, 4 rows of 125
  ASSERT_EQ(cells.size(), 20u);
  EXPECT_EQ(cells[0], CRect(0, 0, 133, 125));
  EXPECT_EQ(cells[7], CRect(133, 125, 266, 250));
  EXPECT_EQ(cells[19], CRect(133, 375, 266, 500));
  EXPECT_TRUE(gridCells(0, 800, 500).empty());
}

TEST(ExampleViews, EffectsAppearWhereTheDatasetPutsThem) {
  const auto ds = buildExampleDataset();
  CMEGSpctmDrawqv engine;
  ASSERT_EQ(engine.setDrawMEGData(ds.get()), 1);
  engine.m_pTrial->setCurrentChannel(17);  // MZO01: alpha and gamma
  ASSERT_EQ(engine.m_pTrial->getChannel(-1)->m_strName, L"MZO01");
  PixelSurface surface(200, 60, 0);
  CDC dc(surface, CPoint(), surface.bounds());
  // Results power at one pixel per bin: 120 × 40 centred, time point t at x = 40 + t,
  // frequency point f at y = 50 − f.
  ASSERT_EQ(drawSingleView(engine, dc, CRect(0, 0, 200, 60), 2, 2), 1);
  const auto at = [&](double ms, double hz) {
    return surface.colorAt(40 + static_cast<int>((ms + 200) / 10), 50 - static_cast<int>((hz - 2) / 2));
  };
  const auto negativeIndex = [&](COLORREF c) {
    const COLORREF* end = engine.m_pNegativeColor768 + 768;
    return std::find(engine.m_pNegativeColor768, end, c) - engine.m_pNegativeColor768;
  };
  EXPECT_EQ(at(200, 60), engine.m_pPositiveColor768[767]);  // gamma burst, far above 1
  EXPECT_GT(negativeIndex(at(400, 10)), 384);               // alpha decrease, more than half
  EXPECT_LT(negativeIndex(at(400, 10)), 768);
  EXPECT_EQ(at(-100, 10), engine.m_pPositiveColor768[0]);  // before the stimulus: no change
  EXPECT_EQ(at(600, 60), engine.m_pPositiveColor768[0]);   // gamma is over
}
