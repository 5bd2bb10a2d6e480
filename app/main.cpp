// spctm-view: the viewer application. Each command lives in its own source and is listed
// here once; `spctm-view COMMAND --help` describes a command's options.
#include <iostream>
#include <string>
#include <vector>

#include "app/InfoCommand.h"
#include "app/MeasureCommand.h"
#include "app/RenderCommand.h"
#include "app/ShowCommand.h"
#include "app/SnapshotCommand.h"

namespace {

struct Command {
  const char* name;
  const char* summary;
  int (*run)(const std::vector<std::string>& args);
};

constexpr Command kCommands[] = {
    {"show", "open the viewer on the desktop: the dataset's main window and every window of the library",
     spctmview::showMain},
    {"render", "draw a spectral view of the dataset into a PNG file", spctmview::renderMain},
    {"measure", "measure the dataset's spectra as the measurement dialog does: text, export or CSV",
     spctmview::measureMain},
    {"snapshot", "draw a window of the library, bound to the dataset, into a PNG file", spctmview::snapshotMain},
    {"info", "print what a recording file holds: channels, sampling rate, duration, events", spctmview::infoMain},
};

void usage(std::ostream& out) {
  out << "usage: spctm-view COMMAND [options]\n\nCommands:\n";
  for (const Command& c : kCommands) {
    const std::string name = c.name;
    out << "  " << name << std::string(name.size() < 9 ? 9 - name.size() : 1, ' ') << c.summary << "\n";
  }
  out << "\nspctm-view COMMAND --help describes a command's options.\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    usage(args.empty() ? std::cerr : std::cout);
    return args.empty() ? 2 : 0;
  }
  for (const Command& c : kCommands) {
    if (args[0] == c.name) return c.run({args.begin() + 1, args.end()});
  }
  std::cerr << "spctm-view: unknown command '" << args[0] << "'\n\n";
  usage(std::cerr);
  return 2;
}
