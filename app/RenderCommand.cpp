#include "app/RenderCommand.h"

#include <exception>
#include <ostream>

#include "app/SettingsFile.h"
#include "app/ViewRender.h"
#include "host/io/DemoDataset.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/PngExport.h"

namespace spctmview {
namespace {

std::string narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

// Makes the named channel the trial's current one; a UsageError listing the names when
// there is none of that name.
void selectChannel(CMDTrialqv& trial, const std::wstring& name) {
  std::string names;
  for (std::int64_t i = 0; i < trial.getTotalChannel(); ++i) {
    const CMDChannelqv* ch = trial.getChannel(i);
    if (!ch) continue;
    if (ch->m_strName == name) {
      trial.setCurrentChannel(i);
      return;
    }
    if (!names.empty()) names += ' ';
    names += narrow(ch->m_strName);
  }
  throw UsageError("no channel named '" + narrow(name) + "'; the dataset has: " + names);
}

}  // namespace

std::unique_ptr<CArrayMEDataSetqv> loadDataset(const RenderOptions&, std::ostream& err, bool showProgress) {
  // Only the current trial, the epoch average, is drawn, so the accumulated trial is left out.
  DemoDatasetOptions demo;
  demo.segmentsTrial = false;
  if (showProgress) {
    demo.progress = [&err](std::string_view stage, int percent) {
      err << "\rspctm-view: " << stage << " " << percent << "%\x1b[K" << std::flush;
    };
  }
  try {
    auto dataset = buildDemoDataset(demo);
    if (showProgress) err << "\r\x1b[K" << std::flush;
    return dataset;
  } catch (const std::exception& e) {
    err << "\nspctm-view render: cannot build the demo dataset: " << e.what() << "\n";
    return nullptr;
  }
}

int runRender(const RenderOptions& o, CArrayMEDataSetqv& dataset, std::ostream& out, std::ostream& err) {
  CMEGSpctmDrawqv engine;
  if (!engine.setDrawMEGData(&dataset)) {
    err << "spctm-view render: the dataset has no current session and trial\n";
    return 1;
  }
  try {
    if (!o.channel.empty()) selectChannel(*engine.m_pTrial, o.channel);
  } catch (const UsageError& e) {
    err << "spctm-view render: " << e.what() << "\n";
    return 2;
  }
  // Saved settings first; then the options, of which only those named on the command
  // line replace what the settings hold.
  const bool fromSettings = !o.settingsIn.empty();
  if (fromSettings && !loadDrawSettings(engine, o.settingsIn, err)) return 1;
  const auto use = [&](const char* option) { return !fromSettings || o.has(option); };
  if (use("--colour")) applyColouring(engine, o.colouring);
  engine.m_nDataSource = o.dataSource;
  if (use("--zoom"))
    engine.m_dZoom = o.zoom > 0 ? o.zoom : fittedZoom(engine, CRect(0, 0, o.width, o.height), o.spctmClass, o.dataKind);
  if (use("--begin")) {
    engine.m_nWinTimeBegin = o.timeBegin;
    engine.m_nWinFreqBegin = o.freqBegin;
  }
  if (use("--columns")) engine.m_nColumns = o.columns;
  if (o.grid) engine.m_bShowTimeGrid = true;
  if (o.selectGiven) {
    if (CSpctmTrialqv* st = engine.m_pTrial->getSpctmTrial(false, o.spctmClass)) {
      st->setTrialSpctmSelectTime(o.select[0], o.select[1]);
      st->setTrialSpctmSelectFreq(o.select[2], o.select[3]);
    }
  }
  // The record holds the colour and outer ranges, not the standard one, which is fitted
  // (or set) from the options in any case.
  const double kept[] = {engine.m_dColorMin, engine.m_dColorMax, engine.m_dOuterMin, engine.m_dOuterMax};
  applyRanges(engine, o);
  if (!use("--range")) {
    engine.m_dColorMin = kept[0];
    engine.m_dColorMax = kept[1];
    engine.m_dOuterMin = kept[2];
    engine.m_dOuterMax = kept[3];
  }
  engine.m_bRecentreWave = 1;  // the strip's zero line in the middle, as the dialog puts it

  // Drawn off screen, as the canvases do, then written in one piece.
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  if (!bitmap.CreateCompatibleBitmap(&dc, o.width, o.height)) {
    err << "spctm-view render: cannot make a " << o.width << "x" << o.height << " image\n";
    return 1;
  }
  dc.SelectObject(&bitmap);
  const CRect rect(0, 0, o.width, o.height);
  int drawn = 0;
  switch (o.view) {
    case RenderView::Single:
      drawn = drawSingleView(engine, dc, rect, o.spctmClass, o.dataKind, {!o.plain, o.wave, !o.plain, !o.plain});
      break;
    case RenderView::Patches:
      drawn = drawPatchGrid(engine, dc, rect, o.modality, o.spctmClass, o.dataKind);
      break;
    case RenderView::Columns:
      drawn = drawColumnsView(engine, dc, rect, o.spctmClass, o.dataKind);
      break;
  }
  if (drawn == 0) {
    err << "spctm-view render: nothing to draw for this class, kind, source and channel\n";
    return 1;
  }
  std::string error;
  if (!writePng(bitmap, o.out, &error)) {
    err << "spctm-view render: " << error << "\n";
    return 1;
  }
  out << "spctm-view: wrote " << o.out << "\n";
  if (!o.settingsOut.empty()) {
    if (!saveDrawSettings(engine, o.settingsOut, err)) return 1;
    out << "spctm-view: wrote " << o.settingsOut << "\n";
  }
  return 0;
}

}  // namespace spctmview
