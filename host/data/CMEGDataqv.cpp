#include "host/data/CMEGDataqv.h"

#include <utility>

CMEGDataqv::CMEGDataqv(std::wstring name) : CMEGData8Show(std::move(name)) {}

CMDTrialqv* CMEGDataqv::addTrial(std::unique_ptr<CMDTrialqv> trial) {
  if (!trial) return nullptr;
  trial->attachSession(this);
  m_trials.push_back(std::move(trial));
  if (m_nCrntTrial < 0) m_nCrntTrial = 0;
  return m_trials.back().get();
}

int CMEGDataqv::setCurrentTrial(std::int64_t index) {
  if (index < -1 || index >= getTotalTrial()) return 0;
  m_nCrntTrial = index;
  return 1;
}
