// The draw state the render command sets from its options (colouring, ranges) and the
// engine view it draws into a device context itself: every channel in columns. The single
// view is drawn by the single-channel canvas (windows/single), the topographic views by
// the topographic canvas (app/TopoViewRender.h). Each reads the engine's bound dataset and
// its draw state.
#pragma once

#include "app/RenderOptions.h"
#include "draw/CMEGSpctmDrawqv.h"

namespace spctmview {

// Sets the draw state's rendering switches for a colouring: standard rendering with or
// without polarity, or the window (view mode 0) or peak view (view mode 2).
void applyColouring(CMEGSpctmDrawqv& engine, Colouring colouring);

// Sets the standard, colour and outer ranges from the options: LO … HI as the colour
// range, the outer range half a span wider on each side, the standard range the
// magnitudes between (0 … the larger magnitude when LO < 0 < HI), or fitted to what the view draws:
// the current channel or data source (single view) or every channel (other views) of the
// class and kind. A view without data keeps the engine's ranges.
void applyRanges(CMEGSpctmDrawqv& engine, const RenderOptions& options);

// The multi-channel column view (showSpctmMC) of the class and kind in `rect`, with the
// draw state's column count, layout switches and time grid. 1, or 0 without session,
// trial or visible channel.
int drawColumnsView(CMEGSpctmDrawqv& engine, CDC& dc, const CRect& rect, int spctmClass, int dataKind);

}  // namespace spctmview
