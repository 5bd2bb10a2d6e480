// Facade link 04: the host's entry points for the single-channel spectrogram windows, one
// per spectral class, and the routing of the messages windows send through sendMessageX.
// A show operation creates its window on first use and re-binds and re-shows the same
// window afterwards, linking it to both standard display-parameter dialogs.
#pragma once

#include "facade/CMEGSpctmShow2DFace02Settings.h"

// Not virtual, as at the root: only the most-derived class is created and deleted.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CMEGSpctmShow2DFace04AllDlg : public CMEGSpctmShow2DFace02Settings {
 public:
  CMEGSpctmShow2DFace04AllDlg();
  ~CMEGSpctmShow2DFace04AllDlg();

  // Open the single-channel window of class 0 (Active), 1 (Control) or 2 (Results) on the
  // dataset (null, or without session or trial, allowed: the window says it has no data)
  // for the host window (borrowed, may be null): the canvas bound to the dataset, the
  // window given the draw engine, host window, class, dataset, this facade and the host
  // callback, shown, refreshed, its class combo disabled, then linked to the MEG and the
  // EEG display-parameter dialogs (created hidden when missing) and its canvas registered
  // with each. 1; 0 after "Error creating Dialog!" when the window cannot be created.
  int showSpctmDlgActOneChnl(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showSpctmDlgCtlOneChnl(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  int showSpctmDlgRstOneChnl(CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);

  // Code 4 (new data kind b): every existing MEG flags, MEG contour and single-channel
  // window, in that order, and its canvas take kind b, selected in its kind combo without
  // a notification; the contour canvases are invalidated without erasing; the sender
  // repaints the rest. The EEG topographic windows are left alone.
  // Code 5 (map selection of class a, 0 … 2): the MEG flags window of the class reads its
  // controls, refreshes and invalidates its canvas without erasing; the MEG contour window
  // of the class takes the engine's draw window. Every code is answered with 1.
  int sendMessageX(int nCode, int a, int b) override;

 private:
  int showSpctmDlgOneChnl(int nSpctmClass, CArrayMEDataSetqv* pDataSet, CWnd* pHostWnd);
  void setDataKindAll(int nDataKind);
  void takeMapSelect(int nSpctmClass);
};
#pragma GCC diagnostic pop
