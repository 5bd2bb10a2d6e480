// Waveform strip: zero line and its re-centring, sample spacing, vertical clipping, the cut
// at the right edge, and the cases that draw nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/data/DatasetBuilder.h"
#include "tests/draw/DrawCanvas.h"

using drawtest::MemCanvas;
using drawtest::sameImage;
using drawtest::kBlack;
using drawtest::kWhite;

namespace {

// One MEG channel with a gain of `gain` pixels per unit; 10 time points of `step` raw
// samples each, so the strip draws raw samples 0 … 10·step − 1.
std::unique_ptr<CArrayMEDataSetqv> waveDataset(std::int64_t step, std::function<double(std::int64_t)> wave,
                                               double gain = 1.0, bool accumulated = false) {
  megdata::DatasetBuilder b;
  b.meg(L"MLC11", 0, 0)
      .gain(gain)
      .grid(10, 4)
      .timeStep(step)
      .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.0; })
      .waves(10 * step, [wave](std::int64_t, std::int64_t s) { return wave(s); });
  if (accumulated) b.accumulated(0);
  return b.build();
}

struct Engine {
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CMEGSpctmDrawqv d;
  explicit Engine(std::unique_ptr<CArrayMEDataSetqv> data) : ds(std::move(data)) { d.setDrawMEGData(ds.get()); }
  COLORREF zeroLine() const { return d.m_penScale.color(); }
};

}  // namespace

TEST(WaveStrip, ZeroLineStaysAtTopUntilRecentredThenSitsInTheMiddle) {
  Engine e(waveDataset(1, [](std::int64_t) { return -10.0; }));
  e.d.m_nOriginX = 20;
  MemCanvas c(200, 140);
  ASSERT_EQ(e.d.drawOneWaveColumn(&c.dc, CRect(0, 20, 200, 120), 0, 0), 1);
  // Default state: the zero line at device y = 0 (clipped samples sit on the top edge 20,
  // since −(−10) puts them at y = 10 < 20).
  EXPECT_EQ(c.at(0, 0), e.zeroLine());
  EXPECT_EQ(c.at(199, 0), e.zeroLine());
  EXPECT_EQ(c.at(25, 20), kBlack);

  e.d.m_bRecentreWave = 1;
  MemCanvas m(200, 140);
  ASSERT_EQ(e.d.drawOneWaveColumn(&m.dc, CRect(0, 20, 200, 120), 0, 0), 1);
  EXPECT_EQ(e.d.m_nWaveOffsetY, 70);  // trunc(120 − 100·0.5)
  EXPECT_EQ(e.d.m_bRecentreWave, 0);
  // Zero line from L to R (end excluded) in the scale pen; the samples 10 pixels below.
  EXPECT_EQ(m.at(0, 70), e.zeroLine());
  EXPECT_EQ(m.at(199, 70), e.zeroLine());
  EXPECT_EQ(m.at(25, 80), kBlack);
  EXPECT_EQ(m.at(25, 79), kWhite);
  // The first segment runs down from the zero line at origin x.
  EXPECT_EQ(m.at(20, 70), kBlack);
  EXPECT_EQ(m.at(20, 75), kBlack);
  EXPECT_EQ(m.at(19, 75), kWhite);
}

TEST(WaveStrip, SamplesAreZoomOverTimeStepPixelsApart) {
  // Zoom 2, four raw samples per time point: 0.5 pixels per sample. Sample s has value s,
  // drawn s pixels above the zero line at gain 1.
  Engine e(waveDataset(4, [](std::int64_t s) { return static_cast<double>(s); }));
  e.d.m_dZoom = 2.0;
  e.d.m_nOriginX = 10;
  e.d.m_nWaveOffsetY = 70;
  MemCanvas c(200, 140);
  ASSERT_EQ(e.d.drawOneWaveColumn(&c.dc, CRect(0, 20, 200, 120), 0, 0), 1);

  MemCanvas want(200, 140);
  want.line(0, 70, 200, 70, e.zeroLine());
  CPen black(PS_SOLID, 1, kBlack);
  want.dc.SelectObject(&black);
  want.dc.MoveTo(10, 70);
  for (int s = 0; s < 40; ++s) want.dc.LineTo(10 + s / 2, 70 - s);
  EXPECT_TRUE(sameImage(c, want));
  // 40 samples over 20 columns: the last vertex is at x = 29.
  EXPECT_EQ(pixeltest::inkBounds(c.surface(), kWhite), CRect(0, 32, 200, 71));
}

TEST(WaveStrip, GainScalesAndTheRectangleClipsVertically) {
  // Gain 3: ±1000 leaves the rectangle and is drawn on its top or bottom edge.
  Engine e(waveDataset(1, [](std::int64_t s) { return s % 2 == 0 ? 1000.0 : -1000.0; }, 3.0));
  e.d.m_dZoom = 4.0;
  e.d.m_bRecentreWave = 1;
  MemCanvas c(200, 140);
  ASSERT_EQ(e.d.drawOneWaveColumn(&c.dc, CRect(0, 20, 200, 120), 0, 0), 1);
  EXPECT_EQ(pixeltest::inkBounds(c.surface(), kWhite), CRect(0, 20, 200, 121));
  EXPECT_EQ(c.at(0, 20), kBlack);   // first sample on the top edge
  EXPECT_EQ(c.at(4, 120), kBlack);  // second on the bottom edge

  Engine g(waveDataset(1, [](std::int64_t) { return -5.0; }, 3.0));
  g.d.m_nWaveOffsetY = 50;
  MemCanvas m(200, 140);
  ASSERT_EQ(g.d.drawOneWaveColumn(&m.dc, CRect(0, 20, 200, 120), 0, 0), 1);
  EXPECT_EQ(m.at(5, 65), kBlack);  // 50 + 3·5
  EXPECT_EQ(m.at(5, 64), kWhite);
}

TEST(WaveStrip, WaveformStopsAtTheFirstSamplePastTheRightEdge) {
  // Zoom 4, one sample per point: x = 0, 4, 8, 12, 16, 20 …; R = 16 is still drawn to.
  Engine e(waveDataset(1, [](std::int64_t) { return -5.0; }));
  e.d.m_dZoom = 4.0;
  e.d.m_nWaveOffsetY = 50;
  MemCanvas c(60, 100);
  ASSERT_EQ(e.d.drawOneWaveColumn(&c.dc, CRect(0, 20, 16, 80), 0, 0), 1);
  EXPECT_EQ(c.at(15, 55), kBlack);
  EXPECT_EQ(c.at(16, 55), kWhite);  // the segment to x = 16 ends there; 20 is never reached
  EXPECT_EQ(pixeltest::inkBounds(c.surface(), kWhite), CRect(0, 50, 16, 56));
}

TEST(WaveStrip, AccumulatedSpectraAndMissingPiecesDrawNothing) {
  MemCanvas c(100, 100);
  Engine acc(waveDataset(1, [](std::int64_t) { return 1.0; }, 1.0, true));
  acc.d.m_bRecentreWave = 1;
  EXPECT_EQ(acc.d.drawOneWaveColumn(&c.dc, CRect(0, 0, 100, 100), 0, 0), 1);
  EXPECT_EQ(acc.d.m_bRecentreWave, 1);
  EXPECT_EQ(acc.d.drawOneWaveColumn(&c.dc, CRect(0, 0, 100, 100), 1, 0), 0);
  EXPECT_EQ(acc.d.drawOneWaveColumn(nullptr, CRect(0, 0, 100, 100), 0, 0), 0);

  auto noWave = megdata::DatasetBuilder()
                    .meg(L"MLC11", 0, 0)
                    .noWave()
                    .meg(L"MRC11", 1, 0)
                    .grid(10, 4)
                    .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.0; })
                    .waves(10, [](std::int64_t, std::int64_t) { return 0.0; })
                    .build();
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(noWave.get());
  d.m_bRecentreWave = 1;
  EXPECT_EQ(d.drawOneWaveColumn(&c.dc, CRect(0, 0, 100, 100), 0, 0), 0);
  EXPECT_EQ(d.m_bRecentreWave, 1);
  // A trial without raw samples has no range to draw.
  auto noSamples = megdata::DatasetBuilder()
                       .meg(L"MLC11", 0, 0)
                       .grid(10, 4)
                       .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.0; })
                       .build();
  d.setDrawMEGData(noSamples.get());
  EXPECT_EQ(d.drawOneWaveColumn_RTcw(&c.dc, CRect(0, 0, 100, 100), 0, 0), 0);
  EXPECT_EQ(drawtest::inkCount(c), 0);
  EXPECT_EQ(d.linkContourmap2OneShow(), 1);
}

TEST(WaveStrip, RestoresTheDeviceContextsAttributes) {
  Engine e(waveDataset(1, [](std::int64_t) { return 1.0; }));
  MemCanvas c(100, 100);
  CPen pen(PS_DOT, 1, RGB(1, 2, 3));
  c.dc.SelectObject(&pen);
  CFont* font = c.dc.GetCurrentFont();
  c.dc.SetTextColor(RGB(9, 8, 7));
  c.dc.SetBkColor(RGB(7, 8, 9));
  ASSERT_EQ(e.d.drawOneWaveColumn(&c.dc, CRect(0, 0, 100, 100), 0, 0), 1);
  EXPECT_EQ(c.dc.GetCurrentPen(), &pen);
  EXPECT_EQ(c.dc.GetCurrentFont(), font);
  EXPECT_EQ(c.dc.GetTextColor(), RGB(9, 8, 7));
  EXPECT_EQ(c.dc.GetBkColor(), RGB(7, 8, 9));
}
