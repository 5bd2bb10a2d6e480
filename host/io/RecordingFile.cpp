#include "host/io/RecordingFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "host/io/BrainVisionReader.h"
#include "host/io/EdfReader.h"
#include "host/io/FifReader.h"

namespace {

std::string lowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

}  // namespace

const char* knownRecordingExtensions() { return ".fif, .edf, .bdf, .vhdr"; }

Recording readRecording(const std::string& path) {
  const std::string ext = lowerExtension(path);
  if (ext == ".fif") return readFif(path);
  if (ext == ".edf" || ext == ".bdf") return readEdf(path);
  if (ext == ".vhdr") return readBrainVision(path);
  throw RecordingError(path, "",
                       "not a recording this program reads (" + (ext.empty() ? std::string("no extension") : "extension " + ext) +
                           "); known extensions: " + knownRecordingExtensions());
}
