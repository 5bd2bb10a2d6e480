// The builder's calls: each records into the plan of the open session, trial or channel.
#include "tests/support/DatasetBuilder.h"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "tests/support/DatasetBuilderPlans.h"

namespace megdata {

namespace {

void requireClass(int cls, const char* call, bool allowAll) {
  if (!isSpctmClass(cls) && !(allowAll && cls == -1))
    throw std::invalid_argument(std::string("DatasetBuilder: ") + call + " needs a spectral class 0, 1 or 2");
}

}  // namespace

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

}  // namespace megdata
