#include "host/render/CDataGridRect.h"

#include <cstddef>
#include <new>

SnsrLoc2D* CDataGridRect::checkInitSnsrLoc2D(int count) {
  if (count < 1) return nullptr;
  const auto needed = static_cast<std::size_t>(count);
  if (snsrLoc2D.size() < needed) {
    try {
      snsrLoc2D.resize(needed);
    } catch (const std::bad_alloc&) {
      cleanSnsrLoc2D();
      return nullptr;
    }
  }
  return snsrLoc2D.data();
}

double* CDataGridRect::initDataGridRect(int width, int height) {
  cleanDataGridRect();
  if (width < 1 || height < 1 || static_cast<long long>(width) * height > kMaxGridPoints) {
    return nullptr;
  }
  const auto points = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  try {
    pointX.assign(points, 0.0);
    pointY.assign(points, 0.0);
    axisOffsetX.assign(static_cast<std::size_t>(width), 0.0);
    axisOffsetY.assign(static_cast<std::size_t>(height), 0.0);
    weights.assign(points, GridPointWeights{});
    values.assign(points, 0.0);
  } catch (const std::bad_alloc&) {
    cleanDataGridRect();
    return nullptr;
  }
  gridWidth = width;
  gridHeight = height;
  return values.data();
}

void CDataGridRect::cleanDataGridRect() {
  gridWidth = 0;
  gridHeight = 0;
  // Swapping with empty vectors returns the memory; clear() would keep the capacity.
  std::vector<double>().swap(pointX);
  std::vector<double>().swap(pointY);
  std::vector<double>().swap(axisOffsetX);
  std::vector<double>().swap(axisOffsetY);
  std::vector<GridPointWeights>().swap(weights);
  std::vector<double>().swap(values);
}

void CDataGridRect::cleanSnsrLoc2D() {
  std::vector<SnsrLoc2D>().swap(snsrLoc2D);
  snsrCount = 0;
  xMin = yMin = kExtentMinStart;
  xMax = yMax = kExtentMaxStart;
}
