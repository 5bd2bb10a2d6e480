#include "host/data/MorletSpctmComputation.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "host/compute/MorletTransform.h"
#include "host/compute/ParallelTasks.h"
#include "host/compute/SegmentSpctm.h"
#include "host/compute/SpctmArrays.h"
#include "host/compute/SpctmResults.h"
#include "host/data/CMDTrialqv.h"

namespace {

using megdata::EpochTiming;
using megdata::SampleWindow;

// One channel's waveforms (one per source) and the three classes computed from them.
struct ChannelWork {
  std::int64_t index = 0;  // position in the trial's channel array
  std::vector<std::span<const double>> waves;
  SpctmArrays active, control, results;
};

// The channels that have a waveform in every source, all of one length.
struct Inputs {
  std::vector<ChannelWork> channels;
  std::int64_t samples = 0;
  std::size_t sources = 0;
};

// The grid and axes of one spectral class as the trial stores them.
struct ClassAxes {
  std::int64_t timePoints = 0;
  std::int64_t timeStep = 1;
  std::vector<double> latencyMs;
  std::int64_t firstSample = 0;  // waveform strip: raw sample of time point 0
  std::int64_t waveSamples = 0;  // and the waveforms' length (0: no strip)
};

struct Plan {
  bool accumulated = false;
  std::vector<double> frequencies;
  ClassAxes active, control;
};

// The trial's name for a message; characters outside ASCII read '?'.
std::string trialName(const CMDTrialqv& trial) {
  std::string name;
  for (wchar_t c : trial.m_strName) name += (c > 0 && c < 128) ? static_cast<char>(c) : '?';
  return name;
}

std::string gatherInputs(const CMDTrialqv& trial, Inputs& in) {
  std::vector<const CMDTrialqv*> sources = trial.getSpctmSources();
  if (sources.empty()) sources.push_back(&trial);
  in.sources = sources.size();
  for (const CMDTrialqv* source : sources) {
    if (source == nullptr) return "a source trial of \"" + trialName(trial) + "\" is missing";
    if (source->getTotalChannel() != trial.getTotalChannel()) {
      return "source trial \"" + trialName(*source) + "\" has " + std::to_string(source->getTotalChannel()) +
             " channels, \"" + trialName(trial) + "\" has " + std::to_string(trial.getTotalChannel());
    }
  }
  for (std::int64_t i = 0; i < trial.getTotalChannel(); ++i) {
    if (trial.getChannel(i) == nullptr) continue;
    ChannelWork work;
    work.index = i;
    for (const CMDTrialqv* source : sources) {
      const CMDChannelqv* ch = source->getChannel(i);
      if (ch == nullptr || ch->getDataWave() == nullptr) break;
      const std::int64_t n = ch->getDataWaveLength();
      if (in.samples == 0) in.samples = n;
      if (n != in.samples) {
        return "channel " + std::to_string(i) + " of trial \"" + trialName(*source) + "\" has " + std::to_string(n) +
               " raw samples, other waveforms have " + std::to_string(in.samples);
      }
      work.waves.push_back({ch->getDataWave(), static_cast<std::size_t>(n)});
    }
    if (work.waves.size() == sources.size()) in.channels.push_back(std::move(work));
  }
  if (in.channels.empty()) return "trial \"" + trialName(trial) + "\" has no channel with a raw waveform";
  return {};
}

std::string checkWindow(const char* name, const SampleWindow& w, std::int64_t samples) {
  if (w.length() == 0 || w.begin < 0 || w.end > samples) {
    return std::string(name) + " window [" + std::to_string(w.begin) + ", " + std::to_string(w.end) +
           ") is empty or outside the " + std::to_string(samples) + " raw samples";
  }
  return {};
}

std::string checkTiming(const EpochTiming& timing, std::int64_t samples) {
  if (!(timing.samplingRateHz > 0.0) || !std::isfinite(timing.samplingRateHz)) {
    return "the trial's sampling rate is not known";
  }
  std::string why = checkWindow("Active", timing.active, samples);
  return why.empty() ? checkWindow("Control", timing.control, samples) : why;
}

// Adds `rows` rows of `from`, starting at row fromRow, to `to` from row toRow on.
void addRows(const SpctmArrays& from, std::int64_t fromRow, SpctmArrays& to, std::int64_t toRow,
             std::int64_t rows) {
  const auto n = static_cast<std::size_t>(rows * to.frequencyPoints);
  const std::size_t a = from.at(fromRow, 0), b = to.at(toRow, 0);
  for (std::size_t i = 0; i < n; ++i) {
    to.real[b + i] += from.real[a + i];
    to.imag[b + i] += from.imag[a + i];
    to.power[b + i] += from.power[a + i];
  }
}

void scale(SpctmArrays& a, double factor) {
  for (auto* v : {&a.real, &a.imag, &a.power}) {
    for (double& x : *v) x *= factor;
  }
}

// Time points k (raw sample k·step) of a window: [first, first + count), cut to [0, T).
ClassAxes waveletAxes(const SampleWindow& w, const EpochTiming& timing, std::int64_t step, std::int64_t T,
                      std::int64_t samples) {
  const std::int64_t first = (w.begin + step - 1) / step;
  const std::int64_t end = std::min((w.end + step - 1) / step, T);
  ClassAxes axes;
  axes.timePoints = std::max<std::int64_t>(end - first, 0);
  axes.timeStep = step;
  for (std::int64_t k = first; k < end; ++k) axes.latencyMs.push_back(timing.latencyMs(static_cast<double>(k * step)));
  axes.firstSample = first * step;
  axes.waveSamples = samples;
  return axes;
}

ClassAxes segmentAxes(std::int64_t segments, std::int64_t segmentLength) {
  ClassAxes axes;
  axes.timePoints = segments;
  axes.timeStep = segmentLength;
  for (std::int64_t t = 0; t < segments; ++t) axes.latencyMs.push_back(static_cast<double>(t));
  return axes;
}

void storeClass(CMDTrialqv& trial, int cls, const ClassAxes& axes, const Plan& plan) {
  CSpctmTrialqv* st = trial.getSpctmTrial(true, cls);
  const auto F = static_cast<std::int64_t>(plan.frequencies.size());
  const bool sameGrid = st->getTrialSpctmTimePt() == axes.timePoints && st->getTrialSpctmFreqPt() == F;
  std::int64_t tb = 0, te = 0, fb = 0, fe = 0;
  st->getTrialSpctmSelectTime(tb, te);
  st->getTrialSpctmSelectFreq(fb, fe);
  st->setGrid(axes.timePoints, F);
  if (sameGrid) {
    st->setTrialSpctmSelectTime(tb, te);
    st->setTrialSpctmSelectFreq(fb, fe);
  }
  st->setTimeStep(axes.timeStep);
  st->setLatencies(axes.latencyMs);
  st->setFrequencies(plan.frequencies);
  st->setAccumSpctm(plan.accumulated);
  st->setWaveRange(axes.firstSample, axes.waveSamples);
}

void storeChannel(CMDChannelqv& ch, int cls, SpctmArrays& arrays) {
  CSpctmChnlqv* spctm = ch.getSpctmChnl(true, cls);
  spctm->clearSpctmData(-1);
  const std::int64_t T = arrays.timePoints, F = arrays.frequencyPoints;
  spctm->setSpctmData(0, T, F, std::move(arrays.real));
  spctm->setSpctmData(1, T, F, std::move(arrays.imag));
  spctm->setSpctmData(2, T, F, std::move(arrays.power));
}

void store(CMDTrialqv& trial, const Plan& plan, Inputs& in) {
  storeClass(trial, 0, plan.active, plan);
  storeClass(trial, 1, plan.control, plan);
  storeClass(trial, 2, plan.active, plan);
  std::vector<bool> computed(static_cast<std::size_t>(trial.getTotalChannel()), false);
  for (ChannelWork& work : in.channels) {
    CMDChannelqv& ch = *trial.getChannel(work.index);
    storeChannel(ch, 0, work.active);
    storeChannel(ch, 1, work.control);
    storeChannel(ch, 2, work.results);
    computed[static_cast<std::size_t>(work.index)] = true;
  }
  for (std::int64_t i = 0; i < trial.getTotalChannel(); ++i) {
    CMDChannelqv* ch = trial.getChannel(i);
    if (ch == nullptr || computed[static_cast<std::size_t>(i)]) continue;
    for (int cls = 0; cls < megdata::kSpctmClassCount; ++cls) ch->setSpctmChnl(cls, nullptr);
  }
}

// Wavelet mode: one transform per source waveform, the kept windows summed and averaged.
std::string computeWavelet(const MorletSettings& morlet, Baseline baseline, const EpochTiming& timing,
                           const ParallelOptions& options, Inputs& in, Plan& plan) {
  const MorletTransform transform(morlet, in.samples);
  const std::int64_t step = morlet.timeStep, T = transform.timePoints();
  const auto F = static_cast<std::int64_t>(plan.frequencies.size());
  plan.active = waveletAxes(timing.active, timing, step, T, in.samples);
  plan.control = waveletAxes(timing.control, timing, step, T, in.samples);
  if (plan.active.timePoints == 0 || plan.control.timePoints == 0) {
    return "the Active or Control window holds no time point at a time step of " + std::to_string(step);
  }
  // One workspace and one whole-epoch scratch spectrum per worker, made on first use:
  // only the kept windows of every channel are held at once.
  const unsigned workers = parallelWorkers(options.threads, in.channels.size());
  std::vector<std::unique_ptr<MorletTransform::Workspace>> workspaces(workers);
  std::vector<SpctmArrays> scratch(workers);
  const std::int64_t firstActive = plan.active.firstSample / step, firstControl = plan.control.firstSample / step;
  runParallelTasks(in.channels.size(), options, [&](std::size_t c, unsigned w) {
    if (!workspaces[w]) {
      workspaces[w] = std::make_unique<MorletTransform::Workspace>(transform);
      scratch[w] = SpctmArrays(T, F);
    }
    ChannelWork& work = in.channels[c];
    work.active = SpctmArrays(plan.active.timePoints, F);
    work.control = SpctmArrays(plan.control.timePoints, F);
    SpctmArrays& full = scratch[w];
    for (std::span<const double> wave : work.waves) {
      transform.transform(wave, {full.real.data(), full.imag.data(), full.power.data()}, *workspaces[w]);
      addRows(full, firstActive, work.active, 0, work.active.timePoints);
      addRows(full, firstControl, work.control, 0, work.control.timePoints);
    }
    const double sources = static_cast<double>(work.waves.size());
    scale(work.active, 1.0 / sources);
    scale(work.control, 1.0 / sources);
    work.results = deriveResults(work.active, work.control, baseline);
  });
  return {};
}

// Accumulated mode: the segment spectra of every source's windows, one after another.
std::string computeSegments(double samplingRateHz, std::int64_t length, Baseline baseline, const EpochTiming& timing,
                            const ParallelOptions& options, Inputs& in, Plan& plan) {
  const std::int64_t perActive = length > 0 ? timing.active.length() / length : 0;
  const std::int64_t perControl = length > 0 ? timing.control.length() / length : 0;
  if (perActive == 0 || perControl == 0) {
    return "the Active or Control window holds no whole segment of " + std::to_string(length) + " samples";
  }
  const auto sources = static_cast<std::int64_t>(in.sources);
  const auto F = static_cast<std::int64_t>(plan.frequencies.size());
  const SegmentSpectrum spectrum(samplingRateHz, length, plan.frequencies);
  plan.active = segmentAxes(perActive * sources, length);
  plan.control = segmentAxes(perControl * sources, length);
  runParallelTasks(in.channels.size(), options, [&](std::size_t c, unsigned) {
    ChannelWork& work = in.channels[c];
    work.active = SpctmArrays(plan.active.timePoints, F);
    work.control = SpctmArrays(plan.control.timePoints, F);
    for (std::size_t s = 0; s < work.waves.size(); ++s) {
      const auto segmentsOf = [&](const SampleWindow& w, std::int64_t segments) {
        const auto cut = work.waves[s].subspan(static_cast<std::size_t>(w.begin),
                                               static_cast<std::size_t>(segments * length));
        return spectrum.compute(cut);
      };
      const auto row = static_cast<std::int64_t>(s);
      addRows(segmentsOf(timing.active, perActive), 0, work.active, row * perActive, perActive);
      addRows(segmentsOf(timing.control, perControl), 0, work.control, row * perControl, perControl);
    }
    work.results = deriveResults(work.active, work.control, baseline);
  });
  return {};
}

}  // namespace

MorletSpctmComputation::MorletSpctmComputation(SpctmComputationSettings settings) : m_settings(std::move(settings)) {}

bool MorletSpctmComputation::computeTrialSpectra(CMDTrialqv& trial) {
  Inputs in;
  const EpochTiming& timing = trial.getEpochTiming();
  MorletSettings morlet = m_settings.morlet;
  morlet.samplingRateHz = timing.samplingRateHz;
  m_lastError = gatherInputs(trial, in);
  if (m_lastError.empty()) m_lastError = checkTiming(timing, in.samples);
  if (m_lastError.empty()) m_lastError = morlet.validate();
  if (!m_lastError.empty()) return false;

  Plan plan;
  plan.accumulated = trial.isAccumulatedSpctm();
  plan.frequencies = morlet.frequencies();
  ParallelOptions options;
  options.threads = m_settings.threads;
  options.progress = m_progress;
  try {
    m_lastError = plan.accumulated
                      ? computeSegments(morlet.samplingRateHz, m_settings.segmentLength, m_settings.baseline, timing,
                                        options, in, plan)
                      : computeWavelet(morlet, m_settings.baseline, timing, options, in, plan);
  } catch (const std::exception& e) {
    m_lastError = std::string("spectral computation of \"") + trialName(trial) + "\" failed: " + e.what();
  }
  if (!m_lastError.empty()) return false;
  store(trial, plan, in);
  return true;
}
