#include "host/render/BilinearScale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace hostrender {
namespace {

void fillTaps(std::vector<ScaleTap>& out, int sourceSize, int destSize, int from, int to,
              int weightBits) {
  const double unit = static_cast<double>(1u << weightBits);
  const double ratio = static_cast<double>(sourceSize) / destSize;
  out.clear();
  for (int d = from; d < to; ++d) {
    const double s = std::clamp((d + 0.5) * ratio - 0.5, 0.0, static_cast<double>(sourceSize - 1));
    int first = static_cast<int>(s);
    auto weight = static_cast<std::uint32_t>(std::lround((s - first) * unit));
    if (weight == (1u << weightBits)) {  // rounded up onto the next pixel
      ++first;
      weight = 0;
    }
    out.push_back({first, std::min(first + 1, sourceSize - 1), weight});
  }
}

}  // namespace

bool scaleBilinear(const PixelSource& source, int dstWidth, int dstHeight, const CRect& part,
                   std::uint32_t* out, std::ptrdiff_t outStride, int weightBits,
                   ScaleWorkspace& work) {
  if (!source.pixels || source.width < 1 || source.height < 1 || source.stride < source.width ||
      dstWidth < 1 || dstHeight < 1 || !out || part.IsRectEmpty() || part.left < 0 ||
      part.top < 0 || part.right > dstWidth || part.bottom > dstHeight ||
      outStride < part.Width() || weightBits < 1 || weightBits > kMaxWeightBits) {
    return false;
  }
  fillTaps(work.columns, source.width, dstWidth, part.left, part.right, weightBits);
  fillTaps(work.rows, source.height, dstHeight, part.top, part.bottom, weightBits);
  const std::uint32_t unit = 1u << weightBits;
  const int shift = 2 * weightBits;
  const std::uint32_t half = 1u << (shift - 1);
  const auto storedRow = [&source](int imageRow) {
    const int stored = source.bottomUp ? source.height - 1 - imageRow : imageRow;
    return source.pixels + stored * source.stride;
  };

  // Separable: each destination row first blends its two source rows, channel by channel,
  // over every source column (weights of the row), then each pixel blends two of those
  // (weights of the column). The sum is the same four products as blending all four
  // corners at once, without rounding in between, so the result is exact to the bit.
  work.blended.resize(3 * static_cast<std::size_t>(source.width));
  std::uint32_t* const blended = work.blended.data();
  std::uint32_t* outRow = out;
  for (const ScaleTap& row : work.rows) {
    const std::uint32_t* upper = storedRow(row.first);
    const std::uint32_t* lower = storedRow(row.second);
    const std::uint32_t wy = row.weight, vy = unit - wy;
    for (int x = 0; x < source.width; ++x) {
      const std::uint32_t a = upper[x], c = lower[x];
      std::uint32_t* b = blended + 3 * x;
      b[0] = (a & 0xFF) * vy + (c & 0xFF) * wy;
      b[1] = ((a >> 8) & 0xFF) * vy + ((c >> 8) & 0xFF) * wy;
      b[2] = ((a >> 16) & 0xFF) * vy + ((c >> 16) & 0xFF) * wy;
    }
    std::uint32_t* dst = outRow;
    for (const ScaleTap& col : work.columns) {
      const std::uint32_t* p = blended + 3 * col.first;
      const std::uint32_t* q = blended + 3 * col.second;
      const std::uint32_t wx = col.weight, vx = unit - wx;
      *dst++ = ((p[0] * vx + q[0] * wx + half) >> shift) | (((p[1] * vx + q[1] * wx + half) >> shift) << 8) |
               (((p[2] * vx + q[2] * wx + half) >> shift) << 16);
    }
    outRow += outStride;
  }
  return true;
}

bool scaleBilinear(const PixelSource& source, int dstWidth, int dstHeight, const CRect& part,
                   std::uint32_t* out, std::ptrdiff_t outStride, int weightBits) {
  ScaleWorkspace work;
  return scaleBilinear(source, dstWidth, dstHeight, part, out, outStride, weightBits, work);
}

}  // namespace hostrender
