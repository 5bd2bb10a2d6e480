// Dataset array: the sessions the host has loaded (owned), one of them current. The
// display is handed a pointer to it and reaches everything through getSessionData(−1).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/data/CMEGDataqv.h"

class CArrayMEDataSet {
 public:
  CArrayMEDataSet() = default;
  CArrayMEDataSet(const CArrayMEDataSet&) = delete;
  CArrayMEDataSet& operator=(const CArrayMEDataSet&) = delete;

  // The session at an index (−1: the current one), or null.
  CMEGDataqv* getSessionData(std::int64_t index) const;
  std::int64_t getTotalSession() const { return static_cast<std::int64_t>(m_sessions.size()); }
  std::int64_t getCurrentSessionIndx() const { return m_nCrntSession; }

 protected:
  std::vector<std::unique_ptr<CMEGDataqv>> m_sessions;
  std::int64_t m_nCrntSession = -1;
};
