#include "app/ShowCommand.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <ostream>

#include "app/BackgroundDataset.h"
#include "app/ViewerMainWindow.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/sdl/InteractiveFace.h"

namespace spctmview {

ShowOptions parseShowOptions(const std::vector<std::string>& args) {
  ShowOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") o.help = true;
    else if (args[i] == "--figures") o.figures = true;
    else if (!parseDatasetOption(o.dataset, args, i)) throw UsageError("unknown option '" + args[i] + "'");
  }
  checkDatasetOptions(o.dataset);
  return o;
}

std::string showHelp() {
  return std::string(R"(usage: spctm-view show [--demo | FILE] [options]

Opens the viewer on the desktop (the display named by $DISPLAY): a main window showing
the dataset, the trial the windows show, a button for every window of the library
(single-channel windows of each class, the display-parameter dialogs, the measurement
dialog ...), loading and saving the draw settings, and saving any open window as PNG.
Closing the main window closes every window and ends the program.

  --figures               on exit, report the event loop's figures on standard error
                          (passes, pixels sent, input to updated window)
  --help                  this text
)") + datasetOptionsHelp() +
         "\nExit status: 0 after the main window closed, 1 no display, 2 bad options.\n"
         "Without a display, `spctm-view snapshot` and `render` draw the same windows and views into PNG files.\n";
}

namespace {

void reportFigures(const InteractiveFace::Figures& f, double firstPaintMs, std::ostream& err) {
  err << "spctm-view show: main window painted " << firstPaintMs << " ms after start; " << f.passes << " passes, "
      << f.presents << " with pixels sent (" << f.pixelsSent << " pixels); input to updated window: " << f.inputBatches
      << " batches, mean " << (f.inputBatches ? f.inputToScreenSumMs / static_cast<double>(f.inputBatches) : 0.0)
      << " ms, max " << f.inputToScreenMaxMs << " ms\n";
}

}  // namespace

int runShow(const ShowOptions& options, std::ostream& err) {
  const auto started = std::chrono::steady_clock::now();
  CWinApp app;
  std::string error;
  InteractiveFace* face = InteractiveFace::install(app, error);
  if (!face) {
    err << "spctm-view show: " << error
        << "\n(set DISPLAY to a running X server; `spctm-view snapshot` draws the windows into PNG files without one)\n";
    return 1;
  }
  std::unique_ptr<CArrayMEDataSetqv> dataset;  // outlives the windows showing it
  ViewerMainWindow main;
  if (!main.open()) {
    err << "spctm-view show: cannot make the main window\n";
    return 1;
  }
  // The window first; the dataset's spectra are computed while it is on the screen.
  face->runUntil([] { return true; });
  const double firstPaintMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  BackgroundDataset load(options.dataset);
  main.watchLoading([&load] { return load.progress(); });
  face->runUntil([&] { return main.m_hWnd == nullptr || load.finished(); });
  if (!main.m_hWnd) {
    // Closed while loading: nothing is written by a load, so the process ends at once
    // instead of waiting for the spectra nobody will look at.
    err.flush();
    std::_Exit(0);
  }
  std::string messages;
  dataset = load.take(messages);
  if (!dataset) {
    err << messages << "\n";
    main.MessageBox(CString(messages.c_str()), L"spctm-view", MB_OK | MB_ICONERROR);
    return 1;
  }
  main.setDataset(*dataset);
  face->runUntil([&main] { return main.m_hWnd == nullptr; });
  if (options.figures) reportFigures(face->figures(), firstPaintMs, err);
  return 0;
}

int showMain(const std::vector<std::string>& args) {
  ShowOptions options;
  try {
    options = parseShowOptions(args);
  } catch (const UsageError& e) {
    std::cerr << "spctm-view show: " << e.what() << "\n(spctm-view show --help lists the options)\n";
    return 2;
  }
  if (options.help) {
    std::cout << showHelp();
    return 0;
  }
  return runShow(options, std::cerr);
}

}  // namespace spctmview
