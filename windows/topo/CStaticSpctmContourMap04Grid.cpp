#include "windows/topo/CStaticSpctmContourMap04Grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

int CStaticSpctmContourMap04Grid::buildSensorList(int nChannelType) {
  if (!refreshBinding() || !ensure2DLayout(nChannelType)) return 0;
  const std::int64_t total = m_pTrial->getTotalChannel();
  m_grid.cleanSnsrLoc2D();
  SnsrLoc2D* records = m_grid.checkInitSnsrLoc2D(static_cast<int>(total));
  if (records == nullptr) return 0;
  int count = 0;
  CMDChannelqv* const* channels = m_pTrial->getAllChannelPt();
  for (std::int64_t i = 0; channels != nullptr && i < total; ++i) {
    if (channels[i] == nullptr || !isOfType(*channels[i], nChannelType) || !m_pSession->isGoodChnl4Alltrials(i)) continue;
    SnsrLoc2D& r = records[count++];
    layoutPosition(*channels[i], nChannelType, r.x, r.y);
    r.chnl = static_cast<std::int32_t>(i);
    m_grid.xMin = count == 1 ? r.x : std::min(m_grid.xMin, r.x);
    m_grid.xMax = count == 1 ? r.x : std::max(m_grid.xMax, r.x);
    m_grid.yMin = count == 1 ? r.y : std::min(m_grid.yMin, r.y);
    m_grid.yMax = count == 1 ? r.y : std::max(m_grid.yMax, r.y);
  }
  m_grid.snsrCount = count;
  m_grid.scale = 1.0 / m_dStdProjectionScale;
  return 1;
}

int CStaticSpctmContourMap04Grid::buildGridCoordinates(int width, int height, int margin) {
  if (width <= 2 * margin || height <= 2 * margin) return 0;
  if (m_grid.gridWidth != width || m_grid.gridHeight != height) {
    if (m_grid.initDataGridRect(width, height) == nullptr) return 0;
  }
  if (m_grid.snsrCount < 1) buildSensorList(m_nChannelType);
  if (m_grid.snsrCount < 1) return 0;
  m_grid.gridMargin = margin;
  m_grid.gridStepX = (m_grid.xMax - m_grid.xMin) / (width - 2 * margin);
  m_grid.gridStepY = (m_grid.yMax - m_grid.yMin) / (height - 2 * margin);
  for (int i = 0; i < width; ++i) m_grid.axisOffsetX[static_cast<std::size_t>(i)] = (i - margin) * m_grid.gridStepX;
  for (int j = 0; j < height; ++j) m_grid.axisOffsetY[static_cast<std::size_t>(j)] = (j - margin) * m_grid.gridStepY;
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      const auto k = static_cast<std::size_t>(j) * static_cast<std::size_t>(width) + static_cast<std::size_t>(i);
      m_grid.pointX[k] = m_grid.xMin + m_grid.axisOffsetX[static_cast<std::size_t>(i)];
      m_grid.pointY[k] = m_grid.yMin + m_grid.axisOffsetY[static_cast<std::size_t>(j)];
    }
  }
  return 1;
}

double CStaticSpctmContourMap04Grid::meanSpacing(int nRadiusMode) const {
  const int n = m_grid.snsrCount;
  if (n < 1) return 0.0;
  double minSq = 10000.0, sumNearest = 0.0;
  for (int a = 0; a < n; ++a) {
    double nearestSq = std::numeric_limits<double>::max();
    for (int b = 0; b < n; ++b) {
      if (b == a) continue;
      const double dx = m_grid.snsrLoc2D[static_cast<std::size_t>(a)].x - m_grid.snsrLoc2D[static_cast<std::size_t>(b)].x;
      const double dy = m_grid.snsrLoc2D[static_cast<std::size_t>(a)].y - m_grid.snsrLoc2D[static_cast<std::size_t>(b)].y;
      nearestSq = std::min(nearestSq, dx * dx + dy * dy);
    }
    minSq = std::min(minSq, nearestSq);
    sumNearest += std::sqrt(nearestSq);
  }
  return nRadiusMode != 0 ? 1.6 * sumNearest / n : 0.3 * std::sqrt(minSq);
}

int CStaticSpctmContourMap04Grid::buildWeights(int nRadiusMode) {
  const int w = m_grid.gridWidth, h = m_grid.gridHeight;
  if (m_grid.snsrCount < 1 || w < 1 || h < 1) return 0;
  const double radius = meanSpacing(nRadiusMode);
  if (!(radius > 0.0)) return 0;
  for (GridPointWeights& record : m_grid.weights) {
    record.chnl.clear();
    record.weight.clear();
  }
  // Sensors in list order, each visiting only the grid points of its radius's square, so
  // every point's record still takes its sensors in list order.
  const auto span = [](double centre, double first, double step, int count, double r, int& lo, int& hi) {
    if (!(step > 0.0)) {
      lo = 0;
      hi = count - 1;
      return;
    }
    lo = static_cast<int>(std::max(0.0, std::floor((centre - r - first) / step)));
    hi = static_cast<int>(std::min(count - 1.0, std::ceil((centre + r - first) / step)));
  };
  const double firstX = m_grid.pointX.front(), firstY = m_grid.pointY.front();
  for (int s = 0; s < m_grid.snsrCount; ++s) {
    const SnsrLoc2D& sensor = m_grid.snsrLoc2D[static_cast<std::size_t>(s)];
    int i0 = 0, i1 = 0, j0 = 0, j1 = 0;
    span(sensor.x, firstX, m_grid.gridStepX, w, radius, i0, i1);
    span(sensor.y, firstY, m_grid.gridStepY, h, radius, j0, j1);
    for (int j = j0; j <= j1; ++j) {
      for (int i = i0; i <= i1; ++i) {
        const auto k = static_cast<std::size_t>(j) * static_cast<std::size_t>(w) + static_cast<std::size_t>(i);
        const double d = std::hypot(m_grid.pointX[k] - sensor.x, m_grid.pointY[k] - sensor.y);
        if (!(d < radius)) continue;
        m_grid.weights[k].chnl.push_back(sensor.chnl);
        m_grid.weights[k].weight.push_back(1.0 - d / radius + 0.125);
      }
    }
  }
  for (GridPointWeights& record : m_grid.weights) {
    double sum = 0.0;
    for (double v : record.weight) sum += v;
    for (double& v : record.weight) v /= sum;
  }
  return 1;
}
