// Editable drop-down combo boxes: a list of items with item data, a current selection and
// an edit part. Setting the selection by message sends nothing; a person choosing an item
// from the open list or with the arrow keys causes CBN_SELCHANGE.
#include "platform/ui/ControlProcs.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/ControlLook.h"

#include <algorithm>
#include <vector>

namespace {

class ComboProc : public WindowClassProc {
 public:
  explicit ComboProc(int listHeight) : m_listHeight(std::max(listHeight, kComboItemHeight)) {}
  LRESULT proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) override;
  bool isControl(ControlClass& out) const override {
    out = ControlClass::ComboBox;
    return true;
  }

  void paint(const WindowRecord& r, CDC& dc) override;
  void paintOverlay(const WindowRecord& r, CDC& dc) override;

  // Rows of the open list: the template's list height, grown to show every item up to
  // kComboMinVisibleItems, so a short list never hides an item behind the scroll wheel.
  int visibleRows() const {
    return std::max({1, m_listHeight / kComboItemHeight, std::min(count(), kComboMinVisibleItems)});
  }
  int topIndex() const { return m_top; }
  int count() const { return static_cast<int>(m_items.size()); }
  bool dropped() const { return m_dropped; }

 private:
  struct Item {
    CString text;
    LPARAM data = 0;
  };
  bool valid(WPARAM index) const { return index < m_items.size(); }
  void select(WindowRecord& r, int index);
  void open(WindowRecord& r);
  void close(WindowRecord& r);
  // A person's choice: selection, text, then the notification.
  void choose(WindowRecord& r, int index);
  int itemAt(const WindowRecord& r, CPoint p) const;
  void keepVisible(int index) {
    if (index < m_top) m_top = index;
    if (index >= m_top + visibleRows()) m_top = index - visibleRows() + 1;
    m_top = std::max(0, m_top);
  }

  std::vector<Item> m_items;
  int m_cur = CB_ERR;
  int m_top = 0;
  int m_listHeight;
  bool m_dropped = false;
  // The press that picks from the open list keeps the mouse until its release, so the
  // release does not land on whatever lies under the list.
  bool m_releaseOnUp = false;
};

void ComboProc::select(WindowRecord& r, int index) {
  m_cur = index;
  r.text = index >= 0 ? m_items[static_cast<size_t>(index)].text : CString();
  if (index >= 0) keepVisible(index);
  invalidateRecord(r, nullptr, true);
}

// The open list overlaps the dialog below the box, so the parent repaints when it
// opens and closes.
void ComboProc::open(WindowRecord& r) {
  CWinApp* app = AfxGetApp();
  m_dropped = true;
  if (m_cur >= 0) keepVisible(m_cur);
  if (WindowRecord* parent = app->record(r.parent)) invalidateRecord(*parent, nullptr, true);
  app->setCapture(r.hwnd);
  notifyParent(r.hwnd, CBN_DROPDOWN);
}

void ComboProc::close(WindowRecord& r) {
  CWinApp* app = AfxGetApp();
  m_dropped = false;
  if (WindowRecord* parent = app->record(r.parent)) invalidateRecord(*parent, nullptr, true);
  if (app->capture() == r.hwnd && !m_releaseOnUp) app->releaseCapture();
  notifyParent(r.hwnd, CBN_CLOSEUP);
}

void ComboProc::choose(WindowRecord& r, int index) {
  if (index < 0 || index >= count() || index == m_cur) return;
  select(r, index);
  notifyParent(r.hwnd, CBN_SELCHANGE);
}

int ComboProc::itemAt(const WindowRecord& r, CPoint p) const {
  for (int i = m_top; i < std::min(count(), m_top + visibleRows()); ++i) {
    if (comboListItemRect(r, i).PtInRect(p)) return i;
  }
  return -1;
}

void ComboProc::paint(const WindowRecord& r, CDC& dc) {
  const CRect client = clientRect(r);
  dc.FillSolidRect(&client, r.enabledSelf() ? look::kWindow : look::kFace);
  look::frame(dc, client, AfxGetApp()->focus() == r.hwnd ? look::kAccent : look::kFrame);
  const CRect button = comboButtonRect(r);
  look::buttonFace(dc, button, m_dropped, false);
  look::arrow(dc, button, look::Arrow::Down, r.enabledSelf() ? look::kText : look::kGrayText);
  look::text(dc, r.text, CRect(4, 0, button.left - 2, client.bottom), DT_LEFT | DT_VCENTER | DT_NOPREFIX,
             r.enabledSelf() ? look::kText : look::kGrayText, nullptr);
}

void ComboProc::paintOverlay(const WindowRecord& r, CDC& dc) {
  if (!m_dropped) return;
  const CRect client = clientRect(r);
  const int rows = std::max(1, std::min(count() - m_top, visibleRows()));
  const CRect list(0, client.bottom, client.right, client.bottom + rows * kComboItemHeight);
  dc.FillSolidRect(&list, look::kWindow);
  for (int i = m_top; i < m_top + rows && i < count(); ++i) {
    const CRect row = comboListItemRect(r, i);
    const bool current = i == m_cur;
    if (current) dc.FillSolidRect(&row, look::kAccent);
    look::text(dc, m_items[static_cast<size_t>(i)].text, CRect(row.left + 4, row.top, row.right, row.bottom),
               DT_LEFT | DT_VCENTER | DT_NOPREFIX, current ? look::kSelectionText : look::kText, nullptr);
  }
  look::frame(dc, list, look::kFrame);
}

LRESULT ComboProc::proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
  CWinApp* app = AfxGetApp();
  const HWND self = r.hwnd;
  switch (message) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
      const auto at = message == CB_ADDSTRING || static_cast<std::intptr_t>(wParam) < 0 ? m_items.size()
                                                                                       : static_cast<size_t>(wParam);
      if (at > m_items.size()) return CB_ERR;
      m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at),
                     Item{lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"", 0});
      if (m_cur >= static_cast<int>(at)) ++m_cur;
      invalidateRecord(r, nullptr, true);
      return static_cast<LRESULT>(at);
    }
    case CB_DELETESTRING: {
      if (!valid(wParam)) return CB_ERR;
      const int index = static_cast<int>(wParam);
      m_items.erase(m_items.begin() + index);
      if (m_cur == index) m_cur = CB_ERR;
      else if (m_cur > index) --m_cur;
      return count();
    }
    case CB_RESETCONTENT:
      m_items.clear();
      m_cur = CB_ERR;
      m_top = 0;
      r.text.Empty();
      invalidateRecord(r, nullptr, true);
      return 0;
    case CB_GETCOUNT: return count();
    case CB_GETCURSEL: return m_cur;
    case CB_SETCURSEL:
      if (!valid(wParam)) {
        select(r, CB_ERR);
        return CB_ERR;
      }
      select(r, static_cast<int>(wParam));
      return m_cur;
    case CB_GETLBTEXTLEN: return valid(wParam) ? m_items[wParam].text.GetLength() : CB_ERR;
    case CB_GETLBTEXT: {
      if (!valid(wParam) || !lParam) return CB_ERR;
      const std::wstring& s = m_items[wParam].text.str();
      std::copy(s.begin(), s.end(), reinterpret_cast<wchar_t*>(lParam));
      reinterpret_cast<wchar_t*>(lParam)[s.size()] = L'\0';
      return static_cast<LRESULT>(s.size());
    }
    case CB_GETITEMDATA: return valid(wParam) ? m_items[wParam].data : CB_ERR;
    case CB_SETITEMDATA:
      if (!valid(wParam)) return CB_ERR;
      m_items[wParam].data = lParam;
      return 0;
    case CB_FINDSTRINGEXACT: {
      const auto* text = reinterpret_cast<const wchar_t*>(lParam);
      const int start = static_cast<int>(static_cast<std::intptr_t>(wParam));
      for (int k = 1; text && k <= count(); ++k) {
        const int i = (start + k + count()) % count();  // searches after start, wrapping
        if (m_items[static_cast<size_t>(i)].text.CompareNoCase(text) == 0) return i;
      }
      return CB_ERR;
    }
    case CB_SHOWDROPDOWN:
      if (wParam && !m_dropped) open(r);
      else if (!wParam && m_dropped) close(r);
      return TRUE;
    case CB_GETDROPPEDSTATE: return m_dropped ? TRUE : FALSE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const CPoint p(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (m_dropped) {
        const int hit = itemAt(r, p);
        m_releaseOnUp = true;
        close(r);
        if (WindowRecord* again = app->record(self); again && hit >= 0) choose(*again, hit);
        return 0;
      }
      app->setFocus(self);
      WindowRecord* again = app->record(self);
      if (again && comboButtonRect(*again).PtInRect(p)) open(*again);
      return 0;
    }
    case WM_LBUTTONUP:
      if (m_releaseOnUp) {
        m_releaseOnUp = false;
        if (app->capture() == self) app->releaseCapture();
      }
      return 0;
    case WM_MOUSEWHEEL:
      if (m_dropped) {
        m_top = std::clamp(m_top + (static_cast<std::int16_t>(HIWORD(wParam)) > 0 ? -1 : 1), 0,
                           std::max(0, count() - visibleRows()));
        if (WindowRecord* parent = app->record(r.parent)) invalidateRecord(*parent, nullptr, true);
      }
      return 0;
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_DOWN: choose(r, m_cur < 0 ? 0 : m_cur + 1); return 0;
        case VK_UP: choose(r, m_cur - 1); return 0;
        case VK_RETURN:
        case VK_ESCAPE:
          if (m_dropped) close(r);
          return 0;
        case VK_BACK:
          if (r.text.IsEmpty()) return 0;
          r.text = r.text.Left(r.text.GetLength() - 1);
          invalidateRecord(r, nullptr, true);
          notifyParent(self, CBN_EDITCHANGE);
          return 0;
        default: return 0;
      }
    case WM_CHAR:
      if (wParam < 0x20) return 0;
      r.text += static_cast<wchar_t>(wParam);
      invalidateRecord(r, nullptr, true);
      notifyParent(self, CBN_EDITCHANGE);
      return 0;
    case WM_KILLFOCUS:
      if (m_dropped) close(r);
      return 0;
    case WM_CAPTURECHANGED:
      if (m_dropped && reinterpret_cast<HWND>(lParam) != self) {
        m_dropped = false;
        if (WindowRecord* parent = app->record(r.parent)) invalidateRecord(*parent, nullptr, true);
      }
      return 0;
    default: return defaultWindowProc(r, message, wParam, lParam);
  }
}

const ComboProc* comboOf(const WindowRecord& r) { return dynamic_cast<const ComboProc*>(r.classProc.get()); }

}  // namespace

std::unique_ptr<WindowClassProc> makeComboProc(int listHeight) { return std::make_unique<ComboProc>(listHeight); }

CRect comboButtonRect(const WindowRecord& combo) {
  const CRect c = clientRect(combo);
  return CRect(std::max(0, c.right - kComboButtonWidth), 0, c.right, c.bottom);
}

CRect comboListItemRect(const WindowRecord& combo, int index) {
  const ComboProc* p = comboOf(combo);
  if (!p || index < p->topIndex() || index >= p->count() || index >= p->topIndex() + p->visibleRows()) return {};
  const CRect c = clientRect(combo);
  const int top = c.bottom + (index - p->topIndex()) * kComboItemHeight;
  return CRect(0, top, c.right, top + kComboItemHeight);
}
