// Single- and multi-line edits and the rich text box: text with a caret and selection,
// typing, deletion, read-only mode, line scrolling, sideways scrolling of multi-line text
// wider than the box (with WS_HSCROLL), and scrolling the caret into view. Line breaks are
// stored as "\n".
#include "platform/ui/ControlProcs.h"

#include "platform/gdi/DcStateScope.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/ControlLook.h"

#include <algorithm>

namespace {

constexpr int kColumnStep = 24;  // pixels an arrow of the horizontal bar moves the text

class EditProc : public WindowClassProc {
 public:
  explicit EditProc(bool rich) : m_rich(rich) {}
  LRESULT proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) override;
  bool isControl(ControlClass& out) const override {
    out = m_rich ? ControlClass::RichEdit : ControlClass::Edit;
    return true;
  }
  bool wantsReturn(const WindowRecord& r) const override {
    return (r.style & ES_MULTILINE) && (r.style & ES_WANTRETURN);
  }
  void paint(const WindowRecord& r, CDC& dc) override;
  void paintFrame(const WindowRecord& r, CDC& dc) override;

 private:
  static bool readOnly(const WindowRecord& r) { return (r.style & ES_READONLY) != 0; }
  static int lineCount(const WindowRecord& r) {
    return 1 + static_cast<int>(std::count(r.text.str().begin(), r.text.str().end(), L'\n'));
  }
  int selFirst() const { return std::min(m_selStart, m_selEnd); }
  int selLast() const { return std::max(m_selStart, m_selEnd); }
  void clampSelection(const WindowRecord& r) {
    m_selStart = std::clamp(m_selStart, 0, r.text.GetLength());
    m_selEnd = std::clamp(m_selEnd, 0, r.text.GetLength());
  }
  // Replaces the selection, leaves the caret after the new text and tells the parent.
  void replaceSelection(WindowRecord& r, const std::wstring& with);
  void scrollLines(WindowRecord& r, int lines) {
    m_firstLine = std::clamp(m_firstLine + lines, 0, lineCount(r) - 1);
    invalidateRecord(r, nullptr, true);
  }
  // Moves the text sideways by pixels, within the widest line measured at the last paint.
  void scrollColumns(WindowRecord& r, int pixels) {
    m_shiftPx = std::clamp(m_shiftPx + pixels, 0, std::max(0, m_textWidth - clientRect(r).Width() + 6));
    invalidateRecord(r, nullptr, true);
  }
  static bool sideways(const WindowRecord& r) { return (r.style & ES_MULTILINE) && (r.style & WS_HSCROLL); }
  void scrollBarClick(WindowRecord& r, CPoint p);
  void horizontalBarClick(WindowRecord& r, CPoint p);
  // Makes the caret's line visible.
  void scrollCaret(WindowRecord& r);

  bool m_rich;
  int m_selStart = 0;
  int m_selEnd = 0;
  int m_firstLine = 0;
  int m_shiftPx = 0;    // multi-line text scrolled sideways by this many pixels
  int m_textWidth = 0;  // the widest line when the frame was last painted, pixels
};

void EditProc::replaceSelection(WindowRecord& r, const std::wstring& with) {
  clampSelection(r);
  std::wstring text = r.text.str();
  text.replace(static_cast<size_t>(selFirst()), static_cast<size_t>(selLast() - selFirst()), with);
  m_selStart = m_selEnd = selFirst() + static_cast<int>(with.size());
  r.text = CString(std::move(text));
  invalidateRecord(r, nullptr, true);
  notifyParent(r.hwnd, EN_CHANGE);
}

// A press on the vertical scroll bar of a multi-line edit: arrows scroll a line, the
// track above or below the middle a page.
void EditProc::scrollBarClick(WindowRecord& r, CPoint p) {
  const CRect client = clientRect(r);
  const int page = std::max(1, client.Height() / kComboItemHeight);
  if (p.y < kScrollBarSize) scrollLines(r, -1);
  else if (p.y >= client.Height() - kScrollBarSize) scrollLines(r, 1);
  else scrollLines(r, p.y < client.Height() / 2 ? -page : page);
}

// A press on the horizontal scroll bar of a multi-line edit: arrows move by a few
// characters, the track left or right of the middle by the box's width.
void EditProc::horizontalBarClick(WindowRecord& r, CPoint p) {
  const CRect client = clientRect(r);
  if (p.x < kScrollBarSize) scrollColumns(r, -kColumnStep);
  else if (p.x >= client.Width() - kScrollBarSize) scrollColumns(r, kColumnStep);
  else scrollColumns(r, p.x < client.Width() / 2 ? -client.Width() : client.Width());
}

namespace {

int lineHeight(CDC& dc) {
  TEXTMETRIC tm;
  return dc.GetTextMetrics(&tm) && tm.tmHeight > 0 ? tm.tmHeight : kComboItemHeight;
}

// The line height of the control's font, measured off screen.
int lineHeight(const WindowRecord& r) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  DcStateScope scope(dc);
  scope.font(r.font ? r.font : look::dialogFont());
  return lineHeight(dc);
}

}  // namespace

void EditProc::scrollCaret(WindowRecord& r) {
  if (!(r.style & ES_MULTILINE)) return;
  clampSelection(r);
  const std::wstring& text = r.text.str();
  const auto caret = text.begin() + m_selEnd;
  const int line = static_cast<int>(std::count(text.begin(), caret, L'\n'));
  const int visible = std::max(1, clientRect(r).Height() / lineHeight(r));
  if (line < m_firstLine) m_firstLine = line;
  if (line >= m_firstLine + visible) m_firstLine = line - visible + 1;
  invalidateRecord(r, nullptr, true);
}

void EditProc::paint(const WindowRecord& r, CDC& dc) {
  const CRect client = clientRect(r);
  dc.FillSolidRect(&client, readOnly(r) || !r.enabledSelf() ? look::kFace : look::kWindow);
  const COLORREF ink = r.enabledSelf() ? look::kText : look::kGrayText;
  const bool multiLine = (r.style & ES_MULTILINE) != 0;
  const int lh = lineHeight(dc);
  const std::wstring& text = r.text.str();
  const bool focused = AfxGetApp()->focus() == r.hwnd;
  const int first = selFirst(), last = selLast();
  auto extent = [&](size_t from, size_t to) {
    return dc.GetTextExtent(text.c_str() + from, static_cast<int>(to - from)).cx;
  };
  // Single-line text scrolls left so the caret stays in view; multi-line text as far as
  // its horizontal bar says.
  int shift = sideways(r) ? m_shiftPx : 0;
  if (!multiLine) {
    const size_t caret = static_cast<size_t>(std::clamp(m_selEnd, 0, r.text.GetLength()));
    shift = std::max(0, extent(0, caret) - (client.Width() - 6));
  }
  size_t start = 0;
  for (int line = 0; start <= text.size(); ++line) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    const int row = line - (multiLine ? m_firstLine : 0);
    const int y = multiLine ? 2 + row * lh : (client.Height() - lh) / 2;
    if (row >= 0 && y < client.bottom) {
      const int x = 3 - shift;
      const CString part(std::wstring_view(text).substr(start, end - start));
      // The selected stretch of this line, highlighted.
      const size_t s0 = std::clamp<size_t>(static_cast<size_t>(first), start, end);
      const size_t s1 = std::clamp<size_t>(static_cast<size_t>(last), start, end);
      if (focused && s1 > s0) dc.FillSolidRect(x + extent(start, s0), y, extent(s0, s1), lh, look::kAccent);
      look::text(dc, part, CRect(x, y, client.right + shift, y + lh), DT_LEFT | DT_TOP | DT_NOPREFIX, ink, nullptr);
      if (focused && s1 > s0) {
        const CString selected(std::wstring_view(text).substr(s0, s1 - s0));
        const int sx = x + extent(start, s0);
        look::text(dc, selected, CRect(sx, y, sx + extent(s0, s1), y + lh), DT_LEFT | DT_TOP | DT_NOPREFIX, look::kSelectionText,
                   nullptr);
      }
      const size_t caret = static_cast<size_t>(m_selEnd);
      if (focused && first == last && caret >= start && caret <= end)
        dc.FillSolidRect(x + extent(start, caret), y, 1, lh, look::kText);
    }
    if (!multiLine || end == text.size()) break;
    start = end + 1;
  }
}

void EditProc::paintFrame(const WindowRecord& r, CDC& dc) {
  const CRect client = clientRect(r);
  dc.SelectObject(r.font ? r.font : look::dialogFont());
  // The frame is painted before the text: the widest line sizes the horizontal bar's
  // thumb and limits sideways scrolling.
  if (sideways(r)) {
    m_textWidth = 0;
    const std::wstring& text = r.text.str();
    for (size_t start = 0; start <= text.size();) {
      size_t end = text.find(L'\n', start);
      if (end == std::wstring::npos) end = text.size();
      m_textWidth = std::max(m_textWidth, dc.GetTextExtent(text.c_str() + start, static_cast<int>(end - start)).cx);
      start = end + 1;
    }
  }
  const int lines = lineCount(r);
  const int visible = std::max(1, client.Height() / lineHeight(dc));
  if (r.style & WS_VSCROLL) {
    const int bar = kScrollBarSize;
    const CRect up(client.right, 0, client.right + bar, bar);
    const CRect down(client.right, client.bottom - bar, client.right + bar, client.bottom);
    const CRect track(client.right, bar, client.right + bar, client.bottom - bar);
    CRect thumb;
    if (lines > visible && track.Height() > 0) {
      const int length = std::max(8, track.Height() * visible / lines);
      const int top = track.top + (track.Height() - length) * m_firstLine / std::max(1, lines - 1);
      thumb = CRect(track.left, top, track.right, top + length);
    }
    look::scrollBar(dc, up, down, track, thumb, true);
  }
  if (r.style & WS_HSCROLL) {
    const int bar = kScrollBarSize;
    const CRect track(bar, client.bottom, client.right - bar, client.bottom + bar);
    CRect thumb;
    const int width = client.Width() - 6;
    if (m_textWidth > width && track.Width() > 0) {
      const int length = std::max(8, track.Width() * width / m_textWidth);
      const int left = track.left + (track.Width() - length) * m_shiftPx / std::max(1, m_textWidth - width);
      thumb = CRect(left, track.top, left + length, track.bottom);
    }
    look::scrollBar(dc, CRect(0, client.bottom, bar, client.bottom + bar),
                    CRect(client.right - bar, client.bottom, client.right, client.bottom + bar), track, thumb, false);
  }
  if ((r.style & WS_VSCROLL) && (r.style & WS_HSCROLL))
    dc.FillSolidRect(client.right, client.bottom, kScrollBarSize, kScrollBarSize, look::kFace);
}

LRESULT EditProc::proc(WindowRecord& r, UINT message, WPARAM wParam, LPARAM lParam) {
  CWinApp* app = AfxGetApp();
  switch (message) {
    case WM_SETTEXT:
      r.text = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
      m_selStart = m_selEnd = 0;
      m_firstLine = 0;
      m_shiftPx = 0;
      invalidateRecord(r, nullptr, true);
      notifyParent(r.hwnd, EN_CHANGE);
      return TRUE;
    case EM_GETSEL:
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(selFirst());
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(selLast());
      return static_cast<LRESULT>(MAKEWPARAM(static_cast<unsigned>(selFirst()), static_cast<unsigned>(selLast())));
    case EM_SETSEL: {
      const int start = static_cast<int>(static_cast<std::intptr_t>(wParam));
      const int end = static_cast<int>(lParam);
      if (start < 0) {
        m_selStart = m_selEnd = r.text.GetLength();
      } else {
        m_selStart = start;
        m_selEnd = end < 0 ? r.text.GetLength() : end;
      }
      clampSelection(r);
      invalidateRecord(r, nullptr, true);
      return 0;
    }
    case EM_REPLACESEL:
      replaceSelection(r, lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
      return 0;
    case EM_GETLINECOUNT: return lineCount(r);
    case EM_GETFIRSTVISIBLELINE: return m_firstLine;
    case EM_SCROLLCARET:
      scrollCaret(r);
      return TRUE;
    case EM_LINESCROLL:
      if (!(r.style & ES_MULTILINE)) return FALSE;
      scrollLines(r, static_cast<int>(lParam));
      return TRUE;
    case EM_SETREADONLY:
      if (wParam) r.style |= ES_READONLY;
      else r.style &= ~ES_READONLY;
      invalidateRecord(r, nullptr, true);
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const CPoint p(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if ((r.style & WS_VSCROLL) && p.x >= clientRect(r).Width()) {
        scrollBarClick(r, p);
        return 0;
      }
      if (sideways(r) && p.y >= clientRect(r).Height()) {
        horizontalBarClick(r, p);
        return 0;
      }
      app->setFocus(r.hwnd);
      if (WindowRecord* again = app->record(r.hwnd)) {
        // Without glyph positions the caret goes to the end, where typing appends.
        m_selStart = m_selEnd = again->text.GetLength();
        invalidateRecord(*again, nullptr, false);
      }
      return 0;
    }
    case WM_MOUSEWHEEL:
      if (r.style & ES_MULTILINE) scrollLines(r, static_cast<std::int16_t>(HIWORD(wParam)) > 0 ? -3 : 3);
      return 0;
    case WM_CHAR: {
      const auto ch = static_cast<wchar_t>(wParam);
      if (ch < 0x20 || readOnly(r)) return 0;
      replaceSelection(r, std::wstring(1, ch));
      return 0;
    }
    case WM_KEYDOWN: {
      clampSelection(r);
      const int length = r.text.GetLength();
      switch (wParam) {
        case VK_BACK:
        case VK_DELETE:
          if (readOnly(r)) return 0;
          if (m_selStart == m_selEnd) {
            if (wParam == VK_BACK && m_selStart > 0) --m_selStart;
            else if (wParam == VK_DELETE && m_selEnd < length) ++m_selEnd;
            else return 0;
          }
          replaceSelection(r, L"");
          return 0;
        case VK_RETURN:
          if (wantsReturn(r) && !readOnly(r)) replaceSelection(r, L"\n");
          return 0;
        case VK_LEFT: m_selStart = m_selEnd = std::max(0, selFirst() - (m_selStart == m_selEnd ? 1 : 0)); break;
        case VK_RIGHT: m_selStart = m_selEnd = std::min(length, selLast() + (m_selStart == m_selEnd ? 1 : 0)); break;
        case VK_HOME: m_selStart = m_selEnd = 0; break;
        case VK_END: m_selStart = m_selEnd = length; break;
        case 'A':
          if (!app->isKeyDown(VK_CONTROL)) return 0;
          m_selStart = 0;
          m_selEnd = length;
          break;
        default: return 0;
      }
      invalidateRecord(r, nullptr, false);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      invalidateRecord(r, nullptr, false);
      return 0;
    default: return defaultWindowProc(r, message, wParam, lParam);
  }
}

}  // namespace

std::unique_ptr<WindowClassProc> makeEditProc(bool rich) { return std::make_unique<EditProc>(rich); }
