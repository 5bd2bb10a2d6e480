#include "app/RenderCommand.h"

#include <exception>
#include <ostream>

#include "app/CommandMain.h"
#include "app/DatasetSource.h"
#include "app/OutputFiles.h"
#include "app/SettingsFile.h"
#include "app/TopoViewRender.h"
#include "app/ViewRender.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/PngExport.h"
#include "windows/single/CStaticSpctm1C.h"

namespace spctmview {

int runRender(const RenderOptions& o, CArrayMEDataSetqv& dataset, std::ostream& /*out*/, std::ostream& err) {
  const OutputFile outputs[] = {{"--out", o.out}, {"--save-settings", o.settingsOut}};
  if (!checkOutputs(outputs, "render", err)) return 1;
  CMEGSpctmDrawqv engine;
  if (!engine.setDrawMEGData(&dataset)) {
    err << "spctm-view render: the dataset has no current session and trial\n";
    return 1;
  }
  // The single view is the single-channel canvas's picture, bound as the window binds it
  // (which makes a channel with spectra current when the current one has none).
  CStaticSpctm1C canvas;
  canvas.m_pDraw = &engine;
  canvas.m_nSpctmClass = o.spctmClass;
  canvas.m_nDataKind = o.dataKind;
  canvas.setShowMEGData(&dataset);
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
  const CRect rect(0, 0, o.width, o.height);
  if (use("--colour")) applyColouring(engine, o.colouring);
  engine.m_nDataSource = o.dataSource;
  if (use("--zoom")) engine.m_dZoom = o.zoom > 0 ? o.zoom : canvas.getFitZoom4Rect(rect);
  if (use("--begin") || use("--window-time") || use("--window-freq")) {
    engine.m_nWinTimeBegin = o.timeBegin;
    engine.m_nWinFreqBegin = o.freqBegin;
  }
  if (o.topo.atMsGiven) engine.m_nWinTimeBegin = nearestTimePoint(engine, o.spctmClass, o.topo.atMs);
  if (o.topo.atHzGiven) engine.m_nWinFreqBegin = nearestFreqPoint(engine, o.spctmClass, o.topo.atHz);
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
  const CBitmap* image = &bitmap;
  int drawn = 0;
  if (o.view == RenderView::Single) {
    canvas.m_bShowWave = o.wave;
    canvas.m_bShowMeasures = !o.plain;
    canvas.m_bShowColorScale = !o.plain;
    if (o.plain) {
      engine.m_bShowSelect = false;
      engine.m_bShowSelectInfo = false;
      engine.m_bShowName = false;
    }
    drawn = canvas.placeSpctm4Zoom(rect) && canvas.drawSpctm2MemDC(&dc, rect);
    image = canvas.getMemBitmap();
  } else if (bitmap.CreateCompatibleBitmap(&dc, o.width, o.height)) {
    dc.SelectObject(&bitmap);
    std::string why;
    if (o.view == RenderView::Columns) {
      drawn = drawColumnsView(engine, dc, rect, o.spctmClass, o.dataKind);
    } else if (!drawTopoView(engine, dataset, dc, rect, o, why)) {
      err << "spctm-view render: " << why << "\n";
      return 1;
    } else {
      drawn = 1;
    }
  } else {
    err << "spctm-view render: cannot make a " << o.width << "x" << o.height << " image\n";
    return 1;
  }
  if (drawn == 0) {
    err << "spctm-view render: nothing to draw for this class, kind, source and channel\n";
    return 1;
  }
  const PixelSurface* pixels = image->surface();
  std::string why = "the picture holds no pixels";
  std::vector<unsigned char> png = pixels ? encodePng(*pixels, pixels->bounds(), &why) : std::vector<unsigned char>();
  if (png.empty()) {
    err << "spctm-view render: " << why << "\n";
    return 1;
  }
  const OutputContent files[] = {{o.out, std::move(png)},
                                 {o.settingsOut, o.settingsOut.empty() ? std::vector<unsigned char>() : drawSettingsRecord(engine)}};
  return writeOutputs(files, "render", err) ? 0 : 1;
}

int renderMain(const std::vector<std::string>& args) {
  return commandMain<RenderOptions>("render", args, parseRenderOptions, renderHelp, runRender);
}

}  // namespace spctmview
