// The draw-settings record: exact bytes, round trip, and every way a loaded record can be
// wrong (signature, version, end of file, unusual bool bytes).
#include "draw/CMEGSpctmDrawqv.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "host/data/DatasetBuilder.h"
#include "tests/draw/SettingsRecord.h"

namespace {

using settingsrec::Bytes;

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

class SettingsArchive : public ::testing::Test {
 protected:
  std::vector<MessageBoxRequest>& boxes() { return app.scripted()->messageBoxes; }
  CWinApp app;
};

TEST_F(SettingsArchive, FreshEngineGivesTheDocumentedRecord) {
  CMEGSpctmDrawqv d;
  d.m_bShowTimeGrid = false;  // set by no constructor; fixed here for exact bytes
  const Bytes b = settingsrec::store(d);
  ASSERT_EQ(b.size(), 302u);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 4), (Bytes{0xFF, 0xFE, 0xFF, 0x0C}));
  EXPECT_EQ(Bytes(b.begin() + 28, b.begin() + 32), (Bytes{0xF8, 0x65, 0x32, 0x01}));
  // The whole record, value by value at its documented offset.
  EXPECT_EQ(b, settingsrec::freshRecord());
  // The two ranges in their stored order.
  EXPECT_EQ(at<double>(b, 81), 1.0);
  EXPECT_EQ(at<double>(b, 89), -1.0);
  EXPECT_EQ(at<double>(b, 165), -2.0);
  EXPECT_EQ(at<double>(b, 173), 2.0);
}

TEST_F(SettingsArchive, RoundTripRestoresAllValuesAndLeavesUnstoredFieldsAlone) {
  // A record whose every body byte differs from the fresh one (bools 1 where fresh are 0
  // and the reverse), so each of the 47 values must arrive to store the same bytes again.
  const Bytes record = settingsrec::patternRecord();
  auto ds = megdata::DatasetBuilder().meg(L"A", 0, 0).grid(4, 4).build();
  CMEGSpctmDrawqv d;
  ASSERT_EQ(d.setDrawMEGData(ds.get()), 1);
  d.m_nWinTimeEnd = 33;
  d.m_nWinFreqEnd = 44;
  d.m_bStdRender = 0;
  d.m_bPolarity = 0;
  d.m_bHorzColorScale = 0;
  d.m_dStdMax = 7.5;
  d.m_dStdMin = 2.5;
  d.m_nDataSource = 5;
  d.m_nLastSpctmClass = 2;
  d.m_nLastDataKind = 1;
  CMDTrialqv* trial = d.m_pTrial;

  ULONGLONG position = 0;
  ASSERT_EQ(load(d, record, &position), 1);
  EXPECT_EQ(position, 302u);
  EXPECT_TRUE(boxes().empty());
  EXPECT_EQ(settingsrec::store(d), record);
  // A few values read back as numbers, to see the bytes land in the right fields.
  EXPECT_EQ(d.m_nPersist1, std::bit_cast<int>(at<std::uint32_t>(record, 32)));
  EXPECT_EQ(d.m_nColorDepth, at<std::uint32_t>(record, 60));
  EXPECT_EQ(d.m_nTimeGridStep, at<std::int64_t>(record, 65));
  EXPECT_EQ(d.m_nViewMode, at<int>(record, 161));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(d.m_dZoom), at<std::uint64_t>(record, 218));
  EXPECT_EQ(d.m_nWaveOffsetY, at<std::int64_t>(record, 266));
  EXPECT_EQ(d.m_nRowHeight, at<int>(record, 298));
  EXPECT_TRUE(d.m_bShowTimeGrid);
  EXPECT_FALSE(d.m_bRecentre);
  EXPECT_TRUE(d.m_bShowSelectInfo);
  // What the record does not hold.
  EXPECT_EQ(d.m_nWinTimeEnd, 33);
  EXPECT_EQ(d.m_nWinFreqEnd, 44);
  EXPECT_EQ(d.m_bStdRender, 0);
  EXPECT_EQ(d.m_bPolarity, 0);
  EXPECT_EQ(d.m_bHorzColorScale, 0);
  EXPECT_EQ(d.m_dStdMax, 7.5);
  EXPECT_EQ(d.m_dStdMin, 2.5);
  EXPECT_EQ(d.m_nDataSource, 5);
  EXPECT_EQ(d.m_nLastSpctmClass, 2);
  EXPECT_EQ(d.m_nLastDataKind, 1);
  EXPECT_EQ(d.m_pDataSet, ds.get());
  EXPECT_EQ(d.m_pTrial, trial);
  EXPECT_EQ(d.m_penSelect.color(), 0x2C7DFFu);
}

TEST_F(SettingsArchive, WrongSignatureShowsCorruptedAndReadsNothingMore) {
  Bytes record = settingsrec::patternRecord();
  record[26] = 'X';  // "MEGSPCTMDRAX"
  CMEGSpctmDrawqv d;
  const Bytes before = settingsrec::store(d);
  ULONGLONG position = 0;
  EXPECT_EQ(load(d, record, &position), 0);
  EXPECT_EQ(position, 28u);
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, L"MEG spectral draw file is corrupted!");
  EXPECT_EQ(boxes()[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(settingsrec::store(d), before);

  // The comparison is case-sensitive.
  record[26] = 'w';
  EXPECT_EQ(load(d, record), 0);
  EXPECT_EQ(boxes().size(), 2u);
}

TEST_F(SettingsArchive, OtherVersionShowsWrongFormatAndKeepsTheSettings) {
  for (std::uint32_t version : {20080119u, 20080121u, 0u}) {
    Bytes record = settingsrec::patternRecord();
    std::memcpy(record.data() + 28, &version, 4);
    CMEGSpctmDrawqv d;
    const Bytes before = settingsrec::store(d);
    ULONGLONG position = 0;
    EXPECT_EQ(load(d, record, &position), 1) << version;
    EXPECT_EQ(position, 32u);
    EXPECT_EQ(settingsrec::store(d), before);
  }
  ASSERT_EQ(boxes().size(), 3u);
  EXPECT_EQ(boxes()[0].text, L"Wrong spectral draw  wave file format!!?");
  EXPECT_EQ(boxes()[0].type, static_cast<UINT>(MB_OK));
}

TEST_F(SettingsArchive, TruncatedRecordRaisesEndOfFileAndKeepsWhatWasRead) {
  const Bytes full = settingsrec::patternRecord();
  // Cut inside m_nSelectLineX (offset 97, 8 bytes): the colour range before it is new.
  const Bytes cut(full.begin(), full.begin() + 100);
  CMEGSpctmDrawqv d;
  try {
    load(d, cut);
    FAIL() << "no exception";
  } catch (const CArchiveException& e) {
    EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
  }
  EXPECT_EQ(std::bit_cast<std::uint64_t>(d.m_dColorMin), at<std::uint64_t>(full, 89));
  EXPECT_EQ(d.m_nTimeGridMajor, at<std::int64_t>(full, 73));
  EXPECT_EQ(d.m_nSelectLineX, 1);  // the value being read when the file ended
  EXPECT_EQ(d.m_nColumnGap, 6);
  EXPECT_EQ(d.m_nRowHeight, 3);
  EXPECT_TRUE(d.m_bRecentre);

  // Ends inside the header: nothing is taken, the exception still reaches the caller.
  for (size_t n : {size_t{0}, size_t{3}, size_t{20}, size_t{30}}) {
    CMEGSpctmDrawqv e;
    EXPECT_THROW(load(e, Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n))), CArchiveException)
        << n;
    CMEGSpctmDrawqv fresh;
    EXPECT_EQ(settingsrec::store(e), settingsrec::store(fresh));
  }
  EXPECT_TRUE(boxes().empty());
}

TEST_F(SettingsArchive, AnyNonZeroBoolByteLoadsAsTrue) {
  Bytes record = settingsrec::freshRecord();
  record[64] = 2;    // m_bShowTimeGrid
  record[216] = 0x80;  // m_bShowSelectInfo
  record[181] = 0;   // m_bRecentre
  CMEGSpctmDrawqv d;
  ASSERT_EQ(load(d, record), 1);
  EXPECT_TRUE(d.m_bShowTimeGrid);
  EXPECT_TRUE(d.m_bShowSelectInfo);
  EXPECT_FALSE(d.m_bRecentre);
  // Stored again, the bools are written as 1.
  const Bytes again = settingsrec::store(d);
  EXPECT_EQ(again[64], 1);
  EXPECT_EQ(again[216], 1);
}

TEST_F(SettingsArchive, EightBitSignatureIsAccepted) {
  // The plain form: a one-byte length and the 12 characters, then version and body.
  const Bytes fresh = settingsrec::freshRecord();
  Bytes record{12};
  for (char c : std::string("MEGSPCTMDRAW")) record.push_back(static_cast<std::uint8_t>(c));
  record.insert(record.end(), fresh.begin() + 28, fresh.end());
  record[13 + 4 + 161 - 32] = 3;  // m_nViewMode
  CMEGSpctmDrawqv d;
  ASSERT_EQ(load(d, record), 1);
  EXPECT_EQ(d.m_nViewMode, 3);
}

TEST_F(SettingsArchive, RecordTravelsThroughADiskFile) {
  const std::string path = std::string(SPCTM_TEST_OUTPUT_DIR) + "/draw-settings.bin";
  CMEGSpctmDrawqv a;
  a.m_dColorMax = 4.25;
  a.m_nColumns = 5;
  {
    CFile file(CString(path.c_str()), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    ASSERT_EQ(a.serializeqv(ar), 1);
    ar.Close();
    file.Close();
  }
  CMEGSpctmDrawqv b;
  {
    CFile file(CString(path.c_str()), CFile::modeRead);
    EXPECT_EQ(file.GetLength(), 302u);
    CArchive ar(&file, CArchive::load);
    ASSERT_EQ(b.serializeqv(ar), 1);
  }
  EXPECT_EQ(b.m_dColorMax, 4.25);
  EXPECT_EQ(b.m_nColumns, 5);
}

}  // namespace
