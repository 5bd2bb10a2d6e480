// Device contexts over windows, and window pictures. CPaintDC begins a paint (clipped to
// the pending update, which it clears); CClientDC draws on the client area at any time.
// Both draw on the top-level window's surface, clipped to the window's client area and
// to its ancestors'. writeWindowPng repaints a top-level window with all its controls
// and writes it to a PNG file. Limits: one surface per top-level window; no DC outside
// the client area.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/ui/CWnd.h"

#include <string>

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;
  CRect rcPaint;  // client coordinates
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);
  CWnd* m_pWnd;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  PAINTSTRUCT m_ps;
  CWnd* m_pWnd;
};

// The pixels a top-level window shows (frame, caption, menu bar, client area and
// controls) after painting everything pending; null for a dead window or one never shown.
const PixelSurface* windowSurface(CWnd& window);
// Repaints the whole top-level window of `window` and writes it as PNG. False with a
// reason in *error when the window does not exist or the file cannot be written.
bool writeWindowPng(CWnd& window, const std::string& path, std::string* error = nullptr);
