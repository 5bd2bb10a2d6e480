#include "host/data/Projection2D.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kStandardUnitsPerRadian = 10.0;

// Polar angle about the vertical axis through `centre` and the unit direction of the
// horizontal offset in the layout frame; a point straight above or below the centre has
// no direction, (0, 0).
struct Polar {
  double theta = 0.0;
  Point2 direction;
};

std::optional<Polar> polarAbout(const Point3& p, const Point3& centre) {
  const double dx = p.x - centre.x, dy = p.y - centre.y, dz = p.z - centre.z;
  const double horizontal = std::hypot(dx, dy);
  if (horizontal == 0.0 && dz == 0.0) return std::nullopt;
  Polar polar;
  polar.theta = std::atan2(horizontal, dz);
  // The head frame's +y points to the nose, the layout frame's to the back of the head.
  if (horizontal > 0.0) polar.direction = {dx / horizontal, -dy / horizontal};
  return polar;
}

void moveToOrigin(Layout2D& layout) {
  for (Point2& p : layout.positions) {
    p.x -= layout.extent.xMin;
    p.y -= layout.extent.yMin;
  }
  layout.extent = extentOf(layout.positions);
}

}  // namespace

Extent2 extentOf(std::span<const Point2> points) {
  if (points.empty()) return {};
  Extent2 e{points[0].x, points[0].x, points[0].y, points[0].y};
  for (const Point2& p : points) {
    e.xMin = std::min(e.xMin, p.x);
    e.xMax = std::max(e.xMax, p.x);
    e.yMin = std::min(e.yMin, p.y);
    e.yMax = std::max(e.yMax, p.y);
  }
  return e;
}

Layout2D projectStandard(std::span<const Point3> points, const Point3& centre, double scale,
                         bool shiftToOrigin) {
  Layout2D layout;
  for (const Point3& p : points) {
    const std::optional<Polar> polar = polarAbout(p, centre);
    const double r = polar ? scale * kStandardUnitsPerRadian * polar->theta : 0.0;
    layout.positions.push_back(polar ? Point2{r * polar->direction.x, r * polar->direction.y} : Point2{});
  }
  layout.extent = extentOf(layout.positions);
  if (shiftToOrigin) moveToOrigin(layout);
  return layout;
}

std::optional<Layout2D> projectParameterised(std::span<const Point3> points,
                                             const ProjectionParameters& parameters) {
  if (!(parameters.unitsPerRadian > 0.0) || !std::isfinite(parameters.unitsPerRadian) ||
      !std::isfinite(parameters.centreDepth)) {
    return std::nullopt;
  }
  const Point3 centre{0.0, 0.0, -parameters.centreDepth};
  Layout2D layout;
  for (const Point3& p : points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return std::nullopt;
    const std::optional<Polar> polar = polarAbout(p, centre);
    if (!polar) return std::nullopt;
    const double r = parameters.unitsPerRadian * polar->theta;
    layout.positions.push_back({r * polar->direction.x, r * polar->direction.y});
  }
  layout.extent = extentOf(layout.positions);
  return layout;
}

bool scanToSize(Layout2D& layout, double size) {
  layout.extent = extentOf(layout.positions);
  moveToOrigin(layout);
  const double side = std::max(layout.extent.width(), layout.extent.height());
  if (!(side > 0.0) || !(size > 0.0)) return false;
  const double factor = size / side;
  for (Point2& p : layout.positions) {
    p.x *= factor;
    p.y *= factor;
  }
  layout.extent = extentOf(layout.positions);
  return true;
}
