// Most-derived session: how the host (builder, readers) fills a session with trials and
// chooses its current trial. The display reads the session through the links below.
#pragma once

#include <memory>
#include <string>

#include "host/data/CMEGData8Show.h"

class CMEGDataqv : public CMEGData8Show {
 public:
  explicit CMEGDataqv(std::wstring name = {});

  // Appends a trial, attaches it to this session and returns it (null for null). The first
  // trial appended becomes the current one.
  CMDTrialqv* addTrial(std::unique_ptr<CMDTrialqv> trial);
  // 1, or 0 (unchanged) for an index outside the trials; −1 leaves no current trial.
  int setCurrentTrial(std::int64_t index);
  void setSessionName(std::wstring name) { m_strName = std::move(name); }
};
