#include "host/render/BilinearScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace hostrender;

namespace {

constexpr std::uint32_t kPoison = 0xFFFFFFFF;

// A source image inside a larger buffer of poison: guard rows above and below, guard
// columns right of every row. A read outside the image shows up as 0xFF bytes.
struct GuardedSource {
  static constexpr int kGuardRows = 3, kGuardColumns = 5;
  std::vector<std::uint32_t> buffer;
  PixelSource source;
  GuardedSource(int width, int height, bool bottomUp) {
    const int stride = width + kGuardColumns;
    buffer.assign(static_cast<std::size_t>(stride * (height + 2 * kGuardRows)), kPoison);
    source = {buffer.data() + kGuardRows * stride, width, height, stride, bottomUp};
  }
  // Pixel of image row y (0 at the top), wherever the row order stores it.
  std::uint32_t& at(int x, int y) {
    const int stored = source.bottomUp ? source.height - 1 - y : y;
    return buffer[static_cast<std::size_t>((kGuardRows + stored) * source.stride + x)];
  }
};

int byteOf(std::uint32_t p, int byte) { return static_cast<int>((p >> (8 * byte)) & 0xFF); }

// Source coordinate sampled by destination index d, as the contract defines it.
double sampled(int d, int sourceSize, int destSize) {
  return std::clamp((d + 0.5) * sourceSize / destSize - 0.5, 0.0, sourceSize - 1.0);
}

}  // namespace

// A constant image comes out exactly constant and ramps within one level of the exact
// bilinear value, up and down, in both row orders; the poison guards are never read, and
// the unused high byte comes out 0 whatever the source holds there.
TEST(BilinearScale, ConstantsStayExactRampsStayWithinOneLevelAndNothingOutsideIsRead) {
  for (bool bottomUp : {false, true}) {
    for (const auto& [sw, sh, dw, dh] : {std::array{7, 5, 61, 43}, std::array{40, 30, 9, 7},
                                         std::array{1, 1, 13, 3}, std::array{64, 32, 301, 97}}) {
      SCOPED_TRACE(testing::Message() << sw << "x" << sh << " -> " << dw << "x" << dh << " bottomUp " << bottomUp);
      GuardedSource constant(sw, sh, bottomUp), ramp(sw, sh, bottomUp);
      for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
          constant.at(x, y) = 0x00A1B2C3;
          ramp.at(x, y) = static_cast<std::uint32_t>(4 * x | (255 - 4 * x) << 8 | (8 * y) << 16 | 0x7F << 24);
        }
      }
      std::vector<std::uint32_t> a(static_cast<std::size_t>(dw * dh)), b(a.size());
      ASSERT_TRUE(scaleBilinear(constant.source, dw, dh, CRect(0, 0, dw, dh), a.data(), dw));
      ASSERT_TRUE(scaleBilinear(ramp.source, dw, dh, CRect(0, 0, dw, dh), b.data(), dw));
      for (int y = 0; y < dh; ++y) {
        for (int x = 0; x < dw; ++x) {
          const std::size_t k = static_cast<std::size_t>(y * dw + x);
          ASSERT_EQ(a[k], 0x00A1B2C3u) << x << "," << y;
          const double sx = sampled(x, sw, dw), sy = sampled(y, sh, dh);
          ASSERT_LE(std::abs(byteOf(b[k], 0) - 4.0 * sx), 1.0) << x << "," << y;
          ASSERT_LE(std::abs(byteOf(b[k], 1) - (255.0 - 4.0 * sx)), 1.0) << x << "," << y;
          ASSERT_LE(std::abs(byteOf(b[k], 2) - 8.0 * sy), 1.0) << x << "," << y;
          ASSERT_EQ(byteOf(b[k], 3), 0) << x << "," << y;
        }
      }
    }
  }
}

// Every byte equals the four-corner blend of the contract, rounded once, whatever the
// weight bits: noisy pixels in all three channels, up and down, in parts of the image.
TEST(BilinearScale, EveryByteIsTheFourCornerBlendRoundedOnce) {
  std::uint32_t seed = 12345;
  const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (int bits : {1, 7, kMaxWeightBits}) {
    for (const auto& [sw, sh, dw, dh] : {std::array{9, 6, 53, 41}, std::array{31, 17, 12, 40}}) {
      SCOPED_TRACE(testing::Message() << sw << "x" << sh << " -> " << dw << "x" << dh << " bits " << bits);
      GuardedSource src(sw, sh, true);
      for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) src.at(x, y) = next();
      const CRect part(3, 2, dw - 1, dh - 4);
      std::vector<std::uint32_t> out(static_cast<std::size_t>(part.Width() * part.Height()));
      ASSERT_TRUE(scaleBilinear(src.source, dw, dh, part, out.data(), part.Width(), bits));
      const double unit = std::ldexp(1.0, bits);
      const auto tap = [unit](int d, int n, int dn, int& first, int& second) {
        const double s = sampled(d, n, dn);
        first = static_cast<int>(s);
        auto w = static_cast<std::uint32_t>(std::lround((s - first) * unit));
        if (w == static_cast<std::uint32_t>(unit)) ++first, w = 0;
        second = std::min(first + 1, n - 1);
        return w;
      };
      for (int y = part.top; y < part.bottom; ++y) {
        for (int x = part.left; x < part.right; ++x) {
          int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
          const std::uint32_t wx = tap(x, sw, dw, x0, x1), wy = tap(y, sh, dh, y0, y1);
          const std::uint32_t u = static_cast<std::uint32_t>(unit);
          const std::uint32_t got = out[static_cast<std::size_t>((y - part.top) * part.Width() + (x - part.left))];
          for (int byte = 0; byte < 3; ++byte) {
            const std::uint64_t sum = std::uint64_t{static_cast<std::uint32_t>(byteOf(src.at(x0, y0), byte))} * (u - wx) * (u - wy) +
                                      std::uint64_t{static_cast<std::uint32_t>(byteOf(src.at(x1, y0), byte))} * wx * (u - wy) +
                                      std::uint64_t{static_cast<std::uint32_t>(byteOf(src.at(x0, y1), byte))} * (u - wx) * wy +
                                      std::uint64_t{static_cast<std::uint32_t>(byteOf(src.at(x1, y1), byte))} * wx * wy;
            const auto want = static_cast<int>((sum + (std::uint64_t{1} << (2 * bits - 1))) >> (2 * bits));
            ASSERT_EQ(byteOf(got, byte), want) << x << "," << y << " byte " << byte;
          }
          ASSERT_EQ(byteOf(got, 3), 0);
        }
      }
    }
  }
}
