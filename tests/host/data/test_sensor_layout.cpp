// 2-D layout of a trial: standard and session-parameterised projections (nose at the
// smallest layout y, left at the smallest x, vertex at the centre), the scan to a size,
// extents and the "plane done" flags.
#include <gtest/gtest.h>

#include <numbers>

#include "tests/support/DatasetBuilder.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Sensors on the unit sphere: right ear, left ear, nose, back, vertex; the same five as
// EEG electrodes; and a channel of neither kind that projections must leave alone.
std::unique_ptr<CArrayMEDataSetqv> head() {
  megdata::DatasetBuilder b;
  for (const wchar_t* type : {L"M", L"E"}) {
    const auto add = [&](const wchar_t* name) -> megdata::DatasetBuilder& {
      const std::wstring n = std::wstring(type) + name;
      return type[0] == L'M' ? b.meg(n, 0, 0) : b.eeg(n, 0, 0);
    };
    add(L"R").at3D(1, 0, 0);
    add(L"L").at3D(-1, 0, 0);
    add(L"N").at3D(0, 1, 0);
    add(L"B").at3D(0, -1, 0);
    add(L"V").at3D(0, 0, 1);
  }
  return b.other(L"TRG").at3D(9, 9, 9).trial(L"T").planes2DNotDone().build();
}

enum { R, L, N, B, V };

std::pair<double, double> meg(const CMDTrialqv* t, int i) {
  return {t->getChannel(i)->m_dMeg2DX, t->getChannel(i)->m_dMeg2DY};
}
std::pair<double, double> eeg(const CMDTrialqv* t, int i) {
  return {t->getChannel(5 + i)->m_dEeg2DX, t->getChannel(5 + i)->m_dEeg2DY};
}

void expectAt(std::pair<double, double> p, double x, double y) {
  EXPECT_NEAR(p.first, x, 1e-9);
  EXPECT_NEAR(p.second, y, 1e-9);
}

TEST(SensorLayout, StandardProjectionIsEquidistantAndStartsAtTheOrigin) {
  auto ds = head();
  CMDTrialqv* t = ds->getSessionData(-1)->getTrialqv(-1);
  EXPECT_EQ(t->isEegElectrod2dPlaneDone(), 0);
  EXPECT_EQ(t->getMeasureMegCoilADimension(), 5);
  EXPECT_EQ(t->getMeasureEegElctDimension(), 5);
  EXPECT_EQ(t->projectEegMeasureElectrode3Dto2Dstd(2.0, 1), 1);
  EXPECT_EQ(t->isEegElectrod2dPlaneDone(), 1);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 0);
  // Scale 2: 20 layout units per radian, so the equator lies 10π from the vertex; the
  // layout is then moved by 10π on both axes.
  const double ring = 10.0 * kPi;
  expectAt(eeg(t, V), ring, ring);        // vertex at the centre
  expectAt(eeg(t, N), ring, 0.0);         // nose at the smallest y
  expectAt(eeg(t, B), ring, 2.0 * ring);  // back at the largest y
  expectAt(eeg(t, L), 0.0, ring);         // left at the smallest x
  expectAt(eeg(t, R), 2.0 * ring, ring);
  EXPECT_NEAR(t->m_dEeg2DXMin, 0.0, 1e-9);
  EXPECT_NEAR(t->m_dEeg2DXMax, 2.0 * ring, 1e-9);
  EXPECT_NEAR(t->m_dEeg2DYMin, 0.0, 1e-9);
  EXPECT_NEAR(t->m_dEeg2DYMax, 2.0 * ring, 1e-9);
  EXPECT_EQ(t->getChannel(5)->m_dMeg2DX, 0.0);   // the MEG pair of an electrode is untouched
  EXPECT_EQ(t->getChannel(10)->m_dEeg2DX, 0.0);  // so is a channel of neither kind
  EXPECT_EQ(t->projectMegMeasureSns3Dto2Dstd(1.0, 0), 1);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 0);
  EXPECT_EQ(t->projectMegMeasureSns3Dto2Dstd(0.0, 1), 0);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 0);
}

TEST(SensorLayout, ParameterisedProjectionAndScan) {
  auto ds = head();
  CMDTrialqv* t = ds->getSessionData(-1)->getTrialqv(-1);
  // Centre at the head origin, 2/π units per radian: the equator on the unit circle.
  EXPECT_EQ(t->projectMegMeasureSns3Dto2Dpro(2.0 / kPi, 0.0), 1);
  expectAt(meg(t, R), 1.0, 0.0);
  expectAt(meg(t, L), -1.0, 0.0);
  expectAt(meg(t, N), 0.0, -1.0);
  expectAt(meg(t, B), 0.0, 1.0);
  expectAt(meg(t, V), 0.0, 0.0);
  EXPECT_NEAR(t->m_dMeg2DXMin, -1.0, 1e-12);
  EXPECT_NEAR(t->m_dMeg2DYMax, 1.0, 1e-12);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 0);  // only the scan completes the plane

  // A centre one unit below the origin sees the equator at 45 degrees.
  EXPECT_EQ(t->projectMegMeasureSns3Dto2Dpro(2.0 / kPi, 1.0), 1);
  expectAt(meg(t, R), 0.5, 0.0);
  expectAt(meg(t, V), 0.0, 0.0);

  EXPECT_EQ(t->scanMegMeasureSns2Dsz(100.0), 1);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 1);
  expectAt(meg(t, L), 0.0, 50.0);
  expectAt(meg(t, R), 100.0, 50.0);
  expectAt(meg(t, N), 50.0, 0.0);
  expectAt(meg(t, V), 50.0, 50.0);
  EXPECT_NEAR(t->m_dMeg2DXMax, 100.0, 1e-9);
  EXPECT_NEAR(t->m_dMeg2DYMin, 0.0, 1e-9);

  // Unusable values leave the positions as they were.
  EXPECT_EQ(t->projectMegMeasureSns3Dto2Dpro(0.0, 0.0), 0);
  EXPECT_EQ(t->projectMegMeasureSns3Dto2Dpro(1.0, -1.0), 0);  // the vertex sensor is the centre
  expectAt(meg(t, R), 100.0, 50.0);
}

TEST(SensorLayout, ScanKeepsTheAspectAndRefusesDegenerateLayouts) {
  auto ds = megdata::DatasetBuilder().eeg(L"a", 0, 0).eeg(L"b", 2, 0).eeg(L"c", 0, 1).meg(L"m", 3, 3)
                .trial(L"T").build();
  CMDTrialqv* t = ds->getSessionData(-1)->getTrialqv(-1);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 1);  // built positions count as done
  EXPECT_EQ(t->m_dMeg2DXMin, 3.0);
  EXPECT_EQ(t->scanEegMeasureSns2Dsz(0.0), 0);
  EXPECT_EQ(t->scanEegMeasureSns2Dsz(100.0), 1);
  EXPECT_EQ(t->getChannel(1)->m_dEeg2DX, 100.0);
  EXPECT_EQ(t->getChannel(2)->m_dEeg2DY, 50.0);
  EXPECT_EQ(t->m_dEeg2DYMax, 50.0);
  EXPECT_EQ(t->scanMegMeasureSns2Dsz(10.0), 0);  // a single sensor has no span
  EXPECT_EQ(t->getChannel(3)->m_dMeg2DX, 3.0);

  auto none = megdata::DatasetBuilder().other(L"x").trial(L"T").build();
  CMDTrialqv* n = none->getSessionData(-1)->getTrialqv(-1);
  EXPECT_EQ(n->projectMegMeasureSns3Dto2Dstd(1.0, 1), 0);
  EXPECT_EQ(n->projectEegMeasureSns3Dto2Dpro(1.0, 0.0), 0);
  EXPECT_EQ(n->m_bMegSnsr2dPlaneDone, true);  // unchanged by the failed call
  EXPECT_EQ(n->m_dMeg2DXMax, 0.0);
}

}  // namespace
