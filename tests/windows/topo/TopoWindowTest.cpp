#include "tests/windows/topo/TopoWindowTest.h"

#include "tests/support/DatasetBuilder.h"

namespace topowindows {
namespace {

megdata::DatasetBuilder headLayout() {
  megdata::DatasetBuilder b;
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      b.meg(L"M" + std::to_wstring(row) + std::to_wstring(col), 20.0 * col, 20.0 * row);
    }
  }
  b.eeg(L"Cz", 0, 0).eeg(L"Pz", 10, 10).grid(40, 20).latencies(-100.0, 10.0).frequencies(2.0, 2.0);
  return b;
}

}  // namespace

std::unique_ptr<CArrayMEDataSetqv> headDataset() {
  megdata::DatasetBuilder b = headLayout();
  const auto value = [](std::int64_t c, std::int64_t t, std::int64_t f, int kind) {
    const double real = static_cast<double>(t + 2 * f + 5 * c) / 10.0;
    return kind == 0 ? real : kind == 1 ? -real : std::abs(real);
  };
  for (int cls = 0; cls < 3; ++cls) b.spectra(cls, value);
  return b.build();
}

std::unique_ptr<CArrayMEDataSetqv> flatDataset() {
  megdata::DatasetBuilder b = headLayout();
  for (int cls = 0; cls < 3; ++cls) b.spectra(cls, [](std::int64_t, std::int64_t, std::int64_t, int) { return 1.0; });
  return b.build();
}

void TopoWindowTest::SetUp() {
  data = headDataset();
  face.m_draw.setDrawMEGData(data.get());
}

void TopoWindowTest::TearDown() {
  std::vector<std::wstring> shown;
  for (const MessageBoxRequest& box : script().messageBoxes) shown.push_back(box.text.str());
  EXPECT_EQ(shown, expectedBoxes);
}

CPoint TopoWindowTest::sensorOnCanvas(CDlgSpctmTopographicFlags& dlg, std::int64_t channel) {
  CStaticSpctmContourMapqv& map = dlg.m_wndMap;
  map.refreshBinding();
  return map.sensorPoint(*map.m_pTrial->getChannel(channel), dlg.m_bRadiology != 0);
}

CPoint TopoWindowTest::screenOf(CDlgSpctmTopographicFlags& dlg, CPoint canvas) {
  dlg.m_wndMap.ClientToScreen(&canvas);
  return canvas;
}

void TopoWindowTest::dragOnCanvas(CDlgSpctmTopographicFlags& dlg, CPoint from, CPoint to) {
  user().pressButton(MouseButton::Left, screenOf(dlg, from));
  for (int i = 1; i <= 4; ++i) {
    const CPoint p(from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4);
    user().moveMouse(screenOf(dlg, p));
  }
  user().releaseButton(MouseButton::Left, screenOf(dlg, to));
}

std::string TopoWindowTest::outputPath(const std::string& name) const {
  return std::string(SPCTM_TEST_OUTPUT_DIR) + "/" + name;
}

}  // namespace topowindows
