#include "facade/CMEGSpctmShow2DFace.h"

#include "windows/dialogs/CDlgEegSpctmShowStdSet.h"
#include "windows/dialogs/CDlgMegSpctmShowStdSet.h"
#include "windows/single/CDlgSpctm1C.h"
#include "windows/topo/CDlgSpctmContourFieldLine.h"

namespace {

// Deletes the window (and with it its system window) and empties the slot.
template <class Window>
void deleteSlot(Window*& slot) {
  delete slot;
  slot = nullptr;
}

}  // namespace

CMEGSpctmShow2DFace::CMEGSpctmShow2DFace() = default;

// The fixed order: the MEG standard-parameter dialog; for Act, Ctl and Rst in turn the MEG
// flags, the MEG contour and the single-channel window; the EEG standard-parameter
// dialog; for Act, Ctl and Rst the EEG flags and contour windows. Kept here, in the one link that holds every
// slot, so that no link's destructor runs out of turn. m_draw is a member, destroyed after
// this body, so the engine outlives every window that points to it.
CMEGSpctmShow2DFace::~CMEGSpctmShow2DFace() {
  deleteSlot(m_pDlgMegSetStd);
  deleteSlot(m_pDlgMegCntMpAct);
  deleteSlot(m_pDlgMegCntMpFieldLineAct);
  deleteSlot(m_pDlgOneChnlAct);
  deleteSlot(m_pDlgMegCntMpCtl);
  deleteSlot(m_pDlgMegCntMpFieldLineCtl);
  deleteSlot(m_pDlgOneChnlCtl);
  deleteSlot(m_pDlgMegCntMpRst);
  deleteSlot(m_pDlgMegCntMpFieldLineRst);
  deleteSlot(m_pDlgOneChnlRst);
  deleteSlot(m_pDlgEegSetStd);
  deleteSlot(m_pDlgEegCntMpAct);
  deleteSlot(m_pDlgEegCntMpFieldLineAct);
  deleteSlot(m_pDlgEegCntMpCtl);
  deleteSlot(m_pDlgEegCntMpFieldLineCtl);
  deleteSlot(m_pDlgEegCntMpRst);
  deleteSlot(m_pDlgEegCntMpFieldLineRst);
}

int CMEGSpctmShow2DFace::sendMessageX(int, int, int) { return 0; }

int CMEGSpctmShow2DFace::setSpctmCallbackFunction(SpctmCallbackFunction pfn) {
  m_pfnSpctmCallback = pfn;
  return 1;
}

int CMEGSpctmShow2DFace::setSpctmRange(double lower, double upper) {
  m_draw.m_dColorMin = lower;
  m_draw.m_dColorMax = upper;
  return 1;
}

int CMEGSpctmShow2DFace::initSpctmRange(CArrayMEDataSetqv* pDataSet, int a, int b) {
  m_draw.setDrawMEGData(pDataSet);
  if (m_draw.m_pSession == nullptr || m_draw.m_pTrial == nullptr) return 0;
  double first = 0.0, second = 0.0, third = 0.0;
  m_draw.m_pTrial->getSpctmRangeAllChann(first, second, third, 1, a, b);
  m_draw.m_dColorMin = first;
  m_draw.m_dColorMax = second;
  m_draw.m_dStdMax = second;
  m_draw.m_dStdMin = first > 0.0 ? first : 0.0;
  return 0;
}
