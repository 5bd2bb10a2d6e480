// Trial of a session: its name, its channels (owned, in a fixed order; the array may hold
// null entries) and the current channel. The windows read m_strName and
// m_nCrntChnlIndx directly; sensor picking writes m_nCrntChnlIndx.
//
// Index −1 means the current channel. An index outside the array, a null entry or a
// current index that was set out of range gives null (or an empty name).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/data/CMDChannelqv.h"

class CMEGDataqv;

class CMDTrial {
 public:
  explicit CMDTrial(std::wstring name = {});
  CMDTrial(const CMDTrial&) = delete;
  CMDTrial& operator=(const CMDTrial&) = delete;

  CMDChannelqv* getChannel(std::int64_t index) const;
  // The channel array (getTotalChannel entries, null entries allowed), or null when the
  // trial has no channel.
  CMDChannelqv* const* getAllChannelPt() const;
  std::int64_t getTotalChannel() const { return static_cast<std::int64_t>(m_channelPtrs.size()); }
  std::int64_t getCurntChnlIndx() const { return m_nCrntChnlIndx; }
  // 1, or 0 (unchanged) when the index is outside the array.
  int setCurrentChannel(std::int64_t index);
  std::wstring getChannelName(std::int64_t index) const;

  // The session that owns the trial, or null for a trial on its own.
  CMEGDataqv* getSession() const { return m_pSession; }

  std::wstring m_strName;
  std::int64_t m_nCrntChnlIndx = -1;

 protected:
  // The array position an index designates (−1: the current channel), or −1 when none.
  std::int64_t resolveChannelIndex(std::int64_t index) const;

  std::vector<std::unique_ptr<CMDChannelqv>> m_channels;
  std::vector<CMDChannelqv*> m_channelPtrs;  // the array handed out by getAllChannelPt
  CMEGDataqv* m_pSession = nullptr;
};
