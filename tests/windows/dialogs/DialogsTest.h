// What the dialog tests share: an application object per test with its scripted person
// and services, a facade that records the messages the dialogs send, a window that counts
// its repaints, and small datasets with known value ranges.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "facade/CMEGSpctmShow2DFace.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/UserInput.h"

namespace dialogtest {

// A facade whose sendMessageX records (code, a, b). Like the facade itself it is deleted
// only as what it is, so its destructor need not be virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class FaceRecorder final : public CMEGSpctmShow2DFace {
 public:
  int sendMessageX(int nCode, int a, int b) override {
    sent.push_back({nCode, a, b});
    return 1;
  }
  std::vector<std::vector<int>> sent;
};
#pragma GCC diagnostic pop

// A visible top-level window counting its paints and background erases.
class CountingWnd : public CWnd {
 public:
  CountingWnd();
  int paints = 0;
  int erases = 0;

 protected:
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* pDC) override;
};

// Each test gets its own application; the library's resources are in the chain since
// the library was loaded.
class DialogsTest : public ::testing::Test {
 protected:
  ScriptedServices& script() { return *app.scripted(); }
  UserInput& user() { return app.input(); }
  // The texts of the message boxes shown so far.
  std::vector<std::wstring> boxTexts();
  // Clicks into a dialog's edit, selects all its text and types over it.
  void typeInto(const CWnd& dialog, int id, const wchar_t* text);
  // The pairs of a dialog's controls that overlap ("caption / caption"), but a group box
  // with what it frames.
  static std::vector<std::string> overlappingControls(const CWnd& dialog);

  CWinApp app;
};

// Class-0 spectra on a 4 × 3 grid, one MEG channel per (lo, hi) pair: the channel's real
// values rise evenly from lo to hi over the 12 bins; its imaginary values are 10·lo to
// 10·hi and its power the magnitudes of the real ones. The first channel is current.
std::unique_ptr<CArrayMEDataSetqv> rangeDataset(const std::vector<std::pair<double, double>>& channels);

}  // namespace dialogtest
