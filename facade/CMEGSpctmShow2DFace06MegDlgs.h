// Facade link 06: the host's entry points for the MEG windows: the MEG standard
// display-parameter dialog (template 2145), the topographic flags windows (template 2146)
// and contour field/line windows (template 2148) of the three spectral classes, and the
// host window's repaint request. Also the steps every topographic show shares, which the
// EEG link uses too.
#pragma once

#include "facade/CMEGSpctmShow2DFace04AllDlg.h"

class CDlgSpctmTopographicFlags;

// Not virtual, as at the root: only the most-derived class is created and deleted.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CMEGSpctmShow2DFace06MegDlgs : public CMEGSpctmShow2DFace04AllDlg {
 public:
  CMEGSpctmShow2DFace06MegDlgs();
  ~CMEGSpctmShow2DFace06MegDlgs();

  // Opens the MEG standard display-parameter dialog (created on first use) on the dataset
  // and registers the host window (borrowed, may be null) to repaint after each change:
  // see showSpctmSetStdDlg. 1; 0 after "Error creating Dialog!" when the dialog cannot be
  // created.
  int showMegSpctmSetStdDlg(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);

  // Open the MEG flags window of class 0, 1 or 2 on the dataset (null, or without session
  // or trial, allowed) for the host window (borrowed, may be null); created on first use,
  // re-bound and re-shown later: see showTopoWindow. 1; 0 after "Error creating Dialog!"
  // when the window cannot be created (slot left empty).
  int showMegSpctmDlgActCntMp(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showMegSpctmDlgCtlCntMap(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showMegSpctmDlgRstCntMap(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  // The same for the MEG contour field/line windows.
  int showMegSpctmDlgActCntMpFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showMegSpctmDlgCtlCntMapFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showMegSpctmDlgRstCntMapFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);

  // Asks the host window of the MEG Active flags window to repaint: 0 when that window
  // does not exist; else 1, the host window (when recorded and visible) invalidated
  // without erasing.
  int updateMegSpectrumShow();

 protected:
  // The steps of every topographic show, for a window just taken from its slot (null:
  // it could not be created, "Error creating Dialog!", 0): the canvas gets the channel
  // type (0 MEG, 1 EEG), the flags mode (1 flags, 0 contour), the draw engine, the dataset
  // and the class; the window the dataset, engine, host window, this facade and the host
  // callback; it is shown, refreshed and its class combo disabled; it is linked to the
  // class's single-channel window (created hidden when missing), whose class is set, and
  // to the modality's display-parameter dialog (created hidden when missing), which
  // registers its canvas and the single-channel canvas. 1.
  int showTopoWindow(CDlgSpctmTopographicFlags* dlg, int nSpctmClass, int nChannelType, BOOL bFlagsMode,
                     CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  // Fills the slot when empty (see fillSlot), then showTopoWindow.
  template <class Window>
  int openTopoWindow(Window*& slot, UINT nIDTemplate, int nSpctmClass, int nChannelType, BOOL bFlagsMode,
                     CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd) {
    return showTopoWindow(fillSlot(slot, nIDTemplate) ? slot : nullptr, nSpctmClass, nChannelType, bFlagsMode,
                          pDataSet, pHostWnd);
  }
  // The repaint request of a modality's Active flags window.
  static int updateSpectrumShow(CDlgSpctmTopographicFlags* dlg);
};
#pragma GCC diagnostic pop
