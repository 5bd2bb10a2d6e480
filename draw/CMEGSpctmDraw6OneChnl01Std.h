// Standard single-channel renderers of the draw engine: colouring by magnitude in the
// standard range, with one table or with the polarity pair chosen by the value's sign.
#pragma once

#include "draw/CMEGSpctmDraw6OneChnl.h"

class CMEGSpctmDraw6OneChnl01Std : public CMEGSpctmDraw6OneChnl {
};
