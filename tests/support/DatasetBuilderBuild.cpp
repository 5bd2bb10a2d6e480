// DatasetBuilder::build: the plans become host objects, and the host computes the group
// summaries as in real use.
#include "tests/support/DatasetBuilder.h"

#include <stdexcept>
#include <utility>

#include "tests/support/DatasetBuilderPlans.h"

namespace megdata {

namespace {

// Whether (cls, kind) matches a pattern whose −1 entries match anything.
bool matches(const std::pair<int, int>& pattern, int cls, int kind) {
  return (pattern.first == -1 || pattern.first == cls) && (pattern.second == -1 || pattern.second == kind);
}

bool anyMatch(const std::vector<std::pair<int, int>>& patterns, int cls, int kind) {
  for (const auto& p : patterns) {
    if (matches(p, cls, kind)) return true;
  }
  return false;
}

}  // namespace

std::unique_ptr<CMDTrialqv> DatasetBuilder::buildTrial(const SessionPlan& s, const TrialPlan& t) const {
  auto trial = std::make_unique<CMDTrialqv>(t.name);
  trial->setEpochTiming(t.timing);
  // Waveform length: waves() decides; otherwise the explicit waveforms do, all alike.
  std::int64_t samples = t.samples;
  for (const auto& [chnl, values] : t.waves) {
    const auto n = static_cast<std::int64_t>(values.size());
    if (samples == 0) samples = n;
    if (n != samples) throw std::invalid_argument("DatasetBuilder: wave() lengths differ within a trial");
  }
  for (std::size_t i = 0; i < s.channels.size(); ++i) {
    const ChannelPlan& c = s.channels[i];
    if (c.isNull) {
      trial->addChannel(nullptr);
      continue;
    }
    auto ch = std::make_unique<CMDChannelqv>(c.name, static_cast<CMDChannelqv::SensorType>(c.type));
    ch->setPosition3D(c.pos3d[0], c.pos3d[1], c.pos3d[2]);
    (c.type == CMDChannelqv::kEegElectrode ? ch->m_dEeg2DX : ch->m_dMeg2DX) = c.x2d;
    (c.type == CMDChannelqv::kEegElectrode ? ch->m_dEeg2DY : ch->m_dMeg2DY) = c.y2d;
    const auto index = static_cast<std::int64_t>(i);
    if (auto w = t.waves.find(index); w != t.waves.end() && !c.noWave) {
      ch->setDataWave(w->second);
    } else if (t.waveFn && !c.noWave) {
      std::vector<double> wave(at(samples));
      for (std::int64_t k = 0; k < samples; ++k) wave[at(k)] = t.waveFn(index, k);
      ch->setDataWave(std::move(wave));
    }
    trial->addChannel(std::move(ch));
  }
  if (t.currentChannel) {
    if (*t.currentChannel == -1) {
      trial->m_nCrntChnlIndx = -1;
    } else if (trial->setCurrentChannel(*t.currentChannel) == 0) {
      throw std::invalid_argument("DatasetBuilder: currentChannel() is outside the channels");
    }
  }

  for (int cls = 0; cls < kSpctmClassCount; ++cls) {
    if (!t.hasClass(cls)) continue;
    if (t.T < 1) throw std::invalid_argument("DatasetBuilder: spectra need grid(T, F) on their trial");
    auto st = std::make_unique<CSpctmTrialqv>();
    st->setGrid(t.T, t.F);
    st->setTimeStep(t.step);
    st->setLatencies(t.latencies.resolve(t.T, "latencies"));
    st->setFrequencies(t.frequencies.resolve(t.F, "frequencies"));
    st->setAccumSpctm(t.accumulated[at(cls)]);
    st->setWaveRange(t.firstSample, samples);
    if (const auto& sel = t.selection[at(cls)]) {
      st->setTrialSpctmSelectTime(sel->timeBegin, sel->timeEnd);
      st->setTrialSpctmSelectFreq(sel->freqBegin, sel->freqEnd);
    }
    for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
      CMDChannelqv* ch = trial->getChannel(i);
      if (ch == nullptr) continue;
      const ChannelPlan& c = s.channels[at(i)];
      for (int kind = 0; kind < kDataKindCount; ++kind) {
        if (anyMatch(c.noSpectrum, cls, kind)) continue;
        std::vector<double> values;
        if (auto a = t.arrays.find({cls, i, kind}); a != t.arrays.end()) {
          values = a->second;
        } else if (const SpctmValueFn& fn = t.spectra[at(cls)]) {
          values.resize(at(t.T * t.F));
          for (std::int64_t tp = 0; tp < t.T; ++tp) {
            for (std::int64_t fp = 0; fp < t.F; ++fp) values[at(tp * t.F + fp)] = fn(i, tp, fp, kind);
          }
        } else {
          continue;
        }
        if (ch->getSpctmChnl(true, cls)->setSpctmData(kind, t.T, t.F, std::move(values)) == 0)
          throw std::invalid_argument("DatasetBuilder: spectrum() array does not hold T*F values");
      }
    }
    trial->setSpctmTrial(cls, std::move(st));
  }
  for (const auto& [key, values] : t.arrays) {
    const std::int64_t chnl = std::get<1>(key);
    if (trial->getChannel(chnl) == nullptr)
      throw std::invalid_argument("DatasetBuilder: spectrum() names a channel that does not exist");
  }
  trial->update2DExtent(CMDTrialqv::kMeg);
  trial->update2DExtent(CMDTrialqv::kEeg);
  trial->m_bMegSnsr2dPlaneDone = trial->m_bEegElectrod2dPlaneDone = t.planesDone;
  return trial;
}

std::unique_ptr<CArrayMEDataSetqv> DatasetBuilder::build() const {
  auto dataset = std::make_unique<CArrayMEDataSetqv>();
  for (const SessionPlan& s : m_sessions) {
    CMEGDataqv* session = dataset->addSession(std::make_unique<CMEGDataqv>(s.name));
    for (const TrialPlan& t : s.trials) session->addTrial(buildTrial(s, t));
    for (std::size_t i = 0; i < s.channels.size(); ++i) {
      const ChannelPlan& c = s.channels[i];
      const auto index = static_cast<std::int64_t>(i);
      session->setGoodChnl4Alltrials(index, c.good ? 1 : 0);
      session->setShowChnl4Alltrials(index, c.shown ? 1 : 0);
      session->setSelectChnl4Alltrials(index, c.picked ? 1 : 0, 0);
      session->setShowZoomChnl(index, c.gain);
    }
    if (s.currentTrial && session->setCurrentTrial(*s.currentTrial) == 0)
      throw std::invalid_argument("DatasetBuilder: currentTrial() is outside the trials");
    session->m_dProj2DScale = s.projScale;
    session->m_dProj2DDepth = s.projDepth;
    session->computTrialSpctmAllPro(nullptr, false);
    for (std::size_t ti = 0; ti < s.trials.size(); ++ti) {
      CMDTrialqv* trial = session->getTrialqv(static_cast<std::int64_t>(ti));
      for (const auto& pattern : s.trials[ti].noSummary) {
        for (int cls = 0; cls < kSpctmClassCount; ++cls) {
          CSpctmTrialqv* st = trial->getSpctmTrial(false, cls);
          for (int kind = 0; kind < kDataKindCount; ++kind) {
            if (st != nullptr && matches(pattern, cls, kind)) st->setSumChnlSpctmData(kind, nullptr);
          }
        }
      }
    }
    session->m_bProcessing = s.processing;
  }
  if (m_currentSession && dataset->setCurrentSession(*m_currentSession) == 0)
    throw std::invalid_argument("DatasetBuilder: currentSession() is outside the sessions");
  return dataset;
}

}  // namespace megdata
