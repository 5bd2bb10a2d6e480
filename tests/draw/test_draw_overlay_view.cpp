// A whole single-channel view with every overlay, written to the test output folder as
// overlay-view.png for a person to look at: the polarity spectrogram under the read-outs
// with all switches on, the measures, the waveform strip and the vertical standard legend; below it, in a second panel, the
// frequency scale bar, the selection band, the horizontal standard legend and the
// window-view legend.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/data/DatasetBuilder.h"
#include "platform/PngExport.h"
#include "tests/draw/DrawCanvas.h"

namespace {

// A positive burst late and high, a negative one early and low, on a faint background.
double burst(std::int64_t t, std::int64_t f) {
  auto bump = [](double dt, double df, double wt, double wf) {
    return std::exp(-(dt * dt) / (2 * wt * wt) - (df * df) / (2 * wf * wf));
  };
  const double tt = static_cast<double>(t);
  const double ff = static_cast<double>(f);
  return 1.2 * bump(tt - 160, ff - 24, 25, 6) - 0.9 * bump(tt - 70, ff - 12, 30, 4) +
         0.05 * std::sin(tt / 9.0) * std::cos(ff / 5.0);
}

}  // namespace

TEST(OverlayView, DrawsEveryOverlayIntoOnePicture) {
  constexpr std::int64_t T = 256;
  constexpr std::int64_t F = 64;
  auto ds = megdata::DatasetBuilder()
                .meg(L"MLC11", 0, 0)
                .gain(40.0)
                .grid(T, F)
                .timeStep(4)
                .latencies(-500.0, 8.0)
                .frequencies(2.0, 1.5)
                .spectra(0, [](std::int64_t, std::int64_t t, std::int64_t f, int) { return burst(t, f); })
                .waves(T * 4, [](std::int64_t, std::int64_t s) {
                  const double x = static_cast<double>(s);
                  return 0.6 * std::sin(x / 11.0) + 0.3 * std::sin(x / 3.1);
                })
                .selection(0, 120, 190, 14, 34)
                .build();
  CMEGSpctmDrawqv d;
  ASSERT_EQ(d.setDrawMEGData(ds.get()), 1);
  d.m_dZoom = 2.0;
  d.m_nOriginX = 90;
  d.m_nOriginY = 300;
  d.m_bShowSelectInfo = true;
  d.m_bRecentre = false;  // keep the picture where it is put above
  d.m_bRecentreWave = 1;

  drawtest::MemCanvas c(760, 600);
  const CRect view(0, 0, 640, 380);
  EXPECT_EQ(d.drawOneSpctmColumnStd(&c.dc, view, 0, 0), 1);
  EXPECT_EQ(d.drawOneSpctmSelectInfo(&c.dc, view, 0, 0), 1);
  EXPECT_EQ(d.drawOneSpctmMeasures(&c.dc, view, 0, 0), 1);
  EXPECT_EQ(d.drawOneWaveColumn(&c.dc, view, 0, 0), 1);
  EXPECT_EQ(d.drawSpctmColorScaleStdVtc(&c.dc, CRect(650, 0, 680, 380), 0, 0, 16), 1);

  c.dc.SetViewportOrg(0, 400);
  c.dc.FillSolidRect(0, 0, 760, 200, RGB(236, 236, 236));
  EXPECT_EQ(d.drawSpctmScaleBar(&c.dc, CRect(0, 0, 80, 80), 0, 0), 1);
  EXPECT_EQ(d.drawSpctmSelectLine(&c.dc, CRect(90, 20, 602, 60), 0, 0), 1);
  EXPECT_EQ(d.drawSpctmColorScaleStdHrz(&c.dc, CRect(90, 100, 602, 120), 0, 0, 16), 1);
  EXPECT_EQ(d.drawSpctmColorScalePro(&c.dc, CRect(650, 0, 680, 190), 0, 0, 12), 1);

  const std::string path = std::string(SPCTM_TEST_OUTPUT_DIR) + "/overlay-view.png";
  std::string error;
  EXPECT_TRUE(writePng(c.surface(), path, &error)) << error;
}
