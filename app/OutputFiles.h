// The files a command of spctm-view writes: checked before anything is drawn or written
// (distinct paths, no folder as a target, a folder that exists and may be written, a file
// that may be replaced) and then written together through the atomic writer, so either
// every target is replaced or none is (as far as the file system allows). "-" is
// standard output. Every command that writes files goes through here; status and errors
// go to the error stream, each naming the file and the reason.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace spctmview {

// One output of a command: the option that names it and its path (empty when the option
// was not given, and then skipped).
struct OutputFile {
  std::string_view option;
  std::string path;
};

// True when every output can be written. Otherwise false after telling `err` each
// problem as "spctm-view COMMAND: ...": two options naming one file, or a path that
// cannot be written, with the system's reason.
bool checkOutputs(std::span<const OutputFile> outputs, std::string_view command, std::ostream& err);

// One output's path and its whole content.
struct OutputContent {
  std::string path;
  std::vector<unsigned char> bytes;
};

// Writes the outputs together (empty paths skipped) and tells `err` "spctm-view: wrote
// PATH" for each. On failure writes nothing more, tells the file and the reason, and
// returns false; no target is then replaced.
bool writeOutputs(std::span<const OutputContent> outputs, std::string_view command, std::ostream& err);

}  // namespace spctmview
