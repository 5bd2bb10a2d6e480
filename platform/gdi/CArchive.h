// Binary serialisation archive over a CFile, with the framework's byte layout: values
// little-endian, back to back, no padding or tags; bool as one byte; strings as a length
// header (UTF-16 marker FF FE FF, then the length) followed by UTF-16LE code units.
// Used by the draw engine's settings record. Limits: no object or class serialisation,
// no schema numbers; only the value types below.
#pragma once

#include "platform/gdi/CFile.h"

#include <vector>

// Raised by an archive. The cause says what went wrong; m_strFileName is the path of the
// archive's file (empty for a memory file).
class CArchiveException : public CException {
 public:
  enum {
    none = 0,
    genericException = 1,
    readOnly = 2,   // a value was written to a loading archive
    endOfFile = 3,  // a value was read past the end of the file
    writeOnly = 4,  // a value was read from a storing archive
    badIndex = 5,
    badClass = 6,
    badSchema = 7,
    bufferFull = 8,
  };
  CArchiveException(int cause, const CString& fileName);

  int m_cause;
  CString m_strFileName;
};

class CArchive {
 public:
  enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2 };

  // The archive borrows the file; it must outlive the archive. nBufSize bytes are
  // collected before a store reaches the file.
  CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
  // A storing archive flushes here unless bNoFlushOnDelete was given; errors are dropped.
  ~CArchive();
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return m_loading ? TRUE : FALSE; }
  BOOL IsStoring() const { return m_loading ? FALSE : TRUE; }
  CFile* GetFile() const { return m_pFile; }

  // Writes collected bytes to the file and flushes it (storing archives).
  void Flush();
  // Flushes and detaches from the file; the file stays open.
  void Close();
  // Detaches without writing what is still collected.
  void Abort();

  // Raw bytes. Read throws endOfFile when fewer than nMax bytes remain.
  void Read(void* lpBuf, UINT nMax);
  void Write(const void* lpBuf, UINT nMax);

  CArchive& operator<<(bool v);
  CArchive& operator<<(BYTE v);
  CArchive& operator<<(WORD v);
  CArchive& operator<<(short v);
  CArchive& operator<<(int v);
  CArchive& operator<<(UINT v);
  CArchive& operator<<(LONGLONG v);
  CArchive& operator<<(ULONGLONG v);
  CArchive& operator<<(float v);
  CArchive& operator<<(double v);
  // A string with the UTF-16 marker header.
  CArchive& operator<<(const CString& s);
  CArchive& operator<<(const wchar_t* s) { return *this << CString(s); }
  // Other pointers would silently turn into bool; forbid them.
  template <class T>
  CArchive& operator<<(T*) = delete;

  CArchive& operator>>(bool& v);
  CArchive& operator>>(BYTE& v);
  CArchive& operator>>(WORD& v);
  CArchive& operator>>(short& v);
  CArchive& operator>>(int& v);
  CArchive& operator>>(UINT& v);
  CArchive& operator>>(LONGLONG& v);
  CArchive& operator>>(ULONGLONG& v);
  CArchive& operator>>(float& v);
  CArchive& operator>>(double& v);
  // Accepts the UTF-16 marker form and the plain 8-bit form (bytes taken as Latin-1). A
  // length beyond the bytes left in the file raises endOfFile before anything is read.
  CArchive& operator>>(CString& s);
  // Reads a string of at most maxLength characters. A longer one is refused after its
  // length header: false, its characters unread and `s` unchanged.
  bool readStringAtMost(CString& s, ULONGLONG maxLength);

  // The path of the archive's file, carried by its exceptions.
  CString m_strFileName;

 private:
  void checkStoring() const;
  void checkLoading() const;
  [[noreturn]] void raise(int cause) const;
  void writeUnsigned(ULONGLONG v, int bytes);
  ULONGLONG readUnsigned(int bytes);
  // The string header: length in characters and whether they are 16-bit.
  ULONGLONG readStringLength(bool& wide);
  void writeStringLength(ULONGLONG length);
  void readStringBody(ULONGLONG length, bool wide, CString& s);
  // Bytes left in the file being loaded; the largest value when it cannot tell (a pipe).
  ULONGLONG bytesLeft() const;

  CFile* m_pFile;
  bool m_loading;
  bool m_flushOnDelete;
  size_t m_bufSize;
  std::vector<BYTE> m_pending;  // stored bytes not yet handed to the file
};
