// Test helper: where the topographic canvas draws a sensor, by its sensor-point formula:
// the layout's extent stretched to the canvas minus a frame margin, larger layout y
// higher on screen, then reflected when "Nose Up" is on (the default), clamped to the
// canvas. Lets tests check the host's 2-D layouts as a user would see them.
#pragma once

#include <algorithm>
#include <cstdint>

struct CanvasPoint {
  std::int64_t x = 0, y = 0;
};

struct CanvasPlacement {
  std::int64_t width = 400, height = 400, margin = 120;  // the canvas's default margin
  bool noseUp = true;
  bool radiology = false;
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;  // the trial's 2-D extent

  CanvasPoint at(double posX, double posY) const {
    const double scaleX = static_cast<double>(width - margin) / (xMax - xMin);
    const double scaleY = static_cast<double>(height - margin) / (yMax - yMin);
    const std::int64_t half = margin / 2;
    auto x = radiology ? static_cast<std::int64_t>(static_cast<double>(width - half) - posX * scaleX)
                       : static_cast<std::int64_t>(posX * scaleX + static_cast<double>(half));
    auto y = static_cast<std::int64_t>(static_cast<double>(height - half) - posY * scaleY);
    if (noseUp) y = static_cast<std::int64_t>(static_cast<double>(height) - static_cast<double>(margin) / 6.0 - static_cast<double>(y));
    return {std::clamp<std::int64_t>(x, 0, width - 1), std::clamp<std::int64_t>(y, 0, height - 1)};
  }
};
