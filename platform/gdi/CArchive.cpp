#include "platform/gdi/CArchive.h"

#include <bit>
#include <cstring>

namespace {

const char* causeText(int cause) {
  switch (cause) {
    case CArchiveException::readOnly: return "write to an archive that is loading";
    case CArchiveException::endOfFile: return "read past the end of the file";
    case CArchiveException::writeOnly: return "read from an archive that is storing";
    case CArchiveException::badSchema: return "unexpected data";
    default: return "archive error";
  }
}

}  // namespace

CArchiveException::CArchiveException(int cause, const CString& fileName)
    : CException(std::string("CArchiveException: ") + causeText(cause) +
                 (fileName.IsEmpty() ? std::string() : " '" + fileName.utf8() + "'")),
      m_cause(cause),
      m_strFileName(fileName) {}

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* /*lpBuf*/)
    : m_strFileName(pFile ? pFile->GetFilePath() : CString()),
      m_pFile(pFile),
      m_loading((nMode & load) != 0),
      m_flushOnDelete((nMode & bNoFlushOnDelete) == 0),
      m_bufSize(nBufSize > 0 ? static_cast<size_t>(nBufSize) : 1) {}

CArchive::~CArchive() {
  if (!m_pFile || m_loading || !m_flushOnDelete) return;
  try {
    Flush();
  } catch (const CException&) {
    // A destructor cannot report; callers who care call Flush or Close themselves.
  }
}

void CArchive::raise(int cause) const { throw CArchiveException(cause, m_strFileName); }

void CArchive::checkStoring() const {
  if (m_loading) raise(CArchiveException::readOnly);
}

void CArchive::checkLoading() const {
  if (!m_loading) raise(CArchiveException::writeOnly);
}

void CArchive::Flush() {
  if (!m_pFile || m_loading) return;
  if (!m_pending.empty()) {
    m_pFile->Write(m_pending.data(), static_cast<UINT>(m_pending.size()));
    m_pending.clear();
  }
  m_pFile->Flush();
}

void CArchive::Close() {
  Flush();
  m_pFile = nullptr;
}

void CArchive::Abort() {
  m_pending.clear();
  m_pFile = nullptr;
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
  checkStoring();
  if (!m_pFile) raise(CArchiveException::genericException);
  const BYTE* bytes = static_cast<const BYTE*>(lpBuf);
  m_pending.insert(m_pending.end(), bytes, bytes + nMax);
  if (m_pending.size() >= m_bufSize) {
    m_pFile->Write(m_pending.data(), static_cast<UINT>(m_pending.size()));
    m_pending.clear();
  }
}

void CArchive::Read(void* lpBuf, UINT nMax) {
  checkLoading();
  if (!m_pFile) raise(CArchiveException::genericException);
  if (m_pFile->Read(lpBuf, nMax) != nMax) raise(CArchiveException::endOfFile);
}

// Values are assembled byte by byte so the layout is little-endian on any host.
void CArchive::writeUnsigned(ULONGLONG v, int bytes) {
  BYTE out[8];
  for (int i = 0; i < bytes; ++i) out[i] = static_cast<BYTE>(v >> (8 * i));
  Write(out, static_cast<UINT>(bytes));
}

ULONGLONG CArchive::readUnsigned(int bytes) {
  BYTE in[8];
  Read(in, static_cast<UINT>(bytes));
  ULONGLONG v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<ULONGLONG>(in[i]) << (8 * i);
  return v;
}

CArchive& CArchive::operator<<(bool v) { writeUnsigned(v ? 1 : 0, 1); return *this; }
CArchive& CArchive::operator<<(BYTE v) { writeUnsigned(v, 1); return *this; }
CArchive& CArchive::operator<<(WORD v) { writeUnsigned(v, 2); return *this; }
CArchive& CArchive::operator<<(short v) { writeUnsigned(static_cast<WORD>(v), 2); return *this; }
CArchive& CArchive::operator<<(int v) { writeUnsigned(static_cast<UINT>(v), 4); return *this; }
CArchive& CArchive::operator<<(UINT v) { writeUnsigned(v, 4); return *this; }
CArchive& CArchive::operator<<(LONGLONG v) { writeUnsigned(static_cast<ULONGLONG>(v), 8); return *this; }
CArchive& CArchive::operator<<(ULONGLONG v) { writeUnsigned(v, 8); return *this; }
CArchive& CArchive::operator<<(float v) { writeUnsigned(std::bit_cast<std::uint32_t>(v), 4); return *this; }
CArchive& CArchive::operator<<(double v) { writeUnsigned(std::bit_cast<std::uint64_t>(v), 8); return *this; }

CArchive& CArchive::operator>>(bool& v) { v = readUnsigned(1) != 0; return *this; }
CArchive& CArchive::operator>>(BYTE& v) { v = static_cast<BYTE>(readUnsigned(1)); return *this; }
CArchive& CArchive::operator>>(WORD& v) { v = static_cast<WORD>(readUnsigned(2)); return *this; }
CArchive& CArchive::operator>>(short& v) { v = static_cast<short>(static_cast<WORD>(readUnsigned(2))); return *this; }
CArchive& CArchive::operator>>(int& v) { v = static_cast<int>(static_cast<UINT>(readUnsigned(4))); return *this; }
CArchive& CArchive::operator>>(UINT& v) { v = static_cast<UINT>(readUnsigned(4)); return *this; }
CArchive& CArchive::operator>>(LONGLONG& v) { v = static_cast<LONGLONG>(readUnsigned(8)); return *this; }
CArchive& CArchive::operator>>(ULONGLONG& v) { v = readUnsigned(8); return *this; }
CArchive& CArchive::operator>>(float& v) {
  v = std::bit_cast<float>(static_cast<std::uint32_t>(readUnsigned(4)));
  return *this;
}
CArchive& CArchive::operator>>(double& v) {
  v = std::bit_cast<double>(static_cast<std::uint64_t>(readUnsigned(8)));
  return *this;
}

// Length header: one byte below 0xFF; otherwise 0xFF and a word below 0xFFFF; otherwise
// 0xFFFF and a double word below 0xFFFFFFFF; otherwise that and a 64-bit length.
void CArchive::writeStringLength(ULONGLONG length) {
  writeUnsigned(0xFF, 1);
  writeUnsigned(0xFFFE, 2);  // the UTF-16 marker
  if (length < 0xFF) { writeUnsigned(length, 1); return; }
  writeUnsigned(0xFF, 1);
  if (length < 0xFFFE) { writeUnsigned(length, 2); return; }
  writeUnsigned(0xFFFF, 2);
  if (length < 0xFFFFFFFFull) { writeUnsigned(length, 4); return; }
  writeUnsigned(0xFFFFFFFFull, 4);
  writeUnsigned(length, 8);
}

ULONGLONG CArchive::readStringLength(bool& wide) {
  wide = false;
  ULONGLONG b = readUnsigned(1);
  if (b < 0xFF) return b;
  ULONGLONG w = readUnsigned(2);
  if (w == 0xFFFE) {
    wide = true;
    b = readUnsigned(1);
    if (b < 0xFF) return b;
    w = readUnsigned(2);
  }
  if (w < 0xFFFF) return w;
  const ULONGLONG d = readUnsigned(4);
  if (d < 0xFFFFFFFFull) return d;
  return readUnsigned(8);
}

CArchive& CArchive::operator<<(const CString& s) {
  checkStoring();
  const std::u16string units = toUtf16(s.str());
  writeStringLength(units.size());
  for (char16_t u : units) writeUnsigned(u, 2);
  return *this;
}

CArchive& CArchive::operator>>(CString& s) {
  checkLoading();
  bool wide = false;
  const ULONGLONG length = readStringLength(wide);
  readStringBody(length, wide, s);
  return *this;
}

bool CArchive::readStringAtMost(CString& s, ULONGLONG maxLength) {
  checkLoading();
  bool wide = false;
  const ULONGLONG length = readStringLength(wide);
  if (length > maxLength) return false;
  readStringBody(length, wide, s);
  return true;
}

ULONGLONG CArchive::bytesLeft() const {
  try {
    return m_pFile->GetLength() - m_pFile->GetPosition();
  } catch (const CFileException&) {
    return ~0ull;
  }
}

void CArchive::readStringBody(ULONGLONG length, bool wide, CString& s) {
  const size_t unitBytes = wide ? 2 : 1;
  if (length > bytesLeft() / unitBytes) raise(CArchiveException::endOfFile);
  // Read in bounded pieces: where the file's length is unknown, a corrupt length then
  // ends in endOfFile, not in a huge allocation.
  std::u16string units;
  std::wstring narrow;
  std::vector<BYTE> piece;
  ULONGLONG remaining = length;
  while (remaining > 0) {
    const size_t n = static_cast<size_t>(std::min<ULONGLONG>(remaining, 65536));
    piece.resize(n * unitBytes);
    Read(piece.data(), static_cast<UINT>(piece.size()));
    for (size_t i = 0; i < n; ++i) {
      if (wide) units.push_back(static_cast<char16_t>(piece[2 * i] | (piece[2 * i + 1] << 8)));
      else narrow.push_back(static_cast<wchar_t>(piece[i]));
    }
    remaining -= n;
  }
  s = wide ? CString(fromUtf16(units)) : CString(std::move(narrow));
}
