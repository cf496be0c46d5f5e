#include "app/text_util.h"

#include <cstdint>

namespace velmo {

namespace {
bool IsCBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
wchar_t UpperAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }
}  // namespace

std::wstring AsciiUpper(const std::wstring& s) {
  std::wstring out(s);
  for (auto& c : out) c = UpperAscii(c);
  return out;
}

bool EqualsNoCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

std::int32_t StrToLong32(const std::wstring& s, size_t* end) {
  size_t i = 0;
  while (i < s.size() && IsCBlank(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) {
    negative = s[i] == L'-';
    ++i;
  }
  size_t firstDigit = i;
  std::int64_t magnitude = 0;
  bool overflow = false;
  while (i < s.size() && s[i] >= L'0' && s[i] <= L'9') {
    if (!overflow) {
      magnitude = magnitude * 10 + (s[i] - L'0');
      if (magnitude > 2147483648LL) overflow = true;
    }
    ++i;
  }
  if (i == firstDigit) {
    if (end) *end = 0;
    return 0;
  }
  if (end) *end = i;
  if (negative) {
    if (overflow || magnitude > 2147483648LL) return INT32_MIN;
    return static_cast<std::int32_t>(-magnitude);
  }
  if (overflow || magnitude > 2147483647LL) return INT32_MAX;
  return static_cast<std::int32_t>(magnitude);
}

}  // namespace velmo
