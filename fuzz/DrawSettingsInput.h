// One input of the settings-loader fuzz target, shared with the unit test that replays the
// checked-in corpus: the bytes are loaded as a draw-settings record into a fresh engine
// and the outcome is checked against what the record format promises. Only the archive's
// end-of-file exception is expected; any other exception passes out to the caller.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "draw/CMEGSpctmDrawqv.h"

namespace fuzzinput {

inline constexpr size_t kBodySize = 270;

struct SettingsLoad {
  int result = 0;          // serializeqv's result; -1 when the archive ran out of bytes
  ULONGLONG consumed = 0;  // bytes the loader read
  bool consistent = true;  // every promise below held
};

inline std::vector<BYTE> storeSettings(CMEGSpctmDrawqv& d) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    d.serializeqv(ar);
  }
  return file.data();
}

// Promises: a refused signature changes nothing and shows one message; another version
// changes nothing and shows one message; a complete body stores back to the same body
// bytes (bools written as 0 or 1); an end of file shows no message.
inline SettingsLoad loadDrawSettings(const std::uint8_t* data, size_t size) {
  static const std::vector<BYTE> freshRecord = [] {
    CMEGSpctmDrawqv fresh;
    return storeSettings(fresh);
  }();
  ScriptedServices* script = AfxGetApp()->scripted();
  if (script) script->messageBoxes.clear();

  SettingsLoad out;
  CMEGSpctmDrawqv d;
  CMemFile file(std::vector<BYTE>(data, data + size));
  try {
    CArchive ar(&file, CArchive::load);
    out.result = d.serializeqv(ar);
  } catch (const CArchiveException& e) {
    out.result = -1;
    out.consistent = e.m_cause == CArchiveException::endOfFile;
  }
  out.consumed = file.GetPosition();
  const size_t boxes = script ? script->messageBoxes.size() : 0;
  if (out.result == -1) {
    out.consistent = out.consistent && boxes == 0;
    return out;
  }

  const std::vector<BYTE> stored = storeSettings(d);
  const bool bodyRead = out.result == 1 && out.consumed >= kBodySize + 4 && boxes == 0;
  if (!bodyRead) {
    out.consistent = stored == freshRecord && (!script || boxes == 1);
    return out;
  }
  // The body is the last 270 bytes read; bool bytes come back as 0 or 1.
  std::vector<BYTE> body(data + out.consumed - kBodySize, data + out.consumed);
  for (size_t offset : {64u, 181u, 182u, 215u, 216u, 217u}) {
    BYTE& b = body[offset - 32];
    b = b ? 1 : 0;
  }
  out.consistent = std::equal(body.begin(), body.end(), stored.end() - static_cast<std::ptrdiff_t>(kBodySize));
  return out;
}

}  // namespace fuzzinput
