// What the flags window draws at each sensor: the patch's place and size, the circle's
// colour by the channel's state, the labels, and the colour range fitted over all patches.
#include "tests/windows/topo/TopoCanvas.h"

#include "tests/platform/gdi/PixelTest.h"

using namespace topotest;

namespace {

constexpr COLORREF kBack = RGB(0, 0, 0);

// Sensors at layout (0, 0), (10, 0), (5, 5), (10, 5) on a 320 × 220 canvas: 20 pixels a
// unit both ways, so (0, 0) lies at (60, 160), nose up at (60, 40).
megdata::DatasetBuilder sensors() {
  return megdata::DatasetBuilder()
      .meg(L"MLC11", 0, 0).meg(L"MRC11", 10, 0).meg(L"MZP01", 5, 5).hidden().meg(L"MRF23", 10, 5)
      .grid(80, 10).spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t, int) { return 0.5 + 0.1 * static_cast<double>(c) - 0.01 * static_cast<double>(t); });
}

// The bounding box of the pixels that are not the background within `area`.
CRect inkedBox(const Bound& b, const CRect& area) {
  CRect box;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (b.at(x, y) == kBack) continue;
      const CRect pixel(x, y, x + 1, y + 1);
      if (box.IsRectEmpty()) {
        box = pixel;
      } else {
        box.UnionRect(box, pixel);
      }
    }
  }
  return box;
}

TEST(CanvasPatches, PatchHasOnePixelPerPointWithItsCornerAtTheSensor) {
  Bound b(sensors(), 320, 220);
  b.showSensor = 0;
  b.canvas.m_nPatchTimePoints = 4;  // columns x … x + 4
  b.canvas.m_nPatchFreqPoints = 3;  // rows y − 3 … y
  b.canvas.m_bNoseUp = 0;
  ASSERT_EQ(b.draw(), 1);
  EXPECT_EQ(inkedBox(b, CRect(20, 120, 100, 200)), CRect(60, 157, 65, 161));
  // Nose up: both edges reflected, the patch hangs below the reflected sensor point.
  b.canvas.m_bNoseUp = 1;
  ASSERT_EQ(b.draw(), 1);
  EXPECT_EQ(inkedBox(b, CRect(20, 0, 100, 80)), CRect(60, 40, 65, 44));
  // The hidden sensor has no patch; a patch reaching past the right edge stops there.
  EXPECT_TRUE(inkedBox(b, CRect(140, 80, 200, 130)).IsRectEmpty());
  b.canvas.m_nPatchTimePoints = 80;
  ASSERT_EQ(b.draw(), 1);
  EXPECT_EQ(inkedBox(b, CRect(200, 0, 320, 80)), CRect(260, 40, 320, 44));
}

TEST(CanvasPatches, AutofitTakesTheRangeOverEveryShownPatch) {
  Bound b(sensors(), 320, 220);
  b.canvas.m_nPatchTimePoints = 4;
  b.engine.m_nWinTimeBegin = 2;
  ASSERT_EQ(b.draw(), 1);
  ASSERT_EQ(b.canvas.autofitAllPatches(0), 1);
  // Channels 0, 1, 3 over time points 2 … 6: the largest |outer max| is channel 3's at
  // t = 2 (0.78), the smallest |outer min| channel 0's at t = 6 (0.44).
  EXPECT_DOUBLE_EQ(b.engine.m_dStdMax, 0.78);
  EXPECT_DOUBLE_EQ(b.engine.m_dStdMin, 0.44);
  b.engine.m_nWinTimeBegin = 80;  // past the grid: no patch fits
  ASSERT_EQ(b.canvas.autofitAllPatches(0), 1);
  EXPECT_EQ(b.engine.m_dStdMax, 0.0);
  EXPECT_EQ(b.engine.m_dStdMin, 0.0);
}

TEST(CanvasMarks, CircleColourFollowsTheChannelState) {
  Bound b(sensors(), 320, 220);
  b.canvas.m_nPatchTimePoints = 0;
  b.canvas.m_nPatchFreqPoints = 0;
  b.trial().setCurrentChannel(0);
  ASSERT_EQ(b.draw(), 1);
  // The circle's rightmost pixel: (x + r, y).
  const auto ring = [&](std::int64_t i) { return b.at(b.sensor(i).x + 6, b.sensor(i).y); };
  EXPECT_EQ(ring(0), RGB(255, 0, 0));        // shown, current
  EXPECT_EQ(ring(1), RGB(255, 255, 255));    // shown
  EXPECT_EQ(ring(2), RGB(125, 125, 125));    // hidden
  b.session().setSelectChnl4Alltrials(0, 1, 0);
  b.session().setSelectChnl4Alltrials(2, 1, 0);
  ASSERT_EQ(b.draw(), 1);
  EXPECT_EQ(ring(0), RGB(255, 255, 0));      // selected wins over current
  EXPECT_EQ(ring(2), RGB(255, 255, 0));      // and over hidden
  b.showSensor = 0;
  ASSERT_EQ(b.draw(), 1);
  EXPECT_EQ(ring(1), kBack);
}

TEST(CanvasMarks, LabelsEndAtTheSensorAndRadiologyShowsFourCharacters) {
  Bound b(sensors(), 320, 220);
  b.showSensor = 0;
  b.showLabel = 1;
  b.canvas.m_nPatchTimePoints = 0;
  b.canvas.m_nPatchFreqPoints = 0;
  b.canvas.m_nNameLengthMode = 3;  // "All Name"
  b.canvas.m_nNameColorMode = 1;
  // The label's box left of and above its sensor point, which its patch's one pixel holds.
  const auto labelBox = [&] {
    const CPoint p = b.sensor(1);
    CRect box = inkedBox(b, CRect(std::max<LONG>(p.x - 80, 0), p.y - 30, p.x, p.y));
    box.OffsetRect(-p.x, -p.y);
    return box;
  };
  ASSERT_EQ(b.draw(), 1);
  CFont* old = b.canvas.m_pOffscreenDC->SelectObject(b.canvas.m_pNameFont.get());
  const int whole = b.canvas.m_pOffscreenDC->GetTextExtent(CString(L"MRC11")).cx;
  const int four = b.canvas.m_pOffscreenDC->GetTextExtent(CString(L"RC11")).cx;
  b.canvas.m_pOffscreenDC->SelectObject(old);
  const CRect all = labelBox();
  EXPECT_GE(all.left, -whole);
  EXPECT_LT(all.left, -four);  // the "M" stands left of the last four characters
  b.radiology = 1;
  ASSERT_EQ(b.draw(), 1);
  const CRect radiology = labelBox();
  EXPECT_GE(radiology.left, -four);
}

TEST(CanvasMarks, SpatialColoursFollowHemisphereAndRegion) {
  struct Case {
    const wchar_t* label;
    COLORREF colour;
  };
  for (const Case& c : {Case{L"LC11", RGB(0, 255, 153)}, Case{L"RC11", RGB(255, 153, 0)}, Case{L"ZC01", RGB(0, 153, 255)},
                        Case{L"LF23", RGB(125, 0, 122)}, Case{L"RO34", RGB(255, 125, 51)}, Case{L"ZP01", RGB(102, 102, 255)},
                        Case{L"LT12", RGB(0, 255, 0)}, Case{L"Cz", RGB(255, 255, 125)}, Case{L"", RGB(255, 255, 125)}}) {
    EXPECT_EQ(CStaticSpctmContourMap02Basic::spatialLabelColor(c.label), c.colour) << CString(c.label).utf8();
  }
}

}  // namespace
