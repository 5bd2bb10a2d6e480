// The canvas's layout: where sensors land for every orientation, the channel-type choice,
// the 2-D layout made when the host has none, and what a layout without extent gives.
#include "tests/windows/topo/TopoCanvas.h"

#include "platform/ui/CWinApp.h"

using namespace topotest;

namespace {

// Four MEG sensors spanning 10 × 5 layout units, a null entry and an EEG electrode. On a
// 320 × 220 canvas with the frame margin of 120 (half 60), one unit is 20 pixels across
// (200 / 10) and 20 up (100 / 5).
megdata::DatasetBuilder fourSensors() {
  return megdata::DatasetBuilder()
      .meg(L"A", 0, 0).meg(L"B", 10, 0).nullChannel().meg(L"C", 0, 5).meg(L"D", 10, 5).eeg(L"Cz", 3, 2)
      .grid(10, 10).spectra(0, [](std::int64_t, std::int64_t, std::int64_t, int) { return 1.0; });
}

TEST(CanvasLayout, SensorsLandByTheLayoutInEveryOrientation) {
  Bound b(fourSensors(), 320, 220);
  ASSERT_EQ(b.draw(), 1);
  EXPECT_DOUBLE_EQ(b.canvas.m_dScaleX, 20.0);
  EXPECT_DOUBLE_EQ(b.canvas.m_dScaleY, 20.0);
  struct Case {
    bool radiology, noseUp;
    CPoint a, d;  // sensors at layout (0, 0) and (10, 5)
  };
  // Normal: x = 60 + 20·x; y = 160 − 20·y. Radiology: x = 260 − 20·x. Nose up:
  // y = 220 − 120 / 6 − y, so the layout's y = 0 row lies at 40.
  for (const Case& c : {Case{false, false, {60, 160}, {260, 60}}, Case{true, false, {260, 160}, {60, 60}},
                        Case{false, true, {60, 40}, {260, 140}}, Case{true, true, {260, 40}, {60, 140}}}) {
    SCOPED_TRACE(testing::Message() << "radiology " << c.radiology << " nose up " << c.noseUp);
    b.radiology = c.radiology;
    b.canvas.m_bNoseUp = c.noseUp;
    EXPECT_EQ(b.sensor(0), c.a);
    EXPECT_EQ(b.sensor(4), c.d);
  }
}

TEST(CanvasLayout, PointsOutsideTheCanvasAreClampedAndTheImageKeepsItsSize) {
  Bound b(megdata::DatasetBuilder().meg(L"A", -5, 0).meg(L"B", 5, 5).meg(L"C", 0, 20).grid(4, 4), 320, 220);
  ASSERT_EQ(b.draw(), 1);  // units: 20 across (200 / 10), 5 up (100 / 20)
  b.canvas.m_bNoseUp = 0;
  EXPECT_EQ(b.sensor(0), CPoint(0, 160));    // x = 60 − 100 = −40
  EXPECT_EQ(b.sensor(2), CPoint(60, 60));
  b.canvas.m_dScaleY = 50.0;
  EXPECT_EQ(b.sensor(2), CPoint(60, 0));     // y = 160 − 1000
  // The image keeps the size it was made with until something deletes it.
  b.client = CRect(0, 0, 400, 300);
  ASSERT_EQ(b.draw(), 1);
  EXPECT_EQ(b.canvas.m_nCanvasWidth, 320);
  b.canvas.deleteOffscreenImage();
  ASSERT_EQ(b.draw(), 1);
  EXPECT_EQ(b.canvas.m_nCanvasWidth, 400);
  EXPECT_EQ(b.canvas.m_nCanvasHeight, 300);
}

TEST(CanvasLayout, ChannelTypeChoosesTheSensorsAndRefusesOthers) {
  CWinApp app;
  Bound b(fourSensors(), 320, 220);
  b.canvas.m_bNoseUp = 0;
  b.canvas.m_nChannelType = 1;  // the electrode alone: its extent is a point
  EXPECT_EQ(b.draw(), 0);
  ASSERT_EQ(app.scripted()->messageBoxes.size(), 1u);
  EXPECT_EQ(app.scripted()->messageBoxes[0].text, L"EEG electrode location error: Contourmap size <= 0!?");
  b.canvas.m_nChannelType = 2;
  EXPECT_EQ(b.draw(), 0);
  EXPECT_EQ(b.canvas.pickSensor(CPoint(60, 160), 0, 0, 2), 0);
  ASSERT_EQ(app.scripted()->messageBoxes.size(), 3u);
  EXPECT_EQ(app.scripted()->messageBoxes[1].text, L"Contourmap Channel Type Error!?");
  EXPECT_EQ(app.scripted()->messageBoxes[2].text, L"Contourmap Channel Type Error!?");

  // MEG: the electrode and the null entry are left out of the field's sensor list.
  b.canvas.m_nChannelType = 0;
  ASSERT_EQ(b.canvas.buildSensorList(0), 1);
  ASSERT_EQ(b.canvas.m_grid.snsrCount, 4);
  EXPECT_EQ(b.canvas.m_grid.snsrLoc2D[2].chnl, 3);  // index counts the null entry
  EXPECT_EQ(b.canvas.m_grid.xMax, 10.0);
  EXPECT_EQ(b.canvas.m_grid.yMax, 5.0);
}

TEST(CanvasLayout, MegSensorsInOneColumnShowTheLocationError) {
  CWinApp app;
  Bound b(megdata::DatasetBuilder().meg(L"A", 3, 0).meg(L"B", 3, 4).grid(4, 4), 320, 220);
  EXPECT_EQ(b.draw(), 0);
  ASSERT_EQ(app.scripted()->messageBoxes.size(), 1u);
  EXPECT_EQ(app.scripted()->messageBoxes[0].text, L"MEG sensor location error: Contourmap size <= 0!?");
}

TEST(CanvasLayout, LayoutIsProjectedWhenTheHostHasNone) {
  // Three sensors on a 10 cm sphere: at the vertex, 90° to the right and 90° to the front.
  const auto layout = megdata::DatasetBuilder()
                          .meg(L"V", 0, 0).at3D(0, 0, 0.1).meg(L"R", 0, 0).at3D(0.1, 0, 0).meg(L"N", 0, 0).at3D(0, 0.1, 0)
                          .grid(4, 4).planes2DNotDone();
  {
    Bound b(layout, 320, 220);
    b.canvas.m_bUseStdProjection = 1;  // scale 2: 20 units per radian, moved to start at 0
    ASSERT_EQ(b.draw(), 1);
    EXPECT_TRUE(b.trial().isMegSnsr2dPlaneDone());
    EXPECT_NEAR(b.trial().m_dMeg2DXMax - b.trial().m_dMeg2DXMin, 10 * 3.14159265, 1e-6);
  }
  Bound b(layout, 320, 220);  // the session's projection, then the scan to 100 units
  ASSERT_EQ(b.draw(), 1);
  EXPECT_TRUE(b.trial().isMegSnsr2dPlaneDone());
  EXPECT_DOUBLE_EQ(std::max(b.trial().m_dMeg2DXMax, b.trial().m_dMeg2DYMax), 100.0);
  EXPECT_DOUBLE_EQ(b.trial().m_dMeg2DXMin, 0.0);
}

}  // namespace
