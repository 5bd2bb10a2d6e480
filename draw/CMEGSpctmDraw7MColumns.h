// Multi-channel column view of the draw engine: the layout of every visible channel's
// spectrogram as blocks stacked in columns, with base lines, names and a time grid.
#pragma once

#include "draw/CMEGSpctmDraw6OneChnl01Std.h"

class CMEGSpctmDraw7MColumns : public CMEGSpctmDraw6OneChnl01Std {
 public:
  // ---- Column layout group (the comment gives the place in the settings record) ----
  int m_nColumns = 3;              // 41: number of channel columns
  int m_nPersist8 = 30;            // 42: stored and restored only
  BOOL m_bShowBaseLines = 1;       // 43: draw each channel's base line
  BOOL m_bShowChannelNames = 1;    // 44: draw names; also gates the layout computation
  int m_nRowsPerColumn = 3;        // 45: channels per column (layout)
  int m_nColumnWidth = 3;          // 46: plot width of one column in pixels (layout)
  int m_nRowHeight = 3;            // 47: height of one channel row in pixels (layout)
};
