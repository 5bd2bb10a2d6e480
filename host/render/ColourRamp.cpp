#include "host/render/ColourRamp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace hostrender {
namespace {

// Dense samples of the curve; far more than the largest table so that the arc-length
// lookup is exact to well below one 8-bit step.
constexpr int kPathSamples = 4096;

OkLab mix(const OkLab& p, const OkLab& q, double t) {
  return {p.L + (q.L - p.L) * t, p.a + (q.a - p.a) * t, p.b + (q.b - p.b) * t};
}

OkLab bezierPoint(std::span<const OkLab> anchors, double t) {
  std::vector<OkLab> work(anchors.begin(), anchors.end());
  for (std::size_t level = work.size() - 1; level > 0; --level) {
    for (std::size_t i = 0; i < level; ++i) work[i] = mix(work[i], work[i + 1], t);
  }
  return work[0];
}

struct LuminanceTable {
  std::array<double, 256> linear{};
  LuminanceTable() {
    for (int v = 0; v < 256; ++v) linear[static_cast<std::size_t>(v)] = srgbToLinear(v / 255.0);
  }
};

const LuminanceTable& luminanceTable() {
  static const LuminanceTable table;
  return table;
}

LinearRgb linearOf(const std::array<int, 3>& rgb) {
  const auto& lin = luminanceTable().linear;
  return {lin[static_cast<std::size_t>(rgb[0])], lin[static_cast<std::size_t>(rgb[1])],
          lin[static_cast<std::size_t>(rgb[2])]};
}

// Rounds one target colour to 8 bits per channel. Among the eight neighbouring codes the
// nearest in OKLab that keeps the lightness order wins; rounding each channel on its own
// could step lightness backwards between two nearly equal neighbours. When no neighbour
// keeps the order the previous entry is repeated, which is invisible at these step sizes.
std::array<int, 3> quantise(const OkLab& target, const std::array<int, 3>* previous,
                            LightnessOrder order) {
  const LinearRgb lin = okLabToLinear(target);
  const std::array<double, 3> encoded{255.0 * linearToSrgb(std::clamp(lin.r, 0.0, 1.0)),
                                      255.0 * linearToSrgb(std::clamp(lin.g, 0.0, 1.0)),
                                      255.0 * linearToSrgb(std::clamp(lin.b, 0.0, 1.0))};
  const double previousY =
      previous ? relativeLuminance(linearOf(*previous)) : std::numeric_limits<double>::quiet_NaN();
  std::array<int, 3> best{};
  double bestDistance = std::numeric_limits<double>::infinity();
  for (int corner = 0; corner < 8; ++corner) {
    std::array<int, 3> candidate{};
    for (std::size_t ch = 0; ch < 3; ++ch) {
      const double down = std::floor(encoded[ch]);
      const double v = (corner >> ch) & 1 ? std::min(down + 1.0, 255.0) : down;
      candidate[ch] = static_cast<int>(v);
    }
    const LinearRgb candidateLinear = linearOf(candidate);
    if (previous) {
      const double y = relativeLuminance(candidateLinear);
      if (order == LightnessOrder::Rising ? y < previousY : y > previousY) continue;
    }
    const double distance = deltaEOk(linearToOkLab(candidateLinear), target);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidate;
    }
  }
  if (previous && bestDistance == std::numeric_limits<double>::infinity()) return *previous;
  return best;
}

}  // namespace

std::vector<COLORREF> buildColourRamp(std::span<const OkLab> anchors, int count,
                                      LightnessOrder order) {
  if (count < 1 || anchors.size() < 2) return {};

  // The curve as the colours really shown (gamut-clipped) and its running OKLab length.
  std::vector<OkLab> path(kPathSamples + 1);
  std::vector<double> length(kPathSamples + 1, 0.0);
  for (int i = 0; i <= kPathSamples; ++i) {
    const auto k = static_cast<std::size_t>(i);
    path[k] = clipChromaToGamut(bezierPoint(anchors, static_cast<double>(i) / kPathSamples));
    if (i > 0) length[k] = length[k - 1] + deltaEOk(path[k - 1], path[k]);
  }

  std::vector<COLORREF> table;
  table.reserve(static_cast<std::size_t>(count));
  std::array<int, 3> previous{};
  for (int entry = 0; entry < count; ++entry) {
    const double s = count == 1 ? 0.0 : length.back() * entry / (count - 1);
    const auto upper = std::lower_bound(length.begin() + 1, length.end() - 1, s);
    const auto hi = static_cast<std::size_t>(upper - length.begin());
    const double span = length[hi] - length[hi - 1];
    const double t = span > 0.0 ? std::clamp((s - length[hi - 1]) / span, 0.0, 1.0) : 0.0;
    const OkLab target = clipChromaToGamut(mix(path[hi - 1], path[hi], t));
    const std::array<int, 3> rgb = quantise(target, entry == 0 ? nullptr : &previous, order);
    table.push_back(RGB(rgb[0], rgb[1], rgb[2]));
    previous = rgb;
  }
  return table;
}

}  // namespace hostrender
