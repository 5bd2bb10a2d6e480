// Root of the facade chain and the one interface the windows have to it: the shared draw
// engine, the host callback, the window slots (filled by the later links' show operations)
// and the settings operations, plus sendMessageX, through which a window tells the facade
// about a change that concerns other windows. Windows hold a non-owning pointer to this
// class; the facade's routing overrides sendMessageX further down the chain.
#pragma once

#include "draw/CMEGSpctmDrawqv.h"

class CArrayMEDataSetqv;
class CDlgSpctm1C;
class CDlgMegSpctmShowStdSet;
class CDlgEegSpctmShowStdSet;
class CDlgMegSpctmTopographicFlags;
class CDlgEegSpctmTopographicFlags;
class CDlgMegSpctmContourFieldLine;
class CDlgEegSpctmContourFieldLine;

// Codes of sendMessageX. Any other code is accepted and ignored.
enum : int {
  SPCTM_MSG_SET_DATA_KIND = 4,  // a: sender's spectral class; b: new data kind (0, 1, 2)
  SPCTM_MSG_MAP_SELECT = 5,     // a: sender's spectral class (0, 1, 2); b: its data kind
};

// The host's callback: takes and returns int. Stored and handed to the windows; never
// called by the display library.
using SpctmCallbackFunction = int (*)(int);

// The destructor is deliberately not virtual: the host creates and deletes only the
// most-derived class, and the one virtual slot is sendMessageX.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CMEGSpctmShow2DFace {
 public:
  // Builds the draw engine with its defaults; every slot and the callback start null.
  CMEGSpctmShow2DFace();
  // Deletes every window in the slots, in the facade's fixed order, each slot nulled after
  // its delete; the draw engine goes last.
  ~CMEGSpctmShow2DFace();
  CMEGSpctmShow2DFace(const CMEGSpctmShow2DFace&) = delete;
  CMEGSpctmShow2DFace& operator=(const CMEGSpctmShow2DFace&) = delete;

  // The one virtual operation. The root does nothing and returns 0; the routing link
  // answers every code with 1. Synchronous: the facade has acted when it returns.
  virtual int sendMessageX(int nCode, int a, int b);

  // Stores the host callback; 1.
  int setSpctmCallbackFunction(SpctmCallbackFunction pfn);
  // Sets the draw engine's colour range (m_dColorMin = lower, m_dColorMax = upper); 1.
  int setSpctmRange(double lower, double upper);
  // Binds the draw engine to the dataset. Without a current session or trial: 0, nothing
  // else changes. Otherwise the range over all channels (the trial's
  // getSpctmRangeAllChann with flag 1, class a, kind b) becomes the colour range and the
  // standard maximum; the standard minimum is the lower bound when positive, else 0.0.
  // The result is 0 then too.
  int initSpctmRange(CArrayMEDataSetqv* pDataSet, int a, int b);

  CMEGSpctmDrawqv m_draw;
  SpctmCallbackFunction m_pfnSpctmCallback = nullptr;
  CDlgSpctm1C* m_pDlgOneChnlAct = nullptr;
  CDlgSpctm1C* m_pDlgOneChnlCtl = nullptr;
  CDlgSpctm1C* m_pDlgOneChnlRst = nullptr;
  CDlgMegSpctmShowStdSet* m_pDlgMegSetStd = nullptr;
  CDlgMegSpctmTopographicFlags* m_pDlgMegCntMpAct = nullptr;
  CDlgMegSpctmTopographicFlags* m_pDlgMegCntMpCtl = nullptr;
  CDlgMegSpctmTopographicFlags* m_pDlgMegCntMpRst = nullptr;
  CDlgMegSpctmContourFieldLine* m_pDlgMegCntMpFieldLineAct = nullptr;
  CDlgMegSpctmContourFieldLine* m_pDlgMegCntMpFieldLineCtl = nullptr;
  CDlgMegSpctmContourFieldLine* m_pDlgMegCntMpFieldLineRst = nullptr;
  CDlgEegSpctmShowStdSet* m_pDlgEegSetStd = nullptr;
  CDlgEegSpctmTopographicFlags* m_pDlgEegCntMpAct = nullptr;
  CDlgEegSpctmTopographicFlags* m_pDlgEegCntMpCtl = nullptr;
  CDlgEegSpctmTopographicFlags* m_pDlgEegCntMpRst = nullptr;
  CDlgEegSpctmContourFieldLine* m_pDlgEegCntMpFieldLineAct = nullptr;
  CDlgEegSpctmContourFieldLine* m_pDlgEegCntMpFieldLineCtl = nullptr;
  CDlgEegSpctmContourFieldLine* m_pDlgEegCntMpFieldLineRst = nullptr;
};
#pragma GCC diagnostic pop
