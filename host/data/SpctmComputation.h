// The seam through which a session recomputes a trial's spectra from its raw waveforms
// (the wavelet transform implements it). A session calls the installed computation from
// computTrialSpctm / computTrialSpctmAllPro on the caller's thread; an implementation may
// fan the channels out to worker threads inside computeTrialSpectra.
#pragma once

class CMDTrialqv;

namespace megdata {

class SpctmComputation {
 public:
  virtual ~SpctmComputation() = default;

  // Rebuilds the spectral trials (grid, axes, time step) and the spectral channels of the
  // trial from its channels' raw waveforms. Returns true on success. The session recomputes
  // the group summaries afterwards, so an implementation need not.
  virtual bool computeTrialSpectra(CMDTrialqv& trial) = 0;
};

}  // namespace megdata
