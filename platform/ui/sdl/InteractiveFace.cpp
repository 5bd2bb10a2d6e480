#include "platform/ui/sdl/InteractiveFace.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/sdl/DesktopWindows.h"
#include "platform/ui/sdl/PlatformDialogs.h"
#include "platform/ui/sdl/PopupMenuWindow.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>

namespace {

// The virtual key of a desktop key; 0 for keys the platform has no code for.
UINT virtualKeyOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + static_cast<UINT>(key - SDLK_F1);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return VK_NUMPAD0 + 1 + static_cast<UINT>(key - SDLK_KP_1);
  switch (key) {
    case SDLK_KP_0: return VK_NUMPAD0;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_DELETE: return VK_DELETE;
    default: return 0;
  }
}

bool isInput(const SDL_Event& e) {
  switch (e.type) {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_TEXTINPUT: return true;
    default: return false;
  }
}

std::vector<MenuEntry> entriesOf(const std::vector<MenuItemTemplate>& items) {
  std::vector<MenuEntry> out;
  for (const MenuItemTemplate& item : items) {
    MenuEntry e;
    e.text = item.text;
    e.id = item.id;
    e.separator = item.separator;
    e.popup = entriesOf(item.popup);
    out.push_back(std::move(e));
  }
  return out;
}

double msSince(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

}  // namespace

InteractiveFace* InteractiveFace::install(CWinApp& app, std::string& error) {
  // A click on a window that is not the desktop's focus still reaches it, as the
  // platform's windows expect; the process may sleep without the screen saver waking.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Ctrl+C and SIGTERM keep ending the process, as for every other command.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = std::string("cannot open the display: ") + SDL_GetError();
    return nullptr;
  }
  auto* face = new InteractiveFace(app);
  app.setServices(std::unique_ptr<UiServices>(face));
  return face;
}

InteractiveFace::InteractiveFace(CWinApp& app) : m_app(app), m_desktops(std::make_unique<DesktopWindows>(app)) {
  m_clockOffset = static_cast<std::int64_t>(app.now()) - static_cast<std::int64_t>(SDL_GetTicks64());
  SDL_StartTextInput();
}

InteractiveFace::~InteractiveFace() {
  m_desktops.reset();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::uint64_t InteractiveFace::clockNow() const {
  return static_cast<std::uint64_t>(static_cast<std::int64_t>(SDL_GetTicks64()) + m_clockOffset);
}

void InteractiveFace::runUntil(const std::function<bool()>& done) {
  bool input = false;
  auto woke = std::chrono::steady_clock::now();
  for (;;) {
    m_app.catchUpClock(clockNow());
    m_app.pumpUntilIdle();
    m_desktops->sync();
    const std::int64_t sent = m_desktops->present();
    m_desktops->updatePointer();
    if (sent > 0) {
      ++m_figures.presents;
      m_figures.pixelsSent += sent;
    }
    const double passMs = msSince(woke);
    m_figures.busyMs += passMs;
    if (input) {
      ++m_figures.inputBatches;
      m_figures.inputToScreenSumMs += passMs;
      m_figures.inputToScreenMaxMs = std::max(m_figures.inputToScreenMaxMs, passMs);
    }
    if (done()) return;
    input = waitAndHandle();
    woke = std::chrono::steady_clock::now();
    ++m_figures.passes;
  }
}

void InteractiveFace::runWhileWindowsShown() {
  runUntil([this] {
    for (HWND top : m_app.topLevelWindows()) {
      if (m_app.record(top)->visibleSelf()) return false;
    }
    return true;
  });
}

bool InteractiveFace::waitAndHandle() {
  SDL_Event first;
  int got = 0;
  if (auto due = m_app.nextTimerDue()) {
    const std::uint64_t now = clockNow();
    const int wait = *due > now ? static_cast<int>(std::min<std::uint64_t>(*due - now, 1000)) : 0;
    got = wait > 0 ? SDL_WaitEventTimeout(&first, wait) : SDL_PollEvent(&first);
  } else {
    got = SDL_WaitEvent(&first);  // sleeps until the desktop has something
  }
  if (!got) return false;
  std::vector<SDL_Event> events{first};
  for (SDL_Event e; SDL_PollEvent(&e);) events.push_back(e);
  bool input = false;
  for (size_t i = 0; i < events.size(); ++i) {
    const SDL_Event& e = events[i];
    // Of a run of moves only the last matters: the windows follow the mouse without
    // drawing every point it passed.
    if (e.type == SDL_MOUSEMOTION && i + 1 < events.size() && events[i + 1].type == SDL_MOUSEMOTION) continue;
    input = input || isInput(e);
    handle(e);
  }
  return input;
}

CPoint InteractiveFace::screenPoint(std::uint32_t desktopId, int x, int y, HWND* top) const {
  const HWND hwnd = m_desktops->windowOf(desktopId);
  if (top) *top = hwnd;
  const WindowRecord* r = m_app.record(hwnd);
  return r ? CPoint(r->rect.left + x, r->rect.top + y) : CPoint(x, y);
}

void InteractiveFace::handle(const SDL_Event& e) {
  UserInput& in = m_app.input();
  switch (e.type) {
    case SDL_MOUSEMOTION: {
      if (m_moving) {
        int gx = 0, gy = 0;
        SDL_GetGlobalMouseState(&gx, &gy);
        // The record moves; the next pass moves the desktop window after it.
        if (WindowRecord* r = m_app.record(m_moving)) r->rect.OffsetRect(gx - m_grab.x - r->rect.left, gy - m_grab.y - r->rect.top);
        break;
      }
      in.moveMouse(screenPoint(e.motion.windowID, e.motion.x, e.motion.y));
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) break;
      HWND top = nullptr;
      const CPoint screen = screenPoint(e.button.windowID, e.button.x, e.button.y, &top);
      const MouseButton button = e.button.button == SDL_BUTTON_LEFT ? MouseButton::Left : MouseButton::Right;
      if (e.type == SDL_MOUSEBUTTONUP) {
        if (m_moving) m_moving = nullptr;
        else in.releaseButton(button, screen);
        break;
      }
      if (!m_app.capture() && button == MouseButton::Left && nonClientPress(top, CPoint(e.button.x, e.button.y))) break;
      in.pressButton(button, screen, e.button.clicks == 2);
      break;
    }
    case SDL_MOUSEWHEEL: {
      int gx = 0, gy = 0;
      SDL_GetGlobalMouseState(&gx, &gy);
      in.turnWheel(e.wheel.y * (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1), CPoint(gx, gy));
      break;
    }
    case SDL_KEYDOWN:
      if (const UINT vk = virtualKeyOf(e.key.keysym.sym)) in.pressKey(vk);
      break;
    case SDL_KEYUP:
      if (const UINT vk = virtualKeyOf(e.key.keysym.sym)) in.releaseKey(vk);
      break;
    case SDL_TEXTINPUT:
      // Typed characters; with Ctrl or Alt held the key itself is the command.
      if (!m_app.isKeyDown(VK_CONTROL) && !m_app.isKeyDown(VK_MENU)) in.typeText(CString(e.text.text));
      break;
    case SDL_WINDOWEVENT: handleWindowEvent(e); break;
    default: break;
  }
}

void InteractiveFace::handleWindowEvent(const SDL_Event& e) {
  const HWND hwnd = m_desktops->windowOf(e.window.windowID);
  WindowRecord* r = m_app.record(hwnd);
  if (!r) return;
  switch (e.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
      // The desktop's close asks the window, which may refuse; a modal dialog's owner
      // takes no input, so it stays.
      if (r->enabledSelf()) m_app.postMessage(hwnd, WM_CLOSE);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      // While a window holds the capture (an open menu, a drag) it keeps the front.
      if (r->enabledSelf() && !m_app.capture()) m_app.setForeground(hwnd);
      break;
    case SDL_WINDOWEVENT_MOVED: m_desktops->movedTo(hwnd, CPoint(e.window.data1, e.window.data2)); break;
    case SDL_WINDOWEVENT_EXPOSED: m_desktops->exposed(hwnd); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (e.window.data1 != r->rect.Width() || e.window.data2 != r->rect.Height()) {
        CWnd::FromHandle(hwnd)->MoveWindow(r->rect.left, r->rect.top, e.window.data1, e.window.data2);
      }
      break;
    default: break;
  }
}

bool InteractiveFace::nonClientPress(HWND top, CPoint local) {
  WindowRecord* r = m_app.record(top);
  if (!r || !r->enabledSelf()) return false;
  int y = kFrameWidth;
  if ((r->style & WS_CAPTION) == WS_CAPTION) {
    if (local.y >= y && local.y < y + kCaptionHeight) {
      m_app.setForeground(top);
      m_moving = top;
      m_grab = local;
      return true;
    }
    y += kCaptionHeight;
  }
  if (!r->menu || local.y < y || local.y >= y + kMenuBarHeight) return false;
  // The menu bar's titles, laid out as the frame draws them.
  PixelSurface scratch(1, 1);
  CDC measure(scratch, CPoint(0, 0), scratch.bounds());
  int x = kFrameWidth + 6;
  for (const MenuItemTemplate& item : r->menu->items) {
    CRect title(x, y, x, y + kMenuBarHeight);
    measure.DrawText(item.text, &title, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int right = x + title.Width() + 12;
    if (local.x >= x && local.x < right) {
      m_app.setForeground(top);
      PopupMenuRequest request;
      request.owner = top;
      request.screenPoint = CPoint(r->rect.left + x, r->rect.top + y + kMenuBarHeight);
      request.items = entriesOf(item.popup);
      if (const UINT command = popupMenu(request)) m_app.postMessage(top, WM_COMMAND, MAKEWPARAM(command, 0), 0);
      return true;
    }
    x = right;
  }
  return true;
}

// ---- Services ------------------------------------------------------------------------

int InteractiveFace::messageBox(const MessageBoxRequest& request) {
  MessageBoxDialog box(request);
  const int answer = box.run();
  return answer < 0 ? IDCANCEL : answer;
}

std::optional<CString> InteractiveFace::fileDialog(const FileDialogRequest& request) {
  FileDialogWindow dialog(request);
  return dialog.run();
}

std::optional<FontChoice> InteractiveFace::fontDialog(const FontDialogRequest& request) {
  FontDialogWindow dialog(request);
  return dialog.run();
}

UINT InteractiveFace::popupMenu(const PopupMenuRequest& request) {
  PopupMenuWindow menu(request.items);
  return menu.track(request.screenPoint, [this](const std::function<bool()>& done) { runUntil(done); });
}

void InteractiveFace::runModal(CDialog& dialog) {
  // The dialog opens over the middle of its owner (or of the foreground window).
  CRect box;
  dialog.GetWindowRect(&box);
  const WindowRecord* owner = nullptr;
  for (HWND h : m_app.topLevelWindows()) {
    const WindowRecord* r = m_app.record(h);
    if (h != dialog.m_hWnd && r->visibleSelf() && !r->enabledSelf()) owner = r;
  }
  if (!owner) owner = m_app.record(m_app.foreground());
  if (owner && owner->hwnd != dialog.m_hWnd) {
    const CPoint centre = owner->rect.CenterPoint();
    dialog.MoveWindow(std::max(0, centre.x - box.Width() / 2), std::max(0, centre.y - box.Height() / 2), box.Width(),
                      box.Height());
  }
  m_app.setForeground(dialog.m_hWnd);
  runUntil([&dialog] { return !dialog.isModalRunning(); });
}
