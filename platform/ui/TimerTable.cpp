#include "platform/ui/TimerTable.h"

#include <algorithm>

UINT_PTR TimerTable::set(HWND hwnd, UINT_PTR id, UINT period, std::uint64_t now) {
  const UINT p = std::max(period, kMinimumPeriod);
  for (Timer& t : m_timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.period = p;
      t.due = now + p;
      t.order = m_nextOrder++;
      return id;
    }
  }
  m_timers.push_back({hwnd, id, p, now + p, m_nextOrder++});
  return id;
}

bool TimerTable::kill(HWND hwnd, UINT_PTR id) {
  const auto it = std::find_if(m_timers.begin(), m_timers.end(),
                               [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (it == m_timers.end()) return false;
  m_timers.erase(it);
  return true;
}

void TimerTable::killAll(HWND hwnd) {
  std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<TimerTable::Timer> TimerTable::nextDue(std::uint64_t limit) const {
  const Timer* best = nullptr;
  for (const Timer& t : m_timers) {
    if (t.due > limit) continue;
    if (!best || t.due < best->due || (t.due == best->due && t.order < best->order)) best = &t;
  }
  if (!best) return std::nullopt;
  return *best;
}

void TimerTable::reschedule(HWND hwnd, UINT_PTR id, std::uint64_t firedAt) {
  for (Timer& t : m_timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.due = firedAt + t.period;
      return;
    }
  }
}

bool TimerTable::isRunning(HWND hwnd, UINT_PTR id) const {
  return std::any_of(m_timers.begin(), m_timers.end(),
                     [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}
