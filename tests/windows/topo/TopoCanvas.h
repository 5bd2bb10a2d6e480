// Helpers of the topographic canvas tests: a canvas bound to a built dataset and its own
// draw engine, with the check-box values it points at, drawing off screen at a chosen
// size; and a probe class that opens the canvas's protected pieces (colour tables,
// contour lines, field rectangle) to the tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/DatasetBuilder.h"
#include "windows/topo/CStaticSpctmContourMapqv.h"

namespace topotest {

class ProbeCanvas : public CStaticSpctmContourMapqv {
 public:
  using CStaticSpctmContourMapqv::fieldRect;
  using CStaticSpctmContourMapqv::m_colorIndex;
  using CStaticSpctmContourMapqv::m_contour;
  using CStaticSpctmContourMapqv::OnKeyDown;
};

// A canvas of width × height over the dataset of `b`: sensors shown, labels off, normal
// layout, sensor size 6, nose up, no scale or info text; flags window unless told.
struct Bound {
  std::unique_ptr<CArrayMEDataSetqv> ds;
  CMEGSpctmDrawqv engine;
  ProbeCanvas canvas;
  int showLabel = 0, showSensor = 1, radiology = 0, sensorSize = 6;
  CRect client;
  CDC screen;

  Bound(const megdata::DatasetBuilder& b, int width, int height) : ds(b.build()), client(0, 0, width, height) {
    engine.setDrawMEGData(ds.get());
    canvas.m_pShowLabel = &showLabel;
    canvas.m_pShowSensor = &showSensor;
    canvas.m_pRadiology = &radiology;
    canvas.m_pSensorSize = &sensorSize;
    canvas.m_bShowScale = 0;
    canvas.m_bShowInfo = 0;
    canvas.m_pDataSet = ds.get();
    canvas.m_pDraw = &engine;
    screen.CreateCompatibleDC(nullptr);
  }
  CMEGDataqv& session() const { return *ds->getSessionData(-1); }
  CMDTrialqv& trial() const { return *session().getTrialqv(-1); }
  int draw() { return canvas.drawAll(&screen, client); }
  COLORREF at(int x, int y) const { return canvas.m_pOffscreenDC->GetPixel(x, y); }
  COLORREF at(CPoint p) const { return at(p.x, p.y); }
  CPoint sensor(std::int64_t index) const { return canvas.sensorPoint(*trial().getChannel(index), radiology != 0); }
};

// Spectra whose every bin of channel c holds values[c].
inline megdata::SpctmValueFn perChannel(std::vector<double> values) {
  return [values](std::int64_t c, std::int64_t, std::int64_t, int) { return values[static_cast<std::size_t>(c)]; };
}

}  // namespace topotest
