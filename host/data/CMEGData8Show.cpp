#include "host/data/CMEGData8Show.h"

#include <cmath>

const double* CMEGData8Show::getChnlSpctmData(std::int64_t index, bool shownOnly, int cls, int kind,
                                              std::int64_t& T, std::int64_t& F) {
  T = F = 0;
  CMDTrialqv* trial = getCurrentTrialPt();
  CMDChannelqv* ch = trial != nullptr ? trial->getChannel(index) : nullptr;
  if (ch == nullptr || (shownOnly && isShowChnl4Alltrials(index) == 0)) return nullptr;
  const CSpctmChnlqv* spctm = ch->getSpctmChnl(false, cls);
  return spctm != nullptr ? spctm->getSpctmDataPtr(kind, &T, &F) : nullptr;
}

std::wstring CMEGData8Show::getChnlName_PhycVirt(std::int64_t index, bool physical) const {
  if (physical) {
    const CMDTrialqv* trial = getCurrentTrialPt();
    return trial != nullptr ? trial->getChannelName(index) : std::wstring{};
  }
  static const wchar_t* const kGroupNames[] = {L"Group Mean",       L"Group Min",        L"Group Max",
                                               L"Average Positive", L"Average Negative", L"RMS-sign"};
  return (index >= 1 && index <= 6) ? std::wstring{kGroupNames[index - 1]} : std::wstring{};
}

double CMEGData8Show::getShowZoomChnl(std::int64_t index) const {
  const std::int64_t i = resolveChannelIndex(index);
  if (i < 0) return 0.0;
  return megdata::at(i) < m_gain.size() ? m_gain[megdata::at(i)] : 1.0;
}

int CMEGData8Show::setShowZoomChnl(std::int64_t index, double gain) {
  const std::int64_t i = resolveChannelIndex(index);
  if (i < 0 || !std::isfinite(gain) || !(gain > 0.0)) return 0;
  if (m_gain.size() <= megdata::at(i)) m_gain.resize(megdata::at(getChannelIndexCount()), 1.0);
  m_gain[megdata::at(i)] = gain;
  return 1;
}
