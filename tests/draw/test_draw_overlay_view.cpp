// A whole single-channel view with every overlay, written to the test output folder as
// overlay-view.png for a person to look at: the polarity spectrogram under the read-outs
// with all switches on, the measures, the waveform strip and the vertical standard legend;
// below it the frequency scale bar, the selection band and the other two legends.
#include <cmath>

#include "platform/PngExport.h"
#include "tests/draw/DrawCanvas.h"

using namespace drawtest;

TEST(OverlayView, DrawsEveryOverlayIntoOnePicture) {
  // A positive burst late and high, a negative one early and low.
  const auto bump = [](int64_t t, int64_t f, double t0, double f0, double wt, double wf) {
    const double dt = (static_cast<double>(t) - t0) / wt, df = (static_cast<double>(f) - f0) / wf;
    return std::exp(-(dt * dt + df * df) / 2);
  };
  Bound e(megdata::DatasetBuilder()
              .meg(L"MLC11", 0, 0).gain(40.0)
              .grid(256, 64).timeStep(4).latencies(-500.0, 8.0).frequencies(2.0, 1.5)
              .spectra(0, [&](int64_t, int64_t t, int64_t f, int) {
                return 1.2 * bump(t, f, 160, 24, 25, 6) - 0.9 * bump(t, f, 70, 12, 30, 4);
              })
              .waves(1024, [](int64_t, int64_t s) { return 0.6 * std::sin(static_cast<double>(s) / 11.0); })
              .selection(0, 120, 190, 14, 34));
  CMEGSpctmDrawqv& d = e.d;
  d.m_dZoom = 2.0;
  d.m_nOriginX = 90;
  d.m_nOriginY = 300;
  d.m_bShowSelectInfo = true;
  d.m_bRecentre = false;  // keep the picture where it is put above
  d.m_bRecentreWave = 1;
  MemoryCanvas c(760, 600);
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
  std::string error;
  EXPECT_TRUE(writePng(c.surface(), std::string(SPCTM_TEST_OUTPUT_DIR) + "/overlay-view.png", &error)) << error;
}
