// Most-derived trial: how the host (builder, readers, spectral computation) fills a trial
// with channels and spectral trials and attaches it to its session. The display reads the
// trial through the links below.
#pragma once

#include <memory>

#include "host/data/CMDTrial8Show.h"

class CMDTrialqv : public CMDTrial8Show {
 public:
  explicit CMDTrialqv(std::wstring name = {});

  // Appends a channel (null appends a null entry, which the array keeps) and returns it.
  // The first channel appended becomes the current one.
  CMDChannelqv* addChannel(std::unique_ptr<CMDChannelqv> channel);
  // Stores (or, with null, drops) the spectral trial of a class. Ignored for a bad class.
  void setSpctmTrial(int cls, std::unique_ptr<CSpctmTrialqv> spctm);
  // Records the session that owns the trial (called by CMEGDataqv::addTrial).
  void attachSession(CMEGDataqv* session) { m_pSession = session; }
};
