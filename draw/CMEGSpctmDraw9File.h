// Persistence of the draw engine's display settings in the host's binary archive.
#pragma once

#include "draw/CMEGSpctmDraw8ContourMap01Std.h"

class CMEGSpctmDraw9File : public CMEGSpctmDraw8ContourMap01Std {
};
