#include "platform/ui/sdl/DesktopWindows.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

DesktopWindows::~DesktopWindows() {
  for (auto& [hwnd, d] : m_desktops) SDL_DestroyWindow(d.window);
  for (auto& [cursor, sdl] : m_cursors) SDL_FreeCursor(sdl);
}

DesktopWindows::Desktop* DesktopWindows::make(WindowRecord& r) {
  // The platform draws frame and caption itself, so the desktop adds no decoration; a
  // window without a caption (a pop-up menu) stays above the others and off the taskbar.
  Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  if ((r.style & WS_CAPTION) != WS_CAPTION) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  const std::string title = r.text.utf8();
  SDL_Window* w = SDL_CreateWindow(title.c_str(), r.rect.left, r.rect.top, std::max(1, r.rect.Width()),
                                   std::max(1, r.rect.Height()), flags);
  if (!w) {
    SDL_Log("cannot make a desktop window for \"%s\": %s", title.c_str(), SDL_GetError());
    return nullptr;
  }
  Desktop& d = m_desktops[r.hwnd];
  d.window = w;
  d.placed = r.rect;
  return &d;
}

void DesktopWindows::sync() {
  // Windows that no longer exist.
  for (auto it = m_desktops.begin(); it != m_desktops.end();) {
    if (m_app.isWindow(it->first)) {
      ++it;
      continue;
    }
    SDL_DestroyWindow(it->second.window);
    it = m_desktops.erase(it);
  }
  for (HWND hwnd : m_app.topLevelWindows()) {
    WindowRecord& r = *m_app.record(hwnd);
    auto it = m_desktops.find(hwnd);
    Desktop* d = it == m_desktops.end() ? nullptr : &it->second;
    if (!r.visibleSelf() || r.rect.IsRectEmpty()) {
      if (d && d->shown) {
        SDL_HideWindow(d->window);
        d->shown = false;
      }
      continue;
    }
    if (!d && !(d = make(r))) continue;
    const std::string title = r.text.utf8();
    if (title != SDL_GetWindowTitle(d->window)) SDL_SetWindowTitle(d->window, title.c_str());
    if (r.rect.Size() != d->placed.Size()) {
      SDL_SetWindowSize(d->window, r.rect.Width(), r.rect.Height());
      d->wholeNext = true;
    }
    if (r.rect.TopLeft() != d->placed.TopLeft()) SDL_SetWindowPosition(d->window, r.rect.left, r.rect.top);
    d->placed = r.rect;
    if (!d->shown) {
      SDL_ShowWindow(d->window);
      d->shown = true;
      d->wholeNext = true;
    }
  }
  // The foreground window comes to the front when it changes.
  const HWND top = m_app.foreground();
  if (top != m_top) {
    m_top = top;
    raise(top);
  }
}

void DesktopWindows::raise(HWND hwnd) {
  auto it = m_desktops.find(hwnd);
  if (it == m_desktops.end() || !it->second.shown) return;
  SDL_RaiseWindow(it->second.window);
  // Without a window manager nobody else gives the window the keyboard. A pop-up menu
  // leaves it with its owner; the platform sends keys to its own focus window anyway.
  const WindowRecord* r = m_app.record(hwnd);
  if (r && (r->style & WS_CAPTION) == WS_CAPTION) SDL_SetWindowInputFocus(it->second.window);
}

HWND DesktopWindows::windowOf(std::uint32_t desktopId) const {
  SDL_Window* w = SDL_GetWindowFromID(desktopId);
  for (const auto& [hwnd, d] : m_desktops) {
    if (d.window == w) return hwnd;
  }
  return nullptr;
}

void DesktopWindows::exposed(HWND hwnd) {
  auto it = m_desktops.find(hwnd);
  if (it != m_desktops.end()) it->second.wholeNext = true;
}

void DesktopWindows::movedTo(HWND hwnd, CPoint screen) {
  WindowRecord* r = m_app.record(hwnd);
  auto it = m_desktops.find(hwnd);
  if (!r || r->parent || it == m_desktops.end()) return;
  r->rect.OffsetRect(screen.x - r->rect.left, screen.y - r->rect.top);
  it->second.placed = r->rect;
}

std::int64_t DesktopWindows::present() {
  std::int64_t sent = 0;
  for (auto& [hwnd, d] : m_desktops) {
    WindowRecord* r = m_app.record(hwnd);
    if (d.shown && r && r->surface) sent += copyChanged(*r, d);
  }
  return sent;
}

namespace {

// The smallest rectangle holding every pixel that differs between the two surfaces of
// equal size; empty when none does. Rows are compared whole first, so an unchanged
// window costs one memcmp per row.
SDL_Rect changedRect(const PixelSurface& from, const std::uint32_t* to, int toStride) {
  const int w = from.width(), h = from.height();
  const size_t rowBytes = static_cast<size_t>(w) * 4;
  auto rowDiffers = [&](int y) { return std::memcmp(from.row(y), to + static_cast<std::ptrdiff_t>(y) * toStride, rowBytes) != 0; };
  int top = 0;
  while (top < h && !rowDiffers(top)) ++top;
  if (top == h) return SDL_Rect{0, 0, 0, 0};
  int bottom = h - 1;
  while (bottom > top && !rowDiffers(bottom)) --bottom;
  int left = w, right = -1;
  for (int y = top; y <= bottom; ++y) {
    const std::uint32_t* a = from.row(y);
    const std::uint32_t* b = to + static_cast<std::ptrdiff_t>(y) * toStride;
    int x = 0;
    while (x < left && a[x] == b[x]) ++x;
    left = std::min(left, x);
    int xr = w - 1;
    while (xr > right && a[xr] == b[xr]) --xr;
    right = std::max(right, xr);
  }
  if (right < left) return SDL_Rect{0, 0, 0, 0};
  return SDL_Rect{left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

std::int64_t DesktopWindows::copyChanged(WindowRecord& r, Desktop& d) {
  SDL_Surface* screen = SDL_GetWindowSurface(d.window);
  if (!screen) return 0;
  const PixelSurface& from = *r.surface;
  const int w = std::min(from.width(), screen->w), h = std::min(from.height(), screen->h);
  if (w <= 0 || h <= 0) return 0;
  // The display's surface has our pixel layout (blue, green, red, unused) on every usual
  // desktop; any other format is converted rectangle by rectangle.
  const bool sameLayout = screen->format->format == SDL_PIXELFORMAT_RGB888 || screen->format->format == SDL_PIXELFORMAT_ARGB8888;
  SDL_Rect rect{0, 0, w, h};
  if (sameLayout && !d.wholeNext && screen->w == from.width() && screen->h == from.height()) {
    SDL_LockSurface(screen);
    rect = changedRect(from, static_cast<const std::uint32_t*>(screen->pixels), screen->pitch / 4);
    SDL_UnlockSurface(screen);
    if (rect.w == 0) return 0;
  }
  d.wholeNext = false;
  SDL_LockSurface(screen);
  auto* dst = static_cast<std::uint8_t*>(screen->pixels) + rect.y * screen->pitch + rect.x * 4;
  const auto* src = from.row(rect.y) + rect.x;
  if (sameLayout) {
    for (int y = 0; y < rect.h; ++y) std::memcpy(dst + y * screen->pitch, src + y * from.stride(), static_cast<size_t>(rect.w) * 4);
  } else {
    dst = static_cast<std::uint8_t*>(screen->pixels) + rect.y * screen->pitch + rect.x * screen->format->BytesPerPixel;
    SDL_ConvertPixels(rect.w, rect.h, SDL_PIXELFORMAT_RGB888, src, static_cast<int>(from.stride() * 4), screen->format->format, dst,
                      screen->pitch);
  }
  SDL_UnlockSurface(screen);
  SDL_UpdateWindowSurfaceRects(d.window, &rect, 1);
  return static_cast<std::int64_t>(rect.w) * rect.h;
}

void DesktopWindows::updatePointer() {
  const HCURSOR cursor = m_app.shownCursor();
  if (cursor && cursor != m_shownCursor) {
    SDL_Cursor*& sdl = m_cursors[cursor];
    if (!sdl) {
      std::vector<std::uint32_t> argb = cursor->argb;
      SDL_Surface* image = SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), cursor->width, cursor->height, 32, cursor->width * 4,
                                                              SDL_PIXELFORMAT_ARGB8888);
      if (image) {
        sdl = SDL_CreateColorCursor(image, cursor->hotSpot.x, cursor->hotSpot.y);
        SDL_FreeSurface(image);
      }
    }
    if (sdl) SDL_SetCursor(sdl);
    m_shownCursor = cursor;
  }
}
