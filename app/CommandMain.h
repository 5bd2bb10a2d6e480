// The frame every command of spctm-view shares: parse the arguments after the command's
// word (a UsageError becomes exit status 2 with the reason and a pointer to --help), print
// the help, or load the dataset the options choose (progress on a terminal) and run.
// Options is the command's option struct, with `help` and `dataset` fields.
#pragma once

#include <unistd.h>

#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "app/DatasetSource.h"

namespace spctmview {

template <class Options>
int commandMain(const std::string& name, const std::vector<std::string>& args,
                Options (*parse)(const std::vector<std::string>&), std::string (*help)(),
                int (*run)(const Options&, CArrayMEDataSetqv&, std::ostream&, std::ostream&)) {
  Options options;
  try {
    options = parse(args);
  } catch (const UsageError& e) {
    std::cerr << "spctm-view " << name << ": " << e.what() << "\n(spctm-view " << name
              << " --help lists the options)\n";
    return 2;
  }
  if (options.help) {
    std::cout << help();
    return 0;
  }
  const auto dataset = loadDataset(options.dataset, name, std::cerr, isatty(STDERR_FILENO) != 0);
  if (!dataset) return 1;
  return run(options, *dataset, std::cout, std::cerr);
}

}  // namespace spctmview
