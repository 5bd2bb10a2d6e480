// View processing of the draw engine: one animation step of the draw window, dragging its
// begin point, and fitting the standard and outer ranges to the visible data. Called by
// the topographic windows (timer, move mode, autofit). Touches only the draw window, the
// ranges and, for the animation, the host's stored selection of the class.
#pragma once

#include <cstdint>

#include "draw/CMEGSpctmDraw2Bkgrnd.h"

class CSpctmChnlqv;

class CMEGSpctmDraw3Prcs : public CMEGSpctmDraw2Bkgrnd {
 public:
  // One step of the draw window along time (and, at the end of the time axis, one
  // frequency step up, wrapping to 0 at the top). The window keeps its spans, clamped to
  // the grid. With apply != 0 the window becomes the class's selection.
  // 1 when moved; 0 without session, trial or spectral trial, with a step below 1, or with
  // an empty grid (nothing changed then, apart from the refreshed binding).
  int animateSpctm(std::int64_t nTimeStep, std::int64_t nFreqStep, int nClass, int nApply);

  // Moves the draw window's begin point by the deltas, clamped to 0 … T − 1 and
  // 0 … F − 1 of the class's grid; the end points stay. 1 when moved; 0 without session,
  // trial or spectral trial, with an empty grid, or with both deltas 0.
  int mouseMoveSpctm(int nTimeDelta, int nFreqDelta, int nClass);

  // Fits the ranges to the magnitudes of the channel's kind-array visible in the pixel
  // region (left x0, bottom y0, right x1, top y1; one point per pixel from the draw
  // window's begin): standard min = outer min = smallest |v|, outer max = largest |v|,
  // standard max = the middle of the two. 1 when fitted; 0 (nothing changed) without
  // channel or array, or when the region covers no point. nClass is not used.
  int autoFitStdViewRng4CrntShowPro(int x0, int y0, int x1, int y1, CSpctmChnlqv* pChnl, int nClass,
                                    int nKind);

 protected:
  // The spectral trial of a class in the refreshed current trial, with its grid; null
  // when the binding, the spectral trial or the grid (T or F below 1) is missing.
  CSpctmTrialqv* spctmTrial4Grid(int nClass, std::int64_t& T, std::int64_t& F);
};
