#include "host/io/PlanarPairs.h"

#include <cmath>

#include "host/compute/SpctmResults.h"
#include "host/data/CMDTrialqv.h"

namespace {

constexpr double kSamePlace = 1e-4;  // metres

bool samePlace(const RecordingChannel& a, const RecordingChannel& b) {
  if (a.hasPosition && b.hasPosition) {
    return std::hypot(a.position.x - b.position.x, a.position.y - b.position.y, a.position.z - b.position.z) < kSamePlace;
  }
  return !a.hasPosition && !b.hasPosition && a.name.size() == b.name.size() && !a.name.empty() &&
         a.name.compare(0, a.name.size() - 1, b.name, 0, b.name.size() - 1) == 0;
}

// One class of a channel's spectra as arrays (empty when it has none).
SpctmArrays arraysOf(CMDChannelqv& ch, int cls) {
  const CSpctmChnlqv* s = ch.getSpctmChnl(false, cls);
  std::int64_t T = 0, F = 0;
  if (s == nullptr || s->getSpctmDataPtr(2, &T, &F) == nullptr) return {};
  SpctmArrays a(T, F);
  std::vector<double>* kinds[] = {&a.real, &a.imag, &a.power};
  for (int k = 0; k < 3; ++k) {
    const double* p = s->getSpctmDataPtr(k);
    kinds[k]->assign(p, p + T * F);
  }
  return a;
}

void store(CMDChannelqv& ch, int cls, SpctmArrays a) {
  CSpctmChnlqv* s = ch.getSpctmChnl(true, cls);
  s->clearSpctmData(-1);
  s->setSpctmData(0, a.timePoints, a.frequencyPoints, std::move(a.real));
  s->setSpctmData(1, a.timePoints, a.frequencyPoints, std::move(a.imag));
  s->setSpctmData(2, a.timePoints, a.frequencyPoints, std::move(a.power));
}

}  // namespace

std::vector<std::pair<std::size_t, std::size_t>> planarPairs(const std::vector<RecordingChannel>& channels) {
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  std::vector<bool> taken(channels.size(), false);
  for (std::size_t i = 0; i < channels.size(); ++i) {
    if (taken[i] || channels[i].type != ChannelType::MegGrad) continue;
    for (std::size_t j = i + 1; j < channels.size(); ++j) {
      if (!taken[j] && channels[j].type == ChannelType::MegGrad && samePlace(channels[i], channels[j])) {
        pairs.emplace_back(i, j);
        taken[i] = taken[j] = true;
        break;
      }
    }
  }
  return pairs;
}

PlanarPairComputation::PlanarPairComputation(std::shared_ptr<megdata::SpctmComputation> inner,
                                             std::vector<std::pair<std::int64_t, std::int64_t>> pairs, Baseline baseline)
    : m_inner(std::move(inner)), m_pairs(std::move(pairs)), m_baseline(baseline) {}

bool PlanarPairComputation::computeTrialSpectra(CMDTrialqv& trial) {
  m_inner->setProgress(m_progress);
  if (!m_inner->computeTrialSpectra(trial)) {
    m_lastError = m_inner->lastError();
    return false;
  }
  for (const auto& [first, second] : m_pairs) {
    CMDChannelqv* a = trial.getChannel(first);
    CMDChannelqv* b = trial.getChannel(second);
    if (a == nullptr || b == nullptr) continue;
    SpctmArrays active = arraysOf(*a, 0), control = arraysOf(*a, 1);
    const SpctmArrays otherActive = arraysOf(*b, 0), otherControl = arraysOf(*b, 1);
    if (active.power.size() != otherActive.power.size() || control.power.size() != otherControl.power.size() ||
        control.timePoints == 0) {
      continue;  // a gradiometer without spectra (no waveform): nothing to combine
    }
    for (std::size_t i = 0; i < active.power.size(); ++i) active.power[i] += otherActive.power[i];
    for (std::size_t i = 0; i < control.power.size(); ++i) control.power[i] += otherControl.power[i];
    SpctmArrays results = deriveResults(active, control, m_baseline);
    store(*a, 0, std::move(active));
    store(*a, 1, std::move(control));
    store(*a, 2, std::move(results));
  }
  m_lastError.clear();
  return true;
}
