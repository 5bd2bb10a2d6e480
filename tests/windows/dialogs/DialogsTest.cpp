#include "tests/windows/dialogs/DialogsTest.h"

#include <cmath>

#include "platform/ui/CPaintDC.h"
#include "platform/ui/Controls.h"
#include "tests/support/DatasetBuilder.h"

namespace dialogtest {

CountingWnd::CountingWnd() { Create(nullptr, L"view", WS_POPUP | WS_VISIBLE, CRect(600, 0, 700, 80), nullptr, 0); }

void CountingWnd::OnPaint() {
  CPaintDC dc(this);
  ++paints;
}

BOOL CountingWnd::OnEraseBkgnd(CDC*) {
  ++erases;
  return TRUE;
}

std::vector<std::wstring> DialogsTest::boxTexts() {
  std::vector<std::wstring> texts;
  for (const MessageBoxRequest& r : script().messageBoxes) texts.push_back(r.text.str());
  return texts;
}

void DialogsTest::typeInto(const CWnd& dialog, int id, const wchar_t* text) {
  user().clickControl(dialog, id);
  user().pressKey(VK_CONTROL);
  user().tapKey('A');
  user().releaseKey(VK_CONTROL);
  user().typeText(text);
}

std::vector<std::string> DialogsTest::overlappingControls(const CWnd& dialog) {
  std::vector<std::string> overlaps;
  const std::vector<CWnd*> children = dialog.GetChildren();
  for (std::size_t i = 0; i < children.size(); ++i) {
    const bool groupBox = (children[i]->GetStyle() & BS_TYPEMASK) == BS_GROUPBOX &&
                          dynamic_cast<const CButton*>(children[i]) != nullptr;
    for (std::size_t j = i + 1; j < children.size() && !groupBox; ++j) {
      CRect a, b, both;
      children[i]->GetWindowRect(&a);
      children[j]->GetWindowRect(&b);
      if (both.IntersectRect(a, b))
        overlaps.push_back(children[i]->GetWindowText().utf8() + " / " + children[j]->GetWindowText().utf8());
    }
  }
  return overlaps;
}

std::unique_ptr<CArrayMEDataSetqv> rangeDataset(const std::vector<std::pair<double, double>>& channels) {
  constexpr std::int64_t T = 4, F = 3;
  megdata::DatasetBuilder b;
  for (std::size_t c = 0; c < channels.size(); ++c) b.meg(L"M" + std::to_wstring(c + 1), static_cast<double>(c), 0);
  b.grid(T, F).latencies(-100, 50).frequencies(8, 2).spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) {
    return 0.0;
  });
  for (std::size_t c = 0; c < channels.size(); ++c) {
    const auto [lo, hi] = channels[c];
    std::vector<double> real, imag, power;
    for (std::int64_t i = 0; i < T * F; ++i) {
      const double v = lo + (hi - lo) * static_cast<double>(i) / static_cast<double>(T * F - 1);
      real.push_back(v);
      imag.push_back(10 * v);
      power.push_back(std::fabs(v));
    }
    const auto chnl = static_cast<std::int64_t>(c);
    b.spectrum(0, chnl, 0, real).spectrum(0, chnl, 1, imag).spectrum(0, chnl, 2, power);
  }
  return b.build();
}


}  // namespace dialogtest
