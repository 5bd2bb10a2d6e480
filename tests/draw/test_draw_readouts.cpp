// Selection read-outs (ordinary and accumulated), measures rulers and the mouse-point
// inverse of the picture geometry, drawn on cleared memory DCs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "draw/CMEGSpctmDrawqv.h"
#include "host/data/DatasetBuilder.h"
#include "tests/draw/DrawCanvas.h"

using drawtest::MemCanvas;
using drawtest::sameImage;
using drawtest::textAt;
using drawtest::kWhite;

namespace {

// Two MEG channels (the first current), 40 × 20 bins of 0.5, latencies 100, 200, … ms,
// frequencies 10, 15, … Hz; class-0 selection of time points 5 … 15 and frequency points
// 2 … 10, so the host's sum over it is 11·9·0.5 = 49.5 over 99 points.
megdata::DatasetBuilder standard() {
  megdata::DatasetBuilder b;
  b.meg(L"MLC11", 0, 0)
      .meg(L"MRC11", 1, 0)
      .grid(40, 20)
      .latencies(100.0, 100.0)
      .frequencies(10.0, 5.0)
      .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.5; })
      .selection(0, 5, 15, 2, 10);
  return b;
}

// Engine bound to a dataset, picture at zoom 2 with its origin at (50, 150).
struct Engine {
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CMEGSpctmDrawqv d;
  explicit Engine(const megdata::DatasetBuilder& b) : ds(b.build()) {
    d.setDrawMEGData(ds.get());
    d.m_dZoom = 2.0;
    d.m_nOriginX = 50;
    d.m_nOriginY = 150;
  }
  CSpctmTrialqv& spctm() { return *d.m_pTrial->getSpctmTrial(false, 0); }
};

}  // namespace

// ---- Ordinary read-out ---------------------------------------------------------------------

TEST(SelectInfo, DefaultSwitchesDrawBoxCrossTextsTitleAndOriginLine) {
  Engine e(standard());
  MemCanvas c(300, 200);
  ASSERT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 300, 200), 0, 0), 1);

  // Begin corner (60, 146), end corner (80, 130): the box runs up from the begin row.
  MemCanvas want(300, 200);
  want.invert(60, 131, 80, 147);
  want.invert(60, 0, 61, 200);
  want.invert(0, 146, 300, 147);
  want.text(e.d, 66, 0, L"600.000->1600.000 ms (sum/points =  49.500/99)");
  const std::wstring freq = L"20.000 - 60.000 Hz";
  want.text(e.d, 300 - want.extent(e.d, freq).cx, 140, freq);
  want.text(e.d, 0, 0, L"MLC11");
  want.text(e.d, 0, 188, L"X:50 (Time:0) Y:150 (Freq:0)");
  EXPECT_TRUE(sameImage(c, want));
}

TEST(SelectInfo, TimeTextSwitchesToSecondsOnlyWhenBothEndsPassOneSecond) {
  // 1200 ms to 1800 ms: seconds, with two blanks after "s".
  Engine sec(standard().latencies(700.0, 100.0).selection(0, 5, 11, 2, 10));
  MemCanvas c(400, 200);
  ASSERT_EQ(sec.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 400, 200), 0, 0), 1);
  EXPECT_TRUE(textAt(sec.d, c, 66, 0, L"1.200->1.800 s  (sum/points =  31.500/63)"));

  // 1000 ms to 1800 ms: 1000 is not above 1000, so milliseconds.
  Engine ms(standard().latencies(500.0, 100.0).selection(0, 5, 13, 2, 10));
  MemCanvas m(400, 200);
  ASSERT_EQ(ms.d.drawOneSpctmSelectInfo(&m.dc, CRect(0, 0, 400, 200), 0, 0), 1);
  EXPECT_TRUE(textAt(ms.d, m, 66, 0, L"1000.000->1800.000 ms (sum/points =  40.500/81)"));
}

TEST(SelectInfo, FrequencyTextUnitFollowsTheBeginAndSitsOnTheCrossRow) {
  // 800 Hz to 1200 Hz: the begin decides, hertz.
  Engine hz(standard().frequencies(400.0, 200.0).selection(0, 5, 15, 2, 4));
  MemCanvas c(300, 200);
  ASSERT_EQ(hz.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 300, 200), 0, 0), 1);
  const std::wstring hzText = L"800.000 - 1200.000 Hz";
  EXPECT_TRUE(textAt(hz.d, c, 300 - c.extent(hz.d, hzText).cx, 140, hzText));

  // 1200 Hz to 1600 Hz: kilohertz.
  Engine khz(standard().frequencies(800.0, 200.0).selection(0, 5, 15, 2, 4));
  MemCanvas k(300, 200);
  ASSERT_EQ(khz.d.drawOneSpctmSelectInfo(&k.dc, CRect(0, 0, 300, 200), 0, 0), 1);
  const std::wstring kText = L"1.200 - 1.600 kHz";
  EXPECT_TRUE(textAt(khz.d, k, 300 - k.extent(khz.d, kText).cx, 140, kText));
}

TEST(SelectInfo, AxisLabelsNameBothEndsOfBothAxes) {
  // Latencies −100, −50, … ms: point 0 at −100 ms, point T = 40 at 1900 ms.
  Engine e(standard().latencies(-100.0, 50.0));
  e.d.m_bShowSelect = false;
  e.d.m_bShowName = false;
  e.d.m_bShowSelectInfo = true;
  MemCanvas c(300, 200);
  ASSERT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 300, 200), 0, 0), 1);
  MemCanvas want(300, 200);
  want.invert(60, 131, 80, 147);
  want.text(e.d, 50, 12, L"-100.000 ms");
  want.text(e.d, 130, 12, L"1.900 s");       // x of T = 40·2 + 50
  want.text(e.d, 0, 150, L"10.000 Hz");      // frequency point 0 on the origin row
  want.text(e.d, 0, 110, L"110.000 Hz");     // point F = 20 at 150 − 20·2
  EXPECT_TRUE(sameImage(c, want));
}

TEST(SelectInfo, AxisEndLabelPastTheRightEdgeIsPulledInAndOneSecondIsSeconds) {
  // 50 time points 20 ms apart: point T = 50 at exactly 1000 ms.
  Engine e(standard().grid(50, 20).latencies(0.0, 20.0));
  e.d.m_nOriginX = 0;
  e.d.m_bShowSelect = false;
  e.d.m_bShowName = false;
  e.d.m_bShowSelectInfo = true;
  MemCanvas c(200, 220);
  // x of T is 100 > R = 90: the label ends at R. The rectangle's top moves the labels.
  ASSERT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 20, 90, 200), 0, 0), 1);
  EXPECT_TRUE(textAt(e.d, c, 0, 32, L"0.000 ms"));
  EXPECT_TRUE(textAt(e.d, c, 90 - c.extent(e.d, L"1.000 s").cx, 32, L"1.000 s"));
}

TEST(SelectInfo, TitleNamesTheDataSourceAndTheOriginLineUsesTheHeight) {
  Engine e(standard());
  e.d.m_nOriginX = 150;  // keep the cross clear of the title
  const CRect rect(0, 50, 300, 250);
  struct Case {
    int source;
    const wchar_t* title;
  };
  for (const Case& k : {Case{0, L"MLC11"}, Case{1, L"Group Mean"}, Case{3, L"Group Max"},
                        Case{5, L"Average Negative"}, Case{6, L"RMS-sign"}, Case{9, L"Unknown"}}) {
    e.d.m_nDataSource = k.source;
    MemCanvas c(300, 260);
    ASSERT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, rect, 0, 0), 1) << k.source;
    EXPECT_TRUE(textAt(e.d, c, 0, 0, k.title)) << k.source;
    // (B − T0) − h = 200 − 12, not B − h.
    EXPECT_TRUE(textAt(e.d, c, 0, 188, L"X:150 (Time:0) Y:150 (Freq:0)")) << k.source;
  }
  // The current channel's name follows the host's current channel.
  e.d.m_nDataSource = 0;
  e.d.m_pTrial->setCurrentChannel(1);
  e.d.m_nFirstTime = 3;
  e.d.m_nFirstFreq = 4;
  MemCanvas c(300, 260);
  ASSERT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, rect, 0, 0), 1);
  EXPECT_TRUE(textAt(e.d, c, 0, 0, L"MRC11"));
  EXPECT_TRUE(textAt(e.d, c, 0, 188, L"X:150 (Time:3) Y:150 (Freq:4)"));
}

TEST(SelectInfo, BoxCornersAreMovedToTheEdgesByComparingWithTheSize) {
  Engine e(standard());
  e.d.m_bShowSelect = false;
  e.d.m_bShowName = false;
  const CRect rect(10, 0, 300, 200);
  auto box = [&](std::int64_t originX) {
    e.d.m_nOriginX = originX;
    MemCanvas c(320, 200);
    EXPECT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, rect, 0, 0), 1);
    return pixeltest::inkBounds(c.surface(), kWhite);
  };
  // Begin x = −5 ≤ 0 goes to L = 10; end x = 15 stays.
  EXPECT_EQ(box(-15), CRect(10, 131, 15, 147));
  // Begin x = 5 is left of L but above 0: it stays.
  EXPECT_EQ(box(-5), CRect(5, 131, 25, 147));
  // End x = 300 ≥ R − L = 290 goes to R; so does begin x = 290.
  EXPECT_EQ(box(270), CRect(280, 131, 300, 147));
  EXPECT_EQ(box(280), CRect());
}

TEST(SelectInfo, EqualBeginAndEndDrawOnlyTheCross) {
  Engine e(standard().selection(0, 5, 5, 2, 10));
  e.d.m_bShowName = false;
  MemCanvas c(300, 200);
  ASSERT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 300, 200), 0, 0), 1);
  // No box: the pixel right of the cross column inside the selected rows stays white.
  EXPECT_EQ(c.at(61, 135), kWhite);
  // The cross column below the texts and the row left of the frequency text are inverted.
  EXPECT_EQ(c.at(60, 100), pixeltest::kBlack);
  EXPECT_EQ(c.at(60, 199), pixeltest::kBlack);
  EXPECT_EQ(c.at(0, 146), pixeltest::kBlack);
  EXPECT_EQ(c.at(59, 145), kWhite);
  EXPECT_EQ(c.at(59, 147), kWhite);
}

TEST(SelectInfo, MissingPiecesDrawNothing) {
  Engine e(standard());
  MemCanvas c(300, 200);
  EXPECT_EQ(e.d.drawOneSpctmSelectInfo(nullptr, CRect(0, 0, 300, 200), 0, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 300, 200), 2, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmSelectInfo_RTcw(&c.dc, CRect(0, 0, 300, 200), 1, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmSelectInfo_Acum(&c.dc, CRect(0, 0, 300, 200), 1, 0), 0);
  auto noTrial = standard().currentTrial(-1).build();
  e.d.setDrawMEGData(noTrial.get());
  EXPECT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 300, 200), 0, 0), 0);
  EXPECT_EQ(drawtest::inkCount(c), 0);
}

TEST(SelectInfo, RestoresPenFontAndTextColourAndLeavesAWhiteBackground) {
  Engine e(standard());
  MemCanvas c(300, 200);
  CPen pen(PS_DOT, 1, RGB(1, 2, 3));
  c.dc.SelectObject(&pen);
  CFont* font = c.dc.GetCurrentFont();
  c.dc.SetTextColor(RGB(9, 8, 7));
  c.dc.SetBkColor(RGB(7, 8, 9));
  c.dc.SetBkMode(TRANSPARENT);
  ASSERT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 300, 200), 0, 0), 1);
  EXPECT_EQ(c.dc.GetCurrentPen(), &pen);
  EXPECT_EQ(c.dc.GetCurrentFont(), font);
  EXPECT_EQ(c.dc.GetTextColor(), RGB(9, 8, 7));
  EXPECT_EQ(c.dc.GetBkColor(), kWhite);
  EXPECT_EQ(c.dc.GetBkMode(), TRANSPARENT);  // the mode is the caller's
}

// ---- Accumulated read-out ------------------------------------------------------------------

TEST(SelectInfo, AccumulatedSpectraShowTimePointsInsteadOfLatencies) {
  Engine e(standard().grid(25, 20).accumulated(0).selection(0, 3, 7, 2, 10));
  e.d.m_bShowSelectInfo = true;
  MemCanvas c(300, 200);
  ASSERT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 300, 200), 0, 0), 1);
  EXPECT_TRUE(textAt(e.d, c, 62, 0, L"3->7 (sum/points =  22.500/45)"));  // xb = 56
  EXPECT_TRUE(textAt(e.d, c, 50, 12, L"Accum:0"));
  EXPECT_TRUE(textAt(e.d, c, 100, 12, L"25"));  // x of T = 25·2 + 50
  // The accumulated variant can also be called directly on an ordinary trial.
  Engine o(standard());
  MemCanvas a(400, 200);
  ASSERT_EQ(o.d.drawOneSpctmSelectInfo_Acum(&a.dc, CRect(0, 0, 400, 200), 0, 0), 1);
  EXPECT_TRUE(textAt(o.d, a, 66, 0, L"5->15 (sum/points =  49.500/99)"));
}

// ---- Measures ------------------------------------------------------------------------------

namespace {

// T = 100 time points from −50 ms, 10 ms apart; F = 20 from 10 Hz, 5 Hz apart.
megdata::DatasetBuilder rulers() {
  return standard().grid(100, 20).latencies(-50.0, 10.0).frequencies(10.0, 5.0);
}

}  // namespace

TEST(Measures, RulersSpanTheTrialWithTicksEveryTenPixelsAtZoomOne) {
  Engine e(rulers());
  e.d.m_dZoom = 1.0;
  e.d.m_nOriginX = 80;
  e.d.m_nOriginY = 100;
  e.d.m_nFirstTime = 7;  // not subtracted by the rulers
  MemCanvas c(260, 150);
  ASSERT_EQ(e.d.drawOneSpctmMeasures(&c.dc, CRect(0, 0, 260, 150), 0, 0), 1);

  MemCanvas want(260, 150);
  want.line(80, 112, 180, 112, pixeltest::kBlack);  // y = origin + 12, x to 80 + 100
  for (int x = 80; x <= 180; x += 10) want.line(x, 112, x, 106, pixeltest::kBlack);
  want.text(e.d, 80, 124, L"-50.000 ms");
  want.text(e.d, 180, 124, L"950.000 ms");
  want.line(68, 100, 68, 80, pixeltest::kBlack);  // x = origin − 12, up to 100 − 20
  for (int y = 100; y >= 80; y -= 10) want.line(68, y, 74, y, pixeltest::kBlack);
  want.text(e.d, 68 - want.extent(e.d, L"10.000 Hz").cx, 100, L"10.000 Hz");
  want.text(e.d, 68 - want.extent(e.d, L"110.000 Hz").cx, 80, L"110.000 Hz");
  EXPECT_TRUE(sameImage(c, want));
}

TEST(Measures, TickStepIsTenTimesTheZoomAndAtLeastTwo) {
  auto ticksOnTimeRuler = [](double zoom) {
    Engine e(rulers().grid(40, 20));
    e.d.m_dZoom = zoom;
    e.d.m_nOriginX = 80;
    e.d.m_nOriginY = 100;
    MemCanvas c(400, 150);
    EXPECT_EQ(e.d.drawOneSpctmMeasures(&c.dc, CRect(0, 0, 400, 150), 0, 0), 1);
    std::string row;  // one character per column of the tick row just above the axis
    for (int x = 78; x < 200; ++x) row += c.at(x, 107) == kWhite ? '.' : '#';
    return row;
  };
  // Zoom 0.1 (from a settings file): step 2, ruler from 80 to 84.
  EXPECT_EQ(ticksOnTimeRuler(0.1).substr(0, 10), "..#.#.#...");
  // Zoom 2.5: step 25, ruler from 80 to 180.
  const std::string wide = ticksOnTimeRuler(2.5);
  for (int x : {80, 105, 130, 155, 180}) EXPECT_EQ(wide[static_cast<size_t>(x - 78)], '#') << x;
  EXPECT_EQ(std::count(wide.begin(), wide.end(), '#'), 5);
}

TEST(Measures, UnitsFollowTheThresholds) {
  // Latency of point 0 exactly 1000 ms: seconds. Frequency of point 0 above 1000 Hz: both
  // labels in kilohertz.
  Engine k(rulers().latencies(1000.0, 10.0).frequencies(1200.0, 100.0));
  k.d.m_dZoom = 1.0;
  k.d.m_nOriginX = 80;
  k.d.m_nOriginY = 100;
  MemCanvas c(260, 150);
  ASSERT_EQ(k.d.drawOneSpctmMeasures(&c.dc, CRect(0, 0, 260, 150), 0, 0), 1);
  EXPECT_TRUE(textAt(k.d, c, 80, 124, L"1.000 s"));
  EXPECT_TRUE(textAt(k.d, c, 180, 124, L"2.000 s"));
  EXPECT_TRUE(textAt(k.d, c, 68 - c.extent(k.d, L"1.200 kHz").cx, 100, L"1.200 kHz"));
  EXPECT_TRUE(textAt(k.d, c, 68 - c.extent(k.d, L"3.200 kHz").cx, 80, L"3.200 kHz"));

  // Point 0 at exactly 1000 Hz: hertz for both, even the top one above 1000.
  Engine h(rulers().frequencies(1000.0, 100.0));
  h.d.m_dZoom = 1.0;
  h.d.m_nOriginX = 80;
  h.d.m_nOriginY = 100;
  MemCanvas m(260, 150);
  ASSERT_EQ(h.d.drawOneSpctmMeasures(&m.dc, CRect(0, 0, 260, 150), 0, 0), 1);
  EXPECT_TRUE(textAt(h.d, m, 68 - m.extent(h.d, L"1000.000 Hz").cx, 100, L"1000.000 Hz"));
  EXPECT_TRUE(textAt(h.d, m, 68 - m.extent(h.d, L"3000.000 Hz").cx, 80, L"3000.000 Hz"));
}

TEST(Measures, NeedACurrentChannelAndSpectralData) {
  MemCanvas c(100, 100);
  Engine none(rulers().currentChannel(-1));
  EXPECT_EQ(none.d.drawOneSpctmMeasures(&c.dc, CRect(0, 0, 100, 100), 0, 0), 0);
  Engine e(rulers());
  EXPECT_EQ(e.d.drawOneSpctmMeasures(&c.dc, CRect(0, 0, 100, 100), 1, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmMeasures(nullptr, CRect(0, 0, 100, 100), 0, 0), 0);
  EXPECT_EQ(drawtest::inkCount(c), 0);
}

// ---- Device point to bin -------------------------------------------------------------------

TEST(MousePoint, InvertsThePictureGeometryWithoutClamping) {
  Engine e(standard());
  e.d.m_nFirstTime = 100;
  e.d.m_nFirstFreq = 3;
  std::int64_t t = -1;
  std::int64_t f = -1;
  ASSERT_EQ(e.d.getSpctmOneSelect4MousePt(CPoint(55, 143), t, f, 0, 0), 1);
  EXPECT_EQ(t, 102);  // 5 pixels right at zoom 2
  EXPECT_EQ(f, 6);    // 7 pixels up: 3.5 + 3, truncated
  ASSERT_EQ(e.d.getSpctmOneSelect4MousePt(CPoint(47, 153), t, f, 0, 0), 1);
  EXPECT_EQ(t, 98);  // 100 − 1.5 truncated toward zero
  EXPECT_EQ(f, 1);   // 3 − 1.5
  e.d.m_nFirstTime = 0;
  ASSERT_EQ(e.d.getSpctmOneSelect4MousePt(CPoint(0, 150), t, f, 0, 0), 1);
  EXPECT_EQ(t, -25);  // left of the picture: no clamping

  auto noTrial = standard().currentTrial(-1).build();
  e.d.setDrawMEGData(noTrial.get());
  t = f = 77;
  EXPECT_EQ(e.d.getSpctmOneSelect4MousePt(CPoint(55, 143), t, f, 0, 0), 0);
  EXPECT_EQ(t, 77);
  EXPECT_EQ(f, 77);
}
