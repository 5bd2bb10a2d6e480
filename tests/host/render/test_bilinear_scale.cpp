#include "host/render/BilinearScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace hostrender;

namespace {

constexpr std::uint32_t kPoison = 0xFFFFFFFF;

// A source image embedded in a larger buffer whose other pixels are poison: guard rows
// above and below and guard columns on the right of every row.
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
    return const_cast<std::uint32_t*>(source.pixels)[stored * source.stride + x];
  }
};

std::vector<std::uint32_t> scaleWhole(const PixelSource& s, int w, int h) {
  std::vector<std::uint32_t> out(static_cast<std::size_t>(w * h), 0);
  EXPECT_TRUE(scaleBilinear(s, w, h, CRect(0, 0, w, h), out.data(), w));
  return out;
}

int byteOf(std::uint32_t p, int byte) { return static_cast<int>((p >> (8 * byte)) & 0xFF); }

// Source coordinate sampled by destination index d, as the contract defines it.
double sampled(int d, int sourceSize, int destSize) {
  return std::clamp((d + 0.5) * sourceSize / destSize - 0.5, 0.0, sourceSize - 1.0);
}

}  // namespace

TEST(BilinearScale, ConstantImageStaysExactAndGuardsAreNeverRead) {
  for (bool bottomUp : {false, true}) {
    for (const auto& [sw, sh, dw, dh] : {std::array{7, 5, 61, 43}, std::array{40, 30, 9, 7},
                                         std::array{1, 1, 13, 3}, std::array{5, 9, 5, 9},
                                         std::array{3, 2, 1000, 1}}) {
      SCOPED_TRACE(testing::Message() << sw << "x" << sh << " -> " << dw << "x" << dh);
      GuardedSource g(sw, sh, bottomUp);
      for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) g.at(x, y) = 0x00A1B2C3;
      for (std::uint32_t p : scaleWhole(g.source, dw, dh)) ASSERT_EQ(p, 0x00A1B2C3u);
    }
  }
}

TEST(BilinearScale, KnownValuesOfATwoPixelImage) {
  const std::vector<std::uint32_t> src{0x00000000, 0x00C8C8C8};  // 0 and 200 in three bytes
  const PixelSource s{src.data(), 2, 1, 2, false};
  const std::vector<std::uint32_t> out = scaleWhole(s, 4, 1);
  // Samples at -0.25 (clamped to 0), 0.25, 0.75 and 1.25 (clamped to 1).
  EXPECT_EQ(out, (std::vector<std::uint32_t>{0x00000000, 0x00323232, 0x00969696, 0x00C8C8C8}));
  // The same size copies the image unchanged.
  EXPECT_EQ(scaleWhole(s, 2, 1), src);
}

TEST(BilinearScale, LinearRampsComeOutWithinOneLevel) {
  // Each byte carries its own ramp across x, a fourth one runs down the rows.
  constexpr int sw = 64, sh = 32, dw = 301, dh = 97;
  for (bool bottomUp : {false, true}) {
    GuardedSource g(sw, sh, bottomUp);
    for (int y = 0; y < sh; ++y)
      for (int x = 0; x < sw; ++x)
        g.at(x, y) = static_cast<std::uint32_t>(4 * x | (255 - 4 * x) << 8 | (10 + 3 * x) << 16 | (8 * y) << 24);
    const std::vector<std::uint32_t> out = scaleWhole(g.source, dw, dh);
    for (int y = 0; y < dh; ++y) {
      for (int x = 0; x < dw; ++x) {
        const std::uint32_t p = out[static_cast<std::size_t>(y * dw + x)];
        const double sx = sampled(x, sw, dw), sy = sampled(y, sh, dh);
        ASSERT_LE(std::abs(byteOf(p, 0) - 4.0 * sx), 1.0) << x << "," << y;
        ASSERT_LE(std::abs(byteOf(p, 1) - (255.0 - 4.0 * sx)), 1.0) << x << "," << y;
        ASSERT_LE(std::abs(byteOf(p, 2) - (10.0 + 3.0 * sx)), 1.0) << x << "," << y;
        ASSERT_LE(std::abs(byteOf(p, 3) - 8.0 * sy), 1.0) << x << "," << y;
      }
    }
  }
}

TEST(BilinearScale, APartEqualsTheSameRegionOfTheWholeImage) {
  GuardedSource g(11, 8, true);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 11; ++x) g.at(x, y) = static_cast<std::uint32_t>((x * 37 + y * 91) * 0x010307) & 0x00FFFFFF;
  constexpr int dw = 70, dh = 50;
  const std::vector<std::uint32_t> whole = scaleWhole(g.source, dw, dh);
  const CRect part(13, 21, 52, 49);
  const int stride = part.Width() + 3;  // output rows need not be packed
  std::vector<std::uint32_t> out(static_cast<std::size_t>(stride * part.Height()), kPoison);
  ASSERT_TRUE(scaleBilinear(g.source, dw, dh, part, out.data(), stride));
  for (int y = 0; y < part.Height(); ++y) {
    for (int x = 0; x < stride; ++x) {
      const std::uint32_t got = out[static_cast<std::size_t>(y * stride + x)];
      if (x < part.Width())
        ASSERT_EQ(got, whole[static_cast<std::size_t>((y + part.top) * dw + x + part.left)]) << x << "," << y;
      else
        ASSERT_EQ(got, kPoison) << "wrote past the part at " << x << "," << y;
    }
  }
}

TEST(BilinearScale, RejectsBadArgumentsWithoutWriting) {
  std::vector<std::uint32_t> src(6, 0x00123456), out(100, kPoison);
  const PixelSource s{src.data(), 3, 2, 3, false};
  struct Case {
    PixelSource source;
    int dw, dh;
    CRect part;
    std::ptrdiff_t stride;
    int bits;
  };
  const CRect all(0, 0, 10, 10);
  for (const Case& c : {Case{{nullptr, 3, 2, 3, false}, 10, 10, all, 10, 12}, Case{{src.data(), 0, 2, 3, false}, 10, 10, all, 10, 12},
                        Case{{src.data(), 3, 2, 2, false}, 10, 10, all, 10, 12}, Case{s, 0, 10, CRect(0, 0, 1, 1), 10, 12},
                        Case{s, 10, 10, CRect(0, 0, 11, 10), 11, 12}, Case{s, 10, 10, CRect(-1, 0, 5, 5), 10, 12},
                        Case{s, 10, 10, CRect(3, 3, 3, 8), 10, 12}, Case{s, 10, 10, all, 9, 12},
                        Case{s, 10, 10, all, 10, 13}, Case{s, 10, 10, all, 10, 0}}) {
    EXPECT_FALSE(scaleBilinear(c.source, c.dw, c.dh, c.part, out.data(), c.stride, c.bits));
  }
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](std::uint32_t p) { return p == kPoison; }));
  EXPECT_FALSE(scaleBilinear(s, 10, 10, all, nullptr, 10));
}
