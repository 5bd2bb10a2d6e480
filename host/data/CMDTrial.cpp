#include "host/data/CMDTrial.h"

#include <utility>

CMDTrial::CMDTrial(std::wstring name) : m_strName(std::move(name)) {}

std::int64_t CMDTrial::resolveChannelIndex(std::int64_t index) const {
  if (index == -1) index = m_nCrntChnlIndx;
  return (index >= 0 && index < getTotalChannel()) ? index : -1;
}

CMDChannelqv* CMDTrial::getChannel(std::int64_t index) const {
  const std::int64_t i = resolveChannelIndex(index);
  return i < 0 ? nullptr : m_channelPtrs[megdata::at(i)];
}

CMDChannelqv* const* CMDTrial::getAllChannelPt() const {
  return m_channelPtrs.empty() ? nullptr : m_channelPtrs.data();
}

int CMDTrial::setCurrentChannel(std::int64_t index) {
  if (index < 0 || index >= getTotalChannel()) return 0;
  m_nCrntChnlIndx = index;
  return 1;
}

std::wstring CMDTrial::getChannelName(std::int64_t index) const {
  const CMDChannelqv* ch = getChannel(index);
  return ch != nullptr ? ch->m_strName : std::wstring{};
}
