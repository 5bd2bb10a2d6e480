#include "facade/CMEGSpctmShow2DFace08FreqDataDlgs.h"

CMEGSpctmShow2DFace08FreqDataDlgs::CMEGSpctmShow2DFace08FreqDataDlgs() = default;
CMEGSpctmShow2DFace08FreqDataDlgs::~CMEGSpctmShow2DFace08FreqDataDlgs() = default;
