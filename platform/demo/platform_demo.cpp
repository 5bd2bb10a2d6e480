// Draws every primitive of the platform's device context into one image, each in a labelled
// panel, and writes it as a PNG: a quick visual check of the graphics layer.
// Usage: platform-demo OUTPUT.png
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/PngExport.h"
#include "platform/gdi/StockObjects.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPanelW = 260;
constexpr int kPanelH = 190;

CFont& labelFont() {
  static CFont font;
  if (font.GetSafeHandle() == nullptr) {
    LOGFONT lf;
    lf.lfHeight = 12;
    wcscpy(lf.lfFaceName, L"Arial");
    font.CreateFontIndirect(&lf);
  }
  return font;
}

// Frames panel (col, row), writes its title and moves the viewport origin into it.
void beginPanel(CDC& dc, int col, int row, const wchar_t* title) {
  dc.SetViewportOrg(10 + col * (kPanelW + 10), 10 + row * (kPanelH + 10));
  dc.SelectStockObject(BLACK_PEN);
  dc.SelectStockObject(NULL_BRUSH);
  dc.Rectangle(0, 0, kPanelW, kPanelH);
  dc.SelectObject(&labelFont());
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(RGB(0, 0, 0));
  dc.TextOut(6, 4, CString(title));
}

void fillsAndPixels(CDC& dc) {
  beginPanel(dc, 0, 0, L"FillSolidRect, SetPixel, InvertRect");
  for (int i = 0; i < 8; ++i) dc.FillSolidRect(10 + i * 30, 24, 28, 40, RGB(i * 36, 255 - i * 30, 128));
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 120; ++x) dc.SetPixel(10 + x, 74 + y, RGB(x * 2, y * 4, 255 - x * 2));
  }
  dc.FillSolidRect(140, 74, 110, 60, RGB(40, 120, 220));
  CRect band(160, 60, 200, 170);
  dc.InvertRect(&band);
  dc.TextOut(10, 150, CString(L"inverted band crosses the fills"));
}

void lines(CDC& dc) {
  beginPanel(dc, 1, 0, L"MoveTo/LineTo: widths, patterns");
  for (int w = 1; w <= 4; ++w) {
    CPen pen(PS_SOLID, w, RGB(200, 0, 0));
    CPen* old = dc.SelectObject(&pen);
    dc.MoveTo(10, 16 + w * 12);
    dc.LineTo(120, 16 + w * 12);
    dc.MoveTo(130, 20 + w * 10);
    dc.LineTo(250, 40 + w * 14);
    dc.SelectObject(old);
  }
  const int styles[] = {PS_DOT, PS_DASH, PS_DASHDOT, PS_DASHDOTDOT};
  dc.FillSolidRect(10, 100, 240, 80, RGB(255, 230, 150));
  for (int i = 0; i < 4; ++i) {
    CPen pen(styles[i], 1, RGB(0, 0, 160));
    CPen* old = dc.SelectObject(&pen);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetBkMode(OPAQUE);
    dc.MoveTo(14, 108 + i * 10);
    dc.LineTo(120, 108 + i * 10);
    dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(130, 108 + i * 10);
    dc.LineTo(246, 108 + i * 10);
    dc.SelectObject(old);
  }
  CPen green(PS_SOLID, 1, RGB(0, 140, 0));
  CPen* old = dc.SelectObject(&green);
  dc.MoveTo(20, 175);
  for (int i = 1; i <= 22; ++i) dc.LineTo(20 + i * 10, 175 - static_cast<int>(20 * std::fabs(std::sin(i * 0.5))));
  dc.SelectObject(old);
}

void shapes(CDC& dc) {
  beginPanel(dc, 2, 0, L"Rectangle, Ellipse, Arc, AngleArc");
  CBrush yellow(RGB(255, 220, 0));
  CPen blue(PS_SOLID, 1, RGB(0, 0, 200));
  CPen thick(PS_SOLID, 3, RGB(160, 0, 160));
  dc.SelectObject(&yellow);
  dc.SelectObject(&blue);
  dc.Rectangle(10, 24, 70, 64);
  dc.Ellipse(80, 24, 150, 64);
  dc.SelectObject(&thick);
  dc.Rectangle(160, 24, 200, 64);
  dc.Ellipse(210, 24, 250, 64);
  dc.SelectStockObject(NULL_BRUSH);
  dc.SelectObject(&blue);
  // A head outline: ellipse as a closed arc, nose and ears as half circles.
  dc.Arc(20, 90, 100, 180, 20, 90, 20, 90);
  dc.MoveTo(68, 90);
  dc.AngleArc(60, 90, 8, 0.0f, 180.0f);
  dc.MoveTo(20, 127);
  dc.AngleArc(20, 135, 8, 90.0f, 180.0f);
  dc.MoveTo(100, 143);
  dc.AngleArc(100, 135, 8, -90.0f, 180.0f);
  // Sensor circles of widths 1 to 4.
  for (int w = 1; w <= 4; ++w) {
    CPen pen(PS_SOLID, w, w == 2 ? RGB(255, 0, 0) : RGB(0, 120, 0));
    CPen* old = dc.SelectObject(&pen);
    const int x = 140 + (w - 1) * 30;
    dc.MoveTo(x + 10, 100);
    dc.AngleArc(x, 100, 10, 0.0f, 360.0f);
    dc.SelectObject(old);
  }
  dc.Arc(130, 125, 250, 185, 250, 125, 130, 125);  // upper half, counter-clockwise
}

void text(CDC& dc) {
  beginPanel(dc, 0, 1, L"TextOutW, extents, background modes");
  dc.SetTextColor(RGB(0, 0, 0));
  dc.FillSolidRect(10, 24, 240, 60, RGB(90, 160, 240));
  dc.SetBkColor(RGB(255, 255, 255));
  dc.SetBkMode(OPAQUE);
  dc.TextOut(14, 30, CString(L"OPAQUE: Select Low:1.000"));
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(14, 50, CString(L"TRANSPARENT: 0.000 -> 12.500 ms"));
  const CString measured(L"Select Low:1.000");
  const CSize ext = dc.GetTextExtent(measured);
  dc.TextOut(14, 94, measured);
  dc.FillSolidRect(14, 94 + ext.cy, ext.cx, 1, RGB(255, 0, 0));
  dc.TextOut(14 + ext.cx + 6, 94, formatText(L"cx=%d cy=%d", ext.cx, ext.cy));
  LOGFONT lf;
  lf.lfHeight = -20;
  lf.lfWeight = FW_BOLD;
  wcscpy(lf.lfFaceName, L"MS Shell Dlg");
  CFont big;
  big.CreateFontIndirect(&lf);
  CFont* old = dc.SelectObject(&big);
  dc.SetTextColor(RGB(180, 0, 0));
  dc.TextOut(14, 116, CString(L"Bold 20 px: \u00e9\u00e8 \u00b5V"));
  lf.lfHeight = 14;
  lf.lfWeight = FW_NORMAL;
  lf.lfItalic = 1;
  lf.lfUnderline = 1;
  CFont italic;
  italic.CreateFontIndirect(&lf);
  dc.SelectObject(&italic);
  dc.SetTextColor(RGB(0, 90, 0));
  dc.TextOut(14, 150, CString(L"Italic underlined 14"));
  dc.SelectObject(old);
}

void alignment(CDC& dc) {
  beginPanel(dc, 1, 1, L"SetTextAlign, DrawText");
  CPen grey(PS_DOT, 1, RGB(128, 128, 128));
  dc.SelectObject(&grey);
  const UINT aligns[] = {TA_LEFT | TA_BOTTOM, TA_RIGHT | TA_TOP, TA_CENTER | TA_BASELINE};
  const wchar_t* names[] = {L"left|bottom", L"right|top", L"center|baseline"};
  const CPoint anchors[] = {CPoint(20, 44), CPoint(240, 52), CPoint(130, 84)};
  for (int i = 0; i < 3; ++i) {
    const CPoint a = anchors[i];
    dc.MoveTo(a.x - 10, a.y);
    dc.LineTo(a.x + 11, a.y);
    dc.MoveTo(a.x, a.y - 10);
    dc.LineTo(a.x, a.y + 11);
    dc.SetTextAlign(aligns[i]);
    dc.SetTextColor(RGB(i * 100, 0, 200 - i * 80));
    dc.TextOut(a.x, a.y, CString(names[i]));
  }
  dc.SetTextAlign(TA_LEFT | TA_TOP);
  dc.SelectStockObject(BLACK_PEN);
  dc.SetTextColor(RGB(0, 0, 0));
  const UINT formats[] = {DT_LEFT | DT_TOP, DT_CENTER | DT_VCENTER, DT_RIGHT | DT_BOTTOM};
  for (int i = 0; i < 3; ++i) {
    CRect box(10 + i * 82, 100, 86 + i * 82, 150);
    dc.Rectangle(&box);
    dc.DrawText(CString(L"&Apply"), &box, formats[i] | DT_SINGLELINE);
  }
  CRect narrow(10, 158, 70, 178);
  dc.Rectangle(&narrow);
  dc.DrawText(CString(L"clipped to its box"), &narrow, DT_LEFT | DT_VCENTER);
}

void blocks(CDC& dc) {
  beginPanel(dc, 2, 1, L"StretchDIBits, BitBlt");
  // An 8 x 6 test image: red top row, blue bottom row, a green diagonal.
  constexpr int w = 8, h = 6;
  auto at = [](int x, int y) { return static_cast<std::size_t>(y * w + x); };
  std::vector<std::uint32_t> topDown(at(0, h), 0x00DDDDDD);
  for (int x = 0; x < w; ++x) {
    topDown[at(x, 0)] = 0x00FF0000;
    topDown[at(x, h - 1)] = 0x000000FF;
  }
  for (int i = 0; i < h; ++i) topDown[at(i, i)] = 0x0000C000;
  std::vector<std::uint32_t> bottomUp(topDown.size());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) bottomUp[at(x, h - 1 - y)] = topDown[at(x, y)];
  }
  BITMAPINFO info{};
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  dc.SetStretchBltMode(COLORONCOLOR);
  dc.StretchDIBits(10, 24, 80, 60, 0, 0, w, h, topDown.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  info.bmiHeader.biHeight = h;
  dc.StretchDIBits(100, 24, 80, 60, 0, 0, w, h, bottomUp.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  dc.TextOut(10, 86, CString(L"top-down"));
  dc.TextOut(100, 86, CString(L"bottom-up (same)"));

  CDC mem;
  mem.CreateCompatibleDC(&dc);
  CBitmap bmp;
  bmp.CreateCompatibleBitmap(&dc, 60, 50);
  CBitmap* old = mem.SelectObject(&bmp);
  mem.FillSolidRect(0, 0, 60, 50, RGB(30, 30, 60));
  CBrush orange(RGB(255, 140, 0));
  mem.SelectObject(&orange);
  mem.Ellipse(5, 5, 55, 45);
  dc.BitBlt(10, 110, 60, 50, &mem, 0, 0, SRCCOPY);
  dc.BitBlt(80, 110, 40, 30, &mem, 10, 10, SRCCOPY);
  mem.SelectObject(old);
  dc.TextOut(130, 120, CString(L"memory DC copied"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  PixelSurface surface(3 * (kPanelW + 10) + 10, 2 * (kPanelH + 10) + 10, RGB(240, 240, 240));
  CDC dc(surface, CPoint(0, 0), surface.bounds());
  fillsAndPixels(dc);
  lines(dc);
  shapes(dc);
  text(dc);
  alignment(dc);
  blocks(dc);
  std::string error;
  if (!writePng(surface, argv[1], &error)) {
    std::fprintf(stderr, "platform-demo: %s\n", error.c_str());
    return 1;
  }
  std::printf("platform-demo: wrote %s\n", argv[1]);
  return 0;
}
