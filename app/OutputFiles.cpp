#include "app/OutputFiles.h"

#include <cstring>
#include <filesystem>
#include <ostream>

#include "platform/gdi/AtomicFile.h"

namespace spctmview {
namespace {

// The same file however it is spelled: relative or absolute, through links or "..".
std::string fileKey(const std::string& path) {
  if (path == "-") return path;
  std::error_code ec;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(path), ec);
  return ec ? path : canonical.string();
}

std::string reason(const CFileException& e) {
  return e.m_lOsError ? std::strerror(static_cast<int>(e.m_lOsError)) : std::string(e.what());
}

}  // namespace

bool checkOutputs(std::span<const OutputFile> outputs, std::string_view command, std::ostream& err) {
  bool fine = true;
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const OutputFile& o = outputs[i];
    if (o.path.empty()) continue;
    for (std::size_t j = 0; j < i; ++j) {
      if (!outputs[j].path.empty() && fileKey(outputs[j].path) == fileKey(o.path)) {
        err << "spctm-view " << command << ": " << outputs[j].option << " and " << o.option
            << " name the same file " << o.path << "\n";
        fine = false;
      }
    }
    try {
      AtomicFile::checkWritable(o.path);
    } catch (const CFileException& e) {
      err << "spctm-view " << command << ": cannot write " << o.path << " (" << o.option << "): " << reason(e) << "\n";
      fine = false;
    }
  }
  return fine;
}

bool writeOutputs(std::span<const OutputContent> outputs, std::string_view command, std::ostream& err) {
  std::vector<FileContent> files;
  for (const OutputContent& o : outputs)
    if (!o.path.empty()) files.push_back({o.path, o.bytes});
  try {
    writeFilesTogether(files);
  } catch (const CFileException& e) {
    err << "spctm-view " << command << ": cannot write " << e.m_strFileName.utf8() << ": " << reason(e)
        << "; no file was replaced\n";
    return false;
  }
  for (const FileContent& f : files) err << "spctm-view: wrote " << (f.path == "-" ? "standard output" : f.path) << "\n";
  return true;
}

}  // namespace spctmview
