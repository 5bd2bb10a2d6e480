// Background drawings of the draw engine: the colour-scale legends, the frequency scale
// bar, the selection band with its latency text, and stepping the draw window's begin.
#pragma once

#include "draw/CMEGSpctmDraw.h"

class CMEGSpctmDraw2Bkgrnd : public CMEGSpctmDraw {
};
