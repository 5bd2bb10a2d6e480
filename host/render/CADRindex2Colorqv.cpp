#include "host/render/CADRindex2Colorqv.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "host/render/ColourRamp.h"

using hostrender::LightnessOrder;
using hostrender::OkLab;

namespace {

// Anchor colours in OKLCh: lightness, chroma, hue in degrees. They are the control points
// of each table's smooth path, so the inner ones pull the path rather than lie on it.
// Plain constants, so that an object constructed during static initialisation sees them.
struct Lch {
  double L, C, h;
};

constexpr std::array<Lch, 5> kSingleAnchors{{
    {0.27, 0.10, 290.0},  // dark indigo
    {0.45, 0.13, 255.0},  // blue
    {0.62, 0.11, 195.0},  // teal
    {0.80, 0.17, 140.0},  // green
    {0.95, 0.14, 105.0},  // pale yellow
}};

// Both polarity paths start at the same neutral grey and keep the same lightness and
// chroma at corresponding anchors, so equal magnitudes weigh the same on both sides.
constexpr Lch kNeutral{0.91, 0.0, 0.0};
constexpr std::array<Lch, 4> kPositiveAnchors{{
    kNeutral,
    {0.80, 0.09, 65.0},  // peach
    {0.63, 0.17, 45.0},  // orange
    {0.47, 0.15, 30.0},  // brick red
}};
constexpr std::array<Lch, 4> kNegativeAnchors{{
    kNeutral,
    {0.80, 0.09, 235.0},  // sky blue
    {0.63, 0.17, 250.0},  // blue
    {0.47, 0.15, 265.0},  // deep blue
}};

// Entry counts, in the order the tables lie in storage.
constexpr std::array<int, 8> kSizes{256, 512, 768, 1024, 256, 256, 768, 768};

// The tables depend on nothing but the anchors, so they are built once per process and
// every colour-index object copies them.
const std::vector<COLORREF>& builtTables() {
  static const std::vector<COLORREF> all = [] {
    std::vector<COLORREF> out;
    const auto append = [&out](std::span<const Lch> lch, int count, LightnessOrder order) {
      std::vector<OkLab> anchors;
      for (const Lch& a : lch) anchors.push_back(hostrender::okLch(a.L, a.C, a.h));
      const std::vector<COLORREF> table = hostrender::buildColourRamp(anchors, count, order);
      out.insert(out.end(), table.begin(), table.end());
    };
    for (int size : {256, 512, 768, 1024}) append(kSingleAnchors, size, LightnessOrder::Rising);
    for (int size : {256, 768}) {
      append(kPositiveAnchors, size, LightnessOrder::Falling);
      append(kNegativeAnchors, size, LightnessOrder::Falling);
    }
    return out;
  }();
  return all;
}

}  // namespace

CADRindex2Colorqv::CADRindex2Colorqv() {
  const std::vector<COLORREF>& tables = builtTables();
  m_storage = std::make_unique<COLORREF[]>(tables.size());
  std::copy(tables.begin(), tables.end(), m_storage.get());
  std::array<const COLORREF*, kSizes.size()> start{};
  const COLORREF* next = m_storage.get();
  for (std::size_t i = 0; i < kSizes.size(); ++i) {
    start[i] = next;
    next += kSizes[i];
  }
  m_pSingleColor256 = start[0];
  m_pSingleColor512 = start[1];
  m_pSingleColor768 = start[2];
  m_pSingleColor1024 = start[3];
  m_pPositiveColor256 = start[4];
  m_pNegativeColor256 = start[5];
  m_pPositiveColor768 = start[6];
  m_pNegativeColor768 = start[7];
}

CADRindex2Colorqv::~CADRindex2Colorqv() = default;

int CADRindex2Colorqv::singleTableSize(UINT colorDepth) {
  return colorDepth == 256 || colorDepth == 512 || colorDepth == 768 ? static_cast<int>(colorDepth)
                                                                       : 1024;
}

int CADRindex2Colorqv::polarityTableSize(UINT colorDepth) {
  return colorDepth == 256 || colorDepth == 512 || colorDepth == 768 ? 256 : 768;
}

const COLORREF* CADRindex2Colorqv::singleTable(UINT colorDepth) const {
  switch (singleTableSize(colorDepth)) {
    case 256: return m_pSingleColor256;
    case 512: return m_pSingleColor512;
    case 768: return m_pSingleColor768;
    default: return m_pSingleColor1024;
  }
}

const COLORREF* CADRindex2Colorqv::positiveTable(UINT colorDepth) const {
  return polarityTableSize(colorDepth) == 256 ? m_pPositiveColor256 : m_pPositiveColor768;
}

const COLORREF* CADRindex2Colorqv::negativeTable(UINT colorDepth) const {
  return polarityTableSize(colorDepth) == 256 ? m_pNegativeColor256 : m_pNegativeColor768;
}
