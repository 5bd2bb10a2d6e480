// The value-to-colour rules of the spectrogram renderers: magnitude in the standard range
// (one table, or the polarity pair chosen by sign), window view in the colour range, and
// peak view beyond the colour range. The single-channel view, the column blocks and the
// sensor patches build one rule per draw from the draw state (tables picked by colour
// depth, scale factors computed once) and call it once per bin; header-only and inline.
#pragma once

#include <cmath>

#include "draw/CMEGSpctmDraw.h"

namespace spctmdraw {

// clamp(trunc(x), n) for a non-negative x: trunc toward zero, then n − 1 for anything at
// or past n. A NaN gives 0, as the out-of-range integer a NaN truncates to clamps to 0.
inline int tableIndex(double x, int n) {
  if (!(x >= 0.0)) return 0;
  if (x >= n) return n - 1;
  return static_cast<int>(x);
}

// Magnitude colouring in the standard range [min, max]: a = |v|; a ≤ min gives entry 0,
// a ≥ max the last entry, anything between entry trunc(|(a − min)·scale|) with scale =
// size / (max − min) (1e-7 standing in for a zero difference). The table is `positive`
// for v ≥ 0 and `negative` for v < 0; the absolute rule passes the single table as both.
struct MagnitudeColour {
  const COLORREF* positive;
  const COLORREF* negative;
  int size;
  double min, max, scale;

  COLORREF operator()(double v) const {
    const COLORREF* table = v >= 0.0 ? positive : negative;
    const double a = std::abs(v);
    if (a <= min) return table[0];
    if (a >= max) return table[size - 1];
    return table[tableIndex(std::abs((a - min) * scale), size)];
  }
};

// Window view in the colour range [min, max] with the single table: v ≤ min gives `low`,
// v ≥ max gives `high`, anything between entry trunc(|(v − min)·scale|) with scale =
// size / (max − min) (1.0 standing in for a zero difference). View mode 1 paints both
// outer sides with one middle colour; the other view modes use the table's two ends.
struct WindowColour {
  const COLORREF* table;
  int size;
  double min, max, scale;
  COLORREF low, high;

  COLORREF operator()(double v) const {
    if (v <= min) return low;
    if (v >= max) return high;
    return table[tableIndex(std::abs((v - min) * scale), size)];
  }
};

// Peak view: only values beyond the colour range [min, max] and on the far side of the
// centre are coloured. Below min (and the centre): negative entry trunc(|(v − min)·
// negScale|); above max (and the centre): positive entry trunc((v − max)·posScale); else
// the neutral colour, negative entry 0. The scales are size / |outer end − range end|
// (1e-7 standing in for a zero span).
struct PeakColour {
  const COLORREF* positive;
  const COLORREF* negative;
  int size;
  double min, max, centre, posScale, negScale;

  COLORREF operator()(double v) const {
    if (v < min && v < centre) return negative[tableIndex(std::abs((v - min) * negScale), size)];
    if (v > max && v > centre) return positive[tableIndex((v - max) * posScale, size)];
    return negative[0];
  }
};

// Where the window view's view mode 1 takes its middle colour: the single-channel view
// and the column blocks use entry trunc(size·0.5), the sensor patches the entry below it.
enum class WindowMiddle { Centre, BelowCentre };
// The peak view's centre: the single-channel view and the column blocks take 0 in view
// mode 2 and the outer range's middle in any other mode; the sensor patches always take 0.
enum class PeakCentre { ByViewMode, Zero };

// A difference used as a divisor, with `fallback` standing in for exactly zero.
inline double spanOr(double span, double fallback) { return span == 0.0 ? fallback : span; }

// The absolute rule of the draw state: single table by colour depth, standard range.
inline MagnitudeColour absoluteColour(const CMEGSpctmDraw& d) {
  const int size = CADRindex2Colorqv::singleTableSize(d.m_nColorDepth);
  const COLORREF* table = d.singleTable(d.m_nColorDepth);
  return {table, table, size, d.m_dStdMin, d.m_dStdMax, size / spanOr(d.m_dStdMax - d.m_dStdMin, 1e-7)};
}

// The polarity rule of the draw state: polarity pair by colour depth, standard range.
inline MagnitudeColour polarityColour(const CMEGSpctmDraw& d) {
  const int size = CADRindex2Colorqv::polarityTableSize(d.m_nColorDepth);
  return {d.positiveTable(d.m_nColorDepth), d.negativeTable(d.m_nColorDepth), size, d.m_dStdMin,
          d.m_dStdMax, size / spanOr(d.m_dStdMax - d.m_dStdMin, 1e-7)};
}

// The window-view rule of the draw state: single table by colour depth, colour range.
inline WindowColour windowColour(const CMEGSpctmDraw& d, WindowMiddle middle) {
  const int size = CADRindex2Colorqv::singleTableSize(d.m_nColorDepth);
  const COLORREF* table = d.singleTable(d.m_nColorDepth);
  WindowColour rule{table, size, d.m_dColorMin, d.m_dColorMax,
                    size / spanOr(d.m_dColorMax - d.m_dColorMin, 1.0), table[0], table[size - 1]};
  if (d.m_nViewMode == 1) {
    const int mid = static_cast<int>(size * 0.5) - (middle == WindowMiddle::BelowCentre ? 1 : 0);
    rule.low = rule.high = table[mid];
  }
  return rule;
}

// The peak-view rule of the draw state: polarity pair by colour depth, colour and outer
// ranges.
inline PeakColour peakColour(const CMEGSpctmDraw& d, PeakCentre centre) {
  const int size = CADRindex2Colorqv::polarityTableSize(d.m_nColorDepth);
  const double c = centre == PeakCentre::Zero || d.m_nViewMode == 2 ? 0.0 : (d.m_dOuterMax + d.m_dOuterMin) * 0.5;
  return {d.positiveTable(d.m_nColorDepth),
          d.negativeTable(d.m_nColorDepth),
          size,
          d.m_dColorMin,
          d.m_dColorMax,
          c,
          size / spanOr(std::abs(d.m_dOuterMax - d.m_dColorMax), 1e-7),
          size / spanOr(std::abs(d.m_dOuterMin - d.m_dColorMin), 1e-7)};
}

}  // namespace spctmdraw
