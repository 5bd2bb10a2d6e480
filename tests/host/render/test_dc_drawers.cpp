#include <gtest/gtest.h>

#include <vector>

#include "host/render/CBitmapHighQualityDrawqv.h"
#include "host/render/CDrawClipsqv.h"
#include "tests/host/render/TestCanvas.h"

namespace {

constexpr COLORREF kGuard = RGB(1, 2, 3);

std::vector<std::uint32_t> pattern(int w, int h) {
  std::vector<std::uint32_t> p(static_cast<std::size_t>(w * h));
  for (std::size_t k = 0; k < p.size(); ++k) p[k] = static_cast<std::uint32_t>(k * 2654435761u) & 0x00FFFFFF;
  return p;
}

}  // namespace

// Through a viewport origin and a narrowed clip rectangle the drawer writes exactly the
// visible part of what an unclipped drawing at the same device place writes.
TEST(HighQualityImage, WritesTheVisiblePartOfTheWholeDrawingAndNothingElse) {
  const std::vector<std::uint32_t> src = pattern(11, 8);
  CBitmapHighQualityDrawqv drawer;
  TestCanvas whole(100, 80, kGuard), clipped(100, 80, kGuard);
  ASSERT_EQ(drawer.drawHighQualityImage(&whole.dc, src.data(), 11, 8, 70, 50, 13, 9, 1, 12), 1);
  clipped.dc.SetViewportOrg(5, -3);
  clipped.dc.IntersectClipRect(20, 30, 60, 70);  // device (25, 27) to (65, 67)
  ASSERT_EQ(drawer.drawHighQualityImage(&clipped.dc, src.data(), 11, 8, 70, 50, 8, 12, 1, 12), 1);
  const CRect visible(25, 27, 65, 59);  // clip rectangle within the image (13, 9)-(83, 59)
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 100; ++x)
      ASSERT_EQ(clipped.at(x, y), visible.PtInRect(CPoint(x, y)) ? whole.at(x, y) : kGuard) << x << "," << y;
  // Wholly outside the clip: success, nothing drawn.
  const PixelSurface before = clipped.pixels();
  ASSERT_EQ(drawer.drawHighQualityImage(&clipped.dc, src.data(), 11, 8, 10, 10, 70, 0, 1, 12), 1);
  EXPECT_EQ(clipped.pixels(), before);
}

// Row order 1 puts the first stored row at the bottom, 0 at the top; arguments out of
// range draw nothing.
TEST(HighQualityImage, RowOrderAndRefusedArguments) {
  const std::uint32_t red = PixelSurface::pixelOf(RGB(255, 0, 0)), blue = PixelSurface::pixelOf(RGB(0, 0, 255));
  const std::vector<std::uint32_t> src{red, red, blue, blue};  // stored rows: red, then blue
  CBitmapHighQualityDrawqv drawer;
  for (int rowOrder : {0, 1}) {
    TestCanvas c(20, 20, kGuard);
    ASSERT_EQ(drawer.drawHighQualityImage(&c.dc, src.data(), 2, 2, 20, 20, 0, 0, rowOrder, 12), 1);
    EXPECT_EQ(c.at(3, 19), rowOrder == 1 ? RGB(255, 0, 0) : RGB(0, 0, 255));
    EXPECT_EQ(c.at(16, 0), rowOrder == 1 ? RGB(0, 0, 255) : RGB(255, 0, 0));
  }
  TestCanvas c(10, 10, kGuard);
  CDC noTarget;
  EXPECT_EQ(drawer.drawHighQualityImage(&noTarget, src.data(), 2, 2, 8, 8, 0, 0, 1, 12), 0);
  EXPECT_EQ(drawer.drawHighQualityImage(&c.dc, nullptr, 2, 2, 8, 8, 0, 0, 1, 12), 0);
  EXPECT_EQ(drawer.drawHighQualityImage(&c.dc, src.data(), 2, 2, 8, 0, 0, 0, 1, 12), 0);
  EXPECT_EQ(drawer.drawHighQualityImage(&c.dc, src.data(), 2, 2, 8, 8, 0, 0, 2, 12), 0);
  EXPECT_EQ(drawer.drawHighQualityImage(&c.dc, src.data(), 2, 2, 8, 8, 0, 0, 1, 13), 0);
  EXPECT_EQ(c.pixels(), TestCanvas(10, 10, kGuard).pixels());
}

// The clip lays the background colour over the rectangle's corners outside the inscribed
// ellipse and keeps the DC's pixels inside the ellipse and outside the rectangle.
TEST(TransparentClip, MasksTheFieldOutsideTheSensorArea) {
  const COLORREF back = RGB(0, 0, 0), fore = RGB(255, 255, 255), field = RGB(10, 200, 30);
  CDrawClipsqv clips;
  TestCanvas c(60, 40, field);
  EXPECT_EQ(clips.transparentClip(0, 0, 10, 10, &c.dc), 0);  // no surface yet
  ASSERT_EQ(clips.initDcMemor(60, 40, &c.dc, back, fore), 1);
  c.dc.IntersectClipRect(0, 0, 45, 40);
  ASSERT_EQ(clips.transparentClip(50, 35, 10, 5, &c.dc), 1);  // corners in any order
  const PixelSurface& stencil = *clips.surface();
  const CRect rect(10, 5, 50, 35);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) {
      if (!rect.PtInRect(CPoint(x, y))) {
        ASSERT_EQ(stencil.colorAt(x, y), fore) << x << "," << y;
      }
      const bool masked = x < 45 && stencil.colorAt(x, y) == back;
      ASSERT_EQ(c.at(x, y), masked ? back : field) << x << "," << y;
    }
  }
  // The frame is exactly the rectangle's corners outside the ellipse: its middle column
  // and row reach the edges, its corners are masked.
  EXPECT_EQ(stencil.colorAt(30, 5), fore);
  EXPECT_EQ(stencil.colorAt(10, 20), fore);
  EXPECT_EQ(stencil.colorAt(20, 20), fore);
  for (const CPoint p : {CPoint(10, 5), CPoint(49, 5), CPoint(10, 34), CPoint(49, 34)}) EXPECT_EQ(stencil.colorAt(p.x, p.y), back);

  // Equal colours still mask (white over lines on a white canvas); a bad size leaves no
  // surface.
  TestCanvas d(60, 40, field);
  ASSERT_EQ(clips.initDcMemor(60, 40, &d.dc, fore, fore), 1);
  ASSERT_EQ(clips.transparentClip(10, 5, 50, 35, &d.dc), 1);
  EXPECT_EQ(d.at(10, 5), fore);
  EXPECT_EQ(d.at(30, 20), field);
  EXPECT_EQ(d.at(5, 5), field);
  EXPECT_EQ(clips.initDcMemor(0, 40, &d.dc, back, fore), 0);
  EXPECT_EQ(clips.surface(), nullptr);
  EXPECT_EQ(clips.transparentClip(10, 5, 50, 35, &d.dc), 0);
}
