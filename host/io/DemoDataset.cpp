#include "host/io/DemoDataset.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kMegGain = 0.1;  // pixels per fT
constexpr double kEegGain = 1.0;  // pixels per µV
constexpr double kLayoutSize = 100.0;

std::wstring widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// A trial holding every channel of the recording, its waveforms taken from `wave`.
template <typename WaveFn>
std::unique_ptr<CMDTrialqv> makeTrial(const DemoRecording& rec, std::wstring name, WaveFn wave) {
  auto trial = std::make_unique<CMDTrialqv>(std::move(name));
  trial->setEpochTiming(rec.timing);
  for (std::size_t c = 0; c < rec.channels.size(); ++c) {
    const DemoChannel& source = rec.channels[c];
    auto ch = std::make_unique<CMDChannelqv>(widen(source.name), source.kind == SensorKind::MegAxial
                                                                     ? CMDChannelqv::kMegSensor
                                                                     : CMDChannelqv::kEegElectrode);
    ch->setPosition3D(source.position.x, source.position.y, source.position.z);
    ch->setDataWave(wave(static_cast<std::int64_t>(c)));
    trial->addChannel(std::move(ch));
  }
  return trial;
}

std::vector<double> evokedAverage(const DemoRecording& rec, std::int64_t channel) {
  std::vector<double> mean(static_cast<std::size_t>(rec.samplesPerEpoch), 0.0);
  const double share = 1.0 / static_cast<double>(rec.epochCount);
  for (std::int64_t e = 0; e < rec.epochCount; ++e) {
    const std::span<const double> wave = rec.wave(e, channel);
    for (std::size_t i = 0; i < mean.size(); ++i) mean[i] += share * wave[i];
  }
  return mean;
}

// Both modalities' layouts as the topographic canvas would make them by default.
void layOut(CMEGDataqv& session, CMDTrialqv& trial) {
  trial.projectMegMeasureSns3Dto2Dpro(session.m_dProj2DScale, session.m_dProj2DDepth);
  trial.scanMegMeasureSns2Dsz(kLayoutSize);
  trial.projectEegMeasureSns3Dto2Dpro(session.m_dProj2DScale, session.m_dProj2DDepth);
  trial.scanEegMeasureSns2Dsz(kLayoutSize);
}

void setChannelFlags(CMEGDataqv& session, const DemoRecording& rec) {
  for (std::size_t c = 0; c < rec.channels.size(); ++c) {
    const auto index = static_cast<std::int64_t>(c);
    const bool meg = rec.channels[c].kind == SensorKind::MegAxial;
    session.setGoodChnl4Alltrials(index, rec.channels[c].bad ? 0 : 1);
    session.setShowChnl4Alltrials(index, 1);
    session.setShowZoomChnl(index, meg ? kMegGain : kEegGain);
  }
}

}  // namespace

std::unique_ptr<CArrayMEDataSetqv> buildDemoDataset(const DemoDatasetOptions& options) {
  const auto report = [&](std::string_view stage, int percent) {
    if (options.progress) options.progress(stage, percent);
  };
  report("Generating the recording", 0);
  std::unique_ptr<CMEGDataqv> session = std::make_unique<CMEGDataqv>(L"Demo recording");
  std::vector<CMDTrialqv*> epochs;
  CMDTrialqv* average = nullptr;
  CMDTrialqv* segments = nullptr;
  {
    // The recording's own copy of the samples lives only while the trials are filled.
    const DemoRecording rec = generateDemoRecording(options.recording);
    average = session->addTrial(makeTrial(rec, L"Average", [&](std::int64_t c) { return evokedAverage(rec, c); }));
    for (std::int64_t e = 0; e < rec.epochCount; ++e) {
      epochs.push_back(session->addTrial(makeTrial(rec, L"Epoch " + std::to_wstring(e + 1), [&](std::int64_t c) {
        const std::span<const double> wave = rec.wave(e, c);
        return std::vector<double>(wave.begin(), wave.end());
      })));
    }
    if (options.segmentsTrial) {
      segments = session->addTrial(makeTrial(rec, L"Segments", [](std::int64_t) { return std::vector<double>{}; }));
      segments->setAccumulatedSpctm(true);
    }
    setChannelFlags(*session, rec);
  }
  report("Generating the recording", 100);

  const std::vector<const CMDTrialqv*> sources(epochs.begin(), epochs.end());
  average->setSpctmSources(sources);
  if (segments != nullptr) segments->setSpctmSources(sources);
  for (std::int64_t t = 0; t < session->getTotalTrial(); ++t) layOut(*session, *session->getTrialqv(t));

  auto computation = std::make_shared<MorletSpctmComputation>(options.spectra);
  computation->setProgress([&](int percent) { report("Computing spectra", percent); });
  session->setSpctmComputation(computation);
  if (session->computTrialSpctm(average, true, true, true, true, 0, 0) == nullptr) {
    throw std::runtime_error("demo dataset: " + computation->lastError());
  }
  computation->setProgress(nullptr);
  session->setSpctmOnDemand(true);

  auto dataset = std::make_unique<CArrayMEDataSetqv>();
  dataset->addSession(std::move(session));
  return dataset;
}
