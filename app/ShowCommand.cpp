#include "app/ShowCommand.h"

#include <ostream>

#include "app/CommandMain.h"
#include "app/OptionValues.h"
#include "app/ViewerMainWindow.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/sdl/InteractiveFace.h"

namespace spctmview {

ShowOptions parseShowOptions(const std::vector<std::string>& args) {
  ShowOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const OptionArg arg = splitOption(args[i]);
    if (arg.name == "--help" || arg.name == "-h") o.help = true;
    else if (arg.name == "--figures") o.figures = true;
    else if (!parseDatasetOption(o.dataset, arg.name, arg.value)) throw UsageError("unknown option '" + args[i] + "'");
  }
  return o;
}

std::string showHelp() {
  return std::string(R"(usage: spctm-view show [--demo] [options]

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

int runShow(const ShowOptions& options, CArrayMEDataSetqv& dataset, std::ostream&, std::ostream& err) {
  CWinApp app;
  std::string error;
  InteractiveFace* face = InteractiveFace::install(app, error);
  if (!face) {
    err << "spctm-view show: " << error
        << "\n(set DISPLAY to a running X server; `spctm-view snapshot` draws the windows into PNG files without one)\n";
    return 1;
  }
  {
    ViewerMainWindow main(dataset);
    if (!main.open()) {
      err << "spctm-view show: cannot make the main window\n";
      return 1;
    }
    face->runUntil([&main] { return main.m_hWnd == nullptr; });
  }
  if (options.figures) {
    const InteractiveFace::Figures& f = face->figures();
    err << "spctm-view show: " << f.passes << " passes, " << f.presents << " with pixels sent (" << f.pixelsSent
        << " pixels); input to updated window: " << f.inputBatches << " batches, mean "
        << (f.inputBatches ? f.inputToScreenSumMs / static_cast<double>(f.inputBatches) : 0.0) << " ms, max "
        << f.inputToScreenMaxMs << " ms\n";
  }
  return 0;
}

int showMain(const std::vector<std::string>& args) {
  return commandMain<ShowOptions>("show", args, parseShowOptions, showHelp, runShow);
}

}  // namespace spctmview
