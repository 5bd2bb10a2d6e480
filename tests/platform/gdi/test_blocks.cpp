// Block transfers and images: BitBlt with its raster operations and cuts, StretchDIBits
// with bottom-up and top-down images, PNG export read back.
#include "tests/platform/gdi/PixelTest.h"

#include <png.h>

#include <cstring>
#include <vector>

using namespace pixeltest;

namespace {

// A memory DC over a w x h bitmap whose pixel (x, y) is RGB(x * 10, y * 10, 7).
struct Patterned {
  CDC dc;
  CBitmap bitmap;
  Patterned(int w, int h) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, w, h);
    dc.SelectObject(&bitmap);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) dc.SetPixel(x, y, colour(x, y));
    }
  }
  static COLORREF colour(int x, int y) { return RGB(x * 10, y * 10, 7); }
};

// Rows of a 4 x 3 test image, top row first: each pixel's value names its place.
std::uint32_t imagePixel(int x, int y) { return static_cast<std::uint32_t>(0x00100000 * (y + 1) + x); }

std::vector<std::uint32_t> imageRows(bool bottomUp) {
  std::vector<std::uint32_t> rows;
  for (int i = 0; i < 3; ++i) {
    const int y = bottomUp ? 2 - i : i;
    for (int x = 0; x < 4; ++x) rows.push_back(imagePixel(x, y));
  }
  return rows;
}

BITMAPINFO header(int w, int h) {
  BITMAPINFO info{};
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  return info;
}

}  // namespace

TEST(BitBlt, CopiesTheBlockAndCutsItAtBothEnds) {
  Patterned src(10, 8);
  Canvas c(30, 20);
  ASSERT_TRUE(c.dc.BitBlt(5, 4, 6, 5, &src.dc, 2, 1, SRCCOPY));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) {
      const bool inside = x >= 5 && x < 11 && y >= 4 && y < 9;
      EXPECT_EQ(c.at(x, y), inside ? Patterned::colour(x - 3, y - 3) : kWhite) << x << "," << y;
    }
  }
  // Source running off its bitmap and destination running off the clip rectangle.
  PixelSurface s(30, 20, kWhite);
  CDC dc(s, CPoint(0, 0), CRect(0, 0, 12, 20));
  ASSERT_TRUE(dc.BitBlt(-2, 0, 40, 40, &src.dc, 6, 4, SRCCOPY));
  EXPECT_EQ(inkBounds(s, kWhite), CRect(0, 0, 2, 4));
  EXPECT_EQ(s.colorAt(0, 0), Patterned::colour(8, 4));
  EXPECT_EQ(s.colorAt(1, 3), Patterned::colour(9, 7));
  EXPECT_FALSE(dc.BitBlt(0, 0, 5, 5, nullptr, 0, 0, SRCCOPY));
  EXPECT_FALSE(dc.BitBlt(0, 0, 5, 5, &src.dc, 0, 0, 0x00123456));
  EXPECT_FALSE(dc.BitBlt(0, 0, -5, 5, &src.dc, 0, 0, SRCCOPY));
}

TEST(BitBlt, OverlappingCopyWithinOneSurfaceMovesTheOriginalPixels) {
  for (const int shift : {-3, 3}) {
    Patterned p(12, 12);
    const PixelSurface before = *p.bitmap.surface();
    p.dc.BitBlt(0, shift, 12, 12, &p.dc, 0, 0, SRCCOPY);
    for (int y = std::max(0, shift); y < std::min(12, 12 + shift); ++y) {
      for (int x = 0; x < 12; ++x) ASSERT_EQ(p.dc.GetPixel(x, y), before.colorAt(x, y - shift)) << shift;
    }
  }
}

TEST(BitBlt, RasterOperationsCombineAsNamed) {
  Patterned src(2, 1);  // (0,0) = RGB(0,0,7), (1,0) = RGB(10,0,7)
  auto run = [&](DWORD rop, COLORREF dst) {
    Canvas c(2, 1);
    c.surface.fill(dst);
    CBrush brush(RGB(1, 2, 3));
    c.dc.SelectObject(&brush);
    EXPECT_TRUE(c.dc.BitBlt(0, 0, 2, 1, &src.dc, 0, 0, rop));
    return c.at(1, 0);
  };
  const COLORREF d = RGB(0x0F, 0xF0, 0x03);
  const COLORREF s = RGB(10, 0, 7);
  EXPECT_EQ(run(SRCCOPY, d), s);
  EXPECT_EQ(run(SRCPAINT, d), s | d);
  EXPECT_EQ(run(SRCAND, d), s & d);
  EXPECT_EQ(run(SRCINVERT, d), s ^ d);
  EXPECT_EQ(run(DSTINVERT, d), d ^ 0x00FFFFFF);
  EXPECT_EQ(run(BLACKNESS, d), kBlack);
  EXPECT_EQ(run(WHITENESS, d), kWhite);
  EXPECT_EQ(run(PATCOPY, d), RGB(1, 2, 3));
}

TEST(StretchDIBits, BottomUpAndTopDownImagesLookTheSame) {
  const auto topDown = imageRows(false);
  const auto bottomUp = imageRows(true);
  const BITMAPINFO td = header(4, -3);
  const BITMAPINFO bu = header(4, 3);
  for (const int mode : {COLORONCOLOR, HALFTONE}) {
    Canvas a(20, 20);
    Canvas b(20, 20);
    a.dc.SetStretchBltMode(mode);
    EXPECT_EQ(a.dc.StretchDIBits(2, 3, 8, 6, 0, 0, 4, 3, topDown.data(), &td, DIB_RGB_COLORS, SRCCOPY), 3);
    EXPECT_EQ(b.dc.StretchDIBits(2, 3, 8, 6, 0, 0, 4, 3, bottomUp.data(), &bu, DIB_RGB_COLORS, SRCCOPY), 3);
    EXPECT_TRUE(a.surface == b.surface);
    // Doubled: each image pixel becomes a 2 x 2 block, top image row at the top.
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 8; ++x) {
        ASSERT_EQ(a.surface.row(3 + y)[2 + x], imagePixel(x / 2, y / 2)) << x << "," << y;
      }
    }
    EXPECT_EQ(countOutsideNot(a.surface, CRect(2, 3, 10, 9), kWhite), 0);
  }
}

TEST(StretchDIBits, SourceRectangleOfABottomUpImageCountsFromTheBottom) {
  const auto bottomUp = imageRows(true);
  const BITMAPINFO bu = header(4, 3);
  Canvas c(10, 10);
  // Source y 0, height 1: the image's bottom row (top-down row 2).
  c.dc.StretchDIBits(0, 0, 2, 1, 1, 0, 2, 1, bottomUp.data(), &bu, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(c.surface.row(0)[0], imagePixel(1, 2));
  EXPECT_EQ(c.surface.row(0)[1], imagePixel(2, 2));
  // Shrinking takes the pixel under each destination centre.
  c.dc.StretchDIBits(0, 2, 2, 1, 0, 0, 4, 3, bottomUp.data(), &bu, DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(c.surface.row(2)[0], imagePixel(1, 1));
  EXPECT_EQ(c.surface.row(2)[1], imagePixel(3, 1));
}

TEST(StretchDIBits, RefusesWhatItCannotDrawAndLeavesTheSurface) {
  const auto rows = imageRows(false);
  Canvas c(10, 10);
  const PixelSurface before = c.surface;
  BITMAPINFO info = header(4, -3);
  auto draw = [&](const BITMAPINFO& i, int sx, int sy, int sw, int sh, const void* bits) {
    return c.dc.StretchDIBits(0, 0, 8, 8, sx, sy, sw, sh, bits, &i, DIB_RGB_COLORS, SRCCOPY);
  };
  EXPECT_EQ(draw(info, 0, 0, 4, 3, nullptr), 0);
  EXPECT_EQ(draw(info, 1, 0, 4, 3, rows.data()), 0);   // runs past the right edge
  EXPECT_EQ(draw(info, 0, -1, 4, 3, rows.data()), 0);  // above the top
  EXPECT_EQ(draw(info, 0, 0, 0, 3, rows.data()), 0);
  info.bmiHeader.biBitCount = 24;
  EXPECT_EQ(draw(info, 0, 0, 4, 3, rows.data()), 0);
  info = header(4, -3);
  info.bmiHeader.biCompression = 3;
  EXPECT_EQ(draw(info, 0, 0, 4, 3, rows.data()), 0);
  info = header(0, -3);
  EXPECT_EQ(draw(info, 0, 0, 4, 3, rows.data()), 0);
  EXPECT_EQ(c.dc.StretchDIBits(0, 0, 8, 8, 0, 0, 4, 3, rows.data(), &info, DIB_RGB_COLORS, SRCPAINT), 0);
  EXPECT_TRUE(c.surface == before);
}

TEST(PngExport, WritesThePixelsThatAreReadBack) {
  Patterned p(13, 7);
  const std::string path = std::string(SPCTM_TEST_OUTPUT_DIR) + "/png-export.png";
  std::string error;
  ASSERT_TRUE(writePng(p.dc, path, &error)) << error;

  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
  image.format = PNG_FORMAT_BGRA;
  std::vector<std::uint32_t> pixels(image.width * image.height);
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
  ASSERT_EQ(image.width, 13u);
  ASSERT_EQ(image.height, 7u);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 13; ++x) {
      const std::uint32_t got = pixels[static_cast<std::size_t>(y * 13 + x)] & 0x00FFFFFF;
      ASSERT_EQ(PixelSurface::colorOf(got), Patterned::colour(x, y)) << x << "," << y;
    }
  }
}

TEST(PngExport, ReportsWhyNothingWasWritten) {
  std::string error;
  EXPECT_FALSE(writePng(PixelSurface(4, 4), "/nonexistent-dir/x.png", &error));
  EXPECT_NE(error.find("/nonexistent-dir/x.png"), std::string::npos) << error;
  EXPECT_FALSE(writePng(PixelSurface(), std::string(SPCTM_TEST_OUTPUT_DIR) + "/empty.png", &error));
  EXPECT_FALSE(writePng(CBitmap(), std::string(SPCTM_TEST_OUTPUT_DIR) + "/empty.png", &error));
  EXPECT_FALSE(writePng(CDC(), std::string(SPCTM_TEST_OUTPUT_DIR) + "/empty.png", &error));
}
