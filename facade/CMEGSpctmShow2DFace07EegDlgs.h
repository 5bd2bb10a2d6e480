// Facade link 07: the host's entry points for the EEG windows, the EEG standard
// display-parameter dialog (template 2150); the EEG topographic windows join here.
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
};
#pragma GCC diagnostic pop
