// Wide text of the UI platform: CString over std::wstring, the printf-family formatter
// used for every label and message (with the "%I64d" 64-bit conversions), and the UTF-8
// and UTF-16LE conversions needed at file and font-library boundaries.
// Formats follow the wide-function conventions of the strings they display: inside a wide
// format "%s" and "%c" take wide arguments; "%S", "%hs" and "%C" take narrow ones.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

using TCHAR = wchar_t;
using LPCTSTR = const wchar_t*;
using LPCWSTR = const wchar_t*;
using LPTSTR = wchar_t*;
#define _T(x) L##x

// printf-style formatting into a new wide string. Never fails: an invalid format gives the
// text up to the offending conversion.
std::wstring formatText(const wchar_t* format, ...);
std::wstring vformatText(const wchar_t* format, va_list args);

// UTF-8 <-> wide (UCS-4 on this platform). Invalid UTF-8 bytes become U+FFFD.
std::string toUtf8(std::wstring_view text);
std::wstring fromUtf8(std::string_view text);
// UTF-16 (host byte order code units) <-> wide; unpaired surrogates become U+FFFD.
std::u16string toUtf16(std::wstring_view text);
std::wstring fromUtf16(std::u16string_view text);

class CString {
 public:
  CString() = default;
  CString(const wchar_t* text) : m_str(text ? text : L"") {}  // NOLINT: implicit like the framework
  CString(std::wstring text) : m_str(std::move(text)) {}      // NOLINT
  CString(std::wstring_view text) : m_str(text) {}            // NOLINT
  CString(const char* utf8) : m_str(utf8 ? fromUtf8(utf8) : std::wstring()) {}  // NOLINT
  CString(wchar_t ch, int repeat) : m_str(static_cast<size_t>(repeat > 0 ? repeat : 0), ch) {}

  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  const wchar_t* GetString() const { return m_str.c_str(); }
  operator const wchar_t*() const { return m_str.c_str(); }  // NOLINT: LPCTSTR conversion
  const std::wstring& str() const { return m_str; }
  std::string utf8() const { return toUtf8(m_str); }

  wchar_t GetAt(int i) const { return m_str.at(static_cast<size_t>(i)); }
  void SetAt(int i, wchar_t ch) { m_str.at(static_cast<size_t>(i)) = ch; }

  // Replaces the text with the formatted one (printf family, see formatText).
  void Format(const wchar_t* format, ...);
  void AppendFormat(const wchar_t* format, ...);

  CString& operator+=(const CString& other) { m_str += other.m_str; return *this; }
  CString& operator+=(const wchar_t* other) { if (other) m_str += other; return *this; }
  CString& operator+=(wchar_t ch) { m_str += ch; return *this; }
  friend CString operator+(CString a, const CString& b) { a += b; return a; }
  friend CString operator+(CString a, const wchar_t* b) { a += b; return a; }
  friend CString operator+(const wchar_t* a, const CString& b) { return CString(a) += b; }
  friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
  friend bool operator==(const CString& a, const wchar_t* b) { return b && a.m_str == b; }
  friend auto operator<=>(const CString& a, const CString& b) { return a.m_str <=> b.m_str; }

  // <0, 0, >0 like wcscmp; the NoCase form folds with towlower.
  int Compare(const wchar_t* other) const;
  int CompareNoCase(const wchar_t* other) const;

  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first, int count = -1) const;
  // Index of the first match at or after start, or -1.
  int Find(const wchar_t* sub, int start = 0) const;
  int Find(wchar_t ch, int start = 0) const;
  int ReverseFind(wchar_t ch) const;
  // Number of replacements made.
  int Replace(const wchar_t* from, const wchar_t* to);
  CString& Trim();
  CString& TrimLeft();
  CString& TrimRight();
  CString& MakeUpper();
  CString& MakeLower();

 private:
  std::wstring m_str;
};
