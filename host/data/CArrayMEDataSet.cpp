#include "host/data/CArrayMEDataSet.h"

CMEGDataqv* CArrayMEDataSet::getSessionData(std::int64_t index) const {
  if (index == -1) index = m_nCrntSession;
  return (index >= 0 && index < getTotalSession()) ? m_sessions[megdata::at(index)].get() : nullptr;
}
