#include "tests/support/DatasetBuilder.h"

#include <cmath>
#include <map>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace megdata {

namespace {

// An axis given as first value and step, or as explicit values.
struct AxisPlan {
  double first = 0.0;
  double step = 1.0;
  std::vector<double> values;

  std::vector<double> resolve(std::int64_t n, const char* what) const {
    if (!values.empty()) {
      if (values.size() != at(n)) throw std::invalid_argument(std::string("DatasetBuilder: ") + what +
                                                              " hold a different count than the grid");
      return values;
    }
    std::vector<double> v(at(n));
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = first + step * static_cast<double>(i);
    return v;
  }
};

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

void requireClass(int cls, const char* call, bool allowAll) {
  if (!isSpctmClass(cls) && !(allowAll && cls == -1))
    throw std::invalid_argument(std::string("DatasetBuilder: ") + call + " needs a spectral class 0, 1 or 2");
}

}  // namespace

struct DatasetBuilder::ChannelPlan {
  std::wstring name;
  int type = CMDChannelqv::kOtherChannel;
  bool isNull = false;
  double x2d = 0.0, y2d = 0.0;
  double pos3d[3] = {0.0, 0.0, 0.0};
  bool good = true, shown = true, picked = false;
  double gain = 1.0;
  std::vector<std::pair<int, int>> noSpectrum;  // (class, kind), −1 = any
  bool noWave = false;
};

struct DatasetBuilder::TrialPlan {
  std::wstring name;
  std::int64_t T = 0, F = 0, step = 1;
  AxisPlan latencies{0.0, 1.0, {}};
  AxisPlan frequencies{1.0, 1.0, {}};
  std::array<SpctmValueFn, kSpctmClassCount> spectra;
  std::map<std::tuple<int, std::int64_t, int>, std::vector<double>> arrays;  // (class, channel, kind)
  std::vector<std::pair<int, int>> noSummary;
  std::array<bool, kSpctmClassCount> accumulated{};
  std::array<std::optional<SpctmWindow>, kSpctmClassCount> selection;
  std::int64_t samples = 0;
  WaveValueFn waveFn;
  std::map<std::int64_t, std::vector<double>> waves;
  std::int64_t firstSample = 0;
  EpochTiming timing;
  std::optional<std::int64_t> currentChannel;
  bool planesDone = true;

  bool hasClass(int cls) const {
    if (spectra[at(cls)]) return true;
    for (const auto& [key, values] : arrays) {
      if (std::get<0>(key) == cls) return true;
    }
    return false;
  }
};

struct DatasetBuilder::SessionPlan {
  std::wstring name;
  std::vector<ChannelPlan> channels;
  std::vector<TrialPlan> trials;
  std::optional<std::int64_t> currentTrial;
  bool processing = false;
  double projScale = 1.0, projDepth = 0.0;
};

DatasetBuilder::DatasetBuilder() = default;
DatasetBuilder::DatasetBuilder(const DatasetBuilder&) = default;
DatasetBuilder::DatasetBuilder(DatasetBuilder&&) noexcept = default;
DatasetBuilder& DatasetBuilder::operator=(const DatasetBuilder&) = default;
DatasetBuilder& DatasetBuilder::operator=(DatasetBuilder&&) noexcept = default;
DatasetBuilder::~DatasetBuilder() = default;

DatasetBuilder::SessionPlan& DatasetBuilder::openSession() {
  if (m_sessions.empty()) session(L"Session 1");
  return m_sessions.back();
}

DatasetBuilder::TrialPlan& DatasetBuilder::openTrial() {
  if (openSession().trials.empty()) trial(L"Trial 1");
  return m_sessions.back().trials.back();
}

DatasetBuilder::ChannelPlan& DatasetBuilder::lastChannel(const char* call) {
  SessionPlan& s = openSession();
  if (s.channels.empty() || s.channels.back().isNull)
    throw std::invalid_argument(std::string("DatasetBuilder: ") + call + "() needs a channel added before it");
  return s.channels.back();
}

DatasetBuilder& DatasetBuilder::session(std::wstring name) {
  m_sessions.push_back(SessionPlan{});
  m_sessions.back().name = std::move(name);
  return *this;
}

DatasetBuilder& DatasetBuilder::currentSession(std::int64_t index) {
  m_currentSession = index;
  return *this;
}

DatasetBuilder& DatasetBuilder::processing(bool on) {
  openSession().processing = on;
  return *this;
}

DatasetBuilder& DatasetBuilder::projectionParams(double scale, double depth) {
  openSession().projScale = scale;
  openSession().projDepth = depth;
  return *this;
}

DatasetBuilder& DatasetBuilder::addChannel(std::wstring name, int type, double x2d, double y2d) {
  ChannelPlan c;
  c.name = std::move(name);
  c.type = type;
  c.x2d = x2d;
  c.y2d = y2d;
  openSession().channels.push_back(std::move(c));
  return *this;
}

DatasetBuilder& DatasetBuilder::meg(std::wstring name, double x2d, double y2d) {
  return addChannel(std::move(name), CMDChannelqv::kMegSensor, x2d, y2d);
}

DatasetBuilder& DatasetBuilder::eeg(std::wstring name, double x2d, double y2d) {
  return addChannel(std::move(name), CMDChannelqv::kEegElectrode, x2d, y2d);
}

DatasetBuilder& DatasetBuilder::other(std::wstring name) {
  return addChannel(std::move(name), CMDChannelqv::kOtherChannel, 0.0, 0.0);
}

DatasetBuilder& DatasetBuilder::nullChannel() {
  ChannelPlan c;
  c.isNull = true;
  openSession().channels.push_back(std::move(c));
  return *this;
}

DatasetBuilder& DatasetBuilder::megGrid(std::int64_t n) {
  const auto side = static_cast<std::int64_t>(std::ceil(std::sqrt(static_cast<double>(n))));
  for (std::int64_t i = 0; i < n; ++i) {
    meg(L"M" + std::to_wstring(i + 1), static_cast<double>(i % side), static_cast<double>(i / side));
  }
  return *this;
}

DatasetBuilder& DatasetBuilder::at3D(double x, double y, double z) {
  ChannelPlan& c = lastChannel("at3D");
  c.pos3d[0] = x;
  c.pos3d[1] = y;
  c.pos3d[2] = z;
  return *this;
}

DatasetBuilder& DatasetBuilder::bad() {
  lastChannel("bad").good = false;
  return *this;
}

DatasetBuilder& DatasetBuilder::hidden() {
  lastChannel("hidden").shown = false;
  return *this;
}

DatasetBuilder& DatasetBuilder::selected() {
  lastChannel("selected").picked = true;
  return *this;
}

DatasetBuilder& DatasetBuilder::gain(double pixelsPerUnit) {
  if (!(std::isfinite(pixelsPerUnit) && pixelsPerUnit > 0.0))
    throw std::invalid_argument("DatasetBuilder: gain() needs a finite value above 0");
  lastChannel("gain").gain = pixelsPerUnit;
  return *this;
}

DatasetBuilder& DatasetBuilder::noSpectrum(int cls, int kind) {
  lastChannel("noSpectrum").noSpectrum.emplace_back(cls, kind);
  return *this;
}

DatasetBuilder& DatasetBuilder::noWave() {
  lastChannel("noWave").noWave = true;
  return *this;
}

DatasetBuilder& DatasetBuilder::trial(std::wstring name) {
  SessionPlan& s = openSession();
  TrialPlan t;
  if (!s.trials.empty()) {
    const TrialPlan& previous = s.trials.back();
    t.T = previous.T;
    t.F = previous.F;
    t.step = previous.step;
    t.latencies = previous.latencies;
    t.frequencies = previous.frequencies;
    t.timing = previous.timing;
  }
  t.name = std::move(name);
  s.trials.push_back(std::move(t));
  return *this;
}

DatasetBuilder& DatasetBuilder::epochTiming(double samplingRateHz, std::int64_t stimulusSample,
                                            SampleWindow active, SampleWindow control) {
  openTrial().timing = EpochTiming{samplingRateHz, stimulusSample, active, control};
  return *this;
}

DatasetBuilder& DatasetBuilder::currentTrial(std::int64_t index) {
  openSession().currentTrial = index;
  return *this;
}

DatasetBuilder& DatasetBuilder::currentChannel(std::int64_t index) {
  openTrial().currentChannel = index;
  return *this;
}

DatasetBuilder& DatasetBuilder::grid(std::int64_t T, std::int64_t F) {
  if (T < 1 || F < 1) throw std::invalid_argument("DatasetBuilder: grid(T, F) needs T >= 1 and F >= 1");
  openTrial().T = T;
  openTrial().F = F;
  return *this;
}

DatasetBuilder& DatasetBuilder::timeStep(std::int64_t samplesPerPoint) {
  if (samplesPerPoint < 1) throw std::invalid_argument("DatasetBuilder: timeStep() needs at least 1 sample");
  openTrial().step = samplesPerPoint;
  return *this;
}

DatasetBuilder& DatasetBuilder::latencies(double firstMs, double stepMs) {
  openTrial().latencies = AxisPlan{firstMs, stepMs, {}};
  return *this;
}

DatasetBuilder& DatasetBuilder::latencies(std::vector<double> ms) {
  openTrial().latencies = AxisPlan{0.0, 0.0, std::move(ms)};
  return *this;
}

DatasetBuilder& DatasetBuilder::frequencies(double firstHz, double stepHz) {
  openTrial().frequencies = AxisPlan{firstHz, stepHz, {}};
  return *this;
}

DatasetBuilder& DatasetBuilder::frequencies(std::vector<double> hz) {
  openTrial().frequencies = AxisPlan{0.0, 0.0, std::move(hz)};
  return *this;
}

DatasetBuilder& DatasetBuilder::spectra(int cls, SpctmValueFn fn) {
  requireClass(cls, "spectra()", false);
  openTrial().spectra[at(cls)] = std::move(fn);
  return *this;
}

DatasetBuilder& DatasetBuilder::spectrum(int cls, std::int64_t chnl, int kind, std::vector<double> values) {
  requireClass(cls, "spectrum()", false);
  if (!isDataKind(kind)) throw std::invalid_argument("DatasetBuilder: spectrum() needs a data kind 0, 1 or 2");
  openTrial().arrays[{cls, chnl, kind}] = std::move(values);
  return *this;
}

DatasetBuilder& DatasetBuilder::noSummary(int cls, int kind) {
  openTrial().noSummary.emplace_back(cls, kind);
  return *this;
}

DatasetBuilder& DatasetBuilder::accumulated(int cls) {
  requireClass(cls, "accumulated()", false);
  openTrial().accumulated[at(cls)] = true;
  return *this;
}

DatasetBuilder& DatasetBuilder::selection(int cls, std::int64_t tb, std::int64_t te, std::int64_t fb,
                                          std::int64_t fe) {
  requireClass(cls, "selection()", true);
  for (int c = 0; c < kSpctmClassCount; ++c) {
    if (cls == -1 || cls == c) openTrial().selection[at(c)] = SpctmWindow{tb, te, fb, fe};
  }
  return *this;
}

DatasetBuilder& DatasetBuilder::waves(std::int64_t samples, WaveValueFn fn) {
  if (samples < 1) throw std::invalid_argument("DatasetBuilder: waves() needs at least 1 sample");
  openTrial().samples = samples;
  openTrial().waveFn = std::move(fn);
  return *this;
}

DatasetBuilder& DatasetBuilder::wave(std::int64_t chnl, std::vector<double> samples) {
  openTrial().waves[chnl] = std::move(samples);
  return *this;
}

DatasetBuilder& DatasetBuilder::firstSample(std::int64_t sample) {
  openTrial().firstSample = sample;
  return *this;
}

DatasetBuilder& DatasetBuilder::planes2DNotDone() {
  openTrial().planesDone = false;
  return *this;
}

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
