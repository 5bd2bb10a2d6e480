#include "windows/topo/CStaticSpctmContourMap05Field.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/render/FieldImageMapping.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/DcStateScope.h"

int CStaticSpctmContourMap05Field::buildField() {
  if (!refreshBinding() || !buildSensorList(m_nChannelType) || m_grid.snsrCount < 1) return 0;
  // About one grid step per layout unit; an extent no grid could hold is refused by the
  // grid's allocation.
  const double extent = std::min(m_grid.xMax - m_grid.xMin, static_cast<double>(CDataGridRect::kMaxGridPoints));
  const int side = static_cast<int>(extent) + 2 * m_nGridMargin;
  if (!buildGridCoordinates(side, side, m_nGridMargin) || !buildWeights(m_nRadiusMode)) return 0;
  return computeValues();
}

int CStaticSpctmContourMap05Field::computeValues() {
  if (!refreshBinding() || m_pDraw == nullptr) return 0;
  CMDChannelqv* const* channels = m_pTrial->getAllChannelPt();
  const std::size_t points = m_grid.values.size();
  if (channels == nullptr || points == 0 || m_grid.weights.size() != points) return 0;
  const std::int64_t t0 = m_pDraw->m_nWinTimeBegin, t1 = t0 + m_nPatchTimePoints;
  const std::int64_t f0 = m_pDraw->m_nWinFreqBegin, f1 = f0 + m_nPatchFreqPoints;
  const auto total = static_cast<std::size_t>(m_pTrial->getTotalChannel());
  // Each listed sensor's window mean is asked of the host once per pass, however many
  // grid points it feeds.
  m_sensorState.assign(total, SensorValue::kNone);
  m_sensorValue.assign(total, 0.0);
  for (int s = 0; s < m_grid.snsrCount; ++s) {
    const auto c = static_cast<std::size_t>(m_grid.snsrLoc2D[static_cast<std::size_t>(s)].chnl);
    CSpctmChnlqv* spectrum = c < total && channels[c] != nullptr ? channels[c]->getSpctmChnl(false, m_nSpctmClass) : nullptr;
    if (spectrum == nullptr) continue;
    m_sensorValue[c] = spectrum->getSelectSpctmValue(t0, t1, f0, f1, m_nDataKind);
    m_sensorState[c] = SensorValue::kKnown;
  }
  double gridMin = 0.0, gridMax = 0.0;
  for (std::size_t k = 0; k < points; ++k) {
    const GridPointWeights& record = m_grid.weights[k];
    double sum = 0.0;
    for (std::size_t e = 0; e < record.chnl.size(); ++e) {
      const auto c = static_cast<std::size_t>(record.chnl[e]);
      if (c >= total || m_sensorState[c] == SensorValue::kNone) continue;
      sum += record.weight[e] * m_sensorValue[c];
      m_sensorState[c] = SensorValue::kMet;
    }
    m_grid.values[k] = sum;
    gridMin = k == 0 ? sum : std::min(gridMin, sum);
    gridMax = k == 0 ? sum : std::max(gridMax, sum);
  }
  // The sensor range covers the sensors some grid point took.
  bool metSensor = false;
  double sensorMin = 0.0, sensorMax = 0.0;
  for (std::size_t c = 0; c < total; ++c) {
    if (m_sensorState[c] != SensorValue::kMet) continue;
    sensorMin = metSensor ? std::min(sensorMin, m_sensorValue[c]) : m_sensorValue[c];
    sensorMax = metSensor ? std::max(sensorMax, m_sensorValue[c]) : m_sensorValue[c];
    metSensor = true;
  }
  if (!metSensor || sensorMax - sensorMin == 0.0) return 0;
  const double factor = (gridMax - gridMin) / (sensorMax - sensorMin);
  if (factor != 0.0) {
    for (double& v : m_grid.values) v /= factor;
  }
  m_dSensorMin = sensorMin;
  m_dSensorMax = sensorMax;
  const auto [lowest, highest] = std::minmax_element(m_grid.values.begin(), m_grid.values.end());
  m_dGridMin = *lowest;
  m_dGridMax = *highest;
  m_dFieldMaxAbs = std::max(std::abs(m_dGridMin), std::abs(m_dGridMax));
  m_dFieldMinAbs = std::abs(m_grid.values.front());
  for (double v : m_grid.values) m_dFieldMinAbs = std::min(m_dFieldMinAbs, std::abs(v));
  if (m_bAutofitColor) m_dLineThreshold = m_nLineLevels > 0 ? m_dFieldMaxAbs / m_nLineLevels : 0.0;
  m_dLineThreshold = std::clamp(m_dLineThreshold, 0.0, m_dFieldMaxAbs);
  return 1;
}

void CStaticSpctmContourMap05Field::fillFieldPixels(bool mirrored) {
  const int w = m_grid.gridWidth, h = m_grid.gridHeight;
  const auto mapping = hostrender::FieldImageMapping::make(w, h, 0, 0, 1.0, 1.0, mirrored, m_bNoseUp != 0);
  const UINT depth = m_pDraw->m_nColorDepth;
  const double lo = m_pDraw->m_dStdMin, hi = m_pDraw->m_dStdMax;
  // One table and one scale per sign: the absolute form uses the single table for both.
  const bool polarity = m_pDraw->m_bPolarity != 0;
  const int n = polarity ? CADRindex2Colorqv::polarityTableSize(depth) : CADRindex2Colorqv::singleTableSize(depth);
  const COLORREF* positive = polarity ? m_colorIndex.positiveTable(depth) : m_colorIndex.singleTable(depth);
  const COLORREF* negative = polarity ? m_colorIndex.negativeTable(depth) : positive;
  double scale = 0.0;
  if (polarity) {
    scale = n / (hi - lo != 0.0 ? hi - lo : 1e-7);
  } else {
    const double span = m_pDraw->m_dColorMax - m_pDraw->m_dColorMin;
    scale = n / (span != 0.0 ? span : 1.0);
  }
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const double v = m_grid.values[static_cast<std::size_t>(j) * static_cast<std::size_t>(w) + static_cast<std::size_t>(i)];
      const COLORREF* table = v < 0.0 ? negative : positive;
      const double a = std::abs(v);
      // A value that is not a number takes the first entry, like one at or below lo.
      int index = 0;
      if (!(a > lo)) {
        index = 0;
      } else if (a >= hi) {
        index = n - 1;
      } else {
        index = static_cast<int>(std::clamp((a - lo) * scale, 0.0, n - 1.0));
      }
      m_fieldPixels[mapping.bufferIndex(i, j)] = PixelSurface::pixelOf(table[index]);
    }
  }
}

CStaticSpctmContourMap05Field::FieldPlacement CStaticSpctmContourMap05Field::fieldPlacement(int left, int top,
                                                                                          bool mirrored) const {
  // The field image mapping puts column c's centre at L + (c − 0.5)·s and row r's (from
  // the top) at T + (r − 0.5)·s; solving for the layout position of grid point (i, j),
  // x = xmin + (i − margin)·stepX and y = ymin + (j − margin)·stepY, gives L and T.
  FieldPlacement p;
  const int w = m_grid.gridWidth, h = m_grid.gridHeight, m = m_grid.gridMargin;
  p.scaleX = m_dScaleX * m_grid.gridStepX;
  p.scaleY = m_dScaleY * m_grid.gridStepY;
  const double x0 = deviceX(m_grid.xMin, mirrored, left), y0 = deviceY(m_grid.yMin, top);
  const double L = mirrored ? x0 - (w - 1.5 - m) * p.scaleX : x0 - (m - 0.5) * p.scaleX;
  const double T = m_bNoseUp ? y0 - (m - 0.5) * p.scaleY : y0 - (h - 1.5 - m) * p.scaleY;
  p.left = static_cast<int>(std::lround(L));
  p.top = static_cast<int>(std::lround(T));
  return p;
}

CRect CStaticSpctmContourMap05Field::fieldRect(int left, int top, bool mirrored) const {
  if (m_grid.pointX.empty()) return CRect();
  CRect r(static_cast<int>(std::floor(deviceX(m_grid.pointX.front(), mirrored, left))),
          static_cast<int>(std::floor(deviceY(m_grid.pointY.front(), top))),
          static_cast<int>(std::floor(deviceX(m_grid.pointX.back(), mirrored, left))),
          static_cast<int>(std::floor(deviceY(m_grid.pointY.back(), top))));
  r.NormalizeRect();
  r.right += 1;
  r.bottom += 1;
  return r;
}

int CStaticSpctmContourMap05Field::drawFieldImage(CDC* pDC, int left, int top, BOOL mirrored) {
  if (m_pDraw == nullptr) return 0;
  if (m_grid.values.empty() && !buildField()) return 0;
  const int w = m_grid.gridWidth, h = m_grid.gridHeight;
  if (m_fieldInfo.bmiHeader.biWidth != w || m_fieldInfo.bmiHeader.biHeight != h) {
    m_fieldInfo.bmiHeader.biWidth = w;
    m_fieldInfo.bmiHeader.biHeight = h;  // positive: bottom-up
    m_fieldInfo.bmiHeader.biCompression = BI_RGB;
    m_fieldPixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  }
  fillFieldPixels(mirrored != 0);
  const FieldPlacement at = fieldPlacement(left, top, mirrored != 0);
  const auto mapping =
      hostrender::FieldImageMapping::make(w, h, at.left, at.top, at.scaleX, at.scaleY, mirrored != 0, m_bNoseUp != 0);
  const CRect& image = mapping.image;
  // The bitmap's outer half steps lie beyond the grid's extent, which the clip masks.
  DcStateScope scope(*pDC);
  scope.intersectClip(fieldRect(left, top, mirrored != 0));
  pDC->SetStretchBltMode(COLORONCOLOR);
  m_blitter.cleanData();
  if (!m_blitter.drawHighQualityImage(pDC, m_fieldPixels.data(), w, h, image.Width(), image.Height(), image.left,
                                      image.top, 1, 12)) {
    pDC->StretchDIBits(image.left, image.top, image.Width(), image.Height(), 0, 0, w, h, m_fieldPixels.data(),
                       &m_fieldInfo, DIB_RGB_COLORS, SRCCOPY);
  }
  return 1;
}

int CStaticSpctmContourMap05Field::drawFieldClip(CDC* pDC, int left, int top, int width, int height, BOOL mirrored) {
  const CRect extent = fieldRect(left, top, mirrored != 0);
  if (extent.IsRectEmpty() || !m_clips.initDcMemor(width, height, pDC, m_crBack, m_crFore)) return 0;
  return m_clips.transparentClip(extent.left, extent.top, extent.right, extent.bottom, pDC);
}

int CStaticSpctmContourMap05Field::drawHeadShape(CDC* pDC) {
  if (!m_bShowHeadShape) return 1;
  // The extent of the field as drawn: in the radiology layout the field is mirrored, and
  // its grid reaches one step further on its low side than on its high side, so the
  // unmirrored extent would sit a grid step beside it.
  const int half = static_cast<int>(m_nFrameMargin / 2);
  const CRect head = fieldRect(half, half, isRadiology());
  if (m_grid.snsrCount < 1 || head.IsRectEmpty()) return 0;
  const int r = std::max(2, (m_grid.gridWidth + m_grid.gridHeight) / 16);
  const int midX = (head.left + head.right - 1) / 2, midY = (head.top + head.bottom - 1) / 2;
  CPen pen(PS_SOLID, 1, m_crFore);
  DcStateScope scope(*pDC);
  scope.pen(&pen);
  pDC->Arc(head.left, head.top, head.right, head.bottom, head.left, midY, head.left, midY);
  // Half circles, each started where its arc begins so no line leads to it.
  const auto halfCircle = [&](int cx, int cy, float start) {
    const double a = start * std::numbers::pi / 180.0;
    pDC->MoveTo(cx + static_cast<int>(std::lround(r * std::cos(a))), cy - static_cast<int>(std::lround(r * std::sin(a))));
    pDC->AngleArc(cx, cy, r, start, 180.0f);
  };
  if (m_bNoseUp) {
    halfCircle(midX, head.top, 0.0f);  // the nose, bulging up
  } else {
    halfCircle(midX, head.bottom - 1, 180.0f);  // bulging down
  }
  halfCircle(head.left, midY, 90.0f);        // the left ear
  halfCircle(head.right - 1, midY, -90.0f);  // the right ear
  return 1;
}
