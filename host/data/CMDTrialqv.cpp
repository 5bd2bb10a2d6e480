#include "host/data/CMDTrialqv.h"

#include <utility>

CMDTrialqv::CMDTrialqv(std::wstring name) : CMDTrial8Show(std::move(name)) {}

CMDChannelqv* CMDTrialqv::addChannel(std::unique_ptr<CMDChannelqv> channel) {
  CMDChannelqv* raw = channel.get();
  m_channels.push_back(std::move(channel));
  m_channelPtrs.push_back(raw);
  if (raw != nullptr && m_nCrntChnlIndx < 0) m_nCrntChnlIndx = getTotalChannel() - 1;
  return raw;
}

void CMDTrialqv::setSpctmTrial(int cls, std::unique_ptr<CSpctmTrialqv> spctm) {
  if (megdata::isSpctmClass(cls)) m_spctmTrials[megdata::at(cls)] = std::move(spctm);
}

void CMDTrialqv::dropSpctmData() {
  for (auto& st : m_spctmTrials) st.reset();
  for (CMDChannelqv* ch : m_channelPtrs) {
    if (ch == nullptr) continue;
    for (int cls = 0; cls < megdata::kSpctmClassCount; ++cls) ch->setSpctmChnl(cls, nullptr);
  }
}
