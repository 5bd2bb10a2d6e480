// The draw-settings record: exact bytes, round trip, and the ways a loaded record can be
// wrong (signature, version, end of file; unusual bool bytes are in the replayed corpus).
// The expected records are the fuzz seeds, written value by value from the record's
// table, not by the engine.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>

#include "fuzz/DrawSettingsInput.h"

namespace {

using Bytes = std::vector<BYTE>;

// valid-fresh.bin: a fresh engine's record (time grid off); valid-pattern.bin: that
// record with every body byte changed (bools flipped, other bytes XOR 0xA5).
Bytes seed(const char* name) {
  std::ifstream in(std::string(SPCTM_SOURCE_DIR) + "/fuzz/corpus/draw_settings/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads a record into the engine; the archive's exceptions pass through.
int load(CMEGSpctmDrawqv& d, const Bytes& bytes, ULONGLONG* position = nullptr) {
  CMemFile file(bytes);
  CArchive ar(&file, CArchive::load);
  const int result = d.serializeqv(ar);
  if (position) *position = file.GetPosition();
  return result;
}

template <class T>
T at(const Bytes& b, size_t offset) {
  T v;
  std::memcpy(&v, b.data() + offset, sizeof v);
  return v;
}

using fuzzinput::storeSettings;

class SettingsArchive : public ::testing::Test {
 protected:
  std::vector<MessageBoxRequest>& boxes() { return app.scripted()->messageBoxes; }
  CWinApp app;
};

TEST_F(SettingsArchive, FreshEngineGivesTheDocumentedRecord) {
  CMEGSpctmDrawqv d;
  const Bytes b = storeSettings(d);
  ASSERT_EQ(b.size(), 302u);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 4), (Bytes{0xFF, 0xFE, 0xFF, 0x0C}));
  EXPECT_EQ(Bytes(b.begin() + 28, b.begin() + 32), (Bytes{0xF8, 0x65, 0x32, 0x01}));
  EXPECT_EQ(b, seed("valid-fresh.bin"));
}

TEST_F(SettingsArchive, RoundTripRestoresAllValuesAndLeavesUnstoredFieldsAlone) {
  const Bytes record = seed("valid-pattern.bin");
  ASSERT_EQ(record.size(), 302u);
  auto ds = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(4, 4).build();
  CMEGSpctmDrawqv d;
  ASSERT_EQ(d.setDrawMEGData(ds.get()), 1);
  d.m_nWinTimeEnd = 33;
  d.m_nWinFreqEnd = 44;
  d.m_bStdRender = d.m_bPolarity = d.m_bHorzColorScale = 0;
  d.m_dStdMax = 7.5;
  d.m_nDataSource = 5;
  d.m_nLastSpctmClass = 2;

  ULONGLONG position = 0;
  ASSERT_EQ(load(d, record, &position), 1);
  EXPECT_EQ(position, 302u);
  EXPECT_TRUE(boxes().empty());
  // Every body byte differs from the fresh record, so all 47 values must have arrived
  // for the engine to store the same bytes again.
  EXPECT_EQ(storeSettings(d), record);
  EXPECT_EQ(d.m_nColorDepth, at<std::uint32_t>(record, 60));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(d.m_dZoom), at<std::uint64_t>(record, 218));
  EXPECT_EQ(d.m_nRowHeight, at<int>(record, 298));
  EXPECT_TRUE(d.m_bShowTimeGrid);
  // What the record does not hold.
  EXPECT_EQ(d.m_nWinTimeEnd, 33);
  EXPECT_EQ(d.m_nWinFreqEnd, 44);
  EXPECT_EQ(d.m_bStdRender + d.m_bPolarity + d.m_bHorzColorScale, 0);
  EXPECT_EQ(d.m_dStdMax, 7.5);
  EXPECT_EQ(d.m_nDataSource, 5);
  EXPECT_EQ(d.m_nLastSpctmClass, 2);
  EXPECT_EQ(d.m_pDataSet, ds.get());
}

TEST_F(SettingsArchive, WrongSignatureOrVersionChangesNothing) {
  Bytes badSignature = seed("valid-pattern.bin"), badVersion = badSignature;
  badSignature[26] = 'X';  // "MEGSPCTMDRAX"
  badVersion[28] = 0xF9;   // 20080121
  CMEGSpctmDrawqv d;
  const Bytes before = storeSettings(d);
  ULONGLONG position = 0;
  EXPECT_EQ(load(d, badSignature, &position), 0);
  EXPECT_EQ(position, 28u);
  badSignature[26] = 'w';  // compared case-sensitively
  EXPECT_EQ(load(d, badSignature), 0);
  // A string of 2^28 characters cannot be the signature: refused after its header.
  const Bytes huge = seed("badsig-huge.bin");
  EXPECT_EQ(load(d, huge, &position), 0);
  EXPECT_EQ(position, 10u);
  EXPECT_EQ(load(d, badVersion, &position), 1);
  EXPECT_EQ(position, 32u);
  EXPECT_EQ(storeSettings(d), before);
  ASSERT_EQ(boxes().size(), 4u);
  EXPECT_EQ(boxes()[2].text, L"MEG spectral draw file is corrupted!");
  EXPECT_EQ(boxes()[3].text, L"Wrong spectral draw  wave file format!!?");
  EXPECT_EQ(boxes()[3].type, static_cast<UINT>(MB_OK));
}

TEST_F(SettingsArchive, TruncatedRecordRaisesEndOfFileAndKeepsWhatWasRead) {
  const Bytes full = seed("valid-pattern.bin");
  // Cut inside m_nSelectLineX (offset 97, 8 bytes): the colour range before it is new.
  CMEGSpctmDrawqv d;
  try {
    load(d, Bytes(full.begin(), full.begin() + 100));
    FAIL() << "no exception";
  } catch (const CArchiveException& e) {
    EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
  }
  EXPECT_EQ(std::bit_cast<std::uint64_t>(d.m_dColorMin), at<std::uint64_t>(full, 89));
  EXPECT_EQ(d.m_nSelectLineX, 1);  // the value being read when the file ended
  EXPECT_EQ(d.m_nRowHeight, 3);
  EXPECT_TRUE(boxes().empty());
}

}  // namespace
