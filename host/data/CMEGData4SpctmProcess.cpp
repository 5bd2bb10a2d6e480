#include "host/data/CMEGData4SpctmProcess.h"

#include <utility>
#include <vector>

namespace {

// Raises the processing flag for the lifetime of the guard, then restores what it was, so
// nested computations leave the flag as the outer one expects.
class ProcessingFlag {
 public:
  ProcessingFlag(std::atomic<bool>& flag, bool raise) : m_flag(flag), m_previous(flag.load()), m_raise(raise) {
    if (m_raise) m_flag = true;
  }
  ~ProcessingFlag() {
    if (m_raise) m_flag = m_previous;
  }
  ProcessingFlag(const ProcessingFlag&) = delete;
  ProcessingFlag& operator=(const ProcessingFlag&) = delete;

 private:
  std::atomic<bool>& m_flag;
  bool m_previous;
  bool m_raise;
};

}  // namespace

void CMEGData4SpctmProcess::setSpctmComputation(std::shared_ptr<megdata::SpctmComputation> computation) {
  m_pComputation = std::move(computation);
}

void CMEGData4SpctmProcess::summarize(CMDTrialqv& trial, int cls, int kind) {
  CSpctmTrialqv* st = trial.getSpctmTrial(false, cls);
  if (st == nullptr) return;
  const std::int64_t T = st->getTrialSpctmTimePt(), F = st->getTrialSpctmFreqPt();
  std::vector<const double*> arrays;
  for (std::int64_t i = 0; i < trial.getTotalChannel(); ++i) {
    CMDChannelqv* ch = trial.getChannel(i);
    const CSpctmChnlqv* spctm = ch != nullptr ? ch->getSpctmChnl(false, cls) : nullptr;
    std::int64_t t = 0, f = 0;
    const double* data = spctm != nullptr ? spctm->getSpctmDataPtr(kind, &t, &f) : nullptr;
    if (data != nullptr && t == T && f == F) arrays.push_back(data);
  }
  st->setSumChnlSpctmData(kind, CSumChnlSpctmDataqv::compute(T, F, arrays));
}

bool CMEGData4SpctmProcess::recomputeSpectra(CMDTrialqv& trial, bool recompute) {
  return !recompute || !m_pComputation || m_pComputation->computeTrialSpectra(trial);
}

CSumChnlSpctmDataqv* CMEGData4SpctmProcess::computTrialSpctm(CMDTrialqv* trial, bool recomputeSpctm,
                                                             bool allClasses, bool allKinds, bool showProcessing,
                                                             int cls, int kind) {
  if (trial == nullptr) trial = getCurrentTrialPt();
  if (trial == nullptr) return nullptr;
  ProcessingFlag processing(m_bProcessing, showProcessing);
  if (!recomputeSpectra(*trial, recomputeSpctm)) return nullptr;
  for (int c = 0; c < megdata::kSpctmClassCount; ++c) {
    if (!allClasses && c != cls) continue;
    for (int k = 0; k < megdata::kDataKindCount; ++k) {
      if (allKinds || k == kind) summarize(*trial, c, k);
    }
  }
  const CSpctmTrialqv* st = trial->getSpctmTrial(false, cls);
  return st != nullptr ? st->getSumChnlSpctmData(kind) : nullptr;
}

int CMEGData4SpctmProcess::computTrialSpctmAllPro(CMDTrialqv* trial, bool recompute) {
  std::vector<CMDTrialqv*> trials;
  if (trial != nullptr) {
    trials.push_back(trial);
  } else {
    for (const auto& t : m_trials) trials.push_back(t.get());
  }
  if (trials.empty()) return 0;
  ProcessingFlag processing(m_bProcessing, true);
  bool ok = true;
  for (CMDTrialqv* t : trials) {
    ok = recomputeSpectra(*t, recompute) && ok;
    for (int c = 0; c < megdata::kSpctmClassCount; ++c) {
      for (int k = 0; k < megdata::kDataKindCount; ++k) summarize(*t, c, k);
    }
  }
  return ok ? 1 : 0;
}
