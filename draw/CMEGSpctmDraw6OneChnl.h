// Single-channel view of the draw engine: the picture geometry (zoom, origin, first drawn
// bins), the read-out switches and the waveform strip's baseline; the window and peak view
// renderers, the selection read-outs, the measures and the waveform strip build on it.
#pragma once

#include <cstdint>

#include "draw/CMEGSpctmDraw3Prcs.h"

class CMEGSpctmDraw6OneChnl : public CMEGSpctmDraw3Prcs {
 public:
  // ---- Single-channel view group (the comment gives the place in the settings record) --
  bool m_bRecentre = true;            // 25: the next draw places the picture and clears it
  bool m_bPersist3 = true;            // 26: stored and restored only
  std::int64_t m_nPersist4 = 0;       // 27: stored and restored only
  std::int64_t m_nPersist5 = 0;       // 28
  std::int64_t m_nPersist6 = 0;       // 29
  std::int64_t m_nPersist7 = 0;       // 30
  bool m_bShowSelect = true;          // 31: selection cross and its time/frequency texts
  bool m_bShowSelectInfo = false;     // 32: labels at the ends of both axes
  bool m_bShowName = true;            // 33: title (data source) and origin line
  double m_dZoom = 1.0;               // 34: pixels per bin on both axes
  std::int64_t m_nOriginX = 0;        // 35: device x of the first drawn time bin
  std::int64_t m_nOriginY = 0;        // 36: device y of the first drawn frequency bin
  std::int64_t m_nFirstTime = 0;      // 37: time bin drawn at the origin
  std::int64_t m_nFirstFreq = 0;      // 38: frequency bin drawn at the origin
  int m_nDataSource = 0;              // 0 current channel; 1..6 group statistic
  std::int64_t m_bRecentreWave = 0;   // 39: non-zero: next strip draw re-centres the zero line
  std::int64_t m_nWaveOffsetY = 0;    // 40: device y of the waveform strip's zero line
};
