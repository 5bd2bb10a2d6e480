#include "host/data/CMEGData3Spctm.h"

CSpctmTrialqv* CMEGData3Spctm::currentSpctmTrial(int cls) const {
  CMDTrialqv* trial = getCurrentTrialPt();
  return trial != nullptr ? trial->getSpctmTrial(false, cls) : nullptr;
}

int CMEGData3Spctm::getTrialSpctmGivenTime2LatencyMsec(std::int64_t t0, std::int64_t t1, double& ms0,
                                                       double& ms1, int cls, int /*kind*/) const {
  ms0 = ms1 = 0.0;
  const CSpctmTrialqv* st = currentSpctmTrial(cls);
  return st != nullptr ? st->getTrialSpctmGivenTime2LatencyMs(t0, t1, ms0, ms1) : 0;
}

int CMEGData3Spctm::getTrialSpctmSelectTime2LatencyMsec(double& ms0, double& ms1, int cls, int kind) const {
  std::int64_t b = 0, e = 0;
  const CSpctmTrialqv* st = currentSpctmTrial(cls);
  if (st != nullptr) st->getTrialSpctmSelectTime(b, e);
  return getTrialSpctmGivenTime2LatencyMsec(b, e, ms0, ms1, cls, kind);
}

double CMEGData3Spctm::getLatencyMs4SpctmTimePt(std::int64_t t, int cls, int /*kind*/) const {
  const CSpctmTrialqv* st = currentSpctmTrial(cls);
  return st != nullptr ? st->getSpctmLatencyMs4TimeIndex(t) : 0.0;
}

int CMEGData3Spctm::getSpctmChnlMegEeg(std::int64_t& nMeg, std::int64_t& nEeg) const {
  nMeg = nEeg = 0;
  CMDTrialqv* trial = getCurrentTrialPt();
  if (trial == nullptr) return 0;
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    CMDChannelqv* ch = trial->getChannel(i);
    if (ch == nullptr) continue;
    bool hasSpctm = false;
    for (int cls = 0; cls < megdata::kSpctmClassCount; ++cls) hasSpctm = hasSpctm || ch->getSpctmChnl(false, cls);
    if (!hasSpctm) continue;
    nMeg += ch->isMEGMeasureChannel();
    nEeg += ch->isEEGMeasureChannel();
  }
  return 1;
}
