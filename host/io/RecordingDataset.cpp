#include "host/io/RecordingDataset.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>

#include "host/io/LayoutOverride.h"
#include "host/io/PlanarPairs.h"
#include "host/io/SensorPlacement.h"

namespace {

constexpr double kLayoutSize = 100.0;
constexpr double kMegGain = 0.1;  // pixels per fT or fT/cm, as the demo
constexpr double kEegGain = 1.0;  // pixels per µV
constexpr std::size_t kListedNames = 40;  // channel names a warning lists

std::wstring widen(const std::string& s) {
  std::wstring out;
  for (char c : s) out += static_cast<unsigned char>(c) < 0x80 ? static_cast<wchar_t>(c) : L'?';
  return out;
}

// Physical unit → display unit: T → fT, T/m → fT/cm, V → µV.
double displayScale(ChannelType type) {
  switch (type) {
    case ChannelType::MegMag: return 1e15;
    case ChannelType::MegGrad: return 1e13;
    default: return 1e6;
  }
}

// The channels shown, by index into the recording.
std::vector<std::size_t> chooseChannels(const Recording& rec, MegChoice meg, const RecordingDatasetOptions& options) {
  std::size_t mags = 0, grads = 0, eegs = 0;
  for (const RecordingChannel& ch : rec.channels) {
    mags += ch.type == ChannelType::MegMag;
    grads += ch.type == ChannelType::MegGrad;
    eegs += ch.type == ChannelType::Eeg;
  }
  if (meg == MegChoice::Auto) meg = mags > 0 || grads == 0 ? MegChoice::Mag : MegChoice::Grad;
  const ChannelType megType = meg == MegChoice::Mag ? ChannelType::MegMag : ChannelType::MegGrad;
  const std::size_t megCount = meg == MegChoice::Mag ? mags : grads;
  if (meg == MegChoice::Mag && grads > 0 && options.note) {
    options.note("showing " + std::to_string(mags) + " MEG magnetometers; the " + std::to_string(grads) +
                 " planar gradiometers with --meg grad");
  }
  if (meg == MegChoice::Grad && mags > 0 && options.note) {
    options.note("showing " + std::to_string(grads) + " MEG planar gradiometers; the " + std::to_string(mags) +
                 " magnetometers with --meg mag");
  }
  if (megCount + eegs == 0) {
    throw std::invalid_argument(std::string("the recording has no ") +
                                (meg == MegChoice::Grad ? "MEG gradiometer" : "MEG") + " or EEG channel to show");
  }
  std::vector<std::size_t> shown;
  for (std::size_t c = 0; c < rec.channels.size(); ++c) {
    if (rec.channels[c].type == megType || rec.channels[c].type == ChannelType::Eeg) shown.push_back(c);
  }
  return shown;
}

// What the trials are made of: the shown channels, their positions and the epochs.
struct Plan {
  const Recording& rec;
  std::vector<std::size_t> shown;
  std::vector<std::string> names;  // as the trials show them: a pair's first is "A+B"
  SensorPlacement placement;
  Epochs epochs;
  std::vector<std::pair<std::int64_t, std::int64_t>> pairs;  // planar gradiometer pairs (shown indices)
};

std::vector<double> epochWave(const Plan& plan, std::size_t shownIndex, std::int64_t epoch) {
  const std::size_t c = plan.shown[shownIndex];
  const double scale = displayScale(plan.rec.channels[c].type);
  const auto first = static_cast<std::size_t>(plan.epochs.firstSamples[static_cast<std::size_t>(epoch)]);
  const auto wave = plan.rec.channel(c).subspan(first, static_cast<std::size_t>(plan.epochs.samplesPerEpoch));
  std::vector<double> out(wave.size());
  std::transform(wave.begin(), wave.end(), out.begin(), [scale](float v) { return static_cast<double>(v) * scale; });
  return out;
}

std::vector<double> evokedWave(const Plan& plan, std::size_t shownIndex) {
  const auto count = static_cast<std::int64_t>(plan.epochs.firstSamples.size());
  std::vector<double> mean(static_cast<std::size_t>(plan.epochs.samplesPerEpoch), 0.0);
  for (std::int64_t e = 0; e < count; ++e) {
    const std::vector<double> wave = epochWave(plan, shownIndex, e);
    for (std::size_t i = 0; i < mean.size(); ++i) mean[i] += wave[i];
  }
  for (double& v : mean) v /= static_cast<double>(count);
  return mean;
}

template <typename WaveFn>
std::unique_ptr<CMDTrialqv> makeTrial(const Plan& plan, std::wstring name, WaveFn wave) {
  auto trial = std::make_unique<CMDTrialqv>(std::move(name));
  trial->setEpochTiming(plan.epochs.timing);
  for (std::size_t i = 0; i < plan.shown.size(); ++i) {
    const RecordingChannel& source = plan.rec.channels[plan.shown[i]];
    auto ch = std::make_unique<CMDChannelqv>(widen(plan.names[i]), source.type == ChannelType::Eeg
                                                                     ? CMDChannelqv::kEegElectrode
                                                                     : CMDChannelqv::kMegSensor);
    const Point3& p = plan.placement.positions[i];
    ch->setPosition3D(p.x, p.y, p.z);
    ch->setDataWave(wave(i));
    trial->addChannel(std::move(ch));
  }
  return trial;
}

void layOut(CMEGDataqv& session, CMDTrialqv& trial) {
  trial.projectMegMeasureSns3Dto2Dpro(session.m_dProj2DScale, session.m_dProj2DDepth);
  trial.scanMegMeasureSns2Dsz(kLayoutSize);
  trial.projectEegMeasureSns3Dto2Dpro(session.m_dProj2DScale, session.m_dProj2DDepth);
  trial.scanEegMeasureSns2Dsz(kLayoutSize);
}

// "A, B, C", the first kListedNames names and how many more.
std::string nameList(const std::vector<std::string>& names) {
  std::string out;
  for (std::size_t i = 0; i < names.size() && i < kListedNames; ++i) out += (i > 0 ? ", " : "") + names[i];
  if (names.size() > kListedNames) out += " and " + std::to_string(names.size() - kListedNames) + " more";
  return out;
}

// The user's layout over every trial's projected one; says what it placed.
void applyLayoutFile(CMEGDataqv& session, const LayoutFile& layout, const RecordingDatasetOptions& options) {
  LayoutOverride first;
  for (std::int64_t t = 0; t < session.getTotalTrial(); ++t) {
    LayoutOverride placed = overrideLayout(*session.getTrialqv(t), layout, kLayoutSize);
    if (t == 0) first = std::move(placed);
  }
  if (!options.note) return;
  options.note("layout " + options.layoutPath + ": " + std::to_string(first.placed.size()) + " channels placed");
  if (first.placed.empty()) options.note("warning: the layout names none of the channels shown; the projected layouts stay");
  if (!first.onRing.empty()) {
    options.note("warning: the layout has no place for " + std::to_string(first.onRing.size()) +
                 " channels, shown on a ring around it: " + nameList(first.onRing));
  }
}

}  // namespace

std::int64_t transformMarginSamples(const MorletSettings& settings) {
  const std::vector<double> freqs = settings.frequencies(), cycles = settings.cyclesPerFrequency();
  double reach = 0.0;
  for (std::size_t f = 0; f < freqs.size(); ++f) {
    reach = std::max(reach, 3.0 * cycles[f] / (2.0 * std::numbers::pi * freqs[f]) * settings.samplingRateHz);
  }
  return static_cast<std::int64_t>(std::ceil(reach));
}

std::unique_ptr<CArrayMEDataSetqv> buildRecordingDataset(Recording recording, const RecordingDatasetOptions& options) {
  const auto report = [&](std::string_view stage, int percent) {
    if (options.progress) options.progress(stage, percent);
  };
  const auto note = [&](const std::string& message) {
    if (options.note) options.note(message);
  };
  MorletSettings morlet = options.spectra.morlet;
  morlet.samplingRateHz = recording.samplingRateHz;
  if (const std::string why = morlet.validate(); !why.empty()) throw std::invalid_argument(why);

  report("Cutting epochs", 0);
  Plan plan{recording, chooseChannels(recording, options.meg, options), {}, {}, {}, {}};
  std::vector<RecordingChannel> shownChannels;
  for (std::size_t c : plan.shown) shownChannels.push_back(recording.channels[c]);
  plan.placement = placeSensors(shownChannels);
  for (const RecordingChannel& ch : shownChannels) plan.names.push_back(ch.name);
  for (const auto& [first, second] : planarPairs(shownChannels)) {
    plan.names[first] += "+" + shownChannels[second].name;
    plan.pairs.emplace_back(static_cast<std::int64_t>(first), static_cast<std::int64_t>(second));
  }
  if (!plan.pairs.empty()) {
    note(std::to_string(plan.pairs.size()) + " planar gradiometer pairs combined for the topographic views: the " +
         "first of each, named A+B, holds the pair's summed power");
  }
  if (!plan.placement.onRing.empty()) {
    note("warning: no position for " + std::to_string(plan.placement.onRing.size()) +
         " channels, shown on a ring around the head: " + nameList(plan.placement.onRing));
  }
  EpochingOptions epoching = options.epoching;
  epoching.marginSamples = transformMarginSamples(morlet);
  epoching.alignStimulusTo = morlet.timeStep;
  plan.epochs = cutEpochs(recording, epoching);
  for (const std::string& m : plan.epochs.messages) note(m);
  for (const std::string& r : plan.epochs.rejections) note("rejected " + r);

  auto session = std::make_unique<CMEGDataqv>(widen(recording.path));
  CMDTrialqv* average = session->addTrial(makeTrial(plan, L"Average", [&](std::size_t i) { return evokedWave(plan, i); }));
  std::vector<const CMDTrialqv*> epochs;
  const auto count = static_cast<std::int64_t>(plan.epochs.firstSamples.size());
  for (std::int64_t e = 0; e < count; ++e) {
    epochs.push_back(session->addTrial(makeTrial(plan, L"Epoch " + std::to_wstring(e + 1),
                                                 [&](std::size_t i) { return epochWave(plan, i, e); })));
    report("Cutting epochs", static_cast<int>(100 * (e + 1) / count));
  }
  for (std::size_t i = 0; i < plan.shown.size(); ++i) {
    const RecordingChannel& ch = recording.channels[plan.shown[i]];
    const auto index = static_cast<std::int64_t>(i);
    session->setGoodChnl4Alltrials(index, ch.bad ? 0 : 1);
    session->setShowChnl4Alltrials(index, 1);
    session->setShowZoomChnl(index, ch.type == ChannelType::Eeg ? kEegGain : kMegGain);
  }
  for (const auto& pair : plan.pairs) {  // the second of a pair lives on in the first
    session->setShowChnl4Alltrials(pair.second, 0);
    session->setGoodChnl4Alltrials(pair.second, 0);
  }
  std::vector<float>().swap(recording.samples);  // the trials hold their own copies now
  average->setSpctmSources(epochs);
  for (std::int64_t t = 0; t < session->getTotalTrial(); ++t) layOut(*session, *session->getTrialqv(t));
  if (!options.layoutPath.empty()) applyLayoutFile(*session, readLayoutFile(options.layoutPath), options);

  std::shared_ptr<megdata::SpctmComputation> computation = std::make_shared<MorletSpctmComputation>(options.spectra);
  if (!plan.pairs.empty()) {
    computation = std::make_shared<PlanarPairComputation>(computation, plan.pairs, options.spectra.baseline);
  }
  computation->setProgress([&](int percent) { report("Computing spectra", percent); });
  session->setSpctmComputation(computation);
  if (session->computTrialSpctm(average, true, true, true, true, 0, 0) == nullptr) {
    throw std::runtime_error(recording.path + ": " + computation->lastError());
  }
  computation->setProgress(nullptr);
  session->setSpctmOnDemand(true);

  auto dataset = std::make_unique<CArrayMEDataSetqv>();
  dataset->addSession(std::move(session));
  return dataset;
}
