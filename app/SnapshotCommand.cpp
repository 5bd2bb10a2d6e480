#include "app/SnapshotCommand.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "app/CommandMain.h"
#include "app/DialogSnapshots.h"
#include "app/OptionValues.h"
#include "app/SingleSnapshots.h"
#include "app/TopoSnapshots.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CWinApp.h"

namespace spctmview {

const std::vector<SnapshotWindow>& snapshotWindows() {
  static const std::vector<SnapshotWindow> windows = [] {
    std::vector<SnapshotWindow> all = {
        {"stdset-meg", "the MEG standard display-parameter dialog", openStdSetMeg},
        {"stdset-eeg", "the EEG standard display-parameter dialog", openStdSetEeg},
        {"measure", "the measurement dialog after measuring the channel and all sensors", openMeasure},
        {"single-act", "the single-channel window of the Active class", openSingleAct},
        {"single-ctl", "the single-channel window of the Control class", openSingleCtl},
        {"single-rst", "the single-channel window of the Results class", openSingleRst},
    };
    const std::vector<SnapshotWindow>& topo = topoSnapshotWindows();
    all.insert(all.end(), topo.begin(), topo.end());
    return all;
  }();
  return windows;
}

bool applyHostChoices(SnapshotScene& scene, int spctmClass, std::string& error) {
  const SingleViewOptions& o = scene.single;
  CMDTrialqv* trial = scene.face.m_draw.m_pTrial;
  if (!trial) return true;
  try {
    if (!o.channel.empty()) selectChannel(*trial, o.channel);
  } catch (const UsageError& e) {
    error = e.what();
    return false;
  }
  if (o.selectGiven) {
    if (CSpctmTrialqv* spctm = trial->getSpctmTrial(false, spctmClass)) {
      spctm->setTrialSpctmSelectTime(o.select[0], o.select[1]);
      spctm->setTrialSpctmSelectFreq(o.select[2], o.select[3]);
    }
  }
  return true;
}

namespace {

// The value of --window when it names a window of the table.
std::string windowName(const std::string& value) {
  std::string names;
  for (const SnapshotWindow& w : snapshotWindows()) {
    if (value == w.name) return value;
    names += names.empty() ? w.name : std::string("|") + w.name;
  }
  throw UsageError("--window needs one of " + names + ", got '" + value + "'");
}

const SnapshotWindow& snapshotWindow(const std::string& name) {
  const auto& windows = snapshotWindows();
  return *std::find_if(windows.begin(), windows.end(), [&](const SnapshotWindow& w) { return name == w.name; });
}

}  // namespace

SnapshotOptions parseSnapshotOptions(const std::vector<std::string>& args) {
  SnapshotOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    OptionArg arg = splitOption(args[i]);
    const std::string& option = arg.name;
    if (option == "--help" || option == "-h") {
      o.help = true;
      continue;
    }
    if (parseDatasetOption(o.dataset, args, i)) continue;
    if (parseSingleViewOption(o.single, arg, args, i)) continue;
    if (!option.starts_with("--")) throw UsageError("unexpected argument '" + option + "'");
    const std::string value = takeValue(arg, args, i);
    if (option == "--window") {
      o.windows.push_back(windowName(value));
      if (std::count(o.windows.begin(), o.windows.end(), value) > 1) throw UsageError("--window " + value + " given twice");
    } else if (option == "--class") {
      o.spctmClass = spctmClassOf(option, value);
    } else if (option == "--kind") {
      o.dataKind = dataKindOf(option, value);
    } else if (option == "--animate") {
      o.animate = static_cast<int>(integerIn(option, value, 0, 100000));
    } else if (option == "--out") {
      if (value.empty()) throw UsageError("--out needs a file name");
      o.out = value;
    } else {
      throw UsageError("unknown option '" + option + "'");
    }
  }
  if (!o.help && o.windows.empty()) throw UsageError("--window NAME is required");
  if (!o.help && o.out.empty()) throw UsageError(o.windows.size() > 1 ? "--out FOLDER is required" : "--out FILE.png is required");
  checkDatasetOptions(o.dataset);
  return o;
}

std::string snapshotHelp() {
  std::string text = R"(usage: spctm-view snapshot [FILE] --window NAME [--window NAME ...] --out FILE.png|FOLDER [options]

Draws windows of the display library, bound to the dataset, without a display, as a
person would see them after opening them: frame, caption, every control. One facade opens
them all before any is drawn, so settings they share are seen in each (the range the
display-parameter dialog derives labels the single-channel windows' colour scales).

  --window NAME           a window to draw (repeat for several):
)";
  for (const SnapshotWindow& w : snapshotWindows()) {
    const std::string name = w.name;
    text += "                            " + name + std::string(name.size() < 12 ? 12 - name.size() : 1, ' ') +
            w.summary + "\n";
  }
  text += R"(  --class act|ctl|rst     spectral class the window shows (default act; a single-*
                          window shows the class of its name)
  --kind real|imag|power  data kind the window shows (default power)
  --animate N             a topographic window (flags-*, field-*) starts its animation and
                          runs N timer ticks on the virtual clock before it is drawn
  --out FILE.png|FOLDER   the picture to write; with several windows the folder that
                          receives NAME.png for each (required)
  --help                  this text
)";
  return text + singleViewOptionsHelp() + datasetOptionsHelp() + "\nExit status: 0 written, 1 the window could not be drawn or written, 2 bad options.\n";
}

int runSnapshot(const SnapshotOptions& options, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err) {
  CWinApp app;  // headless: scripted services, virtual clock
  CMEGSpctmShow2DFaceqv face;
  face.m_draw.setDrawMEGData(&dataset);
  SnapshotScene scene{dataset, face, options.spctmClass, options.dataKind, options.single, options.animate};
  std::string error;
  std::vector<CWnd*> opened;
  for (const std::string& name : options.windows) {
    CWnd* wnd = snapshotWindow(name).open(scene, error);
    if (!wnd) break;
    opened.push_back(wnd);
  }
  const bool folder = options.windows.size() > 1;
  if (opened.size() == options.windows.size() && folder) {
    std::error_code code;
    std::filesystem::create_directories(options.out, code);
    if (code) error = "cannot make the folder " + options.out + ": " + code.message();
  }
  bool written = error.empty();
  for (std::size_t i = 0; written && i < opened.size(); ++i) {
    const std::string path = folder ? (std::filesystem::path(options.out) / (options.windows[i] + ".png")).string() : options.out;
    written = writeWindowPng(*opened[i], path, &error);
    if (written) out << "spctm-view: wrote " << path << "\n";
  }
  // What the windows would have told a person.
  for (const MessageBoxRequest& box : app.scripted()->messageBoxes) {
    err << "spctm-view snapshot: the window said \"" << box.text.utf8() << "\"\n";
  }
  if (!written) {
    err << "spctm-view snapshot: " << error << "\n";
    return 1;
  }
  return 0;
}

int snapshotMain(const std::vector<std::string>& args) {
  return commandMain<SnapshotOptions>("snapshot", args, parseSnapshotOptions, snapshotHelp, runSnapshot);
}

}  // namespace spctmview
