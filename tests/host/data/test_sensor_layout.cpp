// 2-D layout of a trial: standard and session-parameterised projections, the scan to a
// size, extents and the "plane done" flags.
#include <gtest/gtest.h>

#include <numbers>

#include "host/data/DatasetBuilder.h"

namespace {

// Four MEG sensors on the equator and one at the vertex (centroid z = 0.2), two EEG
// electrodes, and a channel of neither kind that projections must leave alone.
std::unique_ptr<CArrayMEDataSetqv> head() {
  return megdata::DatasetBuilder()
      .meg(L"R", 0, 0).at3D(1, 0, 0)
      .meg(L"L", 0, 0).at3D(-1, 0, 0)
      .meg(L"N", 0, 0).at3D(0, 1, 0)
      .meg(L"B", 0, 0).at3D(0, -1, 0)
      .meg(L"V", 0, 0).at3D(0, 0, 1)
      .eeg(L"E1", 5, 5).at3D(2, 3, 0)
      .eeg(L"E2", 6, 6).at3D(-4, 1, 0)
      .other(L"TRG").at3D(9, 9, 9)
      .trial(L"T")
      .planes2DNotDone()
      .build();
}

TEST(SensorLayout, StandardProjectionIsAScaledTopView) {
  auto ds = head();
  CMDTrialqv* t = ds->getSessionData(-1)->getTrialqv(-1);
  EXPECT_EQ(t->isEegElectrod2dPlaneDone(), 0);
  EXPECT_EQ(t->getMeasureMegCoilADimension(), 5);
  EXPECT_EQ(t->getMeasureEegElctDimension(), 2);
  EXPECT_EQ(t->projectEegMeasureElectrode3Dto2Dstd(2.0, 1), 1);
  EXPECT_EQ(t->isEegElectrod2dPlaneDone(), 1);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 0);
  EXPECT_EQ(t->getChannel(5)->m_dEeg2DX, 4.0);
  EXPECT_EQ(t->getChannel(5)->m_dEeg2DY, 6.0);
  EXPECT_EQ(t->getChannel(5)->m_dMeg2DX, 0.0);  // the MEG pair is untouched
  EXPECT_EQ(t->m_dEeg2DXMin, -8.0);
  EXPECT_EQ(t->m_dEeg2DXMax, 4.0);
  EXPECT_EQ(t->m_dEeg2DYMin, 2.0);
  EXPECT_EQ(t->m_dEeg2DYMax, 6.0);
  EXPECT_EQ(t->getChannel(7)->m_dEeg2DX, 0.0);
  EXPECT_EQ(t->projectMegMeasureSns3Dto2Dstd(1.0, 0), 1);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 0);
}

TEST(SensorLayout, ParameterisedProjectionPutsTheVertexAtTheCentre) {
  auto ds = head();
  CMDTrialqv* t = ds->getSessionData(-1)->getTrialqv(-1);
  // Centre at the origin (0.2 below the centroid); 2/π layout units per radian puts the
  // equator on the unit circle.
  EXPECT_EQ(t->projectMegMeasureSns3Dto2Dpro(2.0 / std::numbers::pi, 0.2), 1);
  auto pos = [t](int i) { return std::pair{t->getChannel(i)->m_dMeg2DX, t->getChannel(i)->m_dMeg2DY}; };
  EXPECT_NEAR(pos(0).first, 1.0, 1e-12);
  EXPECT_NEAR(pos(0).second, 0.0, 1e-12);
  EXPECT_NEAR(pos(1).first, -1.0, 1e-12);  // left stays left
  EXPECT_NEAR(pos(2).second, 1.0, 1e-12);  // nose side up
  EXPECT_NEAR(pos(4).first, 0.0, 1e-12);
  EXPECT_NEAR(pos(4).second, 0.0, 1e-12);
  EXPECT_NEAR(t->m_dMeg2DXMin, -1.0, 1e-12);
  EXPECT_NEAR(t->m_dMeg2DYMax, 1.0, 1e-12);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 0);  // only the scan completes the plane

  EXPECT_EQ(t->scanMegMeasureSns2Dsz(100.0), 1);
  EXPECT_EQ(t->isMegSnsr2dPlaneDone(), 1);
  EXPECT_NEAR(pos(1).first, 0.0, 1e-9);
  EXPECT_NEAR(pos(0).first, 100.0, 1e-9);
  EXPECT_NEAR(pos(4).first, 50.0, 1e-9);
  EXPECT_NEAR(pos(4).second, 50.0, 1e-9);
  EXPECT_NEAR(t->m_dMeg2DXMax, 100.0, 1e-9);
  EXPECT_NEAR(t->m_dMeg2DYMin, 0.0, 1e-9);
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
