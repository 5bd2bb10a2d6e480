#include "host/render/ColourSpace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace hostrender {

double srgbToLinear(double encoded) {
  return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double linearToSrgb(double linear) {
  return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

LinearRgb colorrefToLinear(COLORREF c) {
  return {srgbToLinear(GetRValue(c) / 255.0), srgbToLinear(GetGValue(c) / 255.0),
          srgbToLinear(GetBValue(c) / 255.0)};
}

// The published OKLab matrices: linear sRGB to cone-like responses, a cube root for the
// perceptual compression, then the opponent combination.
OkLab linearToOkLab(const LinearRgb& c) {
  const double l = 0.4122214708 * c.r + 0.5363325363 * c.g + 0.0514459929 * c.b;
  const double m = 0.2119034982 * c.r + 0.6806995451 * c.g + 0.1073969566 * c.b;
  const double s = 0.0883024619 * c.r + 0.2817188376 * c.g + 0.6299787005 * c.b;
  const double l3 = std::cbrt(l), m3 = std::cbrt(m), s3 = std::cbrt(s);
  return {0.2104542553 * l3 + 0.7936177850 * m3 - 0.0040720468 * s3,
          1.9779984951 * l3 - 2.4285922050 * m3 + 0.4505937099 * s3,
          0.0259040371 * l3 + 0.7827717662 * m3 - 0.8086757660 * s3};
}

LinearRgb okLabToLinear(const OkLab& p) {
  const double l3 = p.L + 0.3963377774 * p.a + 0.2158037573 * p.b;
  const double m3 = p.L - 0.1055613458 * p.a - 0.0638541728 * p.b;
  const double s3 = p.L - 0.0894841775 * p.a - 1.2914855480 * p.b;
  const double l = l3 * l3 * l3, m = m3 * m3 * m3, s = s3 * s3 * s3;
  return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
          -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
          -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

OkLab okLch(double L, double chroma, double hueDegrees) {
  const double h = hueDegrees * std::numbers::pi / 180.0;
  return {L, chroma * std::cos(h), chroma * std::sin(h)};
}

double deltaEOk(const OkLab& p, const OkLab& q) {
  return std::sqrt((p.L - q.L) * (p.L - q.L) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

double relativeLuminance(const LinearRgb& c) {
  return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
}

double cieLightness(double Y) {
  constexpr double epsilon = 216.0 / 24389.0;
  constexpr double kappa = 24389.0 / 27.0;
  return Y > epsilon ? 116.0 * std::cbrt(Y) - 16.0 : kappa * Y;
}

bool inGamut(const LinearRgb& c, double tolerance) {
  const auto ok = [tolerance](double v) { return v >= -tolerance && v <= 1.0 + tolerance; };
  return ok(c.r) && ok(c.g) && ok(c.b);
}

OkLab clipChromaToGamut(const OkLab& lab) {
  if (inGamut(okLabToLinear(lab))) return lab;
  // Every lightness in [0, 1] holds its grey inside the gamut, so bisection on the chroma
  // factor between that grey (inside) and the asked colour (outside) converges.
  double inside = 0.0, outside = 1.0;
  for (int i = 0; i < 40; ++i) {
    const double mid = 0.5 * (inside + outside);
    if (inGamut(okLabToLinear({lab.L, lab.a * mid, lab.b * mid}))) inside = mid;
    else outside = mid;
  }
  return {lab.L, lab.a * inside, lab.b * inside};
}

}  // namespace hostrender
