// spctm-view: the viewer application. For now one command, `render`, draws engine views of
// the dataset straight into PNG files; `spctm-view render --help` lists its options.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/RenderCommand.h"
#include "app/RenderOptions.h"

namespace {

constexpr const char* kUsage =
    "usage: spctm-view COMMAND [options]\n"
    "\n"
    "Commands:\n"
    "  render   draw a spectral view of the dataset into a PNG file\n"
    "\n"
    "spctm-view COMMAND --help describes a command's options.\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    (args.empty() ? std::cerr : std::cout) << kUsage;
    return args.empty() ? 2 : 0;
  }
  if (args[0] != "render") {
    std::cerr << "spctm-view: unknown command '" << args[0] << "'\n\n" << kUsage;
    return 2;
  }
  spctmview::RenderOptions options;
  try {
    options = spctmview::parseRenderOptions({args.begin() + 1, args.end()});
  } catch (const spctmview::UsageError& e) {
    std::cerr << "spctm-view render: " << e.what() << "\n(spctm-view render --help lists the options)\n";
    return 2;
  }
  if (options.help) {
    std::cout << spctmview::renderHelp();
    return 0;
  }
  const auto dataset = spctmview::loadDataset(options, std::cerr, isatty(STDERR_FILENO) != 0);
  if (!dataset) return 1;
  return spctmview::runRender(options, *dataset, std::cout, std::cerr);
}
