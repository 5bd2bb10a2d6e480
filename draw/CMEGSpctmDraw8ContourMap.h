// Per-sensor spectrogram patches of the draw engine (window and peak view): one channel's
// spectrum, one pixel per bin, inside the limits the topographic canvas gives.
#pragma once

#include "draw/CMEGSpctmDraw7MColumns.h"

class CMEGSpctmDraw8ContourMap : public CMEGSpctmDraw7MColumns {
};
