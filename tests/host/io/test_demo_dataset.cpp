// The demo: the recording byte for byte the same for the same seed; the dataset's
// documented structure, the documented effects in the Results class of the average trial
// at the documented sensors, times and frequencies, and both 2-D layouts. (Spectra on
// demand are tested with the computation.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>

#include "host/io/DemoDataset.h"
#include "host/io/MegHelmet.h"

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
  ADD_FAILURE() << "no channel " << name;
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

TEST(DemoRecording, SameSeedSameBytesOtherSeedOtherBytes) {
  const DemoRecording a = generateDemoRecording({DemoSettings{}.seed, 2});
  const DemoRecording b = generateDemoRecording({DemoSettings{}.seed, 2});
  ASSERT_EQ(a.samples.size(), 2 * (megHelmet().size() + 75) * 2000);  // epochs x channels x samples
  EXPECT_EQ(std::memcmp(a.samples.data(), b.samples.data(), a.samples.size() * sizeof(double)), 0);
  const DemoRecording c = generateDemoRecording({DemoSettings{}.seed + 1, 2});
  EXPECT_NE(std::memcmp(a.samples.data(), c.samples.data(), a.samples.size() * sizeof(double)), 0);
  // The first epochs do not depend on how many epochs follow.
  const DemoRecording longer = generateDemoRecording({DemoSettings{}.seed, 3});
  EXPECT_EQ(std::memcmp(a.samples.data(), longer.samples.data(), a.samples.size() * sizeof(double)), 0);
  EXPECT_THROW(generateDemoRecording({7, 0}), std::invalid_argument);
  // Lookups outside the recording find nothing.
  EXPECT_EQ(a.channelIndex("nonexistent"), -1);
  EXPECT_TRUE(a.wave(2, 0).empty());
  EXPECT_TRUE(a.wave(0, -1).empty());
}

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

  // The average's classes (cut as every epoch timing is, tested with the computation):
  // Active 0..990 ms, Control -350..-60 ms in 10 ms steps, 4..80 Hz in 2 Hz steps.
  const CSpctmTrialqv* active = avg->getSpctmTrial(false, 0);
  const CSpctmTrialqv* control = avg->getSpctmTrial(false, 1);
  ASSERT_TRUE(active && control && avg->getSpctmTrial(false, 2));
  EXPECT_EQ(active->getTrialSpctmTimePt(), 100);
  EXPECT_EQ(control->getTrialSpctmTimePt(), 30);
  EXPECT_EQ(active->getTrialSpctmFreqPt(), 39);
  EXPECT_EQ(control->getSpctmLatencyMs4TimeIndex(0), -350.0);
  for (int kind = 0; kind < 3; ++kind) EXPECT_NE(avg->getSpctmTrial(false, 2)->getSumChnlSpctmData(kind), nullptr);
  // Epochs and segments wait until they become current.
  for (std::int64_t t = 1; t < 22; ++t) EXPECT_EQ(session->getTrialqv(t)->getSpctmTrial(false, 0), nullptr) << t;
  EXPECT_TRUE(session->getTrialqv(21)->isAccumulatedSpctm());

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
    SCOPED_TRACE(e.name);
    for (const wchar_t* sensor : e.sensors) {
      const double change = resultsPower(sensor, e.hz, e.fromMs, e.toMs);
      EXPECT_TRUE(change >= e.lowest && change <= e.highest) << sensor << ": " << change;
    }
    // Far from every effect (frontal and temporal sensors), the same window changes little.
    for (const wchar_t* far : {L"MZF01", L"MRT31", L"Fpz", L"AF3"})
      EXPECT_NEAR(resultsPower(far, e.hz, e.fromMs, e.toMs), 0.0, 0.5) << far;
    // Well before or after the change (the wavelets' envelopes reach about 240 ms), its
    // sensors are near their Control level.
    EXPECT_NEAR(resultsPower(e.sensors[0], e.hz, e.quietFromMs, e.quietToMs), 0.0, 0.5) << "when quiet";
  }
}

TEST(DemoDataset, LayoutsScannedWithTheNoseAtTheSmallestY) {
  CMDTrialqv* trial = averageTrial();
  EXPECT_EQ(trial->isMegSnsr2dPlaneDone(), 1);
  EXPECT_EQ(trial->isEegElectrod2dPlaneDone(), 1);
  // Scanned to 100 units on the larger side, starting at 0.
  EXPECT_EQ(trial->m_dMeg2DXMin, 0.0);
  EXPECT_EQ(trial->m_dMeg2DYMin, 0.0);
  EXPECT_NEAR(std::max(trial->m_dMeg2DXMax, trial->m_dMeg2DYMax), 100.0, 1e-9);
  const auto eeg = [&](const wchar_t* name) {
    const CMDChannelqv* ch = trial->getChannel(channelIndex(trial, name));
    return std::pair{ch->m_dEeg2DX, ch->m_dEeg2DY};
  };
  // Nose to back along y, left ear to right ear along x, the vertex central; the outer
  // ring (T9, T10, Nz, Iz) bounds the square extent.
  EXPECT_LT(eeg(L"Fpz").second, eeg(L"Cz").second);
  EXPECT_LT(eeg(L"Cz").second, eeg(L"Oz").second);
  EXPECT_LT(eeg(L"C3").first, eeg(L"Cz").first);
  EXPECT_LT(eeg(L"Cz").first, eeg(L"C4").first);
  EXPECT_NEAR(eeg(L"Cz").first, 50.0, 0.5);
  EXPECT_NEAR(eeg(L"Cz").second, 50.0, 0.5);
  EXPECT_NEAR(eeg(L"T9").first, 0.0, 1e-9);
  EXPECT_NEAR(eeg(L"T10").first, 100.0, 1e-9);
  EXPECT_NEAR(eeg(L"Nz").second, 0.0, 1e-9);
  EXPECT_NEAR(eeg(L"Iz").second, 100.0, 1e-9);

  // The helmet through the session's projection: every left sensor left of the midline,
  // regions from the nose back.
  std::map<wchar_t, std::pair<double, double>> yRange;  // region letter -> lowest, highest y
  const double midline = trial->getChannel(channelIndex(trial, L"MZC01"))->m_dMeg2DX;
  for (std::int64_t i = 0; i < trial->getTotalChannel(); ++i) {
    const CMDChannelqv* ch = trial->getChannel(i);
    if (ch->isMEGMeasureChannel() == 0) continue;
    EXPECT_EQ(ch->m_strName[1] == L'L', ch->m_dMeg2DX < midline - 1.0) << i;
    EXPECT_EQ(ch->m_strName[1] == L'R', ch->m_dMeg2DX > midline + 1.0) << i;
    auto& range = yRange.try_emplace(ch->m_strName[2], ch->m_dMeg2DY, ch->m_dMeg2DY).first->second;
    range = {std::min(range.first, ch->m_dMeg2DY), std::max(range.second, ch->m_dMeg2DY)};
  }
  EXPECT_LT(yRange[L'F'].second, yRange[L'O'].first);
  EXPECT_LT(yRange[L'F'].first, yRange[L'C'].first);
  EXPECT_LT(yRange[L'C'].first, yRange[L'P'].first);
}
