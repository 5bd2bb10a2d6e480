// View processing of the draw engine: one animation step of the draw window, dragging its
// begin point, and fitting the standard and outer ranges to the visible data.
#pragma once

#include "draw/CMEGSpctmDraw2Bkgrnd.h"

class CMEGSpctmDraw3Prcs : public CMEGSpctmDraw2Bkgrnd {
};
