// Most-derived session: how the host (builder, readers, application) fills a session with
// trials, chooses its current trial and keeps memory in check with spectra computed on
// demand. The display reads the session through the links below.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "host/data/CMEGData8Show.h"

class CMEGDataqv : public CMEGData8Show {
 public:
  explicit CMEGDataqv(std::wstring name = {});

  // Appends a trial, attaches it to this session and returns it (null for null). The first
  // trial appended becomes the current one.
  CMDTrialqv* addTrial(std::unique_ptr<CMDTrialqv> trial);
  // 1, or 0 (unchanged) for an index outside the trials; −1 leaves no current trial.
  // With spectra on demand, also drops the on-demand spectra of the trial left and
  // computes those of the new current trial when it has none (see setSpctmOnDemand).
  int setCurrentTrial(std::int64_t index);
  void setSessionName(std::wstring name) { m_strName = std::move(name); }

  // Spectra on demand: when a trial without spectra becomes current (setCurrentTrial) and
  // a computation is installed, its spectra and summaries are computed then, with
  // m_bProcessing raised and progress through the computation's callback; when it stops
  // being current they are dropped again. So only the current trial and the trials whose
  // spectra the host computed itself hold spectra. A failed computation leaves the trial
  // without spectra (the computation's lastError says why). Off by default.
  void setSpctmOnDemand(bool on) { m_bSpctmOnDemand = on; }
  bool isSpctmOnDemand() const { return m_bSpctmOnDemand; }

 private:
  bool m_bSpctmOnDemand = false;
  std::set<const CMDTrialqv*> m_onDemand;  // trials whose spectra were computed on demand
};
