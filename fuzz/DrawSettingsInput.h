// One input of the settings-loader fuzz target, shared with the unit test that replays the
// checked-in corpus: the bytes are loaded as a draw-settings record into a fresh engine,
// the outcome is checked against what the record format promises, and the engine then
// draws, hit-tests and steps with whatever it loaded. Only the archive's end-of-file
// exception is expected; any other exception passes out to the caller.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "draw/CMEGSpctmDrawqv.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/UiServices.h"
#include "tests/support/DatasetBuilder.h"

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

// The show operations, hit tests and view steps of the engine on a small dataset (three
// channels of 8 × 6, one hidden) and a small surface: loaded values are taken as they are,
// so none of them may make these crash, overflow or run away.
inline void useSettings(CMEGSpctmDrawqv& d) {
  const auto ds = megdata::DatasetBuilder()
                      .meg(L"A", 0, 0).meg(L"B", 1, 0).hidden().meg(L"C", 2, 0)
                      .grid(8, 6).waves(80, [](std::int64_t c, std::int64_t s) { return double(c + s % 7) - 3.0; })
                      .spectra(0, [](std::int64_t c, std::int64_t t, std::int64_t f, int k) {
                        return double((c + t * 3 - f * 2 + k) % 9) - 4.0;
                      })
                      .build();
  PixelSurface surface(64, 48);
  CDC dc(surface, CPoint(), surface.bounds());
  const CRect rect(0, 0, 64, 48);
  d.setDrawMEGData(ds.get());
  CSpctmChnlqv* chnl = d.m_pTrial->getChannel(0)->getSpctmChnl(false, 0);
  for (int kind = 0; kind < 3; kind += 2) {
    d.showSpctmOne(&dc, rect, 0, kind);
    d.drawOneSpctmMeasures(&dc, rect, 0, kind);
    d.showSpctmColorScale(&dc, rect, 0, kind, 20);
    d.showSpctmMC(&dc, rect, 0, kind);
    d.showSpctmContourMap(&dc, 2, 40, 30, 10, chnl, 0, kind);
    d.autoFitStdViewRng4CrntShowPro(0, 40, 60, 0, chnl, 0, kind);
  }
  std::int64_t a = 0, b = 0;
  d.getChnl_TimeFreqPts4MouseInMC(&dc, CPoint(45, 30), rect, a, b, 0, 2);
  d.getChnl_TimeFreqPts4MouseInMC(&dc, CPoint(3, 30), rect, a, b, 0, 2);
  d.getSampleID4MouseSpctmX(&dc, CPoint(30, 20), rect, a, b, 0, 2);
  d.getSpctmOneSelect4MousePt(CPoint(30, 20), a, b, 0, 2);
  d.animateSpctm(3, 2, 0, 1);
  d.mouseMoveSpctm(-2, 1, 0);
  d.addDrawBeginSampleIDXSpctm(5, 0, 2);
  d.showSpctmMC(&dc, rect, 0, 2);
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
  useSettings(d);
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
