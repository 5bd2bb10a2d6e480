// The draw engine the facade embeds: the show operations that clear a view and pick its
// renderer for the current draw state, and the hit tests that turn a mouse point into
// spectral indices or a channel. Called by the canvases (showSpctmOne, showSpctmContourMap)
// and by the host (the others). No messages; missing data give the results stated.
#pragma once

#include <cstdint>

#include "draw/CMEGSpctmDraw9File.h"

class CMEGSpctmDrawqv : public CMEGSpctmDraw9File {
 public:
  // Single-channel view: records class and kind in m_nLastSpctmClass / m_nLastDataKind,
  // fills `rect` with m_crBackground (when a device context is given), draws with the
  // renderer the switches choose (standard: polarity or absolute value; otherwise window
  // view for view mode 0 or 1, peak view for the others) and, when the host has a current
  // session and trial, the selection read-outs on top. Always 1.
  int showSpctmOne(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // Multi-channel column view: background, layout from `rect`, then with the rectangle's
  // left taken as 0: base lines, names, each column's time grid, the blocks (window view
  // for view mode 0 or 1, else peak view) and each column's selection band. 0 without
  // session or trial, else 1.
  int showSpctmMC(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // One channel's patch: sets m_nWinTimeEnd = m_nWinTimeBegin + (x1 − x0), then draws
  // with the patch renderer the switches choose (as showSpctmOne) and returns its result.
  int showSpctmContourMap(CDC* pDC, int x0, int y0, int x1, int y1, CSpctmChnlqv* pSpctmChnl, int nSpctmClass,
                          int nDataKind);
  // Colour scale: with m_bHorzColorScale the horizontal standard legend in the strip
  // (left, bottom − 20, right, bottom); otherwise in (right − 90, top, right − 60, bottom)
  // the vertical standard legend (m_bStdRender) or the window/peak legend. Always 1.
  int showSpctmColorScale(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind, int nSteps);

  // Hit test in the column view laid out for `rect` (left L). Inside a column's plot
  // (strictly between its left and right edge) the time point (x − plot left) +
  // m_nWinTimeBegin goes to `timePt`; the shown channels are then walked row by row and
  // the first whose row (base line − row height ≤ y ≤ base line) contains y, with x more
  // than the name width right of that row's column's plot left, gives the frequency point
  // m_nWinFreqBegin + (base line − y) in `value`. Outside every plot, the first shown
  // channel whose name area holds the point (y at most a row height below its base line,
  // x at most the name width right of its column's plot left) becomes the trial's
  // current channel, its index goes to `timePt` and its row to m_nHitRow: result 2.
  // Result −1 without session or trial, else 1 (outputs written as far as found).
  int getChnl_TimeFreqPts4MouseInMC(CDC* pDC, CPoint point, CRect rect, std::int64_t& timePt, std::int64_t& value,
                                    int nSpctmClass, int nDataKind);
  // Hit test in a single-channel picture of the current channel's T × F spectrum taken as
  // centred in `rect` at one pixel per bin (left x0 = trunc(L + (W − T)/2), bottom
  // y0 = trunc(B − (H − F)/2)): time point x − x0 and frequency point y0 − y, each clamped
  // to the spectrum. Both outputs are 0 first; 0 when the session, trial, current channel,
  // its spectral channel of the class or its array of the kind is missing, else 1.
  int getSampleID4MouseSpctmX(CDC* pDC, CPoint point, CRect rect, std::int64_t& timePt, std::int64_t& freqPt,
                              int nSpctmClass, int nDataKind);
};
