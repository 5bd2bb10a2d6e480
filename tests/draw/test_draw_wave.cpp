// Waveform strip: zero line and its re-centring, sample spacing, gain, vertical clipping,
// the cut at the right edge, and the cases that draw nothing.
#include <functional>

#include "tests/draw/DrawCanvas.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

// One MEG channel with a gain in pixels per unit; 10 time points of `step` raw samples, so
// the strip draws raw samples 0 … 10·step − 1.
DatasetBuilder strip(int64_t step, const std::function<double(int64_t)>& wave, double gain = 1.0) {
  DatasetBuilder b;
  b.meg(L"MLC11", 0, 0).gain(gain).grid(10, 4).timeStep(step).spectra(0, constant(0.0));
  b.waves(10 * step, [wave](int64_t, int64_t s) { return wave(s); });
  return b;
}

// Draws the strip in (0, 20, right, 120) on a fresh canvas.
int drawStrip(CMEGSpctmDrawqv& d, MemoryCanvas& c, int right = 200) {
  return d.drawOneWaveColumn(&c.dc, CRect(0, 20, right, 120), 0, 0);
}

}  // namespace

TEST(WaveStrip, RecentredZeroLineAndSamplesZoomOverTimeStepApart) {
  // Zoom 2, four raw samples per time point: 0.5 pixels per sample; sample s has value s.
  Bound e(strip(4, [](int64_t s) { return static_cast<double>(s); }));
  e.d.m_dZoom = 2.0;
  e.d.m_nOriginX = 10;
  e.d.m_bRecentreWave = 1;
  MemoryCanvas c(200, 140), want(200, 140);
  ASSERT_EQ(drawStrip(e.d, c), 1);
  EXPECT_EQ(e.d.m_nWaveOffsetY, 70);  // trunc(120 − 100·0.5)
  EXPECT_EQ(e.d.m_bRecentreWave, 0);
  want.line(0, 70, 200, 70, e.d.m_penScale.color());
  CPen black(PS_SOLID, 1, kBlack);
  want.dc.SelectObject(&black);
  want.dc.MoveTo(10, 70);  // from the zero line at origin x
  for (int s = 0; s < 40; ++s) want.dc.LineTo(10 + s / 2, 70 - s);
  EXPECT_TRUE(sameImage(c, want));
}

TEST(WaveStrip, ZeroLineAtTheTopUntilRecentredAndGainScalesTheSamples) {
  Bound e(strip(1, [](int64_t) { return -5.0; }, 3.0));
  MemoryCanvas c(200, 140), m(200, 140);
  ASSERT_EQ(drawStrip(e.d, c), 1);
  // Default baseline at device y = 0; 0 + 3·5 lies above the top: clipped to it.
  EXPECT_TRUE(pixelsAre(c, {{199, 0, e.d.m_penScale.color()}, {5, 20, kBlack}}));
  e.d.m_nWaveOffsetY = 50;
  ASSERT_EQ(drawStrip(e.d, m), 1);
  EXPECT_TRUE(pixelsAre(m, {{5, 65, kBlack}, {5, 64, kWhite}}));
}

TEST(WaveStrip, SamplesStayBetweenTopAndBottomAndStopPastTheRightEdge) {
  Bound e(strip(1, [](int64_t s) { return s % 2 == 0 ? 1000.0 : -1000.0; }));
  e.d.m_dZoom = 4.0;
  e.d.m_nWaveOffsetY = 70;
  MemoryCanvas c(200, 140);
  ASSERT_EQ(drawStrip(e.d, c), 1);
  EXPECT_EQ(pixeltest::inkBounds(c.surface(), kWhite), CRect(0, 20, 200, 121));
  EXPECT_TRUE(pixelsAre(c, {{0, 20, kBlack}, {4, 120, kBlack}}));
  // x = 0, 4, … 16 reaches R = 16 and is drawn to; 20 is past it.
  Bound flat(strip(1, [](int64_t) { return -5.0; }));
  flat.d.m_dZoom = 4.0;
  flat.d.m_nWaveOffsetY = 50;
  MemoryCanvas r(60, 140);
  ASSERT_EQ(drawStrip(flat.d, r, 16), 1);
  EXPECT_EQ(pixeltest::inkBounds(r.surface(), kWhite), CRect(0, 50, 16, 56));
  EXPECT_EQ(r.at(15, 55), kBlack);
}

TEST(WaveStrip, AccumulatedSpectraAndMissingPiecesDrawNothing) {
  MemoryCanvas c(200, 140);
  Bound acc(strip(1, [](int64_t) { return 1.0; }).accumulated(0));
  acc.d.m_bRecentreWave = 1;
  EXPECT_EQ(drawStrip(acc.d, c), 1);
  EXPECT_EQ(acc.d.m_bRecentreWave, 1);
  EXPECT_EQ(acc.d.drawOneWaveColumn(&c.dc, CRect(0, 0, 100, 100), 1, 0), 0);
  EXPECT_EQ(acc.d.drawOneWaveColumn(nullptr, CRect(0, 0, 100, 100), 0, 0), 0);
  // The current channel without a waveform; then a trial without raw samples at all.
  DatasetBuilder b;
  b.meg(L"MLC11", 0, 0).grid(10, 4).spectra(0, constant(0.0));
  Bound noSamples(b), noWave(b.noWave().meg(L"MRC11", 1, 0).waves(10, [](int64_t, int64_t) { return 0.0; }));
  noWave.d.m_bRecentreWave = 1;
  EXPECT_EQ(drawStrip(noWave.d, c), 0);
  EXPECT_EQ(noWave.d.m_bRecentreWave, 1);
  EXPECT_EQ(noSamples.d.drawOneWaveColumn_RTcw(&c.dc, CRect(0, 0, 100, 100), 0, 0), 0);
  EXPECT_EQ(c.inked(), 0);
}
