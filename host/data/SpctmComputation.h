// The seam through which a session recomputes a trial's spectra from its raw waveforms
// (MorletSpctmComputation implements it). A session calls the installed computation from
// computTrialSpctm / computTrialSpctmAllPro on the caller's thread; an implementation may
// fan the channels out to worker threads inside computeTrialSpectra.
#pragma once

#include <functional>
#include <string>
#include <utility>

class CMDTrialqv;

namespace megdata {

class SpctmComputation {
 public:
  virtual ~SpctmComputation() = default;

  // Rebuilds the spectral trials (grid, axes, time step) and the spectral channels of the
  // trial from its channels' raw waveforms. Returns true on success; on failure
  // lastError() says why and the trial's spectra are left as they were. The session
  // recomputes the group summaries afterwards, so an implementation need not.
  virtual bool computeTrialSpectra(CMDTrialqv& trial) = 0;

  // Progress of each computeTrialSpectra: the percentage done, rising, ending with 100
  // on success; called from worker threads but never twice at once. Null: no reports.
  void setProgress(std::function<void(int percent)> progress) { m_progress = std::move(progress); }
  // Why the last computeTrialSpectra failed; empty after a success.
  const std::string& lastError() const { return m_lastError; }

 protected:
  std::function<void(int)> m_progress;
  std::string m_lastError;
};

}  // namespace megdata
