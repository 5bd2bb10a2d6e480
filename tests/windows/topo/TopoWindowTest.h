// Shared pieces of the topographic window tests: an application object per test with its
// scripted person, the facade that opens the windows as the host would, a small dataset
// with MEG sensors and EEG electrodes on a head layout, and helpers that act on a window
// the way a person does (typing into an edit, clicking a button, double clicking a
// sensor, dragging on the canvas, letting the virtual clock run).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "facade/CMEGSpctmShow2DFaceqv.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/UserInput.h"
#include "resources/TopoWindowResources.h"
#include "windows/topo/CDlgSpctmContourFieldLine.h"

namespace topowindows {

// Grid 40 time points × 20 frequency points. Nine MEG sensors on a 3 × 3 layout and two
// EEG electrodes; channel c's real value at (t, f) is (t + 2f + 5c) / 10, imaginary its
// negative, power its magnitude; every class alike.
std::unique_ptr<CArrayMEDataSetqv> headDataset();
// The same layout with every value 1.0.
std::unique_ptr<CArrayMEDataSetqv> flatDataset();

class TopoWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Every message box a test does not expect fails it.
  void TearDown() override;
  UserInput& user() { return app.input(); }
  ScriptedServices& script() { return *app.scripted(); }
  CMEGSpctmDrawqv& draw() { return face.m_draw; }
  // The text of a control.
  static CString textOf(CWnd& dlg, int id) { return dlg.GetDlgItem(id)->GetWindowText(); }
  // Types a value into an edit as a person would: its text replaced, its change notified.
  static void typeInto(CWnd& dlg, int id, const wchar_t* text) { dlg.GetDlgItem(id)->SetWindowText(text); }
  // The canvas point of a channel of the current trial as the window last drew it.
  CPoint sensorOnCanvas(CDlgSpctmTopographicFlags& dlg, std::int64_t channel);
  // Screen point of a canvas point.
  static CPoint screenOf(CDlgSpctmTopographicFlags& dlg, CPoint canvas);
  // Drags on the canvas from one canvas point to another in small steps.
  void dragOnCanvas(CDlgSpctmTopographicFlags& dlg, CPoint from, CPoint to);
  std::string outputPath(const std::string& name) const;

  CWinApp app;
  CMEGSpctmShow2DFaceqv face;
  std::unique_ptr<CArrayMEDataSetqv> data;
  std::vector<std::wstring> expectedBoxes;  // the message boxes the test expects, in order
};

}  // namespace topowindows
