// Spectral computation of a session: group summaries computed by the host and, through the
// installed SpctmComputation, the spectra themselves. Called by the window view renderer
// (computTrialSpctm when a summary is empty) and by the "Update", "Check Spectrum..." and
// "Raw Data" buttons (computTrialSpctmAllPro).
//
// Host-defined meanings:
// - computTrialSpctm(trial, recomputeSpctm, allClasses, allKinds, showProcessing, cls,
//   kind): trial null means the current trial. recomputeSpctm first rebuilds the trial's
//   spectra through the installed computation (skipped when none is installed); allClasses
//   and allKinds widen the summaries recomputed from (cls, kind) to every class or kind;
//   showProcessing raises m_bProcessing while it works. Returns the summary of (cls, kind)
//   afterwards, or null (no trial, no spectral trial, no channel with that kind, or the
//   computation failed).
// - computTrialSpctmAllPro(trial, recompute): trial null means every trial of the session.
//   recompute rebuilds the spectra through the installed computation first; then every
//   summary of every class and kind is recomputed. m_bProcessing is raised meanwhile.
//   1 when at least one trial was processed and no computation failed, else 0.
// - A summary covers the channels whose spectral channel of the class holds an array of
//   the kind with the spectral trial's T × F; with no such channel it is dropped (null).
#pragma once

#include <memory>

#include "host/data/CMEGData3Spctm.h"

class CMEGData4SpctmProcess : public CMEGData3Spctm {
 public:
  using CMEGData3Spctm::CMEGData3Spctm;

  CSumChnlSpctmDataqv* computTrialSpctm(CMDTrialqv* trial, bool recomputeSpctm, bool allClasses, bool allKinds,
                                        bool showProcessing, int cls, int kind);
  int computTrialSpctmAllPro(CMDTrialqv* trial, bool recompute);

  // Installs (or, with null, removes) the computation that rebuilds spectra from raw data.
  void setSpctmComputation(std::shared_ptr<megdata::SpctmComputation> computation);
  megdata::SpctmComputation* getSpctmComputation() const { return m_pComputation.get(); }

 protected:
  // Recomputes the group summary of one class and kind of a trial.
  static void summarize(CMDTrialqv& trial, int cls, int kind);
  // Rebuilds a trial's spectra when asked and a computation is installed; false on failure.
  bool recomputeSpectra(CMDTrialqv& trial, bool recompute);
};
