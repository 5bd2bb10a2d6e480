#include "app/TopoViewRender.h"

#include <cmath>

#include "platform/ui/CommonDialogs.h"
#include "windows/topo/CStaticSpctmContourMapqv.h"

namespace spctmview {
namespace {

// The point of a spectral axis nearest `value`, through the axis's own conversion.
template <class Axis>
long long nearestPoint(std::int64_t count, double value, Axis axis) {
  long long best = -1;
  double bestDistance = 0.0;
  for (std::int64_t p = 0; p < count; ++p) {
    const double distance = std::abs(axis(p) - value);
    if (best < 0 || distance < bestDistance) {
      best = p;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

long long nearestTimePoint(CMEGSpctmDrawqv& engine, int spctmClass, double ms) {
  const CSpctmTrialqv* spctm = engine.updateMEGData() ? engine.m_pTrial->getSpctmTrial(false, spctmClass) : nullptr;
  if (spctm == nullptr) return -1;
  return nearestPoint(spctm->getTrialSpctmTimePt(), ms,
                      [&](std::int64_t t) { return spctm->getSpctmLatencyMs4TimeIndex(t); });
}

long long nearestFreqPoint(CMEGSpctmDrawqv& engine, int spctmClass, double hz) {
  const CSpctmTrialqv* spctm = engine.updateMEGData() ? engine.m_pTrial->getSpctmTrial(false, spctmClass) : nullptr;
  if (spctm == nullptr) return -1;
  return nearestPoint(spctm->getTrialSpctmFreqPt(), hz, [&](std::int64_t f) { return spctm->getSpctmFreq4FreqIndex(f); });
}

int drawTopoView(CMEGSpctmDrawqv& engine, CArrayMEDataSetqv& dataset, CDC& dc, const CRect& rect,
                 const RenderOptions& o, std::string& why) {
  const TopoOptions& t = o.topo;
  int showLabel = t.labels ? 1 : 0, showSensor = t.sensors ? 1 : 0, radiology = t.radiology ? 1 : 0;
  int sensorSize = t.sensorSize;
  CStaticSpctmContourMapqv canvas;
  canvas.m_pShowLabel = &showLabel;
  canvas.m_pShowSensor = &showSensor;
  canvas.m_pRadiology = &radiology;
  canvas.m_pSensorSize = &sensorSize;
  canvas.m_bNoseUp = t.noseUp;
  canvas.m_bShowScale = t.scale;
  canvas.m_bShowInfo = t.info;
  canvas.m_bShowHeadShape = t.head;
  canvas.m_nChannelType = o.modality == Modality::Meg ? 0 : 1;
  canvas.m_bFlagsMode = o.view == RenderView::Flags;
  canvas.m_nDisplayMode = o.view == RenderView::Lines ? 1 : o.view == RenderView::FieldLines ? 2 : 0;
  canvas.m_pDataSet = &dataset;
  canvas.m_pDraw = &engine;
  canvas.m_nSpctmClass = o.spctmClass;
  canvas.m_nDataKind = o.dataKind;
  canvas.m_nPatchTimePoints = t.timePoints;
  canvas.m_nPatchFreqPoints = t.freqPoints;
  if (!canvas.refreshBinding()) {
    why = "the dataset has no current session and trial";
    return 0;
  }
  if (canvas.m_bFlagsMode) {
    if (o.autoRange) canvas.autofitAllPatches(canvas.m_nChannelType);
  } else {
    if (!canvas.buildField()) {
      why = "no field: the modality has no good sensors with spectra of this class and kind, or they all have one value";
      return 0;
    }
    canvas.recompute();
    if (o.autoRange) {
      engine.m_dStdMin = 0.0;
      engine.m_dStdMax = canvas.m_dFieldMaxAbs;
    }
  }
  if (!canvas.drawAll(&dc, rect)) {
    // The canvas says why in a message box, which the headless face keeps.
    const ScriptedServices* services = AfxGetApp()->scripted();
    why = services != nullptr && !services->messageBoxes.empty() ? services->messageBoxes.back().text.utf8()
                                                                  : "the canvas could not draw";
    return 0;
  }
  dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), canvas.m_pOffscreenDC.get(), 0, 0, SRCCOPY);
  return 1;
}

}  // namespace spctmview
