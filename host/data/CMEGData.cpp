#include "host/data/CMEGData.h"

#include <algorithm>
#include <utility>

CMEGData::CMEGData(std::wstring name) : m_strName(std::move(name)) {}

CMEGData::~CMEGData() = default;

CMDTrialqv* CMEGData::getTrialqv(std::int64_t index) const {
  if (index == -1) index = m_nCrntTrial;
  return (index >= 0 && index < getTotalTrial()) ? m_trials[megdata::at(index)].get() : nullptr;
}

int CMEGData::hasData2Draw() const {
  CMDTrialqv* trial = getCurrentTrialPt();
  if (trial == nullptr || trial->getTotalChannel() == 0) return 0;
  for (int cls = 0; cls < megdata::kSpctmClassCount; ++cls) {
    const CSpctmTrialqv* st = trial->getSpctmTrial(false, cls);
    if (st != nullptr && st->getTrialSpctmTimePt() > 0 && st->getTrialSpctmFreqPt() > 0) return 1;
  }
  return 0;
}

std::int64_t CMEGData::getTotalChnl_Visible(bool named) const {
  const CMDTrialqv* trial = getCurrentTrialPt();
  if (trial == nullptr) return 0;
  std::int64_t n = 0;
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    const CMDChannelqv* ch = trial->getChannel(i);
    const bool shown = megdata::at(i) >= m_show.size() || m_show[megdata::at(i)] != 0;
    if (ch != nullptr && shown && (!named || !ch->m_strName.empty())) ++n;
  }
  return n;
}

std::int64_t CMEGData::getChannelIndexCount() const {
  std::int64_t n = 0;
  for (const auto& trial : m_trials) n = std::max(n, trial->getTotalChannel());
  return n;
}

std::int64_t CMEGData::resolveChannelIndex(std::int64_t index) const {
  if (index == -1) {
    const CMDTrialqv* trial = getCurrentTrialPt();
    index = trial != nullptr ? trial->getCurntChnlIndx() : -1;
  }
  return (index >= 0 && index < getChannelIndexCount()) ? index : -1;
}
