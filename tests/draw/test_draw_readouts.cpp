// Selection read-outs (ordinary and accumulated), measures rulers and the mouse-point
// inverse of the picture geometry, drawn on cleared memory DCs.
#include <limits>

#include "tests/draw/DrawCanvas.h"

using namespace drawtest;
using megdata::DatasetBuilder;

namespace {

// Two MEG channels (the first current), 40 × 20 bins of 0.5, latencies 100, 200, … ms,
// frequencies 10, 15, … Hz; class-0 selection of time points 5 … 15 and frequency points
// 2 … 10, whose sum the host gives as 11·9·0.5 = 49.5 over 99 points.
DatasetBuilder standard() {
  DatasetBuilder b;
  b.meg(L"MLC11", 0, 0).meg(L"MRC11", 1, 0).grid(40, 20).latencies(100.0, 100.0).frequencies(10.0, 5.0);
  b.spectra(0, constant(0.5)).selection(0, 5, 15, 2, 10);
  return b;
}

// The picture at zoom z with its origin at (x0, y0).
struct Engine : Bound {
  explicit Engine(const DatasetBuilder& b, double z = 2.0, int64_t x0 = 50, int64_t y0 = 150) : Bound(b) {
    d.m_dZoom = z;
    d.m_nOriginX = x0;
    d.m_nOriginY = y0;
  }
  void selectInfo(MemoryCanvas& c, CRect rect) { EXPECT_EQ(d.drawOneSpctmSelectInfo(&c.dc, rect, 0, 0), 1); }
  void measures(MemoryCanvas& c) { EXPECT_EQ(d.drawOneSpctmMeasures(&c.dc, c.surface().bounds(), 0, 0), 1); }
};

}  // namespace

TEST(SelectInfo, DefaultSwitchesDrawBoxCrossTextsTitleAndOriginLine) {
  Engine e(standard());
  MemoryCanvas c(300, 200), want(300, 200);
  e.selectInfo(c, CRect(0, 0, 300, 200));
  // Begin corner (60, 146), end corner (80, 130): the box runs up from the begin row.
  want.invert(60, 131, 80, 147);
  want.invert(60, 0, 61, 200);
  want.invert(0, 146, 300, 147);
  want.text(e.d, 66, 0, L"600.000->1600.000 ms (sum/points =  49.500/99)");
  want.text(e.d, 300 - want.width(e.d, L"20.000 - 60.000 Hz"), 140, L"20.000 - 60.000 Hz");
  want.text(e.d, 0, 0, L"MLC11");
  want.text(e.d, 0, 188, L"X:50 (Time:0) Y:150 (Freq:0)");
  EXPECT_TRUE(sameImage(c, want));
}

TEST(SelectInfo, UnitsOfTheSelectionTexts) {
  struct Case {
    double ms0, hz0, hzStep;
    int64_t te;
    const wchar_t *time, *freq;
  };
  const Case cases[] = {
      // 1200 … 1800 ms: seconds, two blanks after "s"; 800 … 1200 Hz: the begin decides.
      {700, 400, 200, 11, L"1.200->1.800 s  (sum/points =  31.500/63)", L"800.000 - 2400.000 Hz"},
      // 1000 … 1800 ms: 1000 is not above 1000; 1200 … 2800 Hz: kilohertz.
      {500, 800, 200, 13, L"1000.000->1800.000 ms (sum/points =  40.500/81)", L"1.200 - 2.800 kHz"},
  };
  for (const Case& k : cases) {
    Engine e(standard().latencies(k.ms0, 100).frequencies(k.hz0, k.hzStep).selection(0, 5, k.te, 2, 10));
    MemoryCanvas c(400, 200);
    e.selectInfo(c, CRect(0, 0, 400, 200));
    EXPECT_TRUE(textAt(e.d, c, 66, 0, k.time));
    EXPECT_TRUE(textAt(e.d, c, 400 - c.width(e.d, k.freq), 140, k.freq));
  }
}

TEST(SelectInfo, AxisLabelsNameBothEndsOfBothAxes) {
  // Latencies −100, −50, … ms: point 0 at −100 ms, point T = 40 at 1900 ms.
  Engine e(standard().latencies(-100.0, 50.0));
  e.d.m_bShowSelect = e.d.m_bShowName = false;
  e.d.m_bShowSelectInfo = true;
  MemoryCanvas c(300, 200), want(300, 200);
  e.selectInfo(c, CRect(0, 0, 300, 200));
  want.invert(60, 131, 80, 147);
  want.text(e.d, 50, 12, L"-100.000 ms");
  want.text(e.d, 130, 12, L"1.900 s");    // x of T = 40·2 + 50
  want.text(e.d, 0, 150, L"10.000 Hz");   // frequency point 0 on the origin row
  want.text(e.d, 0, 110, L"110.000 Hz");  // point F = 20 at 150 − 20·2
  EXPECT_TRUE(sameImage(c, want));

  // 50 points 20 ms apart: T at exactly 1000 ms is seconds; its x = 100 passes R = 90, so
  // the label ends at R; at R = 100 it stays. The rectangle's top moves the labels down.
  Engine s(standard().grid(50, 20).latencies(0.0, 20.0), 2.0, 0);
  s.d.m_bShowSelectInfo = true;
  for (int R : {90, 100}) {
    MemoryCanvas r(200, 220);
    s.selectInfo(r, CRect(0, 20, R, 200));
    EXPECT_TRUE(textAt(s.d, r, 0, 32, L"0.000 ms"));
    EXPECT_TRUE(textAt(s.d, r, R == 90 ? 90 - r.width(s.d, L"1.000 s") : 100, 32, L"1.000 s"));
  }
}

TEST(SelectInfo, TitleNamesTheDataSourceAndTheOriginLineUsesTheHeight) {
  Engine e(standard(), 2.0, 150);  // the cross stays clear of the title
  const std::tuple<int, int, const wchar_t*, const wchar_t*> cases[] = {
      {0, 0, L"MLC11", L"X:150 (Time:0) Y:150 (Freq:0)"},  // origin line at (B − T0) − 12
      {1, 0, L"Group Mean", L"X:150 (Time:0) Y:150 (Freq:0)"},
      {6, 0, L"RMS-sign", L"X:150 (Time:0) Y:150 (Freq:0)"},
      {9, 0, L"Unknown", L"X:150 (Time:0) Y:150 (Freq:0)"},
      {0, 1, L"MRC11", L"X:150 (Time:3) Y:150 (Freq:4)"},  // the current channel, first points 3, 4
  };
  for (const auto& [source, channel, title, origin] : cases) {
    e.d.m_nDataSource = source;
    e.d.m_pTrial->setCurrentChannel(channel);
    e.d.m_nFirstTime = 3 * channel;
    e.d.m_nFirstFreq = 4 * channel;
    MemoryCanvas c(300, 260);
    e.selectInfo(c, CRect(0, 50, 300, 250));
    EXPECT_TRUE(textAt(e.d, c, 0, 0, title));
    EXPECT_TRUE(textAt(e.d, c, 0, 188, origin));
  }
}

TEST(SelectInfo, BoxCornersAreMovedToTheEdgesByComparingWithTheSize) {
  Engine e(standard());
  e.d.m_bShowSelect = e.d.m_bShowName = false;
  // Rectangle (10, 50, 300, 250): an x ≤ 0 goes to L, ≥ 290 to R; a y ≤ 0 to T0, ≥ 200 to B.
  const auto box = [&](int64_t originX, int64_t originY) {
    e.d.m_nOriginX = originX;
    e.d.m_nOriginY = originY;
    MemoryCanvas c(320, 260);
    e.selectInfo(c, CRect(10, 50, 300, 250));
    return pixeltest::inkBounds(c.surface(), kWhite);
  };
  EXPECT_EQ(box(-15, 150), CRect(10, 131, 15, 147));    // begin x −5: L
  EXPECT_EQ(box(-5, 150), CRect(5, 131, 25, 147));      // begin x 5 is left of L but above 0
  EXPECT_EQ(box(270, 150), CRect(280, 131, 300, 147));  // end x 300: R
  EXPECT_EQ(box(280, 150), CRect());                    // both at R: nothing
  EXPECT_EQ(box(50, 215), CRect(60, 196, 80, 251));     // begin y 211: B, the box runs up to 196
  EXPECT_EQ(box(50, 15), CRect(60, 11, 80, 50));        // end y −5: T0
  // Equal begin and end: no box, the cross still drawn.
  Engine one(standard().selection(0, 5, 5, 2, 10));
  one.d.m_bShowName = false;
  MemoryCanvas c(300, 200);
  one.selectInfo(c, CRect(0, 0, 300, 200));
  EXPECT_TRUE(pixelsAre(c, {{61, 135, kWhite}, {60, 199, kBlack}, {0, 146, kBlack}}));
}

TEST(SelectInfo, AccumulatedSpectraShowTimePointsInsteadOfLatencies) {
  Engine e(standard().grid(25, 20).accumulated(0).selection(0, 3, 7, 2, 10));
  e.d.m_bShowSelectInfo = true;
  MemoryCanvas c(300, 200);
  e.selectInfo(c, CRect(0, 0, 300, 200));
  EXPECT_TRUE(textAt(e.d, c, 62, 0, L"3->7 (sum/points =  22.500/45)"));  // begin x 56
  EXPECT_TRUE(textAt(e.d, c, 50, 12, L"Accum:0"));
  EXPECT_TRUE(textAt(e.d, c, 100, 12, L"25"));  // x of T = 25·2 + 50
}

TEST(SelectInfo, MissingPiecesDrawNothing) {
  Engine e(standard()), noTrial(standard().currentTrial(-1));
  MemoryCanvas c(300, 200);
  EXPECT_EQ(e.d.drawOneSpctmSelectInfo(nullptr, CRect(0, 0, 300, 200), 0, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmSelectInfo(&c.dc, CRect(0, 0, 300, 200), 2, 0), 0);
  EXPECT_EQ(e.d.drawOneSpctmSelectInfo_Acum(&c.dc, CRect(0, 0, 300, 200), 1, 0), 0);
  EXPECT_EQ(noTrial.d.drawOneSpctmSelectInfo_RTcw(&c.dc, CRect(0, 0, 300, 200), 0, 0), 0);
  EXPECT_EQ(c.inked(), 0);
}

// ---- Measures: T = 100 points from −50 ms, 10 ms apart; F = 20 from 10 Hz, 5 Hz apart.

namespace {
DatasetBuilder rulers() { return standard().grid(100, 20).latencies(-50.0, 10.0); }
}  // namespace

TEST(Measures, RulersSpanTheWholeTrialWithTicksEveryTenPixelsAtZoomOne) {
  Engine e(rulers(), 1.0, 80, 100);
  e.d.m_nFirstTime = 7;  // not subtracted by the rulers
  MemoryCanvas c(260, 150), want(260, 150);
  e.measures(c);
  want.line(80, 112, 180, 112);  // y = origin + 12, from origin x to 80 + 100
  for (int x = 80; x <= 180; x += 10) want.line(x, 112, x, 106);
  want.text(e.d, 80, 124, L"-50.000 ms");
  want.text(e.d, 180, 124, L"950.000 ms");
  want.line(68, 100, 68, 80);  // x = origin − 12, up to 100 − 20
  for (int y = 100; y >= 80; y -= 10) want.line(68, y, 74, y);
  want.text(e.d, 68 - want.width(e.d, L"10.000 Hz"), 100, L"10.000 Hz");
  want.text(e.d, 68 - want.width(e.d, L"110.000 Hz"), 80, L"110.000 Hz");
  EXPECT_TRUE(sameImage(c, want));
}

TEST(Measures, TickStepIsTenTimesTheZoomAndAtLeastTwo) {
  const auto tickRow = [](double zoom) {  // the row just above the time axis, from x = 78
    Engine e(rulers().grid(40, 20), zoom, 80, 100);
    MemoryCanvas c(400, 150);
    e.measures(c);
    return pixeltest::picture(c.surface(), CRect(78, 107, 200, 108), kWhite);
  };
  EXPECT_EQ(tickRow(0.1).substr(0, 11), "\n..#.#.#...");  // from a settings file: step 2
  std::string every25 = "\n..";
  for (int i = 0; i < 4; ++i) every25 += "#" + std::string(24, '.');
  EXPECT_EQ(tickRow(2.5), every25 + "#" + std::string(19, '.') + "\n");

  // A NaN zoom from a settings file puts both rulers' ends at 0 and their starts 2^40 away:
  // only the ticks on the surface are walked, so the call returns at once.
  Engine far(rulers(), std::numeric_limits<double>::quiet_NaN(), -(int64_t{1} << 40), int64_t{1} << 40);
  MemoryCanvas c(100, 100);
  far.measures(c);
  EXPECT_EQ(c.inked(), 0);
}

TEST(Measures, UnitsFollowTheThresholds) {
  // Point 0 above 1000 Hz: both in kilohertz (the latencies share the read-out's labels).
  Engine k(rulers().frequencies(1200.0, 100.0), 1.0, 80, 100);
  MemoryCanvas c(260, 150);
  k.measures(c);
  EXPECT_TRUE(textAt(k.d, c, 68 - c.width(k.d, L"1.200 kHz"), 100, L"1.200 kHz"));
  EXPECT_TRUE(textAt(k.d, c, 68 - c.width(k.d, L"3.200 kHz"), 80, L"3.200 kHz"));
  // Point 0 at exactly 1000 Hz: hertz for both, even the top one.
  Engine h(rulers().frequencies(1000.0, 100.0), 1.0, 80, 100);
  MemoryCanvas m(260, 150);
  h.measures(m);
  EXPECT_TRUE(textAt(h.d, m, 68 - m.width(h.d, L"3000.000 Hz"), 80, L"3000.000 Hz"));

  Engine none(rulers().currentChannel(-1));
  MemoryCanvas n(100, 100);
  EXPECT_EQ(none.d.drawOneSpctmMeasures(&n.dc, CRect(0, 0, 100, 100), 0, 0), 0);
  EXPECT_EQ(k.d.drawOneSpctmMeasures(&n.dc, CRect(0, 0, 100, 100), 1, 0), 0);
  EXPECT_EQ(n.inked(), 0);
}

TEST(MousePoint, InvertsThePictureGeometryWithoutClamping) {
  Engine e(standard()), noTrial(standard().currentTrial(-1));
  e.d.m_nFirstTime = 100;
  e.d.m_nFirstFreq = 3;
  const auto at = [&](int x, int y) {
    int64_t t = -1, f = -1;
    EXPECT_EQ(e.d.getSpctmOneSelect4MousePt(CPoint(x, y), t, f, 0, 0), 1);
    return std::pair(t, f);
  };
  EXPECT_EQ(at(55, 143), Points(102, 6));  // 5 pixels right, 7 up: 3 + 3.5 truncated
  EXPECT_EQ(at(47, 153), Points(98, 1));   // 100 − 1.5, truncated toward zero
  e.d.m_nFirstTime = 0;
  EXPECT_EQ(at(0, 150).first, -25);
  int64_t t = 77, f = 77;
  EXPECT_EQ(noTrial.d.getSpctmOneSelect4MousePt(CPoint(55, 143), t, f, 0, 0), 0);
  EXPECT_EQ(t, 77);
}
