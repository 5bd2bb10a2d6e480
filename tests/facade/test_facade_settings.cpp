// The facade's settings: the host callback handed on, the colour range set directly or
// from the data, and the root's answer to messages.
#include "tests/facade/FacadeTest.h"

#include "tests/support/DatasetBuilder.h"
#include "windows/single/CDlgSpctm1C.h"

namespace facadetest {
namespace {

int hostCallback(int n) { return n + 1; }

struct Range {
  double colorMin, colorMax, stdMin, stdMax;
};

Range rangeOf(const CMEGSpctmDrawqv& draw) { return {draw.m_dColorMin, draw.m_dColorMax, draw.m_dStdMin, draw.m_dStdMax}; }

void expectRange(const Range& got, const Range& want, const char* what) {
  EXPECT_DOUBLE_EQ(got.colorMin, want.colorMin) << what;
  EXPECT_DOUBLE_EQ(got.colorMax, want.colorMax) << what;
  EXPECT_DOUBLE_EQ(got.stdMin, want.stdMin) << what;
  EXPECT_DOUBLE_EQ(got.stdMax, want.stdMax) << what;
}

TEST_F(FacadeTest, CallbackIsHandedToTheWindowsShownAfterIt) {
  EXPECT_EQ(face.setSpctmCallbackFunction(&hostCallback), 1);
  const auto data = spectraDataset();
  ASSERT_EQ(face.showSpctmDlgRstOneChnl(data.get(), nullptr), 1);
  EXPECT_EQ(face.m_pDlgOneChnlRst->m_pfnSpctmCallback, &hostCallback);
}

TEST_F(FacadeTest, InitSpctmRangeTakesTheRangeOverAllChannels) {
  EXPECT_EQ(face.setSpctmRange(-4.0, 9.0), 1);
  const Range set{-4.0, 9.0, face.m_draw.m_dStdMin, face.m_draw.m_dStdMax};
  expectRange(rangeOf(face.m_draw), set, "setSpctmRange");

  // Without data and without an earlier binding nothing changes.
  EXPECT_EQ(face.initSpctmRange(nullptr, 0, 0), 0);
  expectRange(rangeOf(face.m_draw), set, "null dataset");
  const auto noTrial = megdata::DatasetBuilder().meg(L"M1", 0, 0).grid(2, 2).currentTrial(-1).build();
  EXPECT_EQ(face.initSpctmRange(noTrial.get(), 0, 0), 0);
  expectRange(rangeOf(face.m_draw), set, "no current trial");

  // Real parts of spectraDataset(offset) run from offset to offset + 3.8; the imaginary
  // ones are their negatives. The lower bound becomes the standard minimum only above 0.
  struct Case {
    double offset;
    int kind;
    Range want;
  };
  const Case cases[] = {
      {-1.0, 0, {-1.0, 2.8, 0.0, 2.8}},
      {0.5, 0, {0.5, 4.3, 0.5, 4.3}},
      {0.5, 1, {-4.3, -0.5, 0.0, -0.5}},
  };
  for (const Case& c : cases) {
    const auto data = spectraDataset(c.offset);
    EXPECT_EQ(face.initSpctmRange(data.get(), 2, c.kind), 0);
    EXPECT_EQ(face.m_draw.m_pDataSet, data.get());
    expectRange(rangeOf(face.m_draw), c.want, ("offset " + std::to_string(c.offset)).c_str());
  }
}

TEST_F(FacadeTest, RootAnswersMessagesWithZeroAndTheFacadeWithOne) {
  const auto data = spectraDataset();
  face.showSpctmDlgActOneChnl(data.get(), nullptr);
  CMEGSpctmShow2DFace& asRoot = face;
  EXPECT_EQ(asRoot.CMEGSpctmShow2DFace::sendMessageX(SPCTM_MSG_SET_DATA_KIND, 0, 2), 0);
  EXPECT_EQ(face.m_pDlgOneChnlAct->m_nDataKind, 0) << "the root changes nothing";
  for (int code : {int{SPCTM_MSG_SET_DATA_KIND}, int{SPCTM_MSG_MAP_SELECT}, 6, 0}) EXPECT_EQ(asRoot.sendMessageX(code, 3, 1), 1);
}

}  // namespace
}  // namespace facadetest
