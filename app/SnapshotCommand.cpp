#include "app/SnapshotCommand.h"

#include <ostream>

#include "app/CommandMain.h"
#include "app/DialogSnapshots.h"
#include "app/OptionValues.h"
#include "app/SingleSnapshots.h"
#include "platform/ui/CWinApp.h"

namespace spctmview {

const std::vector<SnapshotWindow>& snapshotWindows() {
  static const std::vector<SnapshotWindow> windows = {
      {"stdset-meg", "the MEG standard display-parameter dialog", snapStdSetMeg},
      {"stdset-eeg", "the EEG standard display-parameter dialog", snapStdSetEeg},
      {"measure", "the measurement dialog after measuring the channel and all sensors", snapMeasure},
      {"single-act", "the single-channel window of the Active class", snapSingleAct},
      {"single-ctl", "the single-channel window of the Control class", snapSingleCtl},
      {"single-rst", "the single-channel window of the Results class", snapSingleRst},
  };
  return windows;
}

SnapshotOptions parseSnapshotOptions(const std::vector<std::string>& args) {
  SnapshotOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    OptionArg arg = splitOption(args[i]);
    const std::string& option = arg.name;
    if (option == "--help" || option == "-h") {
      o.help = true;
      continue;
    }
    if (parseDatasetOption(o.dataset, option, arg.value)) continue;
    if (parseSingleViewOption(o.single, arg, args, i)) continue;
    if (!option.starts_with("--")) throw UsageError("unexpected argument '" + option + "'");
    const std::string value = takeValue(arg, args, i);
    if (option == "--window") {
      std::string names;
      for (const SnapshotWindow& w : snapshotWindows()) {
        if (value == w.name) o.window = value;
        names += names.empty() ? w.name : std::string("|") + w.name;
      }
      if (o.window.empty()) throw UsageError("--window needs one of " + names + ", got '" + value + "'");
    } else if (option == "--class") {
      o.spctmClass = spctmClassOf(option, value);
    } else if (option == "--kind") {
      o.dataKind = dataKindOf(option, value);
    } else if (option == "--out") {
      if (value.empty()) throw UsageError("--out needs a file name");
      o.out = value;
    } else {
      throw UsageError("unknown option '" + option + "'");
    }
  }
  if (!o.help && o.window.empty()) throw UsageError("--window NAME is required");
  if (!o.help && o.out.empty()) throw UsageError("--out FILE.png is required");
  return o;
}

std::string snapshotHelp() {
  std::string text = R"(usage: spctm-view snapshot --window NAME --out FILE.png [options]

Draws a window of the display library, bound to the dataset, without a display, as a
person would see it after opening it: frame, caption, every control.

  --window NAME           the window to draw:
)";
  for (const SnapshotWindow& w : snapshotWindows()) {
    const std::string name = w.name;
    text += "                            " + name + std::string(name.size() < 12 ? 12 - name.size() : 1, ' ') +
            w.summary + "\n";
  }
  text += R"(  --class act|ctl|rst     spectral class the window shows (default act; a single-*
                          window shows the class of its name)
  --kind real|imag|power  data kind the window shows (default power)
  --out FILE.png          the picture to write (required)
  --help                  this text
)";
  return text + singleViewOptionsHelp() + datasetOptionsHelp() + "\nExit status: 0 written, 1 the window could not be drawn or written, 2 bad options.\n";
}

int runSnapshot(const SnapshotOptions& options, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err) {
  CWinApp app;  // headless: scripted services, virtual clock
  CMEGSpctmShow2DFace face;
  face.m_draw.setDrawMEGData(&dataset);
  SnapshotScene scene{dataset, face, options.spctmClass, options.dataKind, options.single};
  std::string error;
  bool written = false;
  for (const SnapshotWindow& w : snapshotWindows()) {
    if (options.window == w.name) written = w.snap(scene, options.out, error);
  }
  // What the window would have told a person.
  for (const MessageBoxRequest& box : app.scripted()->messageBoxes) {
    err << "spctm-view snapshot: the window said \"" << box.text.utf8() << "\"\n";
  }
  if (!written) {
    err << "spctm-view snapshot: " << error << "\n";
    return 1;
  }
  out << "spctm-view: wrote " << options.out << "\n";
  return 0;
}

int snapshotMain(const std::vector<std::string>& args) {
  return commandMain<SnapshotOptions>("snapshot", args, parseSnapshotOptions, snapshotHelp, runSnapshot);
}

}  // namespace spctmview
