#include "facade/CMEGSpctmShow2DFaceqv.h"

CMEGSpctmShow2DFaceqv::CMEGSpctmShow2DFaceqv() = default;
CMEGSpctmShow2DFaceqv::~CMEGSpctmShow2DFaceqv() = default;
