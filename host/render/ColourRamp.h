// Builds a colour table from a few anchor colours: a smooth path through OKLab, sampled at
// equal perceptual steps and quantised to 8-bit sRGB without ever reversing lightness.
// Used by the colour-index tables; the anchors and their meaning are documented there.
// The path is kept inside the sRGB gamut by lowering chroma at constant lightness and hue.
#pragma once

#include <span>
#include <vector>

#include "host/render/ColourSpace.h"
#include "platform/gdi/BasicTypes.h"

namespace hostrender {

// Whether CIE lightness must never fall (Rising) or never rise (Falling) from entry to entry.
enum class LightnessOrder { Rising, Falling };

// `count` colours along the Bézier curve whose control points are `anchors` (at least
// two): entry 0 is the first anchor, the last entry the last anchor, and neighbouring
// entries lie an equal OKLab distance apart along the curve. Anchors whose lightness runs
// in the asked order give a table whose CIE lightness never steps against that order.
// An empty result for count < 1 or fewer than two anchors.
std::vector<COLORREF> buildColourRamp(std::span<const OkLab> anchors, int count,
                                      LightnessOrder order);

}  // namespace hostrender
