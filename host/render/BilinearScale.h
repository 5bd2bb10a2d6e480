// The smooth scaling kernel behind the high-quality bitmap drawer: a 32-bit pixel array
// scaled to any size by bilinear interpolation, written straight into a destination
// buffer. Callers clip first and ask only for the visible part of the scaled image.
// The three low bytes of a pixel (blue, green, red) are interpolated each on its own; the
// high byte is written as 0, the unused byte of a surface pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdi/BasicTypes.h"

namespace hostrender {

// A source image: `height` stored rows of `width` pixels, `stride` pixels apart (at least
// `width`). With `bottomUp` the first stored row is the bottom row of the image, as in a
// device-independent bitmap of positive height; otherwise it is the top row.
struct PixelSource {
  const std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;
  bool bottomUp = false;
};

// The most fractional bits an interpolation weight can have: with 12 bits a weighted sum
// of 8-bit values in both directions still fits 32-bit unsigned arithmetic.
inline constexpr int kMaxWeightBits = 12;

// Where one destination column (or row) samples the source: the two neighbouring source
// indices and the fixed-point weight of the second.
struct ScaleTap {
  int first = 0;
  int second = 0;
  std::uint32_t weight = 0;
};

// Working storage of one scaling, kept by callers that scale repeatedly so that a drawing
// allocates nothing once the storage has grown to its size.
struct ScaleWorkspace {
  std::vector<ScaleTap> columns;
  std::vector<ScaleTap> rows;
  // Two source rows blended across to the part's columns, each tagged with its image row
  // (−1 for none): blue and red in one word, green apart.
  struct Row {
    int sourceRow = -1;
    std::vector<std::uint64_t> blueRed;
    std::vector<std::uint32_t> green;
  };
  Row across[2];
};

// Scales `source` to dstWidth × dstHeight and writes the pixels of `part` (given in the
// scaled image's coordinates, half-open, wholly inside it) to `out`, which points at the
// pixel for part's top-left corner; rows of `out` are `outStride` pixels apart.
//
// Destination pixel centre x + 0.5 samples the source at (x + 0.5) · width / dstWidth − 0.5
// (likewise for y), clamped to the outermost source pixel centres, so the kernel reads no
// pixel outside the source and shifts nothing by half a pixel. Weights have `weightBits`
// fractional bits (1 to kMaxWeightBits); every byte is rounded to nearest, so a constant
// image comes out exactly constant (apart from its high byte). Downscaling by more than
// two skips source pixels (no area averaging).
//
// Returns false and writes nothing when an argument is out of range: no pixels, a size
// below 1, a stride below the width, an empty part or one reaching outside the scaled
// image, or weightBits outside 1 to kMaxWeightBits.
bool scaleBilinear(const PixelSource& source, int dstWidth, int dstHeight, const CRect& part,
                   std::uint32_t* out, std::ptrdiff_t outStride, int weightBits,
                   ScaleWorkspace& work);
// The same with storage of its own.
bool scaleBilinear(const PixelSource& source, int dstWidth, int dstHeight, const CRect& part,
                   std::uint32_t* out, std::ptrdiff_t outStride, int weightBits = kMaxWeightBits);

}  // namespace hostrender
