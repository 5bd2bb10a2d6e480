// The single-channel canvas: its binding, its layers over the spectrogram in their order,
// the placement the viewer uses, the texts shown without data, and the demo's bursts where
// the recording puts them, as the window shows them.
#include "host/io/DemoDataset.h"
#include "tests/windows/single/SingleWindowTest.h"

namespace single {
namespace {

TEST(SingleCanvas, BindingFindsAChannelWithSpectraOfTheClass) {
  const auto ds = smallDataset();
  CStaticSpctm1C canvas;
  canvas.m_nSpctmClass = 1;  // MLC11, current, has no Control spectrum
  EXPECT_EQ(canvas.setShowMEGData(ds.get()), 1);
  EXPECT_EQ(ds->getSessionData(-1)->getTrialqv(-1)->getCurntChnlIndx(), 1);
  const auto noTrial = megdata::DatasetBuilder().meg(L"A", 0, 0).currentTrial(-1).build();
  EXPECT_EQ(canvas.setShowMEGData(noTrial.get()), 0);
  EXPECT_EQ(canvas.m_pTrial, nullptr);
  EXPECT_EQ(canvas.setShowMEGData(nullptr), 0);
}

// 40 × 10 bins of 0.5 centred in 200 × 100 at one pixel per bin: picture columns
// 80 … 119, rows 46 … 55; the selection on time 10 … 20 and frequency 2 … 6.
struct LayeredCanvas {
  explicit LayeredCanvas(bool layers) {
    dataset = megdata::DatasetBuilder()
                  .meg(L"MLC11", 0, 0)
                  .grid(40, 10)
                  .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 0.5; })
                  .waves(40, [](std::int64_t, std::int64_t) { return 0.0; })
                  .selection(0, 10, 20, 2, 6)
                  .build();
    canvas.m_pDraw = &draw;
    canvas.setShowMEGData(dataset.get());
    canvas.m_bShowWave = layers;
    canvas.m_bShowMeasures = layers;
    canvas.m_bShowColorScale = layers;
    draw.m_bRecentreWave = 1;
    const CRect rect(0, 0, 200, 100);
    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    EXPECT_EQ(canvas.placeSpctm4Zoom(rect), 1);
    EXPECT_EQ(canvas.drawSpctm2MemDC(&screen, rect), 1);
  }
  COLORREF at(int x, int y) const { return canvas.getMemBitmap()->surface()->colorAt(x, y); }
  std::unique_ptr<CArrayMEDataSetqv> dataset;
  CMEGSpctmDrawqv draw;
  CStaticSpctm1C canvas;
};

TEST(SingleCanvas, LayersJoinOverTheSpectrogramInOrder) {
  const LayeredCanvas plain(false), full(true);
  // The selection box inverts its bins (time point 12, frequency point 4) in both.
  EXPECT_EQ(plain.at(92, 51), plain.at(100, 48) ^ 0xFFFFFFu);
  // The waveform's zero line crosses the middle row, here between ruler and picture;
  // where the frequency ruler (12 pixels left of the picture) crosses it, the ruler lies
  // on top.
  EXPECT_EQ(full.at(76, 50), RGB(255, 20, 20));
  EXPECT_EQ(full.at(68, 50), RGB(0, 0, 0));
  // The time ruler runs 12 pixels under the picture's origin row.
  EXPECT_EQ(full.at(100, 67), RGB(0, 0, 0));
  // The horizontal legend fills the bottom 20 rows from the middle of a strip ending 60
  // pixels short of the right edge: 20 bars of 3 from x = 70. It lies over the selection
  // cross's column (x = 90): bar 6 spans 88 … 90 in one colour.
  const COLORREF lastBar = full.draw.positiveTable(full.draw.m_nColorDepth)[9 * 76];
  EXPECT_EQ(full.at(129, 90), lastBar);
  EXPECT_EQ(full.at(130, 90), RGB(255, 255, 255));
  EXPECT_EQ(full.at(90, 90), full.at(88, 90));
  for (auto [x, y] : {std::pair{76, 50}, {100, 67}, {129, 90}}) EXPECT_EQ(plain.at(x, y), RGB(255, 255, 255));

  // The vertical legend: bars 30 pixels wide from x = 110, 2 pixels high, stacked upward
  // from the middle row (rows 30 and 31 hold bar 9, above the picture).
  LayeredCanvas vertical(false);
  vertical.draw.m_bHorzColorScale = 0;
  vertical.canvas.m_bShowColorScale = true;
  CDC screen;
  screen.CreateCompatibleDC(nullptr);
  vertical.canvas.drawSpctm2MemDC(&screen, CRect(0, 0, 200, 100));
  EXPECT_EQ(vertical.at(110, 30), vertical.at(139, 31));
  EXPECT_NE(vertical.at(110, 30), RGB(255, 255, 255));
  EXPECT_EQ((std::array<COLORREF, 2>{vertical.at(109, 30), vertical.at(140, 30)}),
            (std::array<COLORREF, 2>{RGB(255, 255, 255), RGB(255, 255, 255)}));
}

TEST(SingleCanvas, PictureCentredWhereItFitsElseFromTheDrawWindowAndZoomFitted) {
  const auto ds = megdata::DatasetBuilder()
                      .meg(L"A", 0, 0).grid(40, 10)
                      .spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 1.0; })
                      .build();
  CMEGSpctmDrawqv draw;
  CStaticSpctm1C canvas;
  canvas.m_pDraw = &draw;
  canvas.setShowMEGData(ds.get());
  draw.m_dZoom = 2.0;  // 80 × 20 pixels
  draw.m_nWinTimeBegin = 5;
  ASSERT_EQ(canvas.placeSpctm4Zoom(CRect(10, 0, 210, 100)), 1);
  EXPECT_EQ((std::array<std::int64_t, 3>{draw.m_nOriginX, draw.m_nOriginY, draw.m_nFirstTime}),
            (std::array<std::int64_t, 3>{70, 60, 0}));
  EXPECT_FALSE(draw.m_bRecentre);
  draw.m_dZoom = 6.0;  // 240 × 60: too wide, from the draw window's begin point
  ASSERT_EQ(canvas.placeSpctm4Zoom(CRect(10, 0, 210, 100)), 1);
  EXPECT_EQ((std::array<std::int64_t, 3>{draw.m_nOriginX, draw.m_nOriginY, draw.m_nFirstTime}),
            (std::array<std::int64_t, 3>{10, 80, 5}));

  // Fitted: 100 pixels free at either side, 60 above and below, whole zooms 1 to 64.
  EXPECT_EQ(canvas.getFitZoom4Rect(CRect(0, 0, 640, 400)), 11);   // (640 − 200) / 40; (400 − 120) / 10 = 28
  EXPECT_EQ(canvas.getFitZoom4Rect(CRect(0, 0, 1000, 300)), 18);  // (300 − 120) / 10
  EXPECT_EQ(canvas.getFitZoom4Rect(CRect(0, 0, 100, 100)), 1);
  EXPECT_EQ(canvas.getFitZoom4Rect(CRect(0, 0, 8000, 8000)), 64);
  canvas.m_nSpctmClass = 1;  // no Control spectra: nothing to place
  EXPECT_EQ(canvas.getFitZoom4Rect(CRect(0, 0, 640, 400)), 1);
  EXPECT_EQ(canvas.placeSpctm4Zoom(CRect(10, 0, 210, 100)), 0);
}

TEST_F(SingleWindowTest, WithoutDataTheCanvasSaysWhy) {
  const std::pair<megdata::DatasetBuilder, const wchar_t*> cases[] = {
      {megdata::DatasetBuilder().meg(L"A", 0, 0).currentSession(-1), L"No MEG data"},
      {megdata::DatasetBuilder().meg(L"A", 0, 0).currentTrial(-1), L"No MEG data"},
      {megdata::DatasetBuilder().meg(L"A", 0, 0).grid(4, 4).processing(), L"MEG data processing in progress..."},
  };
  for (const auto& [builder, text] : cases) {
    SCOPED_TRACE(CString(text).utf8());
    dataset = builder.build();
    open(dataset.get());
    dlg.m_wndSpctm.Invalidate(TRUE);
    const Picture p = canvasPicture();
    // The text in the canvas's font at (10, 10), and nothing else.
    CClientDC dc(&dlg.m_wndSpctm);
    const CSize extent = dc.GetTextExtent(CString(text));
    Picture empty = p;
    std::fill(empty.pixels.begin(), empty.pixels.end(), p.at(0, 0));
    const CRect ink = changedBox(empty, p);
    // A glyph may overhang its advance by a pixel at the end.
    CRect box(10, 10, 10 + extent.cx + 1, 10 + extent.cy), both;
    both.UnionRect(box, ink);
    EXPECT_EQ(both, box);
    EXPECT_GT(ink.Width(), extent.cx * 3 / 4);
    EXPECT_EQ(dlg.m_wndSpctm.getMemBitmap(), nullptr);
  }
}

TEST_F(SingleWindowTest, DemoBurstsShowWhereTheRecordingPutsThem) {
  DemoDatasetOptions options;  // fewer epochs: the effects stand well above their noise
  options.recording.epochs = 6;
  options.segmentsTrial = false;
  dataset = buildDemoDataset(options);
  CMDTrialqv* trial = dataset->getSessionData(-1)->getTrialqv(-1);
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    if (trial->getChannel(i)->m_strName == L"MZO02") trial->setCurrentChannel(i);  // next to the gamma burst
  }
  // Entries of the polarity pair: positive above 0, negative below.
  const int size = CADRindex2Colorqv::polarityTableSize(draw().m_nColorDepth);
  const auto signedIndex = [&](COLORREF c) -> long {
    for (long k = size - 1; k >= 0; --k) {
      if (draw().positiveTable(draw().m_nColorDepth)[k] == c) return k;
      if (draw().negativeTable(draw().m_nColorDepth)[k] == c) return -k;
    }
    return -10000;
  };
  const char* names[] = {"act", "ctl", "rst"};
  for (int cls = 0; cls < 3; ++cls) {
    SCOPED_TRACE(names[cls]);
    // The person shows the power at zoom 4 (the engine's zoom holds for every window),
    // selects 400 … 600 ms over 20 … 30 Hz and fits the colours to the channel.
    open(dataset.get(), cls);
    ASSERT_TRUE(user().chooseComboItem(dlg, IDC_SPCTM1C_KIND, 2));
    if (cls == 0) {
      for (int i = 0; i < 3; ++i) user().clickControl(dlg, IDC_SPCTM1C_ZOOM_IN);
    }
    // Time points every 10 ms from the window's start, frequencies 4 … 80 Hz in 2 Hz.
    const auto pixel = [this](int t, int f) {
      return CPoint(static_cast<int>(draw().m_nOriginX) + 4 * t + 1, static_cast<int>(draw().m_nOriginY) - 4 * f + 1);
    };
    user().drag(dlg, onCanvas(pixel(40, 8).x, pixel(40, 8).y), onCanvas(pixel(60, 13).x, pixel(60, 13).y));
    user().clickControl(dlg, IDC_SPCTM1C_AUTOFIT);
    ASSERT_TRUE(writeWindowPng(dlg, outputPath(std::string("single-window-demo-") + names[cls] + ".png")));
    const Picture p = canvasPicture();
    const auto at = [&](int t, double hz) {
      const CPoint xy = pixel(t, static_cast<int>((hz - 4) / 2));
      return signedIndex(p.at(xy.x, xy.y));
    };
    // The Active power is strongest in the ongoing alpha band, which drops from 150 to
    // 650 ms; the Results show the gamma burst 200 ms after the stimulus at 60 Hz as a
    // strong relative increase, over by 800 ms. The Control window lies before the
    // stimulus.
    if (cls == 0) {
      EXPECT_LT(at(40, 10), at(95, 10) - size / 10);
    } else if (cls == 2) {
      EXPECT_GT(at(20, 60), size * 2 / 3);
      EXPECT_LT(at(80, 60), size / 3);
    }
  }
}

}  // namespace
}  // namespace single
