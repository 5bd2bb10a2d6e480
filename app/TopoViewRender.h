// The topographic views the render command draws through the topographic canvas: the
// flags view (one spectrogram patch per sensor on the head layout) and the contour
// views (colour field, contour lines, or both), for MEG sensors or EEG electrodes.
// The canvas draws its off-screen image as when it paints; the image is copied into the
// command's device context.
#pragma once

#include "app/RenderOptions.h"
#include "draw/CMEGSpctmDrawqv.h"

namespace spctmview {

// The time point whose latency (ms) or the frequency point whose frequency (Hz) lies
// nearest the value, in the class's spectral trial of the engine's current trial; -1
// without one.
long long nearestTimePoint(CMEGSpctmDrawqv& engine, int spctmClass, double ms);
long long nearestFreqPoint(CMEGSpctmDrawqv& engine, int spctmClass, double hz);

// Draws the topographic view of the options into `rect` of `dc` through a canvas bound to
// `dataset` and `engine`: the window from the options (--window-time, --window-freq,
// --at-ms, --at-hz), the canvas's switches, and, with --range auto, the standard range
// fitted as the windows fit it (flags: every patch; contour views: 0 to the field's
// largest magnitude). Returns 1 when drawn; 0 when the canvas had nothing to draw (no
// sensor of the modality, no layout extent, no spectra); the reason goes to `why`.
int drawTopoView(CMEGSpctmDrawqv& engine, CArrayMEDataSetqv& dataset, CDC& dc, const CRect& rect,
                 const RenderOptions& options, std::string& why);

}  // namespace spctmview
