// Test helpers for the draw-settings record: storing an engine to bytes, and the record
// of a fresh engine built independently of the engine's code, value by value at the
// offsets the record format documents.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "draw/CMEGSpctmDrawqv.h"

namespace settingsrec {

using Bytes = std::vector<BYTE>;

inline Bytes store(CMEGSpctmDrawqv& d) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    d.serializeqv(ar);
  }
  return file.data();
}

// Offsets of the one-byte bool values in the record.
inline constexpr size_t kBoolOffsets[] = {64, 181, 182, 215, 216, 217};

// The record of a freshly constructed engine whose time-grid flag is off.
inline Bytes freshRecord() {
  Bytes b(302, 0);
  auto put = [&b](size_t offset, auto value) { std::memcpy(b.data() + offset, &value, sizeof value); };
  const BYTE header[4] = {0xFF, 0xFE, 0xFF, 12};
  std::memcpy(b.data(), header, 4);
  const char* sig = "MEGSPCTMDRAW";
  for (size_t i = 0; i < 12; ++i) b[4 + 2 * i] = static_cast<BYTE>(sig[i]);
  put(28, std::uint32_t{20080120});
  put(32, std::uint32_t{1});         // m_nPersist1
  put(36, std::uint32_t{4});         // m_nPersist2
  put(40, std::uint32_t{0xFFFFFF});  // background
  put(44, std::uint32_t{0xFFFFFF});  // text background
  put(48, std::uint32_t{0});         // text
  put(52, std::uint32_t{0});         // visible channels
  put(56, std::uint32_t{0});         // hit row
  put(60, std::uint32_t{765});       // colour depth
  put(64, std::uint8_t{0});          // time grid
  put(65, std::int64_t{20});         // grid step
  put(73, std::int64_t{100});        // grid major
  put(81, 1.0);                      // colour max
  put(89, -1.0);                     // colour min
  put(97, std::int64_t{1});          // select line x
  put(105, std::int64_t{1});         // reserved
  put(113, std::int64_t{6});         // column gap
  put(121, std::int64_t{20});        // bottom margin
  put(129, std::int64_t{40});        // name width
  put(137, std::int64_t{20});        // top margin
  put(145, std::int64_t{0});         // window time begin
  put(153, std::int64_t{0});         // window frequency begin
  put(161, std::uint32_t{0});        // view mode
  put(165, -2.0);                    // outer min
  put(173, 2.0);                     // outer max
  put(181, std::uint8_t{1});         // recentre
  put(182, std::uint8_t{1});         // m_bPersist3
  for (size_t o : std::initializer_list<size_t>{183, 191, 199, 207}) put(o, std::int64_t{0});  // m_nPersist4 … 7
  put(215, std::uint8_t{1});         // show select
  put(216, std::uint8_t{0});         // show select info
  put(217, std::uint8_t{1});         // show name
  put(218, 1.0);                     // zoom
  for (size_t o : std::initializer_list<size_t>{226, 234, 242, 250, 258, 266}) put(o, std::int64_t{0});  // origin … wave offset
  put(274, std::uint32_t{3});        // columns
  put(278, std::uint32_t{30});       // m_nPersist8
  put(282, std::uint32_t{1});        // base lines
  put(286, std::uint32_t{1});        // channel names
  for (size_t o : std::initializer_list<size_t>{290, 294, 298}) put(o, std::uint32_t{3});  // rows, column width, row height
  return b;
}

// A valid record whose every body byte differs from the fresh one: bools flipped, every
// other byte XOR 0xA5 (no double becomes a NaN).
inline Bytes patternRecord() {
  Bytes b = freshRecord();
  for (size_t i = 32; i < b.size(); ++i) b[i] ^= 0xA5;
  for (size_t o : kBoolOffsets) b[o] = freshRecord()[o] ? 0 : 1;
  return b;
}

}  // namespace settingsrec
