// Most-derived trial: how the host (builder, readers, spectral computation) fills a trial
// with channels and spectral trials and attaches it to its session, and what the
// spectral computation reads to rebuild its spectra (epoch timing, source trials,
// accumulated mode). The display reads the trial through the links below.
#pragma once

#include <memory>
#include <vector>

#include "host/data/CMDTrial8Show.h"
#include "host/data/EpochTiming.h"

class CMDTrialqv : public CMDTrial8Show {
 public:
  explicit CMDTrialqv(std::wstring name = {});

  // Appends a channel (null appends a null entry, which the array keeps) and returns it.
  // The first channel appended becomes the current one.
  CMDChannelqv* addChannel(std::unique_ptr<CMDChannelqv> channel);
  // Stores (or, with null, drops) the spectral trial of a class. Ignored for a bad class.
  void setSpctmTrial(int cls, std::unique_ptr<CSpctmTrialqv> spctm);
  // Drops every spectral trial and every channel's spectral channels (memory back).
  void dropSpctmData();
  // Records the session that owns the trial (called by CMEGDataqv::addTrial).
  void attachSession(CMEGDataqv* session) { m_pSession = session; }

  // Timing of the trial's raw waveforms (and of its source trials').
  void setEpochTiming(const megdata::EpochTiming& timing) { m_epochTiming = timing; }
  const megdata::EpochTiming& getEpochTiming() const { return m_epochTiming; }

  // Trials whose raw waveforms stand in for this trial's own in the spectral computation,
  // channel by channel (same channel order; not owned, they must outlive this trial, as
  // trials of one session do). Empty: the trial's own waveforms. Wavelet spectra of the
  // sources are averaged (an epoch average: power averaged = induced plus evoked power,
  // real and imaginary parts averaged = the phase-locked part); accumulated spectra of
  // the sources follow each other on the time axis.
  void setSpctmSources(std::vector<const CMDTrialqv*> sources) { m_spctmSources = std::move(sources); }
  const std::vector<const CMDTrialqv*>& getSpctmSources() const { return m_spctmSources; }

  // Accumulated mode: the computation gives spectra of consecutive segments (time axis
  // counted in segments) instead of wavelet spectra.
  void setAccumulatedSpctm(bool accumulated) { m_bAccumulatedSpctm = accumulated; }
  bool isAccumulatedSpctm() const { return m_bAccumulatedSpctm; }

 private:
  megdata::EpochTiming m_epochTiming;
  std::vector<const CMDTrialqv*> m_spctmSources;
  bool m_bAccumulatedSpctm = false;
};
