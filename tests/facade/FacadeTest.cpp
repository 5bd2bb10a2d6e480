#include "tests/facade/FacadeTest.h"

#include <cmath>

#include "platform/ui/CPaintDC.h"
#include "tests/support/DatasetBuilder.h"
#include "windows/single/CStaticSpctm1C.h"

namespace facadetest {

namespace {

std::unique_ptr<CArrayMEDataSetqv> withSpectra(megdata::DatasetBuilder& b, double offset) {
  const auto value = [offset](std::int64_t, std::int64_t t, std::int64_t f, int kind) {
    const double real = offset + static_cast<double>(t + f) / 10.0;
    return kind == 0 ? real : kind == 1 ? -real : std::abs(real);
  };
  b.grid(24, 16);
  for (int cls = 0; cls < 3; ++cls) b.spectra(cls, value);
  return b.build();
}

}  // namespace

std::unique_ptr<CArrayMEDataSetqv> spectraDataset(double offset) {
  megdata::DatasetBuilder b;
  b.meg(L"MLC11", 0, 0).meg(L"MRC11", 1, 0).eeg(L"Cz", 0, 1);
  return withSpectra(b, offset);
}

std::unique_ptr<CArrayMEDataSetqv> headDataset(double offset) {
  megdata::DatasetBuilder b;
  b.meg(L"MLF11", -10, 10).meg(L"MRF11", 10, 10).meg(L"MLO11", -10, -10).meg(L"MRO11", 10, -10);
  b.eeg(L"Fz", 0, 10).eeg(L"C3", -10, 0).eeg(L"Pz", 0, -10);
  return withSpectra(b, offset);
}

HostWnd::HostWnd() { Create(nullptr, L"host", WS_POPUP | WS_VISIBLE, CRect(900, 0, 1000, 80), nullptr, 0); }

COLORREF canvasPixel(CStaticSpctm1C& canvas, CPoint point) {
  CWnd* top = canvas.GetTopLevelParent();
  CRect frame;
  top->GetWindowRect(&frame);
  canvas.ClientToScreen(&point);
  return windowSurface(*top)->colorAt(point.x - frame.left, point.y - frame.top);
}

std::string outputPath(const char* name) { return std::string(SPCTM_TEST_OUTPUT_DIR) + "/" + name; }

std::vector<std::wstring> FacadeTest::boxTexts() {
  std::vector<std::wstring> texts;
  for (const MessageBoxRequest& r : script().messageBoxes) texts.push_back(r.text.str());
  return texts;
}

}  // namespace facadetest
