// `spctm-view snapshot`: draws one window of the display library, bound to the dataset,
// headlessly into a PNG file. The windows are listed in one table of names, each with a
// function that creates the window, binds it and writes its picture; window families add
// their entries there. Called by main.
#pragma once

#include <string>
#include <vector>

#include "app/DatasetSource.h"
#include "app/SingleViewOptions.h"
#include "facade/CMEGSpctmShow2DFace.h"

namespace spctmview {

// What a window is bound to: the dataset (its current session and trial), the facade
// whose draw engine (m_draw) every window shares and to which windows send their
// messages, and the spectra to show.
struct SnapshotScene {
  CArrayMEDataSetqv& dataset;
  CMEGSpctmShow2DFace& face;
  int spctmClass = 0;  // 0 Active, 1 Control, 2 Results
  int dataKind = 2;    // 0 real, 1 imaginary, 2 power
  SingleViewOptions single;  // what a single-channel window shows
};

// Creates the window, binds it to the scene and writes its picture to `out`; false with
// the reason in `error` when it cannot.
using SnapshotFn = bool (*)(SnapshotScene& scene, const std::string& out, std::string& error);

struct SnapshotWindow {
  const char* name;
  const char* summary;
  SnapshotFn snap;
};

// Every window the command can draw, in the order --help lists them.
const std::vector<SnapshotWindow>& snapshotWindows();

struct SnapshotOptions {
  bool help = false;
  std::string window;  // a name of snapshotWindows()
  std::string out;
  int spctmClass = 0;
  int dataKind = 2;
  SingleViewOptions single;
  DatasetOptions dataset;
};

// The options after the word "snapshot". Throws UsageError for a mistake, including an
// unknown window name and a missing --window or --out (unless --help is given).
SnapshotOptions parseSnapshotOptions(const std::vector<std::string>& args);
std::string snapshotHelp();

// Draws the window on `dataset`; reports to `out` what was written and to `err` why
// nothing was. Exit status 0 written, 1 not.
int runSnapshot(const SnapshotOptions& options, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err);

// The whole command: options, help or dataset, run; the exit status (2 for bad options).
int snapshotMain(const std::vector<std::string>& args);

}  // namespace spctmview
