#include "platform/gdi/CFile.h"

#include "platform/gdi/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

const char* causeText(int cause) {
  switch (cause) {
    case CFileException::fileNotFound: return "file not found";
    case CFileException::badPath: return "bad path";
    case CFileException::tooManyOpenFiles: return "too many open files";
    case CFileException::accessDenied: return "access denied";
    case CFileException::invalidFile: return "file is not open";
    case CFileException::badSeek: return "seek outside the file";
    case CFileException::hardIO: return "input/output error";
    case CFileException::diskFull: return "disk full";
    case CFileException::endOfFile: return "end of file";
    default: return "file error";
  }
}

}  // namespace

CFileException::CFileException(int cause, long osError, const CString& fileName)
    : CException(std::string("CFileException: ") + causeText(cause) + " '" + fileName.utf8() + "'" +
                 (osError ? std::string(" (") + std::strerror(static_cast<int>(osError)) + ")" : "")),
      m_cause(cause),
      m_lOsError(osError),
      m_strFileName(fileName) {}

int CFileException::causeFromErrno(int err) {
  switch (err) {
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EISDIR: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS: return accessDenied;
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return diskFull;
    case EIO: return hardIO;
    default: return genericException;
  }
}

CFile::CFile() = default;

CFile::CFile(LPCTSTR fileName, UINT openFlags) {
  CFileException error(CFileException::none, 0, fileName);
  if (!Open(fileName, openFlags, &error)) throw error;
}

CFile::~CFile() { Abort(); }

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* pError) {
  Abort();
  m_strFileName = fileName;
  const UINT access = openFlags & 0x3u;
  const bool create = (openFlags & modeCreate) != 0;
  const bool truncate = create && (openFlags & modeNoTruncate) == 0;
  const bool writes = access == modeWrite || access == modeReadWrite;
  if (writes && truncate) {
    try {
      m_output = std::make_unique<AtomicFile>(m_strFileName.utf8());
      return TRUE;
    } catch (const CFileException& e) {
      if (pError) *pError = e;
      return FALSE;
    }
  }
  // fopen has no "create without truncating, keep position 0" mode: open "r+b" first
  // and fall back to creating the file when it does not exist.
  const std::string path = m_strFileName.utf8();
  m_file = std::fopen(path.c_str(), writes ? "r+b" : "rb");
  if (!m_file && writes && create && errno == ENOENT) m_file = std::fopen(path.c_str(), "w+b");
  if (m_file) return TRUE;
  if (pError) *pError = CFileException(CFileException::causeFromErrno(errno), errno, m_strFileName);
  return FALSE;
}

void CFile::throwError(int cause, long osError) const {
  throw CFileException(cause, osError, m_strFileName);
}

UINT CFile::Read(void* buffer, UINT count) {
  if (m_output) return static_cast<UINT>(m_output->read(buffer, count));
  if (!m_file) throwError(CFileException::invalidFile, 0);
  if (count == 0) return 0;
  const size_t got = std::fread(buffer, 1, count, m_file);
  if (got < count && std::ferror(m_file)) throwError(CFileException::hardIO, errno);
  return static_cast<UINT>(got);
}

void CFile::Write(const void* buffer, UINT count) {
  if (m_output) return m_output->write(buffer, count);
  if (!m_file) throwError(CFileException::invalidFile, 0);
  if (count == 0) return;
  if (std::fwrite(buffer, 1, count, m_file) != count)
    throwError(errno == ENOSPC ? CFileException::diskFull : CFileException::hardIO, errno);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
  const int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
  if (m_output) return m_output->seek(offset, whence);
  if (!m_file) throwError(CFileException::invalidFile, 0);
  if (fseeko(m_file, static_cast<off_t>(offset), whence) != 0) throwError(CFileException::badSeek, errno);
  return GetPosition();
}

ULONGLONG CFile::GetPosition() const {
  if (m_output) return m_output->position();
  if (!m_file) throwError(CFileException::invalidFile, 0);
  const off_t pos = ftello(m_file);
  if (pos < 0) throwError(CFileException::badSeek, errno);
  return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const {
  if (m_output) return m_output->length();
  if (!m_file) throwError(CFileException::invalidFile, 0);
  const off_t here = ftello(m_file);
  if (here < 0 || fseeko(m_file, 0, SEEK_END) != 0) throwError(CFileException::badSeek, errno);
  const off_t size = ftello(m_file);
  fseeko(m_file, here, SEEK_SET);
  return static_cast<ULONGLONG>(size);
}

void CFile::Flush() {
  if (m_output) m_output->flush();
  if (m_file && std::fflush(m_file) != 0) throwError(CFileException::hardIO, errno);
}

void CFile::Close() {
  if (m_output) {
    const std::unique_ptr<AtomicFile> output = std::move(m_output);
    output->commit();
    return;
  }
  if (!m_file) return;
  std::FILE* f = m_file;
  m_file = nullptr;
  if (std::fclose(f) != 0) throwError(CFileException::hardIO, errno);
}

void CFile::Abort() {
  m_output.reset();
  if (!m_file) return;
  std::fclose(m_file);
  m_file = nullptr;
}

CString CFile::GetFileName() const {
  const int slash = std::max(m_strFileName.ReverseFind(L'/'), m_strFileName.ReverseFind(L'\\'));
  return m_strFileName.Mid(slash + 1);
}

UINT CMemFile::Read(void* buffer, UINT count) {
  const size_t available = m_pos < m_data.size() ? m_data.size() - m_pos : 0;
  const size_t n = std::min<size_t>(count, available);
  if (n) std::memcpy(buffer, m_data.data() + m_pos, n);
  m_pos += n;
  return static_cast<UINT>(n);
}

void CMemFile::Write(const void* buffer, UINT count) {
  if (count == 0) return;
  if (m_pos + count > m_data.size()) m_data.resize(m_pos + count);
  std::memcpy(m_data.data() + m_pos, buffer, count);
  m_pos += count;
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from) {
  const LONGLONG base = from == begin ? 0
                        : from == current ? static_cast<LONGLONG>(m_pos)
                                          : static_cast<LONGLONG>(m_data.size());
  const LONGLONG target = base + offset;
  if (target < 0) throwError(CFileException::badSeek, 0);
  m_pos = static_cast<size_t>(target);
  return m_pos;
}
