// Binary files of the UI platform: CFile over a disk file, CMemFile over memory, and the
// exceptions they raise. The archive (platform/gdi/CArchive.h) and the measurement export
// write through them; a file created for writing goes through the atomic writer
// (platform/gdi/AtomicFile.h). Limits: no sharing modes or locking (the share flags are
// accepted and ignored); lengths and positions are 64-bit; exceptions are thrown by value.
#pragma once

#include "platform/gdi/BasicTypes.h"
#include "platform/gdi/CString.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

class AtomicFile;

using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;

// Root of the platform's exceptions. what() gives a readable English message.
class CException : public std::exception {
 public:
  const char* what() const noexcept override { return m_what.c_str(); }
  // The message as wide text, for message boxes.
  CString GetErrorMessage() const { return CString(m_what.c_str()); }

 protected:
  explicit CException(std::string what) : m_what(std::move(what)) {}

 private:
  std::string m_what;
};

// A failed file operation: the cause, the operating system's error number (0 if none)
// and the file's path.
class CFileException : public CException {
 public:
  enum {
    none = 0,
    genericException = 1,
    fileNotFound = 2,
    badPath = 3,
    tooManyOpenFiles = 4,
    accessDenied = 5,
    invalidFile = 6,
    removeCurrentDir = 7,
    directoryFull = 8,
    badSeek = 9,
    hardIO = 10,
    sharingViolation = 11,
    lockViolation = 12,
    diskFull = 13,
    endOfFile = 14,
  };
  CFileException(int cause, long osError, const CString& fileName);
  // The cause that best describes a C library errno value.
  static int causeFromErrno(int err);

  int m_cause;
  long m_lOsError;
  CString m_strFileName;
};

// A file of bytes. The base class works on a disk file; CMemFile overrides the byte
// operations. Read returns how many bytes it got (fewer at the end, never throws for
// that); Write and Seek throw CFileException on failure.
// A file opened with modeCreate and without modeNoTruncate replaces its target: the
// bytes go to a temporary file that Close() puts in place (AtomicFile). Until Close()
// succeeds the earlier file is untouched; Abort(), an error or destruction without
// Close() drop what was written. Devices, pipes and "-" (standard output) are written
// directly.
class CFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareDenyNone = 0x0040,
    shareExclusive = 0x0010,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeBinary = 0x8000,
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  CFile();
  // Opens or throws CFileException.
  CFile(LPCTSTR fileName, UINT openFlags);
  virtual ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // modeCreate truncates unless modeNoTruncate is given. On failure returns FALSE and,
  // when pError is given, fills it.
  virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* pError = nullptr);
  virtual UINT Read(void* buffer, UINT count);
  virtual void Write(const void* buffer, UINT count);
  virtual ULONGLONG Seek(LONGLONG offset, UINT from);
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  virtual void Flush();
  // Closes; throws when buffered data cannot be written or a created file cannot be put
  // in place (the earlier file then stays as it was).
  virtual void Close();
  // Closes and ignores every error (for clean-up after a failure); a created file is
  // dropped.
  virtual void Abort();
  void SeekToBegin() { Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }

  CString GetFilePath() const { return m_strFileName; }
  // The last component of the path.
  CString GetFileName() const;
  bool IsOpen() const { return m_file != nullptr || m_output != nullptr; }

 protected:
  [[noreturn]] void throwError(int cause, long osError) const;
  CString m_strFileName;

 private:
  std::FILE* m_file = nullptr;               // read, or updated in place
  std::unique_ptr<AtomicFile> m_output;      // created: replaces its target on Close
};

// A file held in memory, growing as it is written. Useful for archives that never
// touch the disk and for tests that read exact bytes.
class CMemFile : public CFile {
 public:
  CMemFile() = default;
  explicit CMemFile(std::vector<BYTE> bytes) : m_data(std::move(bytes)) {}

  BOOL Open(LPCTSTR, UINT, CFileException* = nullptr) override { return TRUE; }
  UINT Read(void* buffer, UINT count) override;
  void Write(const void* buffer, UINT count) override;
  ULONGLONG Seek(LONGLONG offset, UINT from) override;
  ULONGLONG GetPosition() const override { return m_pos; }
  ULONGLONG GetLength() const override { return m_data.size(); }
  void Flush() override {}
  void Close() override {}
  void Abort() override {}

  // The whole content, independent of the position.
  const std::vector<BYTE>& data() const { return m_data; }

 private:
  std::vector<BYTE> m_data;
  size_t m_pos = 0;
};
