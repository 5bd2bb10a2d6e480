#include "tests/windows/single/SingleWindowTest.h"

namespace single {

std::unique_ptr<CArrayMEDataSetqv> smallDataset() {
  return megdata::DatasetBuilder()
      .meg(L"MLC11", 0, 0).noSpectrum(1).meg(L"MRC11", 1, 0).eeg(L"Cz", 0, 1)
      .grid(64, 48)
      .spectra(0, [](std::int64_t, std::int64_t t, std::int64_t f, int) { return static_cast<double>(t + f) / 100; })
      .spectra(1, [](std::int64_t, std::int64_t t, std::int64_t f, int) { return static_cast<double>(t + f) / 100; })
      .spectra(2, [](std::int64_t, std::int64_t t, std::int64_t f, int) { return static_cast<double>(t + f) / 100; })
      .waves(64, [](std::int64_t, std::int64_t s) { return static_cast<double>(s % 8) - 4.0; })
      .selection(-1, 5, 10, 2, 4)
      .build();
}

CRect changedBox(const Picture& a, const Picture& b) {
  CRect box;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (a.at(x, y) == b.at(x, y)) continue;
      box.UnionRect(box, CRect(x, y, x + 1, y + 1));
    }
  }
  return box;
}

std::string outputPath(const std::string& name) { return std::string(SPCTM_TEST_OUTPUT_DIR) + "/" + name; }

void SingleWindowTest::SetUp() {
  ASSERT_TRUE(dlg.Create(IDD_SPCTM_1C));
}

void SingleWindowTest::open(CArrayMEDataSetqv* ds, int spctmClass) {
  dlg.m_wndSpctm.setShowMEGData(ds);
  dlg.setDrawEngine(&face.m_draw);
  dlg.setSpctmClass(spctmClass);
  dlg.m_pDataSet = ds;
  dlg.m_pFace = &face;
  dlg.ShowWindow(SW_SHOWNORMAL);
  dlg.updateSpctmDlg();
  dlg.GetDlgItem(IDC_SPCTM1C_CLASS)->EnableWindow(FALSE);
  app.pumpUntilIdle();
}

void SingleWindowTest::place(double zoom, std::int64_t originX, std::int64_t originY) {
  draw().m_dZoom = zoom;
  draw().m_nOriginX = originX;
  draw().m_nOriginY = originY;
  draw().m_nFirstTime = 0;
  draw().m_nFirstFreq = 0;
  draw().m_bRecentre = false;
  dlg.m_wndSpctm.releaseMemDC();
  dlg.m_wndSpctm.Invalidate(FALSE);
  app.pumpUntilIdle();
}

CPoint SingleWindowTest::onCanvas(int x, int y) const {
  CPoint p(x, y);
  dlg.m_wndSpctm.ClientToScreen(&p);
  dlg.ScreenToClient(&p);
  return p;
}

Picture SingleWindowTest::canvasPicture() {
  const PixelSurface* surface = windowSurface(dlg);
  CRect frame, canvas;
  dlg.GetWindowRect(&frame);
  dlg.m_wndSpctm.GetClientRect(&canvas);
  CPoint origin(0, 0);
  dlg.m_wndSpctm.ClientToScreen(&origin);
  Picture p{canvas.Width(), canvas.Height(), {}};
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) p.pixels.push_back(surface->colorAt(origin.x - frame.left + x, origin.y - frame.top + y));
  }
  return p;
}

CSpctmTrialqv& SingleWindowTest::spctm(int spctmClass) const {
  return *dataset->getSessionData(-1)->getTrialqv(-1)->getSpctmTrial(false, spctmClass);
}

std::array<std::int64_t, 4> SingleWindowTest::selection(int spctmClass) const {
  std::array<std::int64_t, 4> s{};
  spctm(spctmClass).getTrialSpctmSelectTime(s[0], s[1]);
  spctm(spctmClass).getTrialSpctmSelectFreq(s[2], s[3]);
  return s;
}

}  // namespace single
