// Root of the draw engine: the display settings shared by every spectral window (colour
// depth and ranges, view mode, draw window, pens, font, colours, binding to the host's
// dataset) and the binding operations. The facade embeds one engine and hands its address
// to every window; only the most-derived class, CMEGSpctmDrawqv, is instantiated.
// Single-threaded (the UI thread); no virtual operations.
#pragma once

#include <cstdint>

#include "host/data/CArrayMEDataSetqv.h"
#include "host/render/CADRindex2Colorqv.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

class CMEGSpctmDraw : public CADRindex2Colorqv {
 public:
  // Fills the colour tables (base), sets the general display group to its initial values,
  // creates the seven pens (selection, black, first red, major grid, minor grid, second
  // red, scale) and the Arial height-12 label font.
  CMEGSpctmDraw();
  // Clears the binding, deletes the pens in reverse field order and the label font.
  ~CMEGSpctmDraw();
  CMEGSpctmDraw(const CMEGSpctmDraw&) = delete;
  CMEGSpctmDraw& operator=(const CMEGSpctmDraw&) = delete;

  // Stores the dataset pointer (null allowed), then refreshes as updateMEGData does.
  // 1 when a current session and trial were found, else 0.
  int setDrawMEGData(CArrayMEDataSetqv* pDataSet);
  // Re-fetches the current session from the bound dataset (only when one is bound: with
  // none, the cached session stays), then the current trial from that session.
  // 0 without a session (the trial is then left as it was) or without a trial.
  int updateMEGData();

  // ---- General display group (the comment gives the place in the settings record) ----
  UINT m_nColorDepth = 765;            // 8: levels; 256/512/768 pick those tables, else the largest
  bool m_bShowTimeGrid = false;        // 9: column view time grid; only a settings record sets it
  int m_nLastSpctmClass = 0;           // class of the last single-channel draw
  int m_nLastDataKind = 0;             // data kind of the last single-channel draw
  std::int64_t m_nTimeGridStep = 20;   // 10: pixels between time grid lines
  std::int64_t m_nTimeGridMajor = 100; // 11: pixels after which a grid line is major
  std::int64_t m_nSelectLineX = 1;     // 14: device x of the last selection band's begin
  std::int64_t m_nReserved = 1;        // 15: stored and restored only
  std::int64_t m_nColumnGap = 6;       // 16: pixels right of each column's plot
  std::int64_t m_nColumnBottomMargin = 20;  // 17
  std::int64_t m_nColumnNameWidth = 40;     // 18: channel-name area left of each column
  std::int64_t m_nColumnTopMargin = 20;     // 19
  std::int64_t m_nWinTimeBegin = 0;    // 20: draw window, first time point
  std::int64_t m_nWinFreqBegin = 0;    // 21: draw window, first frequency point
  std::int64_t m_nWinTimeEnd = 0;      // draw window, last time point
  std::int64_t m_nWinFreqEnd = 0;      // draw window, last frequency point
  int m_nViewMode = 0;                 // 22: 0/1 window view, 2/3 peak view
  double m_dColorMax = 1.0;            // 12: colour range maximum
  double m_dColorMin = -1.0;           // 13: colour range minimum
  double m_dOuterMax = 2.0;            // 24: outer range maximum (peak view)
  double m_dOuterMin = -2.0;           // 23: outer range minimum (peak view)
  CPen m_penBlack;                     // solid, 1, black: outlines, legend frames
  CPen m_penSelect;                    // solid, 1, orange 0x2C7DFF: selection, base lines
  CPen m_penGridMinor;                 // dotted, 1, 0xF87450
  CPen m_penGridMajor;                 // solid, 1, 0xF87428
  CPen m_penScale;                     // solid, 1, 0x1414FF: scale bar, wave zero line
  CPen m_penRed1;                      // solid, 1, red; selected by no drawing
  CPen m_penRed2;                      // solid, 1, red; selected by no drawing
  COLORREF m_crBackground = 0xFFFFFF;  // 3: fill of a view before drawing
  COLORREF m_crTextBk = 0xFFFFFF;      // 4: text background colour
  COLORREF m_crText = 0;               // 5: text colour
  CFont* m_pFont = nullptr;            // label font made from m_lfFont (owned)
  LOGFONT m_lfFont;                    // height 12, face "Arial", all else 0
  int m_nPersist1 = 1;                 // 1: stored and restored only
  int m_nPersist2 = 4;                 // 2: stored and restored only
  int m_nVisibleChannels = 0;          // 6: channels in the column view (layout)
  int m_nHitRow = 0;                   // 7: row of the channel last hit in the column view
  CArrayMEDataSetqv* m_pDataSet = nullptr;  // bound dataset (not owned)
  CMEGDataqv* m_pSession = nullptr;    // cached current session (not owned)
  CMDTrialqv* m_pTrial = nullptr;      // cached current trial (not owned)
  BOOL m_bStdRender = 1;               // standard renderer pair and legend
  BOOL m_bPolarity = 1;                // standard rendering colours by sign
  double m_dStdMax = 1.0;              // standard range maximum (magnitudes)
  double m_dStdMin = 0.0;              // standard range minimum (magnitudes)
  BOOL m_bHorzColorScale = 1;          // legend drawn horizontally under the view
};
