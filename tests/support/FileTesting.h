// Helpers for tests of writing files: a scratch folder whose whole content (names and
// bytes) can be compared before and after, and a child process that runs with a
// file-size limit or without root's privileges, so that writes fail as they would for a
// user. Header-only; used by the platform's file tests and the viewer's tests.
#pragma once

#include <grp.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

namespace filetesting {

namespace fs = std::filesystem;

inline std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeAll(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder under the system's temporary folder, open to every user, removed with
// its content at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string name = (fs::temp_directory_path() / "spctm-files-XXXXXX").string();
    m_path = ::mkdtemp(name.data());
    fs::permissions(m_path, fs::perms::all);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(m_path, ignored))
      if (entry.is_directory()) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string operator/(const std::string& name) const { return (m_path / name).string(); }
  // Every entry below the folder, by path relative to it, with its bytes ("<folder>",
  // "<link>" or "<special>" for the others): equal maps mean nothing was changed, added
  // or left behind.
  std::map<std::string, std::string> contents() const {
    std::map<std::string, std::string> all;
    for (const auto& entry : fs::recursive_directory_iterator(m_path)) {
      const std::string name = entry.path().lexically_relative(m_path).string();
      all[name] = entry.is_symlink()     ? "<link>"
                  : entry.is_directory() ? "<folder>"
                  : entry.is_regular_file() ? readAll(entry.path())
                                            : "<special>";
    }
    return all;
  }

 private:
  fs::path m_path;
};

struct ChildLimits {
  long maxFileBytes = -1;     // a file-size limit; writes beyond it fail with EFBIG
  bool unprivileged = false;  // root gives up its rights, so permissions hold
};

// Runs `body` in a forked child and returns its exit status (128 + the signal if killed).
inline int runInChild(const std::function<int()>& body, ChildLimits limits = {}) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (limits.maxFileBytes >= 0) {
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{static_cast<rlim_t>(limits.maxFileBytes), static_cast<rlim_t>(limits.maxFileBytes)};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (limits.unprivileged && ::geteuid() == 0) {
      const gid_t nobody = 65534;
      if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(125);
    }
    int status = 124;
    try {
      status = body();
    } catch (...) {
    }
    ::_exit(status);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace filetesting
