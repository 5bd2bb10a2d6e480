// Colour-space arithmetic for building colour tables: sRGB transfer curves, the OKLab
// perceptual space and its polar form, CIE lightness, and a gamut mapping that keeps
// lightness and hue. Used by the colour-ramp builder and by tests that judge the tables.
// Only the sRGB primaries with a D65 white are supported; all values are doubles.
#pragma once

#include "platform/gdi/BasicTypes.h"

namespace hostrender {

// Linear-light sRGB, each channel nominally in [0, 1] (outside means out of gamut).
struct LinearRgb {
  double r = 0.0;
  double g = 0.0;
  double b = 0.0;
};

// OKLab: L is perceived lightness in [0, 1] (0 black, 1 white); a (green to red) and
// b (blue to yellow) are opponent axes, about ±0.3 at the sRGB gamut's edge.
struct OkLab {
  double L = 0.0;
  double a = 0.0;
  double b = 0.0;
};

// One sRGB channel, encoded value in [0, 1] to linear light and back.
double srgbToLinear(double encoded);
double linearToSrgb(double linear);

LinearRgb colorrefToLinear(COLORREF c);

OkLab linearToOkLab(const LinearRgb& rgb);
LinearRgb okLabToLinear(const OkLab& lab);

// A point given by lightness, chroma and hue angle in degrees (OKLCh).
OkLab okLch(double L, double chroma, double hueDegrees);

// Euclidean distance in OKLab, the space's colour difference (about 0.02 is just noticeable).
double deltaEOk(const OkLab& p, const OkLab& q);

// Relative luminance Y in [0, 1] of a linear colour, and CIE 1976 lightness L* in [0, 100].
double relativeLuminance(const LinearRgb& rgb);
double cieLightness(double luminance);

bool inGamut(const LinearRgb& rgb, double tolerance = 1e-9);

// The colour of the same lightness and hue with the largest chroma not above that of
// `lab` that lies inside the sRGB gamut; `lab` itself when it is inside already.
// L must lie in [0, 1].
OkLab clipChromaToGamut(const OkLab& lab);

}  // namespace hostrender
