// Planar gradiometer pairs: found by place or by name, and combined for the topographic
// views as the root of the summed power (the pair's first channel holds the summed
// power, its Results derived from it; the second is neither shown nor counted).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "host/io/PlanarPairs.h"
#include "host/io/RecordingDataset.h"

namespace {

RecordingChannel grad(const std::string& name, bool placed, Point3 at = {}) {
  RecordingChannel ch;
  ch.name = name;
  ch.type = ChannelType::MegGrad;
  ch.unit = "T/m";
  ch.hasPosition = placed;
  ch.position = at;
  return ch;
}

TEST(PlanarPairs, SamePlaceOrNamesDifferingInTheLastCharacter) {
  std::vector<RecordingChannel> channels = {
      grad("MEG 0112", true, {0.01, 0.02, 0.08}), grad("MEG 0121", true, {0.03, 0.02, 0.08}),
      grad("MEG 0113", true, {0.01, 0.02, 0.08 + 5e-5}), grad("MEG 0122", true, {0.03, 0.02, 0.08}),
      grad("G7a", false), grad("G7b", false), grad("G8a", false)};
  channels.push_back(channels[0]);
  channels.back().type = ChannelType::MegMag;  // a magnetometer at the same place pairs with nothing
  using P = std::pair<std::size_t, std::size_t>;
  EXPECT_EQ(planarPairs(channels), (std::vector<P>{{0, 2}, {1, 3}, {4, 5}}));
}

// Two gradiometers at one place: G1 a 10 Hz rhythm of 3 fT/cm throughout, G2 one of
// 4 fT/cm from 300 ms to 2.5 s after each event; events every 4 s.
Recording pairRecording() {
  Recording rec;
  rec.samplingRateHz = 1000.0;
  rec.sampleCount = 24000;
  rec.channels = {grad("G1", true, {0, 0.02, 0.09}), grad("G2", true, {0, 0.02, 0.09})};
  rec.samples.assign(2 * 24000, 0.0f);
  for (std::int64_t i = 0; i < 24000; ++i) {
    const double wave = std::cos(2 * std::numbers::pi * 10.0 * static_cast<double>(i) / 1000.0);
    const std::int64_t sinceEvent = i % 4000;
    rec.samples[static_cast<std::size_t>(i)] = static_cast<float>(3e-13 * wave);
    if (sinceEvent >= 300 && sinceEvent < 2500) rec.samples[static_cast<std::size_t>(24000 + i)] = static_cast<float>(4e-13 * wave);
  }
  for (std::int64_t e = 1; e <= 5; ++e) rec.events.push_back({4000 * e, 1, {}});
  return rec;
}

// Mean of a class's power at frequency point 0 of a channel over time points [tb, te].
double meanPower(CMDChannelqv& ch, int cls, std::int64_t tb, std::int64_t te) {
  std::int64_t T = 0, F = 0;
  const double* p = ch.getSpctmChnl(false, cls)->getSpctmDataPtr(2, &T, &F);
  double sum = 0;
  for (std::int64_t t = tb; t <= te; ++t) sum += p[t * F];
  return sum / static_cast<double>(te - tb + 1);
}

TEST(PlanarPairs, ThePairsFirstChannelHoldsTheSummedPowerAndItsResults) {
  RecordingDatasetOptions options;
  options.meg = MegChoice::Grad;
  options.spectra.morlet.lowHz = options.spectra.morlet.highHz = 10.0;
  options.spectra.morlet.frequencyCount = 1;
  const auto ds = buildRecordingDataset(pairRecording(), options);
  CMEGDataqv* session = ds->getSessionData(-1);
  CMDTrialqv* average = session->getTrialqv(0);
  ASSERT_EQ(average->getTotalChannel(), 2);
  EXPECT_EQ(average->getChannelName(0), L"G1+G2");
  EXPECT_EQ(session->isShowChnl4Alltrials(1), 0);
  EXPECT_EQ(session->isGoodChnl4Alltrials(1), 0);
  CMDChannelqv& pair = *average->getChannel(0);
  // Active 0..800 ms in 10 ms steps: from 600 ms on both rhythms are fully in the wavelet.
  const double active = meanPower(pair, 0, 60, 79), control = meanPower(pair, 1, 0, 49);
  EXPECT_NEAR(std::sqrt(active), 5.0, 0.05);   // root of 3^2 + 4^2 (fT/cm)
  EXPECT_NEAR(std::sqrt(control), 3.0, 0.03);  // G1 alone
  EXPECT_NEAR(meanPower(pair, 2, 60, 79), (25.0 - 9.0) / 9.0, 0.03);
  // The second gradiometer keeps its own spectra.
  EXPECT_NEAR(std::sqrt(meanPower(*average->getChannel(1), 0, 60, 79)), 4.0, 0.04);
  // An epoch made current computes the same way.
  session->setCurrentTrial(3);
  EXPECT_NEAR(std::sqrt(meanPower(*session->getTrialqv(3)->getChannel(0), 0, 60, 79)), 5.0, 0.05);
}

}  // namespace
