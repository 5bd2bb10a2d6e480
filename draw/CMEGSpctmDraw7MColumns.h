// Multi-channel column view of the draw engine: the layout of every visible channel's
// spectrogram as blocks stacked in columns, with base lines, names and a time grid. Run
// by showSpctmMC (CMEGSpctmDrawqv) for a host that draws all channels at once; one device
// pixel per spectral bin, one SetPixel per bin, no zoom.
#pragma once

#include <cstdint>

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

  // Geometry shared by every operation below, for a rectangle with left L: column c's
  // plot starts at x_c = c·(m_nColumnWidth + m_nColumnGap + m_nColumnNameWidth) +
  // m_nColumnNameWidth + L and is m_nColumnWidth pixels wide; row r's base line lies at
  // y_r = m_nColumnTopMargin + (r + 1)·m_nRowHeight (the rectangle's top does not enter).
  // Blocks fill a column from row 0 down; after m_nRowsPerColumn rows the next column
  // starts at row 0. Every operation takes (device context, rectangle, spectral class,
  // data kind) and returns 1 when done, 0 without device context, session or trial, or
  // when its switch is clear. Layout values from a settings record are used as they are;
  // those no layout produces (fewer than one column, a grid step below 1) draw nothing.

  // With m_bShowChannelNames set: stores the host's count n of visible named channels in
  // m_nVisibleChannels and, when n ≥ 1, sets m_nRowsPerColumn = ⌈n / m_nColumns⌉ (at
  // least 1), m_nRowHeight = (H − top margin − bottom margin) / (rows + 1) and
  // m_nColumnWidth = W / m_nColumns − name width − gap (integer divisions). 0 (earlier
  // layout kept) when n < 1 or m_nColumns < 1.
  int _calculateColumnBlockH(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // With m_bShowBaseLines set: one line in m_penSelect per visible channel (the host's
  // count), from (x_c, y_r) to (x_c + m_nColumnWidth, y_r), end point excluded.
  int _drawColumnChannelBaseLine(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // With m_bShowChannelNames set: the names of the shown channels with a non-empty name,
  // in channel order, each taking the next row: top-left at (x_c − name width, y_r), red
  // for the trial's current channel, m_crText for the others, on m_crTextBk.
  int _drawColumnChannelName(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // With m_bShowTimeGrid set: vertical lines from the rectangle's top to its bottom at
  // x = left, left + step, … while x < right (step m_nTimeGridStep). A counter k starts
  // at 0: a line with k < m_nTimeGridMajor is minor (dotted) and adds the step to k, any
  // other is major (solid) and resets k to 0. `rect` is one column's plot.
  int _drawTimeDmnScaleBar(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // The blocks in window-view colouring: every shown channel with a spectral channel of
  // the class takes a row (left empty without an array of the kind) and is drawn with
  // its own T × F.
  int drawColumnSpctmWindView(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // The blocks in peak-view colouring: every channel for which the session gives data
  // (shown channels only) takes a row; bins up to the spectral trial's T × F, read with
  // the array's own F. 0 also without a spectral trial of the class.
  int drawColumnSpctmPeakView(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // The window view for view mode 0 or 1, else the peak view; returns its result.
  int drawColumnSpctmB(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);

  // A block, as both block renderers draw it, with base line y and limit y' (the row's
  // top, the previous base line): time point t from max(m_nWinTimeBegin, 0) in column
  // x_c + (t − m_nWinTimeBegin), stopping past x_c + m_nColumnWidth; frequency point f
  // from fStart = max(m_nWinFreqBegin, 0) at row y − (f − fStart), stopping at row 0 and
  // at y' + 1. So at most m_nColumnWidth + 1 columns and m_nRowHeight − 1 rows.

 protected:
  // Left of column c's plot for a rectangle with left `left`: x_c above.
  std::int64_t columnPlotLeft(std::int64_t c, std::int64_t left) const;
  // Column c's plot: from x_c, m_nColumnWidth wide, over the rectangle's height.
  CRect columnPlotRect(int c, const CRect& rect) const;
  // How many columns a drawing of the whole view walks: m_nColumns, at most the
  // rectangle's width + 1. A layout computed for the view has a pitch of at least one
  // pixel per column, so no further column could start inside it; only a settings record
  // gives larger counts, which would otherwise walk billions of invisible columns.
  int drawnColumns(const CRect& rect) const;
  // The first column whose plot holds x strictly between its left and right edge, or −1.
  int columnAt(std::int64_t x, std::int64_t left) const;

  // Walks the rows of the layout for a rectangle with left `left`: the position of the
  // current row's block and name, then on to the next row (and column).
  class ColumnWalk {
   public:
    ColumnWalk(const CMEGSpctmDraw7MColumns& d, std::int64_t left) : m_d(d), m_left(left) {}
    std::int64_t plotLeft() const { return m_d.columnPlotLeft(m_column, m_left); }
    std::int64_t baseLine() const { return rowTop() + m_d.m_nRowHeight; }
    // The previous row's base line (the top margin for row 0).
    std::int64_t rowTop() const;
    std::int64_t row() const { return m_row; }
    void next();

   private:
    const CMEGSpctmDraw7MColumns& m_d;
    std::int64_t m_left;
    std::int64_t m_row = 0;
    std::int64_t m_column = 0;
  };

 private:
  // Draws one block of T × F values at the walk's current row in `colour`.
  template <class Colour>
  void drawColumnBlock(CDC& dc, const ColumnWalk& walk, const double* values, std::int64_t T, std::int64_t F,
                       std::int64_t arrayF, const Colour& colour) const;
};
