// The single-channel spectrogram canvas: the bordered static (control 2020) that fills the
// single-channel window below its tools. It paints one channel's spectrogram, or one group
// statistic over the channels, of one spectral class and data kind through the facade's
// draw engine into an off-screen bitmap and copies that to the window in one block, and it
// scrolls the shown range from the keyboard. Its dialog (CDlgSpctm1C) handles its mouse
// input and writes its switches; spctm-view draws single views through it too.
// UI thread only; the engine, dataset, session and trial are borrowed, never owned.
#pragma once

#include <cstdint>
#include <memory>

#include "draw/CMEGSpctmDrawqv.h"
#include "platform/gdi/CBitmap.h"
#include "platform/ui/Controls.h"

class CStaticSpctm1C : public CStatic {
 public:
  CStaticSpctm1C() = default;
  ~CStaticSpctm1C() override;

  // Stores the dataset array (null allowed) and fetches the host's current session and
  // trial. With a trial: the trial's findSpctmChnl4Show(class, kind), unchanged (1 when the
  // current channel, possibly switched to the first one that has it, has a spectrum of
  // this class and kind). Without: the cached trial is cleared and the result is 0.
  int setShowMEGData(CArrayMEDataSetqv* pDataSet);

  // Renders into the back buffer, bound to this canvas's data: the spectrogram with its
  // read-outs (showSpctmOne), then as switched on the waveform strip, the measures and the
  // colour scale (20 steps), all on `rect` with this canvas's class and kind. The scale is
  // the horizontal legend in the bottom 20 rows, ending 60 pixels short of the right edge
  // so that its last label stays inside, or the vertical one in the band 90 to 60 pixels
  // left of the right edge, by the draw state's switches. The back buffer is made at the
  // rectangle's size when missing (compatible with pDC) and kept until releaseMemDC; it
  // is not cleared here. 1 when drawn; 0 without session, trial or draw engine, when the
  // session has nothing to draw (hasData2Draw), or when no bitmap of the rectangle's size
  // can be made (an empty rectangle).
  int drawSpctm2MemDC(CDC* pDC, const CRect& rect);

  // Drops the back buffer and its device context; the next paint makes them anew at the
  // client size. The dialog calls it when the window is resized or the zoom changes.
  void releaseMemDC();
  // The back buffer: null before the first drawing and after releaseMemDC.
  const CBitmap* getMemBitmap() const { return m_pBitmap.get(); }

  // Placement for pictures made outside a window (spctm-view), as a person would drag the
  // picture into view at the zoom in use: centred along an axis where it fits in `rect`,
  // otherwise from the draw window's begin point at the rectangle's left (time) or bottom
  // (frequency) edge. Sets the engine's origin and first drawn points and clears its
  // recentre flag. 0, nothing changed, without a draw engine or when the data source
  // (the current channel or a group statistic) has no array of this class and kind.
  int placeSpctm4Zoom(const CRect& rect);
  // The largest whole zoom, 1 to 64, at which the picture fits `rect` with room for the
  // rulers and labels (100 pixels at either side, 60 above and below); 1 with nothing to
  // draw.
  int getFitZoom4Rect(const CRect& rect);

  // Arrow keys (key-down messages only) scroll the first drawn time and frequency points
  // before the message is dispatched. Returns the base class's result, except 0 at once
  // when the class's spectral trial is missing.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Refreshes the binding: the current session of the dataset array (when one is set), the
  // current trial of the session (when there is one); either may come out empty. The
  // dialog's mouse handlers work on this binding.
  void updateMEGData();

  // ---- Switches and binding, written by the dialog and the facade ----
  bool m_bShowColorScale = true;  // draw the colour scale over the spectrogram
  bool m_bShowWave = false;       // draw the waveform strip
  BOOL m_bShowMeasures = TRUE;    // draw the measures (rulers); exchanged with "Measure..."
  std::int64_t m_nTimeStep = 40;  // points one key press moves m_nFirstTime
  std::int64_t m_nFreqStep = 40;  // points one key press moves m_nFirstFreq
  int m_nSpctmClass = 0;          // 0 Active, 1 Control, 2 Results
  int m_nDataKind = 0;            // 0 real, 1 imaginary, 2 power/phase
  CMEGSpctmDrawqv* m_pDraw = nullptr;
  CArrayMEDataSetqv* m_pDataSet = nullptr;
  CMEGDataqv* m_pSession = nullptr;  // re-fetched from the dataset at every use
  CMDTrialqv* m_pTrial = nullptr;    // re-fetched from the session at every use
  CWnd* m_pHostWnd = nullptr;        // the host's window, kept for the facade

 protected:
  // "No MEG data" or "MEG data processing in progress..." at (10, 10) when there is
  // nothing to draw, else the back buffer copied to the client area.
  void OnPaint() override;
  // Numeric keypad 4, 6, 8, 2 scroll as the arrow keys do.
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

 private:
  // Binds the draw engine to this canvas's data: its dataset array, and from it the
  // current session and trial where they exist. Needs the draw engine.
  void bindDrawEngine();
  // One key's scroll (VK_LEFT, VK_RIGHT, VK_UP or VK_DOWN): moves the engine's first drawn
  // point by the step, kept inside the class's grid on the side it moves toward, and
  // invalidates the canvas without erase. Any other key does nothing. False, nothing
  // done, when the class's spectral trial is missing.
  bool scrollSpctm4Key(UINT vk);
  // Counts of the array the single-channel renderers draw for the data source: the
  // current channel's own, or the group statistic's; {0, 0} without one.
  std::pair<std::int64_t, std::int64_t> drawnCounts();

  std::unique_ptr<CBitmap> m_pBitmap;  // back buffer, selected into m_pMemDC
  std::unique_ptr<CDC> m_pMemDC;
};
