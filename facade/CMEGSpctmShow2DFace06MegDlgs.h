// Facade link 06: the host's entry points for the MEG windows, the MEG standard
// display-parameter dialog (template 2145); the MEG topographic windows join here.
#pragma once

#include "facade/CMEGSpctmShow2DFace04AllDlg.h"

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
};
#pragma GCC diagnostic pop
