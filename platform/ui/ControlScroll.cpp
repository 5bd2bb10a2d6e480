// Scroll bars: range, page and position, and the scroll codes a person's clicks, thumb
// drags and keys send to the parent. As in the framework the bar does not move itself on
// a click: the parent answers the code by setting the position.
#include "platform/ui/ControlProcs.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/ControlLook.h"

#include <algorithm>

namespace {

class ScrollBarProc : public WindowClassProc {
 public:
  ScrollBarProc() {
    m_info.nMin = 0;
    m_info.nMax = 100;
  }
  LRESULT proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) override;
  bool isControl(ControlClass& out) const override {
    out = ControlClass::ScrollBar;
    return true;
  }
  void paint(const WindowRecord& r, CDC& dc) override {
    const ScrollBarParts parts = scrollBarParts(r);
    CRect track = parts.pageLeft;
    track.UnionRect(track, parts.thumb);
    track.UnionRect(track, parts.pageRight);
    look::scrollBar(dc, parts.lineLeft, parts.lineRight, track, parts.thumb, vertical(r));
  }
  const SCROLLINFO& info() const { return m_info; }
  // The largest position the thumb can reach: the page takes room at the end.
  int maxPos() const {
    return std::max(m_info.nMin, m_info.nMax - std::max(0, static_cast<int>(m_info.nPage) - 1));
  }

 private:
  static bool vertical(const WindowRecord& r) { return (r.style & SBS_VERT) != 0; }
  void setPos(WindowRecord& r, int pos) {
    m_info.nPos = std::clamp(pos, m_info.nMin, maxPos());
    invalidateRecord(r, nullptr, true);
  }
  void scroll(const WindowRecord& r, UINT code, int pos = 0) const {
    AfxGetApp()->sendMessage(r.parent, vertical(r) ? WM_VSCROLL : WM_HSCROLL,
                             MAKEWPARAM(code, static_cast<unsigned>(pos)), reinterpret_cast<LPARAM>(r.hwnd));
  }
  int posFromPoint(const WindowRecord& r, CPoint p) const;

  SCROLLINFO m_info;
  bool m_tracking = false;
  int m_grab = 0;  // where in the thumb the drag started, pixels
};

int ScrollBarProc::posFromPoint(const WindowRecord& r, CPoint p) const {
  const ScrollBarParts parts = scrollBarParts(r);
  const bool v = vertical(r);
  const int trackStart = v ? parts.lineLeft.bottom : parts.lineLeft.right;
  const int trackEnd = v ? parts.lineRight.top : parts.lineRight.left;
  const int thumbLength = v ? parts.thumb.Height() : parts.thumb.Width();
  const int travel = trackEnd - trackStart - thumbLength;
  if (travel <= 0) return m_info.nMin;
  const int offset = (v ? p.y : p.x) - m_grab - trackStart;
  const double fraction = std::clamp(static_cast<double>(offset) / travel, 0.0, 1.0);
  return m_info.nMin + static_cast<int>(fraction * (maxPos() - m_info.nMin) + 0.5);
}

LRESULT ScrollBarProc::proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
  CWinApp* app = AfxGetApp();
  switch (message) {
    case SBM_SETPOS: {
      const int previous = m_info.nPos;
      setPos(r, static_cast<int>(wParam));
      return previous;
    }
    case SBM_GETPOS: return m_info.nPos;
    case SBM_SETRANGE:
      m_info.nMin = static_cast<int>(wParam);
      m_info.nMax = static_cast<int>(lParam);
      setPos(r, m_info.nPos);
      return 0;
    case SBM_GETRANGE:
      if (wParam) *reinterpret_cast<int*>(wParam) = m_info.nMin;
      if (lParam) *reinterpret_cast<int*>(lParam) = m_info.nMax;
      return 0;
    case SBM_SETSCROLLINFO: {
      const auto* in = reinterpret_cast<const SCROLLINFO*>(lParam);
      if (!in) return m_info.nPos;
      if (in->fMask & SIF_RANGE) {
        m_info.nMin = in->nMin;
        m_info.nMax = in->nMax;
      }
      if (in->fMask & SIF_PAGE) m_info.nPage = in->nPage;
      setPos(r, (in->fMask & SIF_POS) ? in->nPos : m_info.nPos);
      return m_info.nPos;
    }
    case SBM_GETSCROLLINFO: {
      auto* out = reinterpret_cast<SCROLLINFO*>(lParam);
      if (!out) return FALSE;
      if (out->fMask & SIF_RANGE) {
        out->nMin = m_info.nMin;
        out->nMax = m_info.nMax;
      }
      if (out->fMask & SIF_PAGE) out->nPage = m_info.nPage;
      if (out->fMask & SIF_POS) out->nPos = m_info.nPos;
      if (out->fMask & SIF_TRACKPOS) out->nTrackPos = m_tracking ? m_info.nTrackPos : m_info.nPos;
      return TRUE;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const CPoint p(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      const ScrollBarParts parts = scrollBarParts(r);
      app->setCapture(r.hwnd);
      if (parts.thumb.PtInRect(p)) {
        m_tracking = true;
        m_grab = vertical(r) ? p.y - parts.thumb.top : p.x - parts.thumb.left;
        m_info.nTrackPos = m_info.nPos;
      } else if (parts.lineLeft.PtInRect(p)) {
        scroll(r, SB_LINELEFT);
      } else if (parts.lineRight.PtInRect(p)) {
        scroll(r, SB_LINERIGHT);
      } else if (parts.pageLeft.PtInRect(p)) {
        scroll(r, SB_PAGELEFT);
      } else if (parts.pageRight.PtInRect(p)) {
        scroll(r, SB_PAGERIGHT);
      }
      return 0;
    }
    case WM_MOUSEMOVE:
      if (m_tracking && app->capture() == r.hwnd) {
        const int pos = posFromPoint(r, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        if (pos != m_info.nTrackPos) {
          m_info.nTrackPos = pos;
          scroll(r, SB_THUMBTRACK, pos);
        }
      }
      return 0;
    case WM_LBUTTONUP: {
      if (app->capture() != r.hwnd) return 0;
      const HWND self = r.hwnd;
      app->releaseCapture();
      WindowRecord* again = app->record(self);
      if (!again) return 0;
      if (m_tracking) {
        m_tracking = false;
        scroll(*again, SB_THUMBPOSITION, m_info.nTrackPos);
      }
      if ((again = app->record(self))) scroll(*again, SB_ENDSCROLL);
      return 0;
    }
    case WM_KEYDOWN: {
      UINT code;
      switch (wParam) {
        case VK_LEFT: case VK_UP: code = SB_LINELEFT; break;
        case VK_RIGHT: case VK_DOWN: code = SB_LINERIGHT; break;
        case VK_PRIOR: code = SB_PAGELEFT; break;
        case VK_NEXT: code = SB_PAGERIGHT; break;
        case VK_HOME: code = SB_LEFT; break;
        case VK_END: code = SB_RIGHT; break;
        default: return 0;
      }
      const HWND self = r.hwnd;
      scroll(r, code);
      if (WindowRecord* again = app->record(self)) scroll(*again, SB_ENDSCROLL);
      return 0;
    }
    default: return defaultWindowProc(r, message, wParam, lParam);
  }
}

}  // namespace

std::unique_ptr<WindowClassProc> makeScrollBarProc() { return std::make_unique<ScrollBarProc>(); }

ScrollBarParts scrollBarParts(const WindowRecord& bar) {
  ScrollBarParts parts;
  const auto* p = dynamic_cast<const ScrollBarProc*>(bar.classProc.get());
  if (!p) return parts;
  const CRect c = clientRect(bar);
  const bool v = (bar.style & SBS_VERT) != 0;
  const int length = v ? c.Height() : c.Width();
  const int thickness = v ? c.Width() : c.Height();
  const int arrow = std::min(thickness, length / 2);
  const int track = std::max(0, length - 2 * arrow);
  const SCROLLINFO& info = p->info();
  const int range = info.nMax - info.nMin + 1;
  int thumb = info.nPage > 0 && range > 0 ? static_cast<int>(static_cast<long long>(track) * info.nPage / range)
                                           : thickness;
  thumb = std::clamp(thumb, std::min(8, track), track);
  const int span = p->maxPos() - info.nMin;
  const int at = arrow + (span > 0 ? static_cast<int>(static_cast<long long>(track - thumb) * (info.nPos - info.nMin) / span) : 0);
  auto segment = [&](int from, int to) {
    return v ? CRect(0, from, c.right, to) : CRect(from, 0, to, c.bottom);
  };
  parts.lineLeft = segment(0, arrow);
  parts.pageLeft = segment(arrow, at);
  parts.thumb = segment(at, at + thumb);
  parts.pageRight = segment(at + thumb, length - arrow);
  parts.lineRight = segment(length - arrow, length);
  return parts;
}
