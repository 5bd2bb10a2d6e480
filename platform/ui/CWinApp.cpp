#include "platform/ui/CWinApp.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/ControlLook.h"
#include "platform/ui/UserInput.h"

#include <algorithm>
#include <cstdio>

namespace {

CWinApp* g_current = nullptr;

// A window that keeps posting to itself would never let the queue drain; stop there
// instead of hanging the run.
constexpr long kMaxMessagesPerPump = 1000000;

}  // namespace

CWinApp::CWinApp()
    : m_previous(g_current),
      m_services(std::make_unique<ScriptedServices>()),
      m_input(std::make_unique<UserInput>(*this)) {
  g_current = this;
  m_cursor = LoadStandardCursor(IDC_ARROW);
}

CWinApp::~CWinApp() {
  // Windows still open are destroyed here so their objects are detached before the
  // records go away.
  while (!m_topLevel.empty()) destroyWindow(m_topLevel.back());
  if (g_current == this) g_current = m_previous;
}

CWinApp* AfxGetApp() {
  if (!g_current) {
    static CWinApp* fallback = new CWinApp;  // lives to the end of the process
    return fallback;
  }
  return g_current;
}

WindowRecord& CWinApp::createRecord(HWND parent) {
  auto rec = std::make_unique<WindowRecord>();
  rec->hwnd = reinterpret_cast<HWND>(m_nextHandle++);
  rec->parent = parent;
  WindowRecord& r = *rec;
  m_records.emplace(r.hwnd, std::move(rec));
  if (WindowRecord* p = record(parent)) p->children.push_back(r.hwnd);
  else m_topLevel.push_back(r.hwnd);
  return r;
}

WindowRecord* CWinApp::record(HWND hwnd) const {
  if (!hwnd) return nullptr;
  auto it = m_records.find(hwnd);
  return it == m_records.end() ? nullptr : it->second.get();
}

void CWinApp::destroyWindow(HWND hwnd) {
  WindowRecord* r = record(hwnd);
  if (!r || r->destroying) return;
  std::vector<std::unique_ptr<WindowRecord>> dead;
  destroyTree(hwnd, dead);
  // Objects are detached only now, so handlers running during WM_DESTROY still saw
  // their windows; PostNcDestroy comes last and may delete its object.
  for (auto& d : dead) {
    CWnd* w = d->wnd;
    if (!w) continue;
    w->m_hWnd = nullptr;
    d->wnd = nullptr;
    if (w != d->ownedWrapper.get()) w->PostNcDestroy();
  }
}

void CWinApp::destroyTree(HWND hwnd, std::vector<std::unique_ptr<WindowRecord>>& dead) {
  WindowRecord* r = record(hwnd);
  if (!r || r->destroying) return;
  r->destroying = true;
  sendMessage(hwnd, WM_DESTROY);
  const std::vector<HWND> children = record(hwnd)->children;
  for (HWND c : children) destroyTree(c, dead);

  m_timers.killAll(hwnd);
  if (m_focus == hwnd) m_focus = nullptr;
  if (m_capture == hwnd) m_capture = nullptr;
  if (m_foreground == hwnd) m_foreground = nullptr;
  std::erase_if(m_queue, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
  r = record(hwnd);
  if (WindowRecord* p = record(r->parent)) std::erase(p->children, hwnd);
  else std::erase(m_topLevel, hwnd);
  auto it = m_records.find(hwnd);
  dead.push_back(std::move(it->second));
  m_records.erase(it);
}

void CWinApp::bringToTop(HWND topLevel) {
  auto it = std::find(m_topLevel.begin(), m_topLevel.end(), topLevel);
  if (it == m_topLevel.end()) return;
  m_topLevel.erase(it);
  m_topLevel.push_back(topLevel);
}

LRESULT CWinApp::sendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* r = record(hwnd);
  if (!r) return 0;
  if (r->wnd) return r->wnd->WindowProc(message, wParam, lParam);
  if (r->classProc) return r->classProc->proc(*r, message, wParam, lParam);
  return defaultWindowProc(*r, message, wParam, lParam);
}

BOOL CWinApp::postMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!isWindow(hwnd)) return FALSE;
  m_queue.push_back(MSG{hwnd, message, wParam, lParam, GetTickCount(), m_mousePos});
  return TRUE;
}

void CWinApp::dispatch(const MSG& msg) {
  if (!isWindow(msg.hwnd)) return;
  if (isKeyMessage(msg.message) || isMouseMessage(msg.message)) {
    MSG copy = msg;
    for (HWND h = msg.hwnd; h;) {
      WindowRecord* r = record(h);
      if (!r) return;
      const HWND parent = r->parent;
      if (r->wnd && r->wnd->PreTranslateMessage(&copy)) return;
      if (!isWindow(msg.hwnd)) return;
      h = parent;
    }
  }
  sendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

BOOL CWinApp::PumpMessage() {
  if (!m_queue.empty()) {
    const MSG msg = m_queue.front();
    m_queue.pop_front();
    dispatch(msg);
    return TRUE;
  }
  return paintPass() ? TRUE : FALSE;
}

void CWinApp::pumpUntilIdle() {
  for (long n = 0; PumpMessage(); ++n) {
    if (n == kMaxMessagesPerPump) {
      std::fprintf(stderr, "message loop: still busy after %ld messages; the queue is left as it is\n", n);
      return;
    }
  }
}

bool CWinApp::paintPass() {
  bool painted = false;
  const std::vector<HWND> tops = m_topLevel;
  for (HWND top : tops) painted = paintWindow(top, false) || painted;
  return painted;
}

namespace {

// A top-level window shows its own surface, sized to the whole window; a new size
// starts from a blank surface and a full repaint.
void ensureSurface(WindowRecord& top) {
  const int w = top.rect.Width(), h = top.rect.Height();
  if (top.surface && top.surface->width() == w && top.surface->height() == h) return;
  top.surface = std::make_unique<PixelSurface>(w, h, look::kFace);
  invalidateRecord(top, nullptr, true);
}

}  // namespace

bool CWinApp::paintWindow(HWND hwnd, bool parentPainted) {
  WindowRecord* r = record(hwnd);
  if (!r || !r->visibleSelf()) return false;
  if (!r->parent) ensureSurface(*r);
  // A parent's paint covers its children, so they are painted again on top of it.
  if (parentPainted) invalidateRecord(*r, nullptr, true);
  bool paintedSelf = false;
  if (!r->update.IsRectEmpty()) {
    paintNonClient(*r);
    if (r->eraseBackground) {
      r->eraseBackground = false;
      CDC dc;
      attachWindowDC(dc, *r, false);
      sendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc));
    }
    sendMessage(hwnd, WM_PAINT);
    // A handler that did not begin painting still counts as painted; otherwise the
    // window would be asked again and again.
    if (WindowRecord* again = record(hwnd)) again->update.SetRectEmpty();
    paintedSelf = true;
  }
  r = record(hwnd);
  if (!r) return paintedSelf;
  bool painted = paintedSelf;
  const std::vector<HWND> children = r->children;
  for (HWND c : children) painted = paintWindow(c, parentPainted || paintedSelf) || painted;
  if (painted && !parentPainted && (r = record(hwnd)) && !r->parent) paintOverlays(*r);
  return painted;
}

void CWinApp::paintOverlays(WindowRecord& r) {
  for (HWND c : r.children) {
    WindowRecord* child = record(c);
    if (!child || !child->visibleSelf()) continue;
    if (child->classProc) {
      WindowRecord* top = topLevelOf(*child);
      const CPoint screen = clientOriginOnScreen(*child);
      const CPoint origin(screen.x - top->rect.left, screen.y - top->rect.top);
      CRect all = top->surface->bounds();
      all.OffsetRect(-origin.x, -origin.y);
      CDC dc(*top->surface, origin, all);
      dc.SelectObject(child->font ? child->font : look::dialogFont());
      child->classProc->paintOverlay(*child, dc);
    }
    paintOverlays(*child);
  }
}

void CWinApp::advanceClock(std::uint64_t ms) {
  const std::uint64_t target = m_now + ms;
  pumpUntilIdle();
  while (auto t = m_timers.nextDue(target)) {
    m_now = t->due;
    m_timers.reschedule(t->hwnd, t->id, t->due);
    postMessage(t->hwnd, WM_TIMER, t->id, 0);
    pumpUntilIdle();
  }
  m_now = target;
  pumpUntilIdle();
}

void CWinApp::catchUpClock(std::uint64_t now) {
  m_now = std::max(m_now, now);
  std::vector<TimerTable::Timer> due;
  for (auto t = m_timers.nextDue(m_now); t; t = m_timers.nextDue(m_now)) {
    // A timer keeps its beat when it fires within a period of its turn; one later than
    // that starts a new beat from now.
    m_timers.reschedule(t->hwnd, t->id, t->due + t->period > m_now ? t->due : m_now);
    due.push_back(*t);
  }
  for (const TimerTable::Timer& t : due) postMessage(t.hwnd, WM_TIMER, t.id, 0);
  pumpUntilIdle();
}

std::optional<std::uint64_t> CWinApp::nextTimerDue() const {
  if (auto t = m_timers.nextDue(UINT64_MAX)) return t->due;
  return std::nullopt;
}

UINT_PTR CWinApp::setTimer(HWND hwnd, UINT_PTR id, UINT elapse) {
  if (!isWindow(hwnd) || id == 0) return 0;
  return m_timers.set(hwnd, id, elapse, m_now);
}

BOOL CWinApp::killTimer(HWND hwnd, UINT_PTR id) { return m_timers.kill(hwnd, id) ? TRUE : FALSE; }

HWND CWinApp::setFocus(HWND hwnd) {
  if (hwnd && !isWindow(hwnd)) return m_focus;
  const HWND old = m_focus;
  if (old == hwnd) return old;
  m_focus = hwnd;
  if (isWindow(old)) sendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd));
  if (hwnd && m_focus == hwnd) sendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
  return old;
}

HWND CWinApp::setCapture(HWND hwnd) {
  const HWND old = m_capture;
  m_capture = isWindow(hwnd) ? hwnd : nullptr;
  if (old && old != m_capture) sendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(m_capture));
  return old;
}

void CWinApp::releaseCapture() {
  const HWND old = m_capture;
  m_capture = nullptr;
  if (old) sendMessage(old, WM_CAPTURECHANGED, 0, 0);
}

void CWinApp::setForeground(HWND topLevel) {
  if (!isWindow(topLevel)) return;
  bringToTop(topLevel);
  m_foreground = topLevel;
}

HCURSOR CWinApp::setCursor(HCURSOR cursor) {
  const HCURSOR previous = m_cursor;
  m_cursor = cursor;
  return previous;
}

HCURSOR CWinApp::shownCursor() const {
  return m_waitCount > 0 ? LoadStandardCursor(IDC_WAIT) : m_cursor;
}

void CWinApp::BeginWaitCursor() { ++m_waitCount; }

void CWinApp::EndWaitCursor() {
  if (m_waitCount > 0) --m_waitCount;
}

WPARAM CWinApp::mouseKeyFlags() const {
  WPARAM flags = 0;
  if (isKeyDown(VK_LBUTTON)) flags |= MK_LBUTTON;
  if (isKeyDown(VK_RBUTTON)) flags |= MK_RBUTTON;
  if (isKeyDown(VK_SHIFT)) flags |= MK_SHIFT;
  if (isKeyDown(VK_CONTROL)) flags |= MK_CONTROL;
  return flags;
}

SHORT GetKeyState(int nVirtKey) {
  return AfxGetApp()->isKeyDown(static_cast<UINT>(nVirtKey)) ? static_cast<SHORT>(-128) : SHORT{0};
}
HCURSOR SetCursor(HCURSOR cursor) { return AfxGetApp()->setCursor(cursor); }
HCURSOR GetCursor() { return AfxGetApp()->currentCursor(); }
BOOL ReleaseCapture() {
  AfxGetApp()->releaseCapture();
  return TRUE;
}
BOOL GetCursorPos(CPoint* point) {
  if (!point) return FALSE;
  *point = AfxGetApp()->cursorPos();
  return TRUE;
}
BOOL IsWindow(HWND hwnd) { return AfxGetApp()->isWindow(hwnd) ? TRUE : FALSE; }
HCURSOR LoadCursor(HINSTANCE module, UINT id) {
  return module ? module->findCursor(id) : AfxGetApp()->LoadStandardCursor(id);
}
