// Standard per-sensor patch renderers of the draw engine (absolute and polarity colouring).
#pragma once

#include "draw/CMEGSpctmDraw8ContourMap.h"

class CMEGSpctmDraw8ContourMap01Std : public CMEGSpctmDraw8ContourMap {
};
