// Text: face resolution and height semantics, extents that are stable and equal to the drawn
// width, background modes, alignment, DrawText placement and prefixes, clipping, and a
// missing font.
#include "tests/platform/gdi/PixelTest.h"

#include "platform/gdi/FontEngine.h"
#include "platform/gdi/FontFace.h"

#include <cstdlib>
#include <cwchar>

using namespace pixeltest;

namespace {

LOGFONT logFont(LONG height, const wchar_t* face, LONG weight = FW_NORMAL) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  std::wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return lf;
}

// A created font; the test stops when the machine cannot serve it.
struct Font {
  CFont font;
  explicit Font(const LOGFONT& lf) {
    EXPECT_TRUE(font.CreateFontIndirect(&lf)) << font.creationError();
  }
};

const CString kZero(L"0.000");
const CString kSelectLow(L"Select Low:1.000");

}  // namespace

TEST(Fonts, DialogFaceNamesResolveToLiberationSans) {
  for (const wchar_t* name : {L"Arial", L"MS Sans Serif", L"MS Shell Dlg", L"MS Shell Dlg 2", L""}) {
    Font f(logFont(12, name));
    ASSERT_TRUE(f.font.face());
    EXPECT_EQ(f.font.face()->familyName(), "Liberation Sans") << toUtf8(name);
  }
  Font bold(logFont(12, L"Arial", FW_BOLD));
  EXPECT_EQ(bold.font.face()->styleName(), "Bold");
}

TEST(Fonts, PositiveHeightIsTheCellNegativeTheCharacterHeight) {
  Canvas c(10, 10);
  for (LONG h : {8, 12, 16, 25}) {
    Font cell(logFont(h, L"Arial"));
    Font em(logFont(-h, L"Arial"));
    TEXTMETRIC tm;
    c.dc.SelectObject(&cell.font);
    ASSERT_TRUE(c.dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, h);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, h);
    c.dc.SelectObject(&em.font);
    ASSERT_TRUE(c.dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, h);
    EXPECT_GT(tm.tmHeight, h);  // the cell holds accents above the em square
    EXPECT_EQ(c.dc.GetTextExtent(kZero).cy, tm.tmHeight);
  }
}

TEST(Fonts, PointSizesBecomeEmHeightsAt96PixelsPerInch) {
  CFont f;
  ASSERT_TRUE(f.CreatePointFont(80, L"MS Shell Dlg"));
  LOGFONT lf;
  EXPECT_EQ(f.GetLogFont(&lf), static_cast<int>(sizeof(LOGFONT)));
  EXPECT_EQ(lf.lfHeight, -11);  // 8 points = 10.67 pixels, rounded
  EXPECT_STREQ(lf.lfFaceName, L"MS Shell Dlg");
  EXPECT_EQ(MulDiv(-5, 3, 2), -8);  // halves away from zero
  EXPECT_EQ(MulDiv(5, 3, -2), -8);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(TextExtent, LabelsMeasureTheSameEverywhereAndAddUp) {
  Font first(logFont(12, L"Arial"));
  Font second(logFont(12, L"Arial"));
  Canvas a(50, 20);
  Canvas b(50, 20);
  a.dc.SelectObject(&first.font);
  b.dc.SelectObject(&second.font);
  for (const CString& text : {kZero, kSelectLow}) {
    const CSize size = a.dc.GetTextExtent(text);
    EXPECT_EQ(size.cy, 12);
    b.dc.TextOut(0, 0, CString(L"warm up other glyphs: xyz %&/ ABC"));
    EXPECT_EQ(b.dc.GetTextExtent(text), size);
    CSize viaHandle;
    ASSERT_TRUE(GetTextExtentPoint32W(a.dc.GetSafeHdc(), text, text.GetLength(), &viaHandle));
    EXPECT_EQ(viaHandle, size);
    int sum = 0;
    for (int i = 0; i < text.GetLength(); ++i) sum += a.dc.GetTextExtent(text.Mid(i, 1)).cx;
    EXPECT_EQ(size.cx, sum) << "no kerning: the advances add up";
  }
  // The values this platform's hinting gives; layouts are built on them.
  EXPECT_EQ(a.dc.GetTextExtent(kZero), CSize(27, 12));
  EXPECT_EQ(a.dc.GetTextExtent(kSelectLow), CSize(82, 12));
  EXPECT_EQ(a.dc.GetTextExtent(L"", 0), CSize(0, 12));
  EXPECT_EQ(a.dc.GetTextExtent(kZero, -1), CSize(0, 0));
}

TEST(TextOut, BackgroundModes) {
  Font arial(logFont(12, L"Arial"));
  const COLORREF green = RGB(0, 200, 0), paper = RGB(20, 40, 200), yellow = RGB(255, 255, 0);
  for (const CString& text : {kZero, kSelectLow}) {
    // Opaque: exactly the measured cell is painted, with fully covered stems in it.
    Canvas opaque(120, 30);
    opaque.dc.SelectObject(&arial.font);
    opaque.dc.SetBkColor(green);
    opaque.dc.SetBkMode(OPAQUE);
    ASSERT_TRUE(opaque.dc.TextOut(7, 9, text));
    const CSize size = opaque.dc.GetTextExtent(text);
    const CRect cell(CPoint(7, 9), size);
    EXPECT_EQ(inkBounds(opaque.surface, kWhite), cell) << picture(opaque.surface, CRect(0, 5, 100, 25), kWhite);
    EXPECT_GT(countInside(opaque.surface, cell, green), size.cx * size.cy / 2);
    EXPECT_GT(countInside(opaque.surface, cell, kBlack), 0);

    // Transparent: the glyphs stay inside the cell and reach to within 2 pixels of its
    // right edge; the paper shows between them.
    Canvas c(120, 30);
    c.surface.fill(paper);
    c.dc.SelectObject(&arial.font);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.SetTextColor(yellow);
    c.dc.TextOut(7, 9, text);
    const CRect ink = inkBounds(c.surface, paper);
    CRect inCell;
    inCell.IntersectRect(ink, cell);
    EXPECT_EQ(inCell, ink);
    EXPECT_GE(ink.right, cell.right - 2);
    EXPECT_GT(countInside(c.surface, ink, paper), 0);
    EXPECT_GT(countInside(c.surface, ink, yellow), 0);
    // Anti-aliased edges lie between paper and ink in every channel.
    for (int y = ink.top; y < ink.bottom; ++y) {
      for (int x = ink.left; x < ink.right; ++x) {
        const COLORREF p = c.at(x, y);
        EXPECT_TRUE(GetRValue(p) >= 20 && GetGValue(p) >= 40 && GetBValue(p) <= 200) << x << "," << y;
      }
    }
  }
}

TEST(TextOut, AlignmentFlagsPlaceTheCellAroundThePoint) {
  Font arial(logFont(16, L"Arial"));
  Canvas probe(4, 4);
  probe.dc.SelectObject(&arial.font);
  const CSize size = probe.dc.GetTextExtent(kZero);
  TEXTMETRIC tm;
  probe.dc.GetTextMetrics(&tm);
  struct Case { UINT align; CPoint topLeft; };  // text drawn at (60, 30)
  for (const Case k : {Case{TA_LEFT | TA_TOP, {60, 30}}, Case{TA_RIGHT | TA_BOTTOM, {60 - size.cx, 30 - size.cy}},
                       Case{TA_CENTER | TA_BASELINE, {60 - size.cx / 2, 30 - tm.tmAscent}}}) {
    Canvas c(120, 60);
    c.dc.SelectObject(&arial.font);
    c.dc.SetBkColor(kRed);
    EXPECT_EQ(c.dc.SetTextAlign(k.align), TA_LEFT | TA_TOP);
    c.dc.TextOut(60, 30, kZero);
    EXPECT_EQ(inkBounds(c.surface, kWhite), CRect(k.topLeft, size)) << k.align;
  }
}

TEST(TextOut, IsCutAtTheClipRectangle) {
  Font arial(logFont(12, L"Arial"));
  PixelSurface s(80, 30, kWhite);
  CDC dc(s, CPoint(10, 5), CRect(0, 0, 30, 8));
  dc.SelectObject(&arial.font);
  dc.SetBkColor(kRed);
  EXPECT_TRUE(dc.TextOut(5, 3, kSelectLow));
  EXPECT_EQ(inkBounds(s, kWhite), CRect(15, 8, 40, 13));
  EXPECT_TRUE(dc.TextOut(INT32_MAX - 3, INT32_MIN + 2, kSelectLow));  // far away: nothing
  EXPECT_EQ(inkBounds(s, kWhite), CRect(15, 8, 40, 13));
  EXPECT_FALSE(dc.TextOutW(0, 0, nullptr, 3));
  EXPECT_FALSE(dc.TextOutW(0, 0, L"x", -1));
}

TEST(DrawText, PlacesOneLineInTheRectangle) {
  Font arial(logFont(12, L"Arial"));
  Canvas probe(4, 4);
  probe.dc.SelectObject(&arial.font);
  const CSize size = probe.dc.GetTextExtent(kZero);
  const CRect box(10, 10, 110, 41);
  struct Case { UINT format; CPoint topLeft; int result; };
  const Case cases[] = {
      {DT_LEFT | DT_TOP, {10, 10}, size.cy},
      {DT_CENTER | DT_VCENTER, {10 + (100 - size.cx) / 2, 10 + (31 - size.cy) / 2}, (31 - size.cy) / 2 + size.cy},
      {DT_RIGHT | DT_BOTTOM, {110 - size.cx, 41 - size.cy}, 31},
  };
  for (const Case& k : cases) {
    Canvas c(130, 60);
    c.dc.SelectObject(&arial.font);
    c.dc.SetBkColor(kRed);
    CRect r = box;
    EXPECT_EQ(c.dc.DrawText(kZero, &r, k.format | DT_SINGLELINE), k.result);
    EXPECT_EQ(inkBounds(c.surface, kWhite), CRect(k.topLeft, size)) << k.format;
  }
  CRect calc(5, 6, 7, 8);
  EXPECT_EQ(probe.dc.DrawText(kZero, &calc, DT_CALCRECT), size.cy);
  EXPECT_EQ(calc, CRect(CPoint(5, 6), size));
  EXPECT_EQ(countInside(probe.surface, probe.surface.bounds(), kWhite), 16);  // nothing drawn
}

TEST(DrawText, ClipsToTheRectangleUnlessToldNotTo) {
  Font arial(logFont(12, L"Arial"));
  for (const UINT noclip : {0u, DT_NOCLIP}) {
    Canvas c(130, 30);
    c.dc.SelectObject(&arial.font);
    c.dc.SetBkColor(kRed);
    CRect narrow(10, 5, 40, 15);
    c.dc.DrawText(kSelectLow, &narrow, DT_LEFT | DT_VCENTER | noclip);
    const CSize size = c.dc.GetTextExtent(kSelectLow);
    const CRect cell(CPoint(10, 5 + (10 - size.cy) / 2), size);
    CRect expect = cell;
    if (!noclip) expect.IntersectRect(cell, narrow);
    EXPECT_EQ(inkBounds(c.surface, kWhite), expect) << noclip;
  }
}

TEST(DrawText, AmpersandMarksTheUnderlinedCharacter) {
  Font arial(logFont(12, L"Arial"));
  Canvas c(120, 30);
  c.dc.SelectObject(&arial.font);
  auto calcWidth = [&](const wchar_t* text, UINT format) {
    CRect r(0, 0, 0, 0);
    c.dc.DrawText(text, -1, &r, format | DT_CALCRECT);
    return r.Width();
  };
  EXPECT_EQ(calcWidth(L"&Apply", 0), c.dc.GetTextExtent(CString(L"Apply")).cx);
  EXPECT_EQ(calcWidth(L"A&&B", 0), c.dc.GetTextExtent(CString(L"A&B")).cx);
  EXPECT_EQ(calcWidth(L"&Apply", DT_NOPREFIX), c.dc.GetTextExtent(CString(L"&Apply")).cx);
}

TEST(Fonts, UnderlineRunsUnderTheMarkedCharacterOrTheWholeText) {
  LOGFONT lf = logFont(12, L"Arial");
  Font plain(lf);
  lf.lfUnderline = 1;
  Font underlined(lf);
  // Text drawn at (10, 5): the underline lies one row under the baseline.
  const auto underlineInk = [](CFont& font, const wchar_t* text, bool prefix, const wchar_t* under) {
    Canvas c(120, 30);
    c.dc.SelectObject(&font);
    c.dc.SetBkMode(TRANSPARENT);
    CRect r(10, 5, 110, 25);
    c.dc.DrawText(CString(text), &r, DT_LEFT | DT_TOP | (prefix ? 0 : DT_NOPREFIX));
    TEXTMETRIC tm;
    c.dc.GetTextMetrics(&tm);
    const int row = 5 + tm.tmAscent + 1;
    const int width = c.dc.GetTextExtent(CString(under)).cx;
    return std::make_pair(countInside(c.surface, CRect(10, row, 10 + width, row + 1), kBlack), width);
  };
  const auto [markInk, markWidth] = underlineInk(plain.font, L"&Apply", true, L"A");
  EXPECT_EQ(markInk, markWidth);
  const auto [wholeInk, wholeWidth] = underlineInk(underlined.font, L"0.000", false, L"0.000");
  EXPECT_EQ(wholeInk, wholeWidth);
}

TEST(Fonts, GlyphsIgnoreFreeTypeSettingsFromTheEnvironment) {
  const LOGFONT lf = logFont(12, L"Arial");
  std::string error;
  auto plain = FontEngine(true).open(lf, &error);
  ASSERT_TRUE(plain) << error;
  ::setenv("FREETYPE_PROPERTIES", "autofitter:no-stem-darkening=0 autofitter:increase-x-height=1", 1);
  auto tuned = FontEngine(true).open(lf, &error);
  ::unsetenv("FREETYPE_PROPERTIES");
  ASSERT_TRUE(tuned) << error;
  for (const wchar_t ch : std::wstring(L"Select Low:1.000 xg")) {
    EXPECT_EQ(tuned->glyph(ch).advance, plain->glyph(ch).advance) << static_cast<char>(ch);
    EXPECT_EQ(tuned->glyph(ch).coverage, plain->glyph(ch).coverage) << static_cast<char>(ch);
  }
}

TEST(Fonts, AMissingFontIsAnErrorNotACrash) {
  FontEngine bare(false);  // knows no font file at all
  std::string error;
  EXPECT_EQ(bare.open(logFont(12, L"Arial"), &error), nullptr);
  EXPECT_NE(error.find("Arial"), std::string::npos) << error;

  CFont never;
  Canvas c(20, 20);
  CFont* before = c.dc.GetCurrentFont();
  EXPECT_EQ(c.dc.SelectObject(&never), nullptr);
  EXPECT_EQ(c.dc.GetCurrentFont(), before);
  EXPECT_FALSE(never.CreateFontIndirect(nullptr));
  LOGFONT out;
  EXPECT_EQ(never.GetLogFont(&out), 0);
}
