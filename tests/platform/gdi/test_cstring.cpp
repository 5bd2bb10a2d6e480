#include "platform/gdi/CString.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(FormatText, FrameworkConversionsMapToTheCLibrary) {
  const std::int64_t big = -9007199254740993LL;
  EXPECT_EQ(formatText(L"X:%I64d (Time:%I64d)", big, std::int64_t{7}),
            L"X:-9007199254740993 (Time:7)");
  EXPECT_EQ(formatText(L"%I64u|%I32d|%Id", std::uint64_t{18446744073709551615ULL}, 5, size_t{9}),
            L"18446744073709551615|5|9");
  // Inside a wide format %s and %c are wide; %S and %hs narrow.
  EXPECT_EQ(formatText(L"[%s][%c][%S][%hs]", L"w\u00e9", L'x', "n", "h"), L"[w\u00e9][x][n][h]");
  EXPECT_EQ(formatText(L"%-6s|%5.1f|%%|%03d", L"ab", 2.25, 7), L"ab    |  2.2|%|007");
}

TEST(FormatText, LongOutputGrowsTheBuffer) {
  const std::wstring wide(5000, L'q');
  EXPECT_EQ(formatText(L"<%s>", wide.c_str()), L"<" + wide + L">");
}

TEST(Unicode, RoundTripsAndReplacesInvalidInput) {
  const std::wstring text = L"A\u00e9\u4e2d\U0001F600";
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
  EXPECT_EQ(toUtf8(text), "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(fromUtf16(toUtf16(text)), text);
  EXPECT_EQ(toUtf16(text).size(), 5u);  // the emoji takes a surrogate pair
  EXPECT_EQ(fromUtf8("a\xC3"), L"a\uFFFD");            // truncated sequence
  EXPECT_EQ(fromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");    // overlong encoding
  EXPECT_EQ(fromUtf8("\xED\xA0\x80x"), L"\uFFFD\uFFFD\uFFFDx");  // encoded surrogate
  EXPECT_EQ(fromUtf16(std::u16string(1, u'\xD800') + u"z"), L"\uFFFDz");
}

TEST(CStringText, EditingOperations) {
  CString s(L"  Select Low:1.000  ");
  s.Trim();
  EXPECT_EQ(s, L"Select Low:1.000");
  EXPECT_EQ(s.Find(L':'), 10);
  EXPECT_EQ(s.Find(L"Low"), 7);
  EXPECT_EQ(s.Find(L"Low", 8), -1);
  EXPECT_EQ(s.Left(6), L"Select");
  EXPECT_EQ(s.Right(5), L"1.000");
  EXPECT_EQ(s.Mid(7, 3), L"Low");
  EXPECT_EQ(s.Mid(30), L"");
  EXPECT_EQ(s.Left(-2), L"");
  EXPECT_EQ(s.ReverseFind(L'0'), s.GetLength() - 1);
  EXPECT_EQ(s.Replace(L"0", L"00"), 3);
  EXPECT_EQ(s, L"Select Low:1.000000");
  EXPECT_EQ(CString(L"abc").CompareNoCase(L"ABD"), -1);
  EXPECT_EQ(CString(L"MLC11").Compare(L"MLC11"), 0);
  CString f;
  f.Format(L"%0.3fHz", 999.9);
  f.AppendFormat(L"/%I64d", std::int64_t{25});
  EXPECT_EQ(f, L"999.900Hz/25");
  EXPECT_EQ(CString("caf\xC3\xA9"), L"caf\u00e9");
}
