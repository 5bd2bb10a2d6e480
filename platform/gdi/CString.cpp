#include "platform/gdi/CString.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <vector>

namespace {

// Rewrites one format into the C library's wide-printf dialect: "%I64d" -> "%lld",
// "%I32d" -> "%d", "%Id" -> "%zd", and the framework's wide-function meaning of the
// string and character conversions ("%s" wide, "%S"/"%hs" narrow).
std::wstring translateFormat(const wchar_t* format) {
  std::wstring out;
  const wchar_t* p = format;
  while (*p) {
    if (*p != L'%') {
      out += *p++;
      continue;
    }
    out += *p++;
    if (*p == L'%') {
      out += *p++;
      continue;
    }
    while (*p && std::wcschr(L"-+ #0", *p)) out += *p++;
    while (*p && (std::iswdigit(static_cast<wint_t>(*p)) || *p == L'*')) out += *p++;
    if (*p == L'.') {
      out += *p++;
      while (*p && (std::iswdigit(static_cast<wint_t>(*p)) || *p == L'*')) out += *p++;
    }
    std::wstring length;
    if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
      length = L"ll";
      p += 3;
    } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
      p += 3;
    } else if (p[0] == L'I') {
      length = L"z";
      p += 1;
    } else {
      while (*p && std::wcschr(L"hlLjzt", *p)) length += *p++;
    }
    const wchar_t conv = *p;
    if (!conv) break;
    ++p;
    if (conv == L's' || conv == L'c') {
      out += (length == L"h") ? L"" : L"l";
      out += conv;
    } else if (conv == L'S' || conv == L'C') {
      out += (conv == L'S') ? L's' : L'c';
    } else {
      out += length;
      out += conv;
    }
  }
  return out;
}

}  // namespace

std::wstring vformatText(const wchar_t* format, va_list args) {
  if (!format) return {};
  const std::wstring fmt = translateFormat(format);
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vswprintf(buffer.data(), buffer.size(), fmt.c_str(), copy);
    va_end(copy);
    if (n >= 0) return std::wstring(buffer.data(), static_cast<size_t>(n));
    // vswprintf reports both "too small" and "bad format" as -1; give up at a size no label
    // or message of ours reaches.
    if (buffer.size() >= (1u << 20)) return std::wstring(buffer.data());
    buffer.assign(buffer.size() * 4, L'\0');
  }
}

std::wstring formatText(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::wstring s = vformatText(format, args);
  va_end(args);
  return s;
}

std::string toUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t wc : text) {
    auto c = static_cast<char32_t>(wc);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::wstring fromUtf8(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
      c = b0;
    } else if ((b0 & 0xE0) == 0xC0) {
      extra = 1;
      c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
      extra = 2;
      c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
      extra = 3;
      c = b0 & 0x07;
    } else {
      out += L'\xFFFD';
      ++i;
      continue;
    }
    bool ok = i + static_cast<size_t>(extra) < text.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const auto b = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
      if ((b & 0xC0) != 0x80) ok = false;
      else c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || c < kMinimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out += L'\xFFFD';
      ++i;
      continue;
    }
    out += static_cast<wchar_t>(c);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

std::u16string toUtf16(std::wstring_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (wchar_t wc : text) {
    auto c = static_cast<char32_t>(wc);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
  }
  return out;
}

std::wstring fromUtf16(std::u16string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      const char32_t c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                         (static_cast<char32_t>(text[i + 1]) - 0xDC00);
      out += static_cast<wchar_t>(c);
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      out += L'\xFFFD';
    } else {
      out += static_cast<wchar_t>(u);
    }
  }
  return out;
}

void CString::Format(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  m_str = vformatText(format, args);
  va_end(args);
}

void CString::AppendFormat(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  m_str += vformatText(format, args);
  va_end(args);
}

int CString::Compare(const wchar_t* other) const { return std::wcscmp(m_str.c_str(), other ? other : L""); }

int CString::CompareNoCase(const wchar_t* other) const {
  const wchar_t* a = m_str.c_str();
  const wchar_t* b = other ? other : L"";
  for (;; ++a, ++b) {
    const auto ca = std::towlower(static_cast<wint_t>(*a));
    const auto cb = std::towlower(static_cast<wint_t>(*b));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (!*a) return 0;
  }
}

CString CString::Left(int count) const {
  return CString(m_str.substr(0, static_cast<size_t>(std::clamp(count, 0, GetLength()))));
}

CString CString::Right(int count) const {
  const int n = std::clamp(count, 0, GetLength());
  return CString(m_str.substr(static_cast<size_t>(GetLength() - n)));
}

CString CString::Mid(int first, int count) const {
  const int start = std::clamp(first, 0, GetLength());
  const int n = count < 0 ? GetLength() - start : std::clamp(count, 0, GetLength() - start);
  return CString(m_str.substr(static_cast<size_t>(start), static_cast<size_t>(n)));
}

int CString::Find(const wchar_t* sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  const size_t at = m_str.find(sub, static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(wchar_t ch, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  const size_t at = m_str.find(ch, static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
  const size_t at = m_str.rfind(ch);
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(const wchar_t* from, const wchar_t* to) {
  if (!from || !*from) return 0;
  const std::wstring a(from);
  const std::wstring b(to ? to : L"");
  int count = 0;
  for (size_t at = m_str.find(a); at != std::wstring::npos; at = m_str.find(a, at + b.size())) {
    m_str.replace(at, a.size(), b);
    ++count;
  }
  return count;
}

CString& CString::TrimLeft() {
  const auto first = std::find_if(m_str.begin(), m_str.end(),
                                  [](wchar_t c) { return !std::iswspace(static_cast<wint_t>(c)); });
  m_str.erase(m_str.begin(), first);
  return *this;
}

CString& CString::TrimRight() {
  while (!m_str.empty() && std::iswspace(static_cast<wint_t>(m_str.back()))) m_str.pop_back();
  return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::MakeUpper() {
  for (wchar_t& c : m_str) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return *this;
}

CString& CString::MakeLower() {
  for (wchar_t& c : m_str) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return *this;
}
