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
  CMDTrialqv* left = getCurrentTrialPt();
  m_nCrntTrial = index;
  CMDTrialqv* current = getCurrentTrialPt();
  if (!m_bSpctmOnDemand || left == current) return 1;
  if (left != nullptr && m_onDemand.erase(left) > 0) left->dropSpctmData();
  if (current != nullptr && m_pComputation && current->getSpctmTrial(false, 0) == nullptr) {
    computTrialSpctm(current, true, true, true, true, 0, 0);
    if (current->getSpctmTrial(false, 0) != nullptr) m_onDemand.insert(current);
  }
  return 1;
}
