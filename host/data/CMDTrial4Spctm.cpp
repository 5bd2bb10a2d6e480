#include "host/data/CMDTrial4Spctm.h"

#include <cwchar>
#include <limits>

#include "host/data/CMEGDataqv.h"

using megdata::SpctmStats;
using megdata::SpctmWindow;

namespace {

constexpr std::int64_t kAll = std::numeric_limits<std::int64_t>::max();

// Appends one printf-formatted number.
void appendNumber(std::wstring& text, const wchar_t* format, double v) {
  wchar_t buf[64];
  const int n = std::swprintf(buf, sizeof buf / sizeof buf[0], format, v);
  if (n > 0) text.append(buf, static_cast<std::size_t>(n));
}

}  // namespace

CSpctmTrialqv* CMDTrial4Spctm::getSpctmTrial(bool bCreate, int cls) {
  if (!megdata::isSpctmClass(cls)) return nullptr;
  auto& slot = m_spctmTrials[megdata::at(cls)];
  if (!slot && bCreate) slot = std::make_unique<CSpctmTrialqv>();
  return slot.get();
}

const double* CMDTrial4Spctm::sourceArray(int source, std::int64_t chnl, int cls, int kind, std::int64_t& T,
                                          std::int64_t& F) {
  T = F = 0;
  const CSpctmTrialqv* st = getSpctmTrial(false, cls);
  if (st == nullptr) return nullptr;
  if (source == 0) {
    CMDChannelqv* ch = getChannel(chnl);
    const CSpctmChnlqv* spctm = ch != nullptr ? ch->getSpctmChnl(false, cls) : nullptr;
    return spctm != nullptr ? spctm->getSpctmDataPtr(kind, &T, &F) : nullptr;
  }
  const CSumChnlSpctmDataqv* sum = st->getSumChnlSpctmData(kind);
  const double* data = sum != nullptr ? sum->getArray4DataSource(source) : nullptr;
  if (data != nullptr) {
    T = sum->getTimePt();
    F = sum->getFreqPt();
  }
  return data;
}

SpctmWindow CMDTrial4Spctm::resolveWindow(int cls, std::int64_t tb, std::int64_t te, std::int64_t fb,
                                          std::int64_t fe) const {
  const CSpctmTrialqv* st = megdata::isSpctmClass(cls) ? m_spctmTrials[megdata::at(cls)].get() : nullptr;
  const SpctmWindow sel = st != nullptr ? st->getSelectWindow() : SpctmWindow{};
  return SpctmWindow{tb == -1 ? sel.timeBegin : tb, te == -1 ? sel.timeEnd : te, fb == -1 ? sel.freqBegin : fb,
                     fe == -1 ? sel.freqEnd : fe};
}

SpctmStats CMDTrial4Spctm::sourceStats(int source, std::int64_t chnl, int cls, int kind, const SpctmWindow& window) {
  std::int64_t T = 0, F = 0;
  const double* data = sourceArray(source, chnl, cls, kind, T, F);
  return megdata::windowStats(data, F, megdata::clipWindow(window, T, F));
}

int CMDTrial4Spctm::getSpctmRangeAllChann(double& lo, double& hi, double& mean, int flag, int cls, int kind) {
  lo = hi = mean = 0.0;
  if (getSpctmTrial(false, cls) == nullptr) return 0;
  const CMEGDataqv* session = getSession();
  SpctmStats all;
  for (std::int64_t i = 0; i < getTotalChannel(); ++i) {
    const bool visible = session == nullptr ||
                         (session->isShowChnl4Alltrials(i) != 0 && session->isGoodChnl4Alltrials(i) != 0);
    if (flag != 0 && !visible) continue;
    all.merge(sourceStats(0, i, cls, kind, SpctmWindow{0, kAll, 0, kAll}));
  }
  if (all.count == 0) return 0;
  lo = all.min;
  hi = all.max;
  mean = all.mean();
  return 1;
}

SpctmStats CMDTrial4Spctm::rangeStats(int source, std::int64_t chnl, bool bWhole, int cls, int kind) {
  const SpctmWindow w = bWhole ? SpctmWindow{0, kAll, 0, kAll} : resolveWindow(cls, -1, -1, -1, -1);
  return sourceStats(source, chnl, cls, kind, w);
}

int CMDTrial4Spctm::getSpctmRange4OneChnlShow(int source, std::int64_t chnl, double& lo, double& hi, double& mean,
                                              bool bWhole, int cls, int kind) {
  const SpctmStats s = rangeStats(source, chnl, bWhole, cls, kind);
  lo = s.min;
  hi = s.max;
  mean = s.mean();
  return s.count > 0 ? 1 : 0;
}

int CMDTrial4Spctm::getSpctmRange4OneChnlShowAbs(int source, std::int64_t chnl, double& lo, double& hi,
                                                 double& mean, bool bWhole, int cls, int kind) {
  const SpctmStats s = rangeStats(source, chnl, bWhole, cls, kind);
  lo = s.absMin;
  hi = s.absMax;
  mean = s.absMean();
  return s.count > 0 ? 1 : 0;
}

int CMDTrial4Spctm::hasSpctmData4Chnl(int cls, int kind, std::int64_t chnl) {
  CMDChannelqv* ch = getChannel(chnl);
  const CSpctmChnlqv* spctm = ch != nullptr ? ch->getSpctmChnl(false, cls) : nullptr;
  return spctm != nullptr ? spctm->hasSpctmData(kind) : 0;
}

int CMDTrial4Spctm::findSpctmChnl4Show(int cls, int kind) {
  if (hasSpctmData4Chnl(cls, kind, -1) != 0) return 1;
  for (std::int64_t i = 0; i < getTotalChannel(); ++i) {
    if (hasSpctmData4Chnl(cls, kind, i) != 0) return setCurrentChannel(i);
  }
  return 0;
}

std::int64_t CMDTrial4Spctm::getSpctmSize(bool bAll, std::int64_t& tb, std::int64_t& te, std::int64_t& fb,
                                          std::int64_t& fe, int cls) {
  tb = te = fb = fe = 0;
  const CSpctmTrialqv* st = getSpctmTrial(false, cls);
  if (st == nullptr) return 0;
  const std::int64_t T = st->getTrialSpctmTimePt(), F = st->getTrialSpctmFreqPt();
  const SpctmWindow w = megdata::clipWindow(bAll ? megdata::wholeWindow(T, F) : st->getSelectWindow(), T, F);
  if (w.isEmpty()) return 0;
  tb = w.timeBegin;
  te = w.timeEnd;
  fb = w.freqBegin;
  fe = w.freqEnd;
  return w.points();
}

int CMDTrial4Spctm::getSelectSpctmValueMMMR(int source, int cls, int kind, std::int64_t chnl, std::int64_t tb,
                                            std::int64_t te, std::int64_t fb, std::int64_t fe, double& mn,
                                            double& mean, double& mx, double& rms) {
  const SpctmStats s = sourceStats(source, chnl, cls, kind, resolveWindow(cls, tb, te, fb, fe));
  mn = s.min;
  mean = s.mean();
  mx = s.max;
  rms = s.rms();
  return s.count > 0 ? 1 : 0;
}

int CMDTrial4Spctm::getSelectSpctmValueXX(int source, int cls, int kind, int mode, std::int64_t chnl,
                                          std::int64_t tb, std::int64_t te, std::int64_t fb, std::int64_t fe,
                                          std::int64_t count, double* values) {
  if (values == nullptr || count < 1) return 0;
  for (std::int64_t k = 0; k < count; ++k) values[k] = 0.0;
  const int stat = mode >= 4 ? mode - 3 : mode;  // the "All Freq" modes measure as their window twins
  if (stat < 1 || stat > 3) return 0;
  std::int64_t T = 0, F = 0;
  const double* data = sourceArray(source, chnl, cls, kind, T, F);
  const SpctmWindow w = resolveWindow(cls, tb, te, fb, fe);
  const SpctmWindow clipped = megdata::clipWindow(w, T, F);
  if (data == nullptr || clipped.isEmpty()) return 0;
  for (std::int64_t k = 0; k < count; ++k) values[k] = megdata::freqStat(data, F, clipped, w.freqBegin + k, stat);
  return 1;
}

std::wstring CMDTrial4Spctm::getSelectSpctmValue2Txt(int source, int cls, int kind, std::int64_t chnl,
                                                     std::int64_t tb, std::int64_t te, std::int64_t fb,
                                                     std::int64_t fe) {
  std::int64_t T = 0, F = 0;
  const double* data = sourceArray(source, chnl, cls, kind, T, F);
  const SpctmWindow w = megdata::clipWindow(resolveWindow(cls, tb, te, fb, fe), T, F);
  const CSpctmTrialqv* st = getSpctmTrial(false, cls);
  if (data == nullptr || w.isEmpty()) return {};
  std::wstring text = L"Freq(Hz)/Time(ms)";
  for (std::int64_t t = w.timeBegin; t <= w.timeEnd; ++t)
    appendNumber(text, L" %0.3f", st->getSpctmLatencyMs4TimeIndex(t));
  text += L"\n";
  for (std::int64_t f = w.freqBegin; f <= w.freqEnd; ++f) {
    appendNumber(text, L"%0.3f", st->getSpctmFreq4FreqIndex(f));
    for (std::int64_t t = w.timeBegin; t <= w.timeEnd; ++t) appendNumber(text, L" %f", data[t * F + f]);
    text += L"\n";
  }
  return text;
}

int CMDTrial4Spctm::getSelectSpctmValueX_PhyVirt(int source, std::int64_t chnl, std::int64_t tb, std::int64_t te,
                                                 std::int64_t fb, std::int64_t fe, double& sum,
                                                 std::int64_t& points, int cls, int kind) {
  const SpctmStats s = sourceStats(source, chnl, cls, kind, resolveWindow(cls, tb, te, fb, fe));
  sum = s.sum;
  points = s.count;
  return s.count > 0 ? 1 : 0;
}

int CMDTrial4Spctm::reloadSpctmDataAll() {
  int any = 0;
  for (auto& st : m_spctmTrials) {
    if (!st) continue;
    any = 1;
    for (int kind = 0; kind < megdata::kDataKindCount; ++kind) st->setSumChnlSpctmData(kind, nullptr);
  }
  return any;
}
