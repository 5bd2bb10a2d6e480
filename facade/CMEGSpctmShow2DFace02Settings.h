// Facade link 02: lazy creation of the windows every show operation relies on, the two
// standard display-parameter dialogs and the single-channel window of a spectral class,
// and the showing of a display-parameter dialog that the MEG and EEG links share. Each
// creation fills its slot once, from its template, and keeps the window for the facade's
// life; the window is created hidden and not configured beyond what is stated.
#pragma once

#include <new>

#include "facade/CMEGSpctmShow2DFace.h"

class CDlgSpctmShowStdSet;
class CWnd;

// Not virtual, as at the root: only the most-derived class is created and deleted.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CMEGSpctmShow2DFace02Settings : public CMEGSpctmShow2DFace {
 public:
  CMEGSpctmShow2DFace02Settings();
  ~CMEGSpctmShow2DFace02Settings();

  // Fills m_pDlgMegSetStd when empty (template 2145), then gives the dialog this facade.
  // 0, slot left empty, when the dialog cannot be allocated or created; else 1.
  int checkInitMegSpctmSetStdDlg();
  // The same for m_pDlgEegSetStd (template 2150).
  int checkInitEegSpctmSetStdDlg();
  // Class 0, 1 or 2: 1 when the class's single-channel slot is filled, or when a window
  // created from template 2147 could be put into it; 0 when it could not. Any other
  // class: 0. The window is not shown.
  int checkInitSpctmDlgSingleChnl(int nSpctmClass);

 protected:
  // Shows a display-parameter dialog on the dataset for the host window: the draw engine
  // bound to the dataset, the dialog given this facade, the draw engine and the dataset
  // (it re-fetches its session and trial from it), the host window registered with it,
  // then shown and refreshed from the data and the draw state. 1.
  int showSpctmSetStdDlg(CDlgSpctmShowStdSet& dlg, CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);

  // The single-channel slot of a spectral class; null for a class outside 0 … 2.
  CDlgSpctm1C** oneChnlSlot(int nSpctmClass);

  // Fills an empty slot with a new window created from its template (no parent, hidden
  // unless the template says otherwise). False, slot left empty, when the object cannot
  // be allocated or its window cannot be created (the template is missing from the
  // resource chain); true when the slot is filled, also when it already was.
  template <class Window>
  static bool fillSlot(Window*& slot, UINT nIDTemplate) {
    if (slot) return true;
    auto* window = new (std::nothrow) Window;
    if (!window) return false;
    if (!window->Create(nIDTemplate)) {
      delete window;
      return false;
    }
    slot = window;
    return true;
  }
};
#pragma GCC diagnostic pop
