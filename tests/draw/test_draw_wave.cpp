// Waveform strip: zero line and its re-centring, sample spacing, gain, vertical clipping,
// the cut at the right edge, and the cases that draw nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "host/data/DatasetBuilder.h"
#include "tests/draw/DrawCanvas.h"

using drawtest::kBlack;
using drawtest::kWhite;
using drawtest::MemCanvas;

namespace {

// One MEG channel with a gain in pixels per unit; 10 time points of `step` raw samples, so
// the strip draws raw samples 0 … 10·step − 1.
struct WaveEngine {
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CMEGSpctmDrawqv d;
  WaveEngine(std::int64_t step, const std::function<double(std::int64_t)>& wave, double gain = 1.0,
             bool accumulated = false) {
    megdata::DatasetBuilder b;
    b.meg(L"MLC11", 0, 0)
        .gain(gain)
        .grid(10, 4)
        .timeStep(step)
        .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.0; })
        .waves(10 * step, [wave](std::int64_t, std::int64_t s) { return wave(s); });
    if (accumulated) b.accumulated(0);
    ds = b.build();
    d.setDrawMEGData(ds.get());
  }
};

}  // namespace

TEST(WaveStrip, RecentredZeroLineAndSamplesZoomOverTimeStepApart) {
  // Zoom 2, four raw samples per time point: 0.5 pixels per sample; sample s has value s.
  WaveEngine e(4, [](std::int64_t s) { return static_cast<double>(s); });
  e.d.m_dZoom = 2.0;
  e.d.m_nOriginX = 10;
  e.d.m_bRecentreWave = 1;
  MemCanvas c(200, 140);
  ASSERT_EQ(e.d.drawOneWaveColumn(&c.dc, CRect(0, 20, 200, 120), 0, 0), 1);
  EXPECT_EQ(e.d.m_nWaveOffsetY, 70);  // trunc(120 − 100·0.5)
  EXPECT_EQ(e.d.m_bRecentreWave, 0);

  MemCanvas want(200, 140);
  want.line(0, 70, 200, 70, e.d.m_penScale.color());
  CPen black(PS_SOLID, 1, kBlack);
  want.dc.SelectObject(&black);
  want.dc.MoveTo(10, 70);  // from the zero line at origin x
  for (int s = 0; s < 40; ++s) want.dc.LineTo(10 + s / 2, 70 - s);
  EXPECT_TRUE(drawtest::sameImage(c, want));
}

TEST(WaveStrip, ZeroLineAtTheTopUntilRecentredAndGainScalesTheSamples) {
  WaveEngine e(1, [](std::int64_t) { return -5.0; }, 3.0);
  MemCanvas c(200, 140);
  ASSERT_EQ(e.d.drawOneWaveColumn(&c.dc, CRect(0, 20, 200, 120), 0, 0), 1);
  EXPECT_EQ(c.at(199, 0), e.d.m_penScale.color());  // default baseline: device y = 0
  EXPECT_EQ(c.at(5, 20), kBlack);                   // 0 + 3·5 lies above the top: clipped
  e.d.m_nWaveOffsetY = 50;
  MemCanvas m(200, 140);
  ASSERT_EQ(e.d.drawOneWaveColumn(&m.dc, CRect(0, 20, 200, 120), 0, 0), 1);
  EXPECT_EQ(m.at(5, 65), kBlack);
  EXPECT_EQ(m.at(5, 64), kWhite);
}

TEST(WaveStrip, SamplesStayBetweenTopAndBottomAndStopPastTheRightEdge) {
  WaveEngine e(1, [](std::int64_t s) { return s % 2 == 0 ? 1000.0 : -1000.0; });
  e.d.m_dZoom = 4.0;
  e.d.m_nWaveOffsetY = 70;
  MemCanvas c(200, 140);
  ASSERT_EQ(e.d.drawOneWaveColumn(&c.dc, CRect(0, 20, 200, 120), 0, 0), 1);
  EXPECT_EQ(pixeltest::inkBounds(c.surface(), kWhite), CRect(0, 20, 200, 121));
  EXPECT_EQ(c.at(0, 20), kBlack);
  EXPECT_EQ(c.at(4, 120), kBlack);

  // x = 0, 4, … 16 reaches R = 16 and is drawn to; 20 is past it.
  WaveEngine flat(1, [](std::int64_t) { return -5.0; });
  flat.d.m_dZoom = 4.0;
  flat.d.m_nWaveOffsetY = 50;
  MemCanvas r(60, 100);
  ASSERT_EQ(flat.d.drawOneWaveColumn(&r.dc, CRect(0, 20, 16, 80), 0, 0), 1);
  EXPECT_EQ(pixeltest::inkBounds(r.surface(), kWhite), CRect(0, 50, 16, 56));
  EXPECT_EQ(r.at(15, 55), kBlack);
}

TEST(WaveStrip, AccumulatedSpectraAndMissingPiecesDrawNothing) {
  MemCanvas c(100, 100);
  WaveEngine acc(1, [](std::int64_t) { return 1.0; }, 1.0, true);
  acc.d.m_bRecentreWave = 1;
  EXPECT_EQ(acc.d.drawOneWaveColumn(&c.dc, CRect(0, 0, 100, 100), 0, 0), 1);
  EXPECT_EQ(acc.d.m_bRecentreWave, 1);
  EXPECT_EQ(acc.d.drawOneWaveColumn(&c.dc, CRect(0, 0, 100, 100), 1, 0), 0);
  EXPECT_EQ(acc.d.drawOneWaveColumn(nullptr, CRect(0, 0, 100, 100), 0, 0), 0);

  // The current channel without a waveform; then a trial without raw samples at all.
  megdata::DatasetBuilder b;
  b.meg(L"MLC11", 0, 0).grid(10, 4).spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.0; });
  auto noSamples = b.build();
  auto noWave = b.noWave().meg(L"MRC11", 1, 0).waves(10, [](std::int64_t, std::int64_t) { return 0.0; }).build();
  CMEGSpctmDrawqv d;
  d.setDrawMEGData(noWave.get());
  d.m_bRecentreWave = 1;
  EXPECT_EQ(d.drawOneWaveColumn(&c.dc, CRect(0, 0, 100, 100), 0, 0), 0);
  EXPECT_EQ(d.m_bRecentreWave, 1);
  d.setDrawMEGData(noSamples.get());
  EXPECT_EQ(d.drawOneWaveColumn_RTcw(&c.dc, CRect(0, 0, 100, 100), 0, 0), 0);
  EXPECT_EQ(c.inked(), 0);
  EXPECT_EQ(d.linkContourmap2OneShow(), 1);
}
