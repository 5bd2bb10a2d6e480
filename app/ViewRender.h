// The draw state the render command sets from its options (colouring, ranges) and the
// engine views it draws into a device context itself: one patch per sensor of a modality
// in a grid, and every channel in columns. The single view is drawn by the single-channel
// canvas (windows/single). Each reads the engine's bound dataset and its draw state.
#pragma once

#include <vector>

#include "app/RenderOptions.h"
#include "draw/CMEGSpctmDrawqv.h"

namespace spctmview {

// Sets the draw state's rendering switches for a colouring: standard rendering with or
// without polarity, or the window (view mode 0) or peak view (view mode 2).
void applyColouring(CMEGSpctmDrawqv& engine, Colouring colouring);

// Sets the standard, colour and outer ranges from the options: LO … HI as the colour
// range, the outer range half a span wider on each side, the standard range the
// magnitudes between (0 … the larger magnitude when LO < 0 < HI), or fitted to what the view draws:
// the current channel or data source (single view) or every channel (patches) of the
// class and kind. A view without data keeps the engine's ranges.
void applyRanges(CMEGSpctmDrawqv& engine, const RenderOptions& options);

// The multi-channel column view (showSpctmMC) of the class and kind in `rect`, with the
// draw state's column count, layout switches and time grid. 1, or 0 without session,
// trial or visible channel.
int drawColumnsView(CMEGSpctmDrawqv& engine, CDC& dc, const CRect& rect, int spctmClass, int dataKind);

// Cells of a grid of `count` equal cells filling width × height, row by row, about as
// many columns as the aspect ratio asks for. Empty for count < 1.
std::vector<CRect> gridCells(int count, int width, int height);

// Fills `rect` with the background, then draws every channel of the modality in a grid
// cell: its name at the bottom, its patch above, from the draw window's begin point.
// Returns the number of patches drawn.
int drawPatchGrid(CMEGSpctmDrawqv& engine, CDC& dc, const CRect& rect, Modality modality, int spctmClass,
                  int dataKind);

}  // namespace spctmview
