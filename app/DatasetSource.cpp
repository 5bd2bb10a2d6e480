#include "app/DatasetSource.h"

#include <exception>
#include <ostream>

#include "host/io/DemoDataset.h"

namespace spctmview {
namespace {

std::string narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace

bool parseDatasetOption(DatasetOptions& options, const std::string& option, const std::string&) {
  if (option == "--demo") {
    options.demo = true;
    return true;
  }
  return false;
}

const char* datasetOptionsHelp() {
  return "  --demo                  the demo dataset: a generated MEG and EEG recording with\n"
         "                          an alpha decrease, a beta rebound and a gamma burst, its epoch\n"
         "                          average current (the default, as recordings cannot be read yet)\n";
}

std::unique_ptr<CArrayMEDataSetqv> loadDataset(const DatasetOptions& options, const std::string& command,
                                               std::ostream& err, bool showProgress) {
  DemoDatasetOptions demo;
  demo.segmentsTrial = options.segmentsTrial;
  if (showProgress) {
    demo.progress = [&err](std::string_view stage, int percent) {
      err << "\rspctm-view: " << stage << " " << percent << "%\x1b[K" << std::flush;
    };
  }
  try {
    auto dataset = buildDemoDataset(demo);
    if (showProgress) err << "\r\x1b[K" << std::flush;
    return dataset;
  } catch (const std::exception& e) {
    err << "\nspctm-view " << command << ": cannot build the demo dataset: " << e.what() << "\n";
    return nullptr;
  }
}

void selectChannel(CMDTrialqv& trial, const std::wstring& name) {
  std::string names;
  for (std::int64_t i = 0; i < trial.getTotalChannel(); ++i) {
    const CMDChannelqv* ch = trial.getChannel(i);
    if (!ch) continue;
    if (ch->m_strName == name) {
      trial.setCurrentChannel(i);
      return;
    }
    if (!names.empty()) names += ' ';
    names += narrow(ch->m_strName);
  }
  throw UsageError("no channel named '" + narrow(name) + "'; the dataset has: " + names);
}

}  // namespace spctmview
