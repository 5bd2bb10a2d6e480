// Up-down controls. The default range runs from 100 (lower) to 0 (upper), so the up or
// right arrow, which moves toward the upper bound, proposes a change of -1. Each press
// sends UDN_DELTAPOS with the change; unless the parent answers non-zero, the position
// moves (within the range) and the parent gets a scroll message.
#include "platform/ui/ControlProcs.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/ControlLook.h"

#include <algorithm>

namespace {

class UpDownProc : public WindowClassProc {
 public:
  LRESULT proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) override;
  bool isControl(ControlClass& out) const override {
    out = ControlClass::UpDown;
    return true;
  }
  void paint(const WindowRecord& r, CDC& dc) override {
    const bool h = horizontal(r);
    for (bool upper : {true, false}) {
      const CRect part = upDownArrowRect(r, upper);
      look::buttonFace(dc, part, false, false);
      look::arrow(dc, part, h ? (upper ? look::Arrow::Right : look::Arrow::Left) : (upper ? look::Arrow::Up : look::Arrow::Down),
                  r.enabledSelf() ? look::kText : look::kGrayText);
    }
  }

 private:
  static bool horizontal(const WindowRecord& r) { return (r.style & UDS_HORZ) != 0; }
  void press(WindowRecord& r, bool towardUpper);

  int m_lower = 100;
  int m_upper = 0;
  int m_pos = 0;
};

void UpDownProc::press(WindowRecord& r, bool towardUpper) {
  CWinApp* app = AfxGetApp();
  const HWND self = r.hwnd;
  const HWND parent = r.parent;
  const int step = m_upper >= m_lower ? 1 : -1;
  NMUPDOWN nm;
  nm.hdr.hwndFrom = self;
  nm.hdr.idFrom = static_cast<std::uintptr_t>(r.id);
  nm.hdr.code = UDN_DELTAPOS;
  nm.iPos = m_pos;
  nm.iDelta = towardUpper ? step : -step;
  if (app->sendMessage(parent, WM_NOTIFY, static_cast<WPARAM>(r.id), reinterpret_cast<LPARAM>(&nm))) return;
  WindowRecord* again = app->record(self);
  if (!again) return;
  m_pos = std::clamp(m_pos + nm.iDelta, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
  const UINT scrollMessage = horizontal(*again) ? WM_HSCROLL : WM_VSCROLL;
  app->sendMessage(parent, scrollMessage, MAKEWPARAM(SB_THUMBPOSITION, static_cast<unsigned>(m_pos)),
                   reinterpret_cast<LPARAM>(self));
  if (app->isWindow(self))
    app->sendMessage(parent, scrollMessage, MAKEWPARAM(SB_ENDSCROLL, static_cast<unsigned>(m_pos)),
                     reinterpret_cast<LPARAM>(self));
}

LRESULT UpDownProc::proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case UDM_SETRANGE32:
      m_lower = static_cast<int>(static_cast<std::intptr_t>(wParam));
      m_upper = static_cast<int>(lParam);
      return 0;
    case UDM_GETRANGE32:
      if (wParam) *reinterpret_cast<int*>(wParam) = m_lower;
      if (lParam) *reinterpret_cast<int*>(lParam) = m_upper;
      return 0;
    case UDM_SETPOS32: {
      const int previous = m_pos;
      m_pos = std::clamp(static_cast<int>(lParam), std::min(m_lower, m_upper), std::max(m_lower, m_upper));
      return previous;
    }
    case UDM_GETPOS32: return m_pos;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const CPoint p(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (upDownArrowRect(r, true).PtInRect(p)) press(r, true);
      else if (upDownArrowRect(r, false).PtInRect(p)) press(r, false);
      return 0;
    }
    case WM_KEYDOWN:
      if (!(r.style & UDS_ARROWKEYS)) return 0;
      if (wParam == VK_UP || wParam == VK_RIGHT) press(r, true);
      else if (wParam == VK_DOWN || wParam == VK_LEFT) press(r, false);
      return 0;
    default: return defaultWindowProc(r, message, wParam, lParam);
  }
}

}  // namespace

std::unique_ptr<WindowClassProc> makeUpDownProc() { return std::make_unique<UpDownProc>(); }

CRect upDownArrowRect(const WindowRecord& upDown, bool towardUpper) {
  const CRect c = clientRect(upDown);
  if (upDown.style & UDS_HORZ) {
    const int mid = c.Width() / 2;
    return towardUpper ? CRect(mid, 0, c.right, c.bottom) : CRect(0, 0, mid, c.bottom);
  }
  const int mid = c.Height() / 2;
  return towardUpper ? CRect(0, 0, c.right, mid) : CRect(0, mid, c.right, c.bottom);
}
