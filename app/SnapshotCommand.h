// `spctm-view snapshot`: draws windows of the display library, bound to the dataset,
// headlessly into PNG files. One facade, as a host would create it, opens every window
// asked for and then all are drawn, so the settings they share through its draw engine
// are seen. The windows are listed in one table of names, each with a function that opens
// its window; window families add their entries there. Called by main.
#pragma once

#include <string>
#include <vector>

#include "app/DatasetSource.h"
#include "app/SingleViewOptions.h"
#include "facade/CMEGSpctmShow2DFaceqv.h"

namespace spctmview {

// What a window is bound to: the dataset (its current session and trial), the facade
// that opens and owns the windows and whose draw engine (m_draw) they share, and the
// spectra to show.
struct SnapshotScene {
  CArrayMEDataSetqv& dataset;
  CMEGSpctmShow2DFaceqv& face;
  int spctmClass = 0;  // 0 Active, 1 Control, 2 Results
  int dataKind = 2;    // 0 real, 1 imaginary, 2 power
  SingleViewOptions single;  // what a single-channel window shows
  int animate = 0;           // timer ticks a topographic window animates before drawing
};

// What the host holds before a window opens, from the scene's single-view options: the
// channel made current and the class's selection set. False with the reason in `error`
// for a channel the dataset lacks.
bool applyHostChoices(SnapshotScene& scene, int spctmClass, std::string& error);

// A show operation of the facade: (dataset, host window); 1 shown, 0 not.
using FaceShowFn = int (CMEGSpctmShow2DFaceqv::*)(CArrayMEDataSetqv*, CWnd*);

// Opens the window as the user's request for it maps to, through the facade's show
// operation for it, bound to the scene, and returns it ready to be drawn (owned by the
// facade or the library); null with the reason in `error` when it cannot.
using SnapshotOpenFn = CWnd* (*)(SnapshotScene& scene, std::string& error);

struct SnapshotWindow {
  const char* name;
  const char* summary;
  SnapshotOpenFn open;
};

// Every window the command can draw, in the order --help lists them.
const std::vector<SnapshotWindow>& snapshotWindows();

struct SnapshotOptions {
  bool help = false;
  std::vector<std::string> windows;  // names of snapshotWindows(), each once, in the order given
  std::string out;                   // the picture, or with several windows their folder
  int spctmClass = 0;
  int dataKind = 2;
  int animate = 0;  // --animate N
  SingleViewOptions single;
  DatasetOptions dataset;
};

// The options after the word "snapshot". Throws UsageError for a mistake, including an
// unknown or repeated window name and a missing --window or --out (unless --help is
// given).
SnapshotOptions parseSnapshotOptions(const std::vector<std::string>& args);
std::string snapshotHelp();

// Opens the windows on `dataset` and writes their pictures: to options.out for one window,
// to options.out/NAME.png for several (the folder is made when missing). Reports to `out`
// what was written and to `err` why something was not. Exit status 0 all written, 1 not.
int runSnapshot(const SnapshotOptions& options, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err);

// The whole command: options, help or dataset, run; the exit status (2 for bad options).
int snapshotMain(const std::vector<std::string>& args);

}  // namespace spctmview
