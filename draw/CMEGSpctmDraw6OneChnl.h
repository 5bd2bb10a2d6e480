// Single-channel view of the draw engine: the picture geometry (zoom, origin, first drawn
// bins), the read-out switches and the waveform strip's baseline; the window and peak view
// renderers, the selection read-outs, the measures and the waveform strip build on it.
#pragma once

#include <cstdint>
#include <string>

#include "draw/CMEGSpctmDraw3Prcs.h"
#include "host/data/CSumChnlSpctmData.h"

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

  // ---- Single-channel spectrogram: window and peak view --------------------------------
  // The renderers paint the spectrum of the data source (0 the current channel, 1..6 a
  // group statistic of the current trial) for a spectral class (0..2) and data kind (0..2)
  // as one zoom × zoom square per bin, time to the right and frequency upward, into the
  // device rectangle `rect`. They draw the bins only; the callers fill the background.
  // Result 1 when the drawing ran (even if no bin fell inside), 0 when the device context,
  // session, trial, current channel, spectral trial, summary, spectral channel or array
  // is missing or the data source is above 6; the device context is then untouched.
  //
  // While m_bRecentre is set, the first draw places the picture and clears the flag: a
  // spectrum of T ≤ width (F ≤ height) time (frequency) points is centred at one pixel per
  // bin, a wider (taller) one starts at the left (bottom) edge, from the draw window's
  // begin point when that is above 0. Bins are then laid out from m_nOriginX/m_nOriginY
  // and m_nFirstTime/m_nFirstFreq: time point t at x = trunc(origin x + (t − first)·zoom),
  // frequency point f at y = trunc(origin y − (f − first)·zoom); columns left of the
  // rectangle are skipped, the first column right of it ends the drawing, rows below it
  // are skipped, the first row above it ends the column. Squares may reach past the right
  // and bottom edges.
  //
  // Choices for values no window produces: first drawn points below 0 leave those
  // columns or rows empty (negative indices are never read); a zoom that is not a number
  // within ±32768 draws no square. Data source 0 always draws the channel's spectrum with
  // its own T × F (the summary's counts are the same for every channel in the summary,
  // and reading another channel with them could run past its array).

  // Fills `rect` with m_crBackground (when a device context is given), then draws the
  // window view for view mode 0 or 1, else the peak view; returns that renderer's result.
  int drawOneSpctmColumn(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // The colour range mapped onto the single table; view mode 1 paints values outside the
  // range with the middle colour. Recomputes the group summary through the session when
  // it is empty.
  int drawOneSpctmColumnWindView(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);
  // Only values beyond the colour range are coloured, from the polarity pair, towards the
  // outer range; everything else gets the neutral colour.
  int drawOneSpctmColumnPeakView(CDC* pDC, CRect rect, int nSpctmClass, int nDataKind);

 protected:
  // A spectrum to draw: T × F values, time-major (value of t, f at t·F + f).
  struct SpctmBins {
    const double* values = nullptr;
    std::int64_t T = 0;
    std::int64_t F = 0;
  };

  // The first steps of every single-channel renderer: with a device context, refreshes the
  // cached session and trial, sets `channel` to the trial's current channel and returns
  // the trial's spectral trial of the class; null when any of them is missing.
  CSpctmTrialqv* oneChnlSpctmTrial(CDC* pDC, int nSpctmClass, CMDChannelqv*& channel);
  // The bins of m_nDataSource for the current channel, class and kind, as the host's
  // sourceArray answers; empty when it has none.
  SpctmBins oneChnlSourceBins(int nSpctmClass, int nDataKind) const;
  // Places the picture when m_bRecentre is set, prepares the device context (text colour,
  // black pen, label font, current position at the origin), draws one square per bin in
  // `colour` (a rule of draw/SpctmColorRules.h), restores the context and returns 1.
  template <class Colour>
  int drawOneSpctmBins(CDC* pDC, CRect rect, const SpctmBins& bins, const Colour& colour);

 public:
  // ---- Selection read-outs, measures and waveform strip ---------------------------------
  // Positions follow the picture geometry of the renderers: time point t lies at
  // x = trunc((t − m_nFirstTime)·m_dZoom + m_nOriginX), frequency point f at
  // y = trunc(m_nOriginY − (f − m_nFirstFreq)·m_dZoom). Each operation refreshes the
  // binding to the host's current session and trial first. Texts use m_pFont and m_crText
  // with whatever background mode the device context has.

  // The selection read-out on rectangle (L, T0, R, B) of the class's spectral data: the
  // accumulated variant when the spectral trial is accumulated, else the ordinary one;
  // returns the variant's result. 0 without device context, session, trial or spectral
  // trial.
  int drawOneSpctmSelectInfo(CDC* pDC, CRect rect, int cls, int kind);
  // Ordinary spectra (times as latencies). Draws, by the switches of the draw state:
  // - always the selection box, inverted. Its corners are the selection's begin and end
  //   points, each x ≤ 0 moved to L and x ≥ R − L to R, each y ≤ 0 to T0 and y ≥ B − T0
  //   to B. The box extends from the begin corner's pixel towards the end corner,
  //   excluding the end's column and row: when an end lies above or left of the begin the
  //   box runs back from the begin pixel, which stays inside it;
  // - m_bShowSelect: the cross through the begin corner (a one-pixel column over the
  //   rectangle's height and row over its width, inverted), the time text at
  //   (xb + 6, T0): "%0.3f->%0.3f s  (sum/points =  %0.3f/%d)" when both latencies exceed
  //   1000 ms, else "%0.3f->%0.3f ms (sum/points =  %0.3f/%d)", with the host's sum and
  //   count of the data source's values in the selection; the frequency text
  //   "%0.3f - %.3f kHz" (begin above 1000 Hz) or "%0.3f - %.3f Hz", right-aligned to R and
  //   centred on the cross's row;
  // - m_bShowSelectInfo: latencies of time points 0 and T at (origin x, T0 + h) and at the
  //   x of T (moved left by the text's width when past R), frequencies of points 0 and F at
  //   (L, origin y) and (L, y of F); "%0.3f s" / "%0.3f kHz" from 1000 up;
  // - m_bShowName: the title (channel name or group statistic, "Unknown" for a source
  //   above 6) at (0, 0) and "X:%I64d (Time:%I64d) Y:%I64d (Freq:%I64d)" with the origin
  //   and first drawn points at (0, (B − T0) − h).
  // Ends with the background colour set to white. 1 when drawn, 0 as drawOneSpctmSelectInfo.
  int drawOneSpctmSelectInfo_RTcw(CDC* pDC, CRect rect, int cls, int kind);
  // Accumulated spectra: as the ordinary read-out with time-point indices for times: the
  // time text "%I64d->%I64d (sum/points =  %0.3f/%d)", the axis labels "Accum:0" and T.
  int drawOneSpctmSelectInfo_Acum(CDC* pDC, CRect rect, int cls, int kind);
  // Rulers of the whole trial: a time ruler 12 pixels under the origin from its x to the x
  // of T (ticks 6 pixels up every trunc(zoom·10) pixels, at least 2) with the latencies of
  // points 0 and T under its ends, and a frequency ruler 12 pixels left of the origin up
  // to the y of F (ticks 6 pixels right, same step) with the frequencies of points 0 and F
  // right-aligned against it, both in kHz when point 0 lies above 1000 Hz. The first drawn
  // points are not subtracted. 1, or 0 without device context, session, trial, current
  // channel or spectral trial. The background colour is not touched.
  int drawOneSpctmMeasures(CDC* pDC, CRect rect, int cls, int kind);
  // The time and frequency point under a device point, by inverting the picture geometry
  // (truncated, not clamped to the data). 1, or 0 (outputs untouched) without session or
  // trial. Class and kind are not used.
  int getSpctmOneSelect4MousePt(CPoint point, std::int64_t& timePt, std::int64_t& freqPt, int cls,
                                int kind);

  // The current channel's raw waveform over the spectrogram of rectangle (L, T0, R, B): 0
  // without device context, session, trial or spectral trial; 1 without drawing for an
  // accumulated spectrum; else the result of drawOneWaveColumn_RTcw.
  int drawOneWaveColumn(CDC* pDC, CRect rect, int cls, int kind);
  // Draws the strip: with m_bRecentreWave set, the zero line moves to the rectangle's
  // middle and the flag clears; the zero line (m_penScale) spans L to R at m_nWaveOffsetY;
  // the samples the spectral trial names (getSelectBE4DrawWave, b … e) are joined by
  // black lines starting from the zero line at origin x, zoom / time step pixels apart, up
  // by the session's gain times the value, cut to T0 … B and stopped past R. 1, or 0 (no
  // change) without device context, session, trial, current channel, spectral trial,
  // sample range or waveform. The kind is not used.
  int drawOneWaveColumn_RTcw(CDC* pDC, CRect rect, int cls, int kind);
  // Kept for the host: does nothing, returns 1.
  int linkContourmap2OneShow();

 private:
  int drawSelectInfo(CDC* pDC, const CRect& rect, int cls, int kind, bool accumulated);
  // Device x of time point t and y of frequency point f in the picture.
  std::int64_t pictureX(std::int64_t t) const;
  std::int64_t pictureY(std::int64_t f) const;
  // Title of the read-out: the current channel's name or the group statistic's.
  std::wstring dataSourceTitle() const;
};
