#include "platform/ui/CPaintDC.h"

#include "platform/gdi/PngExport.h"

CClientDC::CClientDC(CWnd* pWnd) : m_pWnd(pWnd) {
  if (WindowRecord* r = pWnd ? AfxGetApp()->record(pWnd->m_hWnd) : nullptr) attachWindowDC(*this, *r, false);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) {
  WindowRecord* r = pWnd ? AfxGetApp()->record(pWnd->m_hWnd) : nullptr;
  if (!r) return;
  m_ps.rcPaint = r->update;
  m_ps.fErase = r->eraseBackground ? TRUE : FALSE;
  attachWindowDC(*this, *r, true);
  m_ps.hdc = m_hDC;
}

const PixelSurface* windowSurface(CWnd& window) {
  CWinApp* app = AfxGetApp();
  WindowRecord* r = app->record(window.m_hWnd);
  if (!r) return nullptr;
  WindowRecord* top = topLevelOf(*r);
  app->pumpUntilIdle();
  return top->surface.get();
}

bool writeWindowPng(CWnd& window, const std::string& path, std::string* error) {
  CWinApp* app = AfxGetApp();
  WindowRecord* r = app->record(window.m_hWnd);
  if (!r) {
    if (error) *error = "the window does not exist";
    return false;
  }
  WindowRecord* top = topLevelOf(*r);
  const HWND topHandle = top->hwnd;
  invalidateRecord(*top, nullptr, true);
  app->pumpUntilIdle();
  // A hidden window is painted too: a picture of it is what was asked for.
  if (!(top = app->record(topHandle))) {
    if (error) *error = "the window was destroyed while painting";
    return false;
  }
  if (!top->visibleSelf()) {
    top->style |= WS_VISIBLE;
    app->paintWindow(topHandle);
    if ((top = app->record(topHandle))) top->style &= ~WS_VISIBLE;
  }
  if (!top || !top->surface) {
    if (error) *error = "the window has nothing to show";
    return false;
  }
  return writePng(*top->surface, path, error);
}
