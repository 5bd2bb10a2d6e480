// The engine views the render command draws into a device context: the single-channel view
// in the single-channel canvas's order, one patch per sensor of a modality in a grid, and
// every channel in columns.
// Both read the engine's bound dataset (current session and trial) and its draw state.
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

// What the single-channel canvas draws over its spectrogram, as its switches do.
struct SingleLayers {
  bool readOuts = false;     // the selection read-out: box, cross, texts, title, origin line
  bool wave = false;         // the waveform strip
  bool measures = false;     // the time and frequency rulers
  bool colourScale = false;  // the legend with 20 steps, under the view or beside it
};

// Places the single-channel picture in `rect` as a user drags it into view in the canvas,
// at the zoom in use: centred along an axis where it fits, otherwise from the draw
// window's begin point at the rectangle's left (time) or bottom (frequency) edge. Sets the
// origin and first drawn points and clears the recentre flag (the renderers' own placement
// centres at one pixel per bin). Returns false, changing nothing, when the current channel
// or the data source has no array for the class and kind.
bool placeZoomedPicture(CMEGSpctmDrawqv& engine, const CRect& rect, int spctmClass, int dataKind);

// The largest whole zoom, 1 to 64, at which the single-channel picture fits `rect` with
// room for its rulers and labels: 100 pixels at either side and 60 above and below.
// 1 when there is nothing to draw.
int fittedZoom(CMEGSpctmDrawqv& engine, const CRect& rect, int spctmClass, int dataKind);

// The single-channel view of the current channel (or the data source's group statistic)
// in `rect`, placed anew by placeZoomedPicture: the background and the renderer the draw
// state chooses, then the layers in the canvas's order; with the read-outs through
// showSpctmOne, as the canvas draws. Returns 1, or 0 when there is nothing to draw for
// this class, kind or source; the layers' results are not used, as in the canvas.
int drawSingleView(CMEGSpctmDrawqv& engine, CDC& dc, const CRect& rect, int spctmClass, int dataKind,
                   const SingleLayers& layers = {});

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
