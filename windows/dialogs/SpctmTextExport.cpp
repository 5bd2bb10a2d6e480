#include "windows/dialogs/SpctmTextExport.h"

#include <cstdint>
#include <limits>

namespace {

void appendLittleEndian(std::vector<BYTE>& bytes, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<BYTE>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<BYTE> spctmTextExportBytes(const CString& text) {
  const std::u16string units = toUtf16(text.str());
  std::vector<BYTE> bytes;
  bytes.reserve(8 + 2 * (units.size() + 1));
  appendLittleEndian(bytes, static_cast<std::uint64_t>(units.size() + 1), 8);
  for (const char16_t unit : units) appendLittleEndian(bytes, unit, 2);
  appendLittleEndian(bytes, 0, 2);
  return bytes;
}

bool writeSpctmFile(const CString& path, const std::vector<BYTE>& bytes, std::string* error) {
  CFile file;
  CFileException openError(CFileException::none, 0, path);
  try {
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary, &openError)) throw openError;
    if (bytes.size() > std::numeric_limits<UINT>::max()) throw CFileException(CFileException::diskFull, 0, path);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Flush();
    file.Close();
  } catch (const CFileException& e) {
    file.Abort();
    if (error) *error = e.what();
    return false;
  }
  return true;
}

bool writeSpctmTextExport(const CString& path, const CString& text, std::string* error) {
  return writeSpctmFile(path, spctmTextExportBytes(text), error);
}
