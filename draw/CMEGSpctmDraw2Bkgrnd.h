// Background drawings of the draw engine: the colour-scale legends, the frequency scale
// bar, the selection band with its latency text, and stepping the draw window's begin.
// Called by the show dispatch, the single-channel and topographic canvases and the column
// view. Each drawing refreshes the binding to the host's current session and trial first
// and draws nothing (result 0) when a piece is missing; the device context's text colour,
// text background colour, font and pen are restored before it returns.
#pragma once

#include <cstdint>

#include "draw/CMEGSpctmDraw.h"

class CMEGSpctmDraw2Bkgrnd : public CMEGSpctmDraw {
 public:
  // ---- Colour-scale legends ------------------------------------------------------------
  // The three legends share their checks and bar geometry. They need a device context, a
  // current session and trial with a channel array, and a rectangle at least 5 × 5 pixels
  // (else 0, nothing drawn). n = steps rounded up to an even count, at least 6 bars.
  // Vertical legends: bars of height b = (H / n) / 2 stacked upward from y = H / 2 (bar 0
  // lowest), each the rectangle's width wide starting at its left; labels "%.3f" at
  // x = right + 7. Only the rectangle's height enters y: a legend is placed by its height,
  // not its top. Class and kind are not used. Result 1 when drawn. The bars' fills leave
  // the last bar's colour as the context's background colour while the labels are written
  // (FillSolidRect sets it), so opaque labels stand on that colour; the previous background
  // colour is restored at the end.
  //
  // Window view (view mode 0 or 1): the single table, labels m_dColorMax at the top bar and
  // m_dColorMin at the bottom bar. Any other view mode is the peak view: the polarity pair,
  // labels m_dOuterMax and m_dOuterMin at the same places.
  int drawSpctmColorScalePro(CDC* pDC, CRect rect, int cls, int kind, int steps);
  // Standard rendering, vertical. Polarity clear: single table, labels m_dStdMax (top bar),
  // m_dStdMin (at its share of the stack) and "0.000" one bar below the stack's base.
  // Polarity set: the pair, labels m_dStdMax, m_dStdMin, −m_dStdMin and −m_dStdMax.
  int drawSpctmColorScaleStdVtc(CDC* pDC, CRect rect, int cls, int kind, int steps);
  // Standard rendering, horizontal: bars of width b = (W / n) / 2 side by side from
  // x = W / 2 (bar 0 leftmost), the rectangle's height tall from its top. Only the width,
  // not the left, enters x. Labels stand above the bars (y = top − text height). Polarity
  // clear: m_dStdMax, m_dStdMin and "0.000"; set: m_dStdMax, m_dStdMin, "0.000",
  // −m_dStdMin, −m_dStdMax.
  int drawSpctmColorScaleStdHrz(CDC* pDC, CRect rect, int cls, int kind, int steps);

  // ---- Frequency scale bar ---------------------------------------------------------------
  // A vertical line with m_penScale from (2, 2) to (2, F + 2), one pixel per frequency
  // point of the class's spectral trial, labelled with the highest frequency at (4, 2) and
  // the lowest at (4, F − 10): "%0.3fkHz" of Hz / 1000 from 1000 Hz up, else "%0.3fHz".
  // The rectangle is not used. 0 without device context, session, trial or spectral trial;
  // 0 with the text "Get spectrum frequency range error" at (0, 0) when the trial has no
  // frequency axis.
  int drawSpctmScaleBar(CDC* pDC, CRect rect, int cls, int kind);

  // ---- Selection band --------------------------------------------------------------------
  // Inverts the columns of the class's selected time points, taken relative to
  // m_nWinTimeBegin and mapped one pixel per point into the rectangle (below 1: its left;
  // W or more: its right), over the rectangle's full height; at least one pixel wide.
  // Stores the begin's x in m_nSelectLineX and writes the selection's latencies
  // ("%0.3f->%0.3f ms", or "%0.3f->%0.3f s" when both exceed 1000 ms) at y = 0,
  // x = m_nSelectLineX + half the text's width. 1, or 0 without device context, session,
  // trial or spectral trial (nothing drawn, m_nSelectLineX unchanged).
  int drawSpctmSelectLine(CDC* pDC, CRect rect, int cls, int kind);

  // ---- Draw window -----------------------------------------------------------------------
  // Moves m_nWinTimeBegin by delta time points, kept within 0 … T − 1 of the class's
  // spectral trial, and returns the new value; 0 and no change without session, trial or
  // spectral trial. The kind is not used.
  int addDrawBeginSampleIDXSpctm(std::int64_t delta, int cls, int kind);

 protected:
  // Refreshes the cached session and trial (updateMEGData) and returns the trial's
  // spectral data of the class, or null when any of the three is missing.
  CSpctmTrialqv* refreshSpctmTrial(int cls);

 private:
  enum class ScaleTables { kSingle, kPolarity };
  // Bars of a drawn legend: their count n, their size b and the stack's base (H / 2 for a
  // vertical legend, W / 2 for a horizontal one); bar i starts at base ∓ i·b.
  struct ScaleBars {
    int n = 0;
    int b = 0;
    int base = 0;
  };
  // The common checks of the legends: a device context, session, trial with a channel
  // array, and a rectangle at least 5 × 5 pixels.
  bool canDrawColorScale(CDC* pDC, const CRect& rect);
  // Fills the bars of a legend with the colours of the tables chosen by the colour depth.
  ScaleBars drawScaleBars(CDC& dc, const CRect& rect, int steps, bool horizontal,
                          ScaleTables tables) const;
  // Colour of bar i of n.
  COLORREF scaleBarColor(ScaleTables tables, int i, int n) const;
  // Writes "%.3f" of value `offset` pixels along the stack from its base: at x = right + 7
  // beside a vertical stack (offset upward), above a horizontal one (offset rightward).
  static void drawStackLabel(CDC& dc, const CRect& rect, const ScaleBars& bars, bool horizontal,
                             double offset, double value);
  // The two standard legends, which differ only in the direction of the stack.
  int drawStdColorScale(CDC* pDC, const CRect& rect, int steps, bool horizontal);
};
