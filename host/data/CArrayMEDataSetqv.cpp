#include "host/data/CArrayMEDataSetqv.h"

#include <utility>

CMEGDataqv* CArrayMEDataSetqv::addSession(std::unique_ptr<CMEGDataqv> session) {
  if (!session) return nullptr;
  m_sessions.push_back(std::move(session));
  if (m_nCrntSession < 0) m_nCrntSession = 0;
  return m_sessions.back().get();
}

int CArrayMEDataSetqv::setCurrentSession(std::int64_t index) {
  if (index < -1 || index >= getTotalSession()) return 0;
  m_nCrntSession = index;
  return 1;
}
