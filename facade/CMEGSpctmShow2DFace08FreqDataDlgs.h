// Facade link 08: adds no operation; it keeps the chain's stage numbering so that the
// most-derived class sits where the host expects it.
#pragma once

#include "facade/CMEGSpctmShow2DFace07EegDlgs.h"

// Not virtual, as at the root: only the most-derived class is created and deleted.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CMEGSpctmShow2DFace08FreqDataDlgs : public CMEGSpctmShow2DFace07EegDlgs {
 public:
  CMEGSpctmShow2DFace08FreqDataDlgs();
  ~CMEGSpctmShow2DFace08FreqDataDlgs();
};
#pragma GCC diagnostic pop
