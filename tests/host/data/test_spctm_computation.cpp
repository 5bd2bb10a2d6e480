// The host's spectral computation wired into sessions: classes cut by the epoch timing
// (latencies, time step, waveform range), Results against the stored Active and Control
// classes and against a known amplitude change, averages over source trials, accumulated
// segment spectra, failures that leave a trial untouched, and spectra on demand.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <tuple>
#include <vector>

#include "host/compute/MorletTransform.h"
#include "host/compute/SegmentSpctm.h"
#include "host/data/MorletSpctmComputation.h"
#include "tests/support/DatasetBuilder.h"

namespace {

using megdata::DatasetBuilder;
using megdata::SampleWindow;

constexpr double kPi = std::numbers::pi;
constexpr double kRate = 1000.0;
constexpr std::int64_t kSamples = 1400, kStimulus = 500;
constexpr SampleWindow kActive{500, 1100}, kControl{200, 300};

// 10, 12, ..., 30 Hz, 7 cycles each, one time point per 5 raw samples.
SpctmComputationSettings settings(unsigned threads = 0) {
  SpctmComputationSettings s;
  s.morlet.lowHz = 10.0;
  s.morlet.highHz = 30.0;
  s.morlet.frequencyCount = 11;
  s.morlet.cyclesRule = CyclesRule::Fixed;
  s.morlet.cycles = 7.0;
  s.morlet.timeStep = 5;
  s.segmentLength = 100;
  s.threads = threads;
  return s;
}
constexpr std::int64_t kF20 = 5;  // frequency point of 20 Hz

double tone(double amplitude, double k, double phase = 0.0) {
  return amplitude * std::cos(2.0 * kPi * 20.0 * k / kRate + phase);
}

// Channel 0: a 20 Hz tone whose amplitude doubles at sample 480; channel 1: a constant
// tone with a phase per trial; channel 2: no waveform.
DatasetBuilder epochs(int trials) {
  DatasetBuilder b;
  b.meg(L"A", 0, 0).meg(L"B", 1, 0).meg(L"C", 2, 0).noWave();
  for (int i = 0; i < trials; ++i) {
    const double phase = 2.0 * kPi * i / trials;
    b.trial(L"Epoch " + std::to_wstring(i + 1))
        .epochTiming(kRate, kStimulus, kActive, kControl)
        .waves(kSamples, [phase](std::int64_t c, std::int64_t k) {
          const auto x = static_cast<double>(k);
          return c == 0 ? tone(k < 480 ? 1.0 : 2.0, x) : tone(1.5, x, phase);
        });
  }
  return b;
}

CMEGDataqv* sessionOf(const std::unique_ptr<CArrayMEDataSetqv>& ds) { return ds->getSessionData(-1); }

// getSelectBE4DrawWave's answer and the sample range it gives.
using WaveStrip = std::tuple<int, std::int64_t, std::int64_t>;
WaveStrip waveStrip(const CSpctmTrialqv* st) {
  std::int64_t b = -1, e = -1;
  const int ok = st->getSelectBE4DrawWave(b, e);
  return {ok, b, e};
}

const double* data(CMDTrialqv* trial, std::int64_t chnl, int cls, int kind) {
  CSpctmChnlqv* s = trial->getChannel(chnl)->getSpctmChnl(false, cls);
  return s != nullptr ? s->getSpctmDataPtr(kind) : nullptr;
}

}  // namespace

TEST(SpctmComputation, ClassesAreCutByTheEpochTiming) {
  auto ds = epochs(1).build();
  CMEGDataqv* session = sessionOf(ds);
  session->setSpctmComputation(std::make_shared<MorletSpctmComputation>(settings()));
  ASSERT_NE(session->computTrialSpctm(nullptr, true, true, true, false, 2, 2), nullptr);
  CMDTrialqv* trial = session->getTrialqv(-1);

  // Active: samples 500, 505, ..., 1095; Control: 200, ..., 295.
  const CSpctmTrialqv* active = trial->getSpctmTrial(false, 0);
  const CSpctmTrialqv* control = trial->getSpctmTrial(false, 1);
  const CSpctmTrialqv* results = trial->getSpctmTrial(false, 2);
  ASSERT_TRUE(active && control && results);
  EXPECT_EQ(active->getTrialSpctmTimePt(), 120);
  EXPECT_EQ(control->getTrialSpctmTimePt(), 20);
  EXPECT_EQ(results->getTrialSpctmTimePt(), 120);
  EXPECT_EQ(active->getTrialSpctmFreqPt(), 11);
  EXPECT_EQ(active->getTrialSpctmTimeStep(), 5);
  EXPECT_EQ(active->getSpctmLatencyMs4TimeIndex(0), 0.0);
  EXPECT_EQ(active->getSpctmLatencyMs4TimeIndex(119), 595.0);
  EXPECT_EQ(control->getSpctmLatencyMs4TimeIndex(0), -300.0);
  EXPECT_EQ(control->getSpctmLatencyMs4TimeIndex(19), -205.0);
  EXPECT_EQ(results->getSpctmLatencyMs4TimeIndex(40), 200.0);
  EXPECT_EQ(active->getSpctmFreq4FreqIndex(kF20), 20.0);
  EXPECT_EQ(active->isAccumSpctm(), 0);
  // The waveform strip starts at the sample of time point 0 and covers T steps.
  EXPECT_EQ(waveStrip(active), (WaveStrip{1, 500, 1099}));
  EXPECT_EQ(waveStrip(control), (WaveStrip{1, 200, 299}));

  // The kept values are the transform's at those samples.
  const MorletTransform transform(settings().morlet, kSamples);  // sampled at 1 kHz too
  std::vector<double> re(static_cast<std::size_t>(transform.timePoints() * 11)), pw(re.size());
  MorletTransform::Workspace workspace(transform);
  const std::span<const double> wave(trial->getChannel(0)->getDataWave(), kSamples);
  transform.transform(wave, {re.data(), nullptr, pw.data()}, workspace);
  for (std::int64_t f = 0; f < 11; ++f) {
    EXPECT_EQ(data(trial, 0, 0, 0)[7 * 11 + f], re[static_cast<std::size_t>((100 + 7) * 11 + f)]);
    EXPECT_EQ(data(trial, 0, 1, 2)[3 * 11 + f], pw[static_cast<std::size_t>((40 + 3) * 11 + f)]);
  }
  // Summaries of every class and kind; the channel without a waveform has no spectrum.
  for (int cls = 0; cls < 3; ++cls) {
    for (int kind = 0; kind < 3; ++kind) {
      const CSumChnlSpctmDataqv* sum = trial->getSpctmTrial(false, cls)->getSumChnlSpctmData(kind);
      ASSERT_NE(sum, nullptr);
      EXPECT_EQ(sum->getChannelCount(), 2);
    }
    EXPECT_EQ(trial->getChannel(2)->getSpctmChnl(false, cls), nullptr);
  }
}

TEST(SpctmComputation, ResultsShowTheKnownAmplitudeChange) {
  auto ds = epochs(1).build();
  CMEGDataqv* session = sessionOf(ds);
  session->setSpctmComputation(std::make_shared<MorletSpctmComputation>(settings()));
  ASSERT_EQ(session->computTrialSpctmAllPro(nullptr, true), 1);
  CMDTrialqv* trial = session->getTrialqv(-1);
  const std::int64_t F = 11;
  // The arithmetic of the Results is tested on its own; here the classes it is fed.
  // Amplitude 1 in Control, 2 from 200 to 400 ms: power +300 % at 20 Hz.
  for (std::int64_t t = 40; t <= 80; t += 10) {
    EXPECT_NEAR(data(trial, 0, 2, 2)[t * F + kF20], 3.0, 0.1) << t;
    EXPECT_NEAR(data(trial, 1, 2, 2)[t * F + kF20], 0.0, 0.04) << t;  // steady tone: no change
    // Control holds two whole periods of the steady tone, whose complex mean is 0: the
    // complex Results are the Active values.
    EXPECT_NEAR(data(trial, 1, 2, 0)[t * F + kF20], data(trial, 1, 0, 0)[t * F + kF20], 1e-4) << t;
    EXPECT_NEAR(data(trial, 1, 2, 1)[t * F + kF20], data(trial, 1, 0, 1)[t * F + kF20], 1e-4) << t;
  }
}

TEST(SpctmComputation, AverageOfSourceTrials) {
  // Three epochs whose channel-1 tone has phases 0, 120 and 240 degrees, and their average.
  auto ds = epochs(3).trial(L"Average").epochTiming(kRate, kStimulus, kActive, kControl).build();
  CMEGDataqv* session = sessionOf(ds);
  CMDTrialqv* average = session->getTrialqv(3);
  average->setSpctmSources({session->getTrialqv(0), session->getTrialqv(1), session->getTrialqv(2)});
  auto one = std::make_shared<MorletSpctmComputation>(settings(1));
  ASSERT_TRUE(one->computeTrialSpectra(*average));
  const std::int64_t F = 11, mid = 60 * F + kF20;
  // Power is averaged: the tone's power 1.5² whatever its phase. The complex values cancel
  // (nothing phase-locked), while channel 0, alike in every epoch, keeps its own.
  EXPECT_NEAR(data(average, 1, 0, 2)[mid], 2.25, 0.05);
  EXPECT_NEAR(std::hypot(data(average, 1, 0, 0)[mid], data(average, 1, 0, 1)[mid]), 0.0, 1e-3);
  EXPECT_NEAR(std::hypot(data(average, 0, 0, 0)[mid], data(average, 0, 0, 1)[mid]), 2.0, 0.04);
  ASSERT_TRUE(one->computeTrialSpectra(*session->getTrialqv(1)));
  EXPECT_NEAR(data(session->getTrialqv(1), 1, 0, 2)[mid], data(average, 1, 0, 2)[mid], 1e-9);

  // The worker count does not change a single value.
  auto ds2 = epochs(3).trial(L"Average").epochTiming(kRate, kStimulus, kActive, kControl).build();
  CMEGDataqv* s2 = sessionOf(ds2);
  s2->getTrialqv(3)->setSpctmSources({s2->getTrialqv(0), s2->getTrialqv(1), s2->getTrialqv(2)});
  ASSERT_TRUE(MorletSpctmComputation(settings(2)).computeTrialSpectra(*s2->getTrialqv(3)));
  for (std::int64_t c = 0; c < 2; ++c) {
    for (int kind = 0; kind < 3; ++kind) {
      EXPECT_EQ(std::vector<double>(data(average, c, 2, kind), data(average, c, 2, kind) + 120 * F),
                std::vector<double>(data(s2->getTrialqv(3), c, 2, kind), data(s2->getTrialqv(3), c, 2, kind) + 120 * F));
    }
  }
}

TEST(SpctmComputation, AccumulatedTrialsHoldSegmentSpectra) {
  auto ds = epochs(2).trial(L"Segments").epochTiming(kRate, kStimulus, kActive, kControl).build();
  CMEGDataqv* session = sessionOf(ds);
  CMDTrialqv* segments = session->getTrialqv(2);
  segments->setSpctmSources({session->getTrialqv(0), session->getTrialqv(1)});
  segments->setAccumulatedSpctm(true);
  session->setSpctmComputation(std::make_shared<MorletSpctmComputation>(settings()));
  ASSERT_NE(session->computTrialSpctm(segments, true, true, true, false, 0, 2), nullptr);

  // Active 600 samples: 6 segments of 100 per source; Control 100 samples: 1 per source.
  const CSpctmTrialqv* active = segments->getSpctmTrial(false, 0);
  const CSpctmTrialqv* control = segments->getSpctmTrial(false, 1);
  EXPECT_EQ(active->getTrialSpctmTimePt(), 12);
  EXPECT_EQ(control->getTrialSpctmTimePt(), 2);
  EXPECT_EQ(segments->getSpctmTrial(false, 2)->getTrialSpctmTimePt(), 12);
  for (int cls = 0; cls < 3; ++cls) EXPECT_EQ(segments->getSpctmTrial(false, cls)->isAccumSpctm(), 1);
  EXPECT_EQ(active->getTrialSpctmTimeStep(), 100);
  EXPECT_EQ(active->getSpctmLatencyMs4TimeIndex(7), 7.0);
  EXPECT_EQ(std::get<0>(waveStrip(active)), 0);

  // Row 6 + j is segment j of the second source's Active window.
  const CMDChannelqv* source = session->getTrialqv(1)->getChannel(1);
  const std::span<const double> wave(source->getDataWave(), kSamples);
  const SpctmArrays expected =
      SegmentSpectrum(kRate, 100, settings().morlet.frequencies()).compute(wave.subspan(500, 600));
  const std::int64_t F = 11;
  for (std::int64_t j = 0; j < 6; ++j) {
    for (std::int64_t f = 0; f < F; ++f) {
      EXPECT_EQ(data(segments, 1, 0, 2)[(6 + j) * F + f], expected.power[expected.at(j, f)]);
      EXPECT_EQ(data(segments, 1, 0, 1)[(6 + j) * F + f], expected.imag[expected.at(j, f)]);
    }
  }
  // Channel 0 doubles its amplitude before the Active window: +300 % at 20 Hz.
  EXPECT_NEAR(data(segments, 0, 2, 2)[3 * F + kF20], 3.0, 0.05);
}

TEST(SpctmComputation, FailuresSayWhyAndLeaveTheTrialAlone) {
  struct Case {
    DatasetBuilder builder;
    const char* why;
  };
  const auto withTiming = [](double rate, SampleWindow active, SampleWindow control) {
    return DatasetBuilder().meg(L"A", 0, 0).trial(L"T").epochTiming(rate, 0, active, control)
        .waves(kSamples, [](std::int64_t, std::int64_t k) { return std::sin(0.1 * static_cast<double>(k)); });
  };
  Case cases[] = {
      {withTiming(0.0, kActive, kControl), "sampling rate"},
      {withTiming(kRate, {500, 1500}, kControl), "Active window [500, 1500)"},
      {withTiming(kRate, kActive, {300, 300}), "Control window"},
      {withTiming(50.0, kActive, kControl), "Nyquist"},
      {withTiming(kRate, {501, 505}, kControl), "no time point"},  // samples 501..504, none a multiple of 5
      {DatasetBuilder().meg(L"A", 0, 0).noWave().trial(L"T").epochTiming(kRate, 0, kActive, kControl),
       "no channel with a raw waveform"},
  };
  for (Case& c : cases) {
    // A built spectrum stands in for earlier results that must survive the failure.
    auto ds = c.builder.grid(2, 2).spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 7.0; })
                  .build();
    CMEGDataqv* session = sessionOf(ds);
    auto computation = std::make_shared<MorletSpctmComputation>(settings());
    session->setSpctmComputation(computation);
    EXPECT_EQ(session->computTrialSpctm(nullptr, true, true, true, true, 0, 0), nullptr) << c.why;
    EXPECT_NE(computation->lastError().find(c.why), std::string::npos) << computation->lastError();
    CMDTrialqv* trial = session->getTrialqv(-1);
    EXPECT_EQ(trial->getSpctmTrial(false, 0)->getTrialSpctmTimePt(), 2) << c.why;
    EXPECT_EQ(trial->getSpctmTrial(false, 1), nullptr) << c.why;
    EXPECT_FALSE(session->m_bProcessing);
  }
  // Sources that do not match the trial.
  auto ds = epochs(1).trial(L"Other").epochTiming(kRate, kStimulus, kActive, kControl)
                .waves(900, [](std::int64_t, std::int64_t) { return 1.0; }).trial(L"Avg").build();
  CMEGDataqv* session = sessionOf(ds);
  CMDTrialqv* avg = session->getTrialqv(2);
  avg->setSpctmSources({session->getTrialqv(0), session->getTrialqv(1)});
  MorletSpctmComputation computation(settings());
  EXPECT_FALSE(computation.computeTrialSpectra(*avg));
  EXPECT_NE(computation.lastError().find("has 900 raw samples"), std::string::npos) << computation.lastError();
  EXPECT_EQ(avg->getSpctmTrial(false, 0), nullptr);
}

TEST(SpctmComputation, ProgressProcessingFlagAndKeptSelection) {
  auto ds = epochs(1).build();
  CMEGDataqv* session = sessionOf(ds);
  auto computation = std::make_shared<MorletSpctmComputation>(settings(2));
  int last = 0;
  bool processingSeen = true;
  computation->setProgress([&](int percent) {  // serialised by the worker pool
    last = percent;
    processingSeen = processingSeen && session->m_bProcessing;
  });
  session->setSpctmComputation(computation);
  ASSERT_EQ(session->computTrialSpctmAllPro(nullptr, true), 1);
  EXPECT_EQ(last, 100);
  EXPECT_TRUE(processingSeen);
  EXPECT_FALSE(session->m_bProcessing);
  EXPECT_TRUE(computation->lastError().empty());

  // "Update" recomputes the same grid: the user's selection stays.
  CSpctmTrialqv* active = session->getTrialqv(-1)->getSpctmTrial(false, 0);
  active->setTrialSpctmSelectTime(30, 10);
  active->setTrialSpctmSelectFreq(2, 4);
  ASSERT_EQ(session->computTrialSpctmAllPro(nullptr, true), 1);
  std::int64_t b = 0, e = 0;
  active->getTrialSpctmSelectTime(b, e);
  EXPECT_EQ(b, 30);  // kept as dragged, backwards
  EXPECT_EQ(e, 10);
  active->getTrialSpctmSelectFreq(b, e);
  EXPECT_EQ(e, 4);
}

TEST(SpctmComputation, SpectraOnDemandFollowTheCurrentTrial) {
  auto ds = epochs(2).trial(L"Average").epochTiming(kRate, kStimulus, kActive, kControl).build();
  CMEGDataqv* session = sessionOf(ds);
  CMDTrialqv* first = session->getTrialqv(0);
  CMDTrialqv* second = session->getTrialqv(1);
  CMDTrialqv* average = session->getTrialqv(2);
  average->setSpctmSources({first, second});
  session->setSpctmComputation(std::make_shared<MorletSpctmComputation>(settings()));
  ASSERT_EQ(session->computTrialSpctmAllPro(average, true), 1);
  session->setSpctmOnDemand(true);

  ASSERT_EQ(session->setCurrentTrial(2), 1);  // the first trial had none, so nothing to drop
  EXPECT_EQ(first->getSpctmTrial(false, 0), nullptr);
  ASSERT_EQ(session->setCurrentTrial(1), 1);
  ASSERT_NE(second->getSpctmTrial(false, 0), nullptr);
  EXPECT_NE(second->getSpctmTrial(false, 2)->getSumChnlSpctmData(2), nullptr);
  EXPECT_EQ(session->hasData2Draw(), 1);
  ASSERT_EQ(session->setCurrentTrial(0), 1);
  EXPECT_EQ(second->getSpctmTrial(false, 0), nullptr);              // dropped when left
  EXPECT_EQ(second->getChannel(0)->getSpctmChnl(false, 0), nullptr);
  EXPECT_NE(first->getSpctmTrial(false, 0), nullptr);
  ASSERT_EQ(session->setCurrentTrial(2), 1);
  EXPECT_EQ(first->getSpctmTrial(false, 0), nullptr);
  EXPECT_NE(average->getSpctmTrial(false, 0), nullptr);  // computed by the host: kept
  ASSERT_EQ(session->setCurrentTrial(1), 1);
  EXPECT_NE(average->getSpctmTrial(false, 0), nullptr);
  EXPECT_EQ(session->setCurrentTrial(3), 0);
  EXPECT_NE(second->getSpctmTrial(false, 0), nullptr);  // a refused change drops nothing
}
