// Facade link 07: the host's entry points for the EEG windows: the EEG standard
// display-parameter dialog (template 2150), the topographic flags windows (template 2151)
// and contour field/line windows (template 2149) of the three spectral classes, and the
// host window's repaint request.
#pragma once

#include "facade/CMEGSpctmShow2DFace06MegDlgs.h"

// Not virtual, as at the root: only the most-derived class is created and deleted.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CMEGSpctmShow2DFace07EegDlgs : public CMEGSpctmShow2DFace06MegDlgs {
 public:
  CMEGSpctmShow2DFace07EegDlgs();
  ~CMEGSpctmShow2DFace07EegDlgs();

  // Opens the EEG standard display-parameter dialog (created on first use) on the dataset
  // and registers the host window (borrowed, may be null) to repaint after each change:
  // see showSpctmSetStdDlg. 1; 0 after "Error creating Dialog!" when the dialog cannot be
  // created.
  int showEegSpctmSetStdDlg(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);

  // As the MEG link's show operations, for the EEG windows (see showTopoWindow).
  int showEegSpctmDlgActCntMp(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showEegSpctmDlgCtlCntMap(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showEegSpctmDlgRstCntMap(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showEegSpctmDlgActCntMpFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showEegSpctmDlgCtlCntMapFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showEegSpctmDlgRstCntMapFieldLine(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);

  // The repaint request of the EEG Active flags window (see updateMegSpectrumShow).
  int updateEegSpectrumShow();
};
#pragma GCC diagnostic pop
