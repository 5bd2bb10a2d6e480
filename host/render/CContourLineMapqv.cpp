#include "host/render/CContourLineMapqv.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "host/render/FieldImageMapping.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/DcStateScope.h"

namespace {

// Cell edges, by the corners they join: 0 (i, j)-(i+1, j), 1 (i+1, j)-(i+1, j+1),
// 2 (i, j+1)-(i+1, j+1), 3 (i, j)-(i, j+1). Corner bits: 1 (i, j), 2 (i+1, j),
// 4 (i+1, j+1), 8 (i, j+1), set when the corner is at or above the level.
struct EdgePair {
  std::int8_t a, b;
};
struct CellCase {
  std::int8_t count;
  std::array<EdgePair, 2> pairs;
};

// Segments of every corner case. The two saddles (5 and 10) list their pairs for a centre
// below the level; a centre at or above it joins the two upper corners instead.
constexpr std::array<CellCase, 16> kCases{{
    {0, {}},                    // 0: all below
    {1, {{{3, 0}}}},            // 1
    {1, {{{0, 1}}}},            // 2
    {1, {{{3, 1}}}},            // 3
    {1, {{{1, 2}}}},            // 4
    {2, {{{3, 0}, {1, 2}}}},    // 5: saddle, upper corners (i, j) and (i+1, j+1)
    {1, {{{0, 2}}}},            // 6
    {1, {{{3, 2}}}},            // 7
    {1, {{{2, 3}}}},            // 8
    {1, {{{0, 2}}}},            // 9
    {2, {{{0, 1}, {2, 3}}}},    // 10: saddle, upper corners (i+1, j) and (i, j+1)
    {1, {{{1, 2}}}},            // 11
    {1, {{{1, 3}}}},            // 12
    {1, {{{0, 1}}}},            // 13
    {1, {{{3, 0}}}},            // 14
    {0, {}},                    // 15: all above
}};
constexpr std::array<EdgePair, 2> kSaddle5Joined{{{0, 1}, {2, 3}}};
constexpr std::array<EdgePair, 2> kSaddle10Joined{{{3, 0}, {1, 2}}};

// A grid edge's key: 2 · (index of its first corner) for the edge to the right of that
// corner, plus 1 for the edge above it. Both cells beside an edge name it the same way.
using EdgeKey = std::int64_t;

struct Segment {
  std::array<EdgeKey, 2> key;
  std::array<std::int64_t, 2> next{-1, -1};  // segment sharing key[0] / key[1], or -1
};

}  // namespace

int CContourLineMapqv::initLevelAbs(double threshold, double maxAbs, int levels) {
  m_dLevels.clear();
  if (levels < 1 || !std::isfinite(threshold) || !std::isfinite(maxAbs)) return 0;
  threshold = std::max(threshold, 0.0);
  if (maxAbs < threshold) return 0;
  const double step = (maxAbs - threshold) / levels;
  for (int k = 0; k < levels; ++k) {
    const double magnitude = threshold + k * step;
    m_dLevels.push_back(magnitude);
    if (magnitude > 0.0) m_dLevels.push_back(-magnitude);
  }
  std::sort(m_dLevels.begin(), m_dLevels.end());
  m_dLevels.erase(std::unique(m_dLevels.begin(), m_dLevels.end()), m_dLevels.end());
  return 1;
}

int CContourLineMapqv::dataGrid2ContourLinePro(const CDataGridRect* grid) {
  m_lines.clear();
  m_nGridWidth = m_nGridHeight = 0;
  if (m_dLevels.empty() || !grid || grid->gridWidth < 2 || grid->gridHeight < 2 ||
      grid->values.size() !=
          static_cast<std::size_t>(grid->gridWidth) * static_cast<std::size_t>(grid->gridHeight)) {
    return 0;
  }
  m_nGridWidth = grid->gridWidth;
  m_nGridHeight = grid->gridHeight;
  // Each cell's value range, once for all levels: a level crosses a cell only when it
  // lies above the cell's smallest corner and at or below its largest, so every other
  // cell of a level is passed over by two comparisons. A cell with a non-finite corner
  // gets an empty range and is never crossed.
  const int w = grid->gridWidth, h = grid->gridHeight;
  std::vector<CellRange> ranges(static_cast<std::size_t>(w - 1) * static_cast<std::size_t>(h - 1));
  double low = 0.0, high = 0.0;
  bool any = false;
  for (int j = 0; j + 1 < h; ++j) {
    const double* row = grid->values.data() + static_cast<std::size_t>(j) * static_cast<std::size_t>(w);
    for (int i = 0; i + 1 < w; ++i) {
      const double v0 = row[i], v1 = row[i + 1], v2 = row[i + 1 + w], v3 = row[i + w];
      CellRange& r = ranges[static_cast<std::size_t>(j) * static_cast<std::size_t>(w - 1) + static_cast<std::size_t>(i)];
      if (!std::isfinite(v0) || !std::isfinite(v1) || !std::isfinite(v2) || !std::isfinite(v3)) continue;
      r = {std::min(std::min(v0, v1), std::min(v2, v3)), std::max(std::max(v0, v1), std::max(v2, v3))};
      low = any ? std::min(low, r.low) : r.low;
      high = any ? std::max(high, r.high) : r.high;
      any = true;
    }
  }
  std::vector<std::int64_t> edgeEnd(2 * static_cast<std::size_t>(w) * static_cast<std::size_t>(h), -1);
  for (double level : m_dLevels) {
    if (any && level > low && level <= high) traceLevel(*grid, level, ranges, edgeEnd);
  }
  return 1;
}

int CContourLineMapqv::drawMap(CDC* dc, int left, int top, double scaleX, double scaleY,
                               int width, int height, int mirrored, int noseUp,
                               CPen* positivePen, CPen* negativePen) const {
  if (dc == nullptr || dc->GetSafeHdc() == nullptr || m_nGridWidth < 1) return 0;
  const hostrender::FieldImageMapping mapping = hostrender::FieldImageMapping::make(
      m_nGridWidth, m_nGridHeight, left, top, scaleX, scaleY, mirrored != 0, noseUp != 0);
  DcStateScope scope(*dc);
  scope.intersectClip(CRect(0, 0, width, height)).keepPosition();
  CPen* const selected = dc->GetCurrentPen();
  for (const ContourLine& line : m_lines) {
    CPen* pen = line.level > 0.0 ? positivePen : line.level < 0.0 ? negativePen : nullptr;
    scope.pen(pen != nullptr ? pen : selected);
    dc->MoveTo(mapping.gridToPixel(line.points.front().u, line.points.front().v));
    for (std::size_t k = 1; k < line.points.size(); ++k)
      dc->LineTo(mapping.gridToPixel(line.points[k].u, line.points[k].v));
  }
  return 1;
}

void CContourLineMapqv::_clean() {
  m_dLevels.clear();
  m_lines.clear();
  m_nGridWidth = m_nGridHeight = 0;
}

void CContourLineMapqv::traceLevel(const CDataGridRect& grid, double level, const std::vector<CellRange>& ranges,
                                   std::vector<std::int64_t>& edgeEnd) {
  const int w = grid.gridWidth, h = grid.gridHeight;
  const auto value = [&grid, w](int i, int j) {
    return grid.values[static_cast<std::size_t>(j) * static_cast<std::size_t>(w) + static_cast<std::size_t>(i)];
  };
  const auto cornerIndex = [w](int i, int j) { return static_cast<EdgeKey>(j) * w + i; };

  // 1. One or two segments per cell whose corners lie on both sides of the level.
  std::vector<Segment> segments;
  for (int j = 0; j + 1 < h; ++j) {
    const CellRange* rowRanges = ranges.data() + static_cast<std::size_t>(j) * static_cast<std::size_t>(w - 1);
    for (int i = 0; i + 1 < w; ++i) {
      if (!(level > rowRanges[i].low && level <= rowRanges[i].high)) continue;
      const double v0 = value(i, j), v1 = value(i + 1, j), v2 = value(i + 1, j + 1), v3 = value(i, j + 1);
      const int cell = (v0 >= level ? 1 : 0) | (v1 >= level ? 2 : 0) | (v2 >= level ? 4 : 0) | (v3 >= level ? 8 : 0);
      const CellCase& c = kCases[static_cast<std::size_t>(cell)];
      std::array<EdgePair, 2> pairs = c.pairs;
      if ((cell == 5 || cell == 10) && 0.25 * (v0 + v1 + v2 + v3) >= level)
        pairs = cell == 5 ? kSaddle5Joined : kSaddle10Joined;
      const EdgeKey corner = cornerIndex(i, j);
      const std::array<EdgeKey, 4> edgeKey{2 * corner, 2 * (corner + 1) + 1, 2 * cornerIndex(i, j + 1),
                                           2 * corner + 1};
      for (int p = 0; p < c.count; ++p) {
        const EdgePair e = pairs[static_cast<std::size_t>(p)];
        segments.push_back({{edgeKey[static_cast<std::size_t>(e.a)], edgeKey[static_cast<std::size_t>(e.b)]}});
      }
    }
  }

  // 2. Link segments that share an edge: every edge lies in at most two cells and is used
  //    at most once per cell, so each key appears once (grid border) or twice. edgeEnd
  //    holds, per edge, the segment end (segment · 2 + end) met first; it is all −1
  //    between levels.
  for (std::size_t s = 0; s < segments.size(); ++s) {
    for (std::int64_t e = 0; e < 2; ++e) {
      std::int64_t& first = edgeEnd[static_cast<std::size_t>(segments[s].key[static_cast<std::size_t>(e)])];
      const std::int64_t b = static_cast<std::int64_t>(s) * 2 + e;
      if (first < 0) {
        first = b;
        continue;
      }
      segments[static_cast<std::size_t>(first / 2)].next[static_cast<std::size_t>(first % 2)] = b / 2;
      segments[s].next[static_cast<std::size_t>(e)] = first / 2;
    }
  }
  for (const Segment& seg : segments)
    for (EdgeKey key : seg.key) edgeEnd[static_cast<std::size_t>(key)] = -1;

  // 3. Walk the chains: forward from each unvisited segment, and backward too when the
  //    forward walk ends at the border instead of coming round to the start.
  const auto crossing = [&](EdgeKey key) {
    const EdgeKey corner = key / 2;
    const int i = static_cast<int>(corner % w), j = static_cast<int>(corner / w);
    const bool upward = key % 2 == 1;
    const double a = value(i, j), b = upward ? value(i, j + 1) : value(i + 1, j);
    const double t = (level - a) / (b - a);
    return upward ? ContourPoint{static_cast<double>(i), j + t} : ContourPoint{i + t, static_cast<double>(j)};
  };
  const auto walk = [&segments](std::int64_t from, EdgeKey key, std::vector<bool>& visited,
                                std::vector<EdgeKey>& keys) {
    std::int64_t current = from;
    for (;;) {
      const Segment& s = segments[static_cast<std::size_t>(current)];
      const std::int64_t next = s.next[s.key[0] == key ? 0u : 1u];
      if (next < 0) return false;
      if (next == from && current != from) return true;
      if (visited[static_cast<std::size_t>(next)]) return false;
      visited[static_cast<std::size_t>(next)] = true;
      const Segment& n = segments[static_cast<std::size_t>(next)];
      key = n.key[0] == key ? n.key[1] : n.key[0];
      keys.push_back(key);
      current = next;
    }
  };

  std::vector<bool> visited(segments.size(), false);
  for (std::size_t s = 0; s < segments.size(); ++s) {
    if (visited[s]) continue;
    visited[s] = true;
    std::vector<EdgeKey> forward{segments[s].key[0], segments[s].key[1]};
    const bool closed = walk(static_cast<std::int64_t>(s), segments[s].key[1], visited, forward);
    std::vector<EdgeKey> keys;
    if (!closed) {
      walk(static_cast<std::int64_t>(s), segments[s].key[0], visited, keys);
      std::reverse(keys.begin(), keys.end());
    }
    keys.insert(keys.end(), forward.begin(), forward.end());

    ContourLine line{level, closed, {}};
    for (EdgeKey key : keys) {
      const ContourPoint p = crossing(key);
      // A level met exactly at a grid point gives several crossings at that point.
      if (line.points.empty() || !(line.points.back() == p)) line.points.push_back(p);
    }
    const std::size_t distinct = line.points.size() - (closed ? 1u : 0u);
    if (distinct >= (closed ? 3u : 2u)) m_lines.push_back(std::move(line));
  }
}
