// Constants and plain records of the platform's drawing interface (pen styles, stock ids,
// modes, text and DrawText flags, raster operations, font and bitmap-header records).
// Included by every drawing header; no behaviour. Values are the framework's, so code
// written against it keeps its meaning.
#pragma once

#include "platform/gdi/BasicTypes.h"

using WCHAR = wchar_t;

// Colour returned by pixel queries outside the drawable area.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Pen styles. The patterned ones apply to pens of width 0 or 1; wider pens draw solid.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;        // 18 pixels on, 6 off
constexpr int PS_DOT = 2;         // 3 on, 3 off
constexpr int PS_DASHDOT = 3;     // 9 on, 6 off, 3 on, 6 off
constexpr int PS_DASHDOTDOT = 4;  // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
constexpr int PS_NULL = 5;

// Background modes: OPAQUE paints the text cell (and pattern gaps) with the background colour.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;

// Text alignment of TextOut: one horizontal and one vertical flag.
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;

// DrawText formats. Text is always laid out on one line.
constexpr UINT DT_TOP = 0x0;
constexpr UINT DT_LEFT = 0x0;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_RIGHT = 0x2;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_BOTTOM = 0x8;
constexpr UINT DT_SINGLELINE = 0x20;
constexpr UINT DT_NOCLIP = 0x100;
constexpr UINT DT_CALCRECT = 0x400;
constexpr UINT DT_NOPREFIX = 0x800;

// Raster operations of BitBlt and StretchDIBits.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// Stretch modes. Every mode samples the nearest source pixel.
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;
constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
constexpr int STRETCH_ORSCANS = WHITEONBLACK;
constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
constexpr int STRETCH_HALFTONE = HALFTONE;

// Clip results of IntersectClipRect and GetClipBox (0 means the call failed).
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;

// Device capabilities answered by CDC::GetDeviceCaps.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

// Font weights.
constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_THIN = 100;
constexpr LONG FW_LIGHT = 300;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_MEDIUM = 500;
constexpr LONG FW_SEMIBOLD = 600;
constexpr LONG FW_BOLD = 700;
constexpr LONG FW_HEAVY = 900;

constexpr int LF_FACESIZE = 32;

// Logical font. lfHeight > 0 asks for that cell height (ascent + descent) in pixels,
// lfHeight < 0 for a character (em) height of -lfHeight pixels, 0 for a 16-pixel cell.
// lfWeight, lfItalic, lfUnderline and lfFaceName are honoured; the other fields are kept
// but do not change the drawing (no rotation, no width squeeze, no strike-out).
struct LOGFONTW {
  LONG lfHeight = 0;
  LONG lfWidth = 0;
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = 0;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = 0;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  WCHAR lfFaceName[LF_FACESIZE] = {};
};
using LOGFONT = LOGFONTW;
using LPLOGFONT = LOGFONT*;

// Metrics of the selected font, in pixels.
struct TEXTMETRICW {
  LONG tmHeight = 0;            // cell height: ascent + descent
  LONG tmAscent = 0;            // rows above the baseline
  LONG tmDescent = 0;           // rows from the baseline down
  LONG tmInternalLeading = 0;   // cell height minus the character (em) height
  LONG tmExternalLeading = 0;   // extra line gap the font recommends
  LONG tmAveCharWidth = 0;      // average advance of lower-case letters
  LONG tmMaxCharWidth = 0;      // widest advance in the font
  LONG tmWeight = 0;
  BYTE tmItalic = 0;
  BYTE tmUnderlined = 0;
};
using TEXTMETRIC = TEXTMETRICW;

// Device-independent bitmap header (40 bytes). Only 32-bit, uncompressed images are drawn;
// a positive biHeight stores rows bottom-up, a negative one top-down.
struct BITMAPINFOHEADER {
  DWORD biSize = 40;
  LONG biWidth = 0;
  LONG biHeight = 0;
  WORD biPlanes = 1;
  WORD biBitCount = 32;
  DWORD biCompression = 0;
  DWORD biSizeImage = 0;
  LONG biXPelsPerMeter = 0;
  LONG biYPelsPerMeter = 0;
  DWORD biClrUsed = 0;
  DWORD biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
  BYTE rgbBlue = 0;
  BYTE rgbGreen = 0;
  BYTE rgbRed = 0;
  BYTE rgbReserved = 0;
};

struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

constexpr DWORD BI_RGB = 0;
constexpr UINT DIB_RGB_COLORS = 0;
