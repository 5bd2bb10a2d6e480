// The display facade the host creates, one per host, kept until shutdown: the shared draw
// engine, every spectral window (opened on request, one per kind and spectral class,
// deleted in a fixed order before the engine) and the routing of the windows' messages.
// The only class of the chain that is instantiated. UI thread only.
#pragma once

#include "facade/CMEGSpctmShow2DFace08FreqDataDlgs.h"

// Not virtual, as at the root: only the most-derived class is created and deleted.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CMEGSpctmShow2DFaceqv : public CMEGSpctmShow2DFace08FreqDataDlgs {
 public:
  CMEGSpctmShow2DFaceqv();
  ~CMEGSpctmShow2DFaceqv();
};
#pragma GCC diagnostic pop
