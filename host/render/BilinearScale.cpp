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

  // Separable: a source row is first blended across, pixel pair by pixel pair with the
  // weights of the part's columns, then each destination row blends two such rows with
  // its row weight. The sum is the same four products as blending all four corners at
  // once, without rounding in between, so the result is exact to the bit. A blended row
  // is kept while the destination rows still use it (two slots, rows run downwards).
  // Blue and red share one 64-bit word, 32 bits each: a channel's sum is at most
  // 255 · 2^(2·weightBits) plus the rounding half, below 2^32, so neither field carries
  // into the other.
  const auto width = static_cast<std::size_t>(part.Width());
  for (ScaleWorkspace::Row& slot : work.across) {
    slot.sourceRow = -1;
    slot.blueRed.resize(width);
    slot.green.resize(width);
  }
  const auto spread = [](std::uint32_t p) { return (p & 0xFFu) | (std::uint64_t{p & 0xFF0000u} << 16); };
  const auto blendAcross = [&](int imageRow, int keep) -> const ScaleWorkspace::Row& {
    for (const ScaleWorkspace::Row& slot : work.across)
      if (slot.sourceRow == imageRow) return slot;
    ScaleWorkspace::Row& slot = work.across[work.across[0].sourceRow == keep ? 1 : 0];
    slot.sourceRow = imageRow;
    const std::uint32_t* pixels = storedRow(imageRow);
    for (std::size_t x = 0; x < width; ++x) {
      const ScaleTap& col = work.columns[x];
      const std::uint32_t a = pixels[col.first], c = pixels[col.second];
      const std::uint32_t wx = col.weight, vx = unit - wx;
      slot.blueRed[x] = spread(a) * vx + spread(c) * wx;
      slot.green[x] = ((a >> 8) & 0xFF) * vx + ((c >> 8) & 0xFF) * wx;
    }
    return slot;
  };
  const std::uint64_t halfBoth = (std::uint64_t{half} << 32) | half;
  std::uint32_t* outRow = out;
  for (const ScaleTap& row : work.rows) {
    const ScaleWorkspace::Row& upper = blendAcross(row.first, row.second);
    const ScaleWorkspace::Row& lower = blendAcross(row.second, row.first);
    const std::uint32_t wy = row.weight, vy = unit - wy;
    const std::uint64_t* upperBR = upper.blueRed.data();
    const std::uint64_t* lowerBR = lower.blueRed.data();
    const std::uint32_t* upperG = upper.green.data();
    const std::uint32_t* lowerG = lower.green.data();
    for (std::size_t x = 0; x < width; ++x) {
      const std::uint64_t br = upperBR[x] * vy + lowerBR[x] * wy + halfBoth;
      const std::uint32_t g = (upperG[x] * vy + lowerG[x] * wy + half) >> shift;
      outRow[x] = static_cast<std::uint32_t>((br >> shift) & 0xFF) | (g << 8) |
                  (static_cast<std::uint32_t>((br >> (32 + shift)) & 0xFF) << 16);
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
