#include "host/data/CMEGData2Process.h"

int CMEGData2Process::flag(const std::vector<std::uint8_t>& flags, std::int64_t index, bool byDefault) const {
  const std::int64_t i = resolveChannelIndex(index);
  if (i < 0) return 0;
  const bool on = megdata::at(i) < flags.size() ? flags[megdata::at(i)] != 0 : byDefault;
  return on ? 1 : 0;
}

int CMEGData2Process::setFlag(std::vector<std::uint8_t>& flags, std::int64_t index, int value, bool byDefault) {
  const std::int64_t i = resolveChannelIndex(index);
  if (i < 0) return 0;
  if (flags.size() <= megdata::at(i)) flags.resize(megdata::at(getChannelIndexCount()), byDefault ? 1 : 0);
  flags[megdata::at(i)] = value != 0 ? 1 : 0;
  return 1;
}

int CMEGData2Process::setSelectChnl4Alltrials(std::int64_t index, int value, int all) {
  if (all == 0) return setFlag(m_select, index, value, false);
  m_select.assign(megdata::at(getChannelIndexCount()), value != 0 ? 1 : 0);
  return 1;
}
