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

// Two MEG sensors and an EEG electrode on a 24 × 16 grid in every class. The real part
// rises with time and frequency, from `offset` up; the imaginary part is its negative; the
// power its magnitude. The selection is the whole grid.
std::unique_ptr<CArrayMEDataSetqv> spectraDataset(double offset = 0.0);

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
