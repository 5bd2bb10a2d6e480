// Push buttons, check boxes, radio buttons and group boxes share one behaviour, chosen by
// the low bits of the style, as in the framework.
#include "platform/ui/ControlProcs.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/DcStateScope.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/ControlLook.h"

namespace {

class ButtonProc : public WindowClassProc {
 public:
  LRESULT proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) override;
  bool mouseTransparent(const WindowRecord& r) const override { return kind(r) == BS_GROUPBOX; }
  bool isControl(ControlClass& out) const override {
    out = ControlClass::Button;
    return true;
  }
  void paint(const WindowRecord& r, CDC& dc) override;

 private:
  static DWORD kind(const WindowRecord& r) { return r.style & BS_TYPEMASK; }
  // The user's click: toggles a check box, checks a radio button and clears the other
  // radio buttons of its group, then tells the parent.
  void click(WindowRecord& r);
  void checkRadioInGroup(WindowRecord& r);

  int m_check = BST_UNCHECKED;
  bool m_pushed = false;
  HICON m_icon = nullptr;
};

void ButtonProc::checkRadioInGroup(WindowRecord& r) {
  CWinApp* app = AfxGetApp();
  const WindowRecord* parent = app->record(r.parent);
  if (!parent) return;
  // The group runs from the nearest WS_GROUP control at or before this one to the next
  // WS_GROUP control.
  const auto& siblings = parent->children;
  size_t self = 0;
  while (self < siblings.size() && siblings[self] != r.hwnd) ++self;
  size_t first = self;
  while (first > 0 && !(app->record(siblings[first])->style & WS_GROUP)) --first;
  for (size_t i = first; i < siblings.size(); ++i) {
    WindowRecord* s = app->record(siblings[i]);
    if (i > first && (s->style & WS_GROUP)) break;
    if ((s->style & BS_TYPEMASK) != BS_AUTORADIOBUTTON || s == &r) continue;
    ControlClass cc;
    if (s->classProc && s->classProc->isControl(cc) && cc == ControlClass::Button)
      app->sendMessage(s->hwnd, BM_SETCHECK, BST_UNCHECKED);
  }
}

void ButtonProc::click(WindowRecord& r) {
  const HWND self = r.hwnd;
  if (kind(r) == BS_AUTOCHECKBOX) m_check = m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  if (kind(r) == BS_AUTORADIOBUTTON) {
    m_check = BST_CHECKED;
    checkRadioInGroup(r);
  }
  if (WindowRecord* again = AfxGetApp()->record(self)) invalidateRecord(*again, nullptr, true);
  notifyParent(self, BN_CLICKED);
}

void ButtonProc::paint(const WindowRecord& r, CDC& dc) {
  const CRect client = clientRect(r);
  const COLORREF ink = r.enabledSelf() ? look::kText : look::kGrayText;
  const bool focused = AfxGetApp()->focus() == r.hwnd;
  switch (kind(r)) {
    case BS_GROUPBOX: {
      dc.FillSolidRect(&client, look::kFace);
      CRect label(8, 0, 8, 0);
      dc.DrawText(r.text, &label, DT_CALCRECT | DT_SINGLELINE);
      const int mid = label.Height() / 2;
      look::frame(dc, CRect(0, mid, client.right, client.bottom), look::kFrame);
      label.InflateRect(3, 0);
      dc.FillSolidRect(&label, look::kFace);
      look::text(dc, r.text, label, DT_CENTER | DT_TOP, ink, nullptr);
      return;
    }
    case BS_AUTOCHECKBOX:
    case BS_AUTORADIOBUTTON: {
      dc.FillSolidRect(&client, look::kFace);
      const int size = 13;
      const CRect box(0, (client.Height() - size) / 2, size, (client.Height() - size) / 2 + size);
      if (kind(r) == BS_AUTOCHECKBOX) {
        dc.FillSolidRect(&box, m_pushed ? look::kButtonPushed : look::kWindow);
        look::frame(dc, box, focused ? look::kAccent : look::kFrame);
        if (m_check == BST_CHECKED) look::checkMark(dc, box, ink);
      } else {
        CPen pen(PS_SOLID, 1, focused ? look::kAccent : look::kFrame);
        CBrush fill(m_pushed ? look::kButtonPushed : look::kWindow);
        DcStateScope scope(dc);
        scope.pen(&pen).brush(&fill);
        dc.Ellipse(&box);
        if (m_check == BST_CHECKED) {
          CPen dotPen(PS_SOLID, 1, ink);
          CBrush dot(ink);
          DcStateScope dotScope(dc);
          dotScope.pen(&dotPen).brush(&dot);
          CRect inner = box;
          inner.DeflateRect(4, 4);
          dc.Ellipse(&inner);
        }
      }
      look::text(dc, r.text, CRect(size + 4, 0, client.right, client.bottom), DT_LEFT | DT_VCENTER, ink, nullptr);
      return;
    }
    default: {
      look::buttonFace(dc, client, m_pushed, kind(r) == BS_DEFPUSHBUTTON || focused);
      if ((r.style & BS_ICON) && m_icon) {
        look::image(dc, *m_icon, (client.Width() - m_icon->width) / 2 + (m_pushed ? 1 : 0),
                    (client.Height() - m_icon->height) / 2 + (m_pushed ? 1 : 0));
        return;
      }
      CRect label = client;
      if (m_pushed) label.OffsetRect(1, 1);
      look::text(dc, r.text, label, DT_CENTER | DT_VCENTER, ink, nullptr);
    }
  }
}

LRESULT ButtonProc::proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
  CWinApp* app = AfxGetApp();
  if (kind(r) == BS_GROUPBOX && isMouseMessage(message)) return 0;
  switch (message) {
    case BM_GETCHECK: return m_check;
    case BM_SETCHECK:
      m_check = static_cast<int>(wParam);
      invalidateRecord(r, nullptr, true);
      return 0;
    case BM_GETSTATE: return m_check | (m_pushed ? BST_PUSHED : 0) | (app->focus() == r.hwnd ? BST_FOCUS : 0);
    case BM_SETSTATE:
      m_pushed = wParam != 0;
      invalidateRecord(r, nullptr, true);
      return 0;
    case BM_SETSTYLE:
      r.style = (r.style & ~0xFFFFu) | (static_cast<DWORD>(wParam) & 0xFFFFu);
      invalidateRecord(r, nullptr, true);
      return 0;
    case BM_CLICK:
      click(r);
      return 0;
    case BM_SETIMAGE: {
      HICON previous = m_icon;
      if (wParam == IMAGE_ICON) m_icon = reinterpret_cast<HICON>(lParam);
      invalidateRecord(r, nullptr, true);
      return reinterpret_cast<LRESULT>(previous);
    }
    case BM_GETIMAGE: return reinterpret_cast<LRESULT>(m_icon);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      app->setFocus(r.hwnd);
      if (!app->isWindow(r.hwnd)) return 0;
      m_pushed = true;
      app->setCapture(r.hwnd);
      invalidateRecord(r, nullptr, true);
      return 0;
    case WM_MOUSEMOVE:
      if (app->capture() == r.hwnd) {
        const bool inside = clientRect(r).PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        if (inside != m_pushed) invalidateRecord(r, nullptr, true);
        m_pushed = inside;
      }
      return 0;
    case WM_LBUTTONUP: {
      if (app->capture() != r.hwnd) return 0;
      const bool inside = clientRect(r).PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      m_pushed = false;
      invalidateRecord(r, nullptr, true);
      app->releaseCapture();
      if (inside && app->isWindow(r.hwnd)) click(r);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) click(r);
      return 0;
    default: return defaultWindowProc(r, message, wParam, lParam);
  }
}

// Static text and frames. Without SS_NOTIFY the mouse passes through to the parent,
// which is how a dialog sees clicks on a picture or canvas control.
class StaticProc : public WindowClassProc {
 public:
  LRESULT proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_LBUTTONUP && (r.style & SS_NOTIFY)) {
      notifyParent(r.hwnd, STN_CLICKED);
      return 0;
    }
    return defaultWindowProc(r, message, wParam, lParam);
  }
  bool mouseTransparent(const WindowRecord& r) const override { return (r.style & SS_NOTIFY) == 0; }
  bool isControl(ControlClass& out) const override {
    out = ControlClass::Static;
    return true;
  }
  void paint(const WindowRecord& r, CDC& dc) override {
    const CRect client = clientRect(r);
    dc.FillSolidRect(&client, look::kFace);
    const DWORD align = r.style & SS_TYPEMASK;
    const UINT format = align == SS_CENTER ? DT_CENTER : align == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    look::text(dc, r.text, client, format | DT_TOP, r.enabledSelf() ? look::kText : look::kGrayText, nullptr);
  }
};

}  // namespace

std::unique_ptr<WindowClassProc> makeButtonProc() { return std::make_unique<ButtonProc>(); }
std::unique_ptr<WindowClassProc> makeStaticProc() { return std::make_unique<StaticProc>(); }
