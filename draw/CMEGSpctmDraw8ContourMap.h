// Per-sensor spectrogram patches of the draw engine (window and peak view): one channel's
// spectrum, one pixel per bin, inside the limits the topographic canvas gives. Called for
// every sensor of a repaint, so a patch costs one SetPixel per visible bin and nothing
// else: no allocation, no change of the device context's pen, font or colours.
#pragma once

#include "draw/CMEGSpctmDraw7MColumns.h"

class CMEGSpctmDraw8ContourMap : public CMEGSpctmDraw7MColumns {
 public:
  // Every patch renderer takes the device point (x0, y0) of the first time column and the
  // lowest frequency row, the rightmost column x1 and the topmost row y1 allowed, the
  // sensor's spectral channel (not owned), the spectral class (unused) and the data kind.
  // Time point m_nWinTimeBegin is drawn in column x0 and frequency point m_nWinFreqBegin
  // in row y0, so a patch shows at most x1 − x0 + 1 time and y0 − y1 + 1 frequency
  // points; negative begin points leave their columns or rows empty. The current position
  // is moved to (x0, y0). Result 0 (nothing drawn) without a device context, spectral
  // channel or array of the kind, else 1.

  // The window view for view mode 0 or 1, else the peak view; returns its result.
  int drawSpctmContourmapx(CDC* pDC, int x0, int y0, int x1, int y1, CSpctmChnlqv* pSpctmChnl,
                           int nSpctmClass, int nDataKind);
  // The colour range on the single table; view mode 1 paints values outside the range
  // with the entry just below the middle one (unlike the single-channel window view).
  int drawSpctmContourmapWinView(CDC* pDC, int x0, int y0, int x1, int y1, CSpctmChnlqv* pSpctmChnl,
                                 int nSpctmClass, int nDataKind);
  // Values beyond the colour range on the polarity pair, with the centre 0 in every view
  // mode (unlike the single-channel peak view).
  int drawSpctmContourmapPeakView(CDC* pDC, int x0, int y0, int x1, int y1, CSpctmChnlqv* pSpctmChnl,
                                  int nSpctmClass, int nDataKind);

 protected:
  // The raster shared by the four patch renderers, with `colour` a rule of
  // draw/SpctmColorRules.h.
  template <class Colour>
  int drawSpctmPatchBins(CDC* pDC, int x0, int y0, int x1, int y1, const CSpctmChnlqv* pSpctmChnl,
                         int nDataKind, const Colour& colour);
};
