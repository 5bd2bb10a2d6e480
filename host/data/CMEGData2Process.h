// Channel flags of a session that hold for all its trials: selected, shown and good. Read
// and toggled by the topographic canvas (picking, menu), the column view and the range
// queries. Index −1 is the current trial's current channel.
//
// Getters return 1 or 0 (0 for an index outside the session's channels); setters store
// value != 0 and return 1, or 0 (nothing changed) for an index outside the channels.
// Defaults: every channel good and shown, none selected.
#pragma once

#include "host/data/CMEGData.h"

class CMEGData2Process : public CMEGData {
 public:
  using CMEGData::CMEGData;

  int isSelectChnl4Alltrials(std::int64_t index) const { return flag(m_select, index, false); }
  // With all != 0 every channel's selection becomes value (index is then ignored).
  int setSelectChnl4Alltrials(std::int64_t index, int value, int all);
  int isShowChnl4Alltrials(std::int64_t index) const { return flag(m_show, index, true); }
  int setShowChnl4Alltrials(std::int64_t index, int value) { return setFlag(m_show, index, value, true); }
  int isGoodChnl4Alltrials(std::int64_t index) const { return flag(m_good, index, true); }
  int setGoodChnl4Alltrials(std::int64_t index, int value) { return setFlag(m_good, index, value, true); }

 protected:
  int flag(const std::vector<std::uint8_t>& flags, std::int64_t index, bool byDefault) const;
  int setFlag(std::vector<std::uint8_t>& flags, std::int64_t index, int value, bool byDefault);
};
