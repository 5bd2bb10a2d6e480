// Window timers on the application's clock: which (window, ID) pairs are running, their
// periods and when each is next due. The application object asks it for the next due
// timer while it advances the clock and turns each into a WM_TIMER message. Limits:
// periods below 10 ms are raised to 10 ms, as a busy timer would starve everything else.
#pragma once

#include "platform/ui/Messages.h"

#include <cstdint>
#include <optional>
#include <vector>

class TimerTable {
 public:
  static constexpr UINT kMinimumPeriod = 10;

  struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT period = 0;
    std::uint64_t due = 0;
    std::uint64_t order = 0;  // ties between timers due together go in setting order
  };

  // Starts or restarts the timer (hwnd, id): due at now + period. Returns id.
  UINT_PTR set(HWND hwnd, UINT_PTR id, UINT period, std::uint64_t now);
  // Stops the timer; false when it was not running.
  bool kill(HWND hwnd, UINT_PTR id);
  void killAll(HWND hwnd);
  // The earliest running timer due at or before limit.
  std::optional<Timer> nextDue(std::uint64_t limit) const;
  // After the timer fired at firedAt its next turn is one period later.
  void reschedule(HWND hwnd, UINT_PTR id, std::uint64_t firedAt);
  bool isRunning(HWND hwnd, UINT_PTR id) const;
  size_t size() const { return m_timers.size(); }

 private:
  std::vector<Timer> m_timers;
  std::uint64_t m_nextOrder = 0;
};
