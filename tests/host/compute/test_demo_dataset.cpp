// The demo dataset: its documented structure, same seed same bytes, the documented
// effects in the Results class of the average trial at the documented sensors, times and
// frequencies, both layouts as the topographic canvas places them, and memory held only
// by the average and the current trial.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "host/io/DemoDataset.h"
#include "tests/host/compute/CanvasPoint.h"

namespace {

const CArrayMEDataSetqv& demo() {
  static const std::unique_ptr<CArrayMEDataSetqv> ds = buildDemoDataset();
  return *ds;
}

CMDTrialqv* averageTrial() { return demo().getSessionData(-1)->getTrialqv(0); }

std::int64_t channelIndex(const CMDTrialqv* trial, const std::wstring& name) {
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    if (trial->getChannelName(i) == name) return i;
  }
  ADD_FAILURE() << "no channel " << std::string(name.begin(), name.end());
  return 0;
}

// Mean Results power (relative change) of a channel of the average over latencies
// [fromMs, toMs] at the frequency point of `hz`.
double resultsPower(const std::wstring& channel, double hz, double fromMs, double toMs) {
  CMDTrialqv* trial = averageTrial();
  const CSpctmTrialqv* st = trial->getSpctmTrial(false, 2);
  std::int64_t f = 0;
  while (f < st->getTrialSpctmFreqPt() && st->getSpctmFreq4FreqIndex(f) < hz - 1e-9) ++f;
  EXPECT_EQ(st->getSpctmFreq4FreqIndex(f), hz);
  std::int64_t tb = 0, te = 0;
  while (tb + 1 < st->getTrialSpctmTimePt() && st->getSpctmLatencyMs4TimeIndex(tb) < fromMs) ++tb;
  for (te = tb; te + 1 < st->getTrialSpctmTimePt() && st->getSpctmLatencyMs4TimeIndex(te + 1) <= toMs;) ++te;
  return trial->getChannel(channelIndex(trial, channel))->getSpctmChnl(false, 2)->getSelectSpctmValue(tb, te, f, f, 2);
}

}  // namespace

TEST(DemoDataset, DocumentedStructure) {
  CMEGDataqv* session = demo().getSessionData(-1);
  ASSERT_NE(session, nullptr);
  EXPECT_EQ(session->getSessionName(), L"Demo recording");
  ASSERT_EQ(session->getTotalTrial(), 22);
  EXPECT_EQ(session->getCurrentTrialPt(), averageTrial());
  EXPECT_EQ(averageTrial()->m_strName, L"Average");
  EXPECT_EQ(session->getTrialqv(1)->m_strName, L"Epoch 1");
  EXPECT_EQ(session->getTrialqv(21)->m_strName, L"Segments");
  EXPECT_TRUE(session->isSpctmOnDemand());
  EXPECT_EQ(averageTrial()->getSpctmSources().size(), 20u);

  CMDTrialqv* avg = averageTrial();
  std::int64_t meg = 0, eeg = 0;
  ASSERT_EQ(session->getSpctmChnlMegEeg(meg, eeg), 1);
  EXPECT_EQ(meg, 229);
  EXPECT_EQ(eeg, 75);
  EXPECT_EQ(avg->getChannelName(0).substr(0, 1), L"M");
  EXPECT_EQ(avg->getChannelName(229), L"Nz");
  const std::int64_t bad = channelIndex(avg, L"MRT21");
  for (std::int64_t i = 0; i < avg->getTotalChannel(); ++i) {
    EXPECT_EQ(session->isGoodChnl4Alltrials(i), i == bad ? 0 : 1);
    EXPECT_EQ(session->isShowChnl4Alltrials(i), 1);
    EXPECT_EQ(avg->getChannel(i)->getDataWaveLength(), 2000);
  }
  EXPECT_EQ(session->getShowZoomChnl(0), 0.1);
  EXPECT_EQ(session->getShowZoomChnl(229), 1.0);

  // The average's classes: Active 0..990 ms, Control -350..-60 ms, 4..80 Hz in 2 Hz steps.
  const CSpctmTrialqv* active = avg->getSpctmTrial(false, 0);
  const CSpctmTrialqv* control = avg->getSpctmTrial(false, 1);
  ASSERT_TRUE(active && control && avg->getSpctmTrial(false, 2));
  EXPECT_EQ(active->getTrialSpctmTimePt(), 100);
  EXPECT_EQ(control->getTrialSpctmTimePt(), 30);
  EXPECT_EQ(active->getTrialSpctmFreqPt(), 39);
  EXPECT_EQ(active->getTrialSpctmTimeStep(), 10);
  EXPECT_EQ(active->getSpctmLatencyMs4TimeIndex(99), 990.0);
  EXPECT_EQ(control->getSpctmLatencyMs4TimeIndex(0), -350.0);
  EXPECT_EQ(active->getSpctmFreq4FreqIndex(38), 80.0);
  for (int kind = 0; kind < 3; ++kind) EXPECT_NE(avg->getSpctmTrial(false, 2)->getSumChnlSpctmData(kind), nullptr);
  std::int64_t b = 0, e = 0;
  EXPECT_EQ(active->getSelectBE4DrawWave(b, e), 1);
  EXPECT_EQ(b, 600);
  EXPECT_EQ(e, 1599);
  // Epochs and segments wait until they become current.
  for (std::int64_t t = 1; t < 22; ++t) EXPECT_EQ(session->getTrialqv(t)->getSpctmTrial(false, 0), nullptr) << t;
  EXPECT_TRUE(session->getTrialqv(21)->isAccumulatedSpctm());
}

TEST(DemoDataset, SameSeedSameBytes) {
  const auto build = [](std::uint64_t seed) {
    DemoDatasetOptions options;
    options.recording = {seed, 2};
    options.segmentsTrial = false;
    return buildDemoDataset(options);
  };
  const auto bytes = [](const CArrayMEDataSetqv& ds, std::int64_t trial, std::int64_t chnl) {
    CMDChannelqv* ch = ds.getSessionData(-1)->getTrialqv(trial)->getChannel(chnl);
    std::int64_t T = 0, F = 0;
    const double* results = trial == 0 ? ch->getSpctmChnl(false, 2)->getSpctmDataPtr(1, &T, &F) : nullptr;
    std::string out(reinterpret_cast<const char*>(ch->getDataWave()), 2000 * sizeof(double));
    if (results != nullptr) out.append(reinterpret_cast<const char*>(results), static_cast<std::size_t>(T * F) * sizeof(double));
    return out;
  };
  const auto a = build(5), b = build(5), c = build(6);
  ASSERT_EQ(a->getSessionData(-1)->getTotalTrial(), 3);
  for (std::int64_t trial : {0, 2}) {
    for (std::int64_t chnl : {0, 150, 300}) {
      EXPECT_EQ(bytes(*a, trial, chnl), bytes(*b, trial, chnl)) << trial << " " << chnl;
      EXPECT_NE(bytes(*a, trial, chnl), bytes(*c, trial, chnl)) << trial << " " << chnl;
    }
  }
  DemoDatasetOptions none;
  none.recording.epochs = 0;
  EXPECT_THROW(buildDemoDataset(none), std::invalid_argument);
}

TEST(DemoDataset, EffectsStandOutInTheAverageResults) {
  struct Effect {
    const char* name;
    double hz, fromMs, toMs;
    std::vector<const wchar_t*> sensors;
    double lowest, highest;  // bounds of the mean relative change
    double quietFromMs, quietToMs;  // a span of the Active window the change stays out of
  };
  const Effect effects[] = {
      {"alpha decrease", 10.0, 150.0, 650.0, {L"MZO01", L"MLO34", L"MRO34", L"POz", L"Oz"}, -1.0, -0.6, 900.0, 990.0},
      {"beta rebound", 20.0, 500.0, 800.0, {L"MLC32", L"MRC32", L"MLC23", L"C1", L"C2"}, 1.5, 1e9, 0.0, 300.0},
      {"gamma increase", 60.0, 100.0, 300.0, {L"MZO02", L"MLO44", L"MRO44", L"Oz"}, 2.0, 1e9, 600.0, 990.0},
  };
  for (const Effect& e : effects) {
    for (const wchar_t* sensor : e.sensors) {
      const double change = resultsPower(sensor, e.hz, e.fromMs, e.toMs);
      const std::wstring w(sensor);
      EXPECT_GE(change, e.lowest) << e.name << " at " << std::string(w.begin(), w.end());
      EXPECT_LE(change, e.highest) << e.name << " at " << std::string(w.begin(), w.end());
    }
    // Far from every effect (frontal and temporal sensors), the same window changes little.
    for (const wchar_t* far : {L"MZF01", L"MRT31", L"Fpz", L"AF3"}) {
      const std::wstring w(far);
      EXPECT_NEAR(resultsPower(far, e.hz, e.fromMs, e.toMs), 0.0, 0.5) << e.name << " at " << std::string(w.begin(), w.end());
    }
    // Well before or after the change (the wavelets' envelopes reach about 240 ms), its
    // sensors are near their Control level.
    EXPECT_NEAR(resultsPower(e.sensors[0], e.hz, e.quietFromMs, e.quietToMs), 0.0, 0.5) << e.name << " when quiet";
  }
}

TEST(DemoDataset, LayoutsAsTheCanvasDrawsThem) {
  CMDTrialqv* trial = averageTrial();
  EXPECT_EQ(trial->isMegSnsr2dPlaneDone(), 1);
  EXPECT_EQ(trial->isEegElectrod2dPlaneDone(), 1);
  // Scanned to 100 units on the larger side, starting at 0.
  EXPECT_EQ(trial->m_dEeg2DXMin, 0.0);
  EXPECT_EQ(trial->m_dEeg2DYMin, 0.0);
  EXPECT_NEAR(std::max(trial->m_dEeg2DXMax, trial->m_dEeg2DYMax), 100.0, 1e-9);
  EXPECT_NEAR(std::max(trial->m_dMeg2DXMax, trial->m_dMeg2DYMax), 100.0, 1e-9);
  EXPECT_EQ(trial->m_dMeg2DXMin, 0.0);

  CanvasPlacement eeg{400, 400, 120, true, false, trial->m_dEeg2DXMin, trial->m_dEeg2DXMax, trial->m_dEeg2DYMin,
                      trial->m_dEeg2DYMax};
  const auto eegAt = [&](const wchar_t* name) {
    const CMDChannelqv* ch = trial->getChannel(channelIndex(trial, name));
    return eeg.at(ch->m_dEeg2DX, ch->m_dEeg2DY);
  };
  // Nose Up: nose side on top, back at the bottom, left ear on the left, vertex central.
  EXPECT_LT(eegAt(L"Nz").y, eegAt(L"Fpz").y);
  EXPECT_LT(eegAt(L"Fpz").y, eegAt(L"Cz").y);
  EXPECT_LT(eegAt(L"Cz").y, eegAt(L"Oz").y);
  EXPECT_LT(eegAt(L"Oz").y, eegAt(L"Iz").y);
  EXPECT_LT(eegAt(L"T7").x, eegAt(L"C3").x);
  EXPECT_LT(eegAt(L"C3").x, eegAt(L"Cz").x);
  EXPECT_LT(eegAt(L"Cz").x, eegAt(L"C4").x);
  EXPECT_NEAR(static_cast<double>(eegAt(L"Cz").x), 200.0, 2.0);
  // The canvas's Nose Up reflection shifts the picture by a sixth of the margin.
  EXPECT_NEAR(static_cast<double>(eegAt(L"Cz").y), 200.0 - 20.0, 2.0);
  // The extent fills the canvas inside the margin: T7 and T8 at the sides, Nz and Iz at
  // the top and bottom (before the reflection's shift).
  EXPECT_EQ(eegAt(L"T9").x, 60);
  EXPECT_EQ(eegAt(L"T10").x, 340);
  EXPECT_EQ(eegAt(L"Nz").y, 40);
  EXPECT_EQ(eegAt(L"Iz").y, 320);
  // Radiology mirrors left and right.
  CanvasPlacement mirrored = eeg;
  mirrored.radiology = true;
  const CMDChannelqv* t7 = trial->getChannel(channelIndex(trial, L"T7"));
  EXPECT_GT(mirrored.at(t7->m_dEeg2DX, t7->m_dEeg2DY).x, 200);

  // The helmet: every left sensor left of the midline, frontal sensors above occipital ones.
  CanvasPlacement meg{400, 400, 120, true, false, trial->m_dMeg2DXMin, trial->m_dMeg2DXMax, trial->m_dMeg2DYMin,
                      trial->m_dMeg2DYMax};
  std::map<wchar_t, std::int64_t> lowestY, highestY;  // by region letter
  const std::int64_t midline = meg.at(trial->getChannel(channelIndex(trial, L"MZC01"))->m_dMeg2DX, 0).x;
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    const CMDChannelqv* ch = trial->getChannel(i);
    if (ch->isMEGMeasureChannel() == 0) continue;
    const CanvasPoint p = meg.at(ch->m_dMeg2DX, ch->m_dMeg2DY);
    const wchar_t hemisphere = ch->m_strName[1], region = ch->m_strName[2];
    EXPECT_EQ(hemisphere == L'L', p.x < midline) << i;
    EXPECT_EQ(hemisphere == L'R', p.x > midline) << i;
    lowestY.try_emplace(region, p.y);
    highestY.try_emplace(region, p.y);
    lowestY[region] = std::min(lowestY[region], p.y);
    highestY[region] = std::max(highestY[region], p.y);
  }
  EXPECT_LT(highestY[L'F'], lowestY[L'O']);
  EXPECT_LT(lowestY[L'F'], lowestY[L'C']);
  EXPECT_LT(lowestY[L'C'], lowestY[L'P']);
}

TEST(DemoDataset, OnlyTheAverageAndTheCurrentTrialHoldSpectra) {
  DemoDatasetOptions options;
  options.recording.epochs = 3;
  auto ds = buildDemoDataset(options);
  CMEGDataqv* session = ds->getSessionData(-1);
  const auto holding = [&] {
    std::vector<std::int64_t> with;
    for (std::int64_t t = 0; t < session->getTotalTrial(); ++t) {
      if (session->getTrialqv(t)->getSpctmTrial(false, 2) != nullptr) with.push_back(t);
    }
    return with;
  };
  EXPECT_EQ(holding(), (std::vector<std::int64_t>{0}));
  ASSERT_EQ(session->setCurrentTrial(2), 1);
  EXPECT_EQ(holding(), (std::vector<std::int64_t>{0, 2}));
  EXPECT_EQ(session->getTrialqv(2)->getSpctmTrial(false, 0)->getTrialSpctmTimePt(), 100);
  ASSERT_EQ(session->setCurrentTrial(4), 1);  // the segments
  EXPECT_EQ(holding(), (std::vector<std::int64_t>{0, 4}));
  const CSpctmTrialqv* segments = session->getTrialqv(4)->getSpctmTrial(false, 0);
  EXPECT_EQ(segments->isAccumSpctm(), 1);
  EXPECT_EQ(segments->getTrialSpctmTimePt(), 3 * 5);  // five 200-sample segments per epoch
  ASSERT_EQ(session->setCurrentTrial(0), 1);
  EXPECT_EQ(holding(), (std::vector<std::int64_t>{0}));
}
