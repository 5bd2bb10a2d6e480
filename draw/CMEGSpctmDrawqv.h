// The draw engine the facade embeds: hit tests that turn a mouse point into spectral
// indices or a channel, and the show operations that clear a view and pick its renderer.
#pragma once

#include "draw/CMEGSpctmDraw9File.h"

class CMEGSpctmDrawqv : public CMEGSpctmDraw9File {
};
