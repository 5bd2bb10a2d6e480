// Shared pieces of the single-channel window tests: a facade that records the messages the window sends, the window opened and bound
// as the facade's show operation does, and small datasets.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "facade/CMEGSpctmShow2DFace.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/UserInput.h"
#include "resources/Spctm1CResources.h"
#include "tests/support/DatasetBuilder.h"
#include "windows/single/CDlgSpctm1C.h"

namespace single {

// The facade's root link with sendMessageX recorded as (code, a, b). Like the facade, it
// is deleted only as itself.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class RecordingFace : public CMEGSpctmShow2DFace {
 public:
  int sendMessageX(int nCode, int a, int b) override {
    messages.emplace_back(nCode, a, b);
    return 1;
  }
  std::vector<std::tuple<int, int, int>> messages;
};
#pragma GCC diagnostic pop

// A small dataset: MEG sensors "MLC11" (no Control spectrum) and "MRC11", the EEG
// electrode "Cz", a 64 × 48 grid of values (t + f) / 100 per channel in every class and
// kind, raw waveforms, and the selection of every class on time 5 … 10 and frequency
// 2 … 4.
std::unique_ptr<CArrayMEDataSetqv> smallDataset();

// A picture of the canvas's client area, row by row.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
};
// The smallest rectangle holding every pixel that differs between two pictures of the
// same size; empty when they are equal.
CRect changedBox(const Picture& a, const Picture& b);

// The output folder's path of a picture the tests write for a person to look at.
std::string outputPath(const std::string& name);

// Every test gets its own application object and a window made from template 2147.
class SingleWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Binds and shows the window as the facade's show operation does: the canvas bound to
  // the dataset, the engine, class, dataset and facade given, shown, refreshed, the class
  // combo disabled.
  void open(CArrayMEDataSetqv* dataset, int spctmClass = 0);
  // The picture's geometry of the draw state: zoom, origin, first points; no recentring.
  void place(double zoom, std::int64_t originX, std::int64_t originY);
  // A point of the canvas's client area in the dialog's client coordinates.
  CPoint onCanvas(int x, int y) const;
  // The canvas's client area as the window shows it after painting.
  Picture canvasPicture();
  CSpctmTrialqv& spctm(int spctmClass = 0) const;
  std::array<std::int64_t, 4> selection(int spctmClass = 0) const;  // time b, e, freq b, e
  UserInput& user() { return app.input(); }
  ScriptedServices& script() { return *app.scripted(); }
  CMEGSpctmDrawqv& draw() { return face.m_draw; }

  CWinApp app;
  RecordingFace face;
  std::unique_ptr<CArrayMEDataSetqv> dataset;
  CDlgSpctm1C dlg;
};

}  // namespace single
