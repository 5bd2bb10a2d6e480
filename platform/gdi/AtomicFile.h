// The one way the project writes an output file: bytes go to a temporary file in the
// target's folder, which commit() flushes, syncs and renames over the target, so a failure
// at any step leaves the target exactly as it was. CFile (created for writing), PNG export
// and the viewer write through it. Targets that are not regular files (devices, pipes,
// "-" for standard output) are written directly and never removed; they cannot be undone.
#pragma once

#include "platform/gdi/CFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class AtomicFile {
 public:
  // Opens the temporary file, or the target itself when it is "-" or exists and is not a
  // regular file. A symbolic link is followed: the file it names is replaced. Throws
  // CFileException (the target's path, the system's errno) when the target is a folder,
  // an existing file the user may not write, or its folder is missing or not writable.
  explicit AtomicFile(const std::string& path);
  // Abandons the file unless it was committed.
  ~AtomicFile();
  // Checks, without creating anything, what the constructor checks and that the
  // temporary file could be made in the target's folder. Throws the same CFileException.
  static void checkWritable(const std::string& path);
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Bytes at the current position (buffered; handed to the system when the buffer fills).
  void write(const void* data, std::size_t size);
  // Reading, seeking and the length hand the buffer to the system first. seek takes
  // SEEK_SET, SEEK_CUR or SEEK_END and returns the new position; a direct target that
  // cannot seek (a pipe) throws badSeek.
  std::size_t read(void* data, std::size_t size);
  std::uint64_t seek(std::int64_t offset, int whence);
  std::uint64_t position() const { return m_position + m_buffer.size(); }
  std::uint64_t length();
  // Hands the buffered bytes to the system (no sync).
  void flush();

  // Puts the written bytes in place: flush, sync, close, rename over the target, sync
  // the folder (the rename is the point of no return; a failed folder sync after it is
  // not reported). Throws CFileException after removing the temporary file. Once
  // committed or failed, every further call throws.
  void commit();
  // Removes the temporary file; a direct target keeps what was already written.
  void abandon() noexcept;

  // Commits several files so that all targets are replaced or none, as far as the file
  // system allows: every file is completed (flushed, synced, closed) before the first
  // rename; a failed rename puts the targets already replaced back from hard links taken
  // beforehand (where links are not supported, that target cannot be put back). Direct
  // targets are completed after the regular files and cannot be put back. Throws the
  // first CFileException; every file is then abandoned.
  static void commitAll(std::span<AtomicFile* const> files);

  const std::string& path() const { return m_path; }
  // True when the target itself is written (device, pipe, standard output).
  bool direct() const { return m_temp.empty(); }

 private:
  // Abandons the file and throws (and keeps) the error for errno `err`.
  [[noreturn]] void fail(int err);
  // Throws the kept error, or invalidFile once the file is finished.
  void check() const;
  void writeOut(const unsigned char* data, std::size_t size);
  // Everything but the rename: flush, sync, close.
  void complete();

  std::string m_path;    // the target as given, for messages
  std::string m_target;  // the file that is replaced (a link's target)
  std::string m_temp;    // the temporary file; empty for a direct target
  int m_fd = -1;
  bool m_ownsFd = true;  // false for standard output
  bool m_done = false;   // committed or abandoned
  std::optional<CFileException> m_error;
  std::uint64_t m_position = 0;  // of the first buffered byte
  std::vector<unsigned char> m_buffer;
};

// A whole file's content for writeFilesTogether.
struct FileContent {
  std::string path;
  std::span<const unsigned char> bytes;
};

// Writes each file whole and commits them with AtomicFile::commitAll. Throws
// CFileException naming the file that failed.
void writeFilesTogether(std::span<const FileContent> files);

// Fault injection for tests: the n-th system call from now on (1 = the next) that the
// writer makes to create, write, sync, close, link or rename a file fails with `error`;
// n = 0 turns it off. Calls that remove or put back files are never failed.
void setFileCallFault(long n, int error);
// The number of such calls made since the last setFileCallFault.
long fileCallsCounted();
