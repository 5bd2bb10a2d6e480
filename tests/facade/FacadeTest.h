// What the facade tests share: an application object per test with its scripted person
// and services, the facade the host would create, host windows, datasets whose data kinds
// and classes draw differently, and pictures of a window's canvas.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "facade/CMEGSpctmShow2DFaceqv.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/UserInput.h"

class CDlgSpctm1C;
class CStaticSpctm1C;

namespace facadetest {

// A show operation of the facade: (dataset, host window).
using ShowFn = int (CMEGSpctmShow2DFaceqv::*)(CArrayMEDataSetqv*, CWnd*);

// The single-channel show operations with their slots and classes.
struct OneChnlShow {
  ShowFn show;
  CDlgSpctm1C* CMEGSpctmShow2DFace::*slot;
  int spctmClass;
  const wchar_t* className;
};
inline const OneChnlShow kOneChnlShows[] = {
    {&CMEGSpctmShow2DFaceqv::showSpctmDlgActOneChnl, &CMEGSpctmShow2DFace::m_pDlgOneChnlAct, 0, L"Active"},
    {&CMEGSpctmShow2DFaceqv::showSpctmDlgCtlOneChnl, &CMEGSpctmShow2DFace::m_pDlgOneChnlCtl, 1, L"Control"},
    {&CMEGSpctmShow2DFaceqv::showSpctmDlgRstOneChnl, &CMEGSpctmShow2DFace::m_pDlgOneChnlRst, 2, L"Results"},
};

struct TopoShow {
  ShowFn show;
  int spctmClass;
  int channelType;  // 0 MEG, 1 EEG
  bool flags;
  const wchar_t* title;
};

// The twelve show operations with their windows' classes, modalities, modes and captions.
inline const TopoShow kTopoShows[] = {
    {&CMEGSpctmShow2DFaceqv::showMegSpctmDlgActCntMp, 0, 0, true, L"Spectral Topography: Active  time window"},
    {&CMEGSpctmShow2DFaceqv::showMegSpctmDlgCtlCntMap, 1, 0, true, L"Spectral Topography: Control time window"},
    {&CMEGSpctmShow2DFaceqv::showMegSpctmDlgRstCntMap, 2, 0, true,
     L"Spectral Topography:Results from Active/Control time windows"},
    {&CMEGSpctmShow2DFaceqv::showMegSpctmDlgActCntMpFieldLine, 0, 0, false, L"Spectral Contourmap: Active  time window"},
    {&CMEGSpctmShow2DFaceqv::showMegSpctmDlgCtlCntMapFieldLine, 1, 0, false,
     L"Spectral Contourmap: Control time window"},
    {&CMEGSpctmShow2DFaceqv::showMegSpctmDlgRstCntMapFieldLine, 2, 0, false,
     L"Spectral Contourmap:Results from Active/Control time windows"},
    {&CMEGSpctmShow2DFaceqv::showEegSpctmDlgActCntMp, 0, 1, true, L"Spectral Topography: Active  time window"},
    {&CMEGSpctmShow2DFaceqv::showEegSpctmDlgCtlCntMap, 1, 1, true, L"Spectral Topography: Control time window"},
    {&CMEGSpctmShow2DFaceqv::showEegSpctmDlgRstCntMap, 2, 1, true,
     L"Spectral Topography:Results from Active/Control time windows"},
    {&CMEGSpctmShow2DFaceqv::showEegSpctmDlgActCntMpFieldLine, 0, 1, false, L"Spectral Contourmap: Active  time window"},
    {&CMEGSpctmShow2DFaceqv::showEegSpctmDlgCtlCntMapFieldLine, 1, 1, false,
     L"Spectral Contourmap: Control time window"},
    {&CMEGSpctmShow2DFaceqv::showEegSpctmDlgRstCntMapFieldLine, 2, 1, false,
     L"Spectral Contourmap:Results from Active/Control time windows"},
};

// Two MEG sensors and an EEG electrode on a 24 × 16 grid in every class. The real part
// rises with time and frequency, from `offset` up (offset + (t + f) / 10); the imaginary
// part is its negative; the power its magnitude. The selection is the whole grid.
std::unique_ptr<CArrayMEDataSetqv> spectraDataset(double offset = 0.0);
// The same spectra on four MEG sensors and three EEG electrodes spread over a head layout.
std::unique_ptr<CArrayMEDataSetqv> headDataset(double offset = 0.0);

// A visible top-level window standing for the host's view.
class HostWnd : public CWnd {
 public:
  HostWnd();
};

// The colour of one point of a canvas's client area as its window shows it.
COLORREF canvasPixel(CStaticSpctm1C& canvas, CPoint point);

// Where tests write pictures for a person to look at.
std::string outputPath(const char* name);

class FacadeTest : public ::testing::Test {
 protected:
  ScriptedServices& script() { return *app.scripted(); }
  UserInput& user() { return app.input(); }
  // The texts of the message boxes shown so far.
  std::vector<std::wstring> boxTexts();

  CWinApp app;
  CMEGSpctmShow2DFaceqv face;
};

}  // namespace facadetest
