#include "platform/gdi/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <set>

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

std::atomic<long> g_callsCounted{0};
std::atomic<long> g_failAt{0};
std::atomic<int> g_failError{EIO};
std::atomic<unsigned> g_tempCounter{0};

// Counts one call that creates, writes, syncs, closes, links or renames; true when the
// test's fault falls on it (errno is then set as the failed call would).
bool faultHere() {
  const long n = ++g_callsCounted;
  if (n != g_failAt.load()) return false;
  errno = g_failError.load();
  return true;
}

int openCounted(const std::string& path, int flags, mode_t mode = 0) {
  return faultHere() ? -1 : ::open(path.c_str(), flags | O_CLOEXEC, mode);
}

ssize_t writeCounted(int fd, const unsigned char* data, std::size_t size) {
  return faultHere() ? -1 : ::write(fd, data, size);
}

int syncCounted(int fd) { return faultHere() ? -1 : ::fsync(fd); }

int renameCounted(const std::string& from, const std::string& to) {
  return faultHere() ? -1 : ::rename(from.c_str(), to.c_str());
}

int linkCounted(const std::string& from, const std::string& to) {
  return faultHere() ? -1 : ::link(from.c_str(), to.c_str());
}

// The descriptor is released even when the fault falls on its close.
int closeCounted(int fd) {
  const int result = ::close(fd);
  const int err = errno;
  if (faultHere()) return -1;
  errno = err;
  return result;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A name beside `target` that no other writer of this process or another uses: the
// target's name hidden behind a dot, the process and a counter.
std::string tempNameFor(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1);
  return folder + "." + base.substr(0, 200) + "." + std::to_string(::getpid()) + "-" +
         std::to_string(g_tempCounter++) + ".tmp";
}

// The file that writing `path` replaces (a link's target) and whether it may be.
struct Target {
  std::string file;
  bool exists = false;
  mode_t mode = 0;
  int error = 0;  // errno of the reason it may not be written, 0 when it may
  bool regular() const { return !exists || S_ISREG(mode); }
};

Target targetOf(const std::string& path) {
  Target t{path};
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    // A dangling link stays the target: the new file then takes the link's place.
    if (char* real = ::realpath(path.c_str(), nullptr)) {
      t.file = real;
      std::free(real);
    }
  }
  t.exists = ::stat(t.file.c_str(), &st) == 0;
  if (!t.exists) {
    if (errno != ENOENT) t.error = errno;
    return t;
  }
  t.mode = st.st_mode;
  // Replacing by rename needs only the folder's permission; a file its owner made
  // read-only is refused as a direct write would be.
  if (S_ISDIR(t.mode)) t.error = EISDIR;
  else if (S_ISREG(t.mode) && ::faccessat(AT_FDCWD, t.file.c_str(), W_OK, AT_EACCESS) != 0) t.error = errno;
  return t;
}

// What a failed rename of several files needs to put a target back.
enum class Before { Absent, Linked, Unrestorable };

struct Backup {
  Before before = Before::Absent;
  std::string link;
};

// Keeps the target's present content under a second name. Throws for errors other than
// "absent" or "links not supported here".
Backup keepTarget(AtomicFile& file, const std::string& target) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    Backup b{Before::Linked, tempNameFor(target)};
    if (linkCounted(target, b.link) == 0) return b;
    const int err = errno;
    if (err == EEXIST) continue;
    if (err == ENOENT) return {};
    if (err == EPERM || err == EOPNOTSUPP || err == EMLINK) return {Before::Unrestorable, {}};
    throw CFileException(CFileException::causeFromErrno(err), err, CString(file.path().c_str()));
  }
  throw CFileException(CFileException::genericException, EEXIST, CString(file.path().c_str()));
}

// Best effort: the renames are done, so a failure here is not a lost file.
void syncFolder(const std::string& folder) {
  const int fd = openCounted(folder, O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  syncCounted(fd);
  ::close(fd);
}

}  // namespace

void setFileCallFault(long n, int error) {
  g_failError = error;
  g_failAt = n;
  g_callsCounted = 0;
}

long fileCallsCounted() { return g_callsCounted.load(); }

AtomicFile::AtomicFile(const std::string& path) : m_path(path), m_target(path) {
  if (path == "-") {
    m_fd = STDOUT_FILENO;
    m_ownsFd = false;
    return;
  }
  const Target target = targetOf(path);
  if (target.error) fail(target.error);
  m_target = target.file;
  if (!target.regular()) {
    m_fd = openCounted(m_target, O_WRONLY | O_NOCTTY);
    if (m_fd < 0) fail(errno);
    return;
  }
  for (int attempt = 0; m_fd < 0 && attempt < 100; ++attempt) {
    m_temp = tempNameFor(m_target);
    m_fd = openCounted(m_temp, O_RDWR | O_CREAT | O_EXCL, 0666);
    if (m_fd < 0 && errno != EEXIST) {
      const int err = errno;
      m_temp.clear();
      fail(err);
    }
  }
  if (m_fd < 0) {
    m_temp.clear();
    fail(EEXIST);
  }
  if (target.exists) ::fchmod(m_fd, target.mode & 07777);  // the new file keeps the old one's permissions
  m_buffer.reserve(kBufferSize);
}

void AtomicFile::checkWritable(const std::string& path) {
  if (path == "-") return;
  const Target target = targetOf(path);
  int err = target.error;
  if (!err && !target.regular() && ::faccessat(AT_FDCWD, target.file.c_str(), W_OK, AT_EACCESS) != 0) err = errno;
  // The temporary file is made in the target's folder.
  if (!err && target.regular() &&
      ::faccessat(AT_FDCWD, folderOf(target.file).c_str(), W_OK | X_OK, AT_EACCESS) != 0)
    err = errno;
  if (err) throw CFileException(CFileException::causeFromErrno(err), err, CString(path.c_str()));
}

AtomicFile::~AtomicFile() { abandon(); }

void AtomicFile::fail(int err) {
  abandon();
  m_error.emplace(CFileException::causeFromErrno(err), err, CString(m_path.c_str()));
  throw *m_error;
}

void AtomicFile::check() const {
  if (m_error) throw *m_error;
  if (m_done) throw CFileException(CFileException::invalidFile, 0, CString(m_path.c_str()));
}

void AtomicFile::writeOut(const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = writeCounted(m_fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    data += n;
    size -= static_cast<std::size_t>(n);
    m_position += static_cast<std::uint64_t>(n);
  }
}

void AtomicFile::write(const void* data, std::size_t size) {
  check();
  const auto* bytes = static_cast<const unsigned char*>(data);
  if (m_buffer.size() + size > kBufferSize) flush();
  if (size >= kBufferSize) writeOut(bytes, size);
  else m_buffer.insert(m_buffer.end(), bytes, bytes + size);
}

void AtomicFile::flush() {
  check();
  if (m_buffer.empty()) return;
  writeOut(m_buffer.data(), m_buffer.size());
  m_buffer.clear();
}

std::size_t AtomicFile::read(void* data, std::size_t size) {
  flush();
  auto* bytes = static_cast<unsigned char*>(data);
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(m_fd, bytes + got, size - got);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw CFileException(CFileException::hardIO, errno, CString(m_path.c_str()));
    got += static_cast<std::size_t>(n);
  }
  m_position += got;
  return got;
}

std::uint64_t AtomicFile::seek(std::int64_t offset, int whence) {
  flush();
  const off_t at = ::lseek(m_fd, static_cast<off_t>(offset), whence);
  if (at < 0) throw CFileException(CFileException::badSeek, errno, CString(m_path.c_str()));
  m_position = static_cast<std::uint64_t>(at);
  return m_position;
}

std::uint64_t AtomicFile::length() {
  flush();
  struct stat st {};
  if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) return m_position;
  return static_cast<std::uint64_t>(st.st_size);
}

void AtomicFile::complete() {
  flush();
  if (!m_ownsFd) return;
  if (!direct() && syncCounted(m_fd) != 0) fail(errno);
  const int fd = m_fd;
  m_fd = -1;
  if (closeCounted(fd) != 0) fail(errno);
}

void AtomicFile::abandon() noexcept {
  if (m_done) return;
  m_done = true;
  if (m_fd >= 0 && m_ownsFd) ::close(m_fd);
  m_fd = -1;
  if (!m_temp.empty()) ::unlink(m_temp.c_str());
}

void AtomicFile::commit() {
  AtomicFile* self = this;
  commitAll({&self, 1});
}

void AtomicFile::commitAll(std::span<AtomicFile* const> files) {
  std::vector<AtomicFile*> regular, direct;
  for (AtomicFile* f : files) (f->direct() ? direct : regular).push_back(f);
  std::vector<Backup> backups;
  std::size_t renamed = 0;
  const auto dropBackups = [&] {
    for (const Backup& b : backups)
      if (b.before == Before::Linked) ::unlink(b.link.c_str());
  };
  try {
    for (AtomicFile* f : regular) f->complete();
    for (AtomicFile* f : direct) {
      f->complete();
      f->m_done = true;
    }
    if (regular.size() > 1)
      for (AtomicFile* f : regular) backups.push_back(keepTarget(*f, f->m_target));
    for (; renamed < regular.size(); ++renamed) {
      AtomicFile& f = *regular[renamed];
      if (renameCounted(f.m_temp, f.m_target) != 0) f.fail(errno);
      f.m_done = true;
    }
  } catch (const CFileException&) {
    for (std::size_t i = 0; i < renamed; ++i) {
      if (backups[i].before == Before::Linked) ::rename(backups[i].link.c_str(), regular[i]->m_target.c_str());
      else if (backups[i].before == Before::Absent) ::unlink(regular[i]->m_target.c_str());
    }
    dropBackups();
    for (AtomicFile* f : files) f->abandon();
    throw;
  }
  dropBackups();
  std::set<std::string> folders;
  for (AtomicFile* f : regular) folders.insert(folderOf(f->m_target));
  for (const std::string& folder : folders) syncFolder(folder);
}

void writeFilesTogether(std::span<const FileContent> files) {
  std::vector<std::unique_ptr<AtomicFile>> open;
  std::vector<AtomicFile*> all;
  for (const FileContent& f : files) {
    open.push_back(std::make_unique<AtomicFile>(f.path));
    open.back()->write(f.bytes.data(), f.bytes.size());
    all.push_back(open.back().get());
  }
  AtomicFile::commitAll(all);
}
