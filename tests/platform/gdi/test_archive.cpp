#include "platform/gdi/CArchive.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// Stores with f into a memory file and returns the bytes.
template <class F>
Bytes stored(F&& f) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    f(ar);
  }
  return file.data();
}

// Loads values of the types T... from bytes, in order.
template <class... T>
std::tuple<T...> loaded(const Bytes& bytes) {
  CMemFile in(bytes);
  CArchive ar(&in, CArchive::load);
  std::tuple<T...> values;
  std::apply([&](auto&... v) { (ar >> ... >> v); }, values);
  return values;
}

// The exception of type E that f raises, if any.
template <class E, class F>
std::optional<E> raised(F&& f) {
  try {
    f();
  } catch (const E& e) {
    return e;
  }
  return std::nullopt;
}

Bytes utf16le(const std::u16string& s) {
  Bytes out;
  for (char16_t c : s) {
    out.push_back(static_cast<BYTE>(c & 0xFF));
    out.push_back(static_cast<BYTE>(c >> 8));
  }
  return out;
}

Bytes concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::filesystem::path tempPath(const char* name) {
  return std::filesystem::temp_directory_path() /
         (std::string("spctm_archive_") + std::to_string(::getpid()) + "_" + name);
}

}  // namespace

TEST(ArchiveLayout, EveryValueTypeIsLittleEndianWithoutPadding) {
  const Bytes bytes = stored([](CArchive& ar) {
    ar << true << false << BYTE{0xAB} << WORD{0x1234} << short{-2} << int{-1} << UINT{20080120}
       << LONGLONG{-2} << ULONGLONG{0x0102030405060708ull} << 1.5f << 1.0 << -1.0;
  });
  const Bytes expected = {
      0x01, 0x00, 0xAB, 0x34, 0x12, 0xFE, 0xFF,                    // bools, byte, word, short
      0xFF, 0xFF, 0xFF, 0xFF, 0xF8, 0x65, 0x32, 0x01,              // int -1, version 20080120
      0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,              // int64 -2
      0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01,              // uint64
      0x00, 0x00, 0xC0, 0x3F,                                      // float 1.5
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,              // double 1.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0xBF};             // double -1.0
  EXPECT_EQ(bytes, expected);

  EXPECT_EQ((loaded<bool, bool, BYTE, WORD, short, int, UINT, LONGLONG, ULONGLONG, float, double, double>(bytes)),
            std::make_tuple(true, false, BYTE{0xAB}, WORD{0x1234}, short{-2}, -1, UINT{20080120}, LONGLONG{-2},
                            ULONGLONG{0x0102030405060708ull}, 1.5f, 1.0, -1.0));
  EXPECT_EQ((loaded<bool, bool>({0x02, 0x00})), std::make_tuple(true, false));  // any non-zero byte is true
}

TEST(ArchiveStrings, UnicodeStringHasMarkerAndLength) {
  const Bytes bytes = stored([](CArchive& ar) { ar << CString(L"MEGSPCTMDRAW"); });
  EXPECT_EQ(bytes, concat({0xFF, 0xFE, 0xFF, 0x0C}, utf16le(u"MEGSPCTMDRAW")));
  // A literal goes through the string operator too, not through bool.
  EXPECT_EQ(stored([](CArchive& ar) { ar << L"MEGSPCTMDRAW"; }), bytes);
  EXPECT_EQ(stored([](CArchive& ar) { ar << CString(); }), (Bytes{0xFF, 0xFE, 0xFF, 0x00}));
}

TEST(ArchiveStrings, LongLengthsUseTheWiderHeaders) {
  const CString s300(L'x', 300);
  const Bytes b300 = stored([&](CArchive& ar) { ar << s300; });
  ASSERT_EQ(b300.size(), 6u + 600u);
  EXPECT_EQ(Bytes(b300.begin(), b300.begin() + 6), (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}));

  const CString s70k(L'y', 70000);
  const Bytes b70k = stored([&](CArchive& ar) { ar << s70k; });
  ASSERT_EQ(b70k.size(), 10u + 140000u);
  EXPECT_EQ(Bytes(b70k.begin(), b70k.begin() + 10),
            (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));

  EXPECT_EQ(std::get<0>(loaded<CString>(b300)), s300);
  EXPECT_EQ(std::get<0>(loaded<CString>(b70k)), s70k);
}

TEST(ArchiveStrings, CharactersOutsideTheBasicPlaneRoundTrip) {
  const CString text(L"\u00e9\u4e2d\U0001F600");
  const Bytes bytes = stored([&](CArchive& ar) { ar << text; });
  EXPECT_EQ(bytes[3], 4);  // length counts UTF-16 units: the emoji takes two
  EXPECT_EQ(std::get<0>(loaded<CString>(bytes)), text);
}

TEST(ArchiveStrings, PlainEightBitFormIsAccepted) {
  EXPECT_EQ(std::get<0>(loaded<CString>({0x05, 'h', 0xE9, 'l', 'l', 'o', 0xFF, 0x2C, 0x01})), L"h\u00e9llo");
  // A long 8-bit string: 0xFF then a word length, without the marker.
  Bytes longForm = {0xFF, 0x2C, 0x01};
  longForm.insert(longForm.end(), 300, 'z');
  EXPECT_EQ(std::get<0>(loaded<CString>(longForm)), CString(L'z', 300));
}

TEST(ArchiveErrors, ReadingPastTheEndRaisesEndOfFileAndKeepsTheTarget) {
  const auto cause = [](auto&& load) {
    const auto e = raised<CArchiveException>(load);
    return e ? e->m_cause : -1;
  };
  EXPECT_EQ(cause([] { loaded<int>({0x01, 0x02, 0x03}); }), CArchiveException::endOfFile);
  // Declares 12 characters but holds 2; then a length near 2^64 with no data. Either is
  // refused after its header, before any character is read.
  const std::pair<Bytes, ULONGLONG> tooLong[] = {
      {{0xFF, 0xFE, 0xFF, 0x0C, 'M', 0, 'E', 0}, 4},
      {{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F,
        'a', 0},
       18},
  };
  for (const auto& [bytes, header] : tooLong) {
    CMemFile in(bytes);
    CArchive ar(&in, CArchive::load);
    CString s(L"kept");
    EXPECT_EQ(cause([&] { ar >> s; }), CArchiveException::endOfFile);
    EXPECT_EQ(s, L"kept");
    EXPECT_EQ(in.GetPosition(), header);
  }
}

TEST(ArchiveStrings, BoundedReadRefusesALongerStringAfterItsHeader) {
  struct Row {
    Bytes bytes;
    ULONGLONG most;
    bool accepted;
    const wchar_t* value;
    ULONGLONG position;  // after the call
  };
  const Bytes signature = concat({0xFF, 0xFE, 0xFF, 0x0C}, utf16le(u"MEGSPCTMDRAW"));
  const Bytes hello = {0x05, 'h', 'e', 'l', 'l', 'o'};
  // 2^28 characters announced, a few present.
  const Bytes huge = concat({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10}, utf16le(u"MEG"));
  const Row rows[] = {
      {signature, 12, true, L"MEGSPCTMDRAW", 28},
      {signature, 11, false, L"kept", 4},
      {hello, 5, true, L"hello", 6},
      {hello, 4, false, L"kept", 1},
      {huge, 12, false, L"kept", 10},
  };
  for (const Row& row : rows) {
    CMemFile in(row.bytes);
    CArchive ar(&in, CArchive::load);
    CString s(L"kept");
    EXPECT_EQ(ar.readStringAtMost(s, row.most), row.accepted) << row.position;
    EXPECT_EQ(s, row.value);
    EXPECT_EQ(in.GetPosition(), row.position);
  }
}

TEST(ArchiveErrors, WrongDirectionCarriesCauseAndFileName) {
  const auto path = tempPath("direction.bin");
  const CString name(path.string().c_str());
  {
    CFile file(name, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    int v = 0;
    const auto e = raised<CArchiveException>([&] { ar >> v; });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->m_cause, CArchiveException::writeOnly);
    EXPECT_EQ(e->m_strFileName, name);
    EXPECT_NE(std::string(e->what()).find(path.string()), std::string::npos);
    CString s;
    EXPECT_THROW(ar >> s, CArchiveException);
    ar << 7;
    ar.Close();
    file.Close();
  }
  {
    CFile file(name, CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    EXPECT_TRUE(ar.IsLoading());
    EXPECT_FALSE(ar.IsStoring());
    const auto e = raised<CArchiveException>([&] { ar << 1.0; });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->m_cause, CArchiveException::readOnly);
    EXPECT_EQ(e->m_strFileName, name);
    EXPECT_THROW(ar << CString(L"x"), CArchiveException);
    int v = 0;
    ar >> v;
    EXPECT_EQ(v, 7);  // the failed writes did not disturb reading
  }
  std::filesystem::remove(path);
}

TEST(ArchiveFiles, DiskRoundTripBeyondTheBufferAndFlush) {
  const auto path = tempPath("roundtrip.bin");
  const CString name(path.string().c_str());
  {
    CFile file(name, CFile::modeCreate | CFile::modeWrite);
    {
      CArchive ar(&file, CArchive::store, 16);  // small buffer: several writes reach the file
      ar << CString(L"MEGSPCTMDRAW") << UINT{20080120};
      for (LONGLONG i = 0; i < 100; ++i) ar << i * 1000;
      ar.Flush();
      EXPECT_EQ(file.GetLength(), 28u + 4u + 800u);
      ar << 2.5;
    }  // the archive's destructor flushes the last value
    file.Close();
  }
  EXPECT_EQ(std::filesystem::file_size(path), 840u);

  CFile file(name, CFile::modeRead);
  CArchive ar(&file, CArchive::load);
  CString sig;
  UINT version = 0;
  ar >> sig >> version;
  EXPECT_EQ(sig, L"MEGSPCTMDRAW");
  EXPECT_EQ(version, 20080120u);
  LONGLONG last = 0;
  for (int i = 0; i < 100; ++i) ar >> last;
  EXPECT_EQ(last, 99000);
  double d = 0;
  ar >> d;
  EXPECT_EQ(d, 2.5);
  EXPECT_THROW(ar >> d, CArchiveException);
  std::filesystem::remove(path);
}

TEST(Files, OpenErrorsNameTheFileAndCause) {
  const CString missing(tempPath("does/not/exist.bin").string().c_str());
  CFile f;
  CFileException error(CFileException::none, 0, CString());
  EXPECT_FALSE(f.Open(missing, CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_strFileName, missing);
  const auto e = raised<CFileException>([&] { CFile g(missing, CFile::modeRead); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
  EXPECT_NE(std::string(e->what()).find("exist.bin"), std::string::npos);
  EXPECT_THROW(f.Write("x", 1), CFileException);  // not open
}

TEST(Files, CreateTruncatesUnlessAskedNotTo) {
  const auto path = tempPath("trunc.bin");
  const CString name(path.string().c_str());
  {
    CFile f(name, CFile::modeCreate | CFile::modeWrite);
    f.Write("abcdef", 6);
    f.Close();
  }
  {
    CFile f(name, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    EXPECT_EQ(f.GetLength(), 6u);
    f.Seek(2, CFile::begin);
    f.Write("XY", 2);
    EXPECT_EQ(f.GetPosition(), 4u);
    EXPECT_EQ(f.GetFileName(), CString(path.filename().string().c_str()));
  }
  {
    CFile f(name, CFile::modeRead);
    char buf[8] = {};
    EXPECT_EQ(f.Read(buf, 8), 6u);
    EXPECT_EQ(std::string(buf), "abXYef");
  }
  {
    CFile f(name, CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(f.GetLength(), 0u);
  }
  std::filesystem::remove(path);
}

TEST(Files, MemoryFileSeeksAndGrows) {
  CMemFile m;
  m.Write("hello", 5);
  m.Seek(-2, CFile::end);
  m.Write("LLO!", 4);
  EXPECT_EQ(m.GetLength(), 7u);
  m.SeekToBegin();
  char buf[8] = {};
  EXPECT_EQ(m.Read(buf, 8), 7u);
  EXPECT_EQ(std::string(buf), "helLLO!");
  EXPECT_THROW(m.Seek(-1, CFile::begin), CFileException);
}
